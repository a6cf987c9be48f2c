// The drawing kit that every program of the suite links: the 800 x 600 window, the palette, labels,
// pixel access, the step wait and the circle, line, arrow and band rasterisers. A program's life:
//
//     int main(int argc, char* argv[]) {
//         start_frame(argc, argv, {"components", "connected components by ...", false});
//         map_standard_palette();                     // or palette[i] = SDL_MapRGB(screen->format, ...)
//         SDL_FillRect(screen, nullptr, palette[standard::white]);
//         open_labels(20);                            // programs with labels
//         draw_label(10, 10, "%d", 7);  fill_disc(100, 100, 7, palette[standard::red]);
//         SDL_Flip(screen);
//         wait_step();                                // one step of the show
//         close_labels();
//         return end_show();
//     }
//
// Behind start_frame, wait_step, pace_frame and end_show is the show (kit/show), which hands each
// step's picture to the outputs (kit/outputs: the window, --record's pictures, --gif); the window,
// its events and the clock are the platform's (kit/platform).
//
// Pixels: pixel (x, y) is element x + y * screen->w of the Uint32 array at screen->pixels (the row
// length is the width, not the pitch); x grows right from 0 to 799, y down from 0 to 599.
// Clipping: put_pixel and draw_line_unclipped never check; fill_disc, draw_circle and draw_line
// skip every pixel outside the window. The arrows and bands clip as far as the selected line
// routine does (see use_line_routine).
#pragma once

#include "narration.h"
#include "settings.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <initializer_list>

// ---- The frame -------------------------------------------------------------------------------

constexpr int screen_width = 800;
constexpr int screen_height = 600;
constexpr int palette_capacity = 16;
constexpr int text_buffer_size = 2000;

extern SDL_Surface* screen;
extern Uint32 palette[palette_capacity];  // each program maps its own entries at start-up

// The ten colours that most programs share, by palette index. Green and blue are 250, not 255.
namespace standard {
enum Slot { black, red, green, blue, purple, pale_green, pale_blue, yellow, grey, white, slot_count };
// Their names, for the words that say what a picture shows.
constexpr const char* colour_names[slot_count] = {"black",      "red",       "green",  "blue", "purple",
                                                  "pale green", "pale blue", "yellow", "grey", "white"};
}
// Maps the ten shared colours into palette[0..9] in the index order above, or only the listed slots
// in the listed order.
void map_standard_palette();
void map_standard_palette(std::initializer_list<standard::Slot> order);

extern TTF_Font* label_font;
extern const SDL_Color text_colour;  // black: every label of the suite is black
extern char text_buffer[text_buffer_size];
extern SDL_Rect label_rect;  // only x and y are set; w and h are what the last blit wrote back

// Reads the command line (--record DIR, --gif FILE, --seed N, --fps N, --help), then starts SDL's
// video and opens the 800 x 600 x 32 window. Bad arguments print the usage and exit 2; a window
// that cannot be opened is one line on stderr and exit 1. With --record or --gif the window is
// SDL's dummy (no display needed) and the show runs unattended.
void start_frame(int argc, char* argv[], const ProgramInfo& program);

// The end of the show, after the last wait_step: completes every output (the GIF's last frames,
// say). Returns main's exit status: 0, or 1 after one line on stderr for each output that could
// not be completed.
int end_show();

