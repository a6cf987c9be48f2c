// Where the narrow arrows beside the edge bands of dfsedges begin: 10 pixels to the right of an
// edge, as seen on the screen, when leaving a vertex toward one of its neighbours.
#pragma once

#include "demo_graph.h"

// Fills entry [i][k] for every neighbour k of every vertex i; all other entries are left alone.
void compute_arrow_starts(int arrow_start_x[vertex_count][vertex_count],
                          int arrow_start_y[vertex_count][vertex_count]);
