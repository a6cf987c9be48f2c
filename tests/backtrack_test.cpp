// backtrack: each --predict answer against the ring and the arrow that the screens around its question
// add. The pictures themselves are the golden test's.
#include <gtest/gtest.h>

#include "recording.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int vx[8] = {200, 100, 400, 300, 100, 400, 240, 200};
constexpr int vy[8] = {40, 200, 40, 400, 400, 200, 300, 200};

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

// --predict: before each move of the search the question names the vertex it moves from; the
// answer is the tree arrow that the next screen adds, or its return arrow and finish ring.
const Recording& predicted() {
    static const Recording recording = record("backtrack", "--predict");
    return recording;
}

TEST(BacktrackPredict, TheAnswerIsTheArrowTheNextScreenAdds) {
    ASSERT_EQ(predicted().steps.size(), 17u);
    int down = 0, back = 0;
    for (const RecordedQuestion& q : recorded_questions(predicted())) {
        int u = -1;
        if (std::sscanf(q.text.c_str(), "From vertex %d,", &u) != 1) continue;
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
    EXPECT_EQ(down, 1);  // 0 on to 2, the last way on after a climb back
    EXPECT_EQ(back, 1);  // 4, finished two thirds of the way through
}

}  // namespace
