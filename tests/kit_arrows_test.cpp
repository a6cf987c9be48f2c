#include "kit_surface.h"

#include <array>

namespace {

class Arrows : public OffscreenTest {
protected:
    Points lines(const std::vector<std::array<int, 4>>& segments) {
        return pixels_of([&] {
            for (const auto& s : segments) draw_line(s[0], s[1], s[2], s[3], ink);
        });
    }
};

TEST_F(Arrows, HeadAtTheMidpointPointsAtTheEnd) {
    EXPECT_EQ(pixels_of([] { draw_arrow(0, 0, 100, 0, ink); }),
              lines({{0, 0, 100, 0}, {50, 0, 41, -5}, {50, 0, 41, 5}}));
    EXPECT_EQ(pixels_of([] { draw_arrow(0, 0, 0, 100, ink); }),
              lines({{0, 0, 0, 100}, {0, 50, 5, 41}, {0, 50, -5, 41}}));
}

TEST_F(Arrows, FarHeadSitsAtSevenTenths) {
    EXPECT_EQ(pixels_of([] { draw_arrow_far(0, 0, 100, 0, ink); }),
              lines({{0, 0, 100, 0}, {70, 0, 61, -5}, {70, 0, 61, 5}}));
    // Pointing left, the chevron opens to the right of the head.
    EXPECT_EQ(pixels_of([] { draw_arrow_far(300, 200, 200, 200, ink); }),
              lines({{300, 200, 200, 200}, {230, 200, 238, 205}, {230, 200, 238, 195}}));
}

TEST_F(Arrows, ZeroLengthDrawsOnlyItsShaft) {
    const Points one{{50, 60}};
    EXPECT_EQ(pixels_of([] { draw_arrow(50, 60, 50, 60, ink); }), one);
    EXPECT_EQ(pixels_of([] { draw_arrow_far(50, 60, 50, 60, ink); }), one);
    EXPECT_EQ(pixels_of([] { draw_thick_arrow(50, 60, 50, 60, 4, ink, 20); }), one);
    EXPECT_EQ(pixels_of([] { draw_thick_line(50, 60, 50, 60, 4, ink); }), one);
}

TEST_F(Arrows, HorizontalBandOfHalfWidthThreeStopsShortOfItsEnd) {
    Points expected{{200, 100}};  // the centre line alone reaches the end column
    for (int x = 100; x <= 199; ++x)
        for (int y = 97; y <= 103; ++y) expected.insert({x, y});
    EXPECT_EQ(pixels_of([] { draw_thick_line(100, 100, 200, 100, 3, ink); }), expected);
}

TEST_F(Arrows, VerticalBandIsTwiceTheHalfWidthPlusOneAcross) {
    const Points band = pixels_of([] { draw_thick_line(300, 50, 300, 90, 5, ink); });
    for (int x = 295; x <= 305; ++x) EXPECT_TRUE(band.count({x, 70})) << x;
    EXPECT_FALSE(band.count({294, 70}));
    EXPECT_FALSE(band.count({306, 70}));
    EXPECT_TRUE(band.count({300, 50}));
}

TEST_F(Arrows, HalfWidthZeroBandOnASlopeStaysOnTheLine) {
    // Every stroke is one start pixel: the band is the centre line plus the truncated sample
    // points, each within a pixel of it.
    const Points centre = lines({{10, 10, 57, 31}});
    const Points band = pixels_of([] { draw_thick_line(10, 10, 57, 31, 0, ink); });
    EXPECT_TRUE(std::includes(band.begin(), band.end(), centre.begin(), centre.end()));
    for (const Point& p : band) {
        bool near = false;
        for (const Point& c : centre) near |= std::abs(c.first - p.first) <= 1 && std::abs(c.second - p.second) <= 1;
        EXPECT_TRUE(near) << p.first << "," << p.second;
    }
}

TEST_F(Arrows, ThickArrowHeadStrokesAreBandsOfHeadLength) {
    // Head at (70, 100); strokes of 20 pixels at 30 degrees back towards the start.
    const Points arrow = pixels_of([] { draw_thick_arrow(0, 100, 100, 100, 0, ink, 20); });
    const Points strokes = lines({{70, 100, 52, 90}, {70, 100, 52, 110}});
    EXPECT_TRUE(std::includes(arrow.begin(), arrow.end(), strokes.begin(), strokes.end()));
    const Points short_head = pixels_of([] { draw_thick_arrow(0, 100, 100, 100, 0, ink, 10); });
    EXPECT_TRUE(short_head.count({61, 95}));
    EXPECT_FALSE(short_head.count({52, 90}));
}

TEST_F(Arrows, UnclippedSettingDrawsTheEightConnectedLine) {
    use_line_routine(LineRoutine::unclipped);
    const Points band = pixels_of([] { draw_thick_line(10, 10, 13, 13, 0, ink); });
    EXPECT_FALSE(band.count({1 + 10, 10}));  // the staircase pixel of the clipped routine
    EXPECT_TRUE(band.count({11, 11}));
    EXPECT_EQ(pixels_of([] { draw_arrow(100, 100, 200, 200, ink); }).count({101, 100}), 0u);
}

}  // namespace
