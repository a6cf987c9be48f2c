// A program can always be stopped, never hangs without a word, and never leaves a broken file
// under a final name: what a hurried user or an adversary would try, run as real processes.
#include "recording.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string quoted(const std::string& path) { return "'" + path + "'"; }

int lines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

// The names in a folder that are neither step pictures nor the pages: temporary files left behind.
std::vector<std::string> leftovers(const std::string& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename();
        const bool page = name == "index.html" || name == "steps.txt" || name == "steps.json" || name == "steps.js";
        if (!page && !(name.rfind("step-", 0) == 0 && name.size() == 12)) names.push_back(name);
    }
    return names;
}

// Every step picture in the folder decodes whole, and the page is complete.
void expect_whole_recording(const std::string& folder) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename();
        if (name.rfind("step-", 0) == 0) {
            EXPECT_EQ(read_png(entry.path()).width, 800) << name;
        }
    }
    if (fs::exists(folder + "/index.html")) {
        const std::string page = slurp(folder + "/index.html");
        EXPECT_EQ(page.rfind("</html>\n"), page.size() - 8) << "a partial page";
    }
    EXPECT_EQ(leftovers(folder), std::vector<std::string>{});
}

TEST(Stopping, DisplayThatCannotShowAWindowIsOneLineNotAHang) {
    // :977 is outside the numbers the window tests give their own X servers.
    for (const char* environment : {"DISPLAY=:977", "DISPLAY='not a display'", "SDL_VIDEODRIVER=dummy",
                                    "WAYLAND_DISPLAY=wayland-97"}) {
        const ProgramRun run = run_in("/tmp", std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER ") +
                                                  environment + " timeout 20 " + quoted(program_path("components")));
        EXPECT_EQ(run.exit_status, 1) << environment << ": " << run.err;
        EXPECT_EQ(lines(run.err), 1) << environment << ": " << run.err;
        EXPECT_NE(run.err.find("--record"), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << environment << ": drew in the terminal";
    }
}

TEST(Stopping, SignalEndsAProgramBlockedOnItsOutputWithTheUsualStatus) {
    const std::string folder = make_temp_folder();
    ASSERT_EQ(run_in(folder, "mkfifo show.gif").exit_status, 0);
    // Nobody reads the pipe, so the program waits to open it; SIGHUP must still end it. The signal
    // goes once the record folder stands, so the program is past its start and catching signals.
    // --foreground: timeout hands the signal on to the program once, not to its group as well, so
    // that this is one signal, not a second that ends the program at once.
    const ProgramRun run = run_in(folder, "(timeout --foreground -s KILL 20 " + quoted(program_path("gridpath")) +
                                              " --seed 3 --record pictures --gif show.gif & "
                                              "for i in $(seq 100); do [ -d pictures ] && break; sleep 0.1; done; "
                                              "kill -HUP $!; wait $!; echo $?)");
    EXPECT_EQ(run.out, "129\n") << run.err;  // 128 + SIGHUP; 137 would be the timeout's KILL
    EXPECT_EQ(run.err.find("gridpath:"), std::string::npos) << "a stop is not a failure to report: " << run.err;
    EXPECT_FALSE(fs::exists(folder + "/pictures")) << "a failed start leaves its empty folder";
    fs::remove_all(folder);
}

TEST(Stopping, SignalIgnoredFromTheStartStaysIgnored) {
    const std::string folder = make_temp_folder();
    ASSERT_EQ(run_in(folder, "mkfifo show.gif").exit_status, 0);
    // As under nohup: SIGHUP ignored before the program starts. It keeps waiting; SIGTERM ends it.
    // (No timeout(1) in between: it would catch the signals itself.)
    const ProgramRun run = run_in(folder, "(trap '' HUP; " + quoted(program_path("gridpath")) +
                                              " --seed 3 --record pictures --gif show.gif & "
                                              "for i in $(seq 100); do [ -d pictures ] && break; sleep 0.1; done; "
                                              "kill -HUP $!; sleep 0.5; kill -0 $! && echo alive; kill -TERM $!; wait $!; echo $?)");
    EXPECT_EQ(run.out, "alive\n143\n") << run.err;
    fs::remove_all(folder);
}

// What a recording that ended before its last step says of itself: steps.json and steps.js that it
// is not complete, steps.txt in its last line after which step it stopped, and index.html as many
// steps as there are pictures; nothing half-written.
void expect_marked_unfinished(const std::string& folder, int of) {
    int pictures = 0;
    while (fs::exists(folder + "/step-" + std::string(pictures + 1 < 10 ? "00" : "0") + std::to_string(pictures + 1) + ".png"))
        ++pictures;
    EXPECT_GT(pictures, 0);
    EXPECT_LT(pictures, of);
    EXPECT_NE(slurp(folder + "/steps.json").find("\"step_count\":" + std::to_string(of) + ",\"complete\":false,"), std::string::npos);
    EXPECT_NE(slurp(folder + "/steps.js").find("\"complete\":false,"), std::string::npos);
    const std::string text = slurp(folder + "/steps.txt");
    const std::string said = "(Unfinished: the program was stopped after step " + std::to_string(pictures) + " of " +
                             std::to_string(of) + ", or is still running.)\n";
    EXPECT_EQ(text.size() >= said.size() ? text.substr(text.size() - said.size()) : text, said);
    EXPECT_NE(slurp(folder + "/index.html").find("data-steps=\"" + std::to_string(pictures) + "\""), std::string::npos);
    expect_whole_recording(folder);
}

// The names in the sheet's folder that a write in progress leaves: its files under their
// temporary names.
std::vector<std::string> write_leftovers(const std::string& folder) {
    std::vector<std::string> names;
    if (!fs::exists(folder)) return names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename();
        if (name[0] == '.') names.push_back(name);
    }
    return names;
}

