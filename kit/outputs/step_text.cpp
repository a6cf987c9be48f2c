// Plain text that a terminal screen reader reads line by line, and JSON for anyone building on it.
#include "step_text.h"

#include "questions.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string number(int value) { return std::to_string(value); }

// Columns padded to the widest cell, so that a terminal shows a table as one.
std::string padded(const std::string& text, std::size_t width) {
    return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

// "1, 4, 7", or "(none)".
std::string listed(const std::vector<int>& values) {
    if (values.empty()) return "(none)";
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) text += (i == 0 ? "" : ", ") + number(values[i]);
    return text;
}

std::string item_text(const StateItem& item) {
    std::string text = "  " + item.title + ":";
    switch (item.kind) {
        case StateItem::Kind::lists:
            text += "\n";
            for (std::size_t v = 0; v < item.rows.size(); ++v)
                text += "    " + padded(number(static_cast<int>(v)) + ":", 4) + listed(item.rows[v]) + "\n";
            return text;
        case StateItem::Kind::count:
            return text + " " + number(item.values.empty() ? 0 : item.values[0]) + "\n";
        case StateItem::Kind::list:
            if (item.values.empty()) return text + " (none)\n";
            for (const int value : item.values) text += " " + number(value);
            return text + "\n";
        case StateItem::Kind::table: {
            text += "\n";
            const std::size_t width = std::max<std::size_t>(item.key_heading.size(), 6) + 2;
            text += "    " + padded(item.key_heading, width) + item.value_heading + "\n";
            for (std::size_t k = 0; k < item.values.size(); ++k)
                text += "    " + padded(number(static_cast<int>(k)), width) +
                        (item.values[k] == item.blank ? "-" : number(item.values[k])) + "\n";
            return text;
        }
        case StateItem::Kind::matrix: {
            const bool marks = !item.before.empty();
            text += marks ? " (* marks a cell that changed)\n" : "\n";
            text += "       ";
            for (int j = 0; j < item.size; ++j) text += padded(number(j), 4);
            while (text.back() == ' ') text.pop_back();
            text += "\n";
            for (int i = 0; i < item.size; ++i) {
                text += "    " + padded(number(i), 3);
                for (int j = 0; j < item.size; ++j) {
                    const std::size_t at = static_cast<std::size_t>(i * item.size + j);
                    const bool changed = marks && item.before[at] != item.values[at];
                    text += padded(number(item.values[at]) + (changed ? "*" : ""), 4);
                }
                while (!text.empty() && text.back() == ' ') text.pop_back();
                text += "\n";
            }
            return text;
        }
    }
    return text + "\n";
}

