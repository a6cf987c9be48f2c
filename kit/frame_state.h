// The kit's own state behind the frame, shared by its source files. Not part of the API that
// programs include.
#pragma once

#include "pacing.h"

#include <string>

// The running program's name, for its messages.
extern const char* program_name;

// The folder that --record names, or empty when the program shows a window.
extern std::string record_folder;

// The file that --gif names, or empty.
extern std::string gif_path;

// The seed that random_seed handed out, for the caption and the gallery.
extern bool seed_in_use;
extern unsigned int seed_used;

// The number of pictures the show has waited on so far, the current one included.
extern int steps_shown;

// Creates the record folder (and its parents); on failure, one line on stderr and exit 1.
void prepare_record_folder();

// Writes the picture on screen as step-NNN.png (NNN = steps_shown) in the record folder and brings
// the folder's gallery page up to date; when either cannot be written, one line on stderr and
// exit 1.
void record_step();

// Writes index.html in the record folder: a page that shows the steps recorded so far one at a
// time. Returns false, with the reason in `why`, when it cannot be written.
bool write_gallery_page(std::string& why);

// --gif: the animated picture of the whole show. gif_start opens the file (one line on stderr and
// exit 1 when it cannot); gif_add_step adds the picture on screen as a waited step,
// gif_add_animation_frame offers an animation frame (sampled so that a stage plays in a few
// seconds), and gif_finish completes the file at exit.
void gif_start();
void gif_add_step();
void gif_add_animation_frame();
void gif_finish();

// Writes screen's 800 x 600 pixels as an 8-bit RGB PNG. Returns false, with errno-style reason in
// `why`, when the file cannot be written completely.
bool write_screen_png(const std::string& path, std::string& why);

// The pacing of the animated stages; wait_step ends a stage.
extern Pacing animation_pacing;
