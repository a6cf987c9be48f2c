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
        ASSERT_EQ(std::sscanf(q.text.c_str(), "From vertex %d,", &from), 1) << q.text;
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
    EXPECT_EQ(discovered, 7);  // every vertex but the root
    EXPECT_EQ(gone_back, 7);   // every finish but the root's
}

}  // namespace
