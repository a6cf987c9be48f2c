// The teaching window's words at each moment (see panel_words.h), as paragraphs for the layout.
#include "panel_words.h"

#include <algorithm>

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

// The algorithm's lines, those the step on screen carried out in bold; each level of indent is
// three no-break spaces, which the wrapping keeps.
void add_algorithm(std::vector<PanelParagraph>& paragraphs, const Algorithm& algorithm, int step, const Narration* narration) {
    const std::vector<int> none;
    const std::vector<int>& current = narration != nullptr ? narration->lines : none;
    add(paragraphs, PanelStyle::heading, "The algorithm");
    if (step > 0 && !current.empty()) add(paragraphs, PanelStyle::text, "In bold: the lines step " + number(step) + " carried out.");
    for (std::size_t k = 0; k < algorithm.lines.size(); ++k) {
        const int line = static_cast<int>(k + 1);
        const bool carried_out = std::find(current.begin(), current.end(), line) != current.end();
        const std::string& text = algorithm.lines[k];
        const std::size_t indent = std::min(text.find_first_not_of(' '), text.size());
        std::string shown = number(line) + " ";
        for (std::size_t level = 0; level < indent / 2; ++level) shown += "\u00a0\u00a0\u00a0";
        PanelParagraph paragraph{carried_out ? PanelStyle::strong : PanelStyle::text, shown + text.substr(indent), {}};
        paragraph.tight = k > 0;
        paragraphs.push_back(paragraph);
    }
}

void add_step(std::vector<PanelParagraph>& paragraphs, const ShowState& show, const Narration& narration) {
    add(paragraphs, PanelStyle::text, narration.sentence.empty() ? "(no words for this step)" : narration.sentence);
    // The numbers alone: the lines themselves are one key away (F1), marked.
    if (show.algorithm != nullptr && !narration.lines.empty()) {
        std::string text = narration.lines.size() == 1 ? "Line of the algorithm carried out:" : "Lines of the algorithm carried out:";
        for (std::size_t i = 0; i < narration.lines.size(); ++i) text += (i == 0 ? " " : ", ") + number(narration.lines[i]);
        add(paragraphs, PanelStyle::text, text);
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
    // A waiting question comes first, whatever F1 has opened: below a long legend it would be cut.
    if (moment.waiting != nullptr) {
        const Question& question = *moment.waiting;
        add(paragraphs, PanelStyle::heading, "Question before the next step");
        add(paragraphs, PanelStyle::strong, question.text);
        add(paragraphs, PanelStyle::text,
            std::string("Predict it from the picture: ") + answer_hint(question) + ", then Enter.");
        add(paragraphs, PanelStyle::strong, "Your answer: " + moment.typed + "_");
        if (!moment.trouble.empty()) add(paragraphs, PanelStyle::text, moment.trouble);
    }
    if (moment.aside == PanelMoment::Aside::legend && show.legend != nullptr && !show.legend->empty()) {
        add(paragraphs, PanelStyle::heading, "What the pictures show");
        for (const std::string& entry : *show.legend) add(paragraphs, PanelStyle::text, "- " + entry);
    }
    if (moment.aside == PanelMoment::Aside::algorithm && show.algorithm != nullptr)
        add_algorithm(paragraphs, *show.algorithm, moment.step, moment.narration);
    if (moment.aside == PanelMoment::Aside::how && show.algorithm != nullptr) {
        add(paragraphs, PanelStyle::heading, "How it works");
        add(paragraphs, PanelStyle::text, show.algorithm->how);
    }
    if (moment.waiting != nullptr) {
        if (moment.narration != nullptr && moment.step > 0) {
            add(paragraphs, PanelStyle::heading, "On screen: " + step_heading(show, moment.step));
            add_step(paragraphs, show, *moment.narration);
        }
    } else if (moment.step > 0 && (moment.aside == PanelMoment::Aside::algorithm || moment.aside == PanelMoment::Aside::how)) {
        // The algorithm and how it works take the whole panel: the step is one F1 away.
        if (!moment.score.empty()) add(paragraphs, PanelStyle::strong, "Your score: " + moment.score + ".");
    } else if (moment.step > 0) {
        add(paragraphs, PanelStyle::heading, step_heading(show, moment.step));
        if (!moment.verdict.empty()) add(paragraphs, PanelStyle::strong, moment.verdict);
        if (moment.narration != nullptr) add_step(paragraphs, show, *moment.narration);
        if (!moment.score.empty()) add(paragraphs, PanelStyle::strong, "Your score: " + moment.score + ".");
    }
    if (!moment.keys.empty()) add(paragraphs, PanelStyle::keys, moment.keys);
    return paragraphs;
}
