// dfstree: the recorded screens, checked for the order in which the vertices turn red, the thick
// tree bands, and the red disc that the band leaving it partly blackens.
#include <gtest/gtest.h>

#include "recording.h"

namespace {

constexpr int vx[8] = {200, 100, 400, 300, 100, 400, 240, 200};
constexpr int vy[8] = {40, 200, 40, 400, 400, 200, 300, 200};
constexpr int entry_order[8] = {0, 1, 4, 3, 5, 6, 7, 2};

const Recording& show() {
    static const Recording recording = record("dfstree");
    return recording;
}

const Picture& screen_no(int s) { return show().steps.at(s - 1); }

// A band of half-width 4 fills the 5 x 5 square at its middle; a graph edge of half-width 1 cannot.
bool thick_at_middle(const Picture& picture, int v, int w) {
    return picture.count_around((vx[v] + vx[w]) / 2, (vy[v] + vy[w]) / 2, 2, black_rgb) == 25;
}

TEST(Dfstree, ShowHasTenScreensAndEndsCleanly) {
    EXPECT_EQ(show().run.exit_status, 0) << show().run.err;
    EXPECT_EQ(show().steps.size(), 10u);
}

TEST(Dfstree, GraphScreenHasBlackDiscsAndNoRed) {
    ASSERT_EQ(show().steps.size(), 10u);
    EXPECT_EQ(screen_no(1).count(red_rgb), 0);
    for (int v = 0; v < 8; ++v)
        EXPECT_EQ(screen_no(1).count_around(vx[v], vy[v], 1, black_rgb), 9) << "disc of " << v;
}

// Entering a vertex is one screen: its red disc and the band that led to it show together.
TEST(Dfstree, VerticesTurnRedInSearchOrderWithTheirTreeBand) {
    ASSERT_EQ(show().steps.size(), 10u);
    const int parent_of[8] = {-1, 0, 0, 4, 1, 3, 5, 4};
    for (int i = 0; i < 8; ++i) {
        const int v = entry_order[i], s = i + 2;
        EXPECT_EQ(screen_no(s - 1).at(vx[v], vy[v]), black_rgb) << v << " red too early";
        EXPECT_EQ(screen_no(s).at(vx[v], vy[v]), red_rgb) << v << " not red in screen " << s;
        if (parent_of[v] < 0) continue;
        EXPECT_FALSE(thick_at_middle(screen_no(s - 1), parent_of[v], v)) << "band to " << v << " too early";
        EXPECT_TRUE(thick_at_middle(screen_no(s), parent_of[v], v)) << "band to " << v << " missing";
    }
    EXPECT_EQ(screen_no(10).pixels, screen_no(9).pixels) << "the last screen shows nothing new";
}

TEST(Dfstree, EdgesThatCloseACycleStayThin) {
    ASSERT_EQ(show().steps.size(), 10u);
    constexpr int cycle_edges[5][2] = {{0, 5}, {0, 7}, {1, 7}, {3, 6}, {4, 6}};
    for (const auto& e : cycle_edges) {
        EXPECT_FALSE(thick_at_middle(screen_no(10), e[0], e[1])) << e[0] << "-" << e[1];
        EXPECT_GT(screen_no(10).count_around((vx[e[0]] + vx[e[1]]) / 2, (vy[e[0]] + vy[e[1]]) / 2, 2,
                               black_rgb),
                  0)
            << e[0] << "-" << e[1];
    }
}

// The band 0-1 goes over the red disc of 0 and under the disc of 1, which is drawn after it.
TEST(Dfstree, TreeBandBlackensPartOfTheDiscItLeaves) {
    ASSERT_EQ(show().steps.size(), 10u);
    const int whole = screen_no(2).count_around(vx[0], vy[0], 7, red_rgb);
    EXPECT_GT(whole, 100);  // a disc of radius 7
    EXPECT_EQ(screen_no(3).count_around(vx[1], vy[1], 7, red_rgb), whole);
    const int left = screen_no(3).count_around(vx[0], vy[0], 7, red_rgb);
    EXPECT_GT(left, 0);
    EXPECT_LT(left, whole);
    EXPECT_EQ(screen_no(3).at(vx[0], vy[0]), black_rgb);
}

// With --predict the same pictures come with a question before each step that discovers a vertex
// but the first; each answer is what the step it comes before shows: the vertex named turns red
// there and was black before.
TEST(Dfstree, PredictedVertexIsTheOneWhoseDiscTurnsRedInTheStepItComesBefore) {
    const Recording predicting = record("dfstree", "--predict");
    ASSERT_EQ(predicting.steps.size(), 10u);
    for (int s = 1; s <= 10; ++s) EXPECT_EQ(predicting.steps[s - 1].pixels, screen_no(s).pixels) << "step " << s;
    const std::vector<RecordedQuestion> questions = recorded_questions(predicting);
    ASSERT_EQ(questions.size(), 7u);
    for (int i = 0; i < 7; ++i) {
        const RecordedQuestion& question = questions[i];
        EXPECT_EQ(question.step, i + 3);
        EXPECT_EQ(question.text, "Which vertex does the search discover next?");
        const int v = std::stoi(question.answer);
        EXPECT_EQ(screen_no(question.step - 1).at(vx[v], vy[v]), black_rgb) << "step " << question.step;
        EXPECT_EQ(screen_no(question.step).at(vx[v], vy[v]), red_rgb) << "step " << question.step;
        const bool named = question.reason.find(" " + question.answer + " ") != std::string::npos ||
                           question.reason.find(" " + question.answer + ".") != std::string::npos;
        EXPECT_TRUE(named) << question.reason;
    }
    // From 6 the search goes back to 4, which discovers 7: the reason says where it went back to.
    EXPECT_EQ(questions[5].answer, "7");
    EXPECT_NE(questions[5].reason.find("goes back along the tree to 4"), std::string::npos)
        << questions[5].reason;
}

}  // namespace
