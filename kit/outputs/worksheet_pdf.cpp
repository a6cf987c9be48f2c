// Every block is measured with pango before it is placed, so a page takes exactly what fits and
// nothing runs over its foot. The pages are laid out once, as a list of drawing steps per page,
// and drawn twice, once for each paper: the footer's "page N of M" needs M before any page is
// drawn, and the two papers must not differ by a line.
#include "worksheet_pdf.h"

#include "files.h"
#include "html_text.h"
#include "questions.h"
#include "vertex_key.h"

#include <cairo-pdf.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <map>
#include <memory>

namespace {

// In points. The box both papers hold with 12 mm margins: A4's width, Letter's height.
constexpr double a4_width = 595, a4_height = 842, letter_width = 612, letter_height = 792;
constexpr double margin = 34;
constexpr double box_width = a4_width - 2 * margin;
constexpr double box_height = letter_height - 2 * margin;
constexpr double rule_width = 0.8;  // black on white: grey prints unevenly
constexpr double gap = 6;           // between blocks
constexpr double working_room = 28;  // blank under a question's answer, for working
constexpr double cell_padding = 4;

constexpr const char* sans = "Liberation Sans";
constexpr const char* serif = "Liberation Serif";
constexpr const char* mono = "Liberation Mono";

using Layout = std::shared_ptr<PangoLayout>;
using Draw = std::function<void(cairo_t*)>;
using Surface = std::shared_ptr<cairo_surface_t>;

struct Pages {
    PangoContext* context = nullptr;
    // One image for each picture, however often it is shown: cairo embeds an image once a file,
    // and the step that answers one question is often the picture of the next.
    std::map<std::string, Surface> images;
    double foot = box_height;  // where the content stops: the footer is below
    std::vector<std::vector<Draw>> pages;
    double y = 0;

    bool fits(double height) const { return !pages.empty() && y + height <= foot; }
    void open() {
        pages.emplace_back();
        y = 0;
    }
    // The top of a block of `height`, on a new page when this one has not the room.
    double place(double height) {
        if (!fits(height)) open();
        const double top = y;
        y += height;
        return top;
    }
    void draw(Draw step) { pages.back().push_back(std::move(step)); }
    int current() const { return static_cast<int>(pages.size()); }
};

// Text for pango markup: escaped, each word that holds a hyphen kept on one line.
std::string words(const std::string& text) { return words_kept_whole(text, "<span allow_breaks=\"false\">", "</span>"); }

std::string bold(const std::string& markup) { return "<b>" + markup + "</b>"; }

struct Style {
    const char* family = sans;
    double size = 11;
    bool any_break = false;  // a command line breaks anywhere, not only between words
};
constexpr Style body{sans, 11}, small{sans, 9.5}, footnote{sans, 8, true}, code{mono, 8.5}, heading{serif, 18},
    subheading{serif, 14};

Layout text(Pages& pages, const std::string& markup, Style style, double width) {
    Layout layout(pango_layout_new(pages.context), g_object_unref);
    PangoFontDescription* font = pango_font_description_new();
    pango_font_description_set_family(font, style.family);
    pango_font_description_set_absolute_size(font, style.size * PANGO_SCALE);
    pango_layout_set_font_description(layout.get(), font);
    pango_font_description_free(font);
    pango_layout_set_width(layout.get(), static_cast<int>(width * PANGO_SCALE));
    pango_layout_set_wrap(layout.get(), style.any_break ? PANGO_WRAP_WORD_CHAR : PANGO_WRAP_WORD);
    pango_layout_set_markup(layout.get(), markup.c_str(), -1);
    return layout;
}

double height_of(const Layout& layout) {
    int width = 0, height = 0;
    pango_layout_get_size(layout.get(), &width, &height);
    return static_cast<double>(height) / PANGO_SCALE;
}

double width_of(const Layout& layout) {
    int width = 0, height = 0;
    pango_layout_get_size(layout.get(), &width, &height);
    return static_cast<double>(width) / PANGO_SCALE;
}

Draw show(const Layout& layout, double x, double y) {
    return [layout, x, y](cairo_t* cr) {
        cairo_move_to(cr, x, y);
        pango_cairo_show_layout(cr, layout.get());
    };
}

Draw line(double x0, double y0, double x1, double y1, double width = rule_width) {
    return [=](cairo_t* cr) {
        cairo_set_line_width(cr, width);
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        cairo_stroke(cr);
    };
}

Draw box(double x, double y, double width, double height) {
    return [=](cairo_t* cr) {
        cairo_set_line_width(cr, rule_width);
        cairo_rectangle(cr, x, y, width, height);
        cairo_stroke(cr);
    };
}

Draw oval(double x, double y, double width, double height) {
    return [=](cairo_t* cr) {
        const double r = height / 2;
        cairo_set_line_width(cr, rule_width);
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + width - r, y + r, r, -G_PI / 2, G_PI / 2);
        cairo_arc(cr, x + r, y + r, r, G_PI / 2, 3 * G_PI / 2);
        cairo_close_path(cr);
        cairo_stroke(cr);
    };
}

