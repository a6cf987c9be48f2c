// The random digraph of closure12 and the Warshall passes over its reachability matrix.
#include "digraph.h"

#include "kit.h"

int vertices_in_use = vertex_count;
int adjacency[vertex_count][vertex_count];
int closure[vertex_count][vertex_count];

namespace {

// The left vertex of each random horizontal pair, in the order the draws are spent on them; the
// middle pairs (1, 2), (5, 6) and (9, 10) get no draw.
constexpr int horizontal_pairs[] = {0, 2, 4, 6, 8, 10};
// The upper vertex of each vertical pair, likewise.
constexpr int vertical_pairs[] = {0, 1, 2, 3, 4, 5, 6, 7};

// One draw decides the direction of the pair (a, b): even points from a to b.
void direct_pair(int a, int b, int (*draw)()) {
    if (draw() % 2 == 0)
        adjacency[a][b] = 1;
    else
        adjacency[b][a] = 1;
}

}  // namespace

void build_digraph(int (*draw)()) {
    vertices_in_use = vertex_count;
    for (auto& row : adjacency)
        for (int& cell : row) cell = 0;
    for (int i : horizontal_pairs) direct_pair(i, i + 1, draw);
    for (int i : vertical_pairs) direct_pair(i, i + grid_columns, draw);
    for (int i = 0; i < vertex_count; i++) adjacency[i][i] = 1;
    adjacency[1][2] = 1;
    adjacency[10][9] = 1;
}

void use_digraph(const Graph& graph) {
    vertices_in_use = graph.vertex_count;
    for (auto& row : adjacency)
        for (int& cell : row) cell = 0;
    for (int i = 0; i < vertices_in_use; i++) {
        adjacency[i][i] = 1;
        for (int e = 0; e < graph.degree[i]; e++) adjacency[i][graph.adjacency[i][e]] = 1;
    }
}

void copy_adjacency_to_closure() {
    for (int i = 0; i < vertices_in_use; i++)
        for (int j = 0; j < vertices_in_use; j++) closure[i][j] = adjacency[i][j];
}

// In place: a cell set earlier in the pass is already seen by the cells after it.
void warshall_pass(int k) {
    for (int i = 0; i < vertices_in_use; i++)
        for (int j = 0; j < vertices_in_use; j++)
            if (closure[i][j] == 0 && closure[i][k] == 1 && closure[k][j] == 1) closure[i][j] = 1;
}
