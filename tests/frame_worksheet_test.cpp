// The printed worksheets read back from their PDFs with poppler-utils: the questions stand on the
// sheet's pages and the answers only on the key's, each in order as the --predict transcript of
// the same run gives them, in embedded fonts, each picture the recorded step cropped, pixel for
// pixel. Skipped, saying why, where poppler-utils is missing.
#include "recording.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

bool have(const char* tool) {
    const std::string command = std::string("command -v ") + tool + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

#define SKIP_WITHOUT_PDF_TOOLS()                                                                              \
    do {                                                                                                      \
        for (const char* tool : {"pdfinfo", "pdftotext", "pdffonts", "pdfimages"})                            \
            if (!have(tool)) GTEST_SKIP() << tool << " is not installed (Debian: poppler-utils)";             \
    } while (false)

// Every run of white space as one space: a PDF's text breaks its lines where the page did.
std::string flattened(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const bool space = c == ' ' || c == '\n' || c == '\t' || c == '\f' || c == '\r';
        if (space && (out.empty() || out.back() == ' ')) continue;
        out += space ? ' ' : c;
    }
    return out;
}

// What a page says, without its tags and with its entities read, flattened.
std::string page_text(const std::string& html) {
    std::string text;
    for (std::size_t at = 0; at < html.size(); ++at) {
        if (html[at] == '<') {
            const std::size_t end = html.find('>', at);
            if (end == std::string::npos) break;
            if (html.compare(at, 4, "<br>") == 0) text += ' ';
            at = end;
            continue;
        }
        bool entity = false;
        for (const auto& [name, character] : {std::pair{"&amp;", '&'}, std::pair{"&lt;", '<'}, std::pair{"&gt;", '>'},
                                              std::pair{"&quot;", '"'}, std::pair{"&#39;", '\''}})
            if (html.compare(at, std::strlen(name), name) == 0) {
                text += character;
                at += std::strlen(name) - 1;
                entity = true;
                break;
            }
        if (!entity) text += html[at];
    }
    return flattened(text);
}

int pdf_pages(const std::string& pdf) {
    const ProgramRun run = run_in("/tmp", "pdfinfo " + quote_path(pdf));
    const std::size_t at = run.out.find("Pages:");
    EXPECT_NE(at, std::string::npos) << pdf << ": " << run.err;
    return at == std::string::npos ? -1 : std::atoi(run.out.c_str() + at + 6);
}

std::string pdf_page_size(const std::string& pdf) {
    const ProgramRun run = run_in("/tmp", "pdfinfo " + quote_path(pdf));
    const std::size_t at = run.out.find("Page size:");
    return at == std::string::npos ? "" : run.out.substr(at, run.out.find('\n', at) - at);
}

// The text of pages first to last, flattened.
std::string pdf_text(const std::string& pdf, int first, int last) {
    const ProgramRun run = run_in("/tmp", "pdftotext -f " + std::to_string(first) + " -l " + std::to_string(last) + " " +
                                              quote_path(pdf) + " -");
    EXPECT_EQ(run.exit_status, 0) << run.err;
    return flattened(run.out);
}