// A paragraph across `width` from `x`; `after` is the space below it.
double paragraph(Pages& pages, const std::string& markup, Style style, double x = 0, double width = box_width,
                 double after = gap) {
    const Layout layout = text(pages, markup, style, width);
    const double height = height_of(layout);
    const double top = pages.place(height + after);
    pages.draw(show(layout, x, top));
    return top;
}

// The picture's own pixels as an image: cairo embeds it whole, Flate-compressed.
Surface image_of(const CroppedPicture& picture) {
    Surface image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height), cairo_surface_destroy);
    cairo_surface_flush(image.get());
    unsigned char* data = cairo_image_surface_get_data(image.get());
    const int stride = cairo_image_surface_get_stride(image.get());
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(data + std::size_t(y) * stride, &picture.pixels[std::size_t(y) * picture.width], std::size_t(picture.width) * 4);
    cairo_surface_mark_dirty(image.get());
    return image;
}

// Pixels drawn as squares, never blurred: the pictures are of discs, lines and digits.
Draw picture_at(const Surface& image, double x, double y, double scale) {
    return [image, x, y, scale](cairo_t* cr) {
        const int width = cairo_image_surface_get_width(image.get()), height = cairo_image_surface_get_height(image.get());
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, scale, scale);
        cairo_set_source_surface(cr, image.get(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_rectangle(cr, 0, 0, width, height);
        cairo_fill(cr);
        cairo_restore(cr);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_set_line_width(cr, rule_width);
        cairo_rectangle(cr, x, y, width * scale, height * scale);
        cairo_stroke(cr);
    };
}

std::string number(int value) { return std::to_string(value); }

std::string step_words(const Worksheet& sheet, int step) {
    return "step " + number(step) + (sheet.step_count > 0 ? " of " + number(sheet.step_count) : "");
}

const CroppedPicture* picture_named(const Worksheet& sheet, const std::string& name) {
    const auto found = sheet.pictures.find(name);
    return found == sheet.pictures.end() ? nullptr : &found->second;
}

Surface image_named(Pages& pages, const std::string& name, const CroppedPicture& picture) {
    Surface& image = pages.images[name];
    if (!image) image = image_of(picture);
    return image;
}

// The picture's scale to fill `width` without being taller than `height`.
double scale_into(const CroppedPicture& picture, double width, double height) {
    return std::min(width / picture.width, height / picture.height);
}

// ---- The questions' pages ----

// The graph small and plain, each vertex a ring around its number, where the pictures place it.
void lay_out_vertex_key(const Worksheet& sheet, Pages& pages) {
    const VertexKey key = vertex_key(sheet.places, box_width * 0.6, 160, 7.5);
    if (key.width <= 0) return;
    paragraph(pages,
              bold("Vertex numbers") + words(", each where the pictures draw its vertex: for a number that a disc or a "
                                             "band half covers, or that is hard to read in grey."),
              body, 0, box_width, 3);
    const double top = pages.place(key.height + gap), left = 8;
    for (const auto& [u, v] : sheet.places.edges) {
        const double x0 = left + key.x[u], y0 = top + key.y[u], x1 = left + key.x[v], y1 = top + key.y[v];
        pages.draw([=](cairo_t* cr) {
            cairo_set_source_rgb(cr, 0.45, 0.45, 0.45);
            cairo_set_line_width(cr, 0.6);
            cairo_move_to(cr, x0, y0);
            cairo_line_to(cr, x1, y1);
            cairo_stroke(cr);
            cairo_set_source_rgb(cr, 0, 0, 0);
        });
    }
    for (std::size_t v = 0; v < key.x.size(); ++v) {
        const double cx = left + key.x[v], cy = top + key.y[v], ring = key.ring;
        pages.draw([=](cairo_t* cr) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, cx, cy, ring, 0, 2 * G_PI);
            cairo_set_source_rgb(cr, 1, 1, 1);
            cairo_fill_preserve(cr);
            cairo_set_source_rgb(cr, 0, 0, 0);
            cairo_set_line_width(cr, 0.8);
            cairo_stroke(cr);
        });
        const Layout label = text(pages, bold(number(static_cast<int>(v))), small, 40);
        pages.draw(show(label, cx - width_of(label) / 2, cy - height_of(label) / 2));
    }
}

