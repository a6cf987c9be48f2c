// Reads the window's surface into a Picture.
#pragma once

#include "picture.h"

#include <SDL.h>

#include <vector>

// Keeps the last raw pixels it read, so that an animation frame, which changes a few rows, costs
// the conversion of those rows only.
class Capture {
public:
    // Brings `picture()` up to date with `surface` (800 x 600, 32 bits, addressed by width as the
    // kit addresses it).
    void take(const SDL_Surface& surface);
    const Picture& picture() const { return picture_; }
    void forget() { raw_.clear(); }
    // Each colour read is shown as `recolour` gives it (0xRRGGBB to 0xRRGGBB); null: as it is.
    void recolour_with(std::uint32_t (*recolour)(std::uint32_t)) {
        recolour_ = recolour;
        raw_.clear();
    }

private:
    std::uint32_t (*recolour_)(std::uint32_t) = nullptr;
    Picture picture_;
    std::vector<Uint32> raw_;
};
