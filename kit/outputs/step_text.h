// A step's words and state as plain text (for a terminal or a screen reader) and as JSON.
#pragma once

#include "output.h"

#include <string>

// The legend block that opens a transcript.
std::string legend_text(const ShowState& show);
// One line of the algorithm as the transcript lists it: "   5  for each neighbour w of v:".
std::string algorithm_line_text(const Algorithm& algorithm, int line);
// The lines a step carried out, under "Lines carried out:"; empty when it names none.
std::string lines_carried_out(const Step& step);
// "Step 5 of 24: ..." and the state as plain-text tables.
std::string step_text(const Step& step);
// "Question before step 5 of 24: ..." with its answer and reason, for a printed transcript; empty
// when the step asks nothing.
std::string question_text(const Step& step);
// The whole show so far as one JSON document: program, seed, step count, whether it is `complete`
// (the show ran to its end), legend, and each step with its picture's name, sentence and state, and
// with `questions` its question.
std::string steps_json(const ShowState& show, const std::vector<Narration>& steps, bool complete, bool questions = false);
