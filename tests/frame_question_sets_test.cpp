// The questions a class is set, as --predict asks them and a worksheet prints them: for every
// program, on its own graph and on random ones, a set of 5 to 8 of more than one kind, that no
// fixed guess typed to every question (y, n, t, b or one number) gets more than half right, on any
// sheet or on the sheets together (tests/question_balance.js). bench/question-balance.sh measures
// the same over 100 seeds.
#include "recording.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

namespace {

namespace fs = std::filesystem;

constexpr int seeds_tried = 12;

class QuestionSets : public ::testing::TestWithParam<ListedProgram> {};

TEST_P(QuestionSets, FiveToEightOfMixedKindsThatNoFixedGuessGetsHalfRight) {
    const ListedProgram& program = GetParam();
    const std::string folder = make_temp_folder();
    const std::string command = quote_path(program_path(program.name));
    const bool seeded = run_in(folder, command + " --help").out.find("--seed N") != std::string::npos;
    std::string sheets;
    // Seed 0 here: the program's own graph, for a program that has one; a program that draws a
    // random graph every time would draw one from the clock, a sheet the test could not make again.
    const int first = program.seeds.empty() ? 0 : 1;
    for (int seed = first; seed <= (seeded ? seeds_tried : 0); ++seed) {
        const std::string recording = folder + "/sheet-" + std::to_string(seed);
        const ProgramRun run =
            run_in(folder, command + " --predict --record " + quote_path(recording) + (seed > 0 ? " --seed " + std::to_string(seed) : ""));
        ASSERT_EQ(run.exit_status, 0) << program.name << " seed " << seed << ": " << run.err;
        const std::string data = slurp(recording + "/steps.json");
        std::set<std::string> kinds;
        const std::regex kind("\"kind\":\"(vertex|vertex_or_back|vertices|number|yes_no|edge_kind|table)\",\"hint\"");
        int asked = 0;
        for (std::sregex_iterator at(data.begin(), data.end(), kind), end; at != end; ++at, ++asked) kinds.insert((*at)[1]);
        EXPECT_GE(asked, 5) << program.name << " seed " << seed;
        EXPECT_LE(asked, 8) << program.name << " seed " << seed;
        EXPECT_GE(kinds.size(), 2u) << program.name << " seed " << seed << " asks questions of one kind only";
        sheets += " " + quote_path(recording + "/steps.json");
    }
    const ProgramRun balance = run_in(folder, "node '" SOURCE_DIR "/tests/question_balance.js'" + sheets);
    EXPECT_EQ(balance.exit_status, 0) << program.name << ":\n" << balance.out << balance.err;
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, QuestionSets, ::testing::ValuesIn(listed_programs()),
                         [](const ::testing::TestParamInfo<ListedProgram>& info) { return info.param.name; });

}  // namespace