int count_of(const std::string& text, const std::string& what) {
    int count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

// The pages of questions that a sheet's PDF says it opens with, in its subject.
int question_pages(const std::string& pdf) {
    const ProgramRun run = run_in("/tmp", "pdfinfo " + quote_path(pdf));
    const std::size_t at = run.out.find("Subject:");
    EXPECT_NE(at, std::string::npos) << pdf << ": " << run.out;
    return at == std::string::npos ? -1 : std::atoi(run.out.c_str() + run.out.find_first_not_of(' ', at + 8));
}

// Each of `texts` found in `text` after the one before it.
void expect_in_order(const std::string& text, const std::vector<std::string>& texts, const std::string& where) {
    std::size_t at = 0;
    for (const std::string& wanted : texts) {
        const std::size_t found = text.find(wanted, at);
        EXPECT_NE(found, std::string::npos) << where << ": not found, or out of order: " << wanted;
        if (found != std::string::npos) at = found + wanted.size();
    }
}

// The step's recorded picture cropped as a teacher would: to the pixels that differ from the
// corner's colour, six pixels around them.
Picture cropped_step(const Picture& step) {
    int left = step.width, right = -1, top = step.height, bottom = -1;
    for (int y = 0; y < step.height; ++y)
        for (int x = 0; x < step.width; ++x)
            if (!(step.at(x, y) == step.at(0, 0))) {
                left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = y;
            }
    left = std::max(0, left - 6), top = std::max(0, top - 6);
    right = std::min(step.width - 1, right + 6), bottom = std::min(step.height - 1, bottom + 6);
    Picture out;
    out.width = right - left + 1, out.height = bottom - top + 1;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) out.pixels.push_back(step.at(x, y));
    return out;
}

struct Sheet {
    std::string folder;
    ProgramRun run;
    std::string html;
    std::vector<RecordedQuestion> questions;  // from the --predict transcript of the same run
};

Sheet make_sheet(const std::string& program, const std::string& seed_arguments, const std::string& environment = "") {
    Sheet sheet;
    sheet.folder = make_temp_folder();
    sheet.run = run_in(sheet.folder, environment + quote_path(program_path(program)) + " --worksheet sheet " + seed_arguments);
    sheet.html = slurp(sheet.folder + "/sheet/worksheet.html");
    sheet.questions = recorded_questions(record(program, "--predict " + seed_arguments));
    EXPECT_FALSE(sheet.questions.empty()) << program;
    return sheet;
}

// The questions on the sheet's pages and not one answer there; every answer and reason on the key's
// pages; the seed and the command that makes it again at the foot of every page; A4 and US Letter
// the same pages, as many as the sheet was laid out in.
void expect_printed_as_laid_out(const Sheet& sheet, const std::string& seed_words, const std::string& command) {
    ASSERT_EQ(sheet.run.exit_status, 0) << sheet.run.err;
    const std::string a4 = sheet.folder + "/sheet/worksheet-a4.pdf", letter = sheet.folder + "/sheet/worksheet-letter.pdf";
    const int sheet_pages = question_pages(a4), laid_out = pdf_pages(a4);
    ASSERT_GT(sheet_pages, 0);
    ASSERT_GT(laid_out, sheet_pages);
    EXPECT_NE(sheet.run.out.find("(" + std::to_string(sheet_pages) + " page" + (sheet_pages == 1 ? "" : "s") + " of questions, " +
                                 std::to_string(laid_out - sheet_pages) + " of answers)"), std::string::npos) << sheet.run.out;
    EXPECT_EQ(pdf_pages(letter), laid_out) << "the papers differ";
    EXPECT_EQ(question_pages(letter), sheet_pages);
    EXPECT_NE(pdf_page_size(a4).find("595 x 842 pts (A4)"), std::string::npos) << pdf_page_size(a4);
    EXPECT_NE(pdf_page_size(letter).find("612 x 792 pts (letter)"), std::string::npos) << pdf_page_size(letter);

    for (const std::string& pdf : {a4, letter, sheet.folder + "/sheet/answers-a4.pdf"}) {
        // Every font embedded: the sheet prints the same on a machine without Liberation.
        const ProgramRun fonts = run_in("/tmp", "pdffonts " + quote_path(pdf));
        std::istringstream rows(fonts.out);
        int embedded = 0;
        for (std::string row; std::getline(rows, row);) {
            if (row.find("TrueType") == std::string::npos && row.find("Type 1") == std::string::npos) continue;
            EXPECT_NE(row.find(" yes yes "), std::string::npos) << pdf << ": not embedded: " << row;
            ++embedded;
        }
        EXPECT_GE(embedded, 2) << fonts.out;
    }
    std::vector<std::string> texts, answers;
    for (const RecordedQuestion& question : sheet.questions) {
        texts.push_back(flattened(question.text));
        answers.push_back(flattened(question.text));
        answers.push_back("Answer: " + question.answer);
        answers.push_back(flattened(question.reason));
    }
    for (const std::string& pdf : {a4, letter}) {
        const std::string questions = pdf_text(pdf, 1, sheet_pages), key = pdf_text(pdf, sheet_pages + 1, laid_out);
        EXPECT_EQ(key.find("Answer key"), 0u) << "the key begins a page of its own: " << key.substr(0, 80);
        expect_in_order(questions, texts, pdf + " (questions)");
        expect_in_order(key, answers, pdf + " (key)");
        for (const RecordedQuestion& question : sheet.questions)
            EXPECT_EQ(questions.find(flattened(question.reason)), std::string::npos) << pdf << ": an answer on the sheet";
        EXPECT_EQ(count_of(questions, "Answer:"), 0) << questions;
        EXPECT_EQ(count_of(key, "Answer: "), static_cast<int>(sheet.questions.size()));
        for (int page = 1; page <= laid_out; ++page) {
            const std::string text = pdf_text(pdf, page, page);
            EXPECT_NE(text.find(seed_words + " · page " + std::to_string(page) + " of " + std::to_string(laid_out)),
                      std::string::npos) << pdf << " page " << page << ": " << text;
            EXPECT_NE(text.find(command), std::string::npos) << pdf << " page " << page;
        }
    }
    const std::string marked = pdf_text(sheet.folder + "/sheet/answers-letter.pdf", 1, pdf_pages(sheet.folder + "/sheet/answers-letter.pdf"));
    expect_in_order(marked, answers, "answers-letter.pdf");
}

