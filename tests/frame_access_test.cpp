// The step page and the gallery index checked by axe-core in Debian's Chromium, with no network:
// no violation of WCAG 2.1 A or AA, at the first step and after moving through the steps by
// keyboard. ./run-tests installs axe-core with npm into the build folder.
#include "recording.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::string chromium = "/usr/bin/chromium";
const std::string axe_script = BUILD_DIR "/axe/node_modules/axe-core/axe.min.js";

// What the harness reported about the page at `page` (relative to `folder`).
std::string audit(const std::string& folder, const std::string& page) {
    fs::copy_file(SOURCE_DIR "/tests/frame_axe_harness.html", folder + "/harness.html", fs::copy_options::overwrite_existing);
    fs::copy_file(axe_script, folder + "/axe.min.js", fs::copy_options::overwrite_existing);
    const ProgramRun browser = chromium_dom(folder, "file://" + folder + "/harness.html?" + page, "--virtual-time-budget=30000");
    const std::string open = "<pre id=\"result\">";
    const std::size_t start = browser.out.find(open);
    const std::size_t end = browser.out.find("</pre>", start);
    if (start == std::string::npos || end == std::string::npos) return "no result: " + browser.err;
    return browser.out.substr(start + open.size(), end - start - open.size());
}

class Accessibility : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(chromium)) GTEST_SKIP() << chromium << " is not installed (./run-tests installs it)";
        if (!fs::exists(axe_script)) GTEST_SKIP() << "axe-core is not installed in " BUILD_DIR "/axe (./run-tests installs it)";
        folder = make_temp_folder();
    }
    void TearDown() override {
        if (!folder.empty()) fs::remove_all(folder);
    }
    std::string folder;
};

TEST_F(Accessibility, StepPageHasNoViolationAtTheFirstStepNorAfterMovingByKeyboard) {
    ASSERT_EQ(run_in(folder, quote_path(program_path("components")) + " --record pictures").exit_status, 0);
    EXPECT_EQ(audit(folder, "pictures/index.html"), "first|0|\nmoved|0|\ndone");
    // A matrix, a seed, and a step page of one step.
    ASSERT_EQ(run_in(folder, quote_path(program_path("closure8")) + " --seed 1 --record closure").exit_status, 0);
    EXPECT_EQ(audit(folder, "closure/index.html"), "first|0|\nmoved|0|\ndone");
}

// The gallery's index: its words as the transcripts say them ("1->0", not "1->gt;0"), no violation,
// and never over an index.html that the suite did not write.
TEST_F(Accessibility, GalleryIndexHasNoViolationAndReplacesOnlyItsOwnPage) {
    const std::string demo = "GRAPHSTEPS_BUILD_DIR=" BUILD_DIR " " SOURCE_DIR "/demo --gallery gallery";
    fs::create_directories(folder + "/gallery");
    std::ofstream(folder + "/gallery/index.html") << "<p>the course's own page</p>";
    const ProgramRun refused = run_in(folder, demo);
    EXPECT_EQ(refused.exit_status, 1);
    EXPECT_NE(refused.err.find("index.html"), std::string::npos) << refused.err;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder + "/gallery"), fs::directory_iterator()), 1);
    fs::remove(folder + "/gallery/index.html");

    for (int run = 0; run < 2; ++run) {  // the second replaces the first's page
        const ProgramRun gallery = run_in(folder, demo);
        ASSERT_EQ(gallery.exit_status, 0) << gallery.err;
    }
    std::ifstream page(folder + "/gallery/index.html");
    const std::string index((std::istreambuf_iterator<char>(page)), std::istreambuf_iterator<char>());
    EXPECT_EQ(index.find("gt;gt;"), std::string::npos);
    EXPECT_EQ(index.find("->gt;"), std::string::npos);
    EXPECT_NE(index.find("-&gt;"), std::string::npos) << "no arc named in the gallery's words";
    EXPECT_EQ(audit(folder, "gallery/index.html"), "first|0|\ndone");
}

// The page's predict mode with real key presses: questions before the steps they ask about, right,
// wrong, unreadable and skipped answers, the score, the live region, and axe-core with a question
// open and after its feedback (tests/page_predict_check.js says what it checks).
TEST_F(Accessibility, PredictModeWorksByKeyboardWithNoViolation) {
    if (!fs::exists(BUILD_DIR "/axe/node_modules/playwright-core"))
        GTEST_SKIP() << "playwright-core is not installed in " BUILD_DIR "/axe (./run-tests installs it)";
    if (std::system("command -v node >/dev/null 2>&1") != 0) GTEST_SKIP() << "node is not installed";
    ASSERT_EQ(run_in(folder, quote_path(program_path("dfstree")) + " --predict --record predict").exit_status, 0);
    const ProgramRun check = run_in(folder, "timeout 120 node " SOURCE_DIR "/tests/page_predict_check.js predict " BUILD_DIR "/axe");
    EXPECT_EQ(check.exit_status, 0) << check.out << check.err;
    EXPECT_EQ(check.out.find("FAILED"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("ok no request left the page"), std::string::npos) << check.out;
}

}  // namespace
