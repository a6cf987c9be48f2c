// dfsedges: the arrow start points worked out at start-up, and each --predict answer against the
// arrows and discs of the steps around its question. The pictures themselves are the golden test's.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "arrow_starts.h"
#include "recording.h"

namespace {

constexpr int screen_count = 26;
constexpr Rgb yellow_rgb{255, 255, 0};

struct Point {
    double x, y;
};

Rgb colour_at(const Picture& picture, Point p) { return picture.at(static_cast<int>(p.x), static_cast<int>(p.y)); }

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
};

Arrow arrow(int u, int v) {
    const Starts& s = starts();
    return {{double(s.x[u][v]), double(s.y[u][v])},
            {double(2 * vertex_x[v] - s.x[v][u]), double(2 * vertex_y[v] - s.y[v][u])}};
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

// --predict: each answer checked against the arrows and discs of the step it comes before, and
// the step after it, where the vertex reached gets its disc or the back edge its red arrow.
const Recording& predicted() {
    static const Recording recording = record("dfsedges", "--predict");
    return recording;
}

const Picture& predicted_screen(int n) { return predicted().steps.at(static_cast<std::size_t>(n - 1)); }

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
    EXPECT_EQ(asked, 2);  // 4 on to 7 after the climb back from 3, and 7 back to 4
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
    EXPECT_EQ(back, 1);  // 5-0, the first back edge of the search
    EXPECT_EQ(tree, 1);  // 5-6, looked along after it
}

}  // namespace
