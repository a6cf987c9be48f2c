// The two integer line routines. Both step along the major axis and move the minor coordinate when
// an accumulator that starts at 0 (not at half the major length) reaches the major length.
// draw_line plots an extra pixel just before each minor step, so its lines are 4-connected (a
// diagonal becomes a staircase, sideways first), and clips; draw_line_unclipped plots one pixel per
// step and trusts its caller to stay inside the window.
#include "clipping.h"
#include "kit.h"

#include <cstdlib>

namespace {

int direction(int difference) { return difference > 0 ? 1 : -1; }

template <bool four_connected, typename Plot>
void walk_line(int x0, int y0, int x1, int y1, Plot plot) {
    const int dx = x1 - x0;
    const int dy = y1 - y0;
    const int sx = direction(dx);
    const int sy = direction(dy);
    const int ax = std::abs(dx);
    const int ay = std::abs(dy);
    int acc = 0;
    int x = x0;
    int y = y0;
    plot(x, y);

    if (dx == 0) {
        for (int i = 0; i < ay; ++i) plot(x, y += sy);
    } else if (dy == 0) {
        for (int i = 0; i < ax; ++i) plot(x += sx, y);
    } else if (ax >= ay) {
        // With ax = ay the accumulator reaches ax at every step: the diagonal.
        for (int i = 0; i < ax; ++i) {
            x += sx;
            acc += ay;
            if (acc >= ax) {
                acc -= ax;
                if (four_connected) plot(x, y);
                y += sy;
            }
            plot(x, y);
        }
    } else {
        for (int i = 0; i < ay; ++i) {
            y += sy;
            acc += ax;
            if (acc >= ay) {
                acc -= ay;
                if (four_connected) plot(x, y);
                x += sx;
            }
            plot(x, y);
        }
    }
}

}  // namespace

void draw_line(int x0, int y0, int x1, int y1, Uint32 colour) {
    walk_line<true>(x0, y0, x1, y1, [colour](int x, int y) { plot_clipped(x, y, colour); });
}

void draw_line_unclipped(int x0, int y0, int x1, int y1, Uint32 colour) {
    walk_line<false>(x0, y0, x1, y1, [colour](int x, int y) { put_pixel(x, y, colour); });
}
