// Arrows and thick bands: floating-point geometry on top of the line routines, truncated back to
// pixels. The single-precision roundings below are deliberate and move pixels if changed; all other
// arithmetic is in double.
#include "kit.h"

#include <cmath>

namespace {

using LineFunction = void (*)(int, int, int, int, Uint32);
LineFunction line_routine = draw_line;

// The angles are single-precision constants, widened to double before cos and sin.
constexpr float angle_30 = 0.5235987901687622f;
constexpr float angle_90 = 1.5707963705062866f;

float single(double value) { return static_cast<float>(value); }

// trunc toward zero, so -0.7 becomes 0.
int to_pixel(double value) { return static_cast<int>(value); }

// The length of (dx, dy) rounded to single precision. The sum of squares is an integer sum; it is
// taken in 64 bits so that coordinates far outside the window cannot overflow it.
float segment_length(int dx, int dy) {
    const long long squares = static_cast<long long>(dx) * dx + static_cast<long long>(dy) * dy;
    return single(std::sqrt(static_cast<double>(squares)));
}

struct Vector {
    float x, y;
};

// (ux, uy) rotated by `angle`, each component rounded to single precision.
Vector rotated(double ux, double uy, float angle) {
    const double a = angle;
    return {single(ux * std::cos(a) - uy * std::sin(a)), single(ux * std::sin(a) + uy * std::cos(a))};
}

// The two head strokes: from the head point back towards the start, 30 degrees to either side.
template <typename Stroke>
void draw_head(int dx, int dy, float length, double stroke_length, float hx, float hy, Stroke stroke) {
    const float ux = single(stroke_length * dx / length);
    const float uy = single(stroke_length * dy / length);
    const Vector left = rotated(ux, uy, angle_30);
    stroke(to_pixel(hx), to_pixel(hy), to_pixel(double(hx) - left.x), to_pixel(double(hy) - left.y));
    const Vector right = rotated(ux, uy, -angle_30);
    stroke(to_pixel(hx), to_pixel(hy), to_pixel(double(hx) - right.x), to_pixel(double(hy) - right.y));
}

// An arrow whose head sits at near * (x0, y0) + far * (x1, y1), drawn with thin lines of the
// selected routine and head strokes 10 pixels long.
void draw_thin_arrow(int x0, int y0, int x1, int y1, Uint32 colour, double near, double far) {
    line_routine(x0, y0, x1, y1, colour);
    const int dx = x1 - x0;
    const int dy = y1 - y0;
    const float length = segment_length(dx, dy);
    if (length == 0) return;
    const float hx = single(near * x0 + far * x1);
    const float hy = single(near * y0 + far * y1);
    draw_head(dx, dy, length, 10, hx, hy,
              [colour](int sx, int sy, int ex, int ey) { line_routine(sx, sy, ex, ey, colour); });
}

}  // namespace

void use_line_routine(LineRoutine routine) {
    line_routine = routine == LineRoutine::unclipped ? draw_line_unclipped : draw_line;
}

void draw_arrow(int x0, int y0, int x1, int y1, Uint32 colour) {
    draw_thin_arrow(x0, y0, x1, y1, colour, 0.5, 0.5);
}

void draw_arrow_far(int x0, int y0, int x1, int y1, Uint32 colour) {
    draw_thin_arrow(x0, y0, x1, y1, colour, 0.3, 0.7);
}

void draw_thick_arrow(int x0, int y0, int x1, int y1, int half_width, Uint32 colour, int head_length) {
    draw_thick_line(x0, y0, x1, y1, half_width, colour);
    const int dx = x1 - x0;
    const int dy = y1 - y0;
    const float length = segment_length(dx, dy);
    if (length == 0) return;
    const float hx = single(0.3 * x0 + 0.7 * x1);
    const float hy = single(0.3 * y0 + 0.7 * y1);
    draw_head(dx, dy, length, head_length, hx, hy, [half_width, colour](int sx, int sy, int ex, int ey) {
        draw_thick_line(sx, sy, ex, ey, half_width, colour);
    });
}

void draw_thick_line(int x0, int y0, int x1, int y1, int half_width, Uint32 colour) {
    line_routine(x0, y0, x1, y1, colour);
    const int dx = x1 - x0;
    const int dy = y1 - y0;
    const float length = segment_length(dx, dy);
    if (length == 0) return;

    // ux stays in double while uy is rounded: the two perpendiculars are not exactly symmetric, and
    // the band's pixels depend on it.
    const double ux = double(half_width) * dx / length;
    const float uy = single(double(half_width) * dy / length);
    const Vector p = rotated(ux, uy, angle_90);
    const Vector q = rotated(ux, uy, -angle_90);

    // t is accumulated in single precision on purpose: the band may stop short of (x1, y1).
    float t = 0;
    while (t <= 1.0) {
        const float px = single(x0 * (1 - double(t)) + x1 * double(t));
        const float py = single(y0 * (1 - double(t)) + y1 * double(t));
        line_routine(to_pixel(px), to_pixel(py), to_pixel(double(px) - p.x), to_pixel(double(py) - p.y), colour);
        line_routine(to_pixel(px), to_pixel(py), to_pixel(double(px) - q.x), to_pixel(double(py) - q.y), colour);
        const float next = single(double(t) + 0.1 / length);
        // A band millions of pixels long has a step below float's resolution near t = 1; stop
        // there instead of looping for ever.
        if (next == t) break;
        t = next;
    }
}
