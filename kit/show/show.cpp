// The show: a program's life from its command line to its end. It reads the settings, opens the
// surface through the platform, and at each waited step and animation frame captures the picture
// once and hands it to every active output; end_show finishes them.
#include "show.h"

#include "capture.h"
#include "kit.h"
#include "output.h"
#include "platform.h"
#include "safe_palette.h"

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <utility>
#include <vector>

const char* program_name = "graphsteps";

// Defined for each program from its line in programs.list; absent (null) in a test or benchmark
// that runs a show of its own.
extern const int listed_step_count __attribute__((weak));

namespace {

Settings settings;
std::vector<const Output*> active;  // in the table's order
bool pictures_wanted = false;  // some active output takes the captured pictures
bool frames_wanted = false;    // some active output takes the animation frames
bool show_open = false;        // started and neither ended nor failed

ShowState state{"graphsteps", 0, false, 0, nullptr, &algorithm_said()};
int steps_shown = 0;
GraphPlaces places;             // the graph in use, once said
int question_put_for = 0;      // the step whose question (--predict) was put; 0: none yet
int stage_frames = 0;          // frames of the animated stage in progress
const char* stage = nullptr;   // what it grows, as the program said
const char* grown = nullptr;   // what it has grown so far, as the program said it last
Graph file_graph;              // --graph FILE, as read
bool graph_read = false;
Capture capture;

// The edge lines of a graph in an order that, read back, gives every vertex its list as it is: each
// vertex's edges come in the order of its list (a digraph's arcs simply list by list). Where no
// one order can keep every list (each edge stands in two), a comment says so.
std::string edges_in_list_order(int count, const int* degree, const int* rows, int row_length, bool directed) {
    std::string text;
    if (directed) {
        for (int u = 0; u < count; ++u)
            for (int j = 0; j < degree[u]; ++j) text += "arc " + std::to_string(u) + " " + std::to_string(rows[u * row_length + j]) + "\n";
        return text;
    }
    // Each edge once, numbered as it first comes in the lists; then each list's edges in its order.
    std::vector<std::pair<int, int>> edges;
    std::vector<std::vector<int>> edge_of(static_cast<std::size_t>(count), std::vector<int>(static_cast<std::size_t>(count), -1));
    std::vector<std::vector<int>> list_edges(static_cast<std::size_t>(count));
    for (int u = 0; u < count; ++u)
        for (int j = 0; j < degree[u]; ++j) {
            const int v = rows[u * row_length + j];
            int& e = edge_of[static_cast<std::size_t>(std::min(u, v))][static_cast<std::size_t>(std::max(u, v))];
            if (e < 0) {
                e = static_cast<int>(edges.size());
                edges.emplace_back(u, v);
            }
            list_edges[static_cast<std::size_t>(u)].push_back(e);
        }
    // Kahn's order: an edge may come once every edge before it in some list has come.
    std::vector<std::vector<int>> after(edges.size());
    std::vector<int> waiting(edges.size(), 0);
    for (const std::vector<int>& list : list_edges)
        for (std::size_t i = 1; i < list.size(); ++i) {
            after[static_cast<std::size_t>(list[i - 1])].push_back(list[i]);
            ++waiting[static_cast<std::size_t>(list[i])];
        }
    std::vector<bool> written(edges.size(), false);
    bool kept = true;
    for (std::size_t done = 0; done < edges.size(); ++done) {
        std::size_t next = 0;
        while (next < edges.size() && (written[next] || waiting[next] > 0)) ++next;
        if (next == edges.size()) {  // a cycle of orders: the first edge not written goes next
            kept = false;
            next = 0;
            while (written[next]) ++next;
        }
        written[next] = true;
        for (const int e : after[next]) --waiting[static_cast<std::size_t>(e)];
        text += "edge " + std::to_string(edges[next].first) + " " + std::to_string(edges[next].second) + "\n";
    }
    if (!kept) text = "# No one order of the edges keeps every vertex's list as it is: some lists differ.\n" + text;
    return text;
}

// Removes what a failed show leaves unfinished. Also runs at exit, so that a program that stops
// on an error of its own (a missing font, say) leaves no half-written file behind.
void discard_outputs() {
    if (!show_open) return;
    show_open = false;
    for (auto i = active.rbegin(); i != active.rend(); ++i) (*i)->discard();
}

const Picture* captured_picture() {
    capture.take(*screen);
    return &capture.picture();
}

int standard_output_error = 0;  // errno of the first write to standard output that failed

// Whatever was written on standard output so far went out.
bool standard_output_written(std::string& why) {
    errno = 0;
    if (std::fflush(stdout) != 0 && standard_output_error == 0) standard_output_error = errno != 0 ? errno : EIO;
    if (std::ferror(stdout) && standard_output_error == 0) standard_output_error = EIO;
    if (standard_output_error == 0) return true;
    why = std::string("cannot write to standard output: ") + std::strerror(standard_output_error);
    return false;
}

// Ends the program after --help or --version: 0 once the text went out, 1 with a line on stderr
// when it did not.
[[noreturn]] void exit_once_written() {
    std::string why;
    if (standard_output_written(why)) std::exit(0);
    std::fprintf(stderr, "%s: %s\n", program_name, why.c_str());
    std::exit(1);
}

}  // namespace

