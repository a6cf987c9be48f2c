// The show's own state, for the kit's source files; programs reach the show through kit.h.
#pragma once

#include "narration.h"
#include "settings.h"

#include <string>

// The running program's name, for its messages.
extern const char* program_name;

// A path as it may stand in a one-line message: control characters are shown as \n, \t or \xNN.
std::string printable(const std::string& path);

// Ends the show after a failure: one line "PROGRAM: why" on stderr, every output's unfinished
// file removed, exit status 1.
[[noreturn]] void fail_show(const std::string& why);

// Writes `text` on standard output and flushes it. False, with "cannot write to standard output:
// REASON" in `why`, when it or anything written there before did not all go out (a full disk, a
// closed pipe): the show ends with that line and exit status 1 at the latest, from end_show.
bool write_standard_output(const std::string& text, std::string& why);
// The same for a line aside from the show (a verdict in the window, the worksheet's line), which
// goes on when it is lost: end_show says so.
void say_on_standard_output(const std::string& text);

// What the program said for the step it is about to show, and its legend (narration.cpp).
// step_narration is what the step shows: what was said for it, then the lists said to stand from
// an earlier step on.
const Narration& narration_said();
const Narration& step_narration();
void forget_narration();
const std::vector<std::string>& legend_said();
const Algorithm& algorithm_said();

// Whether the pictures are shown in the colour-blind-safe palette, whose colours the words name.
bool safe_palette_in_use();
