// The words of gridpath: how the search works, the question asked once the search's first frame is
// on screen, what level the search is on while it grows, and what the finished search and its path
// show, read back from the parents (grid_search.h).
#pragma once

// The legend, how the search works and its lines, said once at start.
void give_gridpath_legend();
// Handed to breadth_first_search, which calls it after its first frame.
void ask_whether_the_corner_is_reached();
// Handed to breadth_first_search, which calls it before each frame once u is off the queue.
void said_finished(int u, int queue_length);
// Once the search has run and the path is drawn: the answer, then the words of the picture.
void say_search(int start, int target);
