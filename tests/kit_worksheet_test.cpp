// The worksheet output on a made-up show, with nothing on PATH: which picture each question is
// asked from, which step answers it, and what a failed show leaves; and the PDF writer on a sheet
// made up for it, read back with pdftotext.
#include "output.h"
#include "worksheet_page.h"
#include "worksheet_pdf.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

int count_of(const std::string& text, const std::string& what) {
    int count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

// A picture of its own for every step and frame: one pixel tells which. The mark at the foot of
// the left edge holds the cropped picture's left edge at 0, so that the pixel's column still tells.
Picture numbered(int number) {
    Picture picture;
    picture.at(number, 0) = 0x000000;
    picture.at(0, Picture::height - 1) = 0x000000;
    return picture;
}

// The colour of pixel (x, 0) of a PNG that the worksheet wrote.
std::uint32_t top_pixel(const std::string& path, int x) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        ADD_FAILURE() << "cannot read " << path;
        return 0xFFFFFFFF;
    }
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
    EXPECT_TRUE(png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr));
    const std::size_t at = 3 * static_cast<std::size_t>(x);
    return std::uint32_t(bytes[at]) << 16 | std::uint32_t(bytes[at + 1]) << 8 | bytes[at + 2];
}

Narration asking(const char* text, int answer) {
    Narration narration;
    narration.sentence = "a step";
    narration.questions = {Question{AnswerKind::vertex, text, true, {answer}, "because of " + std::to_string(answer) + ".", "", {}}};
    return narration;
}

class Worksheets : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/graphsteps-worksheet-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        const char* path = std::getenv("PATH");
        saved_path = path != nullptr ? path : "";
        setenv("PATH", "/nonexistent", 1);  // the PDFs need no program but this one
        settings.worksheet_folder = folder + "/sheet";
    }
    void TearDown() override {
        setenv("PATH", saved_path.c_str(), 1);
        fs::remove_all(folder);
    }
    Outcome step(int number, const Narration& narration) {
        const Picture picture = numbered(number * 10);
        std::string why;
        const Outcome outcome = worksheet_output.step({&show, number, &picture, &narration}, why);
        EXPECT_NE(outcome, Outcome::failed) << why;
        return outcome;
    }
    std::string folder, saved_path;
    Settings settings;
    std::vector<std::string> legend{"red disc: a discovered vertex"};
    ShowState show{"test", 7, true, 42, &legend, nullptr};
};

// Questions before steps 2 and 3 are one run, asked from step 1; the question of step 5 is asked
// from step 4; the question put during the stage that leads to step 7 is asked from the frame on
// screen when it was put. Each is answered by its own step's picture.
TEST_F(Worksheets, EachQuestionIsAskedFromThePictureOnScreenWhenItIsPut) {
    std::string why;
    settings.seed_given = true;
    settings.seed = 42;
    ASSERT_TRUE(worksheet_output.start(settings, "test", why)) << why;
    const Narration quiet;
    step(1, quiet);
    step(2, asking("Which is second?", 2));
    step(3, asking("Which is third?", 3));
    step(4, quiet);
    step(5, asking("Which is fifth?", 5));
    step(6, quiet);
    const Narration seventh = asking("Which is seventh?", 7);
    for (int number = 1; number <= 3; ++number) {
        const Picture picture = numbered(700 + number);
        // The question is put once the first frame is on screen, as gridpath puts it.
        const Frame frame{&show, 7, number, "growing", &picture, number == 1 ? nullptr : &seventh.questions};
        ASSERT_TRUE(worksheet_output.frame(frame, why)) << why;
    }
    step(7, seventh);
    ASSERT_TRUE(worksheet_output.finish(why)) << why;

    const std::string sheet = folder + "/sheet";
    const std::string html = slurp(sheet + "/worksheet.html");
    EXPECT_NE(html.find("test, seed 42 &middot; page 1 of "), std::string::npos);
    EXPECT_NE(html.find("<code>test --worksheet " + sheet + " --seed 42</code>"), std::string::npos) << html;
    for (const char* picture : {"step-001-cropped.png", "step-004-cropped.png", "step-007-frame-0001-cropped.png"})
        EXPECT_EQ(count_of(html, std::string("<img src=\"") + picture + "\""), 1) << picture;
    for (const char* picture : {"step-002-cropped.png", "step-003-cropped.png", "step-005-cropped.png", "step-007-cropped.png"})
        EXPECT_EQ(count_of(html, std::string("<img src=\"") + picture + "\""), 1) << picture << " in the key";
    EXPECT_EQ(count_of(html, "<figcaption>The picture before step 2 of 7, for questions 1 to 2</figcaption>"), 1);
    EXPECT_EQ(count_of(html, "<figcaption>The picture before step 5 of 7, for question 3</figcaption>"), 1);
    EXPECT_EQ(count_of(html, "<figcaption>The picture before step 7 of 7, for question 4</figcaption>"), 1);
    // The key comes after every question, and the steps in between questions are nowhere.
    EXPECT_LT(html.rfind("Which is seventh?</p><div class=\"room\">"), html.find("<h2>Answer key</h2>"));
    EXPECT_EQ(html.find("<b>Answer: "), html.find("<b>Answer: 2</b>"));
    EXPECT_GT(html.find("<b>Answer: "), html.find("<h2>Answer key</h2>"));
    EXPECT_FALSE(fs::exists(sheet + "/step-006-cropped.png"));
    EXPECT_FALSE(fs::exists(sheet + "/step-007-frame-0002-cropped.png"));
    EXPECT_TRUE(fs::exists(sheet + "/answers.html"));
    for (const char* pdf : {"/worksheet-a4.pdf", "/worksheet-letter.pdf"})
        EXPECT_NE(slurp(sheet + pdf).find("/Title (test worksheet, seed 42)"), std::string::npos) << pdf;
    for (const char* pdf : {"/answers-a4.pdf", "/answers-letter.pdf"})
        EXPECT_NE(slurp(sheet + pdf).find("/Title (test answers, seed 42)"), std::string::npos) << pdf;

    // Only the pictures the pages show, each as it was handed on: the one on screen when the
    // seventh was put is the stage's first frame.
    std::vector<std::string> written;
    for (const fs::directory_entry& entry : fs::directory_iterator(sheet))
        if (entry.path().extension() == ".png") written.push_back(entry.path().filename());
    std::sort(written.begin(), written.end());
    EXPECT_EQ(top_pixel(sheet + "/step-007-frame-0001-cropped.png", 701), 0x000000u);
    EXPECT_EQ(top_pixel(sheet + "/step-007-frame-0001-cropped.png", 702), 0xFFFFFFu);
    EXPECT_EQ(top_pixel(sheet + "/step-004-cropped.png", 40), 0x000000u);
    EXPECT_EQ(written, (std::vector<std::string>{"step-001-cropped.png", "step-002-cropped.png", "step-003-cropped.png",
                                                 "step-004-cropped.png", "step-005-cropped.png",
                                                 "step-007-cropped.png", "step-007-frame-0001-cropped.png"}));
}