bool write_standard_output(const std::string& text, std::string& why) {
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
    if (!written && standard_output_error == 0) standard_output_error = errno != 0 ? errno : EIO;
    return standard_output_written(why);
}

void say_on_standard_output(const std::string& text) {
    std::string why;
    write_standard_output(text, why);
}

void fail_show(const std::string& why) {
    discard_outputs();
    // A failure that a stop signal caused (an interrupted open, say) is no failure to report: the
    // program ends as the signal would have ended it.
    const int signal = platform_stop_signal();
    if (signal != 0) platform_end_by_signal(signal);
    std::fprintf(stderr, "%s: %s\n", program_name, why.c_str());
    std::exit(1);
}

namespace {

// A signal asked the program to stop: nothing unfinished is left behind, and the program ends as
// the signal would have ended it.
void stop_if_asked() {
    const int signal = platform_stop_signal();
    if (signal == 0) return;
    discard_outputs();
    platform_end_by_signal(signal);
}

// --predict: the questions of `step` go to every output that puts questions before anything of
// that step does, so that no output can give the answer away before it is asked.
void put_questions(int step, const std::vector<Question>& questions) {
    if (!settings.predict || questions.empty() || question_put_for == step) return;
    question_put_for = step;
    const int count = static_cast<int>(questions.size());
    for (int k = 0; k < count; ++k) {
        const Posed posed{&state, step, &questions[std::size_t(k)], k, count};
        for (const Output* output : active) {
            if (output->ask == nullptr) continue;
            output->ask(posed);
            stop_if_asked();
        }
    }
}

}  // namespace

