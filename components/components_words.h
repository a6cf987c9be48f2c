// components' words: each step of the repeated searches said in the terms of its picture (a pair
// of colours per component, thick tree lines), through the depth-first narrator.
#pragma once

void say_legend();
void on_graph_drawn();
// A new search starts at v and begins component k.
void on_search_starts(int v, int k);
void on_discovered(int v, int k);
void on_tree_edge(int v, int w);
void on_finished(int v);
// All searches are done; `count` components were found.
void on_search_over(int count);
