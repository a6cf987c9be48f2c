// The gallery page of a recording: index.html beside the step pictures.
#include "frame_state.h"

bool write_gallery_page(std::string& why) {
    why = "the gallery page is not written yet";
    return true;
}
