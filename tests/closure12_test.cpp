// closure12: the digraph that a seed gives is worked out here from the same C library's rand, then
// read back from the recorded pictures: the twelve walks, the digraph and its matrix, one picture
// per pass, and the closure drawn in black at the end.
#include <array>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "closure_pictures.h"

namespace {

constexpr int draw_count = 14;
// The grid pairs in the order the draws are spent on them: horizontal pairs, then vertical ones.
constexpr int random_pairs[draw_count][2] = {{0, 1}, {2, 3}, {4, 5}, {6, 7},  {8, 9},  {10, 11}, {0, 4},
                                             {1, 5}, {2, 6}, {3, 7}, {4, 8}, {5, 9}, {6, 10}, {7, 11}};

Matrix digraph_from_draws(const std::vector<int>& draws) {
    Matrix edges{};
    for (int p = 0; p < draw_count; p++) {
        const int a = random_pairs[p][0], b = random_pairs[p][1];
        if (draws[p] % 2 == 0)
            edges[a][b] = 1;
        else
            edges[b][a] = 1;
    }
    for (int v = 0; v < vertex_count; v++) edges[v][v] = 1;
    edges[1][2] = 1;
    edges[10][9] = 1;
    return edges;
}

std::vector<int> draws_for_seed(unsigned seed) {
    std::srand(seed);
    std::vector<int> draws;
    for (int i = 0; i < draw_count; i++) draws.push_back(std::rand());
    return draws;
}

Matrix digraph_for_seed(unsigned seed) { return digraph_from_draws(draws_for_seed(seed)); }

bool has_out_edge(const Matrix& edges, int v) {
    for (int j = 0; j < vertex_count; j++)
        if (j != v && edges[v][j] == 1) return true;
    return false;
}

// The edges a depth-first walk from s enters by, lower-numbered targets first.
void tree_edges_from(const Matrix& edges, int v, std::array<bool, vertex_count>& entered, Matrix& tree) {
    entered[v] = true;
    for (int j = 0; j < vertex_count; j++)
        if (edges[v][j] == 1 && !entered[j]) {
            tree[v][j] = 1;
            tree_edges_from(edges, j, entered, tree);
        }
}

Matrix walk_tree(const Matrix& edges, int s) {
    Matrix tree{};
    std::array<bool, vertex_count> entered{};
    tree_edges_from(edges, s, entered, tree);
    return tree;
}

template <typename Wanted>
unsigned first_seed_where(Wanted wanted) {
    for (unsigned seed = 1;; seed++)
        if (wanted(seed)) return seed;
}

// ---- Reading the pictures ------------------------------------------------------------------

// Every matrix of closure12 is printed with its cell (0, 0) at (330, 20).
Matrix matrix_in(const Picture& picture) { return matrix_at(picture, 330, 20); }

const Recording& recording_for(unsigned seed) { return ::recording_for("closure12", seed); }

constexpr unsigned sample_seeds[] = {1, 5, 42, 2024, 777777};
constexpr int picture_count = 15;
constexpr int copy_spacing = 50;
constexpr int pass_spacing = 60;

int copy_x(int s) { return 30 + 200 * (s % 3); }
int copy_y(int s) { return 30 + 140 * (s / 3); }
int at_x(int origin, int spacing, int v) { return origin + spacing * (v % 4); }
int at_y(int origin, int spacing, int v) { return origin + spacing * (v / 4); }
Area copy_area(int s) { return {copy_x(s) - 10, copy_y(s) - 10, copy_x(s) + 190, copy_y(s) + 130}; }

// Two points inside the red band that a walk lays from v to its neighbour j, clear of the arrow
// head, the discs, the labels and the ring.
std::array<std::pair<int, int>, 2> band_samples(int s, int v, int j) {
    const int x0 = at_x(copy_x(s), copy_spacing, v), y0 = at_y(copy_y(s), copy_spacing, v);
    const int x1 = at_x(copy_x(s), copy_spacing, j), y1 = at_y(copy_y(s), copy_spacing, j);
    const int side_x = y0 == y1 ? 0 : -2, side_y = y0 == y1 ? -2 : 0;
    return {{{x0 + (x1 - x0) / 4 + side_x, y0 + (y1 - y0) / 4 + side_y},
             {x0 + 3 * (x1 - x0) / 4 + side_x, y0 + 3 * (y1 - y0) / 4 + side_y}}};
}

bool grid_neighbours(int a, int b) { return (a / 4 == b / 4 && std::abs(a - b) == 1) || std::abs(a - b) == 4; }

// ---- The builder, fed its draws directly ----------------------------------------------------

int given_draws[draw_count];
int draws_taken;
int next_given_draw() { return given_draws[draws_taken++ % draw_count]; }

Matrix built_from(const std::vector<int>& draws) {
    for (int i = 0; i < draw_count; i++) given_draws[i] = draws[i];
    draws_taken = 0;
    build_digraph(next_given_draw);
    Matrix built{};
    for (int i = 0; i < vertex_count; i++)
        for (int j = 0; j < vertex_count; j++) built[i][j] = adjacency[i][j];
    return built;
}

std::vector<int> draws_of_pattern(int pattern) {
    std::vector<int> draws;
    for (int bit = 0; bit < draw_count; bit++) draws.push_back((pattern >> bit) & 1);
    return draws;
}

TEST(Closure12Digraph, AllEvenDrawsPointEveryRandomPairFromTheSmallerNumber) {
    const Matrix built = built_from(std::vector<int>(draw_count, 4));
    EXPECT_EQ(draws_taken, draw_count);
    const int edges[][2] = {{0, 1}, {1, 2}, {2, 3},  {4, 5},  {6, 7},  {8, 9},   {10, 9},  {10, 11},
                            {0, 4}, {1, 5}, {2, 6},  {3, 7},  {4, 8},  {5, 9},   {6, 10},  {7, 11}};
    Matrix expected{};
    for (auto& e : edges) expected[e[0]][e[1]] = 1;
    for (int v = 0; v < vertex_count; v++) expected[v][v] = 1;
    EXPECT_EQ(built, expected);
}

TEST(Closure12Digraph, EachDrawTurnsItsOwnPairInDrawOrder) {
    for (int odd = 0; odd < draw_count; odd++) {
        std::vector<int> draws(draw_count, 2);
        draws[odd] = 9;
        Matrix expected = digraph_from_draws(std::vector<int>(draw_count, 0));
        const int a = random_pairs[odd][0], b = random_pairs[odd][1];
        expected[a][b] = 0;
        expected[b][a] = 1;
        EXPECT_EQ(built_from(draws), expected) << "odd draw number " << odd;
    }
}

TEST(Closure12Digraph, SixteenGridEdgesAndNeverOneBetweenFiveAndSix) {
    for (int pattern = 0; pattern < (1 << draw_count); pattern++) {
        const Matrix built = built_from(draws_of_pattern(pattern));
        int edges = 0;
        for (int i = 0; i < vertex_count; i++) {
            ASSERT_EQ(built[i][i], 1);
            for (int j = 0; j < vertex_count; j++) {
                if (i == j || built[i][j] == 0) continue;
                edges++;
                ASSERT_TRUE(grid_neighbours(i, j)) << i << " -> " << j << " with draw pattern " << pattern;
                ASSERT_EQ(built[j][i], 0) << "both directions between " << i << " and " << j;
            }
        }
        ASSERT_EQ(edges, 16) << "draw pattern " << pattern;
        ASSERT_EQ(built[5][6] + built[6][5], 0) << "draw pattern " << pattern;
    }
}

TEST(Closure12Passes, TwelvePassesInPlaceReachWhatASearchReaches) {
    for (int pattern = 0; pattern < (1 << draw_count); pattern += 37) {
        const Matrix edges = built_from(draws_of_pattern(pattern));
        copy_adjacency_to_closure();
        for (int k = 0; k < vertex_count; k++) {
            warshall_pass(k);
            Matrix after{};
            for (int i = 0; i < vertex_count; i++)
                for (int j = 0; j < vertex_count; j++) after[i][j] = closure[i][j];
            ASSERT_EQ(after, reach_through(edges, k + 1)) << "pass " << k << ", draw pattern " << pattern;
        }
    }
}

// ---- The twelve walks ------------------------------------------------------------------------

TEST(Closure12Show, FifteenPicturesAndACleanExit) {
    const Recording& shown = recording_for(5);
    EXPECT_EQ(shown.run.exit_status, 0) << shown.run.err;
    EXPECT_EQ(shown.steps.size(), static_cast<std::size_t>(picture_count));
}

TEST(Closure12Walks, EveryCopyShowsTheDigraphAndARingRoundItsStartNumber) {
    for (unsigned seed : sample_seeds) {
        const Recording& shown = recording_for(seed);
        ASSERT_EQ(shown.steps.size(), static_cast<std::size_t>(picture_count)) << shown.run.err;
        const Picture& walks = shown.steps[0];
        const Matrix edges = digraph_for_seed(seed);
        ExpectedPicture expected;
        for (int s = 0; s < vertex_count; s++) {
            expected.arrows(edges, copy_x(s), copy_y(s), copy_spacing, red_rgb);
            expected.ring(at_x(copy_x(s), copy_spacing, s) + 16, at_y(copy_y(s), copy_spacing, s) + 13, 11, red_rgb);
            for (int v = 0; v < vertex_count; v++)
                EXPECT_TRUE(label_at(walks, at_x(copy_x(s), copy_spacing, v) + 8,
                                     at_y(copy_y(s), copy_spacing, v) + 1, std::to_string(v), 20))
                    << "seed " << seed << ", copy " << s << ", number of vertex " << v;
        }
        std::string where;
        EXPECT_EQ(colour_mismatches(walks, expected, red_rgb, whole_window, where, /*only_missing=*/true), 0)
            << "seed " << seed << ": " << where;
    }
}

TEST(Closure12Walks, EachWalkTracesItsTreeEdgesAndDotsOnlyWhatItReaches) {
    for (unsigned seed : sample_seeds) {
        const Recording& shown = recording_for(seed);
        ASSERT_EQ(shown.steps.size(), static_cast<std::size_t>(picture_count)) << shown.run.err;
        const Picture& walks = shown.steps[0];
        const Matrix edges = digraph_for_seed(seed);
        const Matrix reach = full_closure(edges);
        for (int s = 0; s < vertex_count; s++) {
            const Matrix tree = walk_tree(edges, s);
            for (int v = 0; v < vertex_count; v++) {
                const bool dotted = reach[s][v] == 1 && (v != s || has_out_edge(edges, s));
                const int x = at_x(copy_x(s), copy_spacing, v) + 3, y = at_y(copy_y(s), copy_spacing, v) + 3;
                EXPECT_EQ(walks.at(x, y) == red_rgb, dotted) << "seed " << seed << ", copy " << s << ", vertex " << v;
                for (int j = 0; j < vertex_count; j++) {
                    if (j == v || edges[v][j] != 1) continue;
                    for (auto [bx, by] : band_samples(s, v, j))
                        EXPECT_EQ(walks.at(bx, by) == red_rgb, tree[v][j] == 1)
                            << "seed " << seed << ", copy " << s << ", edge " << v << " -> " << j;
                }
            }
        }
    }
}

TEST(Closure12Walks, WalkFromAVertexWithNoOutEdgeDrawsOnlyTheRing) {
    int copies_seen = 0;
    std::vector<unsigned> seeds(std::begin(sample_seeds), std::end(sample_seeds));
    seeds.push_back(first_seed_where([](unsigned seed) { return !has_out_edge(digraph_for_seed(seed), 3); }));
    for (unsigned seed : seeds) {
        const Recording& shown = recording_for(seed);
        ASSERT_EQ(shown.steps.size(), static_cast<std::size_t>(picture_count)) << shown.run.err;
        const Matrix edges = digraph_for_seed(seed);
        for (int s = 0; s < vertex_count; s++) {
            if (has_out_edge(edges, s)) continue;
            copies_seen++;
            ExpectedPicture expected;
            expected.arrows(edges, copy_x(s), copy_y(s), copy_spacing, red_rgb);
            expected.ring(at_x(copy_x(s), copy_spacing, s) + 16, at_y(copy_y(s), copy_spacing, s) + 13, 11, red_rgb);
            std::string where;
            EXPECT_EQ(colour_mismatches(shown.steps[0], expected, red_rgb, copy_area(s), where), 0)
                << "seed " << seed << ", copy " << s << ": " << where;
        }
    }
    EXPECT_GT(copies_seen, 0);
}

TEST(Closure12Walks, AllEvenDrawsLetTheWalkFromZeroSpanTheDigraph) {
    const unsigned seed = first_seed_where([](unsigned candidate) {
        for (int d : draws_for_seed(candidate))
            if (d % 2 != 0) return false;
        return true;
    });
    const Recording& shown = recording_for(seed);
    ASSERT_EQ(shown.steps.size(), static_cast<std::size_t>(picture_count)) << shown.run.err;
    const Picture& walks = shown.steps[0];
    for (int v = 0; v < vertex_count; v++)
        EXPECT_EQ(walks.at(at_x(copy_x(0), copy_spacing, v) + 3, at_y(copy_y(0), copy_spacing, v) + 3), red_rgb)
            << "seed " << seed << ", vertex " << v;
    // Depth first, lower numbers first: 0 1 2 3 7 11 and 2 6 10 9 before 0 4 8 and 1 5.
    const int tree[][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 7}, {7, 11}, {2, 6}, {6, 10}, {10, 9}, {1, 5}, {0, 4}, {4, 8}};
    for (auto& e : tree)
        for (auto [bx, by] : band_samples(0, e[0], e[1]))
            EXPECT_EQ(walks.at(bx, by), red_rgb) << "seed " << seed << ", tree edge " << e[0] << " -> " << e[1];
    // 5 is entered from 1 before 4 is reached, and 9 from 10 before 5 is.
    for (auto [bx, by] : band_samples(0, 4, 5)) EXPECT_NE(walks.at(bx, by), red_rgb) << "seed " << seed << ", 4 -> 5";
    for (auto [bx, by] : band_samples(0, 5, 9)) EXPECT_NE(walks.at(bx, by), red_rgb) << "seed " << seed << ", 5 -> 9";
    EXPECT_EQ(matrix_in(shown.steps[picture_count - 1])[0], (std::array<int, vertex_count>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
}

// ---- The digraph, the passes and the closure -------------------------------------------------

TEST(Closure12Passes, SecondPictureShowsTheDigraphAloneWithItsMatrix) {
    for (unsigned seed : sample_seeds) {
        const Recording& shown = recording_for(seed);
        ASSERT_EQ(shown.steps.size(), static_cast<std::size_t>(picture_count)) << shown.run.err;
        const Picture& second = shown.steps[1];
        const Matrix edges = digraph_for_seed(seed);
        ExpectedPicture expected;
        expected.arrows(edges, 30, 30, pass_spacing, red_rgb);
        std::string where;
        EXPECT_EQ(colour_mismatches(second, expected, red_rgb, whole_window, where), 0) << "seed " << seed << ": " << where;
        EXPECT_EQ(matrix_in(second), edges) << "seed " << seed;
        for (int v = 0; v < vertex_count; v++)
            EXPECT_TRUE(label_at(second, at_x(30, pass_spacing, v) + 8, at_y(30, pass_spacing, v) + 1, std::to_string(v), 20))
                << "seed " << seed << ", number of vertex " << v;
    }
}

TEST(Closure12Passes, EachPassPictureShowsItsNumberTheDigraphAndTheMatrixSoFar) {
    for (unsigned seed : sample_seeds) {
        const Recording& shown = recording_for(seed);
        ASSERT_EQ(shown.steps.size(), static_cast<std::size_t>(picture_count)) << shown.run.err;
        const Matrix edges = digraph_for_seed(seed);
        ExpectedPicture expected;
        expected.arrows(edges, 30, 30, pass_spacing, red_rgb);
        for (int k = 0; k < vertex_count; k++) {
            const Picture& pass = shown.steps[2 + k];
            EXPECT_EQ(matrix_in(pass), reach_through(edges, k + 1)) << "seed " << seed << ", pass " << k;
            EXPECT_TRUE(label_at(pass, 280, 10, std::to_string(k), 18)) << "seed " << seed << ", pass " << k;
            if (k > 0) {
                EXPECT_FALSE(label_at(pass, 280, 10, std::to_string(k - 1), 18)) << "pass " << k << " not cleared";
            }
            for (int v = 0; v < vertex_count; v++)
                EXPECT_TRUE(label_at(pass, at_x(30, pass_spacing, v) + 8, at_y(30, pass_spacing, v) + 1, std::to_string(v), 18))
                    << "seed " << seed << ", pass " << k << ", number of vertex " << v;
            std::string where;
            EXPECT_EQ(colour_mismatches(pass, expected, red_rgb, whole_window, where), 0)
                << "seed " << seed << ", pass " << k << ": " << where;
        }
    }
}

TEST(Closure12Passes, LastPictureAddsTheClosureInBlackUnderTheLastPass) {
    for (unsigned seed : sample_seeds) {
        const Recording& shown = recording_for(seed);
        ASSERT_EQ(shown.steps.size(), static_cast<std::size_t>(picture_count)) << shown.run.err;
        const Picture& last = shown.steps[picture_count - 1];
        const Picture& before = shown.steps[picture_count - 2];
        ExpectedPicture expected;
        expected.arrows(full_closure(digraph_for_seed(seed)), 30, 250, pass_spacing, black_rgb);
        const Area drawing{0, 240, 260, 400};
        std::string where;
        EXPECT_EQ(colour_mismatches(last, expected, black_rgb, drawing, where), 0) << "seed " << seed << ": " << where;
        int changed_elsewhere = 0, drawn_before = 0;
        for (int y = 0; y < screen_height; y++)
            for (int x = 0; x < screen_width; x++) {
                const bool inside = x >= drawing.left && x < drawing.right && y >= drawing.top && y < drawing.bottom;
                if (!inside && last.at(x, y) != before.at(x, y)) changed_elsewhere++;
                if (inside && before.at(x, y) != white_rgb) drawn_before++;
            }
        EXPECT_EQ(changed_elsewhere, 0) << "seed " << seed << ": the last pass's picture must stay";
        EXPECT_EQ(drawn_before, 0) << "seed " << seed << ": the closure shows before its key press";
    }
}

// ---- --predict: questions before some passes ----------------------------------------------

// Before a pass's picture: how many 1s it adds (how many cells of its matrix are 1 where the picture
// before showed 0, the pairs named when few), whether it sets two cells shown 0 (one yes, one no), and
// a row it changes, as its picture shows it after.
TEST(Closure12Predict, EveryAnswerIsWhatThePassesPicturesShow) {
    for (unsigned seed : {1u, 5u, 42u}) {
        const Recording shown = record("closure12", "--predict --seed " + std::to_string(seed));
        ASSERT_EQ(shown.steps.size(), static_cast<std::size_t>(picture_count)) << shown.run.err;
        const std::vector<RecordedQuestion> questions = recorded_questions(shown);
        ASSERT_GE(questions.size(), 5u) << "seed " << seed;
        ASSERT_LE(questions.size(), 8u) << "seed " << seed;
        int yes = 0, no = 0, rows = 0, counts = 0;
        for (const RecordedQuestion& question : questions) {
            const std::string& text = question.text;
            int i = -1, j = -1, k = -1;
            const bool counted = std::sscanf(text.c_str(), "How many new 1s will pass %d", &k) == 1;
            const bool row = std::sscanf(text.c_str(), "Fill in row %d as it will be after pass %d", &i, &k) == 2;
            const bool cell = std::sscanf(text.c_str(), "Row %d, column %d is 0 now. Will pass %d", &i, &j, &k) == 3;
            ASSERT_TRUE(counted || row || cell) << text;
            ASSERT_TRUE(k >= 0 && k < vertex_count) << text;
            const int step = 3 + k;
            EXPECT_EQ(question.step, step) << "seed " << seed << ": " << text;
            const Matrix before = matrix_in(shown.steps[step - 2]), after = matrix_in(shown.steps[step - 1]);
            if (cell) {
                EXPECT_EQ(before[i][j], 0) << "seed " << seed << ": " << text;
                EXPECT_TRUE(i != k && j != k) << "row and column " << k << " never change in pass " << k;
                EXPECT_EQ(question.answer, after[i][j] ? "yes" : "no") << "seed " << seed << ": " << text;
                (after[i][j] ? yes : no) += 1;
            } else if (row) {
                ++rows;
                std::string cells;
                for (int v = 0; v < vertex_count; v++) cells += (v ? ", " : "") + std::to_string(after[i][v]);
                EXPECT_EQ(question.answer, cells) << "seed " << seed << ": " << text;
                EXPECT_NE(before[i], after[i]) << "seed " << seed << ": row " << i << " does not change in pass " << k;
            } else {
                ++counts;
                int added = 0;
                std::string pairs;
                for (int a = 0; a < vertex_count; a++)
                    for (int b = 0; b < vertex_count; b++) {
                        ASSERT_TRUE(before[a][b] >= 0 && after[a][b] >= before[a][b]) << "seed " << seed;
                        if (after[a][b] == before[a][b]) continue;
                        pairs += (added++ == 0 ? "" : ", ") + std::to_string(a) + "->" + std::to_string(b);
                    }
                EXPECT_EQ(question.answer, std::to_string(added)) << "seed " << seed << ", pass " << k;
                EXPECT_EQ(question.reason.rfind("Pass " + std::to_string(k) + " adds " + std::to_string(added) + " new 1", 0), 0u)
                    << question.reason;
                if (added == 0) {
                    EXPECT_NE(question.reason.find(", because "), std::string::npos) << question.reason;
                } else if (added <= 8) {
                    EXPECT_NE(question.reason.find(pairs), std::string::npos) << "seed " << seed << ": " << question.reason;
                }
            }
        }
        EXPECT_EQ(yes, 1) << "seed " << seed;
        EXPECT_EQ(no, 1) << "seed " << seed;
        EXPECT_EQ(rows, 1) << "seed " << seed;
        EXPECT_EQ(counts, 3) << "seed " << seed;
        EXPECT_EQ(shown.transcript.find("before step 15"), std::string::npos) << "the closure is on screen already";
    }
}

}  // namespace
