// The random digraph of closure8 on its 2 x 4 grid, and the Warshall passes that grow its
// reachability matrix.
#pragma once

constexpr int vertex_count = 8;
constexpr int grid_columns = 4;

// adjacency[i][j] = 1 for an edge i -> j; the diagonal is 1.
extern int adjacency[vertex_count][vertex_count];
// The reachability matrix: adjacency, extended in place by the passes.
extern int closure[vertex_count][vertex_count];

// Directs the eight random grid pairs by the parity of eight successive draws (even: from the
// smaller number to the larger), then adds the diagonal and the fixed edges 1 -> 2 and 6 -> 5.
// The program draws with random_number; the tests hand in their own sequences.
void build_digraph(int (*draw)());

// Starts the reachability matrix from the digraph.
void copy_adjacency_to_closure();

// Admits vertex k as an intermediate vertex.
void warshall_pass(int k);
