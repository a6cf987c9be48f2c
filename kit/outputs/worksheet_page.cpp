// The worksheet is laid out here, page by page, rather than left to the browser: each block's
// height is estimated from its text on the generous side, and a page takes blocks while they fit.
// A page that overflowed all the same would print as two, which the tests catch by counting the
// PDF's pages against the sections written here.
#include "worksheet_page.h"

#include "html_text.h"
#include "pages/page_files.h"
#include "questions.h"
#include "suite_files.h"
#include "vertex_key.h"

#include <algorithm>
#include <cstdio>

namespace {

// The printable area that A4 (210 x 297 mm) and US Letter (215.9 x 279.4 mm) share with 12 mm
// margins is 186 x 255.4 mm. A page's content is held to this height; the rest is its footer.
constexpr double content_height_mm = 232;
constexpr double page_width_mm = 186;
constexpr double line_11pt_mm = 11 * 1.35 * 25.4 / 72;  // the body's line
constexpr double line_10pt_mm = 10 * 1.3 * 25.4 / 72;   // the legend's and the key's
// Characters on a line, counted low: a line of Liberation Sans holds some 110 at 11 pt across the page.
constexpr int chars_11pt_full = 104;
constexpr int chars_10pt_full = 100;
constexpr int chars_10pt_key = 80;  // the key table's middle column
// The sheet's pictures, cropped to what the step drew, are as wide as the page and no taller than
// leaves half of it to the questions, and no smaller than three quarters of that where they share a
// page; the key's stand two to a row.
constexpr double picture_mm = content_height_mm * 0.56;
constexpr double key_picture_width_mm = (page_width_mm - 5) / 2, key_picture_mm = 56;
constexpr double caption_mm = line_10pt_mm + 2;

// Escaped, each word that holds a hyphen kept on one line, on paper and in a PDF's text.
std::string words(const std::string& text) { return words_kept_whole(text, "<span class=\"word\">", "</span>"); }

// How many lines the text takes when wrapped at word boundaries to `width` characters.
int lines_of(const std::string& text, int width) {
    int lines = 1, used = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t space = text.find(' ', at);
        const int word = static_cast<int>((space == std::string::npos ? text.size() : space) - at);
        if (used > 0 && used + 1 + word > width) {
            ++lines;
            used = 0;
        }
        used += (used > 0 ? 1 : 0) + word;
        while (used > width) {  // a word longer than a line
            ++lines;
            used -= width;
        }
        if (space == std::string::npos) break;
        at = space + 1;
    }
    return lines;
}

std::string number(int value) { return std::to_string(value); }

std::string step_words(const Worksheet& sheet, int step) {
    return "step " + number(step) + (sheet.step_count > 0 ? " of " + number(sheet.step_count) : "");
}

std::string millimetres(double mm) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1fmm", mm);
    return text;
}

const char* page_rule(Paper paper) {
    switch (paper) {
        case Paper::a4: return "@page { size: A4; margin: 12mm; }\n";
        case Paper::letter: return "@page { size: letter; margin: 12mm; }\n";
        case Paper::any: break;
    }
    return "@page { margin: 12mm; }\n";
}

// The style (pages/worksheet.css) is black on white throughout: every answer is in words, and the
// room to write is ruled in black. The command that makes a sheet again breaks anywhere: a folder
// of a long name in it, one word wider than the page, would make chromium shrink the whole page.
// `extra`: more of the head, before the title.
std::string head(const std::string& title, Paper paper, const std::string& extra = "") {
    return "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">\n" + std::string(generator_meta) + "\n" + extra +
           "<title>" + escape_html(title) + "</title>\n<style>\n" + page_rule(paper) + worksheet_style + "</style></head>\n<body>\n";
}

