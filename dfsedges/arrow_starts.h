// Where the narrow arrows beside the edge bands of dfsedges begin: 10 pixels to the right of an
// edge, as seen on the screen, when leaving a vertex toward one of its neighbours.
#pragma once

#include "graph_in_use.h"

// For the graph in use: fills entry [i][k] of the tables, rows `row_length` long, for every
// neighbour k of every vertex i; all other entries are left alone.
void compute_arrow_starts(int* arrow_start_x, int* arrow_start_y, int row_length);

template <int n>
void compute_arrow_starts(int (&arrow_start_x)[n][n], int (&arrow_start_y)[n][n]) {
    compute_arrow_starts(arrow_start_x[0], arrow_start_y[0], n);
}
