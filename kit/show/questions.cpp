// Answers are read leniently (spaces around them, "yes" for "y", commas or spaces between vertices)
// but never guessed: anything else is unreadable and asked again, never counted wrong.
#include "questions.h"

#include <algorithm>
#include <cctype>
#include <vector>

const char* answer_hint(AnswerKind kind) {
    switch (kind) {
        case AnswerKind::vertex: return "type a vertex number";
        case AnswerKind::vertex_or_back: return "type a vertex number, or b if it goes back";
        case AnswerKind::vertices: return "type the vertex numbers, separated by spaces";
        case AnswerKind::number: return "type a number";
        case AnswerKind::yes_no: return "type y or n";
        case AnswerKind::edge_kind: return "type t for a tree edge or b for a back edge";
        case AnswerKind::table: return "type one number per column, or - for none";
    }
    return "type the answer";
}

bool may_type(AnswerKind kind, char c) {
    const bool digit = c >= '0' && c <= '9';
    switch (kind) {
        case AnswerKind::vertex:
        case AnswerKind::number: return digit;
        case AnswerKind::vertex_or_back: return digit || c == 'b';
        case AnswerKind::vertices: return digit || c == ' ' || c == ',';
        case AnswerKind::yes_no: return c == 'y' || c == 'n';
        case AnswerKind::edge_kind: return c == 't' || c == 'b';
        case AnswerKind::table: return digit || c == ' ' || c == ',' || c == '-';
    }
    return false;
}

namespace {

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" ,");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" ,") - first + 1);
}

// The numbers in `text`, separated by spaces or commas; false if anything else is there.
bool read_numbers(const std::string& text, std::vector<int>& numbers) {
    numbers.clear();
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ' || text[at] == ',') {
            ++at;
            continue;
        }
        if (!std::isdigit(static_cast<unsigned char>(text[at]))) return false;
        long value = 0;
        for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
            value = value * 10 + (text[at] - '0');
            if (value > 1000000) return false;
        }
        numbers.push_back(static_cast<int>(value));
    }
    return true;
}

// The typed answer as the values a Question holds; false when it is not an answer of that kind.
bool read_answer(AnswerKind kind, const std::string& typed, std::vector<int>& values) {
    const std::string text = trimmed(typed);
    if (text.empty()) return false;
    switch (kind) {
        case AnswerKind::yes_no:
            if (text == "y" || text == "yes") return values = {answers::yes}, true;
            if (text == "n" || text == "no") return values = {answers::no}, true;
            return false;
        case AnswerKind::edge_kind:
            if (text == "t" || text == "tree") return values = {answers::tree_edge}, true;
            if (text == "b" || text == "back") return values = {answers::back_edge}, true;
            return false;
        case AnswerKind::vertex_or_back:
            if (text == "b" || text == "back") return values = {answers::goes_back}, true;
            [[fallthrough]];
        case AnswerKind::vertex:
        case AnswerKind::number:
            return read_numbers(text, values) && values.size() == 1;
        case AnswerKind::vertices:
            if (!read_numbers(text, values) || values.empty()) return false;
            std::sort(values.begin(), values.end());
            values.erase(std::unique(values.begin(), values.end()), values.end());
            return true;
        case AnswerKind::table: {
            values.clear();
            std::string cells = text;
            for (char& c : cells) if (c == ',') c = ' ';
            std::size_t at = 0;
            while ((at = cells.find_first_not_of(' ', at)) != std::string::npos) {
                const std::size_t end = std::min(cells.find(' ', at), cells.size());
                const std::string cell = cells.substr(at, end - at);
                std::vector<int> number;
                if (cell == "-") values.push_back(answers::none);
                else if (read_numbers(cell, number) && number.size() == 1) values.push_back(number[0]);
                else return false;
                at = end;
            }
            return true;
        }
    }
    return false;
}

}  // namespace

std::string answer_text(const Question& question) {
    if (!question.answered || question.answer.empty()) return "";
    const int value = question.answer[0];
    switch (question.kind) {
        case AnswerKind::yes_no: return value == answers::yes ? "yes" : "no";
        case AnswerKind::edge_kind: return value == answers::tree_edge ? "a tree edge" : "a back edge";
        case AnswerKind::vertex_or_back:
            if (value == answers::goes_back) return "none: the search goes back";
            return std::to_string(value);
        case AnswerKind::vertex:
        case AnswerKind::number: return std::to_string(value);
        case AnswerKind::vertices: {
            std::string text;
            const std::size_t count = question.answer.size();
            for (std::size_t i = 0; i < count; ++i)
                text += (i == 0 ? "" : i + 1 == count ? " and " : ", ") + std::to_string(question.answer[i]);
            return text;
        }
        case AnswerKind::table: {
            std::string text;
            for (std::size_t i = 0; i < question.answer.size(); ++i)
                text += (i == 0 ? "" : ", ") +
                        (question.answer[i] == answers::none ? std::string("-") : std::to_string(question.answer[i]));
            return text;
        }
    }
    return "";
}

Verdict judge(const Question& question, const std::string& typed) {
    std::vector<int> values;
    if (!read_answer(question.kind, typed, values))
        return {Verdict::Reading::unreadable, answer_hint(question.kind)};
    if (values == question.answer) return {Verdict::Reading::right, "right: " + question.reason};
    return {Verdict::Reading::not_quite, "not quite: " + question.reason};
}

std::string score_line(int right, int answered, int skipped) {
    std::string line = answered == 0 ? "none answered" : std::to_string(right) + " of " + std::to_string(answered) + " right";
    if (skipped > 0) line += ", " + std::to_string(skipped) + " skipped";
    return line;
}