TEST_F(Worksheets, FailedShowLeavesNoPictureAndNoFolderOfItsMaking) {
    std::string why;
    ASSERT_TRUE(worksheet_output.start(settings, "test", why)) << why;
    step(1, Narration{});
    step(2, asking("Which is second?", 2));
    EXPECT_TRUE(fs::exists(folder + "/sheet/step-001-cropped.png"));
    worksheet_output.discard();
    EXPECT_FALSE(fs::exists(folder + "/sheet"));
}

// A random graph's seed, drawn from the time or given, is in the command that makes the sheet
// again, where --seed puts it; a folder of spaces (and " --seed " in its name) is quoted whole.
TEST_F(Worksheets, CommandToMakeItAgainNamesTheSeedInUse) {
    const std::string odd = folder + "/a --seed 7";
    for (const bool given : {false, true}) {
        for (const std::string& sheet_folder : {folder + "/sheet", odd}) {
            std::string why;
            settings.worksheet_folder = sheet_folder;
            settings.seed_given = given;
            settings.seed = 42;
            settings.safe_palette = true;
            ASSERT_TRUE(worksheet_output.start(settings, "test", why)) << why;
            step(1, asking("Which is first?", 1));
            ASSERT_TRUE(worksheet_output.finish(why)) << why;
            const std::string quoted = sheet_folder == odd ? "&#39;" + odd + "&#39;" : sheet_folder;  // '...' in HTML
            const std::string command = "<code>test --worksheet " + quoted + " --seed 42 --palette safe</code>";
            EXPECT_EQ(count_of(slurp(sheet_folder + "/worksheet.html"), command), 2) << given << " " << sheet_folder;
            EXPECT_EQ(count_of(slurp(sheet_folder + "/answers.html"), command), 1) << given << " " << sheet_folder;
        }
    }
}

