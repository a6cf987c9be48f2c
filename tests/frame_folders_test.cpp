// The folders of --record and --worksheet may hold other people's files: a run replaces or removes
// only what the suite wrote, refuses a folder where a file of its names is someone else's before it
// removes anything, never mixes a recording and a worksheet of two runs in one folder, and a run
// that fails before its first step leaves the folder as it found it, without the folders it made.
#include "recording.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

void put(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// Every file of a folder, by name, with its bytes (a link as "-> TARGET").
std::map<std::string, std::string> contents(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename();
        files[name] = entry.is_symlink() ? "-> " + fs::read_symlink(entry.path()).string() : slurp(entry.path());
    }
    return files;
}

std::vector<std::string> names_in(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& [name, bytes] : contents(folder)) names.push_back(name);
    return names;
}

std::string run_of(const std::string& program) { return quote_path(program_path(program)); }

// A worksheet with nothing on the PATH: its PDFs are the program's own, whatever is installed.
const std::string without_chromium = "PATH=/nonexistent ";

// A PNG that the suite did not write: libpng's own, without the suite's mark (a golden picture would
// do only until the next blessing marks it).
std::string unmarked_png() {
    const std::uint8_t pixels[4 * 4 * 3] = {200, 30, 30, 30, 200, 30};
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = image.height = 4;
    image.format = PNG_FORMAT_RGB;
    std::string bytes(1024, '\0');
    png_alloc_size_t size = bytes.size();
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels, 0, nullptr)) return "";
    bytes.resize(size);
    return bytes;
}
const std::string photo = unmarked_png();

struct Foreign {
    const char* name;
    std::string bytes;
};

TEST(OwnFiles, RecordRefusesAFolderWithAFileOfItsNamesThatTheSuiteDidNotWriteAndRemovesNothing) {
    const std::vector<Foreign> foreign = {
        {"index.html", "<!DOCTYPE html>\n<title>Graphs 101</title>\n<p>The course's home page.\n"},
        {"step-2019.png", photo},
        {"steps.json", "{\"program\": \"the course's own\", \"weeks\": 12}\n"},
        {"steps.txt", "Step 1: read chapter one.\n"},
        {"steps.js", "window.graphstepsSteps = null;\n"},
        {"answers.html", "<p>My answers.\n"},
    };
    for (const Foreign& file : foreign) {
        const std::string folder = make_temp_folder();
        ASSERT_EQ(run_in(folder, run_of("components") + " --record site").exit_status, 0);
        put(folder + "/site/" + file.name, file.bytes);
        const auto before = contents(folder + "/site");
        const ProgramRun run = run_in(folder, run_of("closure8") + " --seed 2 --record site");
        EXPECT_EQ(run.exit_status, 1) << file.name;
        const std::string article = file.name[0] == 'a' || file.name[0] == 'i' ? "an " : "a ";
        EXPECT_EQ(run.err, "closure8: site holds " + article + file.name +
                               " that graphsteps did not write; choose an empty folder\n");
        // Neither that file nor the earlier recording beside it: nothing was removed or replaced.
        EXPECT_TRUE(contents(folder + "/site") == before) << file.name << ": a file was removed or replaced";
        fs::remove_all(folder);
    }
}

