// The colour-blind-safe palette (--palette safe): each colour that carries meaning in the suite's
// pictures is replaced by one of Okabe and Ito's eight, which people with any of the common colour
// vision deficiencies tell apart, and the words that name a colour name the one shown. The
// replacement is by colour value, so the same pixels are drawn; no program uses two colours that
// become one.
#pragma once

#include <cstdint>
#include <string>

// The safe colour shown for a colour of the usual palette (0xRRGGBB); black, white, grey and any
// colour that carries no meaning stay as they are.
std::uint32_t safe_colour(std::uint32_t rgb);

// The words with each colour named as the safe palette shows it: "red disc" becomes "vermilion
// disc", "light red" "orange". Whole words only, so "covered" or "reddish" stay.
std::string in_safe_colour_words(const std::string& words);