// Ctrl+C at any moment of a worksheet (before its show ends, while its pages and PDFs are written,
// or after): the program stops as the signal stops it or ends well, and the folder holds no file
// under a temporary name and no PDF that is not whole.
TEST(Stopping, SignalAtAnyMomentOfAWorksheetLeavesEveryFileWholeOrAbsent) {
    for (int delay_us = 0; delay_us <= 160000; delay_us += 20000) {
        const std::string folder = make_temp_folder();
        const pid_t program = fork();
        if (program == 0) {
            if (chdir(folder.c_str()) != 0) _exit(127);
            const int null = open("/dev/null", O_RDWR);
            dup2(null, 0);
            dup2(null, 1);
            execl(program_path("dfsedges").c_str(), "dfsedges", "--worksheet", "sheet", static_cast<char*>(nullptr));
            _exit(127);
        }
        usleep(static_cast<useconds_t>(delay_us));
        kill(program, SIGINT);
        int status = 0;
        waitpid(program, &status, 0);
        EXPECT_TRUE((WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) || (WIFEXITED(status) && WEXITSTATUS(status) == 0))
            << delay_us << " us: status " << status;
        EXPECT_EQ(write_leftovers(folder + "/sheet"), std::vector<std::string>{}) << delay_us << " us";
        for (const char* name : {"worksheet-a4.pdf", "worksheet-letter.pdf", "answers-a4.pdf", "answers-letter.pdf"}) {
            const std::string pdf = folder + "/sheet/" + name;
            if (!fs::exists(pdf)) continue;
            const std::string bytes = slurp(pdf);
            EXPECT_EQ(bytes.rfind("%PDF-", 0), 0u) << delay_us << " us: " << name;
            EXPECT_NE(bytes.find("%%EOF", bytes.size() > 16 ? bytes.size() - 16 : 0), std::string::npos) << delay_us << " us: " << name << " is cut short";
        }
        fs::remove_all(folder);
    }
}

// Standard output to a full disk: the program says so in one line and fails, rather than
// succeeding with nothing said; what it was recording says that it is unfinished, as after any
// other failure.
TEST(StandardOutput, LostOutputIsOneLineAndAFailure) {
    const std::string folder = make_temp_folder();
    const std::string full = "components: cannot write to standard output: No space left on device\n";
    const ProgramRun explained = run_in(folder, "(" + quoted(program_path("components")) + " --explain --record x --gif x.gif >/dev/full)");
    EXPECT_EQ(explained.exit_status, 1);
    EXPECT_EQ(explained.err, full);
    expect_marked_unfinished(folder + "/x", 24);
    EXPECT_FALSE(fs::exists(folder + "/x.gif"));
    EXPECT_EQ(leftovers(folder), std::vector<std::string>{"x"});
    for (const char* option : {"--help", "--version"}) {
        const ProgramRun run = run_in(folder, "(" + quoted(program_path("components")) + " " + option + " >/dev/full)");
        EXPECT_EQ(run.exit_status, 1) << option;
        EXPECT_EQ(run.err, full) << option;
    }
    // The worksheet is whole and stays; the line that says so did not go out.
    const ProgramRun sheet = run_in(folder, "(" + quoted(program_path("closure8")) + " --seed 1 --worksheet w >/dev/full)");
    EXPECT_EQ(sheet.exit_status, 1);
    EXPECT_EQ(sheet.err, "closure8: cannot write to standard output: No space left on device\n");
    EXPECT_TRUE(fs::exists(folder + "/w/worksheet-letter.pdf"));
    fs::remove_all(folder);
}

