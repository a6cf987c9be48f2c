#include "kit_surface.h"

#include <map>

namespace {

// Offsets from the centre, row by row from the top.
using Rows = std::vector<std::vector<int>>;

class Circles : public OffscreenTest {
protected:
    static constexpr int cx = 400;
    static constexpr int cy = 300;

    Rows rows_of(const Points& points, int r) {
        Rows rows(2 * r + 1);
        for (const Point& p : points) rows.at(p.second - cy + r).push_back(p.first - cx);
        return rows;  // a set iterates by x within a row, so each row is sorted
    }
    Points disc(int r) { return pixels_of([&] { fill_disc(cx, cy, r, ink); }); }
    Points ring(int r) { return pixels_of([&] { draw_circle(cx, cy, r, ink); }); }
};

std::vector<int> span(int from, int to) {
    std::vector<int> xs;
    for (int x = from; x <= to; ++x) xs.push_back(x);
    return xs;
}

TEST_F(Circles, RadiusZeroAndOneAreAPointAndAPlus) {
    EXPECT_EQ(disc(0), (Points{{cx, cy}}));
    EXPECT_EQ(ring(0), (Points{{cx, cy}}));
    const Points plus{{cx, cy - 1}, {cx - 1, cy}, {cx, cy}, {cx + 1, cy}, {cx, cy + 1}};
    EXPECT_EQ(disc(1), plus);
    EXPECT_EQ(ring(1), plus);  // the ring of radius 1 includes its centre
}

TEST_F(Circles, DiscRowsForRadiusTwoAndThree) {
    EXPECT_EQ(rows_of(disc(2), 2), (Rows{span(-1, 1), span(-2, 2), span(-2, 2), span(-2, 2), span(-1, 1)}));
    EXPECT_EQ(rows_of(disc(3), 3), (Rows{span(-1, 1), span(-2, 2), span(-3, 3), span(-3, 3), span(-3, 3),
                                         span(-2, 2), span(-1, 1)}));
}

TEST_F(Circles, RingRowsForRadiusTwoAndFive) {
    const Points two = ring(2);
    EXPECT_EQ(two.size(), 16u);
    EXPECT_EQ(rows_of(two, 2), (Rows{{-1, 0, 1}, {-2, -1, 1, 2}, {-2, 2}, {-2, -1, 1, 2}, {-1, 0, 1}}));
    const Rows top{span(-2, 2), {-3, -2, 2, 3}, {-4, -3, 3, 4}, {-5, -4, 4, 5}};
    Rows five = top;
    five.insert(five.end(), 3, {-5, 5});
    five.insert(five.end(), top.rbegin(), top.rend());
    EXPECT_EQ(rows_of(ring(5), 5), five);
}

TEST_F(Circles, DiscFillsEachRowOutToItsRing) {
    for (int r = 0; r <= 5; ++r) {
        const Rows disc_rows = rows_of(disc(r), r);
        const Rows ring_rows = rows_of(ring(r), r);
        for (int row = 0; row <= 2 * r; ++row) {
            ASSERT_FALSE(ring_rows[row].empty()) << "radius " << r << " row " << row;
            const int reach = ring_rows[row].back();
            EXPECT_EQ(ring_rows[row].front(), -reach);
            EXPECT_EQ(disc_rows[row], span(-reach, reach)) << "radius " << r << " row " << row;
        }
    }
}

TEST_F(Circles, NegativeRadiusPlotsOnlyTheFourEndPoints) {
    const Points ends{{cx, cy - 3}, {cx, cy + 3}, {cx - 3, cy}, {cx + 3, cy}};
    EXPECT_EQ(disc(-3), ends);
    EXPECT_EQ(ring(-3), ends);
}

TEST_F(Circles, DiscsAndRingsAreClippedNotDropped) {
    const Points whole = disc(5);
    // Centred on the corner: only the lower-right quarter, its axes included.
    Points quarter;
    for (const Point& p : shifted(whole, -cx, -cy))
        if (p.first >= 0 && p.second >= 0) quarter.insert(p);
    EXPECT_EQ(pixels_of([] { fill_disc(0, 0, 5, ink); }), quarter);
    EXPECT_TRUE(quarter.count({0, 5}) && quarter.count({5, 0}) && quarter.count({0, 0}));

    // Centred left of the window: the part that overlaps is drawn.
    Points overlap;
    for (const Point& p : shifted(whole, -3 - cx, 0))
        if (p.first >= 0) overlap.insert(p);
    EXPECT_EQ(pixels_of([] { fill_disc(-3, 300, 5, ink); }), overlap);
    EXPECT_FALSE(overlap.empty());

    Points ring_part;
    for (const Point& p : shifted(ring(5), screen_width + 2 - cx, screen_height - 1 - cy))
        if (p.first < screen_width && p.second < screen_height) ring_part.insert(p);
    EXPECT_EQ(pixels_of([] { draw_circle(screen_width + 2, screen_height - 1, 5, ink); }), ring_part);
}

}  // namespace
