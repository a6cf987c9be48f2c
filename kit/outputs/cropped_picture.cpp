#include "cropped_picture.h"

#include <algorithm>

CroppedPicture cropped(const Picture& picture) {
    const std::uint32_t background = picture.at(0, 0);
    int left = Picture::width, right = -1, top = Picture::height, bottom = -1;
    for (int y = 0; y < Picture::height; ++y) {
        const std::uint32_t* row = picture.row(y);
        for (int x = 0; x < Picture::width; ++x)
            if (row[x] != background) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = y;
            }
    }
    if (right < 0) left = 0, top = 0, right = Picture::width - 1, bottom = Picture::height - 1;
    left = std::max(0, left - crop_margin);
    top = std::max(0, top - crop_margin);
    right = std::min(Picture::width - 1, right + crop_margin);
    bottom = std::min(Picture::height - 1, bottom + crop_margin);

    CroppedPicture out;
    out.width = right - left + 1;
    out.height = bottom - top + 1;
    out.pixels.reserve(std::size_t(out.width) * out.height);
    for (int y = top; y <= bottom; ++y) out.pixels.insert(out.pixels.end(), picture.row(y) + left, picture.row(y) + right + 1);
    return out;
}