// Each picture the sheet shows is in its PDF as the recorded step cropped, pixel for pixel: the
// first picture on the sheet's second page (after the opening page) for dfstree is step 1's.
void expect_picture_is_cropped_step(const std::string& pdf, int page, const Picture& step) {
    const std::string folder = make_temp_folder();
    const ProgramRun run = run_in(folder, "pdfimages -png -f " + std::to_string(page) + " -l " + std::to_string(page) + " " +
                                              quote_path(pdf) + " image");
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const Picture embedded = read_png(folder + "/image-000.png"), expected = cropped_step(step);
    EXPECT_EQ(embedded.width, expected.width);
    EXPECT_EQ(embedded.height, expected.height);
    EXPECT_GT(expected.width, 100) << "the step drew next to nothing";
    EXPECT_TRUE(embedded.pixels == expected.pixels) << "the embedded picture is not the cropped step, pixel for pixel";
    fs::remove_all(folder);
}

TEST(Worksheet, FixedProgramPrintsItsQuestionsThenItsKeyOnPagesOfTheirOwn) {
    SKIP_WITHOUT_PDF_TOOLS();
    const Sheet sheet = make_sheet("dfstree", "");
    // dfstree's first questions follow one another from step 2: the sheet asks them all from step 1,
    // and each step that answers one is in the key alone, once, with the answers it shows.
    EXPECT_EQ(count_of(sheet.html, "<img src=\"step-001-cropped.png\""), 1);
    for (const RecordedQuestion& question : sheet.questions) {
        char picture[48];
        std::snprintf(picture, sizeof picture, "<img src=\"step-%03d-cropped.png\"", question.step);
        EXPECT_EQ(count_of(sheet.html, picture), 1) << picture;
    }
    EXPECT_NE(slurp(sheet.folder + "/sheet/worksheet.html").find("image-rendering: pixelated"), std::string::npos);
    expect_printed_as_laid_out(sheet, "dfstree, the same graph every time", "dfstree --worksheet sheet");
    const Recording recorded = record("dfstree");
    ASSERT_GE(recorded.steps.size(), 2u);
    expect_picture_is_cropped_step(sheet.folder + "/sheet/worksheet-a4.pdf", 2, recorded.steps[0]);
    expect_picture_is_cropped_step(sheet.folder + "/sheet/worksheet-letter.pdf", 2, recorded.steps[0]);
    fs::remove_all(sheet.folder);
}

