// backtrack's words: each step of the search said in the terms of its picture (small and large red
// circles, tree arrows and return arrows), through the depth-first narrator.
#pragma once

void say_legend();
void on_graph_drawn();
void on_discovered(int v);
void on_tree_edge(int v, int w);
void on_finished(int v);
void on_search_over();
