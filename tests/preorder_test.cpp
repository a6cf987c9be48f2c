// preorder: each --predict answer against the tree line and the list entry that the screens around
// its question add. The pictures themselves are the golden test's.
#include <gtest/gtest.h>

#include "../demograph/demo_graph.h"
#include "recording.h"

#include <string>

namespace {

constexpr int vx[8] = {200, 100, 400, 300, 100, 400, 240, 200};
constexpr int vy[8] = {40, 200, 40, 400, 400, 200, 300, 200};
constexpr Rgb grey_rgb{200, 200, 200};

// List entry k (from 1) stands with its top-left corner at (20 k + 30, 450).
constexpr int cell_width = 20;
constexpr int cell_height = 30;
int cell_x(int k) { return 20 * k + 30; }
constexpr int list_y = 450;

bool cell_has_ink(const Picture& picture, int k) {
    for (int y = list_y; y < list_y + cell_height; ++y)
        for (int x = cell_x(k); x < cell_x(k) + cell_width; ++x)
            if (picture.at(x, y) == black_rgb) return true;
    return false;
}

// --predict: before each tree line the question names the vertex last written into the list, and
// the answer is the vertex that the line drawn in the next screen reaches, written one screen later.
const Recording& predicted() {
    static const Recording recording = record("preorder", "--predict");
    return recording;
}

TEST(PreorderPredict, EachAnswerIsTheVertexTheNewTreeLineReaches) {
    ASSERT_EQ(predicted().run.exit_status, 0) << predicted().run.err;
    ASSERT_EQ(predicted().steps.size(), 9u);
    std::vector<RecordedQuestion> questions;
    for (const RecordedQuestion& q : recorded_questions(predicted()))
        if (q.text.rfind("After vertex ", 0) == 0) questions.push_back(q);
    ASSERT_EQ(questions.size(), 2u) << "one straight down, one after a climb back";
    constexpr int order[8] = {0, 1, 4, 3, 5, 6, 7, 2};
    for (const RecordedQuestion& q : questions) {
        const std::size_t i = static_cast<std::size_t>(q.step - 2);  // the question before step k asks after entry k - 1
        const std::string v = std::to_string(order[i]);
        EXPECT_EQ(q.text.rfind("After vertex " + v + ", which vertex does the search discover next? (" + v + "'s list: ", 0), 0u)
            << q.text;
        EXPECT_EQ(q.answer, std::to_string(order[i + 1]));
        EXPECT_NE(q.reason.find(" " + q.answer + " is the first neighbour"), std::string::npos) << q.reason;
        EXPECT_EQ(q.reason.find("goes back to") != std::string::npos, q.step == 7 || q.step == 8)
            << "only after the leaves 6 and 7 does the search go back first: " << q.reason;
        // The one edge at the answer that turns from grey to a colour in the step asked about.
        const int w = std::stoi(q.answer);
        const Picture& before = predicted().steps.at(q.step - 2);
        const Picture& after = predicted().steps.at(q.step - 1);
        int new_lines = 0;
        for (int j = 0; j < degree[w]; ++j) {
            const int u = adjacency[w][j], x = (vx[u] + vx[w]) / 2, y = (vy[u] + vy[w]) / 2;
            new_lines += before.at(x, y) == grey_rgb && after.at(x, y) != grey_rgb;
        }
        EXPECT_EQ(new_lines, 1) << "step " << q.step << " should draw one tree line to " << w;
        EXPECT_FALSE(cell_has_ink(after, q.step)) << "entry " << q.step << " comes a screen later";
        EXPECT_TRUE(cell_has_ink(predicted().steps.at(q.step), q.step));
    }
}

}  // namespace
