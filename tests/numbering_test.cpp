// numbering: what each of the 18 screens adds: the discs at the vertices, the tree lines in the
// colour of their branch and the width of the count so far, and the row of discovery labels.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "../demograph/demo_graph.h"
#include "recording.h"

namespace {

constexpr int screen_count = 18;
constexpr Rgb grey_rgb{200, 200, 200};
constexpr Rgb purple_rgb{150, 50, 150};
constexpr Rgb yellow_rgb{255, 255, 0};

const Recording& show() {
    static const Recording recording = record("numbering");
    return recording;
}

const Picture& screen_number(int n) { return show().steps.at(static_cast<std::size_t>(n - 1)); }

Rgb middle_of_edge(const Picture& picture, int v, int w) {
    return picture.at((vertex_x[v] + vertex_x[w]) / 2, (vertex_y[v] + vertex_y[w]) / 2);
}

// How many pixels of the same colour run across a band through (x, y), along x or along y.
int run_across(const Picture& picture, int x, int y, bool along_x) {
    const Rgb colour = picture.at(x, y);
    const int sx = along_x ? 1 : 0, sy = along_x ? 0 : 1;
    int n = 1;
    for (int i = 1; picture.at(x + i * sx, y + i * sy) == colour; ++i) ++n;
    for (int i = 1; picture.at(x - i * sx, y - i * sy) == colour; ++i) ++n;
    return n;
}

int black_in(const Picture& picture, int left, int top, int width, int height) {
    int n = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) n += picture.at(x, y) == black_rgb;
    return n;
}

TEST(NumberingShow, HasEighteenScreensAndEndsCleanly) {
    EXPECT_EQ(show().run.exit_status, 0) << show().run.err;
    EXPECT_EQ(show().steps.size(), std::size_t{screen_count});
}

TEST(NumberingShow, FirstScreenHoldsTheGreyGraphAndNumbersOnly) {
    ASSERT_EQ(show().steps.size(), std::size_t{screen_count});
    const Picture& first = screen_number(1);
    EXPECT_EQ(first.count(red_rgb), 0);
    EXPECT_EQ(first.count(blue_rgb), 0);
    EXPECT_EQ(black_in(first, 0, 480, 800, 120), 0) << "no discovery label yet";
    for (int v = 0; v < vertex_count; ++v) {
        EXPECT_EQ(first.at(vertex_x[v], vertex_y[v]), grey_rgb) << "vertex " << v;
        EXPECT_GT(black_in(first, vertex_x[v] + 15, vertex_y[v] - 2, 15, 25), 10) << "number of vertex " << v;
        for (int j = 0; j < degree[v]; ++j)
            EXPECT_EQ(middle_of_edge(first, v, adjacency[v][j]), grey_rgb) << "edge " << v << "-" << adjacency[v][j];
    }
}

// A direction from each vertex that no line leaves in, so that the discs can be told apart there:
// the tree lines are drawn over the red disc of the vertex they leave.
constexpr int free_side[vertex_count][2] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}, {0, 1}, {1, 0}, {0, -1}, {1, 0}};

TEST(NumberingShow, DiscsAtTheVerticesFollowTheSearch) {
    ASSERT_EQ(show().steps.size(), std::size_t{screen_count});
    // Per screen, the disc at each vertex: g grey (radius 5), r discovered (red, radius 8),
    // b finished (blue, radius 10).
    constexpr const char* expected[screen_count] = {
        "gggggggg", "rggggggg", "rrgggggg", "rrggrggg", "rrgrrggg", "rrgrrrgg",
        "rrgrrrrg", "rrgrrrbg", "rrgrrbbg", "rrgbrbbg", "rrgbrbbr", "rrgbrbbb",
        "rrgbbbbb", "rbgbbbbb", "rbrbbbbb", "rbbbbbbb", "bbbbbbbb", "bbbbbbbb",
    };
    for (int s = 1; s <= screen_count; ++s) {
        const Picture& picture = screen_number(s);
        for (int v = 0; v < vertex_count; ++v) {
            const char want = expected[s - 1][v];
            const Rgb colour = want == 'g' ? grey_rgb : want == 'r' ? red_rgb : blue_rgb;
            const auto out = [&](int d) { return picture.at(vertex_x[v] + d * free_side[v][0], vertex_y[v] + d * free_side[v][1]); };
            const std::string where = "screen " + std::to_string(s) + ", vertex " + std::to_string(v);
            EXPECT_EQ(out(5), colour) << where;
            if (want == 'b') {
                EXPECT_EQ(out(10), blue_rgb) << where;
            } else {
                EXPECT_NE(out(9), red_rgb) << where;
                EXPECT_NE(out(9), blue_rgb) << where;
            }
            EXPECT_NE(out(11), blue_rgb) << where;
            if (want == 'g') {
                EXPECT_EQ(picture.at(vertex_x[v], vertex_y[v]), grey_rgb) << where;
            }
        }
    }
}

struct TreeLine {
    int screen, from, to;
    Rgb colour;
};

