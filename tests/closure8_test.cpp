// closure8: the digraph that a seed gives is worked out here from the same C library's rand, then
// read back from the recorded pictures: its arrows, the matrices before and after the passes, the
// eight pass drawings and their colours.
#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "closure_pictures.h"

namespace {

// The grid pairs in the order the draws are spent on them: horizontal pairs, then vertical ones.
constexpr int random_pairs[8][2] = {{0, 1}, {2, 3}, {4, 5}, {6, 7}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};

Matrix digraph_from_draws(const std::vector<int>& draws) {
    Matrix edges{};
    for (int p = 0; p < 8; p++) {
        const int a = random_pairs[p][0], b = random_pairs[p][1];
        if (draws[p] % 2 == 0)
            edges[a][b] = 1;
        else
            edges[b][a] = 1;
    }
    for (int v = 0; v < vertex_count; v++) edges[v][v] = 1;
    edges[1][2] = 1;
    edges[6][5] = 1;
    return edges;
}

std::vector<int> draws_for_seed(unsigned seed, int count) {
    std::srand(seed);
    std::vector<int> draws;
    for (int i = 0; i < count; i++) draws.push_back(std::rand());
    return draws;
}

Matrix digraph_for_seed(unsigned seed) { return digraph_from_draws(draws_for_seed(seed, 8)); }

unsigned first_seed_whose_draws_are_all_even(int count) {
    for (unsigned seed = 1;; seed++) {
        const std::vector<int> draws = draws_for_seed(seed, count);
        bool even = true;
        for (int d : draws) even = even && d % 2 == 0;
        if (even) return seed;
    }
}

// ---- Reading the pictures ------------------------------------------------------------------

const Recording& recording_for(unsigned seed) { return ::recording_for("closure8", seed); }

// Every drawing of closure8 stands on the same grid spacing.
constexpr int spacing = 70;

// The pass drawings' top-left vertices, pass 0 first.
constexpr int pass_origins[8][2] = {{30, 200}, {280, 200}, {530, 200}, {30, 310},
                                    {280, 310}, {530, 310}, {30, 420}, {280, 420}};

constexpr unsigned sample_seeds[] = {1, 5, 42, 2024, 777777};

// ---- The builder, fed its draws directly ----------------------------------------------------

int given_draws[8];
int draws_taken;
int next_given_draw() { return given_draws[draws_taken++ % 8]; }

Matrix built_from(const std::vector<int>& draws) {
    for (int i = 0; i < 8; i++) given_draws[i] = draws[i];
    draws_taken = 0;
    build_digraph(next_given_draw);
    Matrix built{};
    for (int i = 0; i < vertex_count; i++)
        for (int j = 0; j < vertex_count; j++) built[i][j] = adjacency[i][j];
    return built;
}

TEST(Closure8Digraph, AllEvenDrawsPointEveryRandomPairFromTheSmallerNumber) {
    const Matrix built = built_from({0, 2, 4, 6, 8, 10, 12, 14});
    EXPECT_EQ(draws_taken, 8);
    const int edges[][2] = {{0, 1}, {1, 2}, {2, 3}, {4, 5}, {6, 5}, {6, 7}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
    Matrix expected{};
    for (auto& e : edges) expected[e[0]][e[1]] = 1;
    for (int v = 0; v < vertex_count; v++) expected[v][v] = 1;
    EXPECT_EQ(built, expected);
}

TEST(Closure8Digraph, EachDrawTurnsItsOwnPairInDrawOrder) {
    for (int odd = 0; odd < 8; odd++) {
        std::vector<int> draws(8, 2);
        draws[odd] = 7;
        Matrix expected = digraph_from_draws(std::vector<int>(8, 0));
        const int a = random_pairs[odd][0], b = random_pairs[odd][1];
        expected[a][b] = 0;
        expected[b][a] = 1;
        EXPECT_EQ(built_from(draws), expected) << "odd draw number " << odd;
    }
}

TEST(Closure8Digraph, TenEdgesAlongTheGridSidesAndOnesOnTheDiagonalWhateverTheDraws) {
    for (int pattern = 0; pattern < 256; pattern++) {
        std::vector<int> draws;
        for (int bit = 0; bit < 8; bit++) draws.push_back((pattern >> bit) & 1);
        const Matrix built = built_from(draws);
        int edges = 0;
        for (int i = 0; i < vertex_count; i++) {
            EXPECT_EQ(built[i][i], 1);
            for (int j = 0; j < vertex_count; j++) {
                if (i == j || built[i][j] == 0) continue;
                edges++;
                const bool neighbours = (i / 4 == j / 4 && std::abs(i - j) == 1) || std::abs(i - j) == 4;
                EXPECT_TRUE(neighbours) << i << " -> " << j << " with draw pattern " << pattern;
                EXPECT_EQ(built[j][i], 0) << "both directions between " << i << " and " << j;
            }
        }
        EXPECT_EQ(edges, 10) << "draw pattern " << pattern;
    }
}

TEST(Closure8Passes, EightPassesInPlaceReachWhatASearchReaches) {
    for (int pattern = 0; pattern < 256; pattern++) {
        std::vector<int> draws;
        for (int bit = 0; bit < 8; bit++) draws.push_back((pattern >> bit) & 1);
        const Matrix edges = built_from(draws);
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

// ---- The recorded pictures -------------------------------------------------------------------

TEST(Closure8Show, ThreePicturesAndACleanExit) {
    const Recording& shown = recording_for(5);
    EXPECT_EQ(shown.run.exit_status, 0) << shown.run.err;
    EXPECT_EQ(shown.steps.size(), 3u);
}

TEST(Closure8Show, FirstPictureDrawsExactlyTheSeedsArrowsWithTwentyPointNumbers) {
    for (unsigned seed : sample_seeds) {
        const Recording& shown = recording_for(seed);
        ASSERT_EQ(shown.steps.size(), 3u) << shown.run.err;
        const Picture& first = shown.steps[0];
        ExpectedPicture expected;
        expected.arrows(digraph_for_seed(seed), 30, 30, spacing, red_rgb);
        std::string where;
        EXPECT_EQ(colour_mismatches(first, expected, red_rgb, whole_window, where), 0)
            << "seed " << seed << ": " << where;
        EXPECT_EQ(first.count(blue_rgb), 0);
        for (int v = 0; v < vertex_count; v++) {
            const int x = 30 + 70 * (v % 4), y = 30 + 70 * (v / 4);
            EXPECT_TRUE(label_at(first, x + 10, y - 2, std::to_string(v), 20)) << "number of vertex " << v;
            EXPECT_EQ(first.at(x - 1, y - 1), black_rgb) << "dot of vertex " << v;
        }
        EXPECT_TRUE(matrix_at(first, 330, 20)[0][0] == -1) << "the matrix shows before its key press";
    }
}

TEST(Closure8Show, SecondPictureAddsTheDigraphsMatrixInEighteenPointType) {
    for (unsigned seed : sample_seeds) {
        const Recording& shown = recording_for(seed);
        ASSERT_EQ(shown.steps.size(), 3u) << shown.run.err;
        EXPECT_EQ(matrix_at(shown.steps[1], 330, 20), digraph_for_seed(seed)) << "seed " << seed;
        // Nothing of the first picture is taken away.
        for (int y = 0; y < 180; y++)
            for (int x = 0; x < 320; x++)
                ASSERT_EQ(shown.steps[1].at(x, y), shown.steps[0].at(x, y)) << "(" << x << ", " << y << ")";
    }
}

TEST(Closure8Show, LastPictureShowsEachPassInBlueAndTheLastInRed) {
    for (unsigned seed : sample_seeds) {
        const Recording& shown = recording_for(seed);
        ASSERT_EQ(shown.steps.size(), 3u) << shown.run.err;
        const Picture& last = shown.steps[2];
        const Matrix edges = digraph_for_seed(seed);
        ExpectedPicture expected;
        expected.arrows(edges, 30, 30, spacing, red_rgb);
        for (int k = 0; k < 8; k++)
            expected.arrows(reach_through(edges, k + 1), pass_origins[k][0], pass_origins[k][1], spacing,
                            k == 7 ? red_rgb : blue_rgb);
        std::string where;
        EXPECT_EQ(colour_mismatches(last, expected, blue_rgb, whole_window, where), 0)
            << "seed " << seed << ": blue " << where;
        EXPECT_EQ(colour_mismatches(last, expected, red_rgb, whole_window, where), 0)
            << "seed " << seed << ": red " << where;
        for (int k = 0; k < 8; k++)
            EXPECT_TRUE(label_at(last, pass_origins[k][0], pass_origins[k][1] - 20, std::to_string(k), 18))
                << "number of pass " << k;
    }
}

TEST(Closure8Show, FinalMatrixBesideTheLastPassHoldsTheClosure) {
    for (unsigned seed : sample_seeds) {
        const Recording& shown = recording_for(seed);
        ASSERT_EQ(shown.steps.size(), 3u) << shown.run.err;
        const Matrix edges = digraph_for_seed(seed);
        EXPECT_EQ(matrix_at(shown.steps[2], 580, 410), full_closure(edges)) << "seed " << seed;
        EXPECT_EQ(matrix_at(shown.steps[2], 330, 20), edges) << "seed " << seed << ": first matrix changed";
    }
}

TEST(Closure8Show, AllEvenDrawsLetVertexZeroReachEveryVertex) {
    const unsigned seed = first_seed_whose_draws_are_all_even(8);
    const Recording& shown = recording_for(seed);
    ASSERT_EQ(shown.steps.size(), 3u) << shown.run.err;
    const Matrix final_matrix = matrix_at(shown.steps[2], 580, 410);
    for (int j = 0; j < vertex_count; j++) EXPECT_EQ(final_matrix[0][j], 1) << "seed " << seed << ", column " << j;
    // 0 -> 1 -> 2 -> 3 -> 7 runs along the top row and down: the first picture points that way.
    ExpectedPicture expected;
    expected.arrows(digraph_from_draws(std::vector<int>(8, 0)), 30, 30, spacing, red_rgb);
    std::string where;
    EXPECT_EQ(colour_mismatches(shown.steps[0], expected, red_rgb, whole_window, where), 0) << where;
}

// ---- --predict: the question before the last picture -----------------------------------------

const Recording& predicting_for(unsigned seed) {
    static std::map<unsigned, Recording> made;
    auto found = made.find(seed);
    if (found == made.end())
        found = made.emplace(seed, record("closure8", "--predict --seed " + std::to_string(seed))).first;
    return found->second;
}

// The vertices of "a->b->c" in the reason.
std::vector<int> path_in(const std::string& reason) {
    std::vector<int> path;
    const std::size_t along = reason.find(" along ");
    if (along == std::string::npos) return path;
    std::istringstream hops(reason.substr(along + 7));
    for (int v; hops >> v;) {
        path.push_back(v);
        if (hops.peek() != '-') break;
        hops.ignore(2);
    }
    return path;
}

int ones_in(const Matrix& m) {
    int ones = 0;
    for (const auto& row : m)
        for (int cell : row) ones += cell;
    return ones;
}

// The sheet asks, before the last picture, two cells that the second picture shows as 0 (one becomes
// 1, one stays 0), which pass first sets a third, a row of the closure, what one pass adds and how
// many 1s the closure has; every answer is what the last picture shows, or what the passes give
// from the digraph of the second picture, and the yes reason's path and pass agree with them.
TEST(Closure8Predict, EveryAnswerOfTheSheetIsWhatThePicturesShow) {
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u, 42u, 2024u}) {
        const Recording& shown = predicting_for(seed);
        ASSERT_EQ(shown.steps.size(), 3u) << shown.run.err;
        const std::vector<RecordedQuestion> questions = recorded_questions(shown);
        ASSERT_GE(questions.size(), 5u) << "seed " << seed;
        ASSERT_LE(questions.size(), 8u) << "seed " << seed;
        const Matrix edges = matrix_at(shown.steps[1], 330, 20), final_matrix = matrix_at(shown.steps[2], 580, 410);
        int yes = 0, no = 0, kinds = 0;
        std::set<std::string> asked;
        for (const RecordedQuestion& question : questions) {
            EXPECT_EQ(question.step, 3) << "seed " << seed;
            const std::string& text = question.text;
            EXPECT_TRUE(asked.insert(text).second) << "asked twice: " << text;
            int i = -1, j = -1, k = -1;
            if (text.find("Will it be 1 after the last pass") != std::string::npos) {
                ASSERT_EQ(std::sscanf(text.c_str(), "Row %d, column %d", &i, &j), 2) << text;
                ASSERT_TRUE(i >= 0 && i < vertex_count && j >= 0 && j < vertex_count && i != j) << text;
                EXPECT_EQ(edges[i][j], 0) << "seed " << seed << ": the cell is 1 already";
                const bool reaches = final_matrix[i][j] == 1;
                EXPECT_EQ(question.answer, reaches ? "yes" : "no") << "seed " << seed << ": " << text;
                (reaches ? yes : no) += 1;
                if (!reaches) continue;
                const std::vector<int> path = path_in(question.reason);
                ASSERT_GE(path.size(), 3u) << question.reason;
                EXPECT_EQ(path.front(), i);
                EXPECT_EQ(path.back(), j);
                int highest = -1;
                for (std::size_t h = 0; h + 1 < path.size(); h++) {
                    EXPECT_EQ(edges[path[h]][path[h + 1]], 1) << "no edge " << path[h] << "->" << path[h + 1];
                    if (h > 0 && path[h] > highest) highest = path[h];
                }
                // The pass the reason names is the first after which the cell is 1.
                EXPECT_NE(question.reason.find("so pass " + std::to_string(highest) + " sets row"), std::string::npos)
                    << question.reason;
                EXPECT_EQ(reach_through(edges, highest)[i][j], 0) << question.reason;
                EXPECT_EQ(reach_through(edges, highest + 1)[i][j], 1) << question.reason;
            } else if (std::sscanf(text.c_str(), "Row %d, column %d is 0 at the start and 1 in the closure", &i, &j) == 2) {
                kinds |= 1;
                EXPECT_EQ(edges[i][j], 0) << text;
                int first = -1;
                for (int pass = vertex_count - 1; pass >= 0; pass--)
                    if (reach_through(edges, pass + 1)[i][j] == 1) first = pass;
                EXPECT_EQ(question.answer, std::to_string(first)) << "seed " << seed << ": " << text;
                EXPECT_NE(question.reason.find(" along " + std::to_string(i) + "->"), std::string::npos) << question.reason;
            } else if (std::sscanf(text.c_str(), "Fill in row %d of the closure", &i) == 1) {
                kinds |= 2;
                std::string row;
                for (int v = 0; v < vertex_count; v++) row += (v ? ", " : "") + std::to_string(final_matrix[i][v]);
                EXPECT_EQ(question.answer, row) << "seed " << seed << ": " << text;
            } else if (std::sscanf(text.c_str(), "How many new 1s will pass %d", &k) == 1) {
                kinds |= 4;
                const int added = ones_in(reach_through(edges, k + 1)) - ones_in(reach_through(edges, k));
                EXPECT_EQ(question.answer, std::to_string(added)) << "seed " << seed << ": " << text;
                EXPECT_EQ(question.reason.rfind("Pass " + std::to_string(k) + " adds " + std::to_string(added), 0), 0u)
                    << question.reason;
            } else {
                kinds |= 8;
                EXPECT_EQ(text.rfind("How many 1s will the closure have", 0), 0u) << text;
                EXPECT_EQ(question.answer, std::to_string(ones_in(final_matrix))) << "seed " << seed;
            }
        }
        // One yes and one no, so that neither guess carries the pair; and every other kind is asked.
        EXPECT_EQ(yes, 1) << "seed " << seed;
        EXPECT_EQ(no, 1) << "seed " << seed;
        EXPECT_EQ(kinds, 15) << "seed " << seed;
    }
}

}  // namespace