void lay_out_opening(const Worksheet& sheet, Pages& pages) {
    paragraph(pages, words(sheet.program + ": worksheet"), heading, 0, box_width, 8);
    {
        const Layout name = text(pages, "Name:", body, 40), date = text(pages, "Date:", body, 40);
        const double top = pages.place(height_of(name) + 10);
        const double base = top + height_of(name);
        pages.draw(show(name, 0, top));
        pages.draw(line(36, base, 300, base));
        pages.draw(show(date, 330, top));
        pages.draw(line(362, base, box_width, base));
    }
    paragraph(pages,
              "Answer each question from the picture above it, working out what the algorithm does next, before you look at "
              "the answer key. Where several questions follow one picture, they ask about steps one after another: work them "
              "out in turn.",
              body);
    if (!sheet.legend.empty()) {
        paragraph(pages, bold("What the pictures show"), body, 0, box_width, 2);
        for (const std::string& entry : sheet.legend) {
            const Layout bullet = text(pages, "\u2022", small, 10), words_of = text(pages, words(entry), small, box_width - 14);
            const double top = pages.place(height_of(words_of) + 1.5);
            pages.draw(show(bullet, 4, top));
            pages.draw(show(words_of, 14, top));
        }
        pages.y += gap - 1.5;
        paragraph(pages,
                  "Printed in black and white, the colours may look alike: the questions and the key name every vertex by "
                  "its number.",
                  body);
    }
    if (!sheet.algorithm.how.empty()) paragraph(pages, bold("How it works.") + " " + words(sheet.algorithm.how), body);
    // The lists in three columns, a vertex to a line.
    for (const StateItem& lists : sheet.lists) {
        paragraph(pages, bold(words(lists.title)), body, 0, box_width, 2);
        const double column = box_width / 3;
        const std::size_t rows = (lists.rows.size() + 2) / 3;
        for (std::size_t row = 0; row < rows; ++row) {
            std::vector<Layout> cells;
            double height = 0;
            for (std::size_t v = row; v < lists.rows.size(); v += rows) {
                std::string entry = number(static_cast<int>(v)) + ": ";
                if (lists.rows[v].empty()) entry += "(none)";
                for (std::size_t i = 0; i < lists.rows[v].size(); ++i) entry += (i == 0 ? "" : ", ") + number(lists.rows[v][i]);
                cells.push_back(text(pages, words(entry), small, column - 8));
                height = std::max(height, height_of(cells.back()));
            }
            const double top = pages.place(height + 1);
            for (std::size_t k = 0; k < cells.size(); ++k) pages.draw(show(cells[k], 8 + column * double(k), top));
        }
        pages.y += gap;
    }
    lay_out_vertex_key(sheet, pages);
}

// The empty table of a question of kind `table`: its widths, and how many bands of columns it
// takes across the page.
struct TableRoom {
    Layout title;
    double title_width = 0, column_width = 0;
    std::size_t per_band = 1, bands = 1;
};
constexpr double table_head_height = 16, table_row_height = 26, table_band_height = table_head_height + table_row_height + 6;

