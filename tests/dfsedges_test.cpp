// dfsedges: the arrow start points worked out at start-up, and what each of the 26 screens adds:
// the discs at the vertices and the arrows beside the bands, each on its own side and in its own step.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "arrow_starts.h"
#include "recording.h"

namespace {

constexpr int screen_count = 26;
constexpr Rgb yellow_rgb{255, 255, 0};

const Recording& show() {
    static const Recording recording = record("dfsedges");
    return recording;
}

const Picture& screen_number(int n) { return show().steps.at(static_cast<std::size_t>(n - 1)); }

struct Point {
    double x, y;
};

Rgb colour_at(const Picture& picture, Point p) { return picture.at(static_cast<int>(p.x), static_cast<int>(p.y)); }

std::string describe(Rgb c) {
    return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) + ")";
}

struct Starts {
    int x[vertex_count][vertex_count];
    int y[vertex_count][vertex_count];
};

const Starts& starts() {
    static const Starts table = [] {
        Starts s{};
        compute_arrow_starts(s.x, s.y);
        return s;
    }();
    return table;
}

// The arrow u -> v runs from u's start point toward v to v's start point toward u mirrored
// through v's centre.
struct Arrow {
    Point start, end;
    Point along(double t) const { return {start.x + t * (end.x - start.x), start.y + t * (end.y - start.y)}; }
    Point unit() const {
        const double dx = end.x - start.x, dy = end.y - start.y, len = std::sqrt(dx * dx + dy * dy);
        return {dx / len, dy / len};
    }
};

Arrow arrow(int u, int v) {
    const Starts& s = starts();
    return {{double(s.x[u][v]), double(s.y[u][v])},
            {double(2 * vertex_x[v] - s.x[v][u]), double(2 * vertex_y[v] - s.y[v][u])}};
}

// Points halfway along each of the two head strokes, which leave the head at seven tenths of the
// way and reach back 20 pixels at 30 degrees to either side of the shaft.
Point head_stroke_middle(const Arrow& a, int side) {
    const Point h = a.along(0.7);
    const Point u = a.unit();
    const double back = 10 * std::sqrt(3.0) / 2, across = 10 * 0.5 * side;
    return {h.x - back * u.x - across * u.y, h.y - back * u.y + across * u.x};
}

TEST(DfsedgesArrowStarts, StartPointsComeToTheTableForEveryNeighbour) {
    struct Expected {
        int from, to, x, y;
    };
    constexpr Expected table[] = {
        {0, 1, 191, 34},  {0, 2, 200, 50},  {0, 5, 193, 47},  {0, 7, 190, 40},  {1, 0, 108, 205},
        {1, 4, 90, 200},  {1, 7, 100, 210}, {2, 0, 400, 30},  {3, 4, 300, 390}, {3, 5, 308, 404},
        {3, 6, 308, 394}, {4, 1, 110, 400}, {4, 3, 100, 410}, {4, 6, 105, 408}, {4, 7, 108, 404},
        {5, 0, 406, 192}, {5, 3, 391, 195}, {5, 6, 394, 191}, {6, 3, 231, 305}, {6, 4, 234, 291},
        {6, 5, 245, 308}, {7, 0, 210, 200}, {7, 1, 200, 190}, {7, 4, 191, 195},
    };
    int x[vertex_count][vertex_count], y[vertex_count][vertex_count];
    for (int i = 0; i < vertex_count; ++i)
        for (int k = 0; k < vertex_count; ++k) x[i][k] = y[i][k] = -999;
    compute_arrow_starts(x, y);

    bool listed[vertex_count][vertex_count] = {};
    for (const Expected& e : table) {
        listed[e.from][e.to] = true;
        EXPECT_EQ(x[e.from][e.to], e.x) << e.from << " -> " << e.to;
        EXPECT_EQ(y[e.from][e.to], e.y) << e.from << " -> " << e.to;
    }
    // Pairs that are not edges are never written.
    for (int i = 0; i < vertex_count; ++i) {
        for (int k = 0; k < vertex_count; ++k) {
            if (!listed[i][k]) {
                EXPECT_TRUE(x[i][k] == -999 && y[i][k] == -999) << i << " -> " << k;
            }
        }
    }
}

