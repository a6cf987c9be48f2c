// What every program shares around its pictures: the command line, and a clear message with the
// right exit status whenever it cannot do what it was asked. ProgramRun on `walks` and `components`.
#include "recording.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sys/stat.h>

namespace {

// A program that draws the same picture every time: no graph of the user's, no seed.
std::string walks() { return "'" + program_path("walks") + "'"; }

TEST(ProgramOptions, HelpPrintsTheUsageAndSucceeds) {
    const ProgramRun run = run_in("/tmp", walks() + " --help");
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_NE(run.out.find("usage: walks [--explain] [--predict] [--record DIR]"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("--seed"), std::string::npos);  // no random graph, no seed
    EXPECT_EQ(run.out.find("--graph"), std::string::npos);
    EXPECT_NE(run.out.find("\n  --version "), std::string::npos) << run.out;
}

TEST(ProgramOptions, VersionIsTheSuiteVersionTheBuildWasConfiguredWith) {
    for (const ListedProgram& program : listed_programs()) {
        const ProgramRun run = run_in("/tmp", "'" + program_path(program.name) + "' --version");
        EXPECT_EQ(run.exit_status, 0) << program.name << ": " << run.err;
        EXPECT_EQ(run.out, program.name + " (graphsteps) " GRAPHSTEPS_VERSION "\n");
        EXPECT_EQ(run.err, "");
    }
}

TEST(ProgramOptions, BadArgumentsAreUsageErrorsWithStatusTwo) {
    for (const char* arguments : {"--frobnicate", "extra", "--record", "--seed 5", "--record ''"}) {
        const ProgramRun run = run_in("/tmp", walks() + " " + arguments);
        EXPECT_EQ(run.exit_status, 2) << arguments;
        EXPECT_NE(run.err.find("usage: walks"), std::string::npos) << arguments << ": " << run.err;
    }
    EXPECT_NE(run_in("/tmp", walks() + " --seed 5").err.find("draws no random graph"), std::string::npos);
}

// A pasted argument may hold an escape sequence: echoed raw, it would clear the screen or colour the
// terminal. It is shown escaped, as a path in a message is.
TEST(ProgramOptions, UnknownArgumentIsEchoedWithItsControlCharactersEscaped) {
    const ProgramRun run = run_in("/tmp", walks() + " \"$(printf 'x\\033[2J\\033[31m\\ry')\"");
    EXPECT_EQ(run.exit_status, 2);
    EXPECT_EQ(run.err.find_first_of("\x1b\r"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), "walks: unknown argument 'x\\x1B[2J\\x1B[31m\\x0Dy'");
}

TEST(ProgramOptions, FrameRateIsForAnimatedProgramsAndMustBeAWholeNumber) {
    const std::string gridtrees = "'" + program_path("gridtrees") + "'";
    for (const char* rate : {"-1", "abc", "1001", "60fps", "", "2.5"}) {
        const ProgramRun run = run_in("/tmp", gridtrees + " --fps '" + rate + "'");
        EXPECT_EQ(run.exit_status, 2) << rate;
        EXPECT_NE(run.err.find("--fps needs a whole number from 0 to 1000"), std::string::npos) << run.err;
    }
    EXPECT_EQ(run_in("/tmp", gridtrees + " --fps").exit_status, 2);
    const ProgramRun refused = run_in("/tmp", walks() + " --fps 30");
    EXPECT_EQ(refused.exit_status, 2);
    EXPECT_NE(refused.err.find("no animation"), std::string::npos) << refused.err;
    // A rate with --record is accepted and ignored: recording is never paced.
    const std::string folder = make_temp_folder();
    EXPECT_EQ(run_in(folder, gridtrees + " --fps 1 --record pictures").exit_status, 0);
}

// Seeds go up to 4294967295; the words about a run name the seed that --seed takes back.
TEST(ProgramOptions, SeedAboveTheIntRangeIsNamedAsGiven) {
    const ProgramRun run =
        run_in("/tmp", "'" + program_path("closure8") + "' --seed 4000000000 --explain --gif /dev/null");
    EXPECT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("closure8 (seed 4000000000)\n", 0), 0u) << run.out.substr(0, 80);
}

TEST(ProgramFailures, RecordFolderThatCannotBeMadeStopsBeforeDrawing) {
    const std::string folder = make_temp_folder();
    std::ofstream(folder + "/plain-file") << "not a folder";
    const ProgramRun run = run_in(folder, walks() + " --record plain-file/pictures");
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_NE(run.err.find("cannot make the record folder"), std::string::npos) << run.err;
}

TEST(ProgramFailures, PictureThatCannotBeWrittenIsNotReportedAsSuccess) {
    const std::string folder = make_temp_folder();
    ASSERT_EQ(mkdir((folder + "/pictures").c_str(), 0777), 0);
    ASSERT_EQ(mkdir((folder + "/pictures/step-002.png").c_str(), 0777), 0);  // in the way
    const ProgramRun run = run_in(folder, walks() + " --record pictures");
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_NE(run.err.find("cannot write the picture pictures/step-002.png"), std::string::npos) << run.err;
    struct stat info;
    EXPECT_EQ(stat((folder + "/pictures/step-001.png").c_str(), &info), 0);
    EXPECT_NE(stat((folder + "/pictures/step-003.png").c_str(), &info), 0);  // stopped at the failure
}

std::string lone_copy(const std::string& folder) { return lone_copy_of("components", folder); }

bool installed_font_exists() {
    struct stat info;
    return stat(FONT_INSTALL_DIR "/times.ttf", &info) == 0;
}

TEST(ProgramFailures, NoFontAnywhereSaysWhereItLookedAndHowToGetIt) {
    if (installed_font_exists()) GTEST_SKIP() << "a font is installed in " FONT_INSTALL_DIR;
    const std::string folder = make_temp_folder();
    const std::string program = lone_copy(folder);
    // Two data folders, one of them relative, which is no data folder and is not looked in.
    const ProgramRun run = run_in(folder + "/work", "XDG_DATA_DIRS='" + folder + "/data/:relative' '" + program +
                                                        "' --record pictures");
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find("cannot load the font times.ttf"), std::string::npos) << run.err;
    const std::vector<std::string> in_order = {
        "(times.ttf: missing", folder + "/bin/times.ttf: missing", FONT_INSTALL_DIR "/times.ttf: missing",
        folder + "/data/fonts/truetype/liberation/LiberationSerif-Regular.ttf: missing)"};
    std::size_t at = 0;
    for (const std::string& place : in_order) {
        at = run.err.find(place, at);
        EXPECT_NE(at, std::string::npos) << place << " missing or out of order in: " << run.err;
        if (at == std::string::npos) break;
    }
    EXPECT_EQ(run.err.find("relative"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("apt install fonts-liberation"), std::string::npos) << run.err;
}

// Without XDG_DATA_DIRS the last places are /usr/local/share's and Debian's own; with it, its
// folders in their order. Either way Liberation Serif found there draws exactly what the build does.
TEST(ProgramFailures, LiberationSerifOfTheDataFoldersServesLastAndDrawsAsBuilt) {
    if (installed_font_exists()) GTEST_SKIP() << "a font is installed in " FONT_INSTALL_DIR;
    const std::string folder = make_temp_folder();
    const std::string program = lone_copy(folder);
    const Recording built = record("components");
    ASSERT_EQ(built.steps.size(), 24u);

    const std::string debian_place = "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf";
    const ProgramRun by_default = run_in(folder + "/work", "env -u XDG_DATA_DIRS '" + program + "' --record debian");
    struct stat info;
    if (stat(debian_place.c_str(), &info) == 0) {
        EXPECT_EQ(by_default.exit_status, 0) << by_default.err;
        EXPECT_TRUE(read_png(folder + "/work/debian/step-024.png").pixels == built.steps.back().pixels);
    } else {
        EXPECT_EQ(by_default.exit_status, 1);
        EXPECT_NE(by_default.err.find("/usr/local/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf: "),
                  std::string::npos) << by_default.err;
        EXPECT_NE(by_default.err.find(debian_place + ": missing)"), std::string::npos) << by_default.err;
    }

    // The second data folder holds the font; the first holds none.
    const ProgramRun copy = run_in(folder, "mkdir -p second/fonts/truetype/liberation && cp '" +
                                               program_path("times.ttf") +
                                               "' second/fonts/truetype/liberation/LiberationSerif-Regular.ttf");
    ASSERT_EQ(copy.exit_status, 0) << copy.err;
    const ProgramRun run = run_in(folder + "/work", "XDG_DATA_DIRS='" + folder + "/first:" + folder + "/second/' '" +
                                                        program + "' --record pictures");
    EXPECT_EQ(run.exit_status, 0) << run.err;
    EXPECT_TRUE(read_png(folder + "/work/pictures/step-024.png").pixels == built.steps.back().pixels);
}

TEST(ProgramFailures, FontFileThatWillNotLoadIsAnErrorNotACrash) {
    if (installed_font_exists()) GTEST_SKIP() << "a font is installed in " FONT_INSTALL_DIR;
    const std::string folder = make_temp_folder();
    const std::string program = lone_copy(folder);
    std::ofstream(folder + "/work/times.ttf") << "this is not a TrueType font";
    std::ofstream(folder + "/bin/times.ttf") << "nor is this";
    const ProgramRun run = run_in(folder + "/work", without_system_font + "'" + program + "' --record pictures");
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_NE(run.err.find("cannot load the font"), std::string::npos) << run.err;
}

TEST(ProgramFailures, FontInTheWorkingFolderIsFoundFirst) {
    const std::string folder = make_temp_folder();
    const std::string program = lone_copy(folder);
    const ProgramRun copy = run_in(folder, "cp '" + program_path("times.ttf") + "' work/times.ttf");
    ASSERT_EQ(copy.exit_status, 0) << copy.err;
    const ProgramRun run = run_in(folder + "/work", "'" + program + "' --record pictures");
    EXPECT_EQ(run.exit_status, 0) << run.err;
}

TEST(ProgramFailures, NoDisplayIsOneClearLineAndStatusOne) {
    const ProgramRun run = run_in("/tmp", "env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER " + walks());
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_NE(run.err.find("no display"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("--record"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
}

}  // namespace
