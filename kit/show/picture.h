// A captured picture: what the window shows at one moment, as 800 x 600 colours. The outputs take
// pictures, never the screen, so that each of them can be tested on pictures made up for it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Picture {
    static constexpr int width = 800;
    static constexpr int height = 600;
    // 0xRRGGBB per pixel, row by row from the top-left corner.
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(std::size_t(width) * height, 0xFFFFFFu);

    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
    std::uint32_t& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    const std::uint32_t* row(int y) const { return &pixels[std::size_t(y) * width]; }
};

constexpr std::uint32_t red_of(std::uint32_t rgb) { return rgb >> 16 & 0xFF; }
constexpr std::uint32_t green_of(std::uint32_t rgb) { return rgb >> 8 & 0xFF; }
constexpr std::uint32_t blue_of(std::uint32_t rgb) { return rgb & 0xFF; }
