// walks: the level tables checked against a brute-force enumeration, the recorded pages checked cell
// by cell against it, and each --predict answer against the pages of its level. The pictures
// themselves are the golden test's.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "recording.h"
#include "walk_routines.h"

namespace {

using Walk = std::vector<int>;

void build_all_levels() {
    set_up_first_level();
    for (int n = 2; n <= last_level; ++n) build_level(n);
}

// The moves of walk k of level n, first to last, read back through the parents.
Walk moves_of(int n, int k) {
    Walk reversed;
    for (int level = n; level >= 1; --level) {
        reversed.push_back(last_move(level, k));
        k = shorter_walk(level, k);
    }
    return Walk(reversed.rbegin(), reversed.rend());
}

// Every sequence of n moves over {right, left, up} without a right-left or left-right pair, in
// lexicographic order.
std::vector<Walk> enumerate_walks(int n) {
    std::vector<Walk> found;
    Walk walk(n, 0);
    int total = 1;
    for (int i = 0; i < n; ++i) total *= 3;
    for (int code = 0; code < total; ++code) {
        int rest = code;
        for (int i = n - 1; i >= 0; --i) {
            walk[i] = rest % 3;
            rest /= 3;
        }
        bool reverses = false;
        for (int i = 1; i < n; ++i)
            if ((walk[i - 1] == move_right && walk[i] == move_left) ||
                (walk[i - 1] == move_left && walk[i] == move_right))
                reverses = true;
        if (!reverses) found.push_back(walk);
    }
    return found;
}

TEST(WalkTable, LevelCountsGrowAsTwiceThePreviousPlusTheOneBefore) {
    build_all_levels();
    const int expected[] = {3, 7, 17, 41, 99, 239, 577};
    for (int n = 1; n <= last_level; ++n) EXPECT_EQ(walks_at_level(n), expected[n - 1]) << "level " << n;
}

TEST(WalkTable, LevelTwoHoldsItsSevenWalksRightBeforeLeftBeforeUp) {
    build_all_levels();
    const std::vector<Walk> expected = {
        {move_right, move_right}, {move_right, move_up}, {move_left, move_left}, {move_left, move_up},
        {move_up, move_right},    {move_up, move_left},  {move_up, move_up},
    };
    ASSERT_EQ(walks_at_level(2), 7);
    for (int k = 0; k < 7; ++k) EXPECT_EQ(moves_of(2, k), expected[k]) << "walk " << k;
}

TEST(WalkTable, EachLevelHoldsEveryNonReversingWalkOnceInLexicographicOrder) {
    build_all_levels();
    for (int n = 1; n <= last_level; ++n) {
        std::vector<Walk> stored;
        for (int k = 0; k < walks_at_level(n); ++k) stored.push_back(moves_of(n, k));
        EXPECT_EQ(stored, enumerate_walks(n)) << "level " << n;
    }
}

TEST(WalkTable, NoWalkMovesDownOrComesBackToAPoint) {
    build_all_levels();
    for (int n = 2; n <= last_level; ++n)
        for (int k = 0; k < walks_at_level(n); ++k) {
            std::set<std::pair<int, int>> seen{{0, 0}};
            int x = 0, y = 0;
            for (int move : moves_of(n, k)) {
                ASSERT_TRUE(move == move_right || move == move_left || move == move_up);
                x += move == move_right ? 1 : move == move_left ? -1 : 0;
                y -= move == move_up ? 1 : 0;
                EXPECT_TRUE(seen.insert({x, y}).second) << "level " << n << " walk " << k;
            }
        }
}

TEST(WalkTable, FirstWalkRunsStraightRightAndLastStraightUp) {
    build_all_levels();
    for (int n = 1; n <= last_level; ++n) {
        EXPECT_EQ(moves_of(n, 0), Walk(n, move_right)) << "level " << n;
        EXPECT_EQ(moves_of(n, walks_at_level(n) - 1), Walk(n, move_up)) << "level " << n;
    }
}

TEST(WalkTable, ReadsOutsideTheTablesFindNothing) {
    build_all_levels();
    EXPECT_EQ(walks_at_level(0), 0);
    EXPECT_EQ(walks_at_level(level_capacity), 0);
    EXPECT_EQ(walks_at_level(-1), 0);
    EXPECT_EQ(last_move(2, 7), -1);
    EXPECT_EQ(last_move(2, -1), -1);
    EXPECT_EQ(last_move(level_capacity, 0), -1);
    EXPECT_EQ(shorter_walk(1, 0), -1);  // level 1 extends nothing
    EXPECT_EQ(shorter_walk(3, 0), 0);
}

TEST(WalkTable, LevelsTooLargeForTheTableAreCutAtItsCapacity) {
    build_all_levels();
    build_level(8);  // 1393 walks would not fit
    build_level(9);
    build_level(level_capacity);  // no such level: ignored
    EXPECT_EQ(walks_at_level(8), walks_per_level);
    EXPECT_EQ(walks_at_level(9), walks_per_level);
    EXPECT_EQ(walks_at_level(last_level), 577);
}

// ---- The recorded pages ----------------------------------------------------------------------

struct LevelLayout {
    int n;
    int per_row;
    std::vector<int> pages;  // walks on each page
};

// Seven rows a page; nine walks a row from five steps on, ten at seven steps.
const std::vector<LevelLayout> layouts = {
    {2, 7, {7}},
    {3, 7, {17}},
    {4, 7, {41}},
    {5, 9, {63, 36}},
    {6, 9, {63, 63, 63, 50}},
    {7, 10, {70, 70, 70, 70, 70, 70, 70, 70, 17}},
};
constexpr int picture_count = 19;  // 18 pages and the closing white screen

int step_of(int n) { return 60 / n; }
int cell_x(const LevelLayout& level, int slot) {
    const int n = level.n;
    return 60 + slot % level.per_row * (n * step_of(n) + (n <= 4 ? 40 : 20));
}
int cell_y(const LevelLayout& level, int slot) {
    const int n = level.n;
    return 70 + slot / level.per_row * (n * step_of(n) + 15);
}

bool is_red(const Picture& picture, int x, int y) {
    return x >= 0 && y >= 0 && x < picture.width && y < picture.height && picture.at(x, y) == red_rgb;
}

// Each start disc stays one red patch however its walk leaves it.
int red_patches(const Picture& picture) {
    std::vector<bool> done(picture.pixels.size(), false);
    int patches = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            if (!is_red(picture, x, y) || done[y * picture.width + x]) continue;
            ++patches;
            std::vector<std::pair<int, int>> pending{{x, y}};
            done[y * picture.width + x] = true;
            while (!pending.empty()) {
                auto [px, py] = pending.back();
                pending.pop_back();
                for (int oy = -1; oy <= 1; ++oy)
                    for (int ox = -1; ox <= 1; ++ox)
                        if (is_red(picture, px + ox, py + oy) && !done[(py + oy) * picture.width + px + ox]) {
                            done[(py + oy) * picture.width + px + ox] = true;
                            pending.push_back({px + ox, py + oy});
                        }
            }
        }
    return patches;
}