TableRoom table_room(Pages& pages, const Question& question) {
    TableRoom room;
    room.title = text(pages, bold(words(question.row_title)), small, 120);
    room.title_width = std::max(60.0, width_of(room.title) + 2 * cell_padding);
    for (const std::string& heading : question.columns)
        room.column_width = std::max(room.column_width, width_of(text(pages, words(heading), small, 200)) + 2 * cell_padding);
    room.column_width = std::max(room.column_width, 34.0);
    room.per_band = std::max<std::size_t>(1, static_cast<std::size_t>((box_width - room.title_width) / room.column_width));
    room.bands = std::max<std::size_t>(1, (question.columns.size() + room.per_band - 1) / room.per_band);
    return room;
}

// The height of the room to answer in, under the question's words.
double answer_room_height(Pages& pages, const Question& question) {
    if (question.kind != AnswerKind::table) return 24;
    return 4 + double(table_room(pages, question).bands) * table_band_height;
}

// A label and a line to write on; the x after it.
double write_on(Pages& pages, const std::string& label, double x, double top, double line_width) {
    const Layout layout = text(pages, label, body, 200);
    pages.draw(show(layout, x, top + 6));
    const double start = x + width_of(layout) + 4;
    pages.draw(line(start, top + 6 + height_of(layout), start + line_width, top + 6 + height_of(layout)));
    return start + line_width + 14;
}

double circled(Pages& pages, const std::string& label, double x, double top) {
    const Layout layout = text(pages, label, body, 200);
    const double width = width_of(layout), height = height_of(layout);
    pages.draw(oval(x, top + 4, width + 16, height + 4));
    pages.draw(show(layout, x + 8, top + 6));
    return x + width + 30;
}

void lay_out_answer_room(Pages& pages, const Question& question, double top) {
    switch (question.kind) {
        case AnswerKind::vertex: write_on(pages, "Vertex:", 0, top, 100); return;
        case AnswerKind::vertex_or_back: {
            const double x = write_on(pages, "Vertex:", 0, top, 100);
            const Layout either = text(pages, "or", body, 40);
            pages.draw(show(either, x, top + 6));
            const double square = x + width_of(either) + 12;
            pages.draw(box(square, top + 7, 11, 11));
            pages.draw(show(text(pages, "the search goes back", body, 200), square + 17, top + 6));
            return;
        }
        case AnswerKind::vertices: write_on(pages, "Vertices:", 0, top, 300); return;
        case AnswerKind::number: write_on(pages, "Number:", 0, top, 100); return;
        case AnswerKind::yes_no: {
            const Layout circle = text(pages, "Circle one:", body, 200);
            pages.draw(show(circle, 0, top + 6));
            circled(pages, "no", circled(pages, "yes", width_of(circle) + 10, top), top);
            return;
        }
        case AnswerKind::edge_kind: {
            const Layout circle = text(pages, "Circle one:", body, 200);
            pages.draw(show(circle, 0, top + 6));
            circled(pages, "back edge", circled(pages, "tree edge", width_of(circle) + 10, top), top);
            return;
        }
        case AnswerKind::table: return;
    }
}

// An empty table to fill, from `top`: the columns headed, the row titled, in bands as wide as the page.
void lay_out_table_room(Pages& pages, const Question& question, double top) {
    const TableRoom room = table_room(pages, question);
    const std::vector<std::string>& columns = question.columns;
    top += 4;
    for (std::size_t band = 0; band < room.bands; ++band, top += table_band_height) {
        const std::size_t first = band * room.per_band, last = std::min(columns.size(), first + room.per_band);
        const double width = room.title_width + room.column_width * double(last - first);
        pages.draw(box(0, top, width, table_head_height + table_row_height));
        pages.draw(line(0, top + table_head_height, width, top + table_head_height));
        pages.draw(show(room.title, cell_padding, top + table_head_height + (table_row_height - height_of(room.title)) / 2));
        for (std::size_t c = first; c < last; ++c) {
            const double x = room.title_width + room.column_width * double(c - first);
            pages.draw(line(x, top, x, top + table_head_height + table_row_height));
            const Layout heading = text(pages, words(columns[c]), small, room.column_width);
            pages.draw(show(heading, x + (room.column_width - width_of(heading)) / 2, top + 2));
        }
    }
}

