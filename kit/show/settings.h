// The command line of every program, read into a plain value. Nothing here touches SDL, so the
// parsing can be tested on its own.
#pragma once

#include "graph_file.h"

#include <cstdio>
#include <string>

// What a program tells the show about itself, for its usage text and its arguments.
struct ProgramInfo {
    const char* name;         // "components"
    const char* summary;      // one line for --help
    bool draws_random_graph;  // accepts --seed
    bool animates = false;    // has animated stages: accepts --fps
    GraphRules graph = {};    // the graphs of the user's it runs on (--graph FILE, --seed N)
};

constexpr int max_frames_per_second = 1000;
constexpr double shortest_autoplay = 0.5, longest_autoplay = 60;
constexpr int largest_scale = 4;

struct Settings {
    std::string record_folder;  // --record: write the pictures here; empty: none
    std::string gif_path;       // --gif: write the animated GIF here; empty: none
    std::string worksheet_folder;  // --worksheet: write the printable worksheet here; empty: none
    bool seed_given = false;
    unsigned int seed = 0;      // --seed, when given
    std::string graph_path;     // --graph: run on the graph in this file; empty: the program's own
    bool print_graph = false;   // --print-graph: write the graph it would run on, in the --graph format
    int frames_per_second = 60; // --fps: the window's animation rate; 0: unpaced
    bool explain = false;       // --explain: the transcript of every step on standard output
    bool predict = false;       // --predict: a question before each step that the program can ask
    bool browse = false;        // --browse: the window keeps every step's picture to go back to
    double autoplay_seconds = 0; // --autoplay: each step goes on by itself after this long; 0: never
    int scale = 1;              // --scale: each pixel of the picture an N x N block in the window
    bool fullscreen = false;    // --fullscreen: the largest whole scale that fits the screen
    bool safe_palette = false;  // --palette safe: colours that people with a colour vision deficiency tell apart

    // No window: the show runs to its end as if a key were pressed at every step.
    bool unattended() const { return !record_folder.empty() || !gif_path.empty() || !worksheet_folder.empty() || print_graph; }
    // The window shows the pictures the show hands it, rather than what the program flips: it can
    // then put a question before a step's picture.
    // It does so as well to go back to an earlier step, to show the picture larger than it is
    // drawn, and in the safe palette.
    // And it does so to stand the teaching panel (--explain, --predict) beside the picture.
    bool window_presents() const { return predict || explain || browse || scale != 1 || fullscreen || safe_palette; }
    // The window is a teaching window, with a panel of words beside the picture.
    bool window_teaches() const { return explain || predict; }
};

enum class Parsed { run, help, version, error };

// Reads argv[1..argc-1] into `settings`. `help` for --help or -h, `version` for --version; `error`
// with the complaint (one line, without the program's name) for anything it cannot take.
Parsed parse_arguments(int argc, const char* const argv[], const ProgramInfo& program,
                       Settings& settings, std::string& complaint);

void print_usage(std::FILE* out, const ProgramInfo& program);
// "components (graphsteps) 0.1": the suite's version, the one the build was configured with.
void print_version(std::FILE* out, const ProgramInfo& program);
