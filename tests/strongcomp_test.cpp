// strongcomp: the two passes on their own, the arc arrow against the kit's far arrow, and the six
// recorded screens.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

Rgb rgb_of(Uint32 pixel) { return {Uint8(pixel >> 16), Uint8(pixel >> 8), Uint8(pixel)}; }

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

// ---- The recorded show -------------------------------------------------------------------------

class StrongcompScreens : public ::testing::Test {
protected:
    static void SetUpTestSuite() { show = new Recording(record("strongcomp")); }
    static void TearDownTestSuite() { delete show; }
    static const Picture& step(int n) { return show->steps.at(n - 1); }
    static Recording* show;
};
Recording* StrongcompScreens::show = nullptr;

struct Centre {
    int x, y;
};
Centre centre(int v) { return {(v % 4) * 150 + 50, (v / 4) * 150 + 50}; }

bool ink_near(const Picture& p, double x, double y, Rgb colour) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (p.at(int(std::lround(x)) + dx, int(std::lround(y)) + dy) == colour) return true;
    return false;
}

// Whether the arc from a to b shows its head: the two stroke ends, 10 pixels back from the point
// seven tenths of the way, 30 degrees either side.
bool head_shown(const Picture& p, int a, int b) {
    const double ax = centre(a).x, ay = centre(a).y, bx = centre(b).x, by = centre(b).y;
    const double length = std::hypot(bx - ax, by - ay), dx = (bx - ax) / length, dy = (by - ay) / length;
    const double hx = 0.3 * ax + 0.7 * bx, hy = 0.3 * ay + 0.7 * by, c = 10 * std::cos(M_PI / 6), s = 5;
    return ink_near(p, hx - c * dx + s * dy, hy - c * dy - s * dx, black_rgb) &&
           ink_near(p, hx - c * dx - s * dy, hy - c * dy + s * dx, black_rgb);
}

bool is_arc(int a, int b) {
    for (const auto& arc : arc_list)
        if (arc[0] == a && arc[1] == b) return true;
    return false;
}

Rgb middle(const Picture& p, int a, int b) {
    return p.at((centre(a).x + centre(b).x) / 2, (centre(a).y + centre(b).y) / 2);
}

TEST_F(StrongcompScreens, SixScreensThenExitsCleanly) {
    EXPECT_EQ(show->run.exit_status, 0) << show->run.err;
    ASSERT_EQ(show->steps.size(), 6u);
}

TEST_F(StrongcompScreens, DigraphPointsEachArcAtItsHeadAndIsRedrawnOnScreenFive) {
    ASSERT_EQ(show->steps.size(), 6u);
    for (const auto& arc : arc_list) {
        EXPECT_TRUE(head_shown(step(1), arc[0], arc[1])) << arc[0] << "->" << arc[1];
        if (!is_arc(arc[1], arc[0])) {
            EXPECT_FALSE(head_shown(step(1), arc[1], arc[0])) << arc[1] << "->" << arc[0];
        }
    }
    EXPECT_EQ(step(1).count(red_rgb), 0);
    EXPECT_TRUE(step(5).pixels == step(1).pixels);
}