// The room for working after the questions: an empty table of the sheet's rows and columns, in
// bands as wide as the page, each band kept whole on a page.
void lay_out_working(const Worksheet& sheet, Pages& pages) {
    const WorkingRoom room = working_room_of(sheet);
    if (room.title.empty()) return;
    constexpr double head = 14, row_height = 20;
    double title_width = 40, column_width = 20;
    for (const std::string& row : room.rows) title_width = std::max(title_width, width_of(text(pages, bold(words(row)), small, 200)) + 2 * cell_padding);
    for (const std::string& column : room.columns)
        column_width = std::max(column_width, width_of(text(pages, words(column), small, 200)) + 2 * cell_padding);
    const std::size_t per_band = std::max<std::size_t>(1, std::size_t((box_width - title_width) / column_width));
    const double band_height = head + row_height * double(room.rows.size());
    const Layout title = text(pages, bold(words(room.title)), body, box_width);
    pages.y += gap;
    for (std::size_t first = 0; first < room.columns.size(); first += per_band) {
        const std::size_t last = std::min(room.columns.size(), first + per_band);
        const double width = title_width + column_width * double(last - first);
        const double above = first == 0 ? height_of(title) + 4 : 0;
        double top = pages.place(above + band_height + 6);
        if (first == 0) pages.draw(show(title, 0, top));
        top += above;
        pages.draw(box(0, top, width, band_height));
        for (std::size_t c = first; c < last; ++c) {
            const double x = title_width + column_width * double(c - first);
            pages.draw(line(x, top, x, top + band_height));
            const Layout heading = text(pages, words(room.columns[c]), small, column_width);
            pages.draw(show(heading, x + (column_width - width_of(heading)) / 2, top + 2));
        }
        for (std::size_t r = 0; r < room.rows.size(); ++r) {
            const double y = top + head + row_height * double(r);
            pages.draw(line(0, y, width, y));
            const Layout label = text(pages, bold(words(room.rows[r])), small, title_width);
            pages.draw(show(label, cell_padding, y + (row_height - height_of(label)) / 2));
        }
    }
}

std::string question_words(const Worksheet& sheet, int index, const SheetQuestion& asked) {
    return bold("Question " + number(index)) + " (before " + step_words(sheet, asked.step) + "): " + words(asked.question.text);
}

double question_height(Pages& pages, const Worksheet& sheet, int index, const SheetQuestion& asked) {
    return height_of(text(pages, question_words(sheet, index, asked), body, box_width)) +
           answer_room_height(pages, asked.question) + working_room;
}

void lay_out_question(Pages& pages, const Worksheet& sheet, int index, const SheetQuestion& asked) {
    const Layout words_of = text(pages, question_words(sheet, index, asked), body, box_width);
    const double room = answer_room_height(pages, asked.question);
    const double top = pages.place(height_of(words_of) + room);
    pages.draw(show(words_of, 0, top));
    if (asked.question.kind == AnswerKind::table) lay_out_table_room(pages, asked.question, top + height_of(words_of));
    else lay_out_answer_room(pages, asked.question, top + height_of(words_of));
    pages.y += working_room;
}

void lay_out_sheet(const Worksheet& sheet, Pages& pages) {
    pages.open();
    lay_out_opening(sheet, pages);
    int index = 0;
    for (const SheetRun& run : sheet.runs) {
        if (run.questions.empty()) continue;
        const SheetQuestion& opening = run.questions.front();
        int picture_page = pages.current();
        const CroppedPicture* picture = run.picture.empty() ? nullptr : picture_named(sheet, run.picture);
        if (picture != nullptr) {
            const std::string caption =
                "The picture before " + step_words(sheet, opening.step) +
                (run.questions.size() > 1
                     ? ", for questions " + number(index + 1) + " to " + number(index + static_cast<int>(run.questions.size()))
                     : ", for question " + number(index + 1));
            const Layout caption_layout = text(pages, words(caption), small, box_width);
            const double below = 3 + height_of(caption_layout) + gap + question_height(pages, sheet, index + 1, opening);
            // As wide as the page, unless that leaves no room for the first question, and no taller than
            // to leave half the page's room for questions; a page whose room is less than three quarters
            // of that starts the picture on a new page.
            const double full = std::min(box_width / picture->width, (std::min(pages.foot * 0.56, pages.foot - below)) / picture->height);
            double scale = std::min(full, (pages.foot - pages.y - below) / picture->height);
            if (pages.pages.empty() || scale < full * 0.75) {
                pages.open();
                scale = full;
            }
            const double width = picture->width * scale, height = picture->height * scale;
            const double top = pages.place(height + 3 + height_of(caption_layout) + gap);
            const Surface image = image_named(pages, run.picture, *picture);
            const double x = (box_width - width) / 2;
            pages.draw(picture_at(image, x, top, scale));
            pages.draw(show(caption_layout, x, top + height + 3));
            picture_page = pages.current();
        }
        for (const SheetQuestion& asked : run.questions) {
            ++index;
            if (!pages.fits(question_height(pages, sheet, index, asked))) {
                pages.open();
                if (picture != nullptr)
                    paragraph(pages, "<i>" + words("Question " + number(index) + " and the ones after it on this page go on from "
                                                   "the picture on page " + number(picture_page) + ".") + "</i>", body);
            }
            lay_out_question(pages, sheet, index, asked);
        }
    }
    if (index == 0) paragraph(pages, "This show asks no questions.", body);
    else lay_out_working(sheet, pages);
}

