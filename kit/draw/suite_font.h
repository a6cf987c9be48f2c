// The labels' font at any point size, for the desktop's teaching panel (fonts.cpp).
#pragma once

#include <SDL_ttf.h>

// Found where the labels' font is; ends the show, saying where it looked, when there is none. The
// caller has called TTF_Init, and closes the font.
TTF_Font* open_suite_font(int point_size);
