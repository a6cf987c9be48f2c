// Discs and rings. Both follow one walk along the lower-right quarter of the circle that steps
// either one pixel sideways or one pixel towards the centre row, whichever leaves the smaller
// squared-distance error (a tie steps inwards). Every pixel is clipped to the window.
#include "clipping.h"
#include "kit.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Pixels x_from..x_to of row y, as clipped single pixels would give them.
void plot_span(int x_from, int x_to, int y, Uint32 colour) {
    if (y < 0 || y >= screen_height) return;
    const int first = std::max(x_from, 0);
    const int last = std::min(x_to, screen_width - 1);
    for (int x = first; x <= last; ++x) put_pixel(x, y, colour);
}

// Runs the walk for radius r and hands each new (dx, dy) to `plot`.
template <typename Plot>
void walk_quarter(int r, Plot plot) {
    int dx = 0;
    int dy = r;
    int e = 0;  // dx^2 + dy^2 - r^2 for the current point
    while (dy > 0) {
        const int ex = e + 2 * dx + 1;
        const int ey = e - 2 * dy + 1;
        if (std::abs(ex) < std::abs(ey)) {
            ++dx;
            e = ex;
        } else {
            --dy;
            e = ey;
        }
        plot(dx, dy);
    }
}

}  // namespace

void fill_disc(int cx, int cy, int r, Uint32 colour) {
    plot_clipped(cx, cy + r, colour);
    plot_clipped(cx, cy - r, colour);
    walk_quarter(r, [&](int dx, int dy) {
        plot_span(cx - dx, cx + dx, cy + dy, colour);
        plot_span(cx - dx, cx + dx, cy - dy, colour);
    });
    plot_clipped(cx + r, cy, colour);
    plot_clipped(cx - r, cy, colour);
}

void draw_circle(int cx, int cy, int r, Uint32 colour) {
    plot_clipped(cx, cy + r, colour);
    plot_clipped(cx, cy - r, colour);
    walk_quarter(r, [&](int dx, int dy) {
        plot_clipped(cx + dx, cy + dy, colour);
        plot_clipped(cx + dx, cy - dy, colour);
        plot_clipped(cx - dx, cy + dy, colour);
        plot_clipped(cx - dx, cy - dy, colour);
    });
    plot_clipped(cx + r, cy, colour);
    plot_clipped(cx - r, cy, colour);
}