TEST(DfsedgesShow, HasTwentySixScreensAndEndsCleanly) {
    EXPECT_EQ(show().run.exit_status, 0) << show().run.err;
    EXPECT_EQ(show().steps.size(), std::size_t{screen_count});
}

TEST(DfsedgesShow, FirstScreenHoldsBandsAndNumbersOnly) {
    ASSERT_EQ(show().steps.size(), std::size_t{screen_count});
    const Picture& first = screen_number(1);
    EXPECT_EQ(first.count(red_rgb), 0);
    EXPECT_EQ(first.count(green_rgb), 0);
    EXPECT_EQ(first.count(blue_rgb), 0);
    EXPECT_EQ(first.at(700, 500), white_rgb);
    for (int i = 0; i < vertex_count; ++i) {
        EXPECT_EQ(first.at(vertex_x[i], vertex_y[i]), yellow_rgb) << "vertex " << i;
        for (int j = 0; j < degree[i]; ++j) {
            const int k = adjacency[i][j];
            // 15 pixels to either side of the centre line is still band.
            const Point middle{(vertex_x[i] + vertex_x[k]) / 2.0, (vertex_y[i] + vertex_y[k]) / 2.0};
            EXPECT_EQ(colour_at(first, middle), yellow_rgb) << "band " << i << "-" << k;
            const Arrow right = arrow(i, k);
            EXPECT_EQ(colour_at(first, right.along(0.5)), yellow_rgb) << "band " << i << "-" << k;
        }
        int black = 0;
        for (int y = vertex_y[i] - 2; y < vertex_y[i] + 25; ++y)
            for (int x = vertex_x[i] + 15; x < vertex_x[i] + 30; ++x) black += first.at(x, y) == black_rgb;
        EXPECT_GT(black, 10) << "number of vertex " << i;
    }
}

TEST(DfsedgesShow, DiscsAtTheVerticesFollowTheSearch) {
    ASSERT_EQ(show().steps.size(), std::size_t{screen_count});
    // Per screen, the colour at each vertex centre: y band only, r discovered, b finished.
    constexpr const char* expected[screen_count] = {
        "yyyyyyyy", "ryyyyyyy", "rryyyyyy", "rryyryyy", "rryrryyy", "rryrrryy", "rryrrryy",
        "rryrrryy", "rryrrrry", "rryrrrry", "rryrrrry", "rryrrrry", "rryrrrby", "rryrrbby",
        "rrybrbby", "rrybrbby", "rrybrbbr", "rrybrbbr", "rrybrbbr", "rrybrbbr", "rrybrbbb",
        "rrybbbbb", "rbybbbbb", "rbybbbbb", "rbbbbbbb", "bbbbbbbb",
    };
    for (int s = 1; s <= screen_count; ++s) {
        for (int v = 0; v < vertex_count; ++v) {
            const char want = expected[s - 1][v];
            const Rgb colour = want == 'y' ? yellow_rgb : want == 'r' ? red_rgb : blue_rgb;
            EXPECT_EQ(screen_number(s).at(vertex_x[v], vertex_y[v]), colour)
                << "screen " << s << ", vertex " << v << " is " << describe(screen_number(s).at(vertex_x[v], vertex_y[v]));
        }
    }
}

struct ArrowStep {
    int screen, from, to;
    Rgb colour;
};

// Green out along every edge the search takes, red back along an edge that closes a cycle, blue
// back along a tree edge once the vertex at its end is finished.
constexpr ArrowStep arrow_steps[] = {
    {2, 0, 1, green_rgb},  {3, 1, 4, green_rgb},  {4, 4, 3, green_rgb},  {5, 3, 5, green_rgb},
    {6, 5, 0, green_rgb},  {7, 0, 5, red_rgb},    {8, 5, 6, green_rgb},  {9, 6, 3, green_rgb},
    {10, 3, 6, red_rgb},   {11, 6, 4, green_rgb}, {12, 4, 6, red_rgb},   {13, 6, 5, blue_rgb},
    {14, 5, 3, blue_rgb},  {15, 3, 4, blue_rgb},  {16, 4, 7, green_rgb}, {17, 7, 0, green_rgb},
    {18, 0, 7, red_rgb},   {19, 7, 1, green_rgb}, {20, 1, 7, red_rgb},   {21, 7, 4, blue_rgb},
    {22, 4, 1, blue_rgb},  {23, 1, 0, blue_rgb},  {24, 0, 2, green_rgb}, {25, 2, 0, blue_rgb},
};

