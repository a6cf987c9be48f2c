// A question put in the window before the picture that answers it (--predict): the caption shows
// it and echoes what the student types; standard output has it in full.
#pragma once

#include "narration.h"

#include <string>

struct Asked {
    enum class Ending {
        answered,  // Enter on a readable answer, in `typed`
        skipped,   // Escape, or Enter on nothing
        closed,    // the window's close button: skipped, and the step goes on
        stopped,   // a stop signal: the show ends
    };
    Ending ending;
    std::string typed;
};

// `where` begins the caption ("dfstree - step 3 of 10"). Blocks until the question is answered,
// skipped or the window closed. An unreadable answer is not taken: the caption says what to type.
Asked put_question(const std::string& where, const Question& question);
