// --gif: the whole show as one animated GIF.
#include "frame_state.h"

std::string gif_path;

void gif_start() {}
void gif_add_step() {}
void gif_add_animation_frame() {}
void gif_finish() {}