// What the student writes or circles, for each kind of answer; on paper nothing is typed.
std::string answer_room(const Question& question) {
    const AnswerKind kind = question.kind;
    const std::string line = "<span class=\"line\" style=\"width: 35mm\"></span>";
    switch (kind) {
        case AnswerKind::vertex: return "<span>Vertex:</span>" + line;
        case AnswerKind::vertex_or_back:
            return "<span>Vertex:</span>" + line + "<span>or</span><span><span class=\"box\"></span>the search goes back</span>";
        case AnswerKind::vertices:
            return "<span>Vertices:</span><span class=\"line\" style=\"width: 100mm\"></span>";
        case AnswerKind::number: return "<span>Number:</span>" + line;
        case AnswerKind::yes_no:
            return "<span>Circle one:</span><span class=\"choice\">yes</span><span class=\"choice\">no</span>";
        case AnswerKind::edge_kind:
            return "<span>Circle one:</span><span class=\"choice\">tree edge</span><span class=\"choice\">back edge</span>";
        case AnswerKind::table: {
            std::string head = "<tr><th></th>", row = "<tr><th>" + escape_html(question.row_title) + "</th>";
            for (const std::string& column : question.columns) {
                head += "<th>" + escape_html(column) + "</th>";
                row += "<td></td>";
            }
            return "<table class=\"fill\">" + head + "</tr>" + row + "</tr></table>";
        }
    }
    return line;
}

// Pages of blocks, each block with its estimated height.
struct Pages {
    std::vector<std::string> pages;
    double used = content_height_mm;  // full: the first block opens a page

    bool fits(double height) const { return !pages.empty() && used + height <= content_height_mm; }
    void open() {
        pages.emplace_back();
        used = 0;
    }
    void add(const std::string& html, double height) {
        if (!fits(height)) open();
        pages.back() += html;
        used += height;
    }
    int current() const { return static_cast<int>(pages.size()); }
};

std::string question_opening(const Worksheet& sheet, int index, const SheetQuestion& asked) {
    return "Question " + number(index) + " (before " + step_words(sheet, asked.step) + "): ";
}

// A table to fill takes its columns in bands across the page, each band a head and a row.
double room_height(const Question& question) {
    if (question.kind != AnswerKind::table) return 9.5;
    const double bands = static_cast<double>((question.columns.size() + 9) / 10);
    return 1.5 + std::max(1.0, bands) * 16;
}

double question_height(const Worksheet& sheet, int index, const SheetQuestion& asked) {
    return lines_of(question_opening(sheet, index, asked) + asked.question.text, chars_11pt_full) * line_11pt_mm + 1.5 +
           room_height(asked.question) + 3 + 6;
}

std::string question_block(const Worksheet& sheet, int index, const SheetQuestion& asked) {
    return "<div class=\"question\"><p><b>Question " + number(index) + "</b> (before " + step_words(sheet, asked.step) +
           "): " + words(asked.question.text) + "</p><div class=\"" + (asked.question.kind == AnswerKind::table ? "table-room" : "room") +
           "\">" + answer_room(asked.question) + "</div></div>\n";
}

// The picture's height in the page when it is at most `width_mm` wide and `height_mm` tall.
double picture_height(const Worksheet& sheet, const std::string& picture, double width_mm, double height_mm) {
    const auto found = sheet.pictures.find(picture);
    if (found == sheet.pictures.end()) return height_mm;
    const double aspect = double(found->second.height) / found->second.width;
    return std::min(height_mm, width_mm * aspect);
}

std::string figure(const Worksheet& sheet, const std::string& picture, double height_mm, const std::string& caption) {
    const auto found = sheet.pictures.find(picture);
    const double width_mm = found == sheet.pictures.end() ? height_mm * 4 / 3 : height_mm * found->second.width / found->second.height;
    return "<figure><img src=\"" + escape_html(picture) + "\" alt=\"" + escape_html(caption) + "\" style=\"width: " +
           millimetres(width_mm) + "; height: " + millimetres(height_mm) + "\"><figcaption>" + escape_html(caption) +
           "</figcaption></figure>\n";
}

std::string footer(const Worksheet& sheet, int page, int pages) {
    return "<footer>" + escape_html(sheet.program) + ", " + escape_html(sheet_seed_words(sheet)) + " &middot; page " + number(page) +
           " of " + number(pages) + " &middot; made again by: <code>" + escape_html(sheet.command) + "</code></footer>\n";
}

