// Where a label's pixels come from: SDL_ttf on the desktop (fonts.cpp), glyph strips in the
// browser (strip_labels.cpp). Each also gives open_labels, change_label_size and close_labels.
#pragma once

// Draws `text` in black with its top-left corner at (x, y), clipped to the screen, and leaves in
// label_rect where it landed: x and y, and the width and height that were drawn.
void put_label(int x, int y, const char* text);