TEST(DfsedgesShow, EachArrowAppearsInItsOwnScreenBesideItsBandAndStays) {
    ASSERT_EQ(show().steps.size(), std::size_t{screen_count});
    for (const ArrowStep& step : arrow_steps) {
        const Point middle = arrow(step.from, step.to).along(0.5);
        const std::string name = std::to_string(step.from) + " -> " + std::to_string(step.to);
        EXPECT_EQ(colour_at(screen_number(step.screen - 1), middle), yellow_rgb) << name << " too early";
        for (int s = step.screen; s <= screen_count; ++s)
            EXPECT_EQ(colour_at(screen_number(s), middle), step.colour) << name << " in screen " << s;
    }
}

TEST(DfsedgesShow, ArrowHeadsPointFromTheVertexLeftToTheVertexReached) {
    ASSERT_EQ(show().steps.size(), std::size_t{screen_count});
    for (const ArrowStep& step : arrow_steps) {
        const Arrow a = arrow(step.from, step.to);
        const Picture& picture = screen_number(step.screen);
        const std::string name = std::to_string(step.from) + " -> " + std::to_string(step.to);
        EXPECT_EQ(colour_at(picture, head_stroke_middle(a, +1)), step.colour) << name;
        EXPECT_EQ(colour_at(picture, head_stroke_middle(a, -1)), step.colour) << name;
        // A head at the other end would sit three tenths of the way along instead.
        const Arrow reversed{a.end, a.start};
        EXPECT_NE(colour_at(picture, head_stroke_middle(reversed, +1)), step.colour) << name;
        EXPECT_NE(colour_at(picture, head_stroke_middle(reversed, -1)), step.colour) << name;
    }
}

TEST(DfsedgesShow, GreenDotMarksWhereEachDepartureStarts) {
    ASSERT_EQ(show().steps.size(), std::size_t{screen_count});
    for (const ArrowStep& step : arrow_steps) {
        if (step.colour != green_rgb) {
            continue;
        }
        const Arrow a = arrow(step.from, step.to);
        const Picture& picture = screen_number(step.screen);
        // The whole disc of radius 2 around the start, including the part behind the square end
        // of the arrow's band, which only the dot covers.
        for (int dy = -2; dy <= 2; ++dy) {
            const int reach = std::abs(dy) == 2 ? 1 : 2;
            for (int dx = -reach; dx <= reach; ++dx) {
                const int x = static_cast<int>(a.start.x) + dx, y = static_cast<int>(a.start.y) + dy;
                EXPECT_EQ(picture.at(x, y), green_rgb) << step.from << " -> " << step.to << " at " << x << ", " << y;
            }
        }
    }
}

TEST(DfsedgesShow, LeafShowsNoRedDiscAndRootFinishesAlone) {
    ASSERT_EQ(show().steps.size(), std::size_t{screen_count});
    // Vertex 2 is discovered and finished between two flips: its red disc is never seen.
    for (int s = 1; s <= screen_count; ++s)
        for (int y = vertex_y[2] - 7; y <= vertex_y[2] + 7; ++y)
            for (int x = vertex_x[2] - 7; x <= vertex_x[2] + 7; ++x)
                ASSERT_NE(screen_number(s).at(x, y), red_rgb) << "screen " << s << " at " << x << ", " << y;
    // The root has no way back: the last screen adds its blue disc and nothing else.
    const Picture& before = screen_number(screen_count - 1);
    const Picture& last = screen_number(screen_count);
    int changed = 0;
    for (int y = 0; y < last.height; ++y) {
        for (int x = 0; x < last.width; ++x) {
            if (before.at(x, y) == last.at(x, y)) continue;
            ++changed;
            const int dx = x - vertex_x[0], dy = y - vertex_y[0];
            EXPECT_LE(dx * dx + dy * dy, 7 * 7 + 7) << x << ", " << y;
            EXPECT_EQ(last.at(x, y), blue_rgb) << x << ", " << y;
        }
    }
    EXPECT_GT(changed, 0);
}

// --predict: each answer checked against the arrows and discs of the step it comes before, and
// the step after it, where the vertex reached gets its disc or the back edge its red arrow.
const Recording& predicted() {
    static const Recording recording = record("dfsedges", "--predict");
    return recording;
}

