// The one clipping rule of the rasterisers that clip: a pixel outside the window is skipped and
// the routine carries on. Private to the kit.
#pragma once

#include "kit.h"

inline bool inside_window(int x, int y) {
    return x >= 0 && x < screen_width && y >= 0 && y < screen_height;
}

inline void plot_clipped(int x, int y, Uint32 colour) {
    if (inside_window(x, y)) put_pixel(x, y, colour);
}
