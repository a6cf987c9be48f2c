// gridtrees: the breadth-first tree read back from its recorded picture against the lattice's
// distances, and each --predict answer against the tree it asks about. A tree edge is red at its
// midpoint, where no other band or disc reaches. The pictures themselves are the golden test's.
#include "recording.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <queue>
#include <vector>

namespace {

constexpr int side = 33;
constexpr int vertex_count = side * side;
constexpr int centre = 544;
constexpr Rgb lattice_blue{0, 0, 255};

int x_of(int v) { return 10 + 18 * (v % side); }
int y_of(int v) { return 10 + 18 * (v / side); }

// The lattice neighbours, each pair once: right and down.
std::vector<std::pair<int, int>> lattice_edges() {
    std::vector<std::pair<int, int>> edges;
    for (int v = 0; v < vertex_count; ++v) {
        if (v % side != side - 1) edges.push_back({v, v + 1});
        if (v / side != side - 1) edges.push_back({v, v + side});
    }
    return edges;
}

Rgb at_midpoint(const Picture& picture, const std::pair<int, int>& edge) {
    return picture.at((x_of(edge.first) + x_of(edge.second)) / 2,
                      (y_of(edge.first) + y_of(edge.second)) / 2);
}

// The red edges of a picture as neighbour lists; every other lattice edge must still be blue.
std::vector<std::vector<int>> red_tree(const Picture& picture, int& edge_count) {
    std::vector<std::vector<int>> tree(vertex_count);
    edge_count = 0;
    for (const auto& edge : lattice_edges()) {
        const Rgb colour = at_midpoint(picture, edge);
        if (colour == red_rgb) {
            tree[edge.first].push_back(edge.second);
            tree[edge.second].push_back(edge.first);
            ++edge_count;
        } else {
            EXPECT_EQ(colour, lattice_blue) << edge.first << "-" << edge.second;
        }
    }
    return tree;
}

// The show with --predict, whose pictures the golden test holds to be the plain show's.
const Recording& predicting() {
    static const Recording recording = record("gridtrees", "--predict");
    return recording;
}

// The breadth-first tree drawn spans the lattice, and its path to each vertex is as short as the
// lattice allows: the distance along the tree from the centre is the Manhattan distance.
TEST(GridTrees, BreadthFirstTreeReachesEveryVertexByAShortestPath) {
    ASSERT_EQ(predicting().steps.size(), 3u) << predicting().run.err;
    const Picture& picture = predicting().steps[2];
    int edge_count = 0;
    const auto tree = red_tree(picture, edge_count);
    EXPECT_EQ(edge_count, 1088);

    std::vector<int> distance(vertex_count, -1);
    std::queue<int> queue;
    distance[centre] = 0;
    queue.push(centre);
    while (!queue.empty()) {
        const int u = queue.front();
        queue.pop();
        for (int w : tree[u]) {
            if (distance[w] >= 0) continue;
            distance[w] = distance[u] + 1;
            queue.push(w);
        }
    }
    for (int v = 0; v < vertex_count; ++v)
        EXPECT_EQ(distance[v], std::abs(v % side - 16) + std::abs(v / side - 16)) << "vertex " << v;
}

// ---- --predict: a question before each growing tree -----------------------------------------

// Tree distances from `from` along the red tree of a picture.
std::vector<int> along_tree(const std::vector<std::vector<int>>& tree, int from) {
    std::vector<int> distance(vertex_count, -1);
    std::queue<int> queue;
    distance[from] = 0;
    queue.push(from);
    while (!queue.empty()) {
        const int u = queue.front();
        queue.pop();
        for (int w : tree[u])
            if (distance[w] < 0) {
                distance[w] = distance[u] + 1;
                queue.push(w);
            }
    }
    return distance;
}

// The number written after `word` in a question ("vertex 543", "edge 543-510" gives 543).
int number_after(const std::string& text, const std::string& word) {
    const std::size_t at = text.find(word);
    return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + word.size());
}

// Each question comes before the stage that grows its tree, and the finished tree in the picture
// answers it: a path without branches and the tree path to a named vertex for the depth-first
// tree; for the breadth-first tree the path to the top-left corner, whether each of two named
// lattice edges is red, and how many vertices lie that many tree edges from the centre.
TEST(GridTreesPredict, EachTreeIsAskedAboutBeforeItGrowsAndItsPictureAgreesWithTheAnswer) {
    const Recording& shown = predicting();
    ASSERT_EQ(shown.steps.size(), 3u) << shown.run.err;
    const std::vector<RecordedQuestion> questions = recorded_questions(shown);
    ASSERT_EQ(questions.size(), 6u);
    for (std::size_t q = 0; q < questions.size(); ++q) EXPECT_EQ(questions[q].step, q < 2 ? 2 : 3) << q;

    EXPECT_NE(questions[0].text.find("depth-first"), std::string::npos) << questions[0].text;
    int edge_count = 0;
    const auto depth_first = red_tree(shown.steps[1], edge_count);
    std::size_t most_branches = 0;
    for (const auto& neighbours : depth_first) most_branches = std::max(most_branches, neighbours.size());
    EXPECT_EQ(questions[0].answer, most_branches <= 2 && edge_count == vertex_count - 1 ? "yes" : "no");
    EXPECT_NE(questions[0].reason.find(std::to_string(edge_count) + " edges"), std::string::npos) << questions[0].reason;

    const int path_end = number_after(questions[1].text, "to vertex ");
    ASSERT_GE(path_end, 0) << questions[1].text;
    const int along_depth_first = along_tree(depth_first, centre)[path_end];
    EXPECT_GT(along_depth_first, std::abs(path_end % side - 16) + std::abs(path_end / side - 16));
    EXPECT_EQ(questions[1].answer, std::to_string(along_depth_first));

    EXPECT_NE(questions[2].text.find("breadth-first"), std::string::npos) << questions[2].text;
    const auto breadth_first = red_tree(shown.steps[2], edge_count);
    const std::vector<int> level = along_tree(breadth_first, centre);
    EXPECT_EQ(level[0], 32);
    EXPECT_EQ(questions[2].answer, std::to_string(level[0]));

    // The two edges share an end, and only one of them can be its tree edge: one yes, one no.
    std::vector<std::string> edge_answers;
    for (int q : {3, 4}) {
        const int from = number_after(questions[q].text, "edge ");
        const int to = number_after(questions[q].text, std::to_string(from) + "-");
        ASSERT_TRUE(from >= 0 && to >= 0) << questions[q].text;
        const auto& ends = breadth_first[to];
        const bool red = std::find(ends.begin(), ends.end(), from) != ends.end();
        EXPECT_EQ(questions[q].answer, red ? "yes" : "no") << questions[q].text;
        edge_answers.push_back(questions[q].answer);
    }
    EXPECT_NE(edge_answers[0], edge_answers[1]);

    const int asked_level = number_after(questions[5].text, "level ");
    ASSERT_GT(asked_level, 16) << questions[5].text;  // past the sides, where the diamond is cut
    EXPECT_EQ(questions[5].answer, std::to_string(std::count(level.begin(), level.end(), asked_level)));
}

}  // namespace