TEST(Worksheet, RandomProgramPrintsItsSeedOnEveryPageAndTheAnswersOfThatGraph) {
    SKIP_WITHOUT_PDF_TOOLS();
    const Sheet sheet = make_sheet("closure12", "--seed 1");
    ASSERT_EQ(sheet.questions.size(), 6u);
    expect_printed_as_laid_out(sheet, "closure12, seed 1", "closure12 --worksheet sheet --seed 1");
    fs::remove_all(sheet.folder);
}

// The words of a PDF's page with where they stand, "xMin yMin xMax yMax word" a line, as pdftotext
// -bbox gives them.
std::vector<std::string> pdf_words(const std::string& pdf, int page) {
    const ProgramRun run = run_in("/tmp", "pdftotext -bbox -f " + std::to_string(page) + " -l " + std::to_string(page) + " " +
                                              quote_path(pdf) + " -");
    EXPECT_EQ(run.exit_status, 0) << run.err;
    std::vector<std::string> words;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("<word ") == std::string::npos) continue;
        std::string word;
        for (const char* field : {"xMin=\"", "yMin=\"", "xMax=\"", "yMax=\""}) {
            const std::size_t at = line.find(field) + std::strlen(field);
            word += line.substr(at, line.find('"', at) - at) + " ";
        }
        const std::size_t text = line.find('>') + 1;
        words.push_back(word + line.substr(text, line.find("</word>") - text));
    }
    return words;
}

std::string without_spaces(const std::string& text) {
    std::string out;
    for (const char c : text)
        if (c != ' ') out += c;
    return out;
}

// The footer's command names the folder as given: a folder of a long name must not widen the page
// nor push the sheet's words about (a page printed smaller to fit it would be 65 % with a name of
// 150 characters). The
// sheet prints word for word where it stands in a folder of a short name, its command broken over
// lines at the foot.
TEST(Worksheet, FolderOfALongNameInTheCommandPrintsThePageAtItsFullSize) {
    SKIP_WITHOUT_PDF_TOOLS();
    const std::string folder = make_temp_folder();
    const std::string long_name = std::string(150, 'n'), closure8 = quote_path(program_path("closure8"));
    const ProgramRun short_run = run_in(folder, closure8 + " --seed 1 --worksheet sheet");
    ASSERT_EQ(short_run.exit_status, 0) << short_run.err;
    const ProgramRun long_run = run_in(folder, closure8 + " --seed 1 --worksheet " + long_name + "/sheet");
    ASSERT_EQ(long_run.exit_status, 0) << long_run.err;
    const int laid_out = pdf_pages(folder + "/sheet/worksheet-a4.pdf");
    for (const char* name : {"/worksheet-a4.pdf", "/worksheet-letter.pdf"}) {
        const std::string pdf = folder + "/" + long_name + "/sheet" + name;
        ASSERT_EQ(pdf_pages(pdf), laid_out) << name << ": the footer overflowed its page";
        for (int page = 1; page <= laid_out; ++page) {
            // Above the footer, which begins with the program's name, every word is where it was.
            std::vector<std::string> shown = pdf_words(pdf, page), expected = pdf_words(folder + "/sheet" + name, page);
            auto body_end = [](std::vector<std::string>& words) {
                return std::find_if(words.begin(), words.end(), [](const std::string& word) {
                    return word.size() > 10 && word.compare(word.size() - 10, 10, " closure8,") == 0;
                });
            };
            ASSERT_NE(body_end(expected), expected.end()) << name << " page " << page;
            // Everything from the footer's top down is the footer, wherever pdftotext's reading
            // order puts a word of the page; the rest is compared in order of place.
            auto above_footer = [&](std::vector<std::string>& words) {
                const double footer_top = std::atof(body_end(words)->c_str() + body_end(words)->find(' ') + 1);
                words.erase(std::remove_if(words.begin(), words.end(), [&](const std::string& word) {
                                return std::atof(word.c_str() + word.find(' ') + 1) >= footer_top - 0.5;
                            }), words.end());
                std::sort(words.begin(), words.end());
            };
            ASSERT_NE(body_end(shown), shown.end()) << name << " page " << page;
            above_footer(shown);
            above_footer(expected);
            const auto [moved, was] = std::mismatch(shown.begin(), shown.end(), expected.begin(), expected.end());
            EXPECT_TRUE(moved == shown.end() && was == expected.end())
                << name << " page " << page << ": the page was printed at another size: "
                << (moved == shown.end() ? "(none)" : *moved) << " where it was " << (was == expected.end() ? "(none)" : *was);
            EXPECT_NE(without_spaces(pdf_text(pdf, page, page)).find("closure8--worksheet" + long_name + "/sheet--seed1"),
                      std::string::npos) << name << " page " << page << ": the command is not whole at the foot";
        }
    }
    fs::remove_all(folder);
}

