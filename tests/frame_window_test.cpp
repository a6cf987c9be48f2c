// The programs in a real window, on an X server of the test's own (Xvfb), driven with xdotool as a
// person would drive them: keys, the close button, signals, and what the caption says meanwhile.
// Skipped, with a message, where Xvfb or xdotool is missing.
#include "recording.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

// frame_window_close.cpp
bool send_close(const std::string& display, unsigned long window);
bool grab_window(const std::string& display, unsigned long window, int& width, int& height,
                 std::vector<unsigned int>& pixels);

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

bool have(const char* command) { return std::system(("command -v " + std::string(command) + " >/dev/null 2>&1").c_str()) == 0; }

// What a shell command prints, trailing newline cut.
std::string output_of(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) text += buffer;
        pclose(pipe);
    }
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

// An X server with a screen of `size` ("2048x1536x24") on a display number of its own, once it
// answers: its display name, empty when none could be started; its process in `server`.
std::string start_x_server(const char* size, pid_t& server) {
    server = 0;
    // The display numbers to choose from: TEST_X_DISPLAYS=600-649 keeps to those, on a machine
    // whose other X servers use the rest.
    int low = 100, high = 599;
    if (const char* range = std::getenv("TEST_X_DISPLAYS")) std::sscanf(range, "%d-%d", &low, &high);
    if (high < low) high = low;
    const int span = high - low + 1;
    for (int tries = 0; tries < std::min(20, span); ++tries) {
        const int number = low + (getpid() % span + tries) % span;
        const std::string name = ":" + std::to_string(number);
        if (access(("/tmp/.X" + std::to_string(number) + "-lock").c_str(), F_OK) == 0) continue;
        server = fork();
        if (server == 0) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, 1);
            dup2(null, 2);
            // -noreset: without it the server resets when the display check closes its only
            // connection, and a window opened just then fails now and again.
            execlp("Xvfb", "Xvfb", name.c_str(), "-noreset", "-nolisten", "tcp", "-screen", "0", size,
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        for (int wait = 0; wait < 100; ++wait) {
            // An answer counts only while our server runs: another one may hold the display.
            const bool answered = std::system(("DISPLAY=" + name + " xdotool getmouselocation >/dev/null 2>&1").c_str()) == 0;
            if (waitpid(server, nullptr, WNOHANG) == server) {  // that display was taken
                server = 0;
                break;
            }
            if (answered) return name;
            std::this_thread::sleep_for(100ms);
        }
        if (server > 0) {
            kill(server, SIGTERM);
            waitpid(server, nullptr, 0);
            server = 0;
        }
    }
    return "";
}

