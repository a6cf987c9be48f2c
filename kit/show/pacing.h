// Frame pacing for the animated stages: at most one frame per display refresh, as a flip that
// waited for the vertical refresh would give. Kept apart from SDL's clock so that it can be driven
// by a made-up one.
#pragma once

#include <cstdint>

// Where the pacing reads the time, sleeps and looks for the viewer's wish to skip the stage.
struct PacingClock {
    std::int64_t (*now_us)();
    void (*sleep_us)(std::int64_t microseconds);
    // Takes a key press or the window's close off the queue when one waits: it is used up by the
    // skip, so that the finished picture waits for a key of its own.
    bool (*skip_requested)();
};

struct Pacing {
    int frames_per_second = 60;  // 0: unpaced
    bool started = false;        // a frame of this stage has been paced already
    bool skipping = false;       // the viewer skipped: the rest of the stage runs unpaced
    std::int64_t due_us = 0;     // when the next frame may be drawn
};

// Called after each animation flip: sleeps until the next frame is due. A frame that comes late
// is never made later still, and late frames are not made up for by a burst.
void pace(Pacing& pacing, const PacingClock& clock);

// Called when a stage ends at a wait: the next stage starts its own schedule.
void end_stage(Pacing& pacing);