// The graph small and plain, each vertex a ring around its number, where the pictures place it:
// drawn as SVG, so that it prints as sharp as the text.
void lay_out_vertex_key(const Worksheet& sheet, Pages& pages) {
    const VertexKey key = vertex_key(sheet.places, page_width_mm * 0.6, 56, 2.6);
    if (key.width <= 0) return;
    const std::string intro = "Vertex numbers, each where the pictures draw its vertex: for a number that a disc or a band "
                              "half covers, or that is hard to read in grey.";
    char size[96];
    std::snprintf(size, sizeof size, "width=\"%.1fmm\" height=\"%.1fmm\" viewBox=\"0 0 %.2f %.2f\"", key.width, key.height,
                  key.width, key.height);
    std::string svg = "<p><b>Vertex numbers</b>" + intro.substr(std::string("Vertex numbers").size()) + "</p>\n<svg class=\"vertex-key\" role=\"img\" aria-label=\"" +
                      std::string("The graph's vertices by number, where the pictures draw them") + "\" " + size + ">";
    char part[320];
    for (const auto& [u, v] : sheet.places.edges) {
        std::snprintf(part, sizeof part, "<line x1=\"%.2f\" y1=\"%.2f\" x2=\"%.2f\" y2=\"%.2f\" stroke=\"#737373\" stroke-width=\"0.2\"/>",
                      key.x[std::size_t(u)], key.y[std::size_t(u)], key.x[std::size_t(v)], key.y[std::size_t(v)]);
        svg += part;
    }
    for (std::size_t v = 0; v < key.x.size(); ++v) {
        std::snprintf(part, sizeof part,
                      "<circle cx=\"%.2f\" cy=\"%.2f\" r=\"%.2f\" fill=\"#fff\" stroke=\"#000\" stroke-width=\"0.28\"/>"
                      "<text x=\"%.2f\" y=\"%.2f\" font-size=\"2.8\" font-weight=\"bold\" text-anchor=\"middle\" "
                      "dominant-baseline=\"central\">%zu</text>",
                      key.x[v], key.y[v], key.ring, key.x[v], key.y[v], v);
        svg += part;
    }
    pages.add(svg + "</svg>\n", lines_of(intro, chars_11pt_full) * line_11pt_mm + 1.5 + key.height + 3);
}

// How the algorithm works and the neighbour lists the search tries in order: what a student needs
// to answer the questions, before the first of them.
void lay_out_how_and_lists(const Worksheet& sheet, Pages& pages) {
    const Algorithm& algorithm = sheet.algorithm;
    if (!algorithm.how.empty())
        pages.add("<p><b>How it works.</b> " + words(algorithm.how) + "</p>\n",
                  lines_of("How it works. " + algorithm.how, chars_11pt_full) * line_11pt_mm + 1.5);
    for (const StateItem& lists : sheet.lists) {
        std::string html = "<p><b>" + escape_html(lists.title) + "</b></p>\n<ul class=\"lists\">";
        for (std::size_t v = 0; v < lists.rows.size(); ++v) {
            html += "<li>" + number(static_cast<int>(v)) + ": ";
            if (lists.rows[v].empty()) html += "(none)";
            for (std::size_t i = 0; i < lists.rows[v].size(); ++i) html += (i == 0 ? "" : ", ") + number(lists.rows[v][i]);
            html += "</li>";
        }
        // Three columns, a vertex to a line.
        const double rows = static_cast<double>((lists.rows.size() + 2) / 3);
        pages.add(html + "</ul>\n", line_11pt_mm + 1.5 + rows * line_10pt_mm + 3);
    }
    lay_out_vertex_key(sheet, pages);
}

// The algorithm's numbered lines, at the head of the key, whose answers name them.
void lay_out_algorithm(const Worksheet& sheet, Pages& pages) {
    const Algorithm& algorithm = sheet.algorithm;
    if (!algorithm.lines.empty()) {
        std::string html = "<p><b>The algorithm</b>, whose lines each answer's step carried out are named below</p>\n<ol class=\"code\">";
        double height = line_11pt_mm + 1.5 + 3;
        for (const std::string& line : algorithm.lines) {
            const std::size_t indent = line.find_first_not_of(' ');
            const std::string code = indent == std::string::npos ? "" : line.substr(indent);
            html += "<li style=\"padding-left: " + millimetres(indent == std::string::npos ? 0 : 2.5 * static_cast<double>(indent)) +
                    "\">" + escape_html(code) + "</li>";
            height += lines_of(line, chars_10pt_full - 8) * line_10pt_mm;
        }
        pages.add(html + "</ol>\n", height);
    }
}

