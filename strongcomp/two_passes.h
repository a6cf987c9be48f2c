// The fixed digraph of strongcomp and its two depth-first passes: finishing times over the arcs,
// then components over the reversed arcs in decreasing finishing time.
#pragma once

#include <SDL.h>

constexpr int vertex_count = 8;
// Palette slots; white, the background, is held apart. Component n is coloured from slot n.
enum Slot { black, red, green, blue, yellow, grey };
constexpr int component_colour_count = 5;  // slots red to grey

extern int vertex_x[vertex_count];
extern int vertex_y[vertex_count];
extern int adjacency[vertex_count][vertex_count];
extern int degree[vertex_count];
extern int transposed[vertex_count][vertex_count];
extern int transposed_degree[vertex_count];
extern int visited[vertex_count];
extern int finish_clock;
extern int finish_time[vertex_count];
extern int finish_order[vertex_count];
extern int component_number;
extern Uint32 component_colour[vertex_count];
// For the words of each step only: the vertex from which the current pass entered each vertex
// (-1 for the start of a tree), and the component number each vertex got in the second pass.
extern int tree_parent[vertex_count];
extern int component_of[vertex_count];

// Places the vertices on their two rows and fills the out-lists.
void set_up_digraph();
// Appends every arc i -> w to row w of `transposed` as w -> i, tails in ascending order.
void build_transposed();
// The palette slot of component n (from 1): slots 1 to 5, then round again from slot 1.
int component_slot(int n);

void first_pass(int v);
void second_pass(int v);
// finish_order[k] = the vertex whose finishing time is 7 - k.
void order_by_finish();
