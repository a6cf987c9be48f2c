// The window: at each step the caption says where the show is and the show waits for a key; the
// frames of an animated stage are paced to --fps. The picture itself is on screen already: the
// program flipped it.
#include "output.h"
#include "pacing.h"
#include "platform.h"

#include <cstdio>

namespace {

constexpr PacingClock desktop_clock{platform_now_us, platform_sleep_us, platform_key_pending};

Pacing pacing{0};

bool wanted(const Settings& settings) { return !settings.unattended(); }

bool start(const Settings& settings, const char* program, std::string&) {
    pacing = Pacing{settings.frames_per_second};
    platform_set_caption(program, program);
    return true;
}

// The title bar names the program and the step, and the seed of a random graph, so that `--seed`
// can show the same graph again.
Outcome step(const Step& step, std::string&) {
    end_stage(pacing);
    char caption[160];
    if (step.seed_in_use)
        std::snprintf(caption, sizeof caption, "%s - step %d - seed %u - any key: next", step.program,
                      step.number, step.seed);
    else
        std::snprintf(caption, sizeof caption, "%s - step %d - any key: next", step.program, step.number);
    platform_set_caption(caption, step.program);
    return platform_wait_event() == WindowEvent::key ? Outcome::go_on : Outcome::quit;
}

bool frame(const Picture*, std::string&) {
    pace(pacing, desktop_clock);
    return true;
}

bool finish(std::string&) { return true; }
void discard() {}

}  // namespace

const Output window_output{"window", wanted, false, start, step, frame, finish, discard};