void lay_out_sheet(const Worksheet& sheet, Pages& pages) {
    const std::string intro =
        "Answer each question from the picture above it, working out what the algorithm does next, before you look at "
        "the answer key. Where several questions follow one picture, they ask about steps one after another: work them "
        "out in turn.";
    std::string first = "<h1>" + escape_html(sheet.program) + ": worksheet</h1>\n<p class=\"name\">Name: <span class=\"line\" "
                        "style=\"width: 80mm\"></span> &nbsp; Date: <span class=\"line\" style=\"width: 35mm\"></span></p>\n"
                        "<p>" + escape_html(intro) + "</p>\n";
    double height = 7.5 + 2 + 10 + lines_of(intro, chars_11pt_full) * line_11pt_mm + 1.5;
    if (!sheet.legend.empty()) {
        const std::string grey = "Printed in black and white, the colours may look alike: the questions and the key name "
                                 "every vertex by its number.";
        first += "<p><b>What the pictures show</b></p>\n<ul class=\"legend\">";
        height += line_11pt_mm + 1.5 + 3;
        for (const std::string& entry : sheet.legend) {
            first += "<li>" + words(entry) + "</li>";
            height += lines_of(entry, chars_10pt_full - 4) * line_10pt_mm + 0.5;
        }
        first += "</ul>\n<p>" + escape_html(grey) + "</p>\n";
        height += lines_of(grey, chars_11pt_full) * line_11pt_mm + 1.5;
    }
    pages.add(first, height);
    lay_out_how_and_lists(sheet, pages);

    int index = 0;
    for (const SheetRun& run : sheet.runs) {
        if (run.questions.empty()) continue;
        const SheetQuestion& opening = run.questions.front();
        const double first_question = question_height(sheet, index + 1, opening);
        int picture_page = pages.current();
        if (!run.picture.empty()) {
            const std::string caption = "The picture before " + step_words(sheet, opening.step) +
                                        (run.questions.size() > 1 ? ", for questions " + number(index + 1) + " to " +
                                                                        number(index + static_cast<int>(run.questions.size()))
                                                                  : ", for question " + number(index + 1));
            // Where the page has room for the picture somewhat smaller, it stays on this page.
            // (A millimetre to spare: the sum of the estimates must not come out a hair over the page.)
            const double full = picture_height(sheet, run.picture, page_width_mm, picture_mm);
            const double room = content_height_mm - pages.used - caption_mm - 2 - first_question - 1;
            double height = full;
            if (!pages.fits(full + caption_mm + 2 + first_question)) {
                if (pages.fits(full * 0.75 + caption_mm + 2 + first_question)) {
                    height = std::min(full, room);
                } else {
                    pages.open();
                }
            }
            pages.add(figure(sheet, run.picture, height, caption), height + caption_mm + 2);
            picture_page = pages.current();
        }
        for (const SheetQuestion& asked : run.questions) {
            ++index;
            const double height = question_height(sheet, index, asked);
            if (!pages.fits(height)) {
                pages.open();
                if (!run.picture.empty()) {
                    const std::string note = "Question " + number(index) + " and the ones after it on this page go on from the "
                                             "picture on page " + number(picture_page) + ".";
                    pages.add("<p class=\"note\">" + escape_html(note) + "</p>\n", line_11pt_mm * lines_of(note, chars_11pt_full) + 1.5);
                }
            }
            pages.add(question_block(sheet, index, asked), height);
        }
    }
    if (index == 0) pages.add("<p>This show asks no questions.</p>\n", line_11pt_mm + 1.5);
    const WorkingRoom working = working_room_of(sheet);
    if (index > 0 && !working.title.empty()) {
        std::string html = "<p><b>" + escape_html(working.title) + "</b></p>\n<table class=\"fill working\"><tr><th scope=\"col\"></th>";
        for (const std::string& column : working.columns) html += "<th scope=\"col\">" + escape_html(column) + "</th>";
        html += "</tr>";
        for (const std::string& row : working.rows) {
            html += "<tr><th scope=\"row\">" + escape_html(row) + "</th>";
            for (std::size_t c = 0; c < working.columns.size(); ++c) html += "<td></td>";
            html += "</tr>";
        }
        pages.add(html + "</table>\n", line_11pt_mm + 4 + (double(working.rows.size()) + 1) * 8 * double(1 + working.columns.size() / 14));
    }
}

