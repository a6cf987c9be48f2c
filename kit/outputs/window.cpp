// The window: at each step the caption says where the show is and the show waits for a key; the
// frames of an animated stage are paced to --fps, and a key or the close button skips the rest of
// the stage. The picture itself is on screen already: the program flipped it.
#include "output.h"
#include "pacing.h"
#include "platform.h"

#include <cstdio>
#include <string>

namespace {

constexpr PacingClock desktop_clock{platform_now_us, platform_sleep_us, platform_take_key_or_close};

Pacing pacing{0};

// "closure8 - step 2 of 3 - seed 17", or without what is not known.
std::string where(const ShowState& show, int step) {
    std::string text = std::string(show.program) + " - step " + std::to_string(step);
    if (show.step_count > 0) text += " of " + std::to_string(show.step_count);
    if (show.seed_in_use) text += " - seed " + std::to_string(show.seed);
    return text;
}

void set_caption(const ShowState& show, const std::string& caption) {
    platform_set_caption(caption.c_str(), show.program);
}

bool wanted(const Settings& settings) { return !settings.unattended(); }

bool start(const Settings& settings, const char* program, std::string&) {
    pacing = Pacing{settings.frames_per_second};
    platform_set_caption(program, program);
    return true;
}

// The first sentence of what the step did, short enough for a title bar.
std::string short_sentence(const Narration& narration) {
    constexpr std::size_t longest = 110;
    const std::size_t end = narration.sentence.find(". ");
    std::string text = end == std::string::npos ? narration.sentence : narration.sentence.substr(0, end + 1);
    if (text.size() > longest) text = text.substr(0, text.rfind(' ', longest - 3)) + "...";
    return text;
}

// The title bar names the program and the step, and the seed of a random graph, so that `--seed`
// can show the same graph again, and says in a sentence what the step did.
Outcome step(const Step& step, std::string&) {
    end_stage(pacing);
    const bool last = step.number == step.show->step_count;
    std::string caption = where(*step.show, step.number);
    if (step.narration != nullptr && !step.narration->sentence.empty()) caption += ": " + short_sentence(*step.narration);
    set_caption(*step.show, caption + (last ? " - any key: end" : " - any key: next"));
    return platform_wait_event() == WindowEvent::quit ? Outcome::quit : Outcome::go_on;
}

bool frame(const Frame& frame, std::string&) {
    if (frame.number == 1) {
        const std::string growing = frame.stage != nullptr ? frame.stage : "animating";
        set_caption(*frame.show, where(*frame.show, frame.step) + ": " + growing + " - any key: skip to its end");
    }
    pace(pacing, desktop_clock);
    return true;
}

bool finish(std::string&) { return true; }
void discard() {}

}  // namespace

const Output window_output{"window", wanted, false, start, step, frame, finish, discard};
