// Labels without a font library: each glyph of the label font as a strip of ink, with its metrics
// and the font's kerning, all taken from SDL_ttf and FreeType when the build runs the glyph-strips
// tool, and laid out here as SDL_ttf lays out a line for TTF_RenderText_Solid. The browser build
// draws its labels this way, to the pixel what SDL_ttf draws on the desktop.
#pragma once

#include <cstdint>
#include <vector>

// The glyphs of the printable ASCII characters, ' ' to '~'.
constexpr int first_strip_character = 32;
constexpr int strip_character_count = 95;

struct GlyphStrip {
    int minx, maxx, miny, advance;  // SDL_ttf's metrics of the glyph, in pixels
    int index;                      // the font's glyph index; 0 for a character it lacks
    int width, rows;                // the strip: the glyph's ink from minx, rows from the line's top
    int offset;                     // the bit where its width x rows bits start in the face's ink
};

struct KernPair {
    char left, right;
    int shift;  // pixels added between the two (negative: closer)
};

struct LabelFace {
    int point_size;
    int height;  // SDL_ttf's font height, the height of every line
    int ascent;
    const GlyphStrip* glyphs;  // strip_character_count of them
    const std::uint8_t* ink;   // a bit per pixel, the first in the lowest bit: 0 background, 1 ink
    const KernPair* kerns;     // sorted by left, then right
    int kern_count;
};

// The faces the build made, one per point size the programs use.
extern const LabelFace label_faces[];
extern const int label_face_count;
// The face of that point size, or null.
const LabelFace* label_face_of_size(int point_size);

// A laid-out line: width x height bytes, row by row, 0 for background and 1 for ink, as in the
// 8-bit surface of TTF_RenderText_Solid. Empty (width 0) for an empty text, for which SDL_ttf gives
// no surface.
struct LabelMask {
    int width = 0, height = 0;
    std::vector<std::uint8_t> ink;
};
// Characters outside ' ' to '~' are left out.
LabelMask lay_out_label(const LabelFace& face, const char* text);
