// The words of gridtrees: what the lattice and each finished tree show, and the question before
// each search. The searches hand over each tree edge as they take it; the words keep the counts.
#pragma once

void give_gridtrees_legend();
void say_lattice(const int* degree);

void ask_whether_one_path();
// The depth-first search goes down a tree edge to w, and later comes back up it.
void said_went_down(int w);
void said_came_back();
void say_depth_first_tree(const int* visited);

void ask_corner_level();
// The breadth-first search finds w from u, one level further from the centre.
void said_found(int u, int w);
void say_breadth_first_tree(const int* visited);
