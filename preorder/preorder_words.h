// preorder's words: each step of the search said in the terms of its picture (the list below the
// graph, thick coloured tree edges), through the depth-first narrator.
#pragma once

void say_legend();
void on_graph_drawn();
void on_discovered(int v);
// The tree edge v-w, drawn in palette slot `colour` with half-width colour + 1.
void on_tree_edge(int v, int w, int colour);
void on_finished(int v);
void on_search_over();
