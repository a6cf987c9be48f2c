// The fixed 20-vertex grid graph of orientgrid and the depth-first search that numbers it.
#pragma once

constexpr int vertex_count = 20;
constexpr int grid_columns = 4;  // vertex v stands in row v / 4, column v % 4

// The entries of `adjacency`.
constexpr int arc = 1;
constexpr int no_arc = 100;
constexpr int self = 0;

extern int vertex_x[vertex_count];
extern int vertex_y[vertex_count];
extern int adjacency[vertex_count][vertex_count];
extern int dfs_number[vertex_count];  // 1 to 20 once reached, 0 before
extern int next_number;
extern int parent[vertex_count];  // the root keeps 0

// Places the vertices on the 4 x 5 grid and fills `adjacency` with both directions of every edge.
void build_grid();
// Numbers v, then every unnumbered neighbour in increasing vertex order.
void number_vertices(int v);