void lay_out_key(const Worksheet& sheet, Pages& pages) {
    pages.open();
    const std::string intro = "The answer to each question, why, and the step of " + sheet.program + " (" +
                              sheet_seed_words(sheet) + ") that shows it.";
    pages.add("<h2>Answer key</h2>\n<p>" + escape_html(intro) + "</p>\n", 6.5 + 2 + lines_of(intro, chars_11pt_full) * line_11pt_mm + 1.5 + 2);
    lay_out_algorithm(sheet, pages);
    // One row a question: its number, the question with its answer and why, and the numbers of
    // the lines its step carried out, which the algorithm above says.
    const bool with_lines = !sheet.algorithm.lines.empty();
    const std::string table_head = std::string("<table class=\"key\"><tr><th>No.</th><th>Question, answer and why</th><th>") +
                                   (with_lines ? "Lines carried out" : "") + "</th></tr>";
    const double head_height = line_10pt_mm + 2;
    std::string table;
    int index = 0;
    for (const SheetRun& run : sheet.runs) {
        for (const SheetQuestion& asked : run.questions) {
            ++index;
            const Question& question = asked.question;
            const std::string answer = question.answered ? answer_text(question) : "(the program gave no answer)";
            const std::string asked_words = "Before " + step_words(sheet, asked.step) + ": " + question.text;
            std::string lines;
            if (with_lines)
                for (const int line : asked.lines)
                    if (line >= 1 && line <= static_cast<int>(sheet.algorithm.lines.size()))
                        lines += (lines.empty() ? "" : ", ") + number(line);
            const std::string row = "<tr><td><b>" + number(index) + "</b></td><td><p>" + words(asked_words) +
                                    "</p><p><b>Answer: " + escape_html(answer) + "</b></p><p>" + words(question.reason) +
                                    "</p></td><td>" + escape_html(lines) + "</td></tr>\n";
            const double height = (lines_of(asked_words, chars_10pt_key) + lines_of("Answer: " + answer, chars_10pt_key) +
                                   lines_of(question.reason, chars_10pt_key)) * line_10pt_mm + 3;
            if (!table.empty() && !pages.fits(height)) {
                pages.add(table + "</table>\n", 0);
                table.clear();
            }
            if (table.empty()) {
                if (!pages.fits(head_height + height)) pages.open();
                table = table_head;
                pages.used += head_height;
            }
            table += row;
            pages.used += height;
        }
    }
    if (!table.empty()) pages.add(table + "</table>\n", 3);
    // The steps that answer them, two to a row.
    std::string pair;
    for (const KeyPicture& shown : key_pictures(sheet)) {
        const double height = picture_height(sheet, shown.name, key_picture_width_mm, key_picture_mm);
        pair += figure(sheet, shown.name, height, shown.caption);
        if (pair.find("</figure>") != pair.rfind("</figure>")) {
            pages.add("<div class=\"pair\">" + pair + "</div>\n", key_picture_mm + caption_mm + 4);
            pair.clear();
        }
    }
    if (!pair.empty()) pages.add("<div class=\"pair\">" + pair + "</div>\n", key_picture_mm + caption_mm + 4);
}

