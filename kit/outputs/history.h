// The pictures a window has shown, kept to be shown again (--browse). A step's picture has few
// colours in long runs, so each is kept run-length coded: some 30 KB rather than 1.9 MB.
#pragma once

#include "picture.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class PictureHistory {
public:
    void keep(const Picture& picture);
    int count() const { return static_cast<int>(kept_.size()); }
    // The picture kept as number `n`, counting from 1 to count().
    void show(int n, Picture& into) const;
    // What the kept pictures take in memory, with the vectors' spare room.
    std::size_t bytes() const;
    void clear() { kept_.clear(); }

private:
    // A run is 0xRRGGBB << 8 | (its length - 1): 1 to 256 pixels of one colour, in one row.
    std::vector<std::vector<std::uint32_t>> kept_;
};
