// The words of gridpath: the question asked once the search's first frame is on screen, and what
// the finished search and its path show, read back from the parents (grid_search.h).
#pragma once

void give_gridpath_legend();
// Handed to breadth_first_search, which calls it after its first frame.
void ask_whether_the_corner_is_reached();
// Once the search has run and the path is drawn: the answer, then the words of the picture.
void say_search(int start, int target);
