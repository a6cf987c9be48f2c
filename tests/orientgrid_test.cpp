// orientgrid: the grid and the numbering tables on their own, then each --predict answer against the
// red arrow heads of the step it comes before. The pictures themselves are the golden test's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <set>
#include <utility>
#include <vector>

#include "grid_search.h"
#include "kit.h"
#include "recording.h"

namespace {

using Edge = std::pair<int, int>;  // directed as the finished orientation has it

// The 19 tree edges, parent to child, then the 9 others, larger number to smaller.
const std::vector<Edge> tree_edges = {{0, 1},  {6, 2},   {2, 3},   {5, 4},   {1, 5},  {10, 6}, {3, 7},
                                      {4, 8},  {8, 9},   {14, 10}, {7, 11},  {13, 12}, {9, 13}, {13, 14},
                                      {11, 15}, {12, 16}, {16, 17}, {19, 18}, {15, 19}};
const std::vector<Edge> other_edges = {{4, 0}, {6, 5}, {7, 6}, {9, 5}, {11, 10}, {12, 8}, {15, 14}, {17, 13}, {18, 14}};

TEST(OrientgridSearch, GridHoldsItsTwentyEightEdgesBothWaysAndNothingElse) {
    build_grid();
    std::set<Edge> expected;
    for (const auto& edges : {tree_edges, other_edges})
        for (const Edge& e : edges) expected.insert({std::min(e.first, e.second), std::max(e.first, e.second)});
    ASSERT_EQ(expected.size(), 28u);
    for (int i = 0; i < vertex_count; ++i)
        for (int j = 0; j < vertex_count; ++j) {
            const int want = i == j ? self : expected.count({std::min(i, j), std::max(i, j)}) ? arc : no_arc;
            EXPECT_EQ(adjacency[i][j], want) << i << "," << j;
        }
}

TEST(OrientgridSearch, NumberingFromOneFollowsLowestNeighbourFirst) {
    build_grid();
    std::fill(dfs_number, dfs_number + vertex_count, 0);
    std::fill(parent, parent + vertex_count, 0);
    next_number = 1;
    number_vertices(0);
    const std::vector<int> numbers = {1, 2, 14, 15, 4, 3, 13, 16, 5, 6, 12, 17, 8, 7, 11, 18, 9, 10, 20, 19};
    const std::vector<int> parents = {0, 0, 6, 2, 5, 1, 10, 3, 4, 8, 14, 7, 13, 9, 13, 11, 12, 16, 19, 15};
    EXPECT_EQ(std::vector<int>(dfs_number, dfs_number + vertex_count), numbers);
    EXPECT_EQ(std::vector<int>(parent, parent + vertex_count), parents);
    EXPECT_EQ(next_number, 21);
}

// ---- The recorded show with --predict ---------------------------------------------------------

int centre_x(int v) { return (v % 4) * 100 + 50; }
int centre_y(int v) { return (v / 4) * 100 + 100; }

// The two points beside the shaft, 63 pixels from the tail and 4 to either side, that only a head
// of this direction covers: its strokes leave the head point (70 along) at 30 degrees.
bool red_head(const Picture& p, int a, int b) {
    const int dx = (centre_x(b) - centre_x(a)) / 100, dy = (centre_y(b) - centre_y(a)) / 100;
    const int x = centre_x(a) + 63 * dx, y = centre_y(a) + 63 * dy;
    return p.at(x + 4 * dy, y - 4 * dx) == red_rgb && p.at(x - 4 * dy, y + 4 * dx) == red_rgb;
}

// --predict: before each orienting step, the end an arrow will point at (and, before the back
// edges, a yes/no pair on which way two of them point), each against the red heads of the step it
// comes before. The questions asked before the numbers are drawn are checked on many graphs by
// tests/checks/orientgrid.js against a numbering search of its own.
class OrientgridPredict : public ::testing::Test {
protected:
    static void SetUpTestSuite() { predicted = new Recording(record("orientgrid", "--predict")); }
    static void TearDownTestSuite() { delete predicted; }
    static Recording* predicted;
};
Recording* OrientgridPredict::predicted = nullptr;

TEST_F(OrientgridPredict, EachArrowAnswerIsTheEndTheNewRedHeadPointsAt) {
    ASSERT_EQ(predicted->run.exit_status, 0) << predicted->run.err;
    ASSERT_EQ(predicted->steps.size(), 4u);
    const auto questions = recorded_questions(*predicted);
    ASSERT_EQ(questions.size(), 7u);
    int arrows = 0, yes = 0, no = 0;
    for (const RecordedQuestion& q : questions) {
        int a = -1, b = -1, tail = -1, head = -1;
        if (std::sscanf(q.text.c_str(), "Which vertex will the arrow on edge %d-%d point to?", &a, &b) == 2) {
            const int to = std::stoi(q.answer), from = to == a ? b : a;
            ASSERT_TRUE(to == a || to == b) << q.answer << " is not an end of " << a << "-" << b;
            tail = from;
            head = to;
            // The first is a tree edge, the second one of the others.
            EXPECT_EQ(q.step, arrows == 0 ? 3 : 4);
            const auto& kind = arrows == 0 ? tree_edges : other_edges;
            EXPECT_NE(std::find(kind.begin(), kind.end(), Edge{from, to}), kind.end()) << from << "->" << to;
            arrows += 1;
        } else if (std::sscanf(q.text.c_str(), "Will the arrow on back edge %d-%d point from %d to %d?", &a, &b, &tail,
                               &head) == 4) {
            EXPECT_EQ(q.step, 4);
            if (q.answer == "no") std::swap(tail, head);
            (q.answer == "yes" ? yes : no) += 1;
        } else {
            continue;
        }
        const Picture& before = predicted->steps.at(q.step - 2);
        const Picture& after = predicted->steps.at(q.step - 1);
        EXPECT_FALSE(red_head(before, tail, head) || red_head(before, head, tail)) << q.text << " directed too early";
        EXPECT_TRUE(red_head(after, tail, head)) << tail << "->" << head;
        EXPECT_FALSE(red_head(after, head, tail)) << head << "->" << tail;
    }
    EXPECT_EQ(arrows, 2);
    EXPECT_EQ(yes, 1);
    EXPECT_EQ(no, 1);
}

}  // namespace
