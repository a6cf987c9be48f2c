// The outputs on pictures made up for them, with no program and no screen: the PNG pictures and
// the GIF must give back exactly the pixels they were handed, whatever their number of colours;
// the files the record and worksheet folders get are known again by their marks.
#include "gallery_page.h"
#include "gif_decoding.h"
#include "output.h"
#include "png_file.h"
#include "step_text.h"
#include "suite_files.h"
#include "worksheet_page.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const Narration no_words;
constexpr ShowState test_show{"test", 3, false, 0, nullptr, nullptr};

// Four colours, in rectangles and a diagonal line, like a step of the suite.
Picture few_colours() {
    Picture picture;
    for (int y = 100; y < 300; ++y)
        for (int x = 50; x < 400; ++x) picture.at(x, y) = 0x00FA00;
    for (int k = 0; k < 500; ++k) picture.at(k + 150, k / 2 + 200) = 0xFF0000;
    picture.at(799, 599) = 0x000000;
    return picture;
}

// A 300 x 300 square of some 77000 colours in the middle: more than a palette or a GIF colour map holds.
Picture many_colours() {
    Picture picture;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x) picture.at(x + 250, y + 150) = std::uint32_t(x & 0xFF) << 16 | std::uint32_t(y & 0xFF) << 8 | std::uint32_t(x / 256 * 0x80);
    return picture;
}

struct Decoded {
    Picture picture;
    bool palette = false;
};

Decoded read_back(const std::string& path) {
    Decoded decoded;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        ADD_FAILURE() << "cannot read " << path << ": " << image.message;
        return decoded;
    }
    decoded.palette = (image.format & PNG_FORMAT_FLAG_COLORMAP) != 0;
    EXPECT_EQ(image.width, 800u);
    EXPECT_EQ(image.height, 600u);
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
    EXPECT_TRUE(png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) << image.message;
    for (std::size_t i = 0; i < decoded.picture.pixels.size() && 3 * i + 2 < bytes.size(); ++i)
        decoded.picture.pixels[i] = std::uint32_t(bytes[3 * i]) << 16 | std::uint32_t(bytes[3 * i + 1]) << 8 | bytes[3 * i + 2];
    return decoded;
}

std::vector<std::string> names_in(const std::string& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

class Outputs : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/graphsteps-outputs-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string folder;
};

TEST_F(Outputs, PngIsAPaletteUpTo256ColoursAndRgbBeyondWithTheExactPixels) {
    std::string why;
    ASSERT_TRUE(write_png(folder + "/few.png", few_colours(), why)) << why;
    const Decoded few = read_back(folder + "/few.png");
    EXPECT_TRUE(few.palette);
    EXPECT_EQ(few.picture.pixels, few_colours().pixels);

    ASSERT_TRUE(write_png(folder + "/many.png", many_colours(), why)) << why;
    const Decoded many = read_back(folder + "/many.png");
    EXPECT_FALSE(many.palette);
    EXPECT_EQ(many.picture.pixels, many_colours().pixels);
    EXPECT_EQ(names_in(folder), (std::vector<std::string>{"few.png", "many.png"}));  // no temporary left
}

TEST_F(Outputs, PngThatCannotBeWrittenLeavesNothingBehind) {
    // The name is taken by a folder: the picture is written beside it, and the rename fails.
    fs::create_directory(folder + "/step-001.png");
    fs::create_directory(folder + "/step-001.png/inside");
    std::string why;
    EXPECT_FALSE(write_png(folder + "/step-001.png", few_colours(), why));
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(names_in(folder), std::vector<std::string>{"step-001.png"});  // the temporary is gone
    EXPECT_TRUE(fs::is_directory(folder + "/step-001.png/inside"));
}

// The GIF writer driven as the show drives it, then decoded: each step's frame composes to exactly
// the step's picture, including one with far more colours than a GIF frame can name.
TEST_F(Outputs, GifGivesBackEveryStepExactlyWhateverItsColours) {
    Settings settings;
    settings.gif_path = folder + "/show.gif";
    std::string why;
    ASSERT_TRUE(gif_output.wanted(settings));
    ASSERT_TRUE(gif_output.start(settings, "test", why)) << why;
    const std::vector<Picture> steps = {few_colours(), many_colours(), few_colours()};
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const Step step{&test_show, static_cast<int>(k + 1), &steps[k], &no_words};
        ASSERT_EQ(gif_output.step(step, why), Outcome::go_on) << why;
    }
    ASSERT_TRUE(gif_output.finish(why)) << why;

    Picture canvas;
    std::vector<Picture> shown;  // the canvas at the end of each step: its frame with a delay
    decode_gif(
        settings.gif_path,
        [&](int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
            canvas.at(x, y) = std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | b;
        },
        [&](const GraphicsControlBlock& control) {
            if (control.DelayTime > 0) shown.push_back(canvas);
        });
    ASSERT_EQ(shown.size(), steps.size());
    for (std::size_t k = 0; k < steps.size(); ++k) EXPECT_EQ(shown[k].pixels, steps[k].pixels) << "step " << k + 1;
}

