// The command line and the window: every program takes the same few options and opens the same
// 800 x 600 x 32 window, or SDL's dummy one when it records its pictures instead.
#include "kit.h"
#include "frame_state.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

namespace {

constexpr int max_frames_per_second = 1000;

int frames_per_second = 60;
bool seed_given = false;
unsigned int given_seed = 0;

void print_usage(std::FILE* out, const ProgramInfo& program) {
    std::fprintf(out, "%s: %s\n\n", program.name, program.summary);
    std::fprintf(out, "usage: %s [--record DIR] [--gif FILE]%s%s\n\n", program.name,
                 program.draws_random_graph ? " [--seed N]" : "", program.animates ? " [--fps N]" : "");
    std::fprintf(out, "Shows the algorithm step by step in a window; any key (or closing the window)\n"
                      "goes on to the next step.\n\n");
    std::fprintf(out, "  --record DIR  no window: write each step's picture as DIR/step-001.png, ...,\n"
                      "                and DIR/index.html to page through them in a browser\n");
    std::fprintf(out, "  --gif FILE    no window: write the whole show as an animated GIF\n");
    if (program.draws_random_graph)
        std::fprintf(out, "  --seed N      draw the random graph from seed N instead of the time\n");
    if (program.animates)
        std::fprintf(out, "  --fps N       animation frames per second, %d to %d (default 60; 0: as fast as\n"
                          "                it goes); a key during an animation skips to its end\n",
                     0, max_frames_per_second);
    std::fprintf(out, "  --help        show this text\n");
}

[[noreturn]] void usage_error(const ProgramInfo& program, const std::string& complaint) {
    std::fprintf(stderr, "%s: %s\n", program.name, complaint.c_str());
    print_usage(stderr, program);
    std::exit(2);
}

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

void read_arguments(int argc, char* argv[], const ProgramInfo& program) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            print_usage(stdout, program);
            std::exit(0);
        } else if (argument == "--record") {
            if (i + 1 >= argc || argv[i + 1][0] == '\0') usage_error(program, "--record needs a folder");
            record_folder = argv[++i];
        } else if (argument == "--gif") {
            if (i + 1 >= argc || argv[i + 1][0] == '\0') usage_error(program, "--gif needs a file name");
            gif_path = argv[++i];
        } else if (argument == "--seed") {
            if (!program.draws_random_graph)
                usage_error(program, "--seed: this program draws no random graph");
            unsigned long long seed = 0;
            if (i + 1 >= argc || !parse_number(argv[i + 1], 0xFFFFFFFFull, seed))
                usage_error(program, "--seed needs a whole number from 0 to 4294967295");
            given_seed = static_cast<unsigned int>(seed);
            seed_given = true;
            ++i;
        } else if (argument == "--fps") {
            if (!program.animates) usage_error(program, "--fps: this program has no animation");
            unsigned long long rate = 0;
            if (i + 1 >= argc || !parse_number(argv[i + 1], max_frames_per_second, rate))
                usage_error(program, "--fps needs a whole number from 0 to " +
                                         std::to_string(max_frames_per_second));
            frames_per_second = static_cast<int>(rate);
            ++i;
        } else {
            usage_error(program, "unknown argument '" + argument + "'");
        }
    }
}

// Without a display SDL falls back to drawing the window as coloured characters in the terminal,
// which is no picture at all. A driver named in SDL_VIDEODRIVER (a framebuffer, say) is taken at
// its word.
bool has_display() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && value[0] != '\0') return true;
    }
    return false;
}

}  // namespace

const char* program_name = "graphsteps";

void start_frame(int argc, char* argv[], const ProgramInfo& program) {
    program_name = program.name;
    read_arguments(argc, argv, program);
    const bool unattended = !record_folder.empty() || !gif_path.empty();
    if (!record_folder.empty()) prepare_record_folder();
    if (unattended) {
        // No window: SDL draws into a plain surface in memory, and nothing reads the keyboard.
        setenv("SDL_VIDEODRIVER", "dummy", 1);
    } else if (!has_display()) {
        std::fprintf(stderr,
                     "%s: no display to open a window on (DISPLAY is not set); run it on a desktop, "
                     "or write the pictures with --record DIR\n",
                     program.name);
        std::exit(1);
    }

    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "%s: cannot start SDL video (is there a display?): %s\n", program.name,
                     SDL_GetError());
        std::exit(1);
    }
    // Only a window is paced: recorded pictures are written as fast as they are drawn.
    animation_pacing.frames_per_second = unattended ? 0 : frames_per_second;

    // SDL 1.2 has no main wrapper on this platform to shut it down at exit.
    std::atexit(SDL_Quit);
    // Mouse motion never steps a show; left in the queue it could fill it during an animation and
    // crowd out the key press that should end the next wait.
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);

    screen = SDL_SetVideoMode(screen_width, screen_height, 32, SDL_HWSURFACE | SDL_DOUBLEBUF);
    if (screen == nullptr) {
        std::fprintf(stderr, "%s: cannot open the %d x %d window: %s\n", program.name, screen_width,
                     screen_height, SDL_GetError());
        std::exit(1);
    }
    // Pixels are addressed by width, so anything but a 32-bit surface of exactly this size would
    // be drawn out of bounds.
    if (screen->w != screen_width || screen->h != screen_height || screen->format->BytesPerPixel != 4) {
        std::fprintf(stderr, "%s: SDL gave a %d x %d surface of %d bits, not %d x %d x 32\n",
                     program.name, screen->w, screen->h, screen->format->BitsPerPixel, screen_width,
                     screen_height);
        std::exit(1);
    }
    SDL_WM_SetCaption(program.name, program.name);

    // Opened once the window stands, so that a failed start leaves no empty GIF behind, and still
    // before anything is drawn. gif_finish runs before SDL_Quit: handlers run in reverse order.
    if (!gif_path.empty()) {
        gif_start();
        std::atexit(gif_finish);
    }
}

bool seed_in_use = false;
unsigned int seed_used = 0;

unsigned int random_seed() {
    seed_used = seed_given ? given_seed : static_cast<unsigned int>(std::time(nullptr));
    seed_in_use = true;
    return seed_used;
}
