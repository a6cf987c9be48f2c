// The words and state a program gives a step, kept until the step is shown.
#include "kit.h"
#include "narration.h"
#include "safe_palette.h"
#include "show.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {

Narration said;
std::vector<std::string> legend_entries;
Algorithm algorithm;
std::vector<StateItem> standing;  // shown with every step from the one they were said for
Narration shown;                  // `said` with the standing items, as the step goes out

// The words as the pictures' colours are shown: in the safe palette, its colours' names.
std::string coloured(const std::string& words) {
    return safe_palette_in_use() ? in_safe_colour_words(words) : words;
}

std::vector<int> copied(const int* values, int count) {
    return values != nullptr && count > 0 ? std::vector<int>(values, values + count) : std::vector<int>{};
}

}  // namespace

// A sentence is said whole, however long a large graph makes it.
void explain(const char* format, ...) {
    va_list arguments, again;
    va_start(arguments, format);
    va_copy(again, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, arguments);
    va_end(arguments);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, again);
    va_end(again);
    if (!said.sentence.empty()) said.sentence += ' ';
    said.sentence += coloured(text);
}

void explain_list(const char* title, const int* values, int count) {
    StateItem item{StateItem::Kind::list, coloured(title), "", "", copied(values, count), {}, 0, 0, {}};
    said.state.push_back(item);
}

void explain_table(const char* title, const char* key_heading, const char* value_heading, const int* values,
                   int count, int blank) {
    StateItem item{StateItem::Kind::table, coloured(title), coloured(key_heading), coloured(value_heading), copied(values, count), {}, 0, blank, {}};
    said.state.push_back(item);
}

void explain_matrix(const char* title, const int* cells, int n, const int* before) {
    StateItem item{StateItem::Kind::matrix, coloured(title), "", "", copied(cells, n * n), copied(before, n * n), n, 0, {}};
    said.state.push_back(item);
}

void explain_count(const char* title, int value) {
    StateItem item{StateItem::Kind::count, coloured(title), "", "", {value}, {}, 0, 0, {}};
    said.state.push_back(item);
}

void explain_lists_from_now_on(const char* title, int vertex_count, const int* degree, const int* rows,
                               int row_length) {
    StateItem item{StateItem::Kind::lists, coloured(title), "", "", {}, {}, 0, 0, {}};
    for (int v = 0; v < vertex_count; ++v) item.rows.push_back(copied(rows + v * row_length, degree[v]));
    for (StateItem& kept : standing) {
        if (kept.title != item.title) continue;
        kept = item;
        return;
    }
    standing.push_back(item);
}

void explain_line(int line) {
    if (line < 1 || line > static_cast<int>(algorithm.lines.size())) {
        std::fprintf(stderr, "%s: the algorithm has no line %d\n", program_name, line);
        std::abort();  // a program naming a line it does not have is a fault of the program
    }
    std::vector<int>& lines = said.lines;
    const auto at = std::lower_bound(lines.begin(), lines.end(), line);
    if (at == lines.end() || *at != line) lines.insert(at, line);
}

void how_it_works(const char* text) {
    if (!algorithm.how.empty()) algorithm.how += ' ';
    algorithm.how += coloured(text);
}

void algorithm_lines(std::initializer_list<const char*> lines) {
    algorithm.lines.clear();
    for (const char* line : lines) algorithm.lines.push_back(coloured(line));
}

int join_words(char* text, int size, int used, int i, int count, const char* item) {
    if (used >= size) return used;
    const char* glue = i == 0 ? "" : i == count - 1 ? " and " : ", ";
    const int written = std::snprintf(text + used, static_cast<std::size_t>(size - used), "%s%s", glue, item);
    return written < 0 ? used : std::min(size - 1, used + written);
}

int join_words(char* text, int size, int used, int i, int count, int item) {
    char number[16];
    std::snprintf(number, sizeof number, "%d", item);
    return join_words(text, size, used, i, count, number);
}

namespace {

std::string formatted(const char* format, va_list arguments) {
    char text[text_buffer_size];
    std::vsnprintf(text, sizeof text, format, arguments);
    return text;
}

}  // namespace

void ask(AnswerKind kind, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    said.question = Question{kind, coloured(formatted(format, arguments)), false, {}, "", "", {}};
    va_end(arguments);
}

void answer(int value, const char* reason_format, ...) {
    va_list arguments;
    va_start(arguments, reason_format);
    said.question.answered = true;
    said.question.answer = {value};
    said.question.reason = coloured(formatted(reason_format, arguments));
    va_end(arguments);
}

void answer_vertices(const int* vertices, int count, const char* reason_format, ...) {
    va_list arguments;
    va_start(arguments, reason_format);
    said.question.answered = true;
    said.question.answer = copied(vertices, count);
    std::sort(said.question.answer.begin(), said.question.answer.end());
    said.question.reason = coloured(formatted(reason_format, arguments));
    va_end(arguments);
}

void legend(const char* entry) { legend_entries.push_back(coloured(entry)); }

const Narration& narration_said() { return said; }
const Narration& step_narration() {
    shown = said;
    shown.state.insert(shown.state.end(), standing.begin(), standing.end());
    return shown;
}
void forget_narration() { said = Narration{}; }
const std::vector<std::string>& legend_said() { return legend_entries; }
const Algorithm& algorithm_said() { return algorithm; }
