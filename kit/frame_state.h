// The kit's own state behind the frame, shared by its source files. Not part of the API that
// programs include.
#pragma once

#include "pacing.h"

#include <string>

// The running program's name, for its messages.
extern const char* program_name;

// The folder that --record names, or empty when the program shows a window.
extern std::string record_folder;

// Creates the record folder (and its parents); on failure, one line on stderr and exit 1.
void prepare_record_folder();

// Writes the picture on screen as the next step-NNN.png of the record folder; when it cannot be
// written, one line on stderr and exit 1.
void record_step();

// Writes screen's 800 x 600 pixels as an 8-bit RGB PNG. Returns false, with errno-style reason in
// `why`, when the file cannot be written completely.
bool write_screen_png(const std::string& path, std::string& why);

// The pacing of the animated stages; wait_step ends a stage.
extern Pacing animation_pacing;
