// Pacing of the animated stages, on whatever clock it is handed.
#include "pacing.h"

void pace(Pacing& pacing, const PacingClock& clock) {
    if (pacing.frames_per_second <= 0 || pacing.skipping) return;
    if (clock.skip_requested()) {
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
