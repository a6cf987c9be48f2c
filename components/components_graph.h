// The graphs components runs on besides its own: what a user's file may hold, and a random graph
// on the program's own vertex places. Nothing here draws.
#pragma once

#include "graph_file.h"

// The graphs the pictures can hold: see components_graph.cpp for the limits and why.
GraphRules component_graph_rules();

// A random graph on the `count` places (x, y) with 2 to 4 connected components, each a cluster of
// nearby places, every component of three or more vertices with a cycle or none at random and the
// largest always with one. Row v of `adjacency` lists v's neighbours in the order the edges were
// drawn: not by number.
void draw_random_components(const int* x, const int* y, int count, int* degree,
                            int (*adjacency)[graph_max_vertices]);
