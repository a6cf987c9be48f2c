// The arcs of strongcomp: a thin line with a small head seven tenths of the way along.
#pragma once

#include <SDL.h>

// Draws the arc from (x1, y1) to (x2, y2) with the clipped draw_line. An arc from a point to itself
// is a small loop to the right of it, with its head at the loop's rightmost point.
void draw_edge_arrow(int x1, int y1, int x2, int y2, Uint32 colour);
