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

// What the program said for the step it is about to show, and its legend (narration.cpp).
const Narration& narration_said();
void forget_narration();
const std::vector<std::string>& legend_said();

// Whether the pictures are shown in the colour-blind-safe palette, whose colours the words name.
bool safe_palette_in_use();
