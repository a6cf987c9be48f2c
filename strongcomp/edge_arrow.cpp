// The arc arrow of strongcomp, with its loop for an arc of zero length.
#include "edge_arrow.h"

#include <cmath>
#include <initializer_list>

#include "kit.h"

namespace {

// Thirty degrees as a single-precision constant; cos and sin see it widened to double.
constexpr float head_angle = 0.5235988f;

int to_pixel(double value) { return static_cast<int>(value); }  // toward zero

void draw_loop(int x, int y, Uint32 colour) {
    // The circle passes through the vertex centre; the two strokes make a head on its far side.
    draw_circle(x + 10, y, 10, colour);
    draw_line(x + 20, y, x + 23, y - 6, colour);
    draw_line(x + 20, y, x + 15, y - 5, colour);
}

}  // namespace

void draw_edge_arrow(int x1, int y1, int x2, int y2, Uint32 colour) {
    draw_line(x1, y1, x2, y2, colour);
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    // The squares are summed in 64 bits so that far-off points cannot overflow them.
    const long long squares = static_cast<long long>(dx) * dx + static_cast<long long>(dy) * dy;
    const float len = static_cast<float>(std::sqrt(static_cast<double>(squares)));
    if (len == 0) {
        draw_loop(x1, y1, colour);
        return;
    }
    const float ux = static_cast<float>(10.0 * dx / len);
    const float uy = static_cast<float>(10.0 * dy / len);
    const float hx = static_cast<float>(0.3 * x1 + 0.7 * x2);
    const float hy = static_cast<float>(0.3 * y1 + 0.7 * y2);
    for (const float angle : {head_angle, -head_angle}) {
        const double a = angle;
        const float rx = static_cast<float>(std::cos(a) * ux - std::sin(a) * uy);
        const float ry = static_cast<float>(std::sin(a) * ux + std::cos(a) * uy);
        draw_line(to_pixel(hx), to_pixel(hy), to_pixel(double(hx) - rx), to_pixel(double(hy) - ry), colour);
    }
}
