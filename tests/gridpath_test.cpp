// gridpath: the random lattice graph and the search driven directly on a dummy screen, checked
// against an ordinary breadth-first search, and the recorded final picture of the same seeds.
#include "grid_search.h"
#include "recording.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <queue>
#include <string>
#include <vector>

namespace {

using namespace gridpath;
using Graph = std::vector<std::vector<int>>;

// Builds the graph of a seed with the same random_number() sequence that `gridpath --seed N` draws.
Graph graph_of_seed(unsigned int seed) {
    seed_random(seed);
    build_graph();
    Graph graph(vertex_count);
    for (int v = 0; v < vertex_count; ++v) {
        const int* row = neighbour_row(v);
        for (int k = 0; row[k] != NIL; ++k) {
            graph[v].push_back(row[k]);
            if (k > 8) {
                ADD_FAILURE() << "row " << v << " has no NIL after eight neighbours";
                break;
            }
        }
    }
    return graph;
}

struct Search {
    std::vector<int> distance, parent;
};

Search ordinary_search(const Graph& graph, int start) {
    Search search{std::vector<int>(vertex_count, -1), std::vector<int>(vertex_count, NIL)};
    std::queue<int> queue;
    search.distance[start] = 0;
    queue.push(start);
    while (!queue.empty()) {
        const int u = queue.front();
        queue.pop();
        for (int w : graph[u]) {
            if (search.distance[w] >= 0) continue;
            search.distance[w] = search.distance[u] + 1;
            search.parent[w] = u;
            queue.push(w);
        }
    }
    return search;
}

// The first seed from 1 on whose corner 1599 is (or is not) reachable from 0.
unsigned int seed_where_corner_reached(bool reached) {
    for (unsigned int seed = 1;; ++seed)
        if ((ordinary_search(graph_of_seed(seed), 0).distance[vertex_count - 1] >= 0) == reached)
            return seed;
}

class GridPath : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        screen = SDL_SetVideoMode(screen_width, screen_height, 32, SDL_SWSURFACE);
        ASSERT_NE(screen, nullptr) << SDL_GetError();
        map_colours();
        use_line_routine(LineRoutine::unclipped);
    }
    static void TearDownTestSuite() { SDL_Quit(); }
};

TEST_F(GridPath, EdgesJoinOnlyLatticeNeighboursAndStandInBothAscendingRows) {
    for (unsigned int seed = 1; seed <= 5; ++seed) {
        const Graph graph = graph_of_seed(seed);
        int kinds[4] = {};  // right, down-left, down, down-right
        for (int v = 0; v < vertex_count; ++v) {
            for (std::size_t k = 0; k < graph[v].size(); ++k) {
                const int w = graph[v][k];
                if (k > 0) {
                    EXPECT_LT(graph[v][k - 1], w) << "row " << v;
                }
                const int column_step = w % columns - v % columns,
                          row_step = w / columns - v / columns;
                EXPECT_TRUE(std::abs(column_step) <= 1 && std::abs(row_step) <= 1 && w != v)
                    << v << "-" << w;
                int mirrors = 0;
                for (int u : graph[w]) mirrors += u == v;
                EXPECT_EQ(mirrors, 1) << v << "-" << w;
                if (w == v + 1) ++kinds[0];
                if (w == v + columns - 1) ++kinds[1];
                if (w == v + columns) ++kinds[2];
                if (w == v + columns + 1) ++kinds[3];
            }
        }
        // Each kind is a fair coin per possible edge (about 1500 each): a kind that never or
        // always appears was drawn from the wrong cell.
        for (int count : kinds) {
            EXPECT_GT(count, 600) << "seed " << seed;
            EXPECT_LT(count, 900) << "seed " << seed;
        }
    }
}

TEST_F(GridPath, FixedCellsCutVertex20AndJoinOnlyVertex1ToTheStart) {
    for (unsigned int seed = 1; seed <= 20; ++seed) {
        const Graph graph = graph_of_seed(seed);
        EXPECT_TRUE(graph[20].empty()) << "seed " << seed;
        EXPECT_EQ(graph[0], std::vector<int>{1}) << "seed " << seed;
        for (int top : {10, 30}) {
            for (int w : graph[top])
                EXPECT_EQ(w / columns, 1) << top << "-" << w << ", seed " << seed;
        }
    }
}

TEST_F(GridPath, SearchAndPathAgreeWithAnOrdinaryBreadthFirstSearch) {
    for (unsigned int seed :
         {seed_where_corner_reached(true), seed_where_corner_reached(false), 7u, 8u}) {
        const Search expected = ordinary_search(graph_of_seed(seed), 0);
        breadth_first_search(0);
        for (int v = 0; v < vertex_count; ++v)
            ASSERT_EQ(parent_of(v), expected.parent[v]) << v << ", seed " << seed;

        draw_path(0, vertex_count - 1);
        const int target = vertex_count - 1;
        ASSERT_EQ(found_path_length(), expected.distance[target] + 1) << "seed " << seed;
        if (found_path_length() == 0) continue;
        EXPECT_EQ(path_vertex(0), 0);
        EXPECT_EQ(path_vertex(found_path_length() - 1), target);
        for (int k = 0; k + 1 < found_path_length(); ++k)
            EXPECT_EQ(parent_of(path_vertex(k + 1)), path_vertex(k)) << "seed " << seed;
    }
}

