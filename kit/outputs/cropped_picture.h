// What a step drew, without the empty background around it: the worksheet prints a picture as wide
// as the page, and the blank part of the 800 x 600 window would only make the drawing smaller.
#pragma once

#include "picture.h"

#include <cstdint>
#include <vector>

struct CroppedPicture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // 0xRRGGBB, row by row from the top-left corner
};

// Background pixels kept around the drawing, so that no disc or label touches the edge.
constexpr int crop_margin = 6;

// The bounding box of the pixels that differ from the background (the colour of the top-left
// corner, which no program draws on), widened by crop_margin and held to the picture. A picture
// of background alone is kept whole.
CroppedPicture cropped(const Picture& picture);
