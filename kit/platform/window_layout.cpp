// The desktop window's layout (see window_layout.h).
#include "window_layout.h"

#include <algorithm>

namespace {

// The width the picture at `scale` takes, with the narrowest panel beside it when there is one.
int least_width(int scale, bool panel) { return (800 + (panel ? narrowest_panel : 0)) * scale; }

// The largest whole scale, up to `most`, at which the picture (and the narrowest panel) fit.
int largest_fitting_scale(int most, bool panel, int screen_width, int screen_height) {
    int scale = most;
    while (scale > 1 && (least_width(scale, panel) > screen_width || 600 * scale > screen_height)) --scale;
    return scale;
}

}  // namespace

WindowLayout lay_out_window(int scale, bool fullscreen, bool panel, int screen_width, int screen_height) {
    WindowLayout layout;
    const bool screen_known = screen_width > 0 && screen_height > 0;
    if (fullscreen && screen_known && screen_width >= 800 && screen_height >= 600) {
        layout.width = screen_width;
        layout.height = screen_height;
        layout.scale = largest_fitting_scale(std::min(screen_width / 800, screen_height / 600), panel, screen_width,
                                             screen_height);
    } else {
        layout.scale = std::max(1, scale);
        if (screen_known && !fullscreen) {
            layout.scale = largest_fitting_scale(layout.scale, panel, screen_width, screen_height);
            if (layout.scale < scale)
                layout.note = "--scale " + std::to_string(scale) + " does not fit the " + std::to_string(screen_width) +
                              " x " + std::to_string(screen_height) + " screen; showing at scale " +
                              std::to_string(layout.scale);
        }
        layout.width = 800 * layout.scale;
        layout.height = 600 * layout.scale;
        if (panel) {
            int room = widest_panel * layout.scale;
            if (screen_known) room = std::min(room, screen_width - layout.width);
            layout.width += std::max(room, narrowest_panel * layout.scale);
        }
    }
    const int picture_width = 800 * layout.scale, picture_height = 600 * layout.scale;
    layout.picture_top = (layout.height - picture_height) / 2;
    if (panel) {
        // The picture at the left, the panel the rest of the width and the whole height.
        layout.picture_left = 0;
        layout.panel_left = picture_width;
        layout.panel_width = layout.width - picture_width;
        layout.panel_height = layout.height;
    } else {
        layout.picture_left = (layout.width - picture_width) / 2;
    }
    return layout;
}