// The colour moves on only when a vertex is finished: five red lines down the first branch, then
// purple after three finishes and yellow after three more.
constexpr TreeLine tree_lines[] = {
    {3, 0, 1, red_rgb}, {4, 1, 4, red_rgb},     {5, 4, 3, red_rgb},     {6, 3, 5, red_rgb},
    {7, 5, 6, red_rgb}, {11, 4, 7, purple_rgb}, {15, 0, 2, yellow_rgb},
};

TEST(NumberingShow, TreeLinesAppearWithTheVertexTheyReachInTheColourOfTheirBranch) {
    ASSERT_EQ(show().steps.size(), std::size_t{screen_count});
    for (const TreeLine& line : tree_lines) {
        const std::string name = std::to_string(line.from) + "-" + std::to_string(line.to);
        EXPECT_EQ(middle_of_edge(screen_number(line.screen - 1), line.from, line.to), grey_rgb) << name;
        for (int s = line.screen; s <= screen_count; ++s)
            EXPECT_EQ(middle_of_edge(screen_number(s), line.from, line.to), line.colour) << name << " in screen " << s;
    }
}

TEST(NumberingShow, EdgesThatCloseACycleStayGrey) {
    ASSERT_EQ(show().steps.size(), std::size_t{screen_count});
    constexpr int cycle_edges[][2] = {{0, 5}, {0, 7}, {1, 7}, {3, 6}, {4, 6}};
    const Picture& last = screen_number(screen_count);
    for (const auto& edge : cycle_edges)
        EXPECT_EQ(middle_of_edge(last, edge[0], edge[1]), grey_rgb) << edge[0] << "-" << edge[1];
    // Nothing purple or yellow besides the two later branches: one line each.
    EXPECT_GT(last.count(purple_rgb), 0);
    EXPECT_EQ(screen_number(10).count(purple_rgb), 0);
    EXPECT_EQ(screen_number(14).count(yellow_rgb), 0);
}

TEST(NumberingShow, TreeLinesWidenWithTheDiscoveryCountNotTheDepth) {
    ASSERT_EQ(show().steps.size(), std::size_t{screen_count});
    const Picture& last = screen_number(screen_count);
    // A band of half-width h across an upright or level line is 2h + 1 pixels.
    EXPECT_EQ(run_across(last, 100, 300, true), 5) << "1-4, drawn with two vertices found";
    EXPECT_EQ(run_across(last, 200, 400, false), 5) << "4-3, drawn with three vertices found";
    EXPECT_EQ(run_across(last, 300, 40, false), 9) << "0-2, drawn with seven found, back at the root";
    // The grey graph underneath has half-width 1.
    EXPECT_EQ(run_across(last, 200, 120, true), 3) << "0-7 stays the grey line";
}

TEST(NumberingShow, EachDiscoveryAddsItsLabelToTheRow) {
    ASSERT_EQ(show().steps.size(), std::size_t{screen_count});
    // The screen in which the k-th vertex is found, for k = 1 to 8.
    constexpr int found_in[] = {2, 3, 4, 5, 6, 7, 11, 15};
    for (int k = 1; k <= 8; ++k) {
        const int left = 50 * k + 20 + 3;
        const int s = found_in[k - 1];
        EXPECT_EQ(black_in(screen_number(s - 1), left, 495, 40, 35), 0) << "label " << k << " too early";
        EXPECT_GT(black_in(screen_number(s), left, 495, 40, 35), 20) << "label " << k;
    }
    // Nothing is drawn on the labels' row besides the labels.
    EXPECT_EQ(black_in(screen_number(screen_count), 0, 480, 70, 120), 0);
    EXPECT_EQ(black_in(screen_number(screen_count), 480, 480, 320, 120), 0);
}

TEST(NumberingShow, LastScreenAddsNothing) {
    ASSERT_EQ(show().steps.size(), std::size_t{screen_count});
    const Picture& before = screen_number(screen_count - 1);
    const Picture& last = screen_number(screen_count);
    EXPECT_TRUE(before.pixels == last.pixels);
    // The one before it finished the root: the blue disc covers the end of the line to 2.
    EXPECT_EQ(screen_number(screen_count - 2).at(vertex_x[0], vertex_y[0]), yellow_rgb);
    EXPECT_EQ(last.at(vertex_x[0], vertex_y[0]), blue_rgb);
}

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

TEST(NumberingPredict, AsksBeforeEveryMoveButTheStartTheRootsFinishAndTheSummary) {
    ASSERT_EQ(predicted().run.exit_status, 0) << predicted().run.err;
    const auto questions = recorded_questions(predicted());
    ASSERT_EQ(questions.size(), 14u);
    for (std::size_t i = 0; i < questions.size(); ++i) EXPECT_EQ(questions[i].step, static_cast<int>(i) + 3);
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
        EXPECT_EQ(q.reason.rfind("Vertex " + q.answer + " is the first neighbour of " + std::to_string(from), 0), 0u)
            << q.reason;
        ++discovered;
    }
    EXPECT_EQ(discovered, 7);  // every vertex but the root
    EXPECT_EQ(gone_back, 7);   // every finish but the root's
}

}  // namespace
