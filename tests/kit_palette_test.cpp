// The safe palette's colours and names, without a program: what each usual colour becomes, and how
// the words that name colours are renamed.
#include "safe_palette.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(SafeColours, EachMeaningfulColourHasOneSafeColourAndTheRestStay) {
    // The standard palette's seven colours that carry meaning, which numbering uses all at once.
    const std::set<std::uint32_t> standard{0xFF0000, 0x00FA00, 0x0000FA, 0x963296, 0x96C896, 0x9696C8, 0xFFFF00};
    std::set<std::uint32_t> safe;
    for (const std::uint32_t colour : standard) safe.insert(safe_colour(colour));
    EXPECT_EQ(safe.size(), standard.size()) << "two standard colours became one";
    for (const std::uint32_t colour : standard) EXPECT_EQ(safe.count(colour), 0u) << std::hex << colour << " stayed";
    // components' eight colours of four pairs, likewise.
    std::set<std::uint32_t> pairs;
    for (const std::uint32_t colour : {0xFF0000u, 0x00FA00u, 0x0000FAu, 0xFF6464u, 0x64FA64u, 0x6464FAu, 0xFFFF00u, 0xC8C8C8u})
        pairs.insert(safe_colour(colour));
    EXPECT_EQ(pairs.size(), 8u);
    EXPECT_EQ(safe_colour(0x0000FF), safe_colour(0x0000FA)) << "both blues are one blue";
    for (const std::uint32_t stays : {0x000000u, 0xFFFFFFu, 0xC8C8C8u, 0x123456u}) EXPECT_EQ(safe_colour(stays), stays);
}

TEST(SafeColourWords, WholeColourNamesAreRenamedAndNothingElse) {
    const struct {
        const char* usual;
        const char* safe;
    } cases[] = {
        {"small red circle", "small vermilion circle"},
        {"Red and green discs.", "Vermilion and bluish green discs."},
        {"(red, green, blue, purple, pale green, pale blue, yellow)",
         "(vermilion, bluish green, blue, reddish purple, orange, sky blue, yellow)"},
        {"larger light red disc; light blue; light green", "larger orange disc; reddish purple; sky blue"},
        {"discovered, covered, reddish, greenery, redraw", "discovered, covered, reddish, greenery, redraw"},
        {"the red arrow 1->2 (red)", "the vermilion arrow 1->2 (vermilion)"},
        {"light, pale and grey", "light, pale and grey"},
        {"red", "vermilion"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(in_safe_colour_words(c.usual), c.safe);
}

}  // namespace
