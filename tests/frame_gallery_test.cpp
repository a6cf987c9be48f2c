// The gallery page that --record writes beside the pictures: what it lists, how it fails, and a
// reader stepping through it in headless Chromium. closure8 --seed 5 has three steps.
#include "recording.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>
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

// The text as the pages put it into HTML, written out here rather than taken from the kit.
std::string as_html(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '"') out += "&quot;";
        else if (c == '\'') out += "&#39;";
        else out += c;
    }
    return out;
}

// The transcript's lines that start with `prefix`, without it.
std::vector<std::string> transcript_lines(const std::string& folder, const std::string& prefix) {
    std::istringstream transcript(slurp(folder + "/steps.txt"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(transcript, line);)
        if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line.substr(prefix.size()));
    return lines;
}

// ./demo --gallery's index (tools/gallery_index) over two recordings: each program's entry, in the
// order given, links its step page, shows its last picture, counts its steps, names its seed and
// says its first step and its legend from the transcript beside the pictures.
TEST(GalleryIndex, ListsEachRecordingWithItsLastPictureWordsAndSeed) {
    const std::string folder = make_temp_folder();
    ASSERT_EQ(run_in(folder, quote_path(program_path("closure8")) + " --explain --record closure8 --seed 5").exit_status, 0);
    ASSERT_EQ(run_in(folder, quote_path(program_path("components")) + " --record components").exit_status, 0);
    const int steps = pictures_in(folder + "/components");
    ASSERT_GT(steps, 1);
    ASSERT_EQ(std::remove((folder + "/components/steps.txt").c_str()), 0);
    const ProgramRun run = run_in(folder, quote_path(BUILD_DIR "/tools/gallery_index") +
                                              " . closure8 5 'Closure <of> \"R&D\"' components - \"Parts' count\"");
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const std::string page = slurp(folder + "/index.html");
    EXPECT_TRUE(contains(page, "<meta name=\"generator\" content=\"graphsteps\">")) << page;

    std::string legend;
    for (const std::string& line : transcript_lines(folder + "/closure8", "  - ")) legend += "<li>" + as_html(line) + "</li>";
    const std::vector<std::string> first = transcript_lines(folder + "/closure8", "Step 1 of 3: ");
    ASSERT_EQ(first.size(), 1u);
    ASSERT_FALSE(legend.empty());
    const std::string closure =
        "<li><a href=\"closure8/index.html\"><img src=\"closure8/step-003.png\" width=\"800\" height=\"600\" alt=\"\">"
        "<span class=\"name\">closure8</span></a><br>Closure &lt;of&gt; &quot;R&amp;D&quot;<br>"
        "<span class=\"steps\">3 steps, seed 5</span><p class=\"first\">" + as_html(first[0]) + "</p>"
        "<details><summary>What the pictures show</summary><ul class=\"legend\">" + legend + "</ul></details></li>\n";
    char last[32];
    std::snprintf(last, sizeof last, "step-%03d.png", steps);
    // A recording without its transcript is listed without words.
    const std::string components =
        "<li><a href=\"components/index.html\"><img src=\"components/" + std::string(last) +
        "\" width=\"800\" height=\"600\" alt=\"\"><span class=\"name\">components</span></a><br>Parts&#39; count<br>"
        "<span class=\"steps\">" + std::to_string(steps) + " steps</span></li>\n";
    EXPECT_TRUE(contains(page, "<ul>\n" + closure + components + "</ul>\n</body></html>\n")) << page;

    // A program that left no pictures: one line, status 1, and the earlier page stays.
    ASSERT_EQ(mkdir((folder + "/empty").c_str(), 0777), 0);
    const ProgramRun failed = run_in(folder, quote_path(BUILD_DIR "/tools/gallery_index") + " . empty - Nothing");
    EXPECT_EQ(failed.exit_status, 1);
    EXPECT_EQ(failed.err, "demo: empty recorded no pictures into ./empty\n");
    EXPECT_EQ(slurp(folder + "/index.html"), page);
    std::filesystem::remove_all(folder);
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
