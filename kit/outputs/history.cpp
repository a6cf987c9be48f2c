// Run-length coding of the kept pictures.
#include "history.h"

#include <algorithm>

namespace {
constexpr int longest_run = 256;
}

void PictureHistory::keep(const Picture& picture) {
    std::vector<std::uint32_t> runs;
    for (int y = 0; y < Picture::height; ++y) {
        const std::uint32_t* row = picture.row(y);
        for (int x = 0; x < Picture::width;) {
            const std::uint32_t colour = row[x] & 0xFFFFFFu;
            int end = x + 1;
            while (end < Picture::width && end - x < longest_run && row[end] == row[x]) ++end;
            runs.push_back(colour << 8 | static_cast<std::uint32_t>(end - x - 1));
            x = end;
        }
    }
    runs.shrink_to_fit();
    kept_.push_back(std::move(runs));
}

void PictureHistory::show(int n, Picture& into) const {
    std::uint32_t* pixel = into.pixels.data();
    for (const std::uint32_t run : kept_.at(static_cast<std::size_t>(n - 1)))
        pixel = std::fill_n(pixel, (run & 0xFF) + 1, run >> 8);
}

std::size_t PictureHistory::bytes() const {
    std::size_t total = kept_.capacity() * sizeof(std::vector<std::uint32_t>);
    for (const std::vector<std::uint32_t>& runs : kept_) total += runs.capacity() * sizeof(std::uint32_t);
    return total;
}