TEST_F(GridPath, FinalPictureShowsReachedVerticesRedUnreachedBlackAndThePathBlue) {
    const unsigned int seed = seed_where_corner_reached(true);
    const Search search = ordinary_search(graph_of_seed(seed), 0);
    const Recording recording = record("gridpath", "--seed " + std::to_string(seed));
    EXPECT_EQ(recording.run.exit_status, 0) << recording.run.err;
    ASSERT_EQ(recording.steps.size(), 1u);
    const Picture& picture = recording.steps[0];

    std::vector<bool> on_path(vertex_count);
    for (int v = vertex_count - 1; v != NIL; v = search.parent[v]) on_path[v] = true;
    for (int v = 0; v < vertex_count; ++v) {
        const Rgb expected = on_path[v] ? blue_rgb : search.distance[v] >= 0 ? red_rgb : black_rgb;
        EXPECT_EQ(picture.at(vertex_x(v), vertex_y(v)), expected) << "vertex " << v;
    }
    EXPECT_EQ(picture.at(vertex_x(20), vertex_y(20)), black_rgb);
    // Halfway between two consecutive path vertices lies on the blue band.
    for (int v = vertex_count - 1; search.parent[v] != NIL; v = search.parent[v]) {
        const int u = search.parent[v];
        EXPECT_EQ(picture.at((vertex_x(u) + vertex_x(v)) / 2, (vertex_y(u) + vertex_y(v)) / 2),
                  blue_rgb);
    }
    EXPECT_EQ(picture.count(green_rgb), 0);
}

// --predict: first whether the far corner is reached, answered by the finished picture (the blue
// path, or the green marker) and by an ordinary search of the same seed; then whether another named
// vertex is reached (the other answer), the levels of named vertices, the size of level 2 and the
// path's length, each what the ordinary search gives.
TEST_F(GridPath, PredictAsksWhetherTheFarCornerIsReachedAndThePictureAgrees) {
    for (bool reached : {true, false}) {
        const unsigned int seed = seed_where_corner_reached(reached);
        const Search search = ordinary_search(graph_of_seed(seed), 0);
        const Recording recording = record("gridpath", "--predict --seed " + std::to_string(seed));
        ASSERT_EQ(recording.steps.size(), 1u) << recording.run.err;
        const std::vector<RecordedQuestion> questions = recorded_questions(recording);
        ASSERT_GE(questions.size(), 5u) << "seed " << seed;
        ASSERT_LE(questions.size(), 8u) << "seed " << seed;
        int v = -1;
        ASSERT_EQ(std::sscanf(questions[1].text.c_str(), "Will it reach vertex %d", &v), 1) << questions[1].text;
        EXPECT_EQ(questions[1].answer, search.distance[v] >= 0 ? "yes" : "no") << questions[1].text;
        EXPECT_NE(questions[1].answer, questions[0].answer) << "seed " << seed << ": one guess answers both";
        int levels_asked = 0;
        for (const RecordedQuestion& question : questions) {
            EXPECT_EQ(question.step, 1);
            if (std::sscanf(question.text.c_str(), "On which level will the search discover vertex %d", &v) == 1) {
                ++levels_asked;
                EXPECT_EQ(question.answer, std::to_string(search.distance[v])) << question.text;
            } else if (question.text.rfind("How many vertices will level 2", 0) == 0) {
                int on_two = 0;
                for (int d : search.distance) on_two += d == 2;
                EXPECT_EQ(question.answer, std::to_string(on_two)) << "seed " << seed;
            } else if (question.text.rfind("How many edges will the path", 0) == 0) {
                EXPECT_TRUE(reached) << "no path to ask about";
                EXPECT_EQ(question.answer, std::to_string(search.distance[vertex_count - 1])) << "seed " << seed;
            }
        }
        EXPECT_EQ(levels_asked, 2) << "seed " << seed;
        EXPECT_NE(questions[0].text.find("bottom-right corner, vertex 1599?"), std::string::npos) << questions[0].text;

        const Picture& picture = recording.steps[0];
        const bool path_drawn = picture.count(blue_rgb) > 10;  // more than the two end rings
        const bool marked_unreached = picture.at(10, 10) == green_rgb;
        EXPECT_NE(path_drawn, marked_unreached) << "seed " << seed;
        EXPECT_EQ(questions[0].answer, path_drawn ? "yes" : "no") << "seed " << seed;
        const int distance = search.distance[vertex_count - 1];
        if (reached) {
            EXPECT_NE(questions[0].reason.find("has " + std::to_string(distance) + " edges"), std::string::npos)
                << questions[0].reason;
        } else {
            int reachable = 0;
            for (int d : search.distance) reachable += d >= 0;
            EXPECT_NE(questions[0].reason.find("reached " + std::to_string(reachable) + " of the 1600"),
                      std::string::npos)
                << questions[0].reason;
        }
    }
}

}  // namespace