// With nothing on PATH (no browser, no tools): the page, its pictures, the answers and the PDFs,
// drawn by the program itself, and nothing said on stderr. An earlier sheet's PDF in the folder
// goes (one is known by its title).
TEST(Worksheet, TwoSeedsGiveTwoGraphsAndTwoKeysWithNothingOnThePath) {
    const std::string without_chromium = "PATH=/nonexistent ";
    std::vector<Sheet> sheets;
    for (const char* seed : {"--seed 1", "--seed 2"}) {
        const std::string folder = make_temp_folder();
        fs::create_directories(folder + "/sheet");
        std::ofstream(folder + "/sheet/worksheet-a4.pdf") << "%PDF-1.4\n1 0 obj\n<</Title (closure8 worksheet, seed 9)>>\nendobj\n";
        Sheet sheet;
        sheet.folder = folder;
        sheet.run = run_in(folder, without_chromium + quote_path(program_path("closure8")) + " --worksheet sheet " + seed);
        sheet.html = slurp(folder + "/sheet/worksheet.html");
        sheet.questions = recorded_questions(record("closure8", std::string("--predict ") + seed));
        EXPECT_EQ(sheet.run.exit_status, 0) << sheet.run.err;
        EXPECT_EQ(sheet.run.err, "");
        for (const char* pdf : {"/sheet/worksheet-a4.pdf", "/sheet/worksheet-letter.pdf", "/sheet/answers-a4.pdf", "/sheet/answers-letter.pdf"})
            EXPECT_NE(slurp(folder + pdf).find(std::string("/Title (closure8 ") + (std::strstr(pdf, "answers") ? "answers, " : "worksheet, ") +
                                               (seed + 2) + ")"), std::string::npos) << pdf;
        ASSERT_GE(sheet.questions.size(), 5u);
        const std::string answers = page_text(slurp(folder + "/sheet/answers.html"));
        EXPECT_NE(page_text(sheet.html).find(sheet.questions[0].text), std::string::npos);
        EXPECT_NE(answers.find(sheet.questions[0].text + " Answer: " + sheet.questions[0].answer + ". " + sheet.questions[0].reason),
                  std::string::npos) << answers;
        sheets.push_back(sheet);
    }
    // The matrix the question is asked from, the closure that answers it, and the key.
    for (const char* picture : {"/sheet/step-002-cropped.png", "/sheet/step-003-cropped.png"}) {
        const std::string one = slurp(sheets[0].folder + picture), two = slurp(sheets[1].folder + picture);
        EXPECT_FALSE(one.empty()) << picture;
        EXPECT_NE(one, two) << picture;
    }
    EXPECT_NE(sheets[0].questions[0].text + sheets[0].questions[0].reason,
              sheets[1].questions[0].text + sheets[1].questions[0].reason);
    for (const Sheet& sheet : sheets) fs::remove_all(sheet.folder);
}