void start_frame(int argc, char* argv[], const ProgramInfo& program) {
    program_name = program.name;
    std::string complaint;
    switch (parse_arguments(argc, argv, program, settings, complaint)) {
        case Parsed::help:
            print_usage(stdout, program);
            exit_once_written();
        case Parsed::version:
            print_version(stdout, program);
            exit_once_written();
        case Parsed::error:
            std::fprintf(stderr, "%s: %s\n", program.name, complaint.c_str());
            print_usage(stderr, program);
            std::exit(2);
        case Parsed::run:
            break;
    }
    // A graph file the program cannot run on is refused before anything is opened or written.
    graph_read = false;
    if (!settings.graph_path.empty()) {
        std::string why;
        if (!read_graph_file(settings.graph_path, program.graph, file_graph, why)) {
            std::fprintf(stderr, "%s\n", why.c_str());
            std::exit(2);
        }
        graph_read = true;
    }
    if (!settings.unattended() && !platform_has_display()) {
        std::fprintf(stderr,
                     "%s: no display to open a window on (DISPLAY is not set); run it on a desktop, "
                     "or write the pictures with --record DIR\n",
                     program.name);
        std::exit(1);
    }

    std::string why;
    const ScreenKind kind = settings.unattended()       ? ScreenKind::offscreen
                            : settings.window_presents() ? ScreenKind::presented
                                                         : ScreenKind::window;
    std::string note;
    screen = platform_open_screen(kind, why, WindowShape{settings.scale, settings.fullscreen, settings.window_teaches()}, &note);
    if (screen == nullptr) fail_show(why);
    if (!note.empty()) std::fprintf(stderr, "%s: %s\n", program.name, note.c_str());
    // Pixels are addressed by width, so anything but a 32-bit surface of exactly this size would
    // be drawn out of bounds.
    if (screen->w != screen_width || screen->h != screen_height || screen->format->BytesPerPixel != 4) {
        char complaint_text[120];
        std::snprintf(complaint_text, sizeof complaint_text, "SDL gave a %d x %d surface of %d bits, not %d x %d x 32",
                      screen->w, screen->h, screen->format->BitsPerPixel, screen_width, screen_height);
        fail_show(complaint_text);
    }

    // The listed count is that of the program's own graph (or of any of its random ones): on a graph
    // of the user's, or a random one in place of its own, the program says it (show_step_count), or
    // the steps are not counted ahead.
    const bool own_step_count = !graph_read && (program.draws_random_graph || !settings.seed_given);
    const int step_count = own_step_count && &listed_step_count != nullptr ? listed_step_count : 0;
    state = ShowState{program.name, step_count, false, 0, &legend_said(), &algorithm_said()};
    steps_shown = 0;
    question_put_for = 0;
    stage_frames = 0;
    stage = grown = nullptr;
    capture.forget();
    capture.recolour_with(settings.safe_palette ? safe_colour : nullptr);
    active.clear();
    pictures_wanted = frames_wanted = false;
    static bool discard_registered = false;
    if (!discard_registered) std::atexit(discard_outputs);
    discard_registered = true;
    show_open = true;
    // Started once the surface stands, so that a failed start leaves no empty file behind, and
    // still before anything is drawn.
    const OutputTable table = all_outputs();
    for (int i = 0; i < table.count; ++i) {
        const Output& output = *table.rows[i];
        if (!output.wanted(settings)) continue;
        if (!output.start(settings, program.name, why)) fail_show(why);
        active.push_back(&output);
        const bool takes_pictures = output.takes_pictures(settings);
        pictures_wanted |= takes_pictures;
        frames_wanted |= takes_pictures && output.frame != nullptr;
    }
}

bool safe_palette_in_use() { return settings.safe_palette; }

const Graph* graph_from_file() { return graph_read ? &file_graph : nullptr; }
void say_graph_in_use(int vertex_count, const int* x, const int* y, const int* degree, const int* rows, int row_length,
                      bool directed) {
    std::string text = "# " + std::string(program_name) + ": " +
                       (graph_read ? "the graph of " + printable(settings.graph_path)
                                   : state.seed_in_use ? "the random graph of seed " + std::to_string(state.seed) : "its own graph") +
                       "\n";
    for (int v = 0; v < vertex_count; ++v)
        text += "vertex " + std::to_string(v) + " " + std::to_string(x[v]) + " " + std::to_string(y[v]) + "\n";
    text += edges_in_list_order(vertex_count, degree, rows, row_length, directed);
    platform_show_graph_text(text);
    places = GraphPlaces{std::vector<int>(x, x + vertex_count), std::vector<int>(y, y + vertex_count), {}, directed};
    for (int u = 0; u < vertex_count; ++u)
        for (int j = 0; j < degree[u]; ++j) {
            const int v = rows[u * row_length + j];
            if (directed || u < v) places.edges.emplace_back(u, v);
        }
    state.places = &places;
    if (!settings.print_graph) return;
    std::string why;
    if (!write_standard_output(text, why)) {
        std::fprintf(stderr, "%s: %s\n", program_name, why.c_str());
        std::exit(1);
    }
    std::exit(0);
}

