// An offscreen 800 x 600 x 32 surface standing in for the window, and ways to read back what the
// kit drew on it.
#pragma once

#include "kit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

using Point = std::pair<int, int>;
using Points = std::set<Point>;

constexpr Uint32 background = 0x00FFFFFF;
constexpr Uint32 ink = 0x00FF0000;

class OffscreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        screen = SDL_CreateRGBSurface(SDL_SWSURFACE, screen_width, screen_height, 32, 0x00FF0000,
                                      0x0000FF00, 0x000000FF, 0);
        ASSERT_NE(screen, nullptr);
        clear();
        use_line_routine(LineRoutine::clipped);
    }
    void TearDown() override {
        SDL_FreeSurface(screen);
        screen = nullptr;
        use_line_routine(LineRoutine::clipped);
    }
    void clear() { SDL_FillRect(screen, nullptr, background); }

    // Every pixel that is no longer the background.
    Points drawn() const {
        Points points;
        for (int y = 0; y < screen_height; ++y)
            for (int x = 0; x < screen_width; ++x)
                if (get_pixel(x, y) != background) points.insert({x, y});
        return points;
    }

    // What a drawing routine puts on a clean surface, leaving the surface clean again.
    template <typename Draw>
    Points pixels_of(Draw draw) {
        clear();
        draw();
        Points points = drawn();
        clear();
        return points;
    }

    static Points shifted(const Points& points, int dx, int dy) {
        Points moved;
        for (const Point& p : points) moved.insert({p.first + dx, p.second + dy});
        return moved;
    }
};
