// The random digraph of closure12 on its 3 x 4 grid, and the Warshall passes that grow its
// reachability matrix.
#pragma once

struct Graph;

// The program's own digraph, and the most vertices its pictures have room for.
constexpr int vertex_count = 12;
constexpr int grid_columns = 4;
// The vertices of the digraph in use: its own, or the user's.
extern int vertices_in_use;

// adjacency[i][j] = 1 for an edge i -> j; the diagonal is 1.
extern int adjacency[vertex_count][vertex_count];
// The reachability matrix: adjacency, extended in place by the passes.
extern int closure[vertex_count][vertex_count];

// Directs the fourteen random grid pairs by the parity of fourteen successive draws (even: from
// the smaller number to the larger), then adds the diagonal and the fixed edges 1 -> 2 and
// 10 -> 9. Vertices 5 and 6 stay unjoined. The program draws with random_number; the tests hand in their
// own sequences.
void build_digraph(int (*draw)());

// Runs on the user's digraph instead (at most vertex_count vertices): an edge i -> j for each arc,
// and the diagonal.
void use_digraph(const Graph& graph);

// Starts the reachability matrix from the digraph.
void copy_adjacency_to_closure();

// Admits vertex k as an intermediate vertex.
void warshall_pass(int k);
