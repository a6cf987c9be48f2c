// A question put in the window before the picture that answers it (--predict): the caption, or the
// window's panel, shows it and echoes what the student types; standard output has it in full.
#pragma once

#include "narration.h"

#include <functional>
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

// How the window shows the question and what is typed so far, with what to type instead after an
// answer that cannot be read (null: nothing to say); and what F1 does (null: nothing).
struct Prompt {
    std::function<void(const std::string& typed, const char* trouble)> show;
    std::function<void()> f1;
};

// The prompt in the caption alone: `where` begins it ("dfstree - step 3 of 10").
Prompt caption_prompt(const std::string& where, const Question& question);

// Blocks until the question is answered, skipped or the window closed. An unreadable answer is not
// taken: the prompt says what to type.
Asked put_question(const std::string& where, const Question& question, const Prompt& prompt);
