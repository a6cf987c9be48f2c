// Random shapes far outside the window never write outside the surface: the surface's pixels sit
// in the middle of a larger buffer whose margins must stay untouched.
#include "kit_surface.h"

#include <random>

namespace {

constexpr std::size_t window_pixels = std::size_t(screen_width) * screen_height;
constexpr int reach = 3000;  // coordinates up to this far from the window
// Enough margin that any pixel with coordinates within `reach` lands in it.
constexpr std::size_t margin = std::size_t(reach + screen_height) * screen_width + reach + screen_width;
constexpr Uint32 untouched = 0x00ABCDEF;

class Clipping : public ::testing::Test {
protected:
    void SetUp() override {
        buffer.assign(margin + window_pixels + margin, untouched);
        screen = SDL_CreateRGBSurfaceFrom(buffer.data() + margin, screen_width, screen_height, 32,
                                          screen_width * 4, 0x00FF0000, 0x0000FF00, 0x000000FF, 0);
        ASSERT_NE(screen, nullptr);
        use_line_routine(LineRoutine::clipped);
    }
    void TearDown() override {
        SDL_FreeSurface(screen);
        screen = nullptr;
    }
    bool margins_untouched() const {
        for (std::size_t i = 0; i < margin; ++i)
            if (buffer[i] != untouched || buffer[margin + window_pixels + i] != untouched) return false;
        return true;
    }
    std::vector<Uint32> buffer;
};

TEST_F(Clipping, ClippingRoutinesNeverWriteOutsideTheWindow) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> coordinate(-reach, reach);
    std::uniform_int_distribution<int> radius(-20, 400);
    std::uniform_int_distribution<int> half_width(0, 6);
    for (int round = 0; round < 60; ++round) {
        const int x0 = coordinate(random), y0 = coordinate(random);
        const int x1 = coordinate(random), y1 = coordinate(random);
        fill_disc(x0, y0, radius(random), ink);
        draw_circle(x1, y1, radius(random), ink);
        draw_line(x0, y0, x1, y1, ink);
        draw_arrow(x0, y0, x1, y1, ink);
        draw_arrow_far(x1, y1, x0, y0, ink);
        if (round % 6 == 0) {  // bands write about 20 strokes per pixel of length
            draw_thick_line(x0, y0, x1, y1, half_width(random), ink);
            draw_thick_arrow(x1, y1, x0, y0, half_width(random), ink, 20);
        }
        ASSERT_TRUE(margins_untouched()) << "round " << round << ": " << x0 << "," << y0 << " -> " << x1 << "," << y1;
    }
    // The window itself was drawn on, so the shapes did cross it.
    EXPECT_NE(std::count(buffer.begin() + margin, buffer.begin() + margin + window_pixels, ink), 0);
}

}  // namespace