// Many questions after one picture go on over pages, each page saying where their picture is, and
// the key begins a page of its own.
TEST_F(Worksheets, ManyQuestionsGoOnOverPagesThatNameTheirPicture) {
    Worksheet sheet;
    sheet.program = "test";
    sheet.step_count = 60;
    sheet.command = "test --worksheet sheet";
    sheet.runs.emplace_back();
    sheet.runs.back().picture = "step-001.png";
    for (int k = 2; k <= 41; ++k) {
        SheetQuestion asked;
        asked.step = k;
        asked.question = Question{AnswerKind::number, "How many?", true, {k}, "Because.", "", {}};
        asked.answer_picture = "step-" + std::to_string(k) + ".png";
        sheet.runs.back().questions.push_back(asked);
    }
    const WorksheetPage page = worksheet_page(sheet, Paper::a4);
    EXPECT_GE(page.sheet_pages, 3);
    EXPECT_EQ(count_of(page.html, "go on from the picture on page 1."), page.sheet_pages - 1);
    EXPECT_EQ(count_of(page.html, "<section class=\"page\">"), page.sheet_pages + page.key_pages);
    EXPECT_EQ(count_of(page.html, "<b>Answer: "), 40);
    EXPECT_GE(page.key_pages, 2);
    EXPECT_NE(page.html.find("@page { size: A4; margin: 12mm; }"), std::string::npos);
    EXPECT_NE(worksheet_page(sheet, Paper::letter).html.find("@page { size: letter; margin: 12mm; }"), std::string::npos);
    EXPECT_EQ(count_of(page.html, "the same graph every time &middot; page "), page.sheet_pages + page.key_pages);
    const std::string key_start = "<section class=\"page\">\n<h2>Answer key</h2>";
    EXPECT_EQ(count_of(page.html, key_start), 1);
}

// Three questions asked from one picture, the last a table to fill: numbered 1 to 3 across the
// sheet, the table's row titled and its columns headed in order, and each answer in the key in
// order, the table's in words. Both papers alike; a folder that cannot be written leaves no file.
TEST_F(Worksheets, QuestionsOfOneStepAndATableAreNumberedAndHeadedInThePdf) {
    Worksheet sheet;
    sheet.program = "test";
    sheet.step_count = 9;
    sheet.command = "test --worksheet sheet";
    sheet.runs.emplace_back();
    sheet.runs.back().picture = "step-003-cropped.png";
    sheet.pictures["step-003-cropped.png"] = CroppedPicture{2, 1, {0x000000, 0xFF0000}};
    const char* texts[] = {"Which vertex is first?", "How many are left?", "What is each vertex's parent?"};
    for (int k = 0; k < 3; ++k) {
        SheetQuestion asked;
        asked.step = 4;
        asked.question = Question{k == 2 ? AnswerKind::table : AnswerKind::number, texts[k], true, {k + 1}, "Reason " + std::to_string(k + 1) + ".", "", {}};
        sheet.runs.back().questions.push_back(asked);
    }
    Question& table = sheet.runs.back().questions.back().question;
    table.row_title = "parent";
    table.answer = {answers::none, 0, 0, 1, 3, 3, 2, 5, 5, 7, 7, 10, 8, 1, 2, 3, 4, 5, 6, 7};
    for (int v = 0; v < 20; ++v) table.columns.push_back("vertex " + std::to_string(v));
    PdfPages pages;
    std::string why;
    fs::create_directories(folder + "/sheet");
    ASSERT_TRUE(write_worksheet_pdfs(folder + "/sheet/worksheet", sheet, pages, why)) << why;
    EXPECT_EQ(pages.sheet_pages, 1);
    EXPECT_EQ(pages.key_pages, 1);
    std::string wanted_sheet = "Question 1 (before step 4 of 9): Which vertex is first?|Number:|Question 2 (before step 4 of 9): "
                               "How many are left?|Question 3 (before step 4 of 9): What is each vertex's parent?|";
    for (int v = 0; v < 20; ++v) wanted_sheet += "vertex " + std::to_string(v) + "|";
    for (const char* paper : {"a4", "letter"}) {
        const std::string text_file = folder + "/" + paper + ".txt";
        const std::string command = "/usr/bin/pdftotext -raw " + folder + "/sheet/worksheet-" + paper + ".pdf " + text_file;
        if (std::system(command.c_str()) != 0) GTEST_SKIP() << "pdftotext is not installed (Debian: poppler-utils)";
        const std::string text = slurp(text_file);
        std::size_t at = 0;
        for (const std::string& wanted :
             {wanted_sheet, std::string("Answer key|1|Before step 4 of 9: Which vertex is first?|Answer: 1|Reason 1.|2|"
                                        "Answer: 2|3|Answer: -, 0, 0, 1, 3, 3, 2, 5, 5, 7, 7, 10, 8, 1, 2, 3, 4, 5, 6, 7|Reason 3.|")}) {
            for (std::size_t start = 0, bar; start < wanted.size(); start = bar + 1) {
                bar = wanted.find('|', start);
                const std::string part = wanted.substr(start, bar - start);
                const std::size_t found = text.find(part, at);
                ASSERT_NE(found, std::string::npos) << paper << ": missing or out of order: " << part << "\n" << text;
                at = found + part.size();
            }
        }
        EXPECT_EQ(count_of(text, "parent"), 5) << "the row titled in each of three bands, the question on the sheet and in the key";
    }
    EXPECT_FALSE(write_worksheet_pdfs(folder + "/nowhere/worksheet", sheet, pages, why));
    EXPECT_NE(why.find("nowhere"), std::string::npos) << why;
    EXPECT_FALSE(fs::exists(folder + "/nowhere"));
}

}  // namespace