// closure8 without --seed draws its graph from the time: the command at the foot of every page and
// in answers.html must name that seed, or it makes another graph, whose key fits none of the sheets
// handed out. Run again, it makes the same pictures and the same answers.
TEST(Worksheet, RandomGraphWithoutASeedIsMadeAgainByTheCommandItsPagesGive) {
    const std::string folder = make_temp_folder();
    const std::string without_chromium = "PATH=/nonexistent ";
    const ProgramRun run = run_in(folder, without_chromium + quote_path(program_path("closure8")) + " --worksheet sheet");
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const std::string html = slurp(folder + "/sheet/worksheet.html"), answers = slurp(folder + "/sheet/answers.html");
    const std::string said = "closure8, seed ";
    const std::size_t at = html.find(said);
    ASSERT_NE(at, std::string::npos) << html;
    const std::string seed = html.substr(at + said.size(), html.find_first_not_of("0123456789", at + said.size()) - at - said.size());
    ASSERT_FALSE(seed.empty());
    const std::string command = "closure8 --worksheet sheet --seed " + seed;
    EXPECT_EQ(count_of(html, "<code>" + command + "</code></footer>"), count_of(html, "<section class=\"page\">")) << html;
    EXPECT_NE(answers.find("<code>" + command + "</code>"), std::string::npos) << answers;

    fs::rename(folder + "/sheet", folder + "/first");
    const ProgramRun again = run_in(folder, without_chromium + quote_path(program_path("closure8")) +
                                                command.substr(std::string("closure8").size()));
    ASSERT_EQ(again.exit_status, 0) << again.err;
    for (const char* file : {"/step-002-cropped.png", "/step-003-cropped.png", "/answers.html", "/worksheet.html"})
        EXPECT_TRUE(slurp(folder + "/sheet" + file) == slurp(folder + "/first" + file)) << file << " differs";
    fs::remove_all(folder);
}

// gridpath asks once the search's first frame is on screen: that frame is the sheet's picture, and
// the step after the search its key's.
TEST(Worksheet, QuestionPutDuringAnAnimationIsAskedFromItsFrame) {
    const std::string folder = make_temp_folder();
    const ProgramRun run = run_in(folder, "PATH=/nonexistent " + quote_path(program_path("gridpath")) + " --worksheet sheet --seed 3");
    EXPECT_EQ(run.exit_status, 0) << run.err;
    const std::string html = slurp(folder + "/sheet/worksheet.html");
    EXPECT_NE(html.find("<figure><img src=\"step-001-frame-0001-cropped.png\""), std::string::npos) << html;
    EXPECT_NE(html.find("<figure><img src=\"step-001-cropped.png\""), std::string::npos);
    const Picture frame = read_png(folder + "/sheet/step-001-frame-0001-cropped.png"), step = read_png(folder + "/sheet/step-001-cropped.png");
    // The search has only begun in the frame; the step shows it finished, with far more tree drawn.
    EXPECT_GT(frame.count(white_rgb), step.count(white_rgb));
    fs::remove_all(folder);
}

std::string demo_command() {
    return "GRAPHSTEPS_BUILD_DIR=" + quote_path(BUILD_DIR) + " " + quote_path(SOURCE_DIR "/demo");
}

// The sheet folders in `folder`, but those named in `except`.
std::vector<std::string> sheet_folders(const std::string& folder, const std::vector<std::string>& except) {
    std::vector<std::string> sheets;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory() && name.rfind("sheet-", 0) == 0 &&
            std::find(except.begin(), except.end(), name) == except.end())
            sheets.push_back(entry.path().string());
    }
    return sheets;
}

