// The grid graph of orientgrid, built in the matrix in the order that leaves the middle edge of
// rows 0, 2 and 4 out, and its numbering search, which draws nothing.
#include "grid_search.h"

int vertex_x[vertex_count];
int vertex_y[vertex_count];
int adjacency[vertex_count][vertex_count];
int dfs_number[vertex_count];
int next_number = 1;
int parent[vertex_count];

namespace {

void add_edge(int i, int j) {
    adjacency[i][j] = arc;
    adjacency[j][i] = arc;
}

}  // namespace

void build_grid() {
    for (int i = 0; i < vertex_count; ++i) {
        vertex_x[i] = (i % grid_columns) * 100 + 50;
        vertex_y[i] = (i / grid_columns) * 100 + 100;
    }
    for (int i = 0; i < vertex_count; ++i)
        for (int j = 0; j < vertex_count; ++j) adjacency[i][j] = no_arc;
    // Pairs 0-1, 2-3, ...: the first and the last edge of each row.
    for (int j = 0; j < vertex_count - 1; j += 2) add_edge(j, (j + 1) % vertex_count);
    for (int k = 0; k < vertex_count - 4; ++k) add_edge(k, k + 4);
    for (int i = 0; i < vertex_count; ++i) adjacency[i][i] = self;
    // Only rows 1 and 3 get their middle edge.
    add_edge(5, 6);
    add_edge(13, 14);
}

void number_vertices(int v) {
    dfs_number[v] = next_number;
    next_number += 1;
    for (int w = 0; w < vertex_count; ++w)
        if (adjacency[v][w] == arc && dfs_number[w] == 0) {
            parent[w] = v;
            number_vertices(w);
        }
}
