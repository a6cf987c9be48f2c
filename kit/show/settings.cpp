// The options that every program takes: --explain, --predict, --browse, --autoplay SECONDS,
// --scale N, --fullscreen, --palette safe, --record DIR, --gif FILE, --worksheet DIR, --seed N,
// --graph FILE, --print-graph, --fps N, --help, --version.
#include "settings.h"

#include "show.h"

#include <cerrno>
#include <cstdlib>

void print_usage(std::FILE* out, const ProgramInfo& program) {
    std::fprintf(out, "%s: %s\n\n", program.name, program.summary);
    std::fprintf(out,
                 "usage: %s [--explain] [--predict] [--record DIR] [--gif FILE]%s%s\n"
                 "       [--worksheet DIR] [--browse] [--autoplay SECONDS] [--scale N] [--fullscreen]\n"
                 "       [--palette safe]%s\n\n",
                 program.name, program.draws_random_graph && !program.graph.accepted ? " [--seed N]" : "",
                 program.animates ? " [--fps N]" : "",
                 program.graph.accepted ? " [--graph FILE | --seed N] [--print-graph]" : "");
    std::fprintf(out, "Shows the algorithm step by step in a window; any key (or closing the window)\n"
                      "goes on to the next step.\n\n");
    std::fprintf(out, "  --explain     say what each step does, and the algorithm's state, in a panel\n"
                      "                beside the picture (F1 there: the legend, the algorithm, how it\n"
                      "                works) and on standard output (with --record, also as\n"
                      "                DIR/steps.txt)\n");
    std::fprintf(out, "  --predict     before a step, ask what it will show, in the panel beside the\n"
                      "                picture: type the answer and press Enter (Escape or an empty\n"
                      "                Enter skips); the verdict, its reason and the right answer come\n"
                      "                before the step; with --record, the questions and answers go\n"
                      "                into DIR/steps.txt, DIR/steps.json and the step page\n");
    std::fprintf(out, "  --browse      keep every step to go back to: Left, Backspace or PageUp shows the\n"
                      "                step before, Right, Space, Enter or PageDown the next, Home and\n"
                      "                End the first and the newest; a step number and Enter goes there\n");
    std::fprintf(out, "  --autoplay SECONDS\n"
                      "                go on to the next step by itself after SECONDS (0.5 to 60);\n"
                      "                Space pauses and plays again\n");
    std::fprintf(out, "  --scale N     show the window N times as large (1 to %d), each pixel an N x N\n"
                      "                block, or at the largest scale the screen takes; the recorded\n"
                      "                pictures stay 800 x 600\n", largest_scale);
    std::fprintf(out, "  --fullscreen  fill the screen: the largest whole scale that fits, on black\n");
    std::fprintf(out, "  --palette safe\n"
                      "                colours that people with a colour vision deficiency tell apart,\n"
                      "                in the window, the recorded pictures and the words that name them\n");
    std::fprintf(out, "  --record DIR  no window: write each step's picture as DIR/step-001.png, ...,\n"
                      "                and DIR/index.html to page through them in a browser (the\n"
                      "                pictures and page of an earlier recording in DIR are removed)\n");
    std::fprintf(out, "  --gif FILE    no window: write the whole show as an animated GIF\n");
    std::fprintf(out, "  --worksheet DIR\n"
                      "                no window: write a printable worksheet of the questions, with\n"
                      "                its answer key, as DIR/worksheet.html and as the PDFs\n"
                      "                DIR/worksheet-a4.pdf and DIR/worksheet-letter.pdf\n");
    if (program.graph.accepted) {
        std::fprintf(out, "  --graph FILE  run on the %s in FILE: a line 'vertex V X Y' for each vertex\n"
                          "                V = 0, 1, ... at its place (or 'vertex V' for each, laid out on a\n"
                          "                circle), then a line '%s U V' for each %s; %s\n"
                          "                # comments; at most %d vertices, x %d to %d, y %d to %d\n",
                     program.graph.directed ? "digraph" : "graph", program.graph.directed ? "arc" : "edge",
                     program.graph.directed ? "arc from U to V" : "edge",
                     program.graph.order_tried ? "a vertex's\n                neighbours are tried in the order of the file;"
                                               : "the arcs\n                are tried by vertex number, in any order in the file;",
                     program.graph.max_vertices, program.graph.left, program.graph.right, program.graph.top,
                     program.graph.bottom);
        std::fprintf(out, program.draws_random_graph
                              ? "  --seed N      draw the random graph from seed N instead of the time\n"
                              : "  --seed N      run on a random graph drawn from seed N instead of its own\n");
        std::fprintf(out, "  --print-graph\n"
                          "                no window: write the graph it would run on (its own, seed N's\n"
                          "                or FILE's) in the format of --graph, to change and run again\n");
    } else if (program.draws_random_graph) {
        std::fprintf(out, "  --seed N      draw the random graph from seed N instead of the time\n");
    }
    if (program.animates)
        std::fprintf(out, "  --fps N       animation frames per second, %d to %d (default 60; 0: as fast as\n"
                          "                it goes); a key during an animation skips to its end\n",
                     0, max_frames_per_second);
    std::fprintf(out, "  --help        show this text\n");
    std::fprintf(out, "  --version     show the version of graphsteps this program belongs to\n");
}

