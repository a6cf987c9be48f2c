// components: the recorded show, screen by screen: each vertex's discovery and finishing discs in
// its component's colours, tree lines with the disc of the vertex they reach, the count caption.
#include "recording.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int vx[11] = {200, 100, 400, 640, 100, 400, 240, 540, 300, 500, 200};
constexpr int vy[11] = {40, 200, 40, 100, 400, 200, 300, 240, 400, 80, 200};

constexpr Rgb light_red_rgb{255, 100, 100};

// The screen on which each vertex is discovered and finished, from the search order.
struct VertexScreens {
    int vertex, discovered, finished;
    Rgb discovery, finish;
};
constexpr VertexScreens vertex_screens[] = {
    {0, 2, 17, red_rgb, green_rgb},        {1, 3, 14, red_rgb, green_rgb},
    {4, 4, 13, red_rgb, green_rgb},        {8, 5, 10, red_rgb, green_rgb},
    {5, 6, 9, red_rgb, green_rgb},         {6, 7, 8, red_rgb, green_rgb},
    {10, 11, 12, red_rgb, green_rgb},      {2, 15, 16, red_rgb, green_rgb},
    {3, 18, 23, blue_rgb, light_red_rgb},  {9, 19, 22, blue_rgb, light_red_rgb},
    {7, 20, 21, blue_rgb, light_red_rgb},
};

struct Edge {
    int from, to;
};
constexpr Edge tree_edges[] = {{0, 1}, {1, 4}, {4, 8}, {8, 5}, {5, 6}, {4, 10}, {0, 2}, {3, 9}, {9, 7}};
constexpr Edge other_edges[] = {{0, 10}, {1, 10}, {4, 6}, {6, 8}, {0, 5}, {3, 7}};

const Recording& show() {
    static const Recording recording = record("components");
    return recording;
}

const Picture& screen_no(int s) { return show().steps.at(s - 1); }


// The pixel two pixels to the side of an edge's midpoint: black only under a thick tree line.
Rgb beside_middle(const Picture& picture, Edge e) {
    const double dx = vx[e.to] - vx[e.from], dy = vy[e.to] - vy[e.from];
    const double length = std::hypot(dx, dy);
    const int x = static_cast<int>(std::lround((vx[e.from] + vx[e.to]) / 2.0 - 2 * dy / length));
    const int y = static_cast<int>(std::lround((vy[e.from] + vy[e.to]) / 2.0 + 2 * dx / length));
    return picture.at(x, y);
}

int discovery_screen(int v) {
    for (const VertexScreens& s : vertex_screens)
        if (s.vertex == v) return s.discovered;
    return -1;
}

TEST(Components, ShowHasTwentyFourScreensAndEndsCleanly) {
    EXPECT_EQ(show().run.exit_status, 0) << show().run.err;
    ASSERT_EQ(show().steps.size(), 24u);
    for (const Picture& p : show().steps) {
        EXPECT_EQ(p.width, 800);
        EXPECT_EQ(p.height, 600);
    }
}

TEST(Components, FirstScreenIsTheBlackGraphOnWhite) {
    ASSERT_EQ(show().steps.size(), 24u);
    const Picture& first = screen_no(1);
    EXPECT_EQ(first.count(white_rgb) + first.count(black_rgb), 800 * 600);
    for (int v = 0; v < 11; ++v) EXPECT_EQ(first.count_around(vx[v], vy[v], 2, black_rgb), 25) << v;
    // The one-sided entry 5 -> 0 still draws its line: the middle of {0, 5} is black.
    EXPECT_EQ(first.at(300, 120), black_rgb);
}

TEST(Components, DiscoveryDiscAppearsWithItsOwnStepAndTheFinishingDiscCoversIt) {
    ASSERT_EQ(show().steps.size(), 24u);
    for (const VertexScreens& s : vertex_screens) {
        const int x = vx[s.vertex], y = vy[s.vertex];
        for (int step = 1; step < s.discovered; ++step)
            EXPECT_EQ(screen_no(step).count_around(x, y, 7, s.discovery), 0) << s.vertex << " at " << step;
        for (int step = s.discovered; step < s.finished; ++step) {
            EXPECT_GT(screen_no(step).count_around(x, y, 7, s.discovery), 40) << s.vertex << " at " << step;
            EXPECT_EQ(screen_no(step).count_around(x, y, 11, s.finish), 0) << s.vertex << " at " << step;
        }
        for (int step = s.finished; step <= 24; ++step) {
            EXPECT_EQ(screen_no(step).count_around(x, y, 7, s.discovery), 0) << s.vertex << " at " << step;
            // The radius-11 disc covers the dot, the discovery disc and the ends of the lines.
            EXPECT_EQ(screen_no(step).count_around(x, y, 7, s.finish), 15 * 15) << s.vertex << " at " << step;
        }
    }
}

TEST(Components, TreeLinesAppearWithTheDiscOfTheVertexTheyReach) {
    ASSERT_EQ(show().steps.size(), 24u);
    for (const Edge& e : tree_edges) {
        const int step = discovery_screen(e.to);
        EXPECT_EQ(beside_middle(screen_no(step - 1), e), white_rgb) << e.from << "-" << e.to;
        EXPECT_EQ(beside_middle(screen_no(step), e), black_rgb) << e.from << "-" << e.to;
        EXPECT_EQ(beside_middle(screen_no(24), e), black_rgb) << e.from << "-" << e.to;
    }
}

TEST(Components, EdgesThatCloseACycleAreNeverThickened) {
    ASSERT_EQ(show().steps.size(), 24u);
    for (const Edge& e : other_edges) EXPECT_EQ(beside_middle(screen_no(24), e), white_rgb) << e.from << "-" << e.to;
}

TEST(Components, CaptionWithTheCountOnlyInTheLastScreen) {
    ASSERT_EQ(show().steps.size(), 24u);
    auto caption_ink = [](const Picture& p) {
        int n = 0;
        for (int y = 440; y < 500; ++y)
            for (int x = 0; x < 800; ++x) n += p.at(x, y) != white_rgb;
        return n;
    };
    for (int step = 1; step < 24; ++step) EXPECT_EQ(caption_ink(screen_no(step)), 0) << step;
    EXPECT_GT(caption_ink(screen_no(24)), 200);
    // The caption is the only change of the last screen.
    int changed = 0;
    for (std::size_t i = 0; i < screen_no(24).pixels.size(); ++i)
        changed += screen_no(24).pixels[i] != screen_no(23).pixels[i];
    EXPECT_EQ(changed, caption_ink(screen_no(24)));
}

}  // namespace