bool has_black_in(const Picture& picture, int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (picture.at(x, y) == black_rgb) return true;
    return false;
}

// The show with --predict, whose pictures the golden test holds to be the plain show's.
const Recording& predicting() {
    static const Recording recording = record("walks", "--predict");
    return recording;
}

// Each cell against the brute-force enumeration: the walk drawn there is the one of its place in the
// level, whatever the tables hold.
TEST(WalksPages, EveryCellDrawsTheDiscsOfItsOwnWalk) {
    ASSERT_EQ(static_cast<int>(predicting().steps.size()), picture_count) << predicting().run.err;
    int p = 0;
    for (const LevelLayout& level : layouts) {
        const std::vector<Walk> walks = enumerate_walks(level.n);
        const int step = step_of(level.n);
        int index = 0;
        for (int on_page : level.pages) {
            const Picture& picture = predicting().steps.at(p++);
            for (int slot = 0; slot < on_page; ++slot, ++index) {
                int x = cell_x(level, slot), y = cell_y(level, slot);
                for (int move : walks.at(index)) {
                    const int from_x = x, from_y = y;
                    x += move == move_right ? step : move == move_left ? -step : 0;
                    y -= move == move_up ? step : 0;
                    const int mid_x = (from_x + x) / 2, mid_y = (from_y + y) / 2;
                    ASSERT_EQ(picture.at(x, y), black_rgb)
                        << "level " << level.n << " walk " << index << " point " << x << "," << y;
                    ASSERT_EQ(picture.at(mid_x, mid_y), black_rgb)
                        << "level " << level.n << " walk " << index << " segment at " << mid_x << "," << mid_y;
                }
            }
        }
        EXPECT_EQ(index, static_cast<int>(walks.size()));
    }
}

