// What every program draws with: the surface, the palette, pixel access and labels.
#include "kit.h"
#include "labels.h"

#include <cstdarg>
#include <cstdio>

SDL_Surface* screen = nullptr;
Uint32 palette[palette_capacity] = {};

TTF_Font* label_font = nullptr;
const SDL_Color text_colour = {0, 0, 0, 0};
char text_buffer[text_buffer_size] = {};
SDL_Rect label_rect = {0, 0, 0, 0};

namespace {
struct Colour {
    Uint8 r, g, b;
};
constexpr Colour standard_colours[standard::slot_count] = {
    {0, 0, 0},       {255, 0, 0},     {0, 250, 0},     {0, 0, 250},     {150, 50, 150},
    {150, 200, 150}, {150, 150, 200}, {255, 255, 0},   {200, 200, 200}, {255, 255, 255},
};
}  // namespace

void map_standard_palette(std::initializer_list<standard::Slot> order) {
    for (const standard::Slot slot : order) {
        const Colour& c = standard_colours[slot];
        palette[slot] = SDL_MapRGB(screen->format, c.r, c.g, c.b);
    }
}

void map_standard_palette() {
    using namespace standard;
    map_standard_palette({black, red, green, blue, purple, pale_green, pale_blue, yellow, grey, white});
}

void put_pixel(int x, int y, Uint32 colour) {
    static_cast<Uint32*>(screen->pixels)[x + y * screen->w] = colour;
}

Uint32 get_pixel(int x, int y) {
    return static_cast<const Uint32*>(screen->pixels)[x + y * screen->w];
}

void draw_label(int x, int y, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text_buffer, sizeof text_buffer, format, arguments);
    va_end(arguments);

    put_label(x, y, text_buffer);
}
