#include "kit_surface.h"

namespace {

class Lines : public OffscreenTest {
protected:
    Points line(int x0, int y0, int x1, int y1) {
        return pixels_of([&] { draw_line(x0, y0, x1, y1, ink); });
    }
    Points unclipped(int x0, int y0, int x1, int y1) {
        return pixels_of([&] { draw_line_unclipped(x0, y0, x1, y1, ink); });
    }
};

TEST_F(Lines, DiagonalIsAStaircaseSidewaysFirst) {
    EXPECT_EQ(line(0, 0, 3, 3), (Points{{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}, {3, 2}, {3, 3}}));
    EXPECT_EQ(unclipped(0, 0, 3, 3), (Points{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
    // Upwards and to the left the staircase still goes sideways before it climbs.
    EXPECT_EQ(line(13, 13, 10, 10),
              (Points{{13, 13}, {12, 13}, {12, 12}, {11, 12}, {11, 11}, {10, 11}, {10, 10}}));
}

TEST_F(Lines, MinorStepWaitsForTheAccumulatorToReachTheMajorLength) {
    EXPECT_EQ(line(0, 0, 5, 2),
              (Points{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}, {4, 1}, {5, 1}, {5, 2}}));
    EXPECT_EQ(unclipped(0, 0, 5, 2), (Points{{0, 0}, {1, 0}, {2, 0}, {3, 1}, {4, 1}, {5, 2}}));
    EXPECT_EQ(line(0, 0, 2, 5),
              (Points{{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 3}, {1, 4}, {1, 5}, {2, 5}}));
    EXPECT_EQ(unclipped(0, 0, 2, 5), (Points{{0, 0}, {0, 1}, {0, 2}, {1, 3}, {1, 4}, {2, 5}}));
}

TEST_F(Lines, BothRoutinesVisitTheSameMajorPositions) {
    for (const auto& [x1, y1] : std::vector<Point>{{40, 7}, {-33, 12}, {9, -50}, {-21, -60}}) {
        const Points thin = unclipped(100, 100, 100 + x1, 100 + y1);
        const Points thick = line(100, 100, 100 + x1, 100 + y1);
        EXPECT_TRUE(std::includes(thick.begin(), thick.end(), thin.begin(), thin.end()));
        const int major = std::max(std::abs(x1), std::abs(y1));
        const int minor = std::min(std::abs(x1), std::abs(y1));
        EXPECT_EQ(thin.size(), static_cast<std::size_t>(major + 1));
        EXPECT_EQ(thick.size(), static_cast<std::size_t>(major + minor + 1)) << x1 << "," << y1;
    }
}

TEST_F(Lines, HorizontalVerticalAndSinglePoint) {
    EXPECT_EQ(line(3, 0, 0, 0), (Points{{3, 0}, {2, 0}, {1, 0}, {0, 0}}));
    EXPECT_EQ(unclipped(3, 0, 0, 0), (Points{{3, 0}, {2, 0}, {1, 0}, {0, 0}}));
    EXPECT_EQ(line(7, 9, 7, 6), (Points{{7, 9}, {7, 8}, {7, 7}, {7, 6}}));
    EXPECT_EQ(line(5, 5, 5, 5), (Points{{5, 5}}));
    EXPECT_EQ(unclipped(5, 5, 5, 5), (Points{{5, 5}}));
}

TEST_F(Lines, ClippedLineKeepsItsWalkAcrossTheWindow) {
    // The same line moved fully inside the window gives the pixels that the crossing part must
    // have: clipping skips pixels but never shortens or restarts the walk.
    const Points inside = line(20, 10, 90, 47);
    Points expected;
    for (const Point& p : shifted(inside, -40, -30))
        if (p.first >= 0 && p.second >= 0) expected.insert(p);
    EXPECT_EQ(line(-20, -20, 50, 17), expected);
    EXPECT_FALSE(expected.empty());

    // Corner to corner beyond the window: the pixels that fall inside are drawn, nothing wraps.
    const Points across = line(-100, 700, 900, -100);
    EXPECT_FALSE(across.empty());
    for (const Point& p : across) {
        EXPECT_GE(p.first, 0);
        EXPECT_LT(p.first, screen_width);
    }
}

}  // namespace