// Called before an animated stage: what it grows, in a few words ("growing the depth-first
// tree"), for the caption while it runs. Optional: an unnamed stage is "animating".
void begin_stage(const char* what);
// While a stage runs: what it has grown so far, in a few words formatted from the program's state
// ("the search's level 4: 6 new vertices, 9 in the queue"), shown from the next frame on in place
// of begin_stage's words. The frames go on counting within the same stage.
void say_during_stage(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Called after each flip of an animated stage: holds the animation to --fps frames per second (60
// unless told otherwise; 0 or --record: unpaced), as a flip synchronised to the display would.
// A key press or the window's close during a paced stage is taken as the wish to skip it: the rest
// of the stage runs unpaced, and the finished picture waits for a key of its own. Unpaced (--fps
// 0), no event is read, and a key pressed meanwhile ends the wait that follows.
void pace_frame();

// ---- Explaining a step ---------------------------------------------------------------------
// What the next wait_step shows, said just before it: the sentence (several calls join with a
// space) in the algorithm's own terms with the vertex numbers the picture shows, and the state
// worth seeing. It goes to --explain, the caption, the step page and steps.json; wait_step
// clears it.
void explain(const char* format, ...) __attribute__((format(printf, 1, 2)));
// A list in its order: the stack from bottom to top, the preorder so far.
void explain_list(const char* title, const int* values, int count);
// A table keyed by vertex: row k is vertex k with values[k]; `blank` is shown as "-".
void explain_table(const char* title, const char* key_heading, const char* value_heading,
                   const int* values, int count, int blank);
// An n x n 0/1 matrix, row by row; with `before` (n x n, or null) the cells that changed are marked.
void explain_matrix(const char* title, const int* cells, int n, const int* before);
void explain_count(const char* title, int value);
// Every vertex's list of neighbours in its stored order, the order the search tries them: row v
// has degree[v] entries from rows[v * row_length]. Shown with this step and every later one (a
// second call with the same title replaces it from then on).
void explain_lists_from_now_on(const char* title, int vertex_count, const int* degree, const int* rows,
                               int row_length);
// The line of the algorithm (counted from 1, see algorithm_lines) that the next step carried out;
// one call per line, in any order.
void explain_line(int line);
// Appends item i of `count` to the words in text[0 .. used), joined as "a", "a and b", "a, b and c";
// returns the new length. The text is cut at `size`.
int join_words(char* text, int size, int used, int i, int count, const char* item);
int join_words(char* text, int size, int used, int i, int count, int item);
// One entry of the program's legend, said once at start: what a colour, disc, ring, band or arrow
// in its pictures means.
void legend(const char* entry);

// Said once at start, with the legend: how the algorithm works and why its result is right, in a
// few sentences (the idea, what stays true as it runs, why the result is right, what it costs).
// Several calls join with a space.
void how_it_works(const char* text);
// The algorithm as a few lines of pseudocode in the program's own terms, said once at start; two
// leading spaces per level of indent. Each step names the lines it carried out (explain_line).
void algorithm_lines(std::initializer_list<const char*> lines);

// ---- Questions for --predict ----------------------------------------------------------------
// The question that the next shown picture answers, asked before the picture appears: usually said
// with its answer just before the wait_step of the step that answers it. Asked before begin_stage,
// it is put before the stage's first frame, and its answer may wait until the step after the stage.
// Without --predict the question goes nowhere; with --record it is kept with the step.
void ask(AnswerKind kind, const char* format, ...) __attribute__((format(printf, 2, 3)));
// The answer (a vertex, a number, answers::yes or no, answers::tree_edge or back_edge,
// answers::goes_back) and in one sentence why, naming the answer: it is what the student reads
// after answering, right or not.
void answer(int value, const char* reason_format, ...) __attribute__((format(printf, 2, 3)));
void answer_vertices(const int* vertices, int count, const char* reason_format, ...)
    __attribute__((format(printf, 3, 4)));
// Several questions may be put before one step: each ask starts a new one, and each answer goes to
// the first question of the step not answered yet, so they are answered in the order asked.
// A table to fill, one number for each column in order: the columns are headed by column_title and
// the numbers first_column, first_column + 1, ... ("vertex 0", "vertex 1", ...), or by position
// ("1st", "2nd", ...) when column_title is ""; row_title says what the row holds ("parent").
void ask_table(const char* row_title, const char* column_title, int first_column, int column_count,
               const char* format, ...) __attribute__((format(printf, 5, 6)));
// Its answer: one value for each column, answers::none for a cell written "-".
void answer_table(const int* values, int count, const char* reason_format, ...) __attribute__((format(printf, 3, 4)));

// ---- The user's graph (--graph FILE) and a random one (--seed N) ---------------------------------
// For a program whose ProgramInfo accepts a graph (GraphRules, settings.h). The graph of --graph
// FILE, read and checked by start_frame against the program's rules (a file it refuses ends the
// program there with one line "FILE:LINE: what is wrong" and exit status 2); null without --graph.
const Graph* graph_from_file();
// --seed N was given: a program whose graph is otherwise always its own draws a random one from
// random_seed() instead, on its own vertex places.
bool random_graph_wanted();

// The graph the program runs on, said once it is chosen and before anything is drawn: with
// --print-graph the program writes it in the format of --graph and ends there. Row v of `rows`
// (from rows[v * row_length]) holds v's degree[v] neighbours in the order they are tried.
void say_graph_in_use(int vertex_count, const int* x, const int* y, const int* degree, const int* rows,
                      int row_length, bool directed);
// On a graph not its own, how many steps the show will wait on, for "step K of N", said before the
// first step; unsaid, the steps are numbered without "of N".
void show_step_count(int count);

// The seed a random program passes to seed_random: --seed N when given, else time(NULL).
unsigned int random_seed();
// The programs' random numbers, 0 to 2^31 - 1: the GNU C library's rand, the same on every
// platform, so that a seed draws the same graph everywhere. Unseeded, it draws as from seed 1.
void seed_random(unsigned int seed);
int random_number();

// TTF_Init and the label font at the given point size. The font is "times.ttf", looked for in the
// working directory, then beside the executable, then in the installed data folder, and last the
// Liberation Serif of fonts-liberation (fonts/truetype/liberation/ under each XDG data folder,
// /usr/share/fonts/truetype/liberation/ on Debian); when none loads, one line on stderr says where it looked and how to get it, and the program exits 1.
void open_labels(int point_size);
// Replaces label_font by the same font at another size, closing the one it replaces.
void change_label_size(int point_size);
// Closes label_font and calls TTF_Quit.
void close_labels();

void put_pixel(int x, int y, Uint32 colour);
Uint32 get_pixel(int x, int y);

// Formats into text_buffer (cut to its size) and blits the text in black with its top-left corner
// at (x, y).
void draw_label(int x, int y, const char* format, ...) __attribute__((format(printf, 3, 4)));

// One step of the show: hands the picture on screen to every output. In a window, blocks until a
// key press (returns 0) or a quit event (returns 1); other events are discarded, and an error from
// the event queue counts as a quit. Unattended (--record, --gif), returns 0 once the picture is
// written. An output that fails ends the program with one line on stderr and exit 1.
int wait_step();

// ---- Circles ---------------------------------------------------------------------------------

void fill_disc(int cx, int cy, int r, Uint32 colour);
void draw_circle(int cx, int cy, int r, Uint32 colour);

// ---- Lines -----------------------------------------------------------------------------------

// 4-connected: an extra pixel at every minor-axis step. Clipped.
void draw_line(int x0, int y0, int x1, int y1, Uint32 colour);
// 8-connected, one pixel per major-axis step. Not clipped: the caller stays inside the window.
void draw_line_unclipped(int x0, int y0, int x1, int y1, Uint32 colour);

// ---- Arrows and bands ------------------------------------------------------------------------

// The line routine that the arrows and draw_thick_line draw with; a program chooses it once at
// start-up. Clipped draw_line unless a program says otherwise.
enum class LineRoutine { clipped, unclipped };
void use_line_routine(LineRoutine routine);

void draw_arrow(int x0, int y0, int x1, int y1, Uint32 colour);       // head at the midpoint
void draw_arrow_far(int x0, int y0, int x1, int y1, Uint32 colour);   // head at seven tenths
void draw_thick_arrow(int x0, int y0, int x1, int y1, int half_width, Uint32 colour, int head_length);
void draw_thick_line(int x0, int y0, int x1, int y1, int half_width, Uint32 colour);