// `dfstree --explain --record DIR | head -40`: once the reader is gone, the write fails and the
// program ends as SIGPIPE ends it (status 141), its recording marked unfinished and its GIF removed,
// as after any other stop signal. Here the reader is gone before the first step.
TEST(StandardOutput, PipeClosedByItsReaderStopsTheShowAsASignalDoes) {
    const std::string folder = make_temp_folder();
    const std::string dfstree = quoted(program_path("dfstree"));
    const std::string reader_gone = "{ while [ ! -e reader-gone ]; do sleep 0.02; done; ";
    run_in(folder, reader_gone + dfstree + " --explain --record d --gif d.gif 2>err; echo $? >status; } | sh -c 'touch reader-gone'");
    EXPECT_EQ(slurp(folder + "/status"), "141\n");
    EXPECT_EQ(slurp(folder + "/err"), "") << "a stop is not a failure to report";
    expect_marked_unfinished(folder + "/d", 10);
    std::vector<std::string> names = leftovers(folder);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"d", "err", "reader-gone", "status"})) << "the GIF or its temporary file is left";
    for (const char* made : {"/d", "/status", "/err", "/reader-gone"}) fs::remove_all(folder + made);

    // With SIGPIPE ignored from the start, the write fails as on a full disk.
    run_in(folder, reader_gone + "trap '' PIPE; " + dfstree + " --explain --record d 2>err; echo $? >status; } | sh -c 'touch reader-gone'");
    EXPECT_EQ(slurp(folder + "/status"), "1\n");
    EXPECT_EQ(slurp(folder + "/err"), "dfstree: cannot write to standard output: Broken pipe\n");
    expect_marked_unfinished(folder + "/d", 10);
    fs::remove_all(folder);
}

TEST(Files, GifToALinkToAPipeGoesThroughTheLink) {
    const std::string folder = make_temp_folder();
    // As --gif /dev/stdout: the link is written through, not replaced by a file of its own.
    const ProgramRun run = run_in(folder, "mkfifo pipe && ln -s pipe show.gif && (timeout 20 cat pipe > got &) && "
                                          "timeout 20 " + quoted(program_path("components")) + " --gif show.gif; "
                                          "status=$?; sleep 0.3; echo $status");
    EXPECT_EQ(run.out, "0\n") << run.err;
    EXPECT_TRUE(fs::is_symlink(folder + "/show.gif"));
    EXPECT_EQ(slurp(folder + "/got").substr(0, 6), "GIF89a");
    fs::remove_all(folder);
}

TEST(Fonts, PipeOrCutFontIsPassedOverWithItsReasonAndTheFailedStartLeavesNoFolder) {
    const std::string folder = make_temp_folder();
    const std::string program = lone_copy_of("components", folder);
    ASSERT_EQ(run_in(folder, "mkfifo work/times.ttf").exit_status, 0);
    ASSERT_EQ(run_in(folder, "head -c 20000 " + quoted(program_path("times.ttf")) + " > bin/times.ttf").exit_status, 0);
    const ProgramRun run = run_in(folder + "/work", without_system_font + "timeout 20 " + quoted(program) + " --record pictures");
    EXPECT_EQ(run.exit_status, 1) << run.err;
    EXPECT_EQ(lines(run.err), 1) << run.err;
    EXPECT_NE(run.err.find("times.ttf: not a regular file"), std::string::npos) << run.err;
    // Cut short, the font either fails to open or opens and draws nothing; either is said.
    const std::string beside = folder + "/bin/times.ttf: ";
    EXPECT_TRUE(run.err.find(beside + "not a font") != std::string::npos ||
                run.err.find(beside + "renders no text") != std::string::npos)
        << run.err;
    EXPECT_FALSE(fs::exists(folder + "/work/pictures"));

    // A whole font beside the program serves, whatever lies in the working folder.
    ASSERT_EQ(run_in(folder, "cp " + quoted(program_path("times.ttf")) + " bin/times.ttf").exit_status, 0);
    EXPECT_EQ(run_in(folder + "/work", "timeout 20 " + quoted(program) + " --record pictures").exit_status, 0);
    fs::remove_all(folder);
}

// A small file system of the test's own, where the disk really fills up. Needs root to mount.
class FullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        folder = make_temp_folder();
        mounted = run_in(folder, "mkdir disk && mount -t tmpfs -o size=24k tmpfs disk").exit_status == 0;
        if (!mounted) GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
    }
    void TearDown() override {
        if (mounted) run_in(folder, "umount disk");
        fs::remove_all(folder);
    }
    std::string folder;
    bool mounted = false;
};

