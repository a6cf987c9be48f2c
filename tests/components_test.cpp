// components: the recorded show, screen by screen: each vertex's discovery and finishing discs in
// its component's colours, tree lines with the disc of the vertex they reach, the count caption.
#include "recording.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

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

// --predict: where the next search starts is the new colour's first disc, and the number of
// components is the number of finishing colours in the last picture.
const Recording& predicted() {
    static const Recording recording = record("components", "--predict");
    return recording;
}

TEST(ComponentsPredict, AsksWhereTheSecondSearchStartsAndHowManyComponentsAtTheEnd) {
    ASSERT_EQ(predicted().run.exit_status, 0) << predicted().run.err;
    const auto questions = recorded_questions(predicted());
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0].step, 18);
    EXPECT_EQ(questions[0].text, "Component 1 is complete. Which vertex starts the next component?");
    EXPECT_EQ(questions[1].step, 24);
    EXPECT_EQ(questions[1].text, "Component 2 is complete. How many connected components does the graph have?");
}

TEST(ComponentsPredict, TheNextStartIsTheLowestVertexNoSearchHasReached) {
    ASSERT_EQ(predicted().steps.size(), 24u);
    const auto questions = recorded_questions(predicted());
    ASSERT_EQ(questions.size(), 2u);
    const RecordedQuestion& q = questions[0];
    const int start = std::stoi(q.answer);
    const Picture& before = predicted().steps.at(q.step - 2);
    const Picture& after = predicted().steps.at(q.step - 1);
    // Every lower vertex is finished in the first component's colour before the step; the start is
    // untouched then and takes the second component's discovery colour, seen nowhere before.
    for (int u = 0; u < start; ++u) EXPECT_EQ(before.count_around(vx[u], vy[u], 7, green_rgb), 15 * 15) << u;
    EXPECT_EQ(before.count_around(vx[start], vy[start], 2, black_rgb), 25);
    EXPECT_EQ(before.count(blue_rgb), 0);
    EXPECT_GT(after.count_around(vx[start], vy[start], 7, blue_rgb), 40);
    EXPECT_EQ(after.count(blue_rgb), after.count_around(vx[start], vy[start], 7, blue_rgb));
    EXPECT_NE(q.reason.find("begins component 2"), std::string::npos) << q.reason;
}

TEST(ComponentsPredict, TheCountIsTheNumberOfFinishingColours) {
    ASSERT_EQ(predicted().steps.size(), 24u);
    const auto questions = recorded_questions(predicted());
    ASSERT_EQ(questions.size(), 2u);
    std::vector<Rgb> colours;
    for (int v = 0; v < 11; ++v) {
        const Rgb c = predicted().steps.back().at(vx[v], vy[v]);
        if (std::find(colours.begin(), colours.end(), c) == colours.end()) colours.push_back(c);
    }
    EXPECT_EQ(questions[1].answer, std::to_string(colours.size()));
    // The count is new in the last screen: the picture before it has no caption yet.
    for (int y = 440; y < 500; ++y)
        for (int x = 0; x < 800; ++x) ASSERT_EQ(predicted().steps.at(22).at(x, y), white_rgb);
}

}  // namespace

// The words against the pixels: the vertex that a step's words put on the depth-first stack
// (discovered) or take off it (finished) is named in its sentence, and it is the one vertex whose
// disc changes in that step's picture; no other vertex's disc changes.
TEST(Components, WordsNameTheVertexWhoseDiscChangesInThatStep) {
    std::vector<std::string> sentences;
    std::vector<std::vector<int>> stacks;
    std::istringstream transcript(show().transcript);
    for (std::string line; std::getline(transcript, line);) {
        if (line.rfind("Step ", 0) == 0) {
            sentences.push_back(line.substr(line.find(": ") + 2));
            stacks.emplace_back();
        } else if (line.rfind("  Depth-first stack", 0) == 0 && !stacks.empty()) {
            std::istringstream values(line.substr(line.find(':') + 1));
            for (int v; values >> v;) stacks.back().push_back(v);
        }
    }
    ASSERT_EQ(sentences.size(), 24u) << show().transcript;
    auto named = [](const std::string& sentence, int v) {
        const std::string word = std::to_string(v);
        for (std::size_t at = sentence.find(word); at != std::string::npos; at = sentence.find(word, at + 1)) {
            const bool starts = at == 0 || !std::isdigit(static_cast<unsigned char>(sentence[at - 1]));
            const bool ends = at + word.size() == sentence.size() || !std::isdigit(static_cast<unsigned char>(sentence[at + word.size()]));
            if (starts && ends) return true;
        }
        return false;
    };
    for (std::size_t k = 1; k + 1 < sentences.size(); ++k) {  // steps 2 to 23: one vertex each
        const std::vector<int>& before = stacks[k - 1];
        const std::vector<int>& after = stacks[k];
        ASSERT_EQ(std::max(before.size(), after.size()) - std::min(before.size(), after.size()), 1u) << "step " << k + 1;
        const bool discovered = after.size() > before.size();
        const int v = discovered ? after.back() : before.back();
        EXPECT_TRUE(named(sentences[k], v)) << "step " << k + 1 << ": " << sentences[k];
        // The discs are the only colours: lines and labels are black. Around each vertex, count the
        // pixels of any colour but black and white; only the named vertex gains any.
        auto coloured = [](const Picture& picture, int u) {
            int n = 0;
            for (int dy = -11; dy <= 11; ++dy)
                for (int dx = -11; dx <= 11; ++dx) {
                    const Rgb p = picture.at(vx[u] + dx, vy[u] + dy);
                    n += p != white_rgb && p != black_rgb;
                }
            return n;
        };
        for (int u = 0; u < 11; ++u) {
            // A tree line may paint black over a disc; only a new disc adds colour.
            const bool gained = coloured(screen_no(static_cast<int>(k + 1)), u) > coloured(screen_no(static_cast<int>(k)), u);
            EXPECT_EQ(gained, u == v) << "step " << k + 1 << ", vertex " << u << " (" << (discovered ? "discovered" : "finished")
                                       << " " << v << "): " << sentences[k];
        }
    }
}