// ---- The key ----

void lay_out_algorithm(const Worksheet& sheet, Pages& pages) {
    if (sheet.algorithm.lines.empty()) return;
    paragraph(pages, bold("The algorithm") + ", whose lines each answer's step carried out are named below", body, 0, box_width, 3);
    int k = 0;
    for (const std::string& source : sheet.algorithm.lines) {
        ++k;
        const std::size_t indent = std::min(source.find_first_not_of(' '), source.size());
        const double x = 24 + 5.1 * double(indent);
        const Layout label = text(pages, number(k), code, 18);
        const Layout line_text = text(pages, words(source.substr(indent)), code, box_width - x);
        const double top = pages.place(height_of(line_text) + 0.5);
        pages.draw(show(label, 18 - width_of(label), top));
        pages.draw(show(line_text, x, top));
    }
    pages.y += gap + 2;
}

// The key's columns: the number, the question with its answer and why, the numbers of the lines its
// step carried out (the algorithm above says them).
constexpr double number_column = 22, lines_column = 70, words_column = box_width - number_column - lines_column;

struct KeyRow {
    Layout number, words, lines;
    double height = 0;
};

KeyRow key_row(Pages& pages, const Worksheet& sheet, int index, const SheetQuestion& asked) {
    const Question& question = asked.question;
    const std::string answer = question.answered ? answer_text(question) : "(the program gave no answer)";
    KeyRow row;
    row.number = text(pages, bold(number(index)), small, number_column - cell_padding);
    row.words = text(pages,
                     "Before " + words(step_words(sheet, asked.step)) + ": " + words(question.text) + "\n" +
                         bold("Answer: " + words(answer)) + "\n" + words(question.reason),
                     small, words_column - 2 * cell_padding);
    std::string lines;
    if (!sheet.algorithm.lines.empty())
        for (const int line : asked.lines)
            if (line >= 1 && line <= static_cast<int>(sheet.algorithm.lines.size()))
                lines += (lines.empty() ? "" : ", ") + number(line);
    row.lines = text(pages, lines, small, lines_column - 2 * cell_padding);
    row.height = std::max({height_of(row.number), height_of(row.words), height_of(row.lines)}) + 2 * cell_padding;
    return row;
}

void lay_out_key_head(Pages& pages, bool with_lines) {
    const Layout numbers = text(pages, bold("No."), small, number_column),
                 asked = text(pages, bold("Question, answer and why"), small, words_column),
                 lines = text(pages, bold(with_lines ? "Lines" : ""), small, lines_column - 2 * cell_padding);
    // A heading that wraps makes the row taller, never runs into the first answer.
    const double top = pages.place(std::max(height_of(asked), height_of(lines)) + 2 * cell_padding);
    pages.draw(show(numbers, 0, top + cell_padding));
    pages.draw(show(asked, number_column + cell_padding, top + cell_padding));
    pages.draw(show(lines, number_column + words_column + cell_padding, top + cell_padding));
    pages.draw(line(0, pages.y, box_width, pages.y, 1.2));
}