TEST_F(FullDisk, PicturesAndGifFailWithTheRealReasonAndLeaveNoPartialFile) {
    const ProgramRun pictures = run_in(folder, quoted(program_path("components")) + " --record disk/pictures");
    EXPECT_EQ(pictures.exit_status, 1);
    EXPECT_EQ(lines(pictures.err), 1) << pictures.err;
    EXPECT_NE(pictures.err.find("No space left on device"), std::string::npos) << pictures.err;
    EXPECT_EQ(pictures.err.find("libpng"), std::string::npos) << pictures.err;
    expect_whole_recording(folder + "/disk/pictures");
    run_in(folder, "rm -rf disk/pictures");

    const ProgramRun gif = run_in(folder, quoted(program_path("gridtrees")) + " --gif disk/show.gif");
    EXPECT_EQ(gif.exit_status, 1);
    EXPECT_EQ(lines(gif.err), 1) << gif.err;
    EXPECT_NE(gif.err.find("cannot write the GIF disk/show.gif: No space left on device"), std::string::npos) << gif.err;
    EXPECT_TRUE(fs::is_empty(folder + "/disk")) << "a partial GIF or its temporary file is left";
}

TEST(Files, FailedRunKeepsTheGoodGifAlreadyThere) {
    const std::string folder = make_temp_folder();
    const std::string program = lone_copy_of("components", folder);  // no font: it fails at start
    ASSERT_EQ(run_in(folder, "'" + program_path("components") + "' --gif work/show.gif").exit_status, 0);
    const std::string good = slurp(folder + "/work/show.gif");
    EXPECT_EQ(run_in(folder + "/work", without_system_font + quoted(program) + " --gif show.gif").exit_status, 1);
    EXPECT_EQ(slurp(folder + "/work/show.gif"), good);
    EXPECT_EQ(leftovers(folder + "/work"), std::vector<std::string>{"show.gif"});
    fs::remove_all(folder);
}

TEST(Files, TwoRecordingsIntoOneFolderAtOnceLeaveOnlyWholeFiles) {
    const std::string folder = make_temp_folder();
    for (int pair = 0; pair < 8; ++pair) {
        const ProgramRun run = run_in(folder, "(" + quoted(program_path("components")) + " --record pictures & " +
                                                  quoted(program_path("dfsedges")) + " --record pictures & " +
                                                  "a=0; wait %1 || a=1; wait %2 || a=1; exit $a)");
        EXPECT_EQ(run.exit_status, 0) << run.err;
        expect_whole_recording(folder + "/pictures");
    }
    fs::remove_all(folder);
}

TEST(Files, RecordingOverALongerRunLeavesOnlyItsOwnSteps) {
    const std::string folder = make_temp_folder();
    ASSERT_EQ(run_in(folder, quoted(program_path("components")) + " --record pictures").exit_status, 0);
    ASSERT_EQ(run_in(folder, quoted(program_path("closure8")) + " --seed 1 --record pictures").exit_status, 0);
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder + "/pictures")) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"index.html", "step-001.png", "step-002.png", "step-003.png", "steps.js",
                                               "steps.json", "steps.txt"}));
    EXPECT_NE(slurp(folder + "/pictures/index.html").find("data-steps=\"3\""), std::string::npos);
    fs::remove_all(folder);
}

// A link planted under a name of the record folder is no file the suite wrote: the run stops at its
// start, and neither follows nor removes it. A link named by --gif is replaced, never followed.
TEST(Files, LinksPlantedUnderTheOutputNamesAreNeverFollowed) {
    const std::string folder = make_temp_folder();
    ASSERT_EQ(run_in(folder, "mkdir pictures && echo secret > victim && ln -s ../victim pictures/step-001.png && "
                             "ln -s ../victim pictures/index.html && ln -s victim show.gif")
                  .exit_status,
              0);
    const ProgramRun refused = run_in(folder, quoted(program_path("components")) + " --record pictures --gif show.gif");
    EXPECT_EQ(refused.exit_status, 1);
    EXPECT_EQ(refused.err, "components: pictures holds an index.html that graphsteps did not write; choose an empty folder\n");
    for (const char* name : {"pictures/step-001.png", "pictures/index.html", "show.gif"})
        EXPECT_TRUE(fs::is_symlink(folder + "/" + name)) << name;

    const ProgramRun run = run_in(folder, quoted(program_path("components")) + " --gif show.gif");
    EXPECT_EQ(run.exit_status, 0) << run.err;
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder + "/show.gif")));
    EXPECT_EQ(slurp(folder + "/victim"), "secret\n");
    fs::remove_all(folder);
}

TEST(Files, ControlCharactersInAPathAreShownEscapedOnOneLine) {
    const std::string folder = make_temp_folder();
    std::ofstream(folder + "/blocker") << "a file, not a folder";
    const ProgramRun run = run_in(folder, quoted(program_path("components")) + " --record \"$(printf 'blocker/new\\nline\\033[31m')\"");
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(lines(run.err), 1) << run.err;
    EXPECT_NE(run.err.find("blocker/new\\nline\\x1B[31m"), std::string::npos) << run.err;
    fs::remove_all(folder);
}

}  // namespace