TEST(OwnFiles, WorksheetRefusesAFolderWithAFileOfItsNamesThatTheSuiteDidNotWriteAndRemovesNothing) {
    const std::vector<Foreign> foreign = {
        {"worksheet.html", "<p>Week 3 worksheet.\n"},
        {"worksheet-a4.pdf", "%PDF-1.4\n1 0 obj\n<</Title (Week 3 homework)>>\nendobj\n"},
        {"step-002.png", photo},
        {"index.html", "<p>The course's home page.\n"},
    };
    for (const Foreign& file : foreign) {
        const std::string folder = make_temp_folder();
        ASSERT_EQ(run_in(folder, without_chromium + run_of("closure8") + " --seed 1 --worksheet sheet").exit_status, 0);
        put(folder + "/sheet/" + file.name, file.bytes);
        const auto before = contents(folder + "/sheet");
        const ProgramRun run = run_in(folder, without_chromium + run_of("closure8") + " --seed 2 --worksheet sheet");
        EXPECT_EQ(run.exit_status, 1) << file.name;
        EXPECT_NE(run.err.find("closure8: sheet holds "), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(std::string(file.name) + " that graphsteps did not write; choose an empty folder\n"),
                  std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(contents(folder + "/sheet") == before) << file.name << ": a file was removed or replaced";
        fs::remove_all(folder);
    }
}

TEST(OwnFiles, RunReplacesTheSuitesEarlierFilesAndLeavesEveryOtherFileAlone) {
    const std::string folder = make_temp_folder();
    ASSERT_EQ(run_in(folder, run_of("components") + " --record site").exit_status, 0);
    put(folder + "/site/notes.txt", "mine\n");
    put(folder + "/site/photo.png", photo);
    put(folder + "/site/index.htm", "mine too\n");
    const ProgramRun run = run_in(folder, run_of("closure8") + " --seed 1 --record site");
    EXPECT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(names_in(folder + "/site"),
              (std::vector<std::string>{"index.htm", "index.html", "notes.txt", "photo.png", "step-001.png", "step-002.png",
                                        "step-003.png", "steps.js", "steps.json", "steps.txt"}));
    EXPECT_EQ(slurp(folder + "/site/photo.png"), photo);
    EXPECT_EQ(slurp(folder + "/site/steps.txt").rfind(transcript_mark, 0), 0u) << "steps.txt opens with its mark";
    fs::remove_all(folder);
}

TEST(OwnFiles, RunThatFailsBeforeItsFirstStepLeavesTheEarlierRunAsItWas) {
    const std::string top = make_temp_folder();
    const std::string lone = lone_copy_of("closure8", top), folder = top + "/work";  // no font beside it
    ASSERT_EQ(run_in(folder, run_of("components") + " --record site").exit_status, 0);
    ASSERT_EQ(run_in(folder, without_chromium + run_of("closure8") + " --seed 1 --worksheet sheet").exit_status, 0);
    const auto site = contents(folder + "/site"), sheet = contents(folder + "/sheet");
    // The GIF's folder is missing: the start fails once the record folder stands.
    ProgramRun run =
        run_in(folder, without_chromium + run_of("closure8") + " --seed 2 --record site --worksheet sheet --gif nowhere/show.gif");
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_NE(run.err.find("cannot write the GIF nowhere/show.gif"), std::string::npos) << run.err;
    EXPECT_TRUE(contents(folder + "/site") == site) << "the earlier recording changed";
    EXPECT_TRUE(contents(folder + "/sheet") == sheet) << "the earlier worksheet changed";
    // No font: every output has started, and the show fails before its first step.
    run = run_in(folder, without_chromium + without_system_font + quote_path(lone) + " --seed 2 --record site --worksheet sheet");
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_NE(run.err.find("font"), std::string::npos) << run.err;
    EXPECT_TRUE(contents(folder + "/site") == site) << "the earlier recording changed";
    EXPECT_TRUE(contents(folder + "/sheet") == sheet) << "the earlier worksheet changed";
    EXPECT_EQ(names_in(folder), (std::vector<std::string>{"sheet", "site"}));
    fs::remove_all(top);
}

// Both write step-NNN.png: each takes the other's files for an earlier run of its own, so that a
// page never shows another run's pictures. In one run they share the pictures, the same ones.
TEST(OwnFiles, RecordingAndWorksheetInOneFolderNeverMixTwoRuns) {
    const std::string folder = make_temp_folder();
    const Recording seed_one = record("closure8", "--seed 1"), seed_two = record("closure8", "--seed 2");
    ASSERT_EQ(seed_one.steps.size(), 3u);
    auto expect_pictures_of = [&](const Recording& recording, const std::vector<int>& steps) {
        for (const int step : steps) {
            char name[32];
            std::snprintf(name, sizeof name, "/both/step-%03d.png", step);
            EXPECT_TRUE(read_png(folder + name).pixels == recording.steps[step - 1].pixels) << name;
        }
    };

    ASSERT_EQ(run_in(folder, without_chromium + run_of("closure8") + " --seed 1 --worksheet both").exit_status, 0);
    ProgramRun run = run_in(folder, run_of("closure8") + " --seed 2 --record both");
    EXPECT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(names_in(folder + "/both"), (std::vector<std::string>{"index.html", "step-001.png", "step-002.png",
                                                                    "step-003.png", "steps.js", "steps.json", "steps.txt"}));
    expect_pictures_of(seed_two, {1, 2, 3});

    run = run_in(folder, without_chromium + run_of("closure8") + " --seed 1 --worksheet both");
    EXPECT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(names_in(folder + "/both"),
              (std::vector<std::string>{"answers-a4.pdf", "answers-letter.pdf", "answers.html", "step-002-cropped.png",
                                        "step-003-cropped.png", "worksheet-a4.pdf", "worksheet-letter.pdf", "worksheet.html"}));

    run = run_in(folder, without_chromium + run_of("closure8") + " --seed 2 --record both --worksheet both");
    EXPECT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(names_in(folder + "/both"),
              (std::vector<std::string>{"answers-a4.pdf", "answers-letter.pdf", "answers.html", "index.html", "step-001.png",
                                        "step-002-cropped.png", "step-002.png", "step-003-cropped.png", "step-003.png",
                                        "steps.js", "steps.json", "steps.txt", "worksheet-a4.pdf", "worksheet-letter.pdf",
                                        "worksheet.html"}));
    expect_pictures_of(seed_two, {1, 2, 3});
    EXPECT_NE(slurp(folder + "/both/worksheet.html").find("seed 2"), std::string::npos);
    fs::remove_all(folder);
}

// The PDFs carry the sheet's title, by which a later sheet knows them for the suite's and
// replaces them.
TEST(OwnFiles, WorksheetMadeAgainReplacesThePdfsOfTheEarlierOne) {
    const std::string folder = make_temp_folder();
    ASSERT_EQ(run_in(folder, run_of("closure8") + " --seed 1 --worksheet sheet").exit_status, 0);
    const std::string first = slurp(folder + "/sheet/worksheet-a4.pdf");
    ASSERT_EQ(first.substr(0, 5), "%PDF-");
    const ProgramRun again = run_in(folder, run_of("closure8") + " --seed 2 --worksheet sheet");
    EXPECT_EQ(again.exit_status, 0) << again.err;
    EXPECT_NE(slurp(folder + "/sheet/worksheet-a4.pdf"), first);
    EXPECT_EQ(names_in(folder + "/sheet"), (std::vector<std::string>{"answers-a4.pdf", "answers-letter.pdf", "answers.html",
                                                                     "step-002-cropped.png", "step-003-cropped.png", "worksheet-a4.pdf",
                                                                     "worksheet-letter.pdf", "worksheet.html"}));
    fs::remove_all(folder);
}

TEST(OwnFiles, GifOnANameThatTheRecordOrTheWorksheetWritesIsRefusedInOneLine) {
    const std::string folder = make_temp_folder();
    fs::create_directories(folder + "/sheet");
    for (const char* arguments : {"--record pictures --gif pictures/index.html", "--record pictures --gif pictures/step-001.png",
                                  "--record pictures --gif ./pictures/../pictures/steps.json",
                                  "--worksheet sheet --gif sheet/worksheet.html", "--worksheet sheet --gif sheet/step-002-cropped.png"}) {
        const ProgramRun run = run_in(folder, without_chromium + run_of("closure8") + " --seed 1 " + arguments);
        EXPECT_EQ(run.exit_status, 1) << arguments;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find("give the GIF a name of its own"), std::string::npos) << arguments << ": " << run.err;
        EXPECT_FALSE(fs::exists(folder + "/pictures")) << arguments << ": the folder the run made stays";
        EXPECT_TRUE(fs::is_empty(folder + "/sheet")) << arguments;
    }
    // A name of its own in the same folder is the GIF's.
    const ProgramRun run = run_in(folder, run_of("closure8") + " --seed 1 --record pictures --gif pictures/show.gif");
    EXPECT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(slurp(folder + "/pictures/show.gif").substr(0, 6), "GIF89a");
    fs::remove_all(folder);
}

