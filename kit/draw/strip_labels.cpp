// The labels in the browser: the label font's glyph strips, laid out as SDL_ttf lays out a line and
// drawn as SDL 1.2 blits SDL_ttf's solid text, so that they match the desktop's labels pixel for
// pixel. The font's point sizes are the ones the build made strips of.
#include "kit.h"
#include "label_strips.h"
#include "labels.h"
#include "show.h"

#include <algorithm>
#include <string>

namespace {

const LabelFace* face = nullptr;

const LabelFace* face_of_size(int point_size) {
    if (const LabelFace* found = label_face_of_size(point_size)) return found;
    std::string sizes;
    for (int i = 0; i < label_face_count; ++i) sizes += (i == 0 ? "" : ", ") + std::to_string(label_faces[i].point_size);
    fail_show("the label font was built into this program at " + sizes + " points, not at " + std::to_string(point_size) +
              " (add the size to LABEL_POINT_SIZES in CMakeLists.txt)");
}

}  // namespace

void open_labels(int point_size) { face = face_of_size(point_size); }
void change_label_size(int point_size) { face = face_of_size(point_size); }
void close_labels() { face = nullptr; }

void put_label(int x, int y, const char* text) {
    if (face == nullptr) return;  // open_labels was never called
    const LabelMask mask = lay_out_label(*face, text);
    if (mask.width == 0) return;  // nothing drawn for an empty text, as SDL_ttf gives no surface
    // Clipped as SDL_BlitSurface clips, and label_rect written back as it writes it.
    const SDL_Rect& clip = screen->clip_rect;
    int left = x, top = y, from_x = 0, from_y = 0, width = mask.width, height = mask.height;
    if (left < clip.x) {
        from_x = clip.x - left;
        width -= from_x;
        left = clip.x;
    }
    if (top < clip.y) {
        from_y = clip.y - top;
        height -= from_y;
        top = clip.y;
    }
    width = std::min(width, clip.x + clip.w - left);
    height = std::min(height, clip.y + clip.h - top);
    label_rect.x = static_cast<decltype(label_rect.x)>(left);
    label_rect.y = static_cast<decltype(label_rect.y)>(top);
    if (width <= 0 || height <= 0) {
        label_rect.w = label_rect.h = 0;
        return;
    }
    label_rect.w = static_cast<decltype(label_rect.w)>(width);
    label_rect.h = static_cast<decltype(label_rect.h)>(height);
    const Uint32 ink = SDL_MapRGB(screen->format, text_colour.r, text_colour.g, text_colour.b);
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col)
            if (mask.ink[std::size_t(from_y + row) * mask.width + from_x + col] != 0) put_pixel(left + col, top + row, ink);
}