void print_version(std::FILE* out, const ProgramInfo& program) {
    std::fprintf(out, "%s (graphsteps) %s\n", program.name, GRAPHSTEPS_VERSION);
}

namespace {

// Accepts only a whole decimal number from 0 to `largest`.
bool parse_number(const char* text, unsigned long long largest, unsigned long long& number) {
    if (text[0] < '0' || text[0] > '9') return false;
    errno = 0;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (errno != 0 || *end != '\0' || value > largest) return false;
    number = value;
    return true;
}

// Accepts only a plain decimal number of seconds ("4", "0.5", "2.25") within the autoplay's range.
bool parse_seconds(const char* text, double& seconds) {
    int digits = 0, points = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c >= '0' && *c <= '9') {
            ++digits;
        } else if (*c == '.' && points == 0) {
            ++points;
        } else {
            return false;
        }
    }
    if (digits == 0 || digits > 12) return false;
    const double value = std::strtod(text, nullptr);
    if (value < shortest_autoplay || value > longest_autoplay) return false;
    seconds = value;
    return true;
}

}  // namespace

Parsed parse_arguments(int argc, const char* const argv[], const ProgramInfo& program,
                       Settings& settings, std::string& complaint) {
    settings = Settings{};
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool has_value = i + 1 < argc && argv[i + 1][0] != '\0';
        if (argument == "--help" || argument == "-h") {
            return Parsed::help;
        } else if (argument == "--version") {
            return Parsed::version;
        } else if (argument == "--explain") {
            settings.explain = true;
        } else if (argument == "--predict") {
            settings.predict = true;
        } else if (argument == "--browse") {
            settings.browse = true;
        } else if (argument == "--fullscreen") {
            settings.fullscreen = true;
        } else if (argument == "--autoplay") {
            if (!has_value || !parse_seconds(argv[i + 1], settings.autoplay_seconds))
                return complaint = "--autoplay needs a number of seconds from 0.5 to 60", Parsed::error;
            ++i;
        } else if (argument == "--scale") {
            unsigned long long scale = 0;
            if (!has_value || !parse_number(argv[i + 1], largest_scale, scale) || scale < 1)
                return complaint = "--scale needs a whole number from 1 to " + std::to_string(largest_scale),
                       Parsed::error;
            settings.scale = static_cast<int>(scale);
            ++i;
        } else if (argument == "--palette") {
            const std::string name = has_value ? argv[i + 1] : "";
            if (name != "safe" && name != "standard")
                return complaint = "--palette needs 'safe' (or 'standard', the usual colours)", Parsed::error;
            settings.safe_palette = name == "safe";
            ++i;
        } else if (argument == "--record") {
            if (!has_value) return complaint = "--record needs a folder", Parsed::error;
            settings.record_folder = argv[++i];
        } else if (argument == "--gif") {
            if (!has_value) return complaint = "--gif needs a file name", Parsed::error;
            settings.gif_path = argv[++i];
        } else if (argument == "--worksheet") {
            if (!has_value) return complaint = "--worksheet needs a folder", Parsed::error;
            settings.worksheet_folder = argv[++i];
        } else if (argument == "--seed") {
            if (!program.draws_random_graph && !program.graph.accepted)
                return complaint = "--seed: this program draws no random graph", Parsed::error;
            unsigned long long seed = 0;
            if (!has_value || !parse_number(argv[i + 1], 0xFFFFFFFFull, seed))
                return complaint = "--seed needs a whole number from 0 to 4294967295", Parsed::error;
            settings.seed = static_cast<unsigned int>(seed);
            settings.seed_given = true;
            ++i;
        } else if (argument == "--graph") {
            if (!program.graph.accepted) return complaint = "--graph: this program runs on no graph but its own", Parsed::error;
            if (!has_value) return complaint = "--graph needs a file", Parsed::error;
            settings.graph_path = argv[++i];
        } else if (argument == "--print-graph") {
            if (!program.graph.accepted) return complaint = "--print-graph: this program runs on no graph but its own", Parsed::error;
            settings.print_graph = true;
        } else if (argument == "--fps") {
            if (!program.animates) return complaint = "--fps: this program has no animation", Parsed::error;
            unsigned long long rate = 0;
            if (!has_value || !parse_number(argv[i + 1], max_frames_per_second, rate))
                return complaint = "--fps needs a whole number from 0 to " +
                                   std::to_string(max_frames_per_second),
                       Parsed::error;
            settings.frames_per_second = static_cast<int>(rate);
            ++i;
        } else {
            // Whatever was typed or pasted, the complaint stays one line that sets nothing on the terminal.
            return complaint = "unknown argument '" + printable(argument) + "'", Parsed::error;
        }
    }
    if (settings.print_graph && (!settings.record_folder.empty() || !settings.gif_path.empty() || !settings.worksheet_folder.empty()))
        return complaint = "--print-graph writes the graph alone: leave out --record, --gif and --worksheet", Parsed::error;
    if (!settings.graph_path.empty() && settings.gif_path == settings.graph_path)
        return complaint = "--gif would write over the graph file " + printable(settings.graph_path), Parsed::error;
    if (settings.seed_given && !settings.graph_path.empty())
        return complaint = "--graph and --seed: give one of them, your graph or a random one", Parsed::error;
    return Parsed::run;
}
