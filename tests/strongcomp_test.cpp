// strongcomp: the two passes on their own, the arc arrow against the kit's far arrow, and each
// --predict answer against the pass's own picture. The pictures themselves are the golden test's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <cstring>
#include <vector>

#include "edge_arrow.h"
#include "kit.h"
#include "recording.h"
#include "two_passes.h"

namespace {

constexpr int arcs = 14;
constexpr int arc_list[arcs][2] = {{0, 4}, {1, 0}, {2, 1}, {2, 3}, {3, 6}, {4, 1}, {5, 1},
                                   {5, 2}, {5, 4}, {5, 6}, {6, 2}, {6, 5}, {7, 3}, {7, 6}};
constexpr int expected_finish[vertex_count] = {2, 0, 6, 5, 1, 3, 4, 7};
constexpr int expected_order[vertex_count] = {7, 2, 3, 6, 5, 0, 4, 1};

// An offscreen stand-in for the window, with the program's palette and freshly zeroed state.
class StrongcompPasses : public ::testing::Test {
protected:
    void SetUp() override {
        screen = SDL_CreateRGBSurface(SDL_SWSURFACE, screen_width, screen_height, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        ASSERT_NE(screen, nullptr);
        clear();
        const Uint32 colours[] = {0x000000, 0xFF0000, 0x00FA00, 0x0000FA, 0xFFFF00, 0xC8C8C8};
        for (int slot = black; slot <= grey; ++slot) palette[slot] = colours[slot];
        std::memset(degree, 0, sizeof degree);
        std::memset(transposed_degree, 0, sizeof transposed_degree);
        std::memset(visited, 0, sizeof visited);
        finish_clock = 0;
        component_number = 1;
        set_up_digraph();
        build_transposed();
    }
    void TearDown() override {
        SDL_FreeSurface(screen);
        screen = nullptr;
    }
    void clear() { SDL_FillRect(screen, nullptr, 0xFFFFFF); }
    std::vector<Uint32> pixels() const {
        const Uint32* p = static_cast<const Uint32*>(screen->pixels);
        return std::vector<Uint32>(p, p + screen_width * screen_height);
    }
    void run_first_pass() {
        for (int i = 0; i < vertex_count; ++i)
            if (visited[i] == 0) first_pass(i);
        order_by_finish();
    }
};

TEST_F(StrongcompPasses, TransposedListsHoldEveryArcReversedInTailOrder) {
    const std::vector<std::vector<int>> expected = {{1}, {2, 4, 5}, {5, 6}, {2, 7}, {0, 5}, {6}, {3, 5, 7}, {}};
    for (int v = 0; v < vertex_count; ++v)
        EXPECT_EQ(std::vector<int>(transposed[v], transposed[v] + transposed_degree[v]), expected[v]) << v;
}

TEST_F(StrongcompPasses, FirstPassHandsOutFinishingTimesFromZeroAndOrdersByThemDecreasing) {
    run_first_pass();
    EXPECT_EQ(std::vector<int>(finish_time, finish_time + vertex_count),
              std::vector<int>(expected_finish, expected_finish + vertex_count));
    EXPECT_EQ(std::vector<int>(finish_order, finish_order + vertex_count),
              std::vector<int>(expected_order, expected_order + vertex_count));
}

TEST_F(StrongcompPasses, SecondPassColoursThreeComponentsInTheOrderFound) {
    run_first_pass();
    std::memset(visited, 0, sizeof visited);
    for (int k = 0; k < vertex_count; ++k)
        if (visited[finish_order[k]] == 0) {
            second_pass(finish_order[k]);
            component_number += 1;
        }
    EXPECT_EQ(component_number, 4);
    const int slot_of[vertex_count] = {blue, blue, green, green, blue, green, green, red};
    for (int v = 0; v < vertex_count; ++v) EXPECT_EQ(component_colour[v], palette[slot_of[v]]) << v;
}

TEST(StrongcompColours, LaterComponentsStartAgainFromTheFirstColour) {
    for (int n = 1; n <= component_colour_count; ++n) EXPECT_EQ(component_slot(n), n);
    EXPECT_EQ(component_slot(6), red);
    EXPECT_EQ(component_slot(8), blue);
}

TEST_F(StrongcompPasses, ArcArrowHasTheGeometryOfTheKitsFarArrow) {
    const int ends[][4] = {{50, 50, 50, 200}, {500, 50, 350, 200}, {350, 200, 200, 200}, {10, 500, 733, 21}};
    for (const auto& e : ends) {
        draw_edge_arrow(e[0], e[1], e[2], e[3], 0);
        const std::vector<Uint32> ours = pixels();
        clear();
        draw_arrow_far(e[0], e[1], e[2], e[3], 0);
        EXPECT_TRUE(ours == pixels()) << e[0] << "," << e[1] << " -> " << e[2] << "," << e[3];
        clear();
    }
}

TEST_F(StrongcompPasses, ZeroLengthArcIsALoopWithItsHeadOnTheFarSide) {
    draw_edge_arrow(100, 100, 100, 100, 0);
    const int on[][2] = {{100, 100}, {110, 90}, {110, 110}, {120, 100}, {123, 94}, {115, 95}};
    for (const auto& p : on) EXPECT_EQ(get_pixel(p[0], p[1]), 0u) << p[0] << "," << p[1];
    EXPECT_NE(get_pixel(110, 100), 0u);
    int inked = 0;
    for (int y = 0; y < screen_height; ++y)
        for (int x = 0; x < screen_width; ++x)
            if (get_pixel(x, y) == 0) {
                ++inked;
                EXPECT_TRUE(x >= 100 && x <= 123 && y >= 90 && y <= 110) << x << "," << y;
            }
    EXPECT_GT(inked, 40);
}

// ---- The recorded show with --predict -------------------------------------------------------------

struct Centre {
    int x, y;
};
Centre centre(int v) { return {(v % 4) * 150 + 50, (v / 4) * 150 + 50}; }

Rgb middle(const Picture& p, int a, int b) {
    return p.at((centre(a).x + centre(b).x) / 2, (centre(a).y + centre(b).y) / 2);
}

// The questions before each pass's picture, each answered by that picture.
class StrongcompPredict : public ::testing::Test {
protected:
    static void SetUpTestSuite() { predicted = new Recording(record("strongcomp", "--predict")); }
    static void TearDownTestSuite() { delete predicted; }
    static Recording* predicted;
};
Recording* StrongcompPredict::predicted = nullptr;

// The vertex with finishing time 0, at the end of the red path down from 0 that the reason names.
TEST_F(StrongcompPredict, FirstToFinishEndsTheRedPathDownFromTheStart) {
    ASSERT_EQ(predicted->steps.size(), 6u) << predicted->run.err;
    const auto questions = recorded_questions(*predicted);
    ASSERT_EQ(questions.size(), 7u);
    const RecordedQuestion& q = questions[0];
    const int first = std::stoi(q.answer);
    EXPECT_EQ(expected_finish[first], 0);
    const std::string opening = "the pass goes down ";
    const std::size_t at = q.reason.find(opening);
    ASSERT_NE(at, std::string::npos) << q.reason;
    std::vector<int> path;
    for (const char* c = q.reason.c_str() + at + opening.size();; c += 2) {
        char* end = nullptr;
        path.push_back(static_cast<int>(std::strtol(c, &end, 10)));
        c = end;
        if (std::strncmp(c, "->", 2) != 0) break;
    }
    ASSERT_GE(path.size(), 2u) << q.reason;
    EXPECT_EQ(path.front(), 0);
    EXPECT_EQ(path.back(), first);
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        EXPECT_EQ(middle(predicted->steps.at(0), path[i], path[i + 1]), black_rgb) << path[i] << "->" << path[i + 1];
        EXPECT_EQ(middle(predicted->steps.at(1), path[i], path[i + 1]), red_rgb) << path[i] << "->" << path[i + 1];
    }
    // Every arc out of it leads back onto the path.
    for (const auto& arc : arc_list)
        if (arc[0] == first) {
            EXPECT_NE(std::find(path.begin(), path.end(), arc[1]), path.end()) << arc[1];
        }
}

// A finishing time and the last to finish, asked from the bare digraph, are the labels "(v t)" of
// the first pass's picture: here against the pass run on its own.
TEST_F(StrongcompPredict, FinishingTimesAskedAreThoseOfTheFirstPass) {
    const auto questions = recorded_questions(*predicted);
    ASSERT_EQ(questions.size(), 7u);
    int asked = 0;
    for (const RecordedQuestion& q : questions) {
        int v = -1;
        if (std::sscanf(q.text.c_str(), "What finishing time does the first pass give vertex %d?", &v) == 1) {
            EXPECT_EQ(q.step, 2);
            EXPECT_EQ(q.answer, std::to_string(expected_finish[v]));
            EXPECT_NE(expected_finish[v], 0);
            EXPECT_NE(expected_finish[v], vertex_count - 1);
            asked += 1;
        } else if (q.text.find("finishes last") != std::string::npos) {
            EXPECT_EQ(q.step, 2);
            EXPECT_EQ(q.answer, std::to_string(expected_order[0]));
            asked += 1;
        }
    }
    EXPECT_EQ(asked, 2);
    for (int v = 0; v < vertex_count; ++v) EXPECT_EQ(predicted->steps.at(0).at(centre(v).x, centre(v).y), black_rgb) << v;
}

// The component questions are asked from the uncoloured reversed digraph; the second pass's colours
// answer them: the set is the vertices in the asked vertex's colour, the count the colours, and the
// pair shares a colour exactly when the answer is yes, one pair yes and one no.
TEST_F(StrongcompPredict, ComponentQuestionsAreAnsweredByTheSecondPassColours) {
    ASSERT_EQ(predicted->steps.size(), 6u) << predicted->run.err;
    const auto questions = recorded_questions(*predicted);
    ASSERT_EQ(questions.size(), 7u);
    const Picture& uncoloured = predicted->steps.at(2);
    const Picture& coloured = predicted->steps.at(3);
    std::vector<Rgb> colours;
    for (int v = 0; v < vertex_count; ++v) {
        EXPECT_NE(uncoloured.at(centre(v).x, centre(v).y), red_rgb) << v;
        const Rgb c = coloured.at(centre(v).x, centre(v).y);
        if (std::find(colours.begin(), colours.end(), c) == colours.end()) colours.push_back(c);
    }
    auto same = [&](int u, int v) {
        return coloured.at(centre(u).x, centre(u).y) == coloured.at(centre(v).x, centre(v).y);
    };
    int checked = 0, yes = 0, no = 0;
    for (const RecordedQuestion& q : questions) {
        int u = -1, w = -1;
        if (std::sscanf(q.text.c_str(), "Which vertices form the strongly connected component of vertex %d", &u) == 1) {
            std::vector<int> members;
            for (int v = 0; v < vertex_count; ++v)
                if (same(u, v)) members.push_back(v);
            std::string said;
            for (std::size_t i = 0; i < members.size(); ++i)
                said += (i == 0 ? "" : i + 1 == members.size() ? " and " : ", ") + std::to_string(members[i]);
            EXPECT_EQ(q.answer, said);
            EXPECT_GE(members.size(), 2u);
            checked += 1;
        } else if (q.text.find("How many strongly connected components") != std::string::npos) {
            EXPECT_EQ(q.answer, std::to_string(colours.size()));
            checked += 1;
        } else if (std::sscanf(q.text.c_str(), "Do vertices %d and %d lie in one strongly connected component?", &u, &w) == 2) {
            EXPECT_EQ(q.answer, same(u, w) ? "yes" : "no") << q.text;
            (q.answer == "yes" ? yes : no) += 1;
            checked += 1;
        } else {
            continue;
        }
        EXPECT_EQ(q.step, 4) << q.text;
    }
    EXPECT_EQ(checked, 4);
    EXPECT_EQ(yes, 1);
    EXPECT_EQ(no, 1);
}

}  // namespace
