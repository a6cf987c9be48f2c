// The words of gridtrees: how the two searches work, what the lattice and each finished tree show,
// the question before each search, and what each tree has grown to while it grows. The searches
// hand over each tree edge as they take it; the words keep the counts.
#pragma once

void give_gridtrees_legend();
// Said once at start: how both searches work, and their lines.
void say_how_the_searches_work(const int* degree);
void say_lattice(const int (*adjacency)[4], const int* degree);

// Before each search: its questions, answered once its tree has grown.
void ask_about_depth_first_tree();
// The depth-first search goes down the tree edge v-w (said before the frame that shows the edge),
// and later comes back up it.
void said_went_down(int v, int w);
void said_came_back();
void say_depth_first_tree(const int* visited);

void ask_about_breadth_first_tree();
// The breadth-first search finds w from u, one level further from the centre.
void said_found(int u, int w);
// It has taken u off the queue, which now holds queue_length vertices; said before the frame.
void said_expanded(int u, int queue_length);
void say_breadth_first_tree(const int* visited);
