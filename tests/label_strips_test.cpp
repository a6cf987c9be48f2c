// The browser's labels against SDL_ttf's: the glyph strips that glyph_strips took from this
// machine's SDL_ttf, laid out by label_layout.cpp, must give the very pixels of
// TTF_RenderText_Solid for every glyph, every pair of glyphs (where kerning and overhangs meet)
// and longer lines, at every point size the programs use.
#include "label_strips.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <string>

namespace {

class LabelStrips : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(TTF_Init(), 0) << TTF_GetError(); }
    static void TearDownTestSuite() { TTF_Quit(); }

    // How many pixels differ between the laid-out line and SDL_ttf's; -1 when the sizes differ.
    static long differing_pixels(TTF_Font* font, const LabelFace& face, const std::string& text) {
        const LabelMask mask = lay_out_label(face, text.c_str());
        SDL_Surface* line = TTF_RenderText_Solid(font, text.c_str(), SDL_Color{0, 0, 0, 0});
        if (line == nullptr) return mask.width == 0 ? 0 : -1;
        long differing = -1;
        if (line->w == mask.width && line->h == mask.height) {
            differing = 0;
            for (int y = 0; y < line->h; ++y)
                for (int x = 0; x < line->w; ++x) {
                    const bool ink = static_cast<const Uint8*>(line->pixels)[y * line->pitch + x] != 0;
                    differing += ink != (mask.ink[std::size_t(y) * mask.width + x] != 0);
                }
        }
        SDL_FreeSurface(line);
        return differing;
    }

    template <typename Texts>
    static void expect_identical(const Texts& each_text) {
        ASSERT_GT(label_face_count, 0);
        for (int f = 0; f < label_face_count; ++f) {
            const LabelFace& face = label_faces[f];
            TTF_Font* font = TTF_OpenFont(LABEL_FONT, face.point_size);
            ASSERT_NE(font, nullptr) << TTF_GetError();
            long texts = 0, wrong = 0;
            std::string first_wrong;
            each_text([&](const std::string& text) {
                ++texts;
                const long differing = differing_pixels(font, face, text);
                if (differing != 0 && wrong++ == 0)
                    first_wrong = "'" + text + "': " + (differing < 0 ? "another size" : std::to_string(differing) + " pixels");
            });
            TTF_CloseFont(font);
            EXPECT_GT(texts, 0);
            EXPECT_EQ(wrong, 0) << face.point_size << " points: " << wrong << " of " << texts << " texts differ, first " << first_wrong;
        }
    }
};

std::string character(int k) { return std::string(1, static_cast<char>(first_strip_character + k)); }

TEST_F(LabelStrips, EveryGlyphAloneAndEveryPairAsSdlTtfDrawsThem) {
    expect_identical([](auto check) {
        for (int a = 0; a < strip_character_count; ++a) {
            check(character(a));
            for (int b = 0; b < strip_character_count; ++b) check(character(a) + character(b));
        }
    });
}

TEST_F(LabelStrips, NumbersAndLinesWithKerningSpacesAndOverhangs) {
    expect_identical([](auto check) {
        for (int n = 0; n < 2000; ++n) check(std::to_string(n));
        for (const char* text : {"AVAT Ta Yo Wa LT P.", " leading and trailing ", "j(j)j", "fjord ff fi",
                                 "pass 7 of 8", "0 1 0 1 1 0 0 1 0 1 1 1", "{[|]}~`^_", "\\/\\/", "W.V.Y.T,", "1089"})
            check(text);
    });
}

TEST_F(LabelStrips, AnEmptyTextDrawsNothingAndOnlyTheMadeSizesAreFound) {
    ASSERT_GT(label_face_count, 0);
    EXPECT_EQ(lay_out_label(label_faces[0], "").width, 0);
    EXPECT_EQ(label_face_of_size(label_faces[0].point_size), &label_faces[0]);
    EXPECT_EQ(label_face_of_size(3), nullptr);
}

}  // namespace
