// components: each --predict answer against the discs of the pictures around its question, and each
// step's words against the one disc that changes in its picture. The pictures themselves and the
// words are the golden test's.
#include "recording.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int vx[11] = {200, 100, 400, 640, 100, 400, 240, 540, 300, 500, 200};
constexpr int vy[11] = {40, 200, 40, 100, 400, 200, 300, 240, 400, 80, 200};

const Recording& show() {
    static const Recording recording = record("components");
    return recording;
}

const Picture& screen_no(int s) { return show().steps.at(s - 1); }

// --predict: every answer against the discs of the pictures. The opening questions, asked from the
// first picture where no vertex is coloured yet, must agree with the finishing colours of the last;
// where the next search starts is the new colour's first disc.
const Recording& predicted() {
    static const Recording recording = record("components", "--predict");
    return recording;
}

const RecordedQuestion& question_with(const std::vector<RecordedQuestion>& questions, const std::string& words) {
    for (const RecordedQuestion& q : questions)
        if (q.text.find(words) != std::string::npos) return q;
    ADD_FAILURE() << "no question asks \"" << words << "\"";
    return questions.at(0);
}

// The finishing colour of each vertex in the last picture, as a component number in the order the
// colours first appear by vertex number: the outer loop's own numbering.
std::vector<int> components_by_colour() {
    std::vector<Rgb> colours;
    std::vector<int> component;
    for (int v = 0; v < 11; ++v) {
        const Rgb c = predicted().steps.back().at(vx[v], vy[v]);
        auto at = std::find(colours.begin(), colours.end(), c);
        if (at == colours.end()) colours.push_back(c);
        component.push_back(static_cast<int>(std::find(colours.begin(), colours.end(), c) - colours.begin()) + 1);
    }
    return component;
}

TEST(ComponentsPredict, TheOpeningQuestionsAgreeWithTheLastPictureAndTheFirstShowsNone) {
    ASSERT_EQ(predicted().steps.size(), 24u);
    const auto questions = recorded_questions(predicted());
    ASSERT_EQ(questions.size(), 6u);
    const std::vector<int> component = components_by_colour();
    const int count = *std::max_element(component.begin(), component.end());

    const RecordedQuestion& how_many = question_with(questions, "How many connected components");
    EXPECT_EQ(how_many.step, 2);
    EXPECT_EQ(how_many.answer, std::to_string(count));
    const RecordedQuestion& table = question_with(questions, "component of each vertex");
    EXPECT_EQ(table.step, 2);
    std::string row;
    for (int v = 0; v < 11; ++v) row += (v ? ", " : "") + std::to_string(component[v]);
    EXPECT_EQ(table.answer, row);
    // The picture they are asked from is the bare graph: every vertex a small black dot, no colour.
    for (int v = 0; v < 11; ++v) EXPECT_EQ(predicted().steps.at(0).count_around(vx[v], vy[v], 2, black_rgb), 25) << v;

    // One yes and one no about the same kind of pair, each as the colours have it.
    int yes = 0, no = 0;
    for (const RecordedQuestion& q : questions) {
        int u = -1, w = -1;
        if (std::sscanf(q.text.c_str(), "Are vertices %d and %d in one connected component?", &u, &w) != 2) continue;
        EXPECT_EQ(q.step, 2);
        EXPECT_EQ(q.answer, component[u] == component[w] ? "yes" : "no") << q.text;
        (q.answer == "yes" ? yes : no) += 1;
    }
    EXPECT_EQ(yes, 1);
    EXPECT_EQ(no, 1);
    // The count is new in the last screen: the picture before it has no caption yet.
    for (int y = 440; y < 500; ++y)
        for (int x = 0; x < 800; ++x) ASSERT_EQ(predicted().steps.at(22).at(x, y), white_rgb);
}

TEST(ComponentsPredict, TheNextStartIsTheLowestVertexNoSearchHasReached) {
    ASSERT_EQ(predicted().steps.size(), 24u);
    const auto questions = recorded_questions(predicted());
    const RecordedQuestion& q = question_with(questions, "starts the next component");
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