const Picture& predicted_screen(int n) { return predicted().steps.at(static_cast<std::size_t>(n - 1)); }

TEST(DfsedgesPredict, AsksBeforeEveryLookAndReturnButNotBeforeTheTurnsBack) {
    ASSERT_EQ(predicted().run.exit_status, 0) << predicted().run.err;
    std::string steps;
    for (const RecordedQuestion& q : recorded_questions(predicted())) steps += std::to_string(q.step) + " ";
    // The red arrow of a back edge (7, 10, 12, 18, 20) follows from the step before; the root's
    // finish (26) has no parent to go back to.
    EXPECT_EQ(steps, "2 3 4 5 6 8 9 11 13 14 15 16 17 19 21 22 23 24 25 ");
}

TEST(DfsedgesPredict, WhereTheSearchGoesIsTheGreenArrowOrTheBlueOneBack) {
    ASSERT_EQ(predicted().steps.size(), std::size_t{screen_count});
    int asked = 0;
    for (const RecordedQuestion& q : recorded_questions(predicted())) {
        int u = -1;
        if (std::sscanf(q.text.c_str(), "From vertex %d,", &u) != 1) continue;
        ++asked;
        const std::string where = "question before step " + std::to_string(q.step);
        const Picture& before = predicted_screen(q.step - 1);
        const Picture& after = predicted_screen(q.step);
        if (q.answer == "none: the search goes back") {
            const std::size_t at = q.reason.find("back to its parent ");
            ASSERT_NE(at, std::string::npos) << q.reason;
            const int p = std::atoi(q.reason.c_str() + at + 19);
            EXPECT_EQ(colour_at(before, arrow(u, p).along(0.5)), yellow_rgb) << where;
            EXPECT_EQ(colour_at(after, arrow(u, p).along(0.5)), blue_rgb) << where << ": no way back " << u << "->" << p;
            EXPECT_EQ(after.at(vertex_x[u], vertex_y[u]), blue_rgb) << where << ": " << u << " is finished";
            continue;
        }
        const int v = std::stoi(q.answer);
        EXPECT_EQ(colour_at(before, arrow(u, v).along(0.5)), yellow_rgb) << where;
        EXPECT_EQ(colour_at(after, arrow(u, v).along(0.5)), green_rgb) << where << ": no arrow " << u << "->" << v;
        EXPECT_EQ(after.at(vertex_x[v], vertex_y[v]), yellow_rgb) << where << ": " << v << " is reached a step later";
        EXPECT_NE(predicted_screen(q.step + 1).at(vertex_x[v], vertex_y[v]), yellow_rgb) << where;
    }
    EXPECT_EQ(asked, 13);  // 6 tree edges taken on arrival, 7 returns
}

TEST(DfsedgesPredict, EdgeKindIsTheArrowThatComesBack) {
    ASSERT_EQ(predicted().steps.size(), std::size_t{screen_count});
    int tree = 0, back = 0;
    for (const RecordedQuestion& q : recorded_questions(predicted())) {
        int u = -1, v = -1;
        if (std::sscanf(q.text.c_str(), "The search at %*d now looks along edge %d-%d.", &u, &v) != 2) continue;
        const std::string where = "question before step " + std::to_string(q.step);
        EXPECT_EQ(colour_at(predicted_screen(q.step - 1), arrow(u, v).along(0.5)), yellow_rgb) << where;
        EXPECT_EQ(colour_at(predicted_screen(q.step), arrow(u, v).along(0.5)), green_rgb) << where;
        const Picture& next = predicted_screen(q.step + 1);
        if (q.answer == "a back edge") {
            EXPECT_EQ(colour_at(next, arrow(v, u).along(0.5)), red_rgb) << where << ": no red arrow " << v << "->" << u;
            ++back;
        } else {
            ASSERT_EQ(q.answer, "a tree edge") << where;
            EXPECT_EQ(colour_at(next, arrow(v, u).along(0.5)), yellow_rgb) << where;
            EXPECT_EQ(next.at(vertex_x[v], vertex_y[v]), red_rgb) << where << ": " << v << " not discovered";
            ++tree;
        }
    }
    EXPECT_EQ(back, 5);  // every back edge of the search
    EXPECT_EQ(tree, 1);  // 5-6, looked along after the back edge 5-0
}

}  // namespace