TEST(OwnFiles, FailedStartRemovesTheFoldersItMadeAndOnlyThose) {
    const std::string folder = make_temp_folder();
    const std::string too_long(300, 'x');  // a name longer than a folder can take
    fs::create_directories(folder + "/kept/old");
    put(folder + "/kept/old/worksheet.html", "<p>The teacher's own.\n");
    for (const std::string& arguments :
         {"--record made/" + too_long, "--worksheet made/" + too_long, "--record made/pictures --worksheet made/sheet/" + too_long,
          std::string("--record made/pictures --worksheet kept/old"), "--record kept/new/" + too_long,
          "--worksheet kept/new/sheet --record kept/new/pictures/" + too_long}) {
        const ProgramRun run = run_in(folder, without_chromium + run_of("closure8") + " --seed 1 " + arguments);
        EXPECT_EQ(run.exit_status, 1) << arguments;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_FALSE(fs::exists(folder + "/made")) << arguments;
        EXPECT_FALSE(fs::exists(folder + "/kept/new")) << arguments;
        EXPECT_EQ(names_in(folder), (std::vector<std::string>{"kept"})) << arguments;
        EXPECT_EQ(names_in(folder + "/kept"), (std::vector<std::string>{"old"})) << arguments;
        EXPECT_EQ(slurp(folder + "/kept/old/worksheet.html"), "<p>The teacher's own.\n");
    }
    fs::remove_all(folder);
}

}  // namespace