class Window : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (have("Xvfb") && have("xdotool")) display = start_x_server("2048x1536x24", server);
    }
    static void TearDownTestSuite() {
        if (server > 0) {
            kill(server, SIGTERM);
            waitpid(server, nullptr, 0);
        }
    }
    void SetUp() override {
        if (display.empty()) GTEST_SKIP() << "Xvfb or xdotool is missing (Debian: apt-get install xvfb xdotool)";
    }
    void TearDown() override {
        if (program > 0) {
            kill(program, SIGKILL);
            waitpid(program, nullptr, 0);
        }
    }

    // Starts the program in a window and waits for the window to show; on another display than the
    // suite's when `on` names one, and with its standard error into the file `errors` when named.
    void launch(const std::string& name, const std::vector<std::string>& arguments = {}, const std::string& on = "",
                const std::string& errors = "", const std::string& output = "") {
        const std::string shown_on = on.empty() ? display : on;
        program = fork();
        if (program == 0) {
            setenv("DISPLAY", shown_on.c_str(), 1);
            setenv("LSAN_OPTIONS", "print_suppressions=0:suppressions=" SOURCE_DIR "/tests/lsan-x11.supp", 1);
            const int null = open("/dev/null", O_RDWR);
            dup2(null, 0);
            dup2(null, 1);
            if (!errors.empty()) dup2(open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
            if (!output.empty()) dup2(open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
            std::vector<std::string> words{program_path(name)};
            words.insert(words.end(), arguments.begin(), arguments.end());
            std::vector<char*> argv;
            for (std::string& word : words) argv.push_back(word.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        window_display = shown_on;
        window = output_of("DISPLAY=" + shown_on + " timeout 20 xdotool search --sync --name '^" + name + "' | head -n 1");
        ASSERT_FALSE(window.empty()) << name << " showed no window";
    }

    std::string caption() const {
        return output_of("DISPLAY=" + window_display + " xdotool getwindowname " + window + " 2>/dev/null");
    }

    // Waits up to 20 s for the caption to start with `where` and end with `what_a_key_does` (the
    // step's sentence stands between them); true once it does.
    bool caption_becomes(const std::string& where, const std::string& what_a_key_does) const {
        for (int i = 0; i < 400; ++i) {
            const std::string seen = caption();
            if (seen.rfind(where, 0) == 0 && seen.size() >= what_a_key_does.size() &&
                seen.compare(seen.size() - what_a_key_does.size(), what_a_key_does.size(), what_a_key_does) == 0)
                return true;
            std::this_thread::sleep_for(50ms);
        }
        return false;
    }

    // A press and release; `press_only` for the key that ends the show, whose window may be gone
    // before the release could be sent.
    void key(const std::string& name, bool press_only = false) const {
        const std::string said = output_of("DISPLAY=" + window_display + " xdotool " + (press_only ? "keydown" : "key") +
                                           " --window " + window + " " + name + " 2>&1 || echo failed");
        ASSERT_EQ(said.find("failed"), std::string::npos) << "xdotool key " << name << ": " << said;
    }

    // How many blocks of `scale` x `scale` window pixels are not all the colour of their pixel of
    // `picture`, an 800 x 600 recorded step; -1 when the window cannot be read or has another size.
    int blocks_unlike(const Picture& picture, int scale) const {
        int width = 0, height = 0;
        std::vector<unsigned int> shown;
        if (!grab_window(window_display, std::stoul(window), width, height, shown)) return -1;
        // The picture stands at the window's left edge; a teaching panel may stand beside it.
        if (width < picture.width * scale || height != picture.height * scale) return -1;
        int unlike = 0;
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x) {
                const Rgb p = picture.at(x, y);
                const unsigned int expected = unsigned(p.r) << 16 | unsigned(p.g) << 8 | p.b;
                bool same = true;
                for (int dy = 0; dy < scale; ++dy)
                    for (int dx = 0; dx < scale; ++dx)
                        same &= shown[std::size_t(y * scale + dy) * width + std::size_t(x * scale + dx)] == expected;
                unlike += same ? 0 : 1;
            }
        return unlike;
    }

    // What the window manager sends when the close button is clicked.
    void close_window() const { ASSERT_TRUE(send_close(window_display, std::stoul(window))); }

    // The program's wait status once it has ended, or -1 when it is still running after `limit`.
    int ended_within(std::chrono::milliseconds limit) {
        const auto until = std::chrono::steady_clock::now() + limit;
        int status = 0;
        while (std::chrono::steady_clock::now() < until) {
            if (waitpid(program, &status, WNOHANG) == program) {
                program = 0;
                return status;
            }
            std::this_thread::sleep_for(20ms);
        }
        return -1;
    }

    static pid_t server;
    static std::string display;
    pid_t program = 0;
    std::string window, window_display;  // the program's window, and the display it is on
};

pid_t Window::server = 0;
std::string Window::display;

TEST_F(Window, KeyThatSkipsAnAnimationIsUsedUpAndTheFinishedPictureWaits) {
    launch("gridpath", {"--seed", "3"});
    EXPECT_TRUE(caption_becomes("gridpath - step 1 of 1 - seed 3: searching breadth-first from the top-left corner", " - any key: skip to its end")) << caption();
    key("space");
    EXPECT_TRUE(caption_becomes("gridpath - step 1 of 1 - seed 3", " - any key: end")) << caption();
    EXPECT_EQ(ended_within(1s), -1) << "the key that skipped the search also ended the show";
    key("space", true);
    const int status = ended_within(5s);
    ASSERT_NE(status, -1);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

TEST_F(Window, CloseDuringAnAnimationSkipsItAndAtAWaitGoesOnOneStep) {
    launch("gridtrees");
    EXPECT_TRUE(caption_becomes("gridtrees - step 1 of 3", " - any key: next")) << caption();
    close_window();  // at a wait: one step on, as a key
    EXPECT_TRUE(caption_becomes("gridtrees - step 2 of 3: growing the depth-first tree from the centre", " - any key: skip to its end")) << caption();
    close_window();  // during the growth: skips it, and is used up
    EXPECT_TRUE(caption_becomes("gridtrees - step 2 of 3", " - any key: next")) << caption();
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(caption_becomes("gridtrees - step 2 of 3", " - any key: next")) << caption();
    EXPECT_EQ(ended_within(0ms), -1);
}

TEST_F(Window, LoneModifierKeysStepNothingAndOtherKeysDo) {
    launch("components");
    ASSERT_TRUE(caption_becomes("components - step 1 of 24", " - any key: next")) << caption();
    for (const char* modifier : {"shift", "Control_L", "Alt_L", "Super_L", "Caps_Lock", "Num_Lock", "Caps_Lock", "Num_Lock"})
        key(modifier);
    key("ctrl+c");  // a key with a modifier held is a key: one step
    EXPECT_TRUE(caption_becomes("components - step 2 of 24", " - any key: next")) << caption();
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(caption_becomes("components - step 2 of 24", " - any key: next")) << caption();
}

// A teacher's run: twice the size, back and forth through the steps, and a jump by number; the
// window shows each step exactly as recorded, each pixel a 2 x 2 block.
TEST_F(Window, BrowsingATwiceScaledShowShowsEachRecordedStepInBlocks) {
    const Recording recorded = record("components");
    ASSERT_EQ(recorded.steps.size(), 24u);
    launch("components", {"--browse", "--scale", "2"});
    ASSERT_TRUE(caption_becomes("components - step 1 of 24", " - Right: next")) << caption();
    for (const char* next : {"Right", "Next", "space"}) key(next);  // Next is PageDown
    ASSERT_TRUE(caption_becomes("components - step 4 of 24: ", " - Right: next, Left: back")) << caption();
    EXPECT_EQ(blocks_unlike(recorded.steps[3], 2), 0);
    key("Prior");  // PageUp
    EXPECT_TRUE(caption_becomes("components - step 3 of 24 (an earlier step; the newest is step 4): ", " - Right: next, Left: back")) << caption();
    EXPECT_EQ(blocks_unlike(recorded.steps[2], 2), 0);
    key("2");
    EXPECT_TRUE(caption_becomes("components - step 3 of 24 (an earlier step; the newest is step 4): ", " - go to step 2_, Enter - Right: next, Left: back")) << caption();
    key("Return");
    EXPECT_TRUE(caption_becomes("components - step 2 of 24 (an earlier step; the newest is step 4): ", " - Right: next, Left: back")) << caption();
    EXPECT_EQ(blocks_unlike(recorded.steps[1], 2), 0);
    key("Home");
    EXPECT_TRUE(caption_becomes("components - step 1 of 24 (an earlier step; the newest is step 4): ", " - Right: next")) << caption();
    EXPECT_EQ(blocks_unlike(recorded.steps[0], 2), 0);
    key("End");
    key("Right");  // from the newest: the program draws step 5
    EXPECT_TRUE(caption_becomes("components - step 5 of 24: ", " - Right: next, Left: back")) << caption();
    EXPECT_EQ(blocks_unlike(recorded.steps[4], 2), 0);
    EXPECT_EQ(ended_within(0ms), -1);
}

// A scale the screen cannot take would show only the picture's top left corner (41 % of it at
// scale 2 on a 1024 x 768 screen): it comes down to the largest whole scale that fits, as
// --fullscreen's does, and one line on stderr says so. A scale that fits says nothing.
TEST_F(Window, ScaleLargerThanTheScreenComesDownToTheLargestThatFitsAndSaysSo) {
    const Recording recorded = record("components");
    ASSERT_FALSE(recorded.steps.empty());
    pid_t small_server = 0;
    const std::string small = start_x_server("1024x768x24", small_server);
    ASSERT_FALSE(small.empty()) << "cannot start a second X server";
    const std::string folder = make_temp_folder(), errors = folder + "/stderr";
    const struct {
        std::string display, scale;
        int shown_at;
        std::string said;
    } cases[] = {
        {small, "2", 1, "components: --scale 2 does not fit the 1024 x 768 screen; showing at scale 1\n"},
        {display, "3", 2, "components: --scale 3 does not fit the 2048 x 1536 screen; showing at scale 2\n"},
        {display, "2", 2, ""},
    };
    for (const auto& c : cases) {
        launch("components", {"--scale", c.scale}, c.display, errors);
        EXPECT_TRUE(caption_becomes("components - step 1 of 24", " - any key: next")) << caption();
        // (A window larger than its screen cannot be read whole: X refuses the grab.)
        const std::string size = output_of("DISPLAY=" + c.display + " xdotool getwindowgeometry --shell " + window +
                                           " | grep -E '^(WIDTH|HEIGHT)=' | tr '\\n' ' '");
        const std::string expected = "WIDTH=" + std::to_string(800 * c.shown_at) + " HEIGHT=" + std::to_string(600 * c.shown_at) + " ";
        EXPECT_EQ(size, expected) << "--scale " << c.scale;
        if (size == expected) {
            EXPECT_EQ(blocks_unlike(recorded.steps[0], c.shown_at), 0) << "--scale " << c.scale << " on " << c.display;
        }
        kill(program, SIGTERM);
        EXPECT_NE(ended_within(5s), -1);
        std::ifstream said(errors);
        const std::string text{std::istreambuf_iterator<char>(said), std::istreambuf_iterator<char>()};
        EXPECT_EQ(text, c.said);
    }
    kill(small_server, SIGTERM);
    waitpid(small_server, nullptr, 0);
    std::filesystem::remove_all(folder);
}

TEST_F(Window, SignalsEndTheProgramAtAWaitAndDuringAnAnimation) {
    launch("components");
    ASSERT_TRUE(caption_becomes("components - step 1 of 24", " - any key: next")) << caption();
    kill(program, SIGINT);
    int status = ended_within(2s);
    ASSERT_NE(status, -1) << "SIGINT did not end the program";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;

    launch("gridpath", {"--seed", "3"});
    std::this_thread::sleep_for(300ms);  // the search is growing
    kill(program, SIGTERM);
    status = ended_within(2s);
    ASSERT_NE(status, -1) << "SIGTERM did not end the animation";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
}

// Every program with --predict --explain, every question skipped by Escape: on standard output
// each question comes first, then its answer, then the words of the step that shows it, and
// nothing of that step before.
TEST_F(Window, EveryProgramPutsItsQuestionThenItsAnswerThenTheStep) {
    const std::string folder = make_temp_folder();
    std::ifstream list(SOURCE_DIR "/programs.list");
    std::string line;
    int programs = 0, questions = 0;
    while (std::getline(list, line)) {
        if (line.empty() || line[0] == '#') continue;
        const std::string name = line.substr(0, line.find(' '));
        ++programs;
        launch(name, {"--predict", "--explain"}, "", "", folder + "/" + name + ".txt");
        // Keys until the window is gone: a busy machine draws the animations' frames slowly, and
        // 1,500 keys once ran out before gridtrees ended.
        output_of("for i in $(seq 6000); do DISPLAY=" + window_display + " xdotool key --window " + window +
                  " Escape >/dev/null 2>&1 || break; sleep 0.01; done");
        const int status = ended_within(10s);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << name << ": " << status;
        std::ifstream said(folder + "/" + name + ".txt");
        std::vector<std::string> lines;
        for (std::string text; std::getline(said, text);) lines.push_back(text);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::size_t asked = lines[i].find(" - question: ");
            if (lines[i].rfind(name + " - step ", 0) != 0 || asked == std::string::npos) continue;
            ++questions;
            // "closure8 - step 2 of 3 - seed 1 - question: ..." asks about the words "Step 2 of 3: ...".
            const std::string where = lines[i].substr(name.size() + 8, asked - name.size() - 8);
            const std::string step = "Step " + where.substr(0, where.find(" - ")) + ":";
            std::size_t answer = i, words = i;
            while (answer < lines.size() && lines[answer].rfind("  skipped: the answer is ", 0) != 0) ++answer;
            while (words < lines.size() && lines[words].rfind(step, 0) != 0) ++words;
            EXPECT_LT(answer, words) << name << ": no answer before " << step;
            EXPECT_LT(words, lines.size()) << name << ": " << step << " never came";
            for (std::size_t j = 0; j < i; ++j) EXPECT_NE(lines[j].rfind(step, 0), 0u) << name << ": " << step << " before its question";
        }
    }
    EXPECT_EQ(programs, 13);
    // Five or more a program (gridpath, on a random lattice that may cut its start off, three or
    // more): the order is held on some 60 questions or more.
    EXPECT_GE(questions, 12 * 5 + 3) << "the programs asked too few questions to hold them to the order";
    fs::remove_all(folder);
}

// The panel beside the picture: the window's columns right of the picture, polled until they
// differ from `before` (up to 10 s); empty when the window could not be read.
std::vector<unsigned int> panel_after(const std::string& display, const std::string& window,
                                      const std::vector<unsigned int>& before) {
    std::vector<unsigned int> panel;
    for (int i = 0; i < 200; ++i) {
        int width = 0, height = 0;
        std::vector<unsigned int> shown;
        if (!grab_window(display, std::stoul(window), width, height, shown) || width <= 800) return {};
        panel.clear();
        for (int y = 0; y < height; ++y)
            panel.insert(panel.end(), shown.begin() + std::ptrdiff_t(y) * width + 800, shown.begin() + std::ptrdiff_t(y + 1) * width);
        if (panel != before) return panel;
        std::this_thread::sleep_for(50ms);
    }
    return panel;
}

// A student with no terminal plays dfstree --predict by keys alone: a right answer, a wrong one,
// Escape, the legend, the end. At every event the picture part of the window is the recorded step
// (the question comes while the step before it is shown), the panel beside it changes, and the
// caption says only where the show is and what a key does.
TEST_F(Window, PredictingStudentFollowsTheShowInThePanelBesideThePicture) {
    const Recording recorded = record("dfstree", "--predict");
    ASSERT_EQ(recorded.steps.size(), 10u);
    launch("dfstree", {"--predict"});
    std::vector<unsigned int> panel;
    int events = 0;
    const auto expect_event = [&](const std::string& caption_start, const std::string& caption_end, int shown) {
        ASSERT_TRUE(caption_becomes(caption_start, caption_end)) << caption();
        const std::vector<unsigned int> now = panel_after(window_display, window, panel);
        ASSERT_FALSE(now.empty()) << "no panel beside the picture";
        ++events;
        EXPECT_NE(now, panel) << caption_start << ": the panel did not change (event " << events << ")";
        EXPECT_EQ(blocks_unlike(recorded.steps[std::size_t(shown - 1)], 1), 0) << caption_start << ": not step " << shown;
        panel = now;
    };
    const auto step = [](int k) { return "dfstree - step " + std::to_string(k) + " of 10"; };
    const std::string asking = " - a question: type the answer, Enter; Esc skips";
    // dfstree asks a row before step 2, one question before steps 3, 4 and 9, and two before step 6.
    expect_event(step(1), " - any key: next", 1);
    key("space");
    expect_event(step(1) + asking, asking, 1);  // the row to fill before step 2, over step 1
    key("7");
    expect_event(step(1) + asking, asking, 1);  // what is typed shows
    key("Return");
    expect_event(step(1) + asking, asking, 1);  // one entry is not a row of eight: asked again, with the hint
    key("Escape");
    expect_event(step(2), " - any key: next", 2);  // skipped: the answer is given all the same
    key("space");
    expect_event(step(2) + asking, asking, 2);
    key("5");
    key("Return");
    expect_event(step(3), " - any key: next", 3);  // wrong: the verdict, the reason, the answer
    key("space");
    expect_event(step(3) + asking, asking, 3);
    key("3");
    key("Return");
    expect_event(step(4), " - any key: next", 4);  // right
    key("space");
    expect_event(step(5), " - any key: next", 5);  // nothing asked before step 5
    key("F1");
    expect_event(step(5), " - any key: next", 5);  // the legend opens; no step is taken
    key("space");
    expect_event(step(5) + asking, asking, 5);  // the first of two questions before step 6
    key("y");
    key("Return");
    expect_event(step(5) + asking, asking, 5);  // the second, still over step 5
    key("Escape");
    expect_event(step(6), " - any key: next", 6);  // both verdicts, in the order asked
    for (int k = 7; k <= 8; ++k) {
        key("space");
        expect_event(step(k), " - any key: next", k);
    }
    key("space");
    expect_event(step(8) + asking, asking, 8);
    key("Escape");
    expect_event(step(9), " - any key: next", 9);
    key("space");
    expect_event(step(10), " - any key: end", 10);  // the score
    key("space", true);
    const int status = ended_within(5s);
    ASSERT_NE(status, -1);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

}  // namespace
