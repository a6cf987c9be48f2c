// Reading and judging what a student types as the answer to a question (--predict). Nothing here
// touches SDL: the window and the tests share it.
#pragma once

#include "narration.h"

#include <string>

// What to type, for the prompt: "type a vertex number"; for a table, how many entries and for which
// columns.
std::string answer_hint(const Question& question);
// Whether `c` can be part of an answer of this kind; other keys are not echoed.
bool may_type(AnswerKind kind, char c);
// The right answer in words: "4", "none: the search goes back", "1, 3 and 5", "yes", "a tree edge".
std::string answer_text(const Question& question);

struct Verdict {
    enum class Reading { right, not_quite, unreadable };
    Reading reading;
    // "right: ..." or "not quite: ..." with the question's reason; for an unreadable answer, what to
    // type instead.
    std::string feedback;
};
// Judges a typed answer against the program's; a set of vertices is right in any order.
Verdict judge(const Question& question, const std::string& typed);

// "7 of 9 right", and how many were skipped when any were ("none answered, 2 skipped").
std::string score_line(int right, int answered, int skipped);
