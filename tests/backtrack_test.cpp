// backtrack: the recorded screens, checked for which ring and which arrow each one adds.
#include <gtest/gtest.h>

#include "recording.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int vx[8] = {200, 100, 400, 300, 100, 400, 240, 200};
constexpr int vy[8] = {40, 200, 40, 400, 400, 200, 300, 200};
constexpr Rgb grey_rgb{200, 200, 200};

const Recording& show() {
    static const Recording recording = record("backtrack");
    return recording;
}

// Screen s as the user sees it, counting from 1.
const Picture& screen_no(int s) { return show().steps.at(s - 1); }

// Whether the colour is within one pixel of (x, y): a thin line passes that close to its midpoint.
bool near(const Picture& picture, int x, int y, Rgb colour) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (picture.at(x + dx, y + dy) == colour) return true;
    return false;
}

struct Mark {
    int screen;
    int x, y;
    const char* what;
};

Mark ring(int screen, int v, int radius) {
    // (-3, -3) lies on the ring of radius 4 and (-6, -6) on that of radius 8; no arrow passes there.
    const int offset = radius == 4 ? 3 : 6;
    return {screen, vx[v] - offset, vy[v] - offset, radius == 4 ? "discovery ring" : "finish ring"};
}
Mark tree_arrow(int screen, int v, int w) { return {screen, (vx[v] + vx[w]) / 2, (vy[v] + vy[w]) / 2, "tree arrow"}; }
Mark return_arrow(int screen, int v, int p) {
    return {screen, (vx[v] + vx[p]) / 2 + 7, (vy[v] + vy[p]) / 2 + 7, "return arrow"};
}

TEST(Backtrack, ShowHasSeventeenScreensAndEndsCleanly) {
    EXPECT_EQ(show().run.exit_status, 0) << show().run.err;
    EXPECT_EQ(show().steps.size(), 17u);
}

TEST(Backtrack, GraphScreenIsGreyWithNoSearchMarks) {
    ASSERT_EQ(show().steps.size(), 17u);
    EXPECT_EQ(screen_no(1).count(red_rgb), 0);
    constexpr int edges[12][2] = {{0, 1}, {0, 2}, {0, 5}, {0, 7}, {1, 4}, {1, 7},
                                  {3, 4}, {3, 5}, {3, 6}, {4, 6}, {4, 7}, {5, 6}};
    for (const auto& e : edges)
        EXPECT_TRUE(near(screen_no(1), (vx[e[0]] + vx[e[1]]) / 2, (vy[e[0]] + vy[e[1]]) / 2, grey_rgb))
            << "edge " << e[0] << "-" << e[1];
}

TEST(Backtrack, EachRingAndArrowAppearsWithItsOwnScreen) {
    ASSERT_EQ(show().steps.size(), 17u);
    const Mark marks[] = {
        ring(2, 0, 4),          tree_arrow(2, 0, 1),    ring(3, 1, 4),          tree_arrow(3, 1, 4),
        ring(4, 4, 4),          tree_arrow(4, 4, 3),    ring(5, 3, 4),          tree_arrow(5, 3, 5),
        ring(6, 5, 4),          tree_arrow(6, 5, 6),    ring(7, 6, 4),          return_arrow(7, 6, 5),
        ring(7, 6, 8),          return_arrow(8, 5, 3),  ring(8, 5, 8),          return_arrow(9, 3, 4),
        ring(9, 3, 8),          tree_arrow(10, 4, 7),   ring(11, 7, 4),         return_arrow(11, 7, 4),
        ring(11, 7, 8),         return_arrow(12, 4, 1), ring(12, 4, 8),         return_arrow(13, 1, 0),
        ring(13, 1, 8),         tree_arrow(14, 0, 2),   ring(15, 2, 4),         return_arrow(15, 2, 0),
        ring(15, 2, 8),         ring(16, 0, 8),
        // The heads: 0->2 points right at seven tenths of the way, its return points left.
        {14, 331, 35, "head of 0->2"}, {14, 331, 45, "head of 0->2"},
        {15, 275, 42, "head of 2->0"}, {15, 275, 52, "head of 2->0"},
    };
    for (const Mark& m : marks) {
        EXPECT_TRUE(near(screen_no(m.screen), m.x, m.y, red_rgb))
            << m.what << " at (" << m.x << ", " << m.y << ") missing in screen " << m.screen;
        EXPECT_FALSE(near(screen_no(m.screen - 1), m.x, m.y, red_rgb))
            << m.what << " at (" << m.x << ", " << m.y << ") already in screen " << m.screen - 1;
    }
}

