// A line of text laid out from glyph strips, step by step as SDL_ttf 2.0 sizes and renders a line
// for TTF_RenderText_Solid: the same bounds, kerning, first-glyph shift and clipping, so that the
// ink lands on the same pixels.
#include "label_strips.h"

#include <algorithm>
#include <cstring>

namespace {

const GlyphStrip* strip_of(const LabelFace& face, char c) {
    const int k = static_cast<unsigned char>(c) - first_strip_character;
    return k >= 0 && k < strip_character_count ? &face.glyphs[k] : nullptr;
}

int kerning(const LabelFace& face, char left, char right) {
    const KernPair* end = face.kerns + face.kern_count;
    const KernPair* pair = std::lower_bound(face.kerns, end, KernPair{left, right, 0}, [](const KernPair& a, const KernPair& b) {
        return a.left != b.left ? a.left < b.left : a.right < b.right;
    });
    return pair != end && pair->left == left && pair->right == right ? pair->shift : 0;
}

}  // namespace

const LabelFace* label_face_of_size(int point_size) {
    for (int i = 0; i < label_face_count; ++i)
        if (label_faces[i].point_size == point_size) return &label_faces[i];
    return nullptr;
}

LabelMask lay_out_label(const LabelFace& face, const char* text) {
    std::vector<char> kept;
    for (const char* c = text; *c != '\0'; ++c)
        if (strip_of(face, *c) != nullptr) kept.push_back(*c);
    LabelMask mask;
    if (kept.empty()) return mask;

    // The bounds, as TTF_SizeUTF8 finds them: from the leftmost ink or the pen's start to the
    // farthest ink or advance, and from the top down to the lowest ink, at least the font's height.
    int x = 0, minx = 0, maxx = 0, miny = 0;
    const GlyphStrip* previous = nullptr;
    char previous_character = 0;
    for (const char c : kept) {
        const GlyphStrip& glyph = *strip_of(face, c);
        if (previous != nullptr && previous->index != 0 && glyph.index != 0) x += kerning(face, previous_character, c);
        minx = std::min(minx, x + glyph.minx);
        maxx = std::max(maxx, x + std::max(glyph.advance, glyph.maxx));
        x += glyph.advance;
        miny = std::min(miny, glyph.miny);
        previous = &glyph;
        previous_character = c;
    }
    mask.width = maxx - minx;
    mask.height = std::max(face.ascent - miny, face.height);
    if (mask.width <= 0) return LabelMask{};

    // The surface's rows are padded to four bytes; ink that runs past a row's end goes on into the
    // next row, as it does in SDL_ttf's buffer, and only the end of the buffer stops it.
    const int pitch = (mask.width + 3) & ~3;
    std::vector<std::uint8_t> buffer(std::size_t(pitch) * mask.height, 0);
    int xstart = 0;
    previous = nullptr;
    bool first = true;
    for (const char c : kept) {
        const GlyphStrip& glyph = *strip_of(face, c);
        if (previous != nullptr && previous->index != 0 && glyph.index != 0) xstart += kerning(face, previous_character, c);
        // SDL_ttf moves a first glyph that reaches left of the pen to the surface's left edge.
        if (first && glyph.minx < 0) xstart -= glyph.minx;
        first = false;
        for (int row = 0; row < glyph.rows && row < mask.height; ++row) {
            const long start = long(row) * pitch + xstart + glyph.minx;
            for (int col = 0; col < glyph.width; ++col) {
                const long at = start + col;
                if (at < 0) continue;
                if (at >= long(buffer.size())) break;
                const int bit = glyph.offset + row * glyph.width + col;
                buffer[std::size_t(at)] |= face.ink[bit >> 3] >> (bit & 7) & 1;
            }
        }
        xstart += glyph.advance;
        previous = &glyph;
        previous_character = c;
    }
    mask.ink.resize(std::size_t(mask.width) * mask.height);
    for (int row = 0; row < mask.height; ++row)
        std::memcpy(&mask.ink[std::size_t(row) * mask.width], &buffer[std::size_t(row) * pitch], std::size_t(mask.width));
    return mask;
}