std::string answers_list(const Worksheet& sheet) {
    std::string html = "<section class=\"answers\"><h2>" + escape_html(sheet.program) + ", " + escape_html(sheet_seed_words(sheet)) +
                       "</h2>\n<p>Made again by: <code>" + escape_html(sheet.command) + "</code></p>\n<ol class=\"answers\">\n";
    for (const SheetRun& run : sheet.runs)
        for (const SheetQuestion& asked : run.questions) {
            const Question& question = asked.question;
            html += "<li>(Before " + escape_html(step_words(sheet, asked.step)) + ") " + words(question.text) + "<br><b>Answer: " +
                    escape_html(question.answered ? answer_text(question) : "(the program gave no answer)") + "</b>. " +
                    words(question.reason) + "</li>\n";
        }
    return html + "</ol></section>\n";
}

}  // namespace

std::vector<KeyPicture> key_pictures(const Worksheet& sheet) {
    std::vector<KeyPicture> shown;
    std::vector<std::vector<int>> answered;  // the questions each shown step answers
    int index = 0;
    for (const SheetRun& run : sheet.runs)
        for (const SheetQuestion& asked : run.questions) {
            ++index;
            if (asked.answer_picture.empty()) continue;
            // Several questions put before one step: its picture once, for them all.
            if (!shown.empty() && shown.back().name == asked.answer_picture) {
                answered.back().push_back(index);
                continue;
            }
            shown.push_back({asked.answer_picture, "Step " + number(asked.step) + (sheet.step_count > 0 ? " of " + number(sheet.step_count) : "")});
            answered.push_back({index});
        }
    for (std::size_t k = 0; k < shown.size(); ++k) {
        const std::vector<int>& questions = answered[k];
        shown[k].caption += questions.size() == 1 ? ", which answers question " + number(questions[0]) : ", which answers questions ";
        for (std::size_t i = 0; questions.size() > 1 && i < questions.size(); ++i)
            shown[k].caption += (i == 0 ? "" : i + 1 == questions.size() ? " and " : ", ") + number(questions[i]);
    }
    return shown;
}

WorkingRoom working_room_of(const Worksheet& sheet) {
    WorkingRoom room;
    if (sheet.matrix_size > 0) {
        room.title = "Room for working: the matrix, to fill in pass by pass (row i, column j)";
        for (int k = 0; k < sheet.matrix_size; ++k) {
            room.rows.push_back("row " + number(k));
            room.columns.push_back(number(k));
        }
    } else if (!sheet.lists.empty() && !sheet.lists.front().rows.empty()) {
        room.title = "Room for working: the vertices in the order the search discovers them, and in the order it finishes them";
        room.rows = {"discovered", "finished"};
        static constexpr const char* suffixes[] = {"th", "st", "nd", "rd"};
        for (std::size_t k = 1; k <= sheet.lists.front().rows.size(); ++k)
            room.columns.push_back(number(int(k)) + suffixes[k % 100 / 10 != 1 && k % 10 >= 1 && k % 10 <= 3 ? k % 10 : 0]);
    }
    return room;
}

std::string sheet_seed_words(const Worksheet& sheet) {
    return sheet.seed_in_use ? "seed " + std::to_string(sheet.seed) : "the same graph every time";
}

WorksheetPage worksheet_page(const Worksheet& sheet, Paper paper) {
    Pages sheet_pages, key_pages;
    lay_out_sheet(sheet, sheet_pages);
    lay_out_key(sheet, key_pages);
    WorksheetPage page;
    page.sheet_pages = sheet_pages.current();
    page.key_pages = key_pages.current();
    const int total = page.sheet_pages + page.key_pages;
    // For whoever puts the question pages of several sheets together, without the keys.
    page.html = head(sheet.program + " worksheet, " + sheet_seed_words(sheet), paper,
                     "<meta name=\"graphsteps-question-pages\" content=\"" + number(page.sheet_pages) + "\">\n");
    int at = 0;
    for (const Pages* part : {&sheet_pages, &key_pages})
        for (const std::string& content : part->pages) {
            ++at;
            page.html += "<section class=\"page\">\n" + content + footer(sheet, at, total) + "</section>\n";
        }
    page.html += "</body></html>\n";
    return page;
}

std::string answers_page(const Worksheet& sheet, Paper paper) {
    return head(sheet.program + ": the answers", paper) + "<h1>" + escape_html(sheet.program) +
           ": the answers</h1>\n<!-- begin answers -->\n" + answers_list(sheet) + "<!-- end answers -->\n</body></html>\n";
}
