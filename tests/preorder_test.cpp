// preorder: the recorded screens, checked for the colour and width of each tree line, the screen
// it appears in, and the discovery-order list below the graph.
#include <gtest/gtest.h>

#include "../demograph/demo_graph.h"
#include "kit.h"
#include "recording.h"

#include <string>

namespace {

constexpr int vx[8] = {200, 100, 400, 300, 100, 400, 240, 200};
constexpr int vy[8] = {40, 200, 40, 400, 400, 200, 300, 200};
constexpr Rgb grey_rgb{200, 200, 200};

const Recording& show() {
    static const Recording recording = record("preorder");
    return recording;
}

const Picture& screen_no(int s) { return show().steps.at(s - 1); }

bool square_is(const Picture& picture, int x, int y, Rgb colour) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (picture.at(x + dx, y + dy) != colour) return false;
    return true;
}

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

TEST(Preorder, ShowHasNineScreensAndEndsCleanly) {
    EXPECT_EQ(show().run.exit_status, 0) << show().run.err;
    EXPECT_EQ(show().steps.size(), 9u);
}

// The colour moves on at leaves only (after 6 and after 7), and the width is always one more than
// the palette slot: red 2, green 3, blue 4.
TEST(Preorder, EachTreeLineAppearsInItsScreenWithItsRunsColour) {
    ASSERT_EQ(show().steps.size(), 9u);
    struct TreeLine {
        int screen, v, w;
        Rgb colour;
    };
    constexpr TreeLine lines[] = {{2, 0, 1, red_rgb}, {3, 1, 4, red_rgb}, {4, 4, 3, red_rgb},  {5, 3, 5, red_rgb},
                                  {6, 5, 6, red_rgb}, {7, 4, 7, green_rgb}, {8, 0, 2, blue_rgb}};
    for (const TreeLine& line : lines) {
        const int x = (vx[line.v] + vx[line.w]) / 2, y = (vy[line.v] + vy[line.w]) / 2;
        EXPECT_EQ(screen_no(line.screen - 1).at(x, y), grey_rgb) << line.v << "-" << line.w << " too early";
        EXPECT_TRUE(square_is(screen_no(line.screen), x, y, line.colour))
            << line.v << "-" << line.w << " in screen " << line.screen;
    }
    // 1-4 runs down x = 100 with half-width 2; 0-2 along y = 40 with half-width 4.
    for (int x = 98; x <= 102; ++x) EXPECT_EQ(screen_no(3).at(x, 300), red_rgb) << x;
    EXPECT_NE(screen_no(3).at(97, 300), red_rgb);
    EXPECT_NE(screen_no(3).at(103, 300), red_rgb);
    for (int y = 36; y <= 44; ++y) EXPECT_EQ(screen_no(8).at(300, y), blue_rgb) << y;
    EXPECT_EQ(screen_no(8).at(300, 35), white_rgb);
    EXPECT_EQ(screen_no(8).at(300, 45), white_rgb);
}

TEST(Preorder, EdgesThatCloseACycleStayGrey) {
    ASSERT_EQ(show().steps.size(), 9u);
    constexpr int cycle_edges[5][2] = {{0, 5}, {0, 7}, {1, 7}, {3, 6}, {4, 6}};
    for (const auto& e : cycle_edges)
        EXPECT_EQ(screen_no(9).at((vx[e[0]] + vx[e[1]]) / 2, (vy[e[0]] + vy[e[1]]) / 2), grey_rgb)
            << e[0] << "-" << e[1];
}

// An entry is written on entering a vertex but shows with the next flip, so screen s shows the
// first s - 1 entries.
TEST(Preorder, ListGrowsByOneEntryPerScreen) {
    ASSERT_EQ(show().steps.size(), 9u);
    for (int s = 1; s <= 9; ++s)
        for (int k = 1; k <= 8; ++k)
            EXPECT_EQ(cell_has_ink(screen_no(s), k), k < s) << "entry " << k << " in screen " << s;
}

// Each cell of the final list is compared with the digit rendered by the kit's own label routine.
TEST(Preorder, ListReadsInDiscoveryOrder) {
    ASSERT_EQ(show().steps.size(), 9u);
    screen = SDL_CreateRGBSurface(SDL_SWSURFACE, screen_width, screen_height, 32, 0x00FF0000, 0x0000FF00,
                                  0x000000FF, 0);
    ASSERT_NE(screen, nullptr);
    open_labels(20);
    constexpr int order[8] = {0, 1, 4, 3, 5, 6, 7, 2};
    for (int k = 1; k <= 8; ++k) {
        SDL_FillRect(screen, nullptr, 0x00FFFFFF);
        draw_label(0, 0, "%d", order[k - 1]);
        int differing = 0, ink = 0;
        for (int y = 0; y < cell_height; ++y)
            for (int x = 0; x < cell_width; ++x) {
                const bool expected = get_pixel(x, y) == 0;
                ink += expected;
                differing += expected != (screen_no(9).at(cell_x(k) + x, list_y + y) == black_rgb);
            }
        EXPECT_GT(ink, 0);
        EXPECT_EQ(differing, 0) << "entry " << k << " should read " << order[k - 1];
    }
    close_labels();
    SDL_FreeSurface(screen);
    screen = nullptr;
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
    const auto questions = recorded_questions(predicted());
    ASSERT_EQ(questions.size(), 7u) << "one before each tree line, none before the last screen";
    constexpr int order[8] = {0, 1, 4, 3, 5, 6, 7, 2};
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const RecordedQuestion& q = questions[i];
        EXPECT_EQ(q.step, static_cast<int>(i) + 2);
        EXPECT_EQ(q.text, "After vertex " + std::to_string(order[i]) + ", which vertex does the search discover next?");
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
