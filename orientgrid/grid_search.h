// The graph of orientgrid (its own 20-vertex grid, a random grid on the same places, or a user's
// graph) and the depth-first search that numbers it.
#pragma once

#include "graph_file.h"

constexpr int own_vertex_count = 20;
constexpr int grid_columns = 4;  // vertex v of the grid stands in row v / 4, column v % 4

// The entries of `adjacency`.
constexpr int arc = 1;
constexpr int no_arc = 100;
constexpr int self = 0;

// Which graph is in use: the words say the grid's missing edges only of a grid.
enum class GraphKind { own_grid, random_grid, users };

extern GraphKind graph_kind;
extern int vertex_count;
extern int vertex_x[graph_max_vertices];
extern int vertex_y[graph_max_vertices];
extern int adjacency[graph_max_vertices][graph_max_vertices];
// Row v: v's neighbours in the order the search tries them, the row of the matrix by increasing
// vertex number for a grid, the order of the file's edges for a user's graph. Directing the
// edges changes the matrix only.
extern int degree[graph_max_vertices];
extern int neighbours[graph_max_vertices][graph_max_vertices];
extern int dfs_number[graph_max_vertices];  // 1 to vertex_count once reached, 0 before
extern int next_number;
extern int parent[graph_max_vertices];  // the root keeps 0

// The graphs orientgrid can run on: connected and without a bridge (see grid_search.cpp).
GraphRules orientation_rules();

// Places the vertices on the 4 x 5 grid and fills `adjacency` with both directions of every edge.
void build_grid();
// The grid with some of its edges left out at random (random_number), every edge still on a cycle.
void build_random_grid();
// The user's graph as read: its places and its edges in the order of the file.
void build_from_file(const Graph& graph);
// Numbers v, then every unnumbered neighbour in the order of v's list.
void number_vertices(int v);
