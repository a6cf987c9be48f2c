// What the window's keys do at a step with --browse and --autoplay: which kept step to show, or
// whether the show goes on. Nothing here touches SDL or the screen, so that every key can be tested.
#pragma once

#include "platform.h"

#include <string>

class Controls {
public:
    enum class Move {
        stay,    // nothing to show anew (the caption may still change)
        show,    // show step viewing()
        go_on,   // the newest step was left forwards: the program draws the next one
    };
    Controls(bool browse, bool autoplay) : browse_(browse), autoplay_(autoplay) {}

    // A step drawn for the first time is the newest, and is shown.
    void reached(int step);
    Move key(const KeyPress& key);
    Move time_is_up();  // the autoplay's time for the step shown ran out

    int newest() const { return newest_; }
    int viewing() const { return viewing_; }
    bool playing() const { return autoplay_ && playing_; }
    bool paused() const { return autoplay_ && !playing_; }
    const std::string& typed() const { return typed_; }  // the digits of a step to go to
    // Why the last key did nothing ("step 30 is not reached yet"); empty when it did something.
    const std::string& note() const { return note_; }

private:
    Move back();
    Move next();
    Move go_to(int step);

    bool browse_, autoplay_;
    bool playing_ = true;
    int newest_ = 0, viewing_ = 0;
    std::string typed_, note_;
};
