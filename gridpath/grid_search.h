// The random 40 x 40 lattice graph with diagonals of gridpath, its animated breadth-first search
// from a corner and the path that the search finds to the opposite corner.
#pragma once

#include "kit.h"

namespace gridpath {

constexpr int columns = 40;
constexpr int rows = 40;
constexpr int vertex_count = columns * rows;
constexpr int NIL = -1;  // closes neighbour rows and the queue; the parent of unreached vertices

// Palette slots. The three search states are kept as mapped colours and only ever compared.
enum Colour { background, undiscovered, finished, discovered, black, red, green, blue };

constexpr int vertex_x(int v) { return 20 + 15 * (v % columns); }
constexpr int vertex_y(int v) { return 5 + 15 * (v / columns); }

// Maps the eight colours into palette[background..blue]; screen must be open.
void map_colours();

// Draws the random edges with random_number() (seed first), in a fixed order of calls, and builds
// the neighbour rows. Calling it again after another seed_random builds the graph of that seed.
void build_graph();

void draw_grid();
// `after_first_frame`, when given, is called once the first frame is paced: for what is said about
// the search once its graph is on screen. `before_each_frame`, when given, is called once u is
// finished and off the queue, with the queue's length then, before the frame that shows it is paced:
// for what is said while the search grows.
void breadth_first_search(int start, void (*after_first_frame)() = nullptr,
                          void (*before_each_frame)(int u, int queue_length) = nullptr);
// Draws the path found from start to target, or the green marker when target was not reached.
void draw_path(int start, int target);

// Read-only views of the state, for checks.
const int* neighbour_row(int v);  // ascending neighbour numbers, then NIL
int parent_of(int v);
int found_path_length();
int path_vertex(int k);

}  // namespace gridpath