void show_step_count(int count) {
    if (steps_shown == 0) state.step_count = count;
}
bool random_graph_wanted() { return settings.seed_given; }

unsigned int random_seed() {
    state.seed = settings.seed_given ? settings.seed : static_cast<unsigned int>(std::time(nullptr));
    state.seed_in_use = true;
    return state.seed;
}

void begin_stage(const char* what) {
    stage = what;
    grown = nullptr;
    stage_frames = 0;
}

void say_during_stage(const char* format, ...) {
    static std::string said_words;  // the words as the pictures' colours are named
    char words[text_buffer_size];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(words, sizeof words, format, arguments);
    va_end(arguments);
    said_words = settings.safe_palette ? in_safe_colour_words(words) : std::string(words);
    grown = said_words.c_str();
}

int wait_step() {
    if (!show_open) return 0;
    stop_if_asked();
    ++steps_shown;
    stage_frames = 0;
    stage = grown = nullptr;
    // The questions, then their answers, then the step: in that order on every output.
    const std::vector<Question>& questions = narration_said().questions;
    put_questions(steps_shown, questions);
    if (question_put_for == steps_shown) {
        const int count = static_cast<int>(questions.size());
        for (int k = 0; k < count; ++k) {
            const Posed posed{&state, steps_shown, &questions[std::size_t(k)], k, count};
            for (const Output* output : active) {
                if (output->tell_answer == nullptr) continue;
                output->tell_answer(posed);
                stop_if_asked();
            }
        }
    }
    const Step step{&state, steps_shown, pictures_wanted ? captured_picture() : nullptr, &step_narration()};
    bool quit = false;
    std::string why;
    for (const Output* output : active) {
        const Outcome outcome = output->step(step, why);
        if (outcome == Outcome::failed) fail_show(why);
        stop_if_asked();
        quit |= outcome == Outcome::quit;
    }
    forget_narration();
    return quit ? 1 : 0;
}

void pace_frame() {
    if (!show_open) return;
    stop_if_asked();
    const std::vector<Question>& questions = narration_said().questions;
    // Questions the step after the stage answers are put before the stage's first frame.
    put_questions(steps_shown + 1, questions);
    const Frame frame{&state, steps_shown + 1, ++stage_frames, stage, frames_wanted ? captured_picture() : nullptr,
                      questions.empty() ? nullptr : &questions, grown};
    Frame without_picture = frame;
    without_picture.picture = nullptr;
    std::string why;
    for (const Output* output : active) {
        if (output->frame == nullptr) continue;
        if (!output->frame(output->takes_pictures(settings) ? frame : without_picture, why)) fail_show(why);
        stop_if_asked();
    }
}

int end_show() {
    if (!show_open) return 0;
    stop_if_asked();
    show_open = false;
    bool all_finished = true;
    std::string why;
    for (const Output* output : active) {
        if (output->finish(why)) continue;
        // A write that a stop signal interrupted is no failure to report.
        if (platform_stop_signal() != 0) break;
        std::fprintf(stderr, "%s: %s\n", program_name, why.c_str());
        all_finished = false;
    }
    // A stop that came while the outputs were completed still ends the program as it asks; what
    // was completed by then stays.
    if (const int signal = platform_stop_signal()) platform_end_by_signal(signal);
    // Lines that did not reach standard output (a verdict in the window, the worksheet's line) are
    // said once, at the end.
    if (!standard_output_written(why)) {
        std::fprintf(stderr, "%s: %s\n", program_name, why.c_str());
        all_finished = false;
    }
    return all_finished ? 0 : 1;
}

std::string printable(const std::string& path) {
    std::string out;
    for (const unsigned char c : path) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", c);
            out += code;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}
