// numbering: each --predict answer against the discs and tree lines of the step it comes before. The
// pictures themselves, the words and the step page are the golden test's.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "../demograph/demo_graph.h"
#include "recording.h"

namespace {

constexpr int screen_count = 18;
constexpr Rgb grey_rgb{200, 200, 200};

Rgb middle_of_edge(const Picture& picture, int v, int w) {
    return picture.at((vertex_x[v] + vertex_x[w]) / 2, (vertex_y[v] + vertex_y[w]) / 2);
}

// A direction from each vertex that no line leaves in, so that the discs can be told apart there:
// the tree lines are drawn over the red disc of the vertex they leave.
constexpr int free_side[vertex_count][2] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}, {0, 1}, {1, 0}, {0, -1}, {1, 0}};

// --predict: before each step that shows where the search goes from a vertex, the question names
// that vertex, and the answer is the disc that turns red (with its tree line) or the vertex's own
// disc turning blue when the search goes back.
const Recording& predicted() {
    static const Recording recording = record("numbering", "--predict");
    return recording;
}

Rgb disc_at(const Picture& picture, int v) {
    return picture.at(vertex_x[v] + 5 * free_side[v][0], vertex_y[v] + 5 * free_side[v][1]);
}

TEST(NumberingPredict, EachAnswerIsWhatTheNextStepDraws) {
    ASSERT_EQ(predicted().steps.size(), std::size_t{screen_count});
    int discovered = 0, gone_back = 0;
    for (const RecordedQuestion& q : recorded_questions(predicted())) {
        int from = -1;
        if (std::sscanf(q.text.c_str(), "From vertex %d,", &from) != 1) continue;
        const Picture& before = predicted().steps.at(q.step - 2);
        const Picture& after = predicted().steps.at(q.step - 1);
        const std::string where = "question before step " + std::to_string(q.step);
        EXPECT_EQ(disc_at(before, from), red_rgb) << where << ": the search stands on " << from;
        if (q.answer == "none: the search goes back") {
            EXPECT_EQ(disc_at(after, from), blue_rgb) << where << ": " << from << " is finished";
            EXPECT_NE(q.reason.find("back to its parent"), std::string::npos) << q.reason;
            ++gone_back;
            continue;
        }
        const int v = std::stoi(q.answer);
        EXPECT_EQ(disc_at(before, v), grey_rgb) << where << ": " << v << " discovered too early";
        EXPECT_EQ(disc_at(after, v), red_rgb) << where << ": " << v << " not discovered";
        EXPECT_EQ(middle_of_edge(before, from, v), grey_rgb) << where;
        EXPECT_NE(middle_of_edge(after, from, v), grey_rgb) << where << ": no tree line " << from << "-" << v;
        EXPECT_EQ(q.reason.rfind(std::to_string(from) + "'s list is ", 0), 0u) << q.reason;
        EXPECT_NE(q.reason.find("; " + q.answer + " is the first neighbour in it"), std::string::npos) << q.reason;
        ++discovered;
    }
    EXPECT_EQ(discovered, 1);  // 4 on to 7, the first way on after a climb back
    EXPECT_EQ(gone_back, 1);   // 6, the first finish with more than its parent in its list
}

// The step whose picture first shows v's disc red (or blue, as a leaf finished at once is never
// shown red), from the recording's first step.
int step_discovering(int v) {
    for (std::size_t k = 0; k < predicted().steps.size(); ++k)
        if (disc_at(predicted().steps[k], v) != grey_rgb) return static_cast<int>(k) + 1;
    return 0;
}

// "Will u be finished before w is discovered?" is what the discs show in the step that turns w red;
// the "when w is discovered, how many are finished" count is the blue discs there. Each yes/no pair
// holds one yes and one no, so neither answer typed twice gets both.
TEST(NumberingPredict, FinishedBeforeDiscoveredIsTheBlueDiscsWhenTheVertexTurnsRed) {
    int yes = 0, no = 0, counts = 0;
    for (const RecordedQuestion& q : recorded_questions(predicted())) {
        int u = -1, w = -1;
        if (std::sscanf(q.text.c_str(), "When the search discovers vertex %d,", &w) == 1) {
            const Picture& then = predicted().steps.at(step_discovering(w) - 1);
            int blue = 0;
            for (int v = 0; v < vertex_count; ++v) blue += disc_at(then, v) == blue_rgb;
            EXPECT_EQ(q.answer, std::to_string(blue)) << q.text;
            ++counts;
            continue;
        }
        if (std::sscanf(q.text.c_str(), "Will vertex %d be finished before vertex %d is discovered?", &u, &w) != 2)
            continue;
        const int step = step_discovering(w);
        ASSERT_GT(step, q.step) << q.text << ": " << w << " is discovered before the question";
        const bool finished = disc_at(predicted().steps.at(step - 1), u) == blue_rgb;
        EXPECT_EQ(q.answer, finished ? "yes" : "no") << q.text;
        (q.answer == "yes" ? yes : no) += 1;
    }
    EXPECT_EQ(counts, 1);
    EXPECT_EQ(yes, 1);
    EXPECT_EQ(no, 1);
}

}  // namespace
