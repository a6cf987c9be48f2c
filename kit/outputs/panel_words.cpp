// The teaching window's words at each moment (see panel_words.h), as paragraphs for the layout.
#include "panel_words.h"

namespace {

std::string number(int value) { return std::to_string(value); }

std::string step_heading(const ShowState& show, int step) {
    std::string text = "Step " + number(step);
    if (show.step_count > 0) text += " of " + number(show.step_count);
    if (show.seed_in_use) text += " (seed " + std::to_string(show.seed) + ")";
    return text;
}

void add(std::vector<PanelParagraph>& paragraphs, PanelStyle style, const std::string& text) {
    paragraphs.push_back(PanelParagraph{style, text, {}});
}

// A state item as the transcript has it, with tables as grids: a table's vertices across, a
// matrix's cells at their rows and columns, a changed cell marked.
void add_state(std::vector<PanelParagraph>& paragraphs, const StateItem& item) {
    switch (item.kind) {
        case StateItem::Kind::lists: {
            // One paragraph, "0: 1 2 5 7; 1: 0 4 7; ...": the panel has no room for a line a vertex.
            std::string text = item.title + ":";
            for (std::size_t v = 0; v < item.rows.size(); ++v) {
                text += (v == 0 ? " " : "; ") + number(static_cast<int>(v)) + ":";
                if (item.rows[v].empty()) text += " none";
                for (const int w : item.rows[v]) text += " " + number(w);
            }
            add(paragraphs, PanelStyle::text, text);
            return;
        }
        case StateItem::Kind::count:
            add(paragraphs, PanelStyle::text, item.title + ": " + number(item.values.empty() ? 0 : item.values[0]));
            return;
        case StateItem::Kind::list: {
            std::string text = item.title + ":";
            if (item.values.empty()) text += " (none)";
            for (const int value : item.values) text += " " + number(value);
            add(paragraphs, PanelStyle::text, text);
            return;
        }
        case StateItem::Kind::table: {
            add(paragraphs, PanelStyle::text, item.title + ":");
            PanelParagraph grid{PanelStyle::grid, "", {{item.key_heading}, {item.value_heading}}};
            for (std::size_t k = 0; k < item.values.size(); ++k) {
                grid.rows[0].push_back(number(static_cast<int>(k)));
                grid.rows[1].push_back(item.values[k] == item.blank ? "-" : number(item.values[k]));
            }
            paragraphs.push_back(grid);
            return;
        }
        case StateItem::Kind::matrix: {
            const bool marks = !item.before.empty();
            add(paragraphs, PanelStyle::text, item.title + (marks ? " (* marks a cell that changed):" : ":"));
            PanelParagraph grid{PanelStyle::grid, "", {{""}}};
            for (int j = 0; j < item.size; ++j) grid.rows[0].push_back(number(j));
            for (int i = 0; i < item.size; ++i) {
                std::vector<std::string> row{number(i)};
                for (int j = 0; j < item.size; ++j) {
                    const std::size_t at = static_cast<std::size_t>(i * item.size + j);
                    if (at >= item.values.size()) break;
                    const bool changed = marks && at < item.before.size() && item.before[at] != item.values[at];
                    row.push_back(number(item.values[at]) + (changed ? "*" : ""));
                }
                grid.rows.push_back(row);
            }
            paragraphs.push_back(grid);
            return;
        }
    }
}

void add_step(std::vector<PanelParagraph>& paragraphs, const ShowState& show, const Narration& narration) {
    add(paragraphs, PanelStyle::text, narration.sentence.empty() ? "(no words for this step)" : narration.sentence);
    if (show.algorithm != nullptr && !narration.lines.empty()) {
        add(paragraphs, PanelStyle::text, narration.lines.size() == 1 ? "Line carried out:" : "Lines carried out:");
        for (const int line : narration.lines) {
            if (line < 1 || line > static_cast<int>(show.algorithm->lines.size())) continue;
            add(paragraphs, PanelStyle::text, number(line) + "  " + show.algorithm->lines[static_cast<std::size_t>(line - 1)]);
        }
    }
    for (const StateItem& item : narration.state) add_state(paragraphs, item);
}

}  // namespace

std::string verdict_words(const Question& question, bool skipped, const std::string& typed, bool right) {
    const std::string answer = question.answered ? "the answer is " + answer_text(question) + "." : "";
    const std::string reason = question.answered && !question.reason.empty() ? " " + question.reason : "";
    if (skipped) return answer.empty() ? "Skipped." : "Skipped: " + answer + reason;
    if (!question.answered) return "You answered " + typed + ".";
    if (right) return "Right: you answered " + typed + "." + reason;
    return "Not quite: you answered " + typed + "; " + answer + reason;
}

std::vector<PanelParagraph> panel_paragraphs(const PanelMoment& moment) {
    std::vector<PanelParagraph> paragraphs;
    const ShowState& show = *moment.show;
    if (moment.legend_open && show.legend != nullptr && !show.legend->empty()) {
        add(paragraphs, PanelStyle::heading, "What the pictures show");
        for (const std::string& entry : *show.legend) add(paragraphs, PanelStyle::text, "- " + entry);
        if (show.algorithm != nullptr && !show.algorithm->how.empty()) {
            add(paragraphs, PanelStyle::heading, "How it works");
            add(paragraphs, PanelStyle::text, show.algorithm->how);
        }
        if (show.algorithm != nullptr && !show.algorithm->lines.empty()) {
            add(paragraphs, PanelStyle::heading, "The algorithm");
            for (std::size_t k = 0; k < show.algorithm->lines.size(); ++k)
                add(paragraphs, PanelStyle::text, number(static_cast<int>(k + 1)) + "  " + show.algorithm->lines[k]);
        }
    }
    if (moment.waiting != nullptr) {
        const Question& question = *moment.waiting;
        add(paragraphs, PanelStyle::heading, "Question before the next step");
        add(paragraphs, PanelStyle::strong, question.text);
        add(paragraphs, PanelStyle::text,
            std::string("Predict it from the picture: ") + answer_hint(question.kind) + ", then Enter.");
        add(paragraphs, PanelStyle::strong, "Your answer: " + moment.typed + "_");
        if (!moment.trouble.empty()) add(paragraphs, PanelStyle::text, moment.trouble);
        if (moment.narration != nullptr && moment.step > 0) {
            add(paragraphs, PanelStyle::heading, "On screen: " + step_heading(show, moment.step));
            add_step(paragraphs, show, *moment.narration);
        }
    } else if (moment.step > 0) {
        add(paragraphs, PanelStyle::heading, step_heading(show, moment.step));
        if (!moment.verdict.empty()) add(paragraphs, PanelStyle::strong, moment.verdict);
        if (moment.narration != nullptr) add_step(paragraphs, show, *moment.narration);
        if (!moment.score.empty()) add(paragraphs, PanelStyle::strong, "Your score: " + moment.score + ".");
    }
    if (!moment.keys.empty()) add(paragraphs, PanelStyle::keys, moment.keys);
    return paragraphs;
}