std::string json_string(const std::string& text) {
    std::string out = "\"";
    for (const unsigned char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '<': out += "\\u003c"; break;  // safe inside a <script> of the step page
            default:
                if (c < 0x20) {
                    char code[8];
                    std::snprintf(code, sizeof code, "\\u%04x", c);
                    out += code;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

std::string json_numbers(const std::vector<int>& values) {
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i) out += (i == 0 ? "" : ",") + number(values[i]);
    return out + "]";
}

const char* kind_name(StateItem::Kind kind) {
    switch (kind) {
        case StateItem::Kind::list: return "list";
        case StateItem::Kind::table: return "table";
        case StateItem::Kind::matrix: return "matrix";
        case StateItem::Kind::count: return "count";
        case StateItem::Kind::lists: return "lists";
    }
    return "list";
}

std::string item_json(const StateItem& item) {
    std::string out = "{\"kind\":\"" + std::string(kind_name(item.kind)) + "\",\"title\":" + json_string(item.title);
    switch (item.kind) {
        case StateItem::Kind::count: out += ",\"value\":" + number(item.values.empty() ? 0 : item.values[0]); break;
        case StateItem::Kind::list: out += ",\"values\":" + json_numbers(item.values); break;
        case StateItem::Kind::lists:
            out += ",\"rows\":[";
            for (std::size_t v = 0; v < item.rows.size(); ++v) out += (v == 0 ? "" : ",") + json_numbers(item.rows[v]);
            out += "]";
            break;
        case StateItem::Kind::table:
            out += ",\"key\":" + json_string(item.key_heading) + ",\"value\":" + json_string(item.value_heading) +
                   ",\"blank\":" + number(item.blank) + ",\"values\":" + json_numbers(item.values);
            break;
        case StateItem::Kind::matrix:
            out += ",\"size\":" + number(item.size) + ",\"cells\":" + json_numbers(item.values);
            if (!item.before.empty()) out += ",\"before\":" + json_numbers(item.before);
            break;
    }
    return out + "}";
}

const char* kind_name(AnswerKind kind) {
    switch (kind) {
        case AnswerKind::vertex: return "vertex";
        case AnswerKind::vertex_or_back: return "vertex_or_back";
        case AnswerKind::vertices: return "vertices";
        case AnswerKind::number: return "number";
        case AnswerKind::yes_no: return "yes_no";
        case AnswerKind::edge_kind: return "edge_kind";
        case AnswerKind::table: return "table";
    }
    return "number";
}

std::string question_json(const Question& question) {
    return "{\"text\":" + json_string(question.text) + ",\"kind\":\"" + kind_name(question.kind) +
           "\",\"hint\":" + json_string(answer_hint(question.kind)) + ",\"answer\":" + json_numbers(question.answer) +
           ",\"answer_text\":" + json_string(answer_text(question)) + ",\"reason\":" + json_string(question.reason) + "}";
}

}  // namespace

std::string question_text(const Step& step) {
    const Question& question = step.narration->question;
    if (question.text.empty()) return "";
    std::string text = "Question before step " + number(step.number);
    if (step.show->step_count > 0) text += " of " + number(step.show->step_count);
    text += ": " + question.text + " (" + answer_hint(question.kind) + ")\n";
    if (question.answered) text += "  Answer: " + answer_text(question) + ". " + question.reason + "\n";
    return text + "\n";
}

std::string legend_text(const ShowState& show) {
    std::string text = std::string(show.program) + (show.seed_in_use ? " (seed " + std::to_string(show.seed) + ")" : "") + "\n";
    const Algorithm* algorithm = show.algorithm;
    if (algorithm != nullptr && !algorithm->how.empty()) text += "How it works: " + algorithm->how + "\n";
    if (algorithm != nullptr && !algorithm->lines.empty()) {
        text += "The algorithm (each step names the lines it carried out):\n";
        for (std::size_t k = 0; k < algorithm->lines.size(); ++k) text += algorithm_line_text(*algorithm, static_cast<int>(k + 1));
    }
    if (show.legend != nullptr && !show.legend->empty()) {
        text += "What the pictures show:\n";
        for (const std::string& entry : *show.legend) text += "  - " + entry + "\n";
    }
    return text + "\n";
}

std::string algorithm_line_text(const Algorithm& algorithm, int line) {
    if (line < 1 || line > static_cast<int>(algorithm.lines.size())) return "";
    std::string text = number(line);
    return "  " + std::string(text.size() < 2 ? 2 - text.size() : 0, ' ') + text + "  " +
           algorithm.lines[static_cast<std::size_t>(line - 1)] + "\n";
}

std::string lines_carried_out(const Step& step) {
    const Algorithm* algorithm = step.show->algorithm;
    const std::vector<int>& lines = step.narration->lines;
    if (algorithm == nullptr || lines.empty()) return "";
    std::string text = lines.size() == 1 ? "  Line carried out:\n" : "  Lines carried out:\n";
    for (const int line : lines) text += "  " + algorithm_line_text(*algorithm, line);
    return text;
}

std::string step_text(const Step& step) {
    std::string text = "Step " + number(step.number);
    if (step.show->step_count > 0) text += " of " + number(step.show->step_count);
    text += ": " + (step.narration->sentence.empty() ? std::string("(no words for this step)") : step.narration->sentence) + "\n";
    text += lines_carried_out(step);
    for (const StateItem& item : step.narration->state) text += item_text(item);
    return text + "\n";
}

std::string steps_json(const ShowState& show, const std::vector<Narration>& steps, bool complete, bool questions) {
    std::string out = "{\"program\":" + json_string(show.program);
    out += ",\"seed\":" + (show.seed_in_use ? std::to_string(show.seed) : std::string("null"));
    out += ",\"step_count\":" + number(show.step_count) + ",\"complete\":" + (complete ? "true" : "false");
    out += ",\"legend\":[";
    if (show.legend != nullptr)
        for (std::size_t i = 0; i < show.legend->size(); ++i) out += (i == 0 ? "" : ",") + json_string((*show.legend)[i]);
    out += "]";
    if (show.algorithm != nullptr) {
        out += ",\"how\":" + json_string(show.algorithm->how) + ",\"algorithm\":[";
        for (std::size_t k = 0; k < show.algorithm->lines.size(); ++k)
            out += (k == 0 ? "" : ",") + json_string(show.algorithm->lines[k]);
        out += "]";
    }
    out += ",\"steps\":[";
    for (std::size_t k = 0; k < steps.size(); ++k) {
        char picture[32];
        std::snprintf(picture, sizeof picture, "step-%03zu.png", k + 1);
        out += std::string(k == 0 ? "" : ",") + "\n{\"step\":" + number(static_cast<int>(k + 1)) + ",\"picture\":\"" + picture +
               "\",\"sentence\":" + json_string(steps[k].sentence) + ",\"lines\":" + json_numbers(steps[k].lines) +
               ",\"state\":[";
        for (std::size_t i = 0; i < steps[k].state.size(); ++i) out += (i == 0 ? "" : ",") + item_json(steps[k].state[i]);
        out += "]";
        if (questions && !steps[k].question.text.empty()) out += ",\"question\":" + question_json(steps[k].question);
        out += "}";
    }
    return out + "\n]}\n";
}
