// The conversion from the surface's pixel format to RGB, by the format's shifts and losses rather
// than a library call per pixel.
#include "capture.h"

#include <cstring>

namespace {

// One channel of a mapped pixel, widened back to 8 bits exactly as SDL_GetRGB widens it.
inline std::uint32_t channel(Uint32 pixel, Uint32 mask, Uint8 shift, Uint8 loss) {
    const Uint32 value = (pixel & mask) >> shift;
    return ((value << loss) + (value >> (8 - (loss << 1)))) & 0xFF;
}

}  // namespace

void Capture::take(const SDL_Surface& surface) {
    const SDL_PixelFormat& f = *surface.format;
    const std::size_t count = std::size_t(Picture::width) * Picture::height;
    const bool fresh = raw_.size() != count;
    if (fresh) raw_.assign(count, 0);
    const Uint32* pixels = static_cast<const Uint32*>(surface.pixels);
    for (int y = 0; y < Picture::height; ++y) {
        const std::size_t start = std::size_t(y) * Picture::width;
        const Uint32* source = pixels + start;
        if (!fresh && std::memcmp(source, &raw_[start], sizeof(Uint32) * Picture::width) == 0) continue;
        std::memcpy(&raw_[start], source, sizeof(Uint32) * Picture::width);
        std::uint32_t* rgb = &picture_.pixels[start];
        // The pictures are long runs of one colour: convert each run once.
        Uint32 last = source[0] + 1;
        std::uint32_t last_rgb = 0;
        for (int x = 0; x < Picture::width; ++x) {
            if (source[x] != last) {
                last = source[x];
                last_rgb = channel(last, f.Rmask, f.Rshift, f.Rloss) << 16 |
                           channel(last, f.Gmask, f.Gshift, f.Gloss) << 8 |
                           channel(last, f.Bmask, f.Bshift, f.Bloss);
                if (recolour_ != nullptr) last_rgb = recolour_(last_rgb);
            }
            rgb[x] = last_rgb;
        }
    }
}
