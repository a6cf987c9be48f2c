// The words of orientgrid: what each screen shows, read from the grid's matrix, the discovery
// numbers and the parents (grid_search.h). They draw nothing.
#pragma once

void give_orientgrid_legend();
void say_grid();
// Asked once the numbering search has run, before its numbers are shown.
void ask_numbering_questions();
// Once the numbering search has run and its numbers and tree are drawn.
void say_numbering();
// Asked before the tree edges are directed.
void ask_tree_edge_direction();
// Each arc as it is drawn, tail first; said together once the step is drawn.
void said_tree_arc(int parent, int child);
void say_tree_arcs();
// Asked before the other edges are directed, with the tree edges one-way already.
void ask_back_edge_direction();
void said_back_arc(int from, int to);
void say_back_arcs();
