// The outputs of a show: the window, the recorded pictures with their gallery page, the GIF. Each
// is one file with one row in the table of outputs.cpp; the show hands every active output each
// waited step and each animation frame. An output never reads the screen or SDL: it gets the
// captured picture, so that it can be tested on pictures made up for it.
#pragma once

#include "narration.h"
#include "picture.h"
#include "settings.h"

#include <string>

// What every output may say about the show it is part of.
struct ShowState {
    const char* program;  // the program's name
    int step_count;       // how many steps the whole show has; 0 when not known
    bool seed_in_use;     // the program drew a random graph from `seed`
    unsigned int seed;
    const std::vector<std::string>* legend;  // what the pictures' colours and shapes mean
    const Algorithm* algorithm;              // how it works, and its lines; null: not said
    const GraphPlaces* places = nullptr;     // where its graph's vertices stand; null: not said
};

// One waited step of the show.
struct Step {
    const ShowState* show;
    int number;              // counts from 1
    const Picture* picture;  // null for an output that takes no pictures
    const Narration* narration;  // what the step did, in words and state, and its question
};

// One flipped frame of an animated stage, which ends at the step after it.
struct Frame {
    const ShowState* show;
    int step;                // the number of the step the stage leads to
    int number;              // counts from 1 in each stage
    const char* stage;       // what the stage grows, in a few words; null when not said
    const Picture* picture;  // null for an output that takes no pictures
    // The questions that the step after the stage answers (--predict), posed before the stage began;
    // null when there are none.
    const std::vector<Question>* questions;
    // What the stage has grown so far, as the program said it last (say_during_stage); null when
    // it said nothing more than `stage`.
    const char* grown = nullptr;
};

// A question of --predict, put before anything of the step that answers it reaches an output.
struct Posed {
    const ShowState* show;
    int step;                  // the step that answers it
    const Question* question;  // its answer may come only with that step, after an animated stage
    int index = 0;             // several may be put before one step: all are asked, then all told
    int count = 1;
};

enum class Outcome {
    go_on,   // the show goes on to the next step
    quit,    // the window was closed (the show still goes on: the programs never stop early)
    failed,  // the output could not do its part; `why` says so, and the show ends
};

struct Output {
    const char* name;
    bool (*wanted)(const Settings&);
    bool (*takes_pictures)(const Settings&);  // needs the captured picture at its step and frame
    // Each returns false (or Outcome::failed) with one line in `why`, prefixed by nothing.
    bool (*start)(const Settings& settings, const char* program, std::string& why);
    Outcome (*step)(const Step& step, std::string& why);
    bool (*frame)(const Frame& frame, std::string& why);  // an animation frame was flipped
    bool (*finish)(std::string& why);  // the show ended well: complete what was written
    void (*discard)();  // the show failed: close and remove whatever would be left incomplete
    // With --predict, the show puts the questions of the step to come before that step, or before
    // the animated stage that leads to it, reaches any output (the window asks each and waits for
    // the student); then, just before the step goes out, it tells their answers in the same order.
    // Null: not concerned.
    void (*ask)(const Posed& posed) = nullptr;
    void (*tell_answer)(const Posed& posed) = nullptr;
};

// The rows of the table, in the order the show hands them a step: the files before the window,
// which waits.
extern const Output pictures_output;
extern const Output gif_output;
extern const Output transcript_output;
extern const Output worksheet_output;
extern const Output window_output;

// For the rows whose need of pictures does not depend on the settings.
inline bool always(const Settings&) { return true; }
inline bool never(const Settings&) { return false; }

struct OutputTable {
    const Output* const* rows;
    int count;
};
OutputTable all_outputs();
