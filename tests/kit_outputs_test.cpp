// The outputs on pictures made up for them, with no program and no screen: the PNG pictures and
// the GIF must give back exactly the pixels they were handed, whatever their number of colours.
#include "gif_decoding.h"
#include "output.h"
#include "png_file.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const Narration no_words;
constexpr ShowState test_show{"test", 3, false, 0, nullptr};

// Four colours, in rectangles and a diagonal line, like a step of the suite.
Picture few_colours() {
    Picture picture;
    for (int y = 100; y < 300; ++y)
        for (int x = 50; x < 400; ++x) picture.at(x, y) = 0x00FA00;
    for (int k = 0; k < 500; ++k) picture.at(k + 150, k / 2 + 200) = 0xFF0000;
    picture.at(799, 599) = 0x000000;
    return picture;
}

// A 300 x 300 square of some 77000 colours in the middle: more than a palette or a GIF colour map holds.
Picture many_colours() {
    Picture picture;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x) picture.at(x + 250, y + 150) = std::uint32_t(x & 0xFF) << 16 | std::uint32_t(y & 0xFF) << 8 | std::uint32_t(x / 256 * 0x80);
    return picture;
}

struct Decoded {
    Picture picture;
    bool palette = false;
};

Decoded read_back(const std::string& path) {
    Decoded decoded;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        ADD_FAILURE() << "cannot read " << path << ": " << image.message;
        return decoded;
    }
    decoded.palette = (image.format & PNG_FORMAT_FLAG_COLORMAP) != 0;
    EXPECT_EQ(image.width, 800u);
    EXPECT_EQ(image.height, 600u);
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
    EXPECT_TRUE(png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) << image.message;
    for (std::size_t i = 0; i < decoded.picture.pixels.size() && 3 * i + 2 < bytes.size(); ++i)
        decoded.picture.pixels[i] = std::uint32_t(bytes[3 * i]) << 16 | std::uint32_t(bytes[3 * i + 1]) << 8 | bytes[3 * i + 2];
    return decoded;
}

std::vector<std::string> names_in(const std::string& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

class Outputs : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/graphsteps-outputs-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string folder;
};

TEST_F(Outputs, PngIsAPaletteUpTo256ColoursAndRgbBeyondWithTheExactPixels) {
    std::string why;
    ASSERT_TRUE(write_png(folder + "/few.png", few_colours(), why)) << why;
    const Decoded few = read_back(folder + "/few.png");
    EXPECT_TRUE(few.palette);
    EXPECT_EQ(few.picture.pixels, few_colours().pixels);

    ASSERT_TRUE(write_png(folder + "/many.png", many_colours(), why)) << why;
    const Decoded many = read_back(folder + "/many.png");
    EXPECT_FALSE(many.palette);
    EXPECT_EQ(many.picture.pixels, many_colours().pixels);
    EXPECT_EQ(names_in(folder), (std::vector<std::string>{"few.png", "many.png"}));  // no temporary left
}

TEST_F(Outputs, PngThatCannotBeWrittenLeavesNothingBehind) {
    // The name is taken by a folder: the picture is written beside it, and the rename fails.
    fs::create_directory(folder + "/step-001.png");
    fs::create_directory(folder + "/step-001.png/inside");
    std::string why;
    EXPECT_FALSE(write_png(folder + "/step-001.png", few_colours(), why));
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(names_in(folder), std::vector<std::string>{"step-001.png"});  // the temporary is gone
    EXPECT_TRUE(fs::is_directory(folder + "/step-001.png/inside"));
}

// The GIF writer driven as the show drives it, then decoded: each step's frame composes to exactly
// the step's picture, including one with far more colours than a GIF frame can name.
TEST_F(Outputs, GifGivesBackEveryStepExactlyWhateverItsColours) {
    Settings settings;
    settings.gif_path = folder + "/show.gif";
    std::string why;
    ASSERT_TRUE(gif_output.wanted(settings));
    ASSERT_TRUE(gif_output.start(settings, "test", why)) << why;
    const std::vector<Picture> steps = {few_colours(), many_colours(), few_colours()};
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const Step step{&test_show, static_cast<int>(k + 1), &steps[k], &no_words};
        ASSERT_EQ(gif_output.step(step, why), Outcome::go_on) << why;
    }
    ASSERT_TRUE(gif_output.finish(why)) << why;

    Picture canvas;
    std::vector<Picture> shown;  // the canvas at the end of each step: its frame with a delay
    decode_gif(
        settings.gif_path,
        [&](int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
            canvas.at(x, y) = std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | b;
        },
        [&](const GraphicsControlBlock& control) {
            if (control.DelayTime > 0) shown.push_back(canvas);
        });
    ASSERT_EQ(shown.size(), steps.size());
    for (std::size_t k = 0; k < steps.size(); ++k) EXPECT_EQ(shown[k].pixels, steps[k].pixels) << "step " << k + 1;
}

TEST_F(Outputs, GifOfAFailedShowIsRemoved) {
    Settings settings;
    settings.gif_path = folder + "/show.gif";
    std::string why;
    ASSERT_TRUE(gif_output.start(settings, "test", why)) << why;
    const Picture picture = few_colours();
    ASSERT_EQ(gif_output.step({&test_show, 1, &picture, &no_words}, why), Outcome::go_on);
    EXPECT_EQ(names_in(folder).size(), 1u);  // the GIF in the making
    gif_output.discard();
    EXPECT_EQ(names_in(folder), std::vector<std::string>{});
}

}  // namespace
