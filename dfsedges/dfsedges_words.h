// dfsedges' words: each step of the search said in the terms of its picture (red and blue discs,
// green, blue and red arrows), through the depth-first narrator.
#pragma once

void say_legend();
void on_graph_drawn();
void on_discovered(int u);
void on_tree_edge(int u, int v);
void on_back_edge(int u, int v);
void on_turned_back(int u, int v);
void on_finished(int u);
void on_search_over();
