// Every program that runs on a graph, on graphs other than its own: many random ones (--seed),
// each recorded with its questions and checked by steps_check.js, whose searches and the checks of
// tests/checks/ compute every answer and result again in ways of their own; and a file it refuses,
// which leaves one line and nothing written.
#include "recording.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

namespace {

namespace fs = std::filesystem;

constexpr int seeds_tried = 25;

// The programs whose --help offers --graph FILE.
std::vector<std::string> graph_programs() {
    std::vector<std::string> names;
    for (const ListedProgram& program : listed_programs()) {
        const ProgramRun help = run_in("/tmp", quote_path(program_path(program.name)) + " --help");
        if (help.out.find("--graph FILE") != std::string::npos) names.push_back(program.name);
    }
    return names;
}

class GraphPrograms : public ::testing::TestWithParam<std::string> {};

TEST_P(GraphPrograms, OnManyRandomGraphsEveryAnswerAndResultAgreesWithAComputationOfItsOwn) {
    const std::string& program = GetParam();
    const std::string folder = make_temp_folder();
    std::set<std::string> graphs;  // each run's first step, which shows its graph
    for (int seed = 1; seed <= seeds_tried; ++seed) {
        const std::string recording = folder + "/seed-" + std::to_string(seed);
        const ProgramRun run = run_in(folder, quote_path(program_path(program)) + " --predict --seed " + std::to_string(seed) +
                                                  " --record " + quote_path(recording));
        ASSERT_EQ(run.exit_status, 0) << program << " --seed " << seed << ": " << run.err;
        const ProgramRun checked = run_in(folder, "node '" SOURCE_DIR "/tests/steps_check.js' " + quote_path(recording + "/steps.json"));
        EXPECT_EQ(checked.exit_status, 0) << program << " --seed " << seed << ":\n" << checked.out << checked.err;
        graphs.insert(slurp(recording + "/step-001.png"));
        // The steps said ahead ("step K of N") are the steps shown.
        int shown = 0;
        while (fs::exists(recording + "/step-" + std::string(shown + 1 < 10 ? "00" : shown + 1 < 100 ? "0" : "") +
                          std::to_string(shown + 1) + ".png"))
            ++shown;
        const std::string data = slurp(recording + "/steps.json");
        const std::size_t count_at = data.find("\"step_count\":");
        ASSERT_NE(count_at, std::string::npos);
        EXPECT_EQ(std::atoi(data.c_str() + count_at + 13), shown) << program << " --seed " << seed << ": steps said and shown";
        fs::remove_all(recording);
    }
    // A class of 25 gets 25 graphs, or nearly: a few small graphs may come twice.
    EXPECT_GE(static_cast<int>(graphs.size()), seeds_tried * 9 / 10) << program << ": graphs drawn from " << seeds_tried << " seeds";
}

// --print-graph writes the graph in use so that, read back with --graph, the show is the same:
// the same places and every vertex's neighbours in the same order, so the same pictures.
TEST_P(GraphPrograms, ThePrintedGraphReadBackDrawsTheSameShow) {
    const std::string& program = GetParam();
    const std::string folder = make_temp_folder();
    const std::string command = quote_path(program_path(program));
    const ProgramRun printed = run_in(folder, command + " --print-graph --seed 7");
    ASSERT_EQ(printed.exit_status, 0) << printed.err;
    EXPECT_EQ(printed.out.rfind("# " + program + ": the random graph of seed 7\n", 0), 0u) << printed.out;
    std::ofstream(folder + "/printed.txt") << printed.out;
    ASSERT_EQ(run_in(folder, command + " --seed 7 --record seeded").exit_status, 0);
    const ProgramRun again = run_in(folder, command + " --graph printed.txt --record again");
    ASSERT_EQ(again.exit_status, 0) << again.err;
    int steps = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder + "/seeded")) {
        if (entry.path().extension() != ".png") continue;
        ++steps;
        EXPECT_EQ(slurp(entry.path()), slurp(folder + "/again/" + entry.path().filename().string())) << entry.path().filename();
    }
    EXPECT_GT(steps, 0);
}

TEST_P(GraphPrograms, AFileItRefusesIsOneLineAndNothingIsWritten) {
    const std::string& program = GetParam();
    const std::string folder = make_temp_folder();
    std::ofstream(folder + "/lecture.txt") << "# my lecture\nvertex 0\nvertex one\n";
    const ProgramRun run = run_in(folder, quote_path(program_path(program)) + " --graph lecture.txt --record pictures --explain");
    EXPECT_EQ(run.exit_status, 2);
    EXPECT_EQ(run.err, "lecture.txt:3: 'one' is not a vertex number (0, 1, 2, ...)\n");
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(fs::exists(folder + "/pictures"));
}

// What a program cannot show besides what every program refuses: a bridge (no strong orientation),
// more components than it has colours for, a start vertex without an edge.
TEST(GraphFiles, EachProgramsOwnConditionIsOneLineNamingTheLineThatBreaksIt) {
    const struct {
        const char* program;
        const char* file;
        const char* complaint;
    } cases[] = {
        {"orientgrid", "vertex 0\nvertex 1\nvertex 2\nvertex 3\nedge 0 1\nedge 1 2\nedge 2 0\nedge 2 3\n",
         "g.txt:8: edge 2 3 is a bridge: no strong orientation exists\n"},
        {"components", "vertex 0\nvertex 1\nvertex 2\nvertex 3\nvertex 4\n",
         "g.txt:5: the graph has 5 connected components, and components colours at most 4: vertex 4 begins component 5\n"},
        {"numbering", "vertex 0\nvertex 1\nvertex 2\nedge 1 2\n", "g.txt:1: vertex 0, where the search starts, has no edge: give it one\n"},
    };
    const std::string folder = make_temp_folder();
    for (const auto& c : cases) {
        std::ofstream(folder + "/g.txt") << c.file;
        const ProgramRun run = run_in(folder, quote_path(program_path(c.program)) + " --graph g.txt --record pictures");
        EXPECT_EQ(run.exit_status, 2) << c.program;
        EXPECT_EQ(run.err, c.complaint) << c.program;
        EXPECT_FALSE(fs::exists(folder + "/pictures")) << c.program;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryGraphProgram, GraphPrograms, ::testing::ValuesIn(graph_programs()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
