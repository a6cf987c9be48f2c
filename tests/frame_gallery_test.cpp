// The gallery page that --record writes beside the pictures: what it lists, how it fails, and a
// reader stepping through it in headless Chromium. closure8 --seed 5 has three steps.
#include "recording.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>
#include <sys/stat.h>

namespace {

bool exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

int pictures_in(const std::string& folder) {
    int count = 0;
    char name[32];
    for (;; ++count) {
        std::snprintf(name, sizeof name, "/step-%03d.png", count + 1);
        if (!exists(folder + name)) return count;
    }
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Records the program into folder/pictures and returns the run.
ProgramRun record_into(const std::string& folder, const std::string& program,
                       const std::string& arguments = "") {
    return run_in(folder, "'" + program_path(program) + "' --record pictures " + arguments);
}

TEST(GalleryPage, ListsEveryRecordedStepWithTheProgramAndItsSeed) {
    const std::string plain = make_temp_folder();
    ASSERT_EQ(record_into(plain, "components").exit_status, 0);
    const int steps = pictures_in(plain + "/pictures");
    ASSERT_GT(steps, 1);
    const std::string page = slurp(plain + "/pictures/index.html");
    EXPECT_TRUE(contains(page, "<h1 id=\"program\">components</h1>")) << page;
    EXPECT_TRUE(contains(page, "step 1 of " + std::to_string(steps) + "<")) << page;
    EXPECT_FALSE(contains(page, "seed")) << "components draws no random graph";
    // Self-contained: nothing fetched from anywhere but the folder.
    EXPECT_FALSE(contains(page, "://")) << page;
    EXPECT_FALSE(exists(plain + "/pictures/index.html.tmp"));

    const std::string seeded = make_temp_folder();
    ASSERT_EQ(record_into(seeded, "closure8", "--seed 5").exit_status, 0);
    const std::string closure = slurp(seeded + "/pictures/index.html");
    EXPECT_TRUE(contains(closure, "<h1 id=\"program\">closure8</h1>")) << closure;
    EXPECT_TRUE(contains(closure, "step 1 of 3<")) << closure;
    EXPECT_TRUE(contains(closure, "seed 5<")) << closure;
}

TEST(GalleryPage, FollowsTheStepsWrittenAndFailsCleanlyWhenItCannotBeWritten) {
    // The show stops at a picture it cannot write; the page lists only the one before it.
    const std::string stopped = make_temp_folder();
    ASSERT_EQ(mkdir((stopped + "/pictures").c_str(), 0777), 0);
    ASSERT_EQ(mkdir((stopped + "/pictures/step-002.png").c_str(), 0777), 0);
    EXPECT_EQ(record_into(stopped, "components").exit_status, 1);
    EXPECT_TRUE(contains(slurp(stopped + "/pictures/index.html"), "step 1 of 1<"));

    // index.html is a folder: a clear message, status 1, and no further steps.
    const std::string blocked = make_temp_folder();
    ASSERT_EQ(mkdir((blocked + "/pictures").c_str(), 0777), 0);
    ASSERT_EQ(mkdir((blocked + "/pictures/index.html").c_str(), 0777), 0);
    const ProgramRun run = record_into(blocked, "components");
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_TRUE(contains(run.err, "components: cannot write the gallery page pictures/index.html: "))
        << run.err;
    EXPECT_EQ(pictures_in(blocked + "/pictures"), 1);
    EXPECT_FALSE(exists(blocked + "/pictures/index.html.tmp"));
}

// What tests/frame_gallery_harness.html writes, one line per action:
// action|counter|picture src|natural size|location hash. Every picture must have loaded (800x600).
const char* const expected_walk =
    "load|step 1 of 3|step-001.png|800x600|#1\n"
    "Right|step 2 of 3|step-002.png|800x600|#2\n"
    "Right|step 3 of 3|step-003.png|800x600|#3\n"
    "Right|step 3 of 3|step-003.png|800x600|#3\n"
    "Left|step 2 of 3|step-002.png|800x600|#2\n"
    "Home|step 1 of 3|step-001.png|800x600|#1\n"
    "Left|step 1 of 3|step-001.png|800x600|#1\n"
    "End|step 3 of 3|step-003.png|800x600|#3\n"
    "first|step 1 of 3|step-001.png|800x600|#1\n"
    "next|step 2 of 3|step-002.png|800x600|#2\n"
    "last|step 3 of 3|step-003.png|800x600|#3\n"
    "previous|step 2 of 3|step-002.png|800x600|#2\n"
    "bookmark|step 2 of 3|step-002.png|800x600|#2\n"
    "seed|seed 5\n"
    "done";

TEST(GalleryInBrowser, KeysAndButtonsStepBackAndForthShowingEachPicture) {
    const std::string chromium = "/usr/bin/chromium";
    if (!exists(chromium)) GTEST_SKIP() << chromium << " is not installed (./run-tests installs it)";
    const std::string folder = make_temp_folder();
    ASSERT_EQ(record_into(folder, "closure8", "--seed 5").exit_status, 0);
    std::ofstream(folder + "/harness.html") << slurp(SOURCE_DIR "/tests/frame_gallery_harness.html");

    const ProgramRun browser = chromium_dom(folder, "file://" + folder + "/harness.html", "--virtual-time-budget=20000");
    const std::string open = "<pre id=\"result\">";
    const std::size_t start = browser.out.find(open);
    const std::size_t end = browser.out.find("</pre>", start);
    ASSERT_TRUE(start != std::string::npos && end != std::string::npos)
        << "status " << browser.exit_status << "\n" << browser.out << browser.err;
    EXPECT_EQ(browser.out.substr(start + open.size(), end - start - open.size()), expected_walk);
}

// A recording whose program was stopped half way says so at the top of its page (here standard
// output failed after the first step); a finished one does not.
TEST(GalleryInBrowser, UnfinishedRecordingSaysSoAtTheTop) {
    const std::string chromium = "/usr/bin/chromium";
    if (!exists(chromium)) GTEST_SKIP() << chromium << " is not installed (./run-tests installs it)";
    const std::string folder = make_temp_folder();
    EXPECT_EQ(run_in(folder, "(" + quote_path(program_path("components")) + " --explain --record stopped >/dev/full)").exit_status, 1);
    ASSERT_EQ(run_in(folder, quote_path(program_path("components")) + " --record finished").exit_status, 0);
    for (const auto& [recording, said] :
         {std::pair<std::string, std::string>{"stopped", "<p id=\"unfinished\">Unfinished: the program was stopped after "
                                                         "step 1 of 24, or is still running.</p>"},
          std::pair<std::string, std::string>{"finished", "<p id=\"unfinished\" hidden=\"\"></p>"}}) {
        const ProgramRun browser = chromium_dom(folder, "file://" + folder + "/" + recording + "/index.html");
        EXPECT_TRUE(contains(browser.out, said)) << recording << ": " << browser.out.substr(0, 2000) << browser.err;
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