// ---- --predict: questions before the levels from the third on ------------------------------

// The level a question names ("level 5's", "level 5,") and the walk it quotes, if any.
int level_named(const std::string& text) {
    const std::size_t at = text.find("evel ");  // "Level" or "level"
    return at == std::string::npos ? 0 : std::stoi(text.substr(at + 5));
}
Walk walk_quoted(const std::string& text) {
    Walk walk;
    const std::size_t open = text.find('"'), close = text.find('"', open + 1);
    if (open == std::string::npos || close == std::string::npos) return walk;
    const std::string quoted = text.substr(open + 1, close - open - 1);
    for (std::size_t from = 0; from < quoted.size();) {
        std::size_t end = quoted.find(", ", from);
        if (end == std::string::npos) end = quoted.size();
        const std::string move = quoted.substr(from, end - from);
        walk.push_back(move == "right" ? move_right : move == "left" ? move_left : move == "up" ? move_up : -1);
        from = end + 2;
    }
    return walk;
}

// Each question comes before its level's first page (the one with the level number in its corner).
// A count is the number of start discs on the level's pages; a walk's place, whether it is on the
// level, and how many begin right are read from the brute-force enumeration the pages were checked
// against cell by cell.
TEST(WalksPredict, EachLevelFromTheThirdIsAskedWhatItsPagesShow) {
    const Recording& shown = predicting();
    ASSERT_EQ(static_cast<int>(shown.steps.size()), picture_count) << shown.run.err;
    std::vector<int> first_page, walks_of_level;  // by level, from level 2
    for (int p = 0; p < picture_count - 1; ++p) {
        if (has_black_in(shown.steps[p], 0, 0, 32, 36)) {
            first_page.push_back(p + 1);
            walks_of_level.push_back(0);
        }
        ASSERT_FALSE(walks_of_level.empty());
        walks_of_level.back() += red_patches(shown.steps[p]);
    }
    ASSERT_EQ(first_page.size(), 6u);

    const std::vector<RecordedQuestion> questions = recorded_questions(shown);
    ASSERT_EQ(questions.size(), 7u);
    int counts = 0, places = 0, yes = 0, no = 0, beginning_right = 0;
    for (const RecordedQuestion& question : questions) {
        const int n = level_named(question.text);
        ASSERT_GE(n, 3) << question.text;
        ASSERT_LE(n, last_level) << question.text;
        EXPECT_EQ(question.step, first_page[n - 2]) << question.text;
        const std::vector<Walk> walks = enumerate_walks(n);
        const Walk named = walk_quoted(question.text);
        if (question.text.find("How many walks does level") != std::string::npos) {
            ++counts;
            EXPECT_EQ(question.answer, std::to_string(walks_of_level[n - 2])) << "level " << n;
            // The reason's sum starts from the level before, as its pages showed it.
            EXPECT_NE(question.reason.find("of the " + std::to_string(walks_of_level[n - 3]) + " walks of "),
                      std::string::npos)
                << question.reason;
        } else if (question.text.find("At which place") != std::string::npos) {
            ++places;
            ASSERT_EQ(static_cast<int>(named.size()), n) << question.text;
            const auto found = std::find(walks.begin(), walks.end(), named);
            ASSERT_NE(found, walks.end()) << question.text;
            EXPECT_EQ(question.answer, std::to_string(found - walks.begin() + 1)) << question.text;
        } else if (question.text.find("Will the walk") != std::string::npos) {
            ASSERT_EQ(static_cast<int>(named.size()), n) << question.text;
            const bool on_level = std::find(walks.begin(), walks.end(), named) != walks.end();
            (on_level ? yes : no) += 1;
            EXPECT_EQ(question.answer, on_level ? "yes" : "no") << question.text;
        } else {
            ASSERT_NE(question.text.find("begin with a right step"), std::string::npos) << question.text;
            ++beginning_right;
            const int right = static_cast<int>(
                std::count_if(walks.begin(), walks.end(), [](const Walk& w) { return w[0] == move_right; }));
            EXPECT_EQ(question.answer, std::to_string(right)) << question.text;
        }
    }
    EXPECT_EQ(counts, 3);
    EXPECT_EQ(places, 1);
    EXPECT_EQ(yes, 1);
    EXPECT_EQ(no, 1);
    EXPECT_EQ(beginning_right, 1);
}

}  // namespace