TEST(Backtrack, SearchDrawsOnlyInRed) {
    ASSERT_EQ(show().steps.size(), 17u);
    for (int s = 2; s <= 17; ++s) {
        const Picture& before = screen_no(s - 1);
        const Picture& after = screen_no(s);
        int stray = 0;
        for (int y = 0; y < after.height; ++y)
            for (int x = 0; x < after.width; ++x)
                if (after.at(x, y) != before.at(x, y) && after.at(x, y) != red_rgb) ++stray;
        EXPECT_EQ(stray, 0) << "screen " << s;
    }
}

// The root is its own parent: its return arrow is the one pixel (207, 47), which the return arrow
// 2->0 has already painted, so screen 16 adds nothing but the finish ring of 0.
TEST(Backtrack, RootReturnArrowHasNoHeadAndNoLength) {
    ASSERT_EQ(show().steps.size(), 17u);
    EXPECT_EQ(screen_no(16).at(207, 47), red_rgb);
    const Picture& before = screen_no(15);
    const Picture& after = screen_no(16);
    int added = 0;
    for (int y = 0; y < after.height; ++y)
        for (int x = 0; x < after.width; ++x) {
            if (after.at(x, y) == before.at(x, y)) continue;
            ++added;
            const int d2 = (x - 200) * (x - 200) + (y - 40) * (y - 40);
            EXPECT_TRUE(d2 >= 7 * 7 && d2 <= 9 * 9) << "(" << x << ", " << y << ") is off the ring of 0";
        }
    EXPECT_GT(added, 0);
    EXPECT_EQ(screen_no(17).pixels, screen_no(16).pixels) << "the last screen shows nothing new";
}

TEST(Backtrack, EdgesThatCloseACycleGetNoArrow) {
    ASSERT_EQ(show().steps.size(), 17u);
    constexpr int cycle_edges[5][2] = {{0, 5}, {0, 7}, {1, 7}, {3, 6}, {4, 6}};
    for (const auto& e : cycle_edges) {
        const int x = (vx[e[0]] + vx[e[1]]) / 2, y = (vy[e[0]] + vy[e[1]]) / 2;
        EXPECT_FALSE(near(screen_no(17), x, y, red_rgb)) << "edge " << e[0] << "-" << e[1];
        EXPECT_FALSE(near(screen_no(17), x + 7, y + 7, red_rgb)) << "edge " << e[0] << "-" << e[1];
    }
}

// --predict: before each move of the search the question names the vertex it moves from; the
// answer is the tree arrow that the next screen adds, or its return arrow and finish ring.
const Recording& predicted() {
    static const Recording recording = record("backtrack", "--predict");
    return recording;
}

TEST(BacktrackPredict, EveryMoveIsAskedAboutButTheRootsFinish) {
    ASSERT_EQ(predicted().run.exit_status, 0) << predicted().run.err;
    const auto questions = recorded_questions(predicted());
    ASSERT_EQ(questions.size(), 14u);
    for (std::size_t i = 0; i < questions.size(); ++i) EXPECT_EQ(questions[i].step, static_cast<int>(i) + 2);
}

TEST(BacktrackPredict, TheAnswerIsTheArrowTheNextScreenAdds) {
    ASSERT_EQ(predicted().steps.size(), 17u);
    int down = 0, back = 0;
    for (const RecordedQuestion& q : recorded_questions(predicted())) {
        int u = -1;
        ASSERT_EQ(std::sscanf(q.text.c_str(), "From vertex %d,", &u), 1) << q.text;
        const Picture& before = predicted().steps.at(q.step - 2);
        const Picture& after = predicted().steps.at(q.step - 1);
        Mark mark[2];
        if (q.answer == "none: the search goes back") {
            const std::size_t at = q.reason.find("back to its parent ");
            ASSERT_NE(at, std::string::npos) << q.reason;
            mark[0] = return_arrow(q.step, u, std::atoi(q.reason.c_str() + at + 19));
            mark[1] = ring(q.step, u, 8);
            ++back;
        } else {
            const int v = std::stoi(q.answer);
            mark[0] = tree_arrow(q.step, u, v);
            mark[1] = ring(q.step + 1, v, 4);  // v's ring comes with the step after, from v
            EXPECT_FALSE(near(after, mark[1].x, mark[1].y, red_rgb)) << "ring of " << v << " before step " << q.step;
            ++down;
        }
        for (const Mark& m : mark) {
            EXPECT_TRUE(near(predicted().steps.at(m.screen - 1), m.x, m.y, red_rgb))
                << m.what << " missing, question before step " << q.step << ": " << q.text << " " << q.answer;
            EXPECT_FALSE(near(before, m.x, m.y, red_rgb)) << m.what << " already there before step " << q.step;
        }
    }
    EXPECT_EQ(down, 7);
    EXPECT_EQ(back, 7);
}

}  // namespace
