#include "kit_surface.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Frame = OffscreenTest;

TEST_F(Frame, PixelsAreAddressedByWidth) {
    put_pixel(799, 599, ink);
    put_pixel(0, 1, ink + 1);
    const Uint32* pixels = static_cast<const Uint32*>(screen->pixels);
    EXPECT_EQ(pixels[479999], ink);
    EXPECT_EQ(pixels[800], ink + 1);
    EXPECT_EQ(get_pixel(0, 1), ink + 1);
}

TEST_F(Frame, StandardPaletteHasTheSharedTenColours) {
    map_standard_palette();
    EXPECT_EQ(palette[standard::black], 0x000000u);
    EXPECT_EQ(palette[standard::green], 0x00FA00u);  // 250, not 255
    EXPECT_EQ(palette[standard::blue], 0x0000FAu);
    EXPECT_EQ(palette[standard::purple], 0x963296u);
    EXPECT_EQ(palette[standard::grey], 0xC8C8C8u);
    EXPECT_EQ(palette[standard::white], 0xFFFFFFu);
}

TEST_F(Frame, LabelsAreBlackAtTheirTopLeftCornerAndClippedAtTheEdge) {
    open_labels(20);
    ASSERT_NE(label_font, nullptr);
    draw_label(100, 50, "%d", 7);
    const Points text = drawn();
    ASSERT_FALSE(text.empty());
    for (const Point& p : text) {
        EXPECT_EQ(get_pixel(p.first, p.second), 0u);
        EXPECT_GE(p.first, 100);
        EXPECT_GE(p.second, 50);
    }
    EXPECT_STREQ(text_buffer, "7");

    // Past the right edge SDL clips the blit and leaves the clipped size in label_rect.
    draw_label(795, 10, "%s", "wide label");
    EXPECT_LE(label_rect.x + label_rect.w, screen_width);
    EXPECT_LT(label_rect.w, 10);

    // A text longer than the buffer is cut, not written past it.
    const std::string long_text(3000, '1');
    draw_label(0, 500, "%s", long_text.c_str());
    EXPECT_EQ(std::strlen(text_buffer), std::size_t(text_buffer_size - 1));

    change_label_size(18);
    EXPECT_NE(label_font, nullptr);
    close_labels();
    EXPECT_EQ(label_font, nullptr);
}

}  // namespace
