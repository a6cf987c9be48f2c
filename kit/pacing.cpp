// Pacing of the animated stages, and the kit's use of it with SDL's queue and the real clock.
#include "pacing.h"

#include "frame_state.h"
#include "kit.h"

#include <chrono>
#include <thread>

void pace(Pacing& pacing, const PacingClock& clock) {
    if (pacing.frames_per_second <= 0 || pacing.skipping) return;
    if (clock.key_pending()) {
        pacing.skipping = true;
        return;
    }
    const std::int64_t interval = 1000000 / pacing.frames_per_second;
    const std::int64_t now = clock.now_us();
    if (!pacing.started) {
        pacing.started = true;
        pacing.due_us = now + interval;
    } else {
        pacing.due_us += interval;
        if (pacing.due_us < now) pacing.due_us = now;  // behind: go on at once, without a burst
    }
    if (pacing.due_us > now) clock.sleep_us(pacing.due_us - now);
}

void end_stage(Pacing& pacing) {
    pacing.started = false;
    pacing.skipping = false;
}

namespace {

std::int64_t steady_now_us() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void sleep_for_us(std::int64_t microseconds) {
    std::this_thread::sleep_for(std::chrono::microseconds(microseconds));
}

// Brings the window system's events into SDL's queue and looks for a key press there, leaving it
// for the wait that follows the stage.
bool key_press_waiting() {
    SDL_PumpEvents();
    SDL_Event event;
    return SDL_PeepEvents(&event, 1, SDL_PEEKEVENT, SDL_KEYDOWNMASK) > 0;
}

constexpr PacingClock real_clock{steady_now_us, sleep_for_us, key_press_waiting};

}  // namespace

// Unpaced until start_frame opens a window.
Pacing animation_pacing{0};

void pace_frame() {
    if (!gif_path.empty()) gif_add_animation_frame();
    pace(animation_pacing, real_clock);
}