TEST_F(Outputs, GifOfAFailedShowIsRemoved) {
    Settings settings;
    settings.gif_path = folder + "/show.gif";
    std::string why;
    ASSERT_TRUE(gif_output.start(settings, "test", why)) << why;
    const Picture picture = few_colours();
    ASSERT_EQ(gif_output.step({&test_show, 1, &picture, &no_words}, why), Outcome::go_on);
    EXPECT_EQ(names_in(folder).size(), 1u);  // the GIF in the making
    gif_output.discard();
    EXPECT_EQ(names_in(folder), std::vector<std::string>{});
}

void put(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// The mark is a chunk before the pixels: libpng reads the same pixels, as the golden digests do.
TEST_F(Outputs, PngCarriesTheSuitesMarkAndAPictureWrittenElsewhereDoesNot) {
    std::string why;
    ASSERT_TRUE(write_png(folder + "/step-001.png", few_colours(), why)) << why;
    EXPECT_TRUE(written_by_suite(folder + "/step-001.png"));
    EXPECT_EQ(read_back(folder + "/step-001.png").picture.pixels, few_colours().pixels);

    // The same pixels written by libpng itself, as a camera or an editor would: no mark.
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = Picture::width;
    image.height = Picture::height;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes;
    for (const std::uint32_t rgb : few_colours().pixels)
        bytes.insert(bytes.end(), {png_byte(rgb >> 16), png_byte(rgb >> 8), png_byte(rgb)});
    ASSERT_TRUE(png_image_write_to_file(&image, (folder + "/step-002.png").c_str(), 0, bytes.data(), 0, nullptr));
    EXPECT_FALSE(written_by_suite(folder + "/step-002.png"));
    // Nor is a link to a marked picture the suite's: it never wrote a link.
    fs::create_symlink("step-001.png", folder + "/step-003.png");
    EXPECT_FALSE(written_by_suite(folder + "/step-003.png"));
}

TEST_F(Outputs, PagesAndDataOfTheSuiteAreKnownByTheirMarksAndNothingElseIs) {
    const std::vector<std::string> legend = {"a red disc: a vertex"};
    const ShowState show{"closure8", 3, true, 12, &legend, nullptr};
    Worksheet sheet;
    sheet.program = "closure8";
    put(folder + "/index.html", gallery_page("closure8", true, 12, 3));
    put(folder + "/worksheet.html", worksheet_page(sheet, Paper::any).html);
    put(folder + "/answers.html", answers_page(sheet, Paper::any));
    put(folder + "/steps.json", steps_json(show, {no_words}, true));
    put(folder + "/steps.js", "window.graphstepsSteps = " + steps_json(show, {no_words}, true) + ";\n");
    put(folder + "/steps.txt", transcript_mark + legend_text(show));
    put(folder + "/worksheet-a4.pdf", "%PDF-1.4\n1 0 obj\n<</Title (closure8 worksheet, seed 12)\n/Producer (Skia/PDF)>>\n");
    put(folder + "/worksheet-letter.pdf", "%PDF-1.4\n<</Title (dfstree worksheet, the same graph every time)>>\n");
    for (const std::string& name : names_in(folder)) {
        EXPECT_TRUE(is_suite_name(name)) << name;
        EXPECT_TRUE(written_by_suite(folder + "/" + name)) << name;
    }
    std::string why;
    EXPECT_TRUE(check_earlier_run(folder, why)) << why;

    const std::string other = folder + "/other";
    fs::create_directory(other);
    put(other + "/index.html", "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Graphs 101</title>\n");
    put(other + "/worksheet.html", "<meta name=\"generator\" content=\"LibreOffice\">\n");
    put(other + "/answers.html", "graphsteps\n");
    put(other + "/steps.json", "{\"program\": \"the course's own\", \"weeks\": 12}\n");
    put(other + "/steps.js", "var steps = [];\n");
    put(other + "/steps.txt", legend_text(show));  // the transcript without its mark: --explain > steps.txt
    put(other + "/worksheet-a4.pdf", "%PDF-1.4\n<</Title (Week 3 homework)>>\n");
    put(other + "/worksheet-letter.pdf", "<</Title (closure8 worksheet, seed 12)>>\n");
    for (const std::string& name : names_in(other)) EXPECT_FALSE(written_by_suite(other + "/" + name)) << name;
    EXPECT_FALSE(check_earlier_run(other, why));
    EXPECT_EQ(why, other + " holds an answers.html that graphsteps did not write; choose an empty folder");
    for (const char* name : {"step-1.png", "step-001.jpg", "notes.txt", "index.htm", "step-001-frame-1.png", "show.gif"})
        EXPECT_FALSE(is_suite_name(name)) << name;
    for (const char* name : {"step-2019.png", "step-001-frame-0001.png"}) EXPECT_TRUE(is_suite_name(name)) << name;
}

// Two runs of the record output into one folder, the second with a worksheet beside it: each run
// removes the earlier one's files before its first, only once all are known for the suite's, and
// the worksheet sharing the folder removes nothing the recording of its own run wrote.
TEST_F(Outputs, EachRunRemovesTheEarlierOneOnceAndOnlyWhenEveryFileIsTheSuites) {
    const Picture picture = few_colours();
    Settings settings;
    settings.record_folder = folder;
    std::string why;
    ASSERT_TRUE(pictures_output.start(settings, "test", why)) << why;
    for (int k = 1; k <= 3; ++k) ASSERT_EQ(pictures_output.step({&test_show, k, &picture, &no_words}, why), Outcome::go_on) << why;
    ASSERT_TRUE(pictures_output.finish(why));
    put(folder + "/notes.txt", "mine\n");

    // A second run with a worksheet in the same folder, with nothing on PATH: the PDFs are the program's own.
    const char* path = std::getenv("PATH");
    const std::string saved_path = path != nullptr ? path : "";
    setenv("PATH", "/nonexistent", 1);
    settings.worksheet_folder = folder;
    ASSERT_TRUE(pictures_output.start(settings, "test", why)) << why;
    ASSERT_TRUE(worksheet_output.start(settings, "test", why)) << why;
    // Before its first step, nothing is removed: a run that fails now leaves the earlier one whole.
    EXPECT_EQ(names_in(folder), (std::vector<std::string>{"index.html", "notes.txt", "step-001.png", "step-002.png", "step-003.png"}));
    const ShowState two_steps{"test", 2, false, 0, nullptr, nullptr};
    for (int k = 1; k <= 2; ++k) {
        const Step step{&two_steps, k, &picture, &no_words};
        ASSERT_EQ(pictures_output.step(step, why), Outcome::go_on) << why;
        ASSERT_EQ(worksheet_output.step(step, why), Outcome::go_on) << why;
    }
    ASSERT_TRUE(pictures_output.finish(why)) << why;
    ASSERT_TRUE(worksheet_output.finish(why)) << why;
    setenv("PATH", saved_path.c_str(), 1);
    EXPECT_EQ(names_in(folder), (std::vector<std::string>{"answers-a4.pdf", "answers-letter.pdf", "answers.html", "index.html",
                                                          "notes.txt", "step-001.png", "step-002.png", "worksheet-a4.pdf",
                                                          "worksheet-letter.pdf", "worksheet.html"}));

    // A third run finds a file of its names that is not the suite's: it refuses at the start, and
    // again at its first step should one appear after the start, removing nothing either time.
    settings.worksheet_folder.clear();
    put(folder + "/step-009.png", "a photo\n");
    EXPECT_FALSE(pictures_output.start(settings, "test", why));
    EXPECT_EQ(why, folder + " holds a step-009.png that graphsteps did not write; choose an empty folder");
    fs::remove(folder + "/step-009.png");
    ASSERT_TRUE(pictures_output.start(settings, "test", why)) << why;
    put(folder + "/steps.txt", "my steps\n");
    EXPECT_EQ(pictures_output.step({&test_show, 1, &picture, &no_words}, why), Outcome::failed);
    EXPECT_EQ(why, folder + " holds a steps.txt that graphsteps did not write; choose an empty folder");
    pictures_output.discard();
    EXPECT_EQ(names_in(folder), (std::vector<std::string>{"answers-a4.pdf", "answers-letter.pdf", "answers.html", "index.html",
                                                          "notes.txt", "step-001.png", "step-002.png", "steps.txt",
                                                          "worksheet-a4.pdf", "worksheet-letter.pdf", "worksheet.html"}));
}

TEST_F(Outputs, WorksheetThatEndsBeforeItsFirstStepLeavesNoFolderOfItsMaking) {
    Settings settings;
    settings.worksheet_folder = folder + "/class/sheet";
    std::string why;
    ASSERT_TRUE(worksheet_output.start(settings, "test", why)) << why;
    ASSERT_TRUE(fs::is_directory(folder + "/class/sheet"));
    EXPECT_FALSE(worksheet_output.finish(why));
    EXPECT_NE(why.find("before its first step"), std::string::npos) << why;
    EXPECT_EQ(names_in(folder), std::vector<std::string>{});
}

}  // namespace
