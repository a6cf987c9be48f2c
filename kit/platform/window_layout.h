// Where the picture and the teaching panel stand in the desktop's window, for the shape asked and
// the screen's size: plain arithmetic, tested without a window.
#pragma once

#include <string>

// The panel is never narrower than this many pixels a scale step: the width a 1024-pixel screen
// leaves beside the 800-pixel picture. It is this wide where there is room.
constexpr int narrowest_panel = 224, widest_panel = 400;

struct WindowLayout {
    int width = 800, height = 600;    // the window, or the whole screen
    int scale = 1;                    // each pixel of the picture a scale x scale block
    int picture_left = 0, picture_top = 0;
    int panel_left = 0, panel_width = 0, panel_height = 0;  // no panel: 0 wide
    std::string note;                 // why the scale asked was brought down; empty when it was not
};

// `scale` as asked (or the largest that fits, `fullscreen`), with a panel beside the picture or
// without; `screen_width` and `screen_height` 0 when the screen's size is not known.
WindowLayout lay_out_window(int scale, bool fullscreen, bool panel, int screen_width, int screen_height);
