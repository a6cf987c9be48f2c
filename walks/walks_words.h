// The words of walks: what each page shows, read from the walk tables (walk_routines.h). They
// draw nothing.
#pragma once

void give_walks_legend();
// How the levels grow and why none is missed, with the pseudocode; once level 1 is set up.
void say_how_walks_grow();
// A page of level n holding walks first..last (from 0) of the level, page `page` of `pages`; the
// first page of a level from the third on asks its questions: how many walks levels 3, 5 and 7
// have, and, before levels 3 to 6, one question each about single walks of the level.
void say_page(int n, int first, int last, int page, int pages);
// The level's walks filled its last page exactly, so the page after it is blank.
void say_blank_page(int n);
void say_all_levels();
