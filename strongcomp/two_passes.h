// The digraph of strongcomp (its fixed one, a random one on the same places, or the user's) and its
// two depth-first passes: finishing times over the arcs, then components over the reversed arcs in
// decreasing finishing time.
#pragma once

#include <SDL.h>

struct Graph;

// The program's own digraph, on its two rows of four places.
constexpr int vertex_count = 8;
// The most vertices the pictures hold: the labels (v t) under the graph stand 60 pixels apart, room
// for one digit each.
constexpr int most_vertices = 10;
// The digraph in use, and where it came from.
enum class DigraphSource { fixed, random, file };
extern DigraphSource digraph_source;
extern int vertices_in_use;
// Palette slots; white, the background, is held apart. Component n is coloured from slot n.
enum Slot { black, red, green, blue, yellow, grey };
constexpr int component_colour_count = 5;  // slots red to grey

extern int vertex_x[most_vertices];
extern int vertex_y[most_vertices];
extern int adjacency[most_vertices][most_vertices];
extern int degree[most_vertices];
extern int transposed[most_vertices][most_vertices];
extern int transposed_degree[most_vertices];
extern int visited[most_vertices];
extern int finish_clock;
extern int finish_time[most_vertices];
extern int finish_order[most_vertices];
extern int component_number;
extern Uint32 component_colour[most_vertices];
// For the words of each step only: the vertex from which the current pass entered each vertex
// (-1 for the start of a tree), and the component number each vertex got in the second pass.
extern int tree_parent[most_vertices];
extern int component_of[most_vertices];

// Places the vertices on their two rows and fills the out-lists with the fixed digraph.
void set_up_digraph();
// The same places, and random arcs between neighbouring places drawn with the kit's random_number,
// drawn again until at least two strongly connected components have two or more vertices and no
// vertex is left without an arc.
void set_up_random_digraph();
// The user's digraph: its places, and its out-lists in the order of the file.
void use_digraph(const Graph& graph);
// Appends every arc i -> w to row w of `transposed` as w -> i, tails in ascending order.
void build_transposed();
// The palette slot of component n (from 1): slots 1 to 5, then round again from slot 1.
int component_slot(int n);

void first_pass(int v);
void second_pass(int v);
// finish_order[k] = the vertex whose finishing time is vertices_in_use - 1 - k.
void order_by_finish();