TEST_F(StrongcompScreens, FirstPassTreeIsRedAndItsTimesAndOrderAreLabelledBelow) {
    ASSERT_EQ(show->steps.size(), 6u);
    const Picture& p = step(2);
    for (int v = 0; v < vertex_count; ++v) EXPECT_EQ(p.at(centre(v).x + 5, centre(v).y), red_rgb) << v;
    const int tree[][2] = {{0, 4}, {4, 1}, {2, 3}, {3, 6}, {6, 5}};
    for (const auto& e : tree) EXPECT_EQ(middle(p, e[0], e[1]), red_rgb) << e[0] << "->" << e[1];
    for (const auto& e : {std::make_pair(2, 1), {5, 2}, {7, 3}, {7, 6}, {6, 2}, {1, 0}})
        EXPECT_EQ(middle(p, e.first, e.second), black_rgb) << e.first << "->" << e.second;

    // The rows below the drawing hold nothing but the two rows of labels.
    screen = SDL_CreateRGBSurface(SDL_SWSURFACE, screen_width, screen_height, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(screen, nullptr, 0xFFFFFF);
    open_labels(25);
    for (int i = 0; i < vertex_count; ++i) {
        draw_label(30 + 60 * i, 400, " (%d %d)", i, expected_finish[i]);
        draw_label(30 + 60 * i, 450, "%d", expected_order[i]);
    }
    close_labels();
    int differing = 0;
    for (int y = 300; y < screen_height; ++y)
        for (int x = 0; x < screen_width; ++x) differing += rgb_of(get_pixel(x, y)) != p.at(x, y);
    SDL_FreeSurface(screen);
    screen = nullptr;
    EXPECT_EQ(differing, 0);
}

TEST_F(StrongcompScreens, TransposedDigraphIsFreshAndReversesEveryArc) {
    ASSERT_EQ(show->steps.size(), 6u);
    const Picture& p = step(3);
    EXPECT_EQ(p.count(red_rgb), 0);
    // No vertex numbers: the box up and to the left of each vertex, where screen 1 has its digit.
    for (int v = 0; v < vertex_count; ++v) {
        int inked = 0;
        for (int y = centre(v).y - 30; y < centre(v).y - 10; ++y)
            for (int x = centre(v).x - 21; x < centre(v).x - 4; ++x) inked += p.at(x, y) == black_rgb;
        EXPECT_EQ(inked, 0) << v;
    }
    for (const auto& arc : arc_list) {
        EXPECT_TRUE(head_shown(p, arc[1], arc[0])) << arc[1] << "->" << arc[0];
        if (!is_arc(arc[1], arc[0])) {
            EXPECT_FALSE(head_shown(p, arc[0], arc[1])) << arc[0] << "->" << arc[1];
        }
    }
}

TEST_F(StrongcompScreens, SecondPassGrowsOneColouredTreePerComponent) {
    ASSERT_EQ(show->steps.size(), 6u);
    const Picture& p = step(4);
    EXPECT_EQ(p.at(centre(7).x, centre(7).y), red_rgb);
    for (const auto& e : {std::make_pair(2, 5), {5, 6}, {6, 3}}) EXPECT_EQ(middle(p, e.first, e.second), green_rgb);
    for (const auto& e : {std::make_pair(0, 1), {1, 4}}) EXPECT_EQ(middle(p, e.first, e.second), blue_rgb);
    for (const auto& e : {std::make_pair(2, 6), {0, 4}, {3, 7}, {6, 7}, {1, 5}, {4, 5}, {1, 2}})
        EXPECT_EQ(middle(p, e.first, e.second), black_rgb) << e.first << "-" << e.second;
}

TEST_F(StrongcompScreens, LastScreenCoversEachVertexInItsComponentsColour) {
    ASSERT_EQ(show->steps.size(), 6u);
    const Rgb colour[vertex_count] = {blue_rgb, blue_rgb, green_rgb, green_rgb, blue_rgb, green_rgb, green_rgb, red_rgb};
    for (int v = 0; v < vertex_count; ++v) {
        EXPECT_EQ(step(6).at(centre(v).x, centre(v).y), colour[v]) << v;
        EXPECT_EQ(step(6).at(centre(v).x - 9, centre(v).y), colour[v]) << v;
        EXPECT_EQ(step(6).at(centre(v).x - 12, centre(v).y), step(5).at(centre(v).x - 12, centre(v).y)) << v;
    }
}

// --predict: one question per pass, each answered by the pass's own picture.
class StrongcompPredict : public StrongcompScreens {
protected:
    static void SetUpTestSuite() {
        StrongcompScreens::SetUpTestSuite();
        predicted = new Recording(record("strongcomp", "--predict"));
    }
    static void TearDownTestSuite() {
        delete predicted;
        StrongcompScreens::TearDownTestSuite();
    }
    static Recording* predicted;
};
Recording* StrongcompPredict::predicted = nullptr;

TEST_F(StrongcompPredict, AsksBeforeEachPassItsOwnPictureAnswers) {
    ASSERT_EQ(predicted->run.exit_status, 0) << predicted->run.err;
    ASSERT_EQ(predicted->steps.size(), 6u);
    const auto questions = recorded_questions(*predicted);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0].step, 2);
    EXPECT_EQ(questions[1].step, 4);
}

// The vertex with finishing time 0, at the end of the red path down from 0 that the reason names.
TEST_F(StrongcompPredict, FirstToFinishEndsTheRedPathDownFromTheStart) {
    const auto questions = recorded_questions(*predicted);
    ASSERT_EQ(questions.size(), 2u);
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
        EXPECT_EQ(middle(step(1), path[i], path[i + 1]), black_rgb) << path[i] << "->" << path[i + 1];
        EXPECT_EQ(middle(predicted->steps.at(1), path[i], path[i + 1]), red_rgb) << path[i] << "->" << path[i + 1];
    }
    // Every arc out of it leads back onto the path.
    for (const auto& arc : arc_list)
        if (arc[0] == first) {
            EXPECT_NE(std::find(path.begin(), path.end(), arc[1]), path.end()) << arc[1];
        }
}

TEST_F(StrongcompPredict, FirstComponentIsTheVerticesInTheFirstColour) {
    const auto questions = recorded_questions(*predicted);
    ASSERT_EQ(questions.size(), 2u);
    std::string red_vertices;
    for (int v = 0; v < vertex_count; ++v) {
        EXPECT_NE(predicted->steps.at(2).at(centre(v).x, centre(v).y), red_rgb) << v;
        if (predicted->steps.at(3).at(centre(v).x, centre(v).y) == red_rgb)
            red_vertices += (red_vertices.empty() ? "" : ", ") + std::to_string(v);
    }
    EXPECT_EQ(questions[1].answer, red_vertices);
    EXPECT_NE(questions[1].text.find("starts at vertex " + std::to_string(expected_order[0]) + ", which finished last"),
              std::string::npos)
        << questions[1].text;
}

}  // namespace
