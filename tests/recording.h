// Runs a program of the suite with --record and reads back the pictures it wrote, so that tests
// look at exactly what the program would have shown.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb& other) const { return r == other.r && g == other.g && b == other.b; }
    bool operator!=(const Rgb& other) const { return !(*this == other); }
};

constexpr Rgb white_rgb{255, 255, 255};
constexpr Rgb black_rgb{0, 0, 0};
constexpr Rgb red_rgb{255, 0, 0};
constexpr Rgb green_rgb{0, 250, 0};
constexpr Rgb blue_rgb{0, 0, 250};

// In a namespace of its own: the kit has a Picture too (a captured step), and tests link both, so
// one name for two classes would mix their inline members up.
namespace recorded {
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // row by row
    Rgb at(int x, int y) const { return pixels.at(static_cast<std::size_t>(y) * width + x); }
    int count(Rgb colour) const;  // how many pixels have this colour
    // How many pixels of the square of side 2 half + 1 centred on (x, y) have this colour.
    int count_around(int x, int y, int half, Rgb colour) const;
};
}  // namespace recorded
using recorded::Picture;

// Reads an 8-bit RGB PNG; fails the calling test (and returns an empty picture) when it cannot.
Picture read_png(const std::string& path);

struct ProgramRun {
    int exit_status = -1;  // the program's exit status, or -1 when it did not exit normally
    std::string out;       // what it printed on stdout
    std::string err;       // what it printed on stderr
};

// Runs `command` through the shell with `directory` as the working folder.
ProgramRun run_in(const std::string& directory, const std::string& command);

// A file's bytes; empty when it cannot be read.
std::string slurp(const std::string& path);

// The page at `address` after headless Chromium ran it (its DOM on stdout), with a profile of its
// own in `folder` and file:// pages allowed to read their neighbours; `extra_flags` before it.
ProgramRun chromium_dom(const std::string& folder, const std::string& address, const std::string& extra_flags = "");

// The path of a built program of the suite.
std::string program_path(const std::string& name);

// A fresh empty folder under the system's temporary folder.
std::string make_temp_folder();

// The line that opens DIR/steps.txt, before what --explain prints: the file is the suite's.
constexpr char transcript_mark[] = "Written by graphsteps: the transcript of the pictures beside it.\n\n";

struct Recording {
    ProgramRun run;
    std::vector<Picture> steps;  // step-001.png, step-002.png, ... in order
    std::string transcript;      // steps.txt: transcript_mark, then the transcript
    std::string data;            // steps.json
    std::string page;            // index.html, the step page
};

// Runs the program with --record into a fresh folder, plus any further arguments, and loads every
// picture it wrote.
Recording record(const std::string& program, const std::string& extra_arguments = "");

// A question of a --predict recording, as its transcript gives it: "Question before step K of N:
// TEXT (HINT)" and "  Answer: ANSWER. REASON".
struct RecordedQuestion {
    int step = 0;        // the step whose picture answers it, from 1
    std::string text;    // without the hint
    std::string answer;  // as the key gives it: "3", "none: the search goes back", "yes", "a tree edge", "1, 4 and 6"
    std::string reason;
};
std::vector<RecordedQuestion> recorded_questions(const Recording& recording);

// The programs of programs.list, the suite's one list of them, in order.
struct ListedProgram {
    std::string name;
    std::vector<std::string> seeds;  // empty for a program that draws no random graph
    int steps = 0;                   // how many steps its show waits on
};
std::vector<ListedProgram> listed_programs();

// A copy of the program in FOLDER/bin, with an empty FOLDER/work beside it, so that the font beside
// the built programs is out of reach. Returns the copy's path.
std::string lone_copy_of(const std::string& program, const std::string& folder);
// Put before a command, keeps the system's Liberation Serif out of a program's reach too, as on a
// machine without fonts-liberation: the data folder it names holds no fonts.
extern const std::string without_system_font;

// A path in single quotes for the shell.
inline std::string quote_path(const std::string& path) { return "'" + path + "'"; }
