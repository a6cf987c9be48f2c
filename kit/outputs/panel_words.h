// What the teaching window's panel says at each moment of a show: the step on screen in full with
// its state, a question waiting with what the student typed, the verdict with its reason and the
// right answer, the score, the legend when asked for, and which keys do what.
#pragma once

#include "output.h"
#include "panel_layout.h"
#include "questions.h"

#include <string>
#include <vector>

struct PanelMoment {
    const ShowState* show = nullptr;
    int step = 0;                           // the step on screen; 0 before the first
    const Narration* narration = nullptr;   // its words and state; null: none
    // A question waiting to be answered before step `step + 1`, with what the student typed so far
    // and, after an answer that cannot be read, what to type instead.
    const Question* waiting = nullptr;
    std::string typed;
    std::string trouble;
    // How the question put before the step on screen went, with its reason and right answer
    // (verdict_words); empty when none was put.
    std::string verdict;
    std::string score;             // at the end of a show with questions
    // Beside the step, on F1 and again: the legend, the algorithm's lines (this step's marked),
    // how it works.
    enum class Aside { none, legend, algorithm, how };
    Aside aside = Aside::none;
    std::string keys;              // which keys do what here
};

std::vector<PanelParagraph> panel_paragraphs(const PanelMoment& moment);

// The verdict in words, with the reason and, whatever the student gave, the right answer: "Right:
// ...", "Not quite: you answered 3; the answer is 4. ...", "Skipped: the answer is 4. ...".
std::string verdict_words(const Question& question, bool skipped, const std::string& typed, bool right);
