// The options that every program takes: --explain, --predict, --record DIR, --gif FILE, --seed N,
// --fps N, --help, --version.
#include "settings.h"

#include <cerrno>
#include <cstdlib>

void print_usage(std::FILE* out, const ProgramInfo& program) {
    std::fprintf(out, "%s: %s\n\n", program.name, program.summary);
    std::fprintf(out, "usage: %s [--explain] [--predict] [--record DIR] [--gif FILE]%s%s\n\n", program.name,
                 program.draws_random_graph ? " [--seed N]" : "", program.animates ? " [--fps N]" : "");
    std::fprintf(out, "Shows the algorithm step by step in a window; any key (or closing the window)\n"
                      "goes on to the next step.\n\n");
    std::fprintf(out, "  --explain     say what each step does, and the algorithm's state, on standard\n"
                      "                output (with --record, also as DIR/steps.txt)\n");
    std::fprintf(out, "  --predict     before a step, ask what it will show: type the answer in the\n"
                      "                window and press Enter (Escape or an empty Enter skips); with\n"
                      "                --record, the questions and answers go into DIR/steps.txt,\n"
                      "                DIR/steps.json and the step page\n");
    std::fprintf(out, "  --record DIR  no window: write each step's picture as DIR/step-001.png, ...,\n"
                      "                and DIR/index.html to page through them in a browser (the\n"
                      "                pictures and page of an earlier recording in DIR are removed)\n");
    std::fprintf(out, "  --gif FILE    no window: write the whole show as an animated GIF\n");
    if (program.draws_random_graph)
        std::fprintf(out, "  --seed N      draw the random graph from seed N instead of the time\n");
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
        } else if (argument == "--record") {
            if (!has_value) return complaint = "--record needs a folder", Parsed::error;
            settings.record_folder = argv[++i];
        } else if (argument == "--gif") {
            if (!has_value) return complaint = "--gif needs a file name", Parsed::error;
            settings.gif_path = argv[++i];
        } else if (argument == "--seed") {
            if (!program.draws_random_graph)
                return complaint = "--seed: this program draws no random graph", Parsed::error;
            unsigned long long seed = 0;
            if (!has_value || !parse_number(argv[i + 1], 0xFFFFFFFFull, seed))
                return complaint = "--seed needs a whole number from 0 to 4294967295", Parsed::error;
            settings.seed = static_cast<unsigned int>(seed);
            settings.seed_given = true;
            ++i;
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
            return complaint = "unknown argument '" + argument + "'", Parsed::error;
        }
    }
    return Parsed::run;
}
