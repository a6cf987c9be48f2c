// numbering's words: each step of the search said in the terms of its picture (red and blue discs,
// coloured tree edges, the row of discovery numbers at the bottom), through the depth-first narrator.
#pragma once

// The tree edges' colours run as far as the graph's vertex count can take them.
void say_legend(int graph_vertex_count);
void on_graph_drawn();
void on_discovered(int v);
// The tree edge v-w, drawn in palette slot `colour`; it is said with w's discovery, the step that
// shows them both.
void on_tree_edge(int v, int w, int colour);
void on_finished(int v);
void on_search_over();