void lay_out_key_table(const Worksheet& sheet, Pages& pages) {
    const bool with_lines = !sheet.algorithm.lines.empty();
    lay_out_key_head(pages, with_lines);
    int index = 0;
    for (const SheetRun& run : sheet.runs)
        for (const SheetQuestion& asked : run.questions) {
            const KeyRow row = key_row(pages, sheet, ++index, asked);
            if (!pages.fits(row.height)) {
                pages.open();
                lay_out_key_head(pages, with_lines);
            }
            const double top = pages.place(row.height);
            pages.draw(show(row.number, 0, top + cell_padding));
            pages.draw(show(row.words, number_column + cell_padding, top + cell_padding));
            pages.draw(show(row.lines, number_column + words_column + cell_padding, top + cell_padding));
            pages.draw(line(0, pages.y, box_width, pages.y, 0.4));
        }
    pages.y += gap * 2;
}

// The steps that answer the questions, small, two to a row: to check a doubtful answer by.
void lay_out_key_pictures(const Worksheet& sheet, Pages& pages) {
    struct Shown {
        const CroppedPicture* picture;
        std::string name, caption;
    };
    std::vector<Shown> shown;
    for (const KeyPicture& key : key_pictures(sheet)) {
        const CroppedPicture* picture = picture_named(sheet, key.name);
        if (picture != nullptr) shown.push_back({picture, key.name, key.caption});
    }
    constexpr double cell_width = (box_width - 14) / 2, cell_height = 160;
    for (std::size_t at = 0; at < shown.size(); at += 2) {
        double row_height = 0;
        std::vector<Layout> captions;
        for (std::size_t k = at; k < std::min(at + 2, shown.size()); ++k) {
            const double scale = scale_into(*shown[k].picture, cell_width, cell_height);
            captions.push_back(text(pages, words(shown[k].caption), small, cell_width));
            row_height = std::max(row_height, shown[k].picture->height * scale + 3 + height_of(captions.back()));
        }
        const double top = pages.place(row_height + gap + 4);
        for (std::size_t k = at; k < std::min(at + 2, shown.size()); ++k) {
            const double scale = scale_into(*shown[k].picture, cell_width, cell_height);
            const double x = double(k - at) * (cell_width + 14);
            pages.draw(picture_at(image_named(pages, shown[k].name, *shown[k].picture), x, top, scale));
            pages.draw(show(captions[k - at], x, top + shown[k].picture->height * scale + 3));
        }
    }
}

void lay_out_key(const Worksheet& sheet, Pages& pages) {
    pages.open();
    paragraph(pages, "Answer key", subheading, 0, box_width, 4);
    paragraph(pages,
              words("The answer to each question, why, and the step of " + sheet.program + " (" + sheet_seed_words(sheet) +
                    ") that shows it."),
              body);
    lay_out_algorithm(sheet, pages);
    lay_out_key_table(sheet, pages);
    lay_out_key_pictures(sheet, pages);
}

void lay_out_answers(const Worksheet& sheet, Pages& pages) {
    pages.open();
    paragraph(pages, words(sheet.program + ": the answers"), heading, 0, box_width, 4);
    paragraph(pages, words(sheet.program + ", " + sheet_seed_words(sheet)), subheading, 0, box_width, 3);
    paragraph(pages, "Made again by: " + words(sheet.command), Style{sans, 9.5, true});
    lay_out_key_table(sheet, pages);
}

// ---- Drawing ----

std::string footer_words(const Worksheet& sheet, int page, int pages) {
    return words(sheet.program + ", " + sheet_seed_words(sheet)) + " \u00b7 page " + number(page) + " of " + number(pages) +
           " \u00b7 made again by: " + words(sheet.command);
}

// The measuring context: 72 units an inch, so that a point is a unit, and metrics unhinted, as
// the PDF's text is.
PangoContext* new_context() {
    // A font map of its own, not pango's process-wide default, let go with the last layout.
    PangoFontMap* map = pango_cairo_font_map_new();
    PangoContext* context = pango_font_map_create_context(map);
    g_object_unref(map);  // the context holds it
    pango_cairo_context_set_resolution(context, 72);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
    return context;
}

cairo_status_t write_to(void* closure, const unsigned char* data, unsigned int length) {
    return std::fwrite(data, 1, length, static_cast<std::FILE*>(closure)) == length ? CAIRO_STATUS_SUCCESS
                                                                                     : CAIRO_STATUS_WRITE_ERROR;
}