// A class made into a folder where a class was made before: the earlier class's files go, a
// teacher's file beside them stays with its folder, so does a file of the class the teacher
// changed since, a folder of a similar name that no class made
// is not touched, and no sheet is written into a folder the run did not create. The folder's name
// holds characters that mean something in an address ('#', '?', '%'): the printed key is still
// this class's.
TEST(Worksheet, DemoMakesSheetsOfDistinctGraphsAndOneKeyForThemAllRemovingOnlyAnEarlierClass) {
    SKIP_WITHOUT_PDF_TOOLS();
    const std::string folder = make_temp_folder(), name = "class #1?%", class_folder = folder + "/" + name;
    const ProgramRun earlier = run_in(folder, demo_command() + " --worksheets closure8 2 '" + name + "' 1");
    ASSERT_EQ(earlier.exit_status, 0) << earlier.out << earlier.err;
    const std::vector<std::string> earlier_sheets = sheet_folders(class_folder, {});
    ASSERT_EQ(earlier_sheets.size(), 2u);
    const std::string photo = earlier_sheets[0] + "/class-photo.jpg", kept = fs::path(earlier_sheets[0]).filename();
    std::ofstream(photo) << "a teacher's photo";
    fs::create_directories(class_folder + "/sheet-2024");
    std::ofstream(class_folder + "/sheet-2024/worksheet.html") << "a teacher's lesson plan";
    // A sheet the class wrote and the teacher then changed is the teacher's now.
    const std::string edited = earlier_sheets[1] + "/worksheet.html", edited_sheet = fs::path(earlier_sheets[1]).filename();
    std::ofstream(edited, std::ios::app) << "<p>Bring a pencil.</p>\n";
    const std::string edited_text = slurp(edited);

    const ProgramRun run = run_in(folder, demo_command() + " --worksheets closure8 3 '" + name + "' 1");
    ASSERT_EQ(run.exit_status, 0) << run.out << run.err;
    EXPECT_EQ(slurp(photo), "a teacher's photo");
    EXPECT_EQ(fs::directory_iterator(fs::path(photo).parent_path())->path(), fs::path(photo)) << "only the photo stays";
    EXPECT_EQ(slurp(class_folder + "/sheet-2024/worksheet.html"), "a teacher's lesson plan");
    EXPECT_EQ(slurp(edited), edited_text) << "the sheet the teacher changed was removed";
    const std::vector<std::string> sheets = sheet_folders(class_folder, {"sheet-2024", kept, edited_sheet});
    ASSERT_EQ(sheets.size(), 3u);
    std::vector<std::string> graphs;
    const std::string answers = page_text(slurp(class_folder + "/answers.html"));
    int pages = 0, answered = 0;
    for (const std::string& sheet : sheets) {
        const std::string seed = sheet.substr(sheet.rfind("/sheet-") + 7);
        const std::string graph = slurp(sheet + "/step-002-cropped.png");
        for (const std::string& other : graphs) EXPECT_NE(graph, other) << sheet << ": a graph twice";
        graphs.push_back(graph);
        const std::vector<RecordedQuestion> questions = recorded_questions(record("closure8", "--predict --seed " + seed));
        ASSERT_GE(questions.size(), 5u);
        answered += static_cast<int>(questions.size());
        EXPECT_NE(answers.find("closure8, seed " + seed + " Made again by: closure8 --worksheet '" + name + "/sheet-" + seed +
                               "' --seed " + seed), std::string::npos) << answers;
        EXPECT_NE(answers.find(questions[0].text + " Answer: " + questions[0].answer + ". " + questions[0].reason),
                  std::string::npos) << seed << ": " << answers;
        pages += question_pages(sheet + "/worksheet-a4.pdf");
    }
    for (const char* paper : {"a4", "letter"}) {
        const std::string key = class_folder + "/answers-" + paper + ".pdf";
        const std::string printed = pdf_text(key, 1, pdf_pages(key));
        EXPECT_EQ(count_of(printed, "Answer: "), answered) << key << ": " << printed.substr(0, 200);
        EXPECT_EQ(pdf_pages(class_folder + "/questions-" + paper + ".pdf"), pages) << paper;
    }
    fs::remove_all(folder);
}

