// Okabe and Ito's colours in place of the usual ones, by value and by name.
#include "safe_palette.h"

#include <cstring>

namespace {

// Okabe and Ito's palette.
constexpr std::uint32_t vermilion = 0xD55E00, bluish_green = 0x009E73, blue = 0x0072B2, reddish_purple = 0xCC79A7,
                        orange = 0xE69F00, sky_blue = 0x56B4E9, yellow = 0xF0E442;

struct Replacement {
    std::uint32_t usual, safe;
};
// The seven colours of the standard palette that carry meaning take the seven colours of Okabe and
// Ito's, one each, so that numbering's tree edges, which run through all seven, stay seven colours;
// the light colours of components' pairs take the ones its pairs do not already use.
constexpr Replacement replacements[] = {
    {0xFF0000, vermilion},      // red
    {0x00FA00, bluish_green},   // green
    {0x0000FA, blue},           // blue
    {0x0000FF, blue},           // blue, as gridtrees mixes it
    {0x963296, reddish_purple}, // purple
    {0x96C896, orange},         // pale green
    {0x9696C8, sky_blue},       // pale blue
    {0xFFFF00, yellow},         // yellow
    {0xFF6464, orange},         // light red (components)
    {0x64FA64, sky_blue},       // light green (components)
    {0x6464FA, reddish_purple}, // light blue (components)
};

struct Renaming {
    const char* usual;
    const char* safe;
};
// Longer names first, so that "light red" is renamed as one name and not as "light" and "red".
constexpr Renaming renamings[] = {
    {"light red", "orange"},         {"light green", "sky blue"}, {"light blue", "reddish purple"},
    {"pale green", "orange"},        {"pale blue", "sky blue"},   {"purple", "reddish purple"},
    {"red", "vermilion"},            {"green", "bluish green"},   {"yellow", "yellow"},
};

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

std::uint32_t safe_colour(std::uint32_t rgb) {
    for (const Replacement& r : replacements)
        if (r.usual == rgb) return r.safe;
    return rgb;
}

std::string in_safe_colour_words(const std::string& words) {
    std::string out;
    out.reserve(words.size() + 16);
    for (std::size_t i = 0; i < words.size();) {
        const bool starts_word = i == 0 || !is_letter(words[i - 1]);
        bool renamed = false;
        for (const Renaming& r : renamings) {
            const std::size_t length = std::strlen(r.usual);
            if (!starts_word || words.size() - i < length) continue;
            // The first letter may be a capital, at the start of a sentence.
            const bool capital = words[i] == r.usual[0] - 'a' + 'A';
            if (!capital && words[i] != r.usual[0]) continue;
            if (words.compare(i + 1, length - 1, r.usual + 1) != 0) continue;
            if (i + length < words.size() && is_letter(words[i + length])) continue;
            std::string safe = r.safe;
            if (capital) safe[0] = static_cast<char>(safe[0] - 'a' + 'A');
            out += safe;
            i += length;
            renamed = true;
            break;
        }
        if (!renamed) out += words[i++];
    }
    return out;
}