// The pages drawn on one paper into `path`, whole or not at all.
bool draw_pdf(const std::string& path, const std::vector<std::vector<Draw>>& pages, const std::vector<Layout>& footers,
              double paper_width, double paper_height, const std::string& title, const std::string& subject, std::string& why) {
    PendingFile pending;
    if (!open_pending(path, pending, why)) {
        why = "cannot write " + printable(path) + ": " + why;
        return false;
    }
    cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(write_to, pending.file, paper_width, paper_height);
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, title.c_str());
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "graphsteps");
    if (!subject.empty()) cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_SUBJECT, subject.c_str());
    cairo_t* cr = cairo_create(surface);
    const double left = (paper_width - box_width) / 2;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        cairo_save(cr);
        cairo_translate(cr, left, margin);
        cairo_set_source_rgb(cr, 0, 0, 0);
        for (const Draw& step : pages[page]) step(cr);
        // The footer stands at the foot of the paper, whichever it is.
        const double footer_top = paper_height - 2 * margin - height_of(footers[page]);
        line(0, footer_top - 3, box_width, footer_top - 3, 0.5)(cr);
        show(footers[page], 0, footer_top)(cr);
        cairo_restore(cr);
        cairo_show_page(cr);
    }
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        why = "cannot write " + printable(path) + ": " +
              (status == CAIRO_STATUS_WRITE_ERROR ? std::strerror(errno) : cairo_status_to_string(status));
        abandon_pending(pending);
        return false;
    }
    if (!commit_pending(pending, why)) {
        why = "cannot write " + printable(path) + ": " + why;
        return false;
    }
    return true;
}

// Lays the parts out one after another, each from a new page, and draws them on both papers.
bool write_both(const std::string& stem, const Worksheet& sheet, bool answers,
                const std::vector<std::function<void(Pages&)>>& parts, std::vector<int>& counts, std::string& why) {
    std::unique_ptr<PangoContext, void (*)(gpointer)> context(new_context(), g_object_unref);
    Pages pages;
    pages.context = context.get();
    // The footer's height with the widest page numbers it can have: the content stops above it.
    // The room kept for the footer is two lines, or more only for a command longer than that, so
    // that a folder's long name in the command does not move the pages' breaks.
    const double two_lines = height_of(text(pages, "a\na", footnote, box_width)),
                 footer = height_of(text(pages, footer_words(sheet, 999, 999), footnote, box_width));
    pages.foot = box_height - std::max(two_lines, footer) - 8;
    for (const auto& part : parts) {
        const int before = pages.current();
        part(pages);
        counts.push_back(pages.current() - before);
    }
    const int total = pages.current();
    std::vector<Layout> footers;
    for (int page = 1; page <= total; ++page) footers.push_back(text(pages, footer_words(sheet, page, total), footnote, box_width));
    std::string subject;
    if (counts.size() == 2)
        subject = number(counts[0]) + " page" + (counts[0] == 1 ? "" : "s") + " of questions, " + number(counts[1]) + " of answers";
    const std::string title = worksheet_pdf_title(sheet, answers);
    return draw_pdf(stem + "-a4.pdf", pages.pages, footers, a4_width, a4_height, title, subject, why) &&
           draw_pdf(stem + "-letter.pdf", pages.pages, footers, letter_width, letter_height, title, subject, why);
}

}  // namespace

std::string worksheet_pdf_title(const Worksheet& sheet, bool answers) {
    return sheet.program + (answers ? " answers, " : " worksheet, ") + sheet_seed_words(sheet);
}

bool write_worksheet_pdfs(const std::string& stem, const Worksheet& sheet, PdfPages& pages, std::string& why) {
    std::vector<int> counts;
    if (!write_both(stem, sheet, false,
                    {[&](Pages& p) { lay_out_sheet(sheet, p); }, [&](Pages& p) { lay_out_key(sheet, p); }}, counts, why))
        return false;
    pages.sheet_pages = counts[0];
    pages.key_pages = counts[1];
    return true;
}

bool write_answers_pdfs(const std::string& stem, const Worksheet& sheet, std::string& why) {
    std::vector<int> counts;
    return write_both(stem, sheet, true, {[&](Pages& p) { lay_out_answers(sheet, p); }}, counts, why);
}