// Ctrl-C, sent by the terminal to the script and what it runs, while the class's PDFs are put
// together (a pdfunite of the test's own that takes its time): the script stops at once and
// removes what it made.
TEST(Worksheet, DemoStoppedByCtrlCWhileTheClassIsPutTogetherLeavesNothing) {
    const std::string folder = make_temp_folder();
    fs::create_directories(folder + "/fake");
    std::ofstream(folder + "/fake/pdfunite") << "#!/bin/sh\nexec sleep 57\n";
    fs::permissions(folder + "/fake/pdfunite", fs::perms::owner_all);
    fs::create_directories(folder + "/tmp");
    const std::string environment = "PATH=" + quote_path(folder + "/fake") + ":\"$PATH\" TMPDIR=" + quote_path(folder + "/tmp") + " ";
    const ProgramRun run = run_in(folder,
        // A terminal's foreground job: SIGINT not ignored, as a background job's would be, and a
        // process group of its own for Ctrl-C to go to.
        "{ perl -e '$SIG{INT} = q(DEFAULT); exec @ARGV' setsid env " + environment + demo_command() +
        " --worksheets closure8 2 class 1 & group=$!; "
        "for i in $(seq 200); do pgrep -f 'sleep 5[7]' >/dev/null && break; sleep 0.1; done; "
        "kill -INT -$group; wait $group; echo \"status $?\"; sleep 0.5; pgrep -f 'sleep 5[7]' && echo 'pdfunite left'; "
        "find class tmp -mindepth 1; }");
    EXPECT_NE(run.out.find("status 130"), std::string::npos) << run.out << run.err;
    EXPECT_EQ(run.out.find("pdfunite left"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("class/"), std::string::npos) << "left behind: " << run.out;
    EXPECT_EQ(run.out.find("tmp/"), std::string::npos) << "left behind: " << run.out;
    run_in(folder, "pkill -f 'sleep 5[7]'");
    fs::remove_all(folder);
}

TEST(Worksheet, DemoRefusesABadCountOrProgramOrAFolderOfSomeoneElsesInOneLine) {
    const std::string folder = make_temp_folder();
    const std::string demo = demo_command();
    for (const char* arguments : {"closure8 0 class", "closure8 201 class", "closure8 three class", "closure8 -1 class",
                                  "closure9 3 class", "closure8 3 class 4294967296"}) {
        const ProgramRun run = run_in(folder, demo + " --worksheets " + arguments);
        EXPECT_EQ(run.exit_status, 2) << arguments;
        EXPECT_EQ(count_of(run.err, "\n"), 1) << arguments << ": " << run.err;
        EXPECT_FALSE(fs::exists(folder + "/class")) << arguments;
    }
    // A page of the class's names, or the fixed program's sheet folder, that no class wrote.
    fs::create_directories(folder + "/class/sheet");
    std::ofstream(folder + "/class/answers.html") << "the course's own answers";
    std::ofstream(folder + "/class/sheet/notes.txt") << "notes";
    for (const char* arguments : {"closure8 2 class", "walks 1 class"}) {
        const ProgramRun run = run_in(folder, demo + " --worksheets " + arguments);
        EXPECT_EQ(run.exit_status, 1) << arguments;
        EXPECT_EQ(count_of(run.err, "\n"), 1) << arguments << ": " << run.err;
        fs::remove(folder + "/class/answers.html");
    }
    EXPECT_EQ(slurp(folder + "/class/sheet/notes.txt"), "notes");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder + "/class"), fs::directory_iterator()), 1);
    fs::remove_all(folder);
}

}  // namespace
