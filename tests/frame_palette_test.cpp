// The colour-blind-safe palette (--palette safe) on every program: the same pixels as the usual
// palette, each colour class in one colour of its own; every two colours a picture shows stay
// apart for people with any of the three kinds of dichromacy; and the words name the colours shown.
#include "recording.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

unsigned int rgb_of(const Rgb& c) { return unsigned(c.r) << 16 | unsigned(c.g) << 8 | c.b; }

// ---- Seeing as a dichromat does -------------------------------------------------------------
// Machado, Oliveira and Fernandes' simulation at full severity, on linear RGB, compared in CIELAB.

using Matrix = std::array<std::array<double, 3>, 3>;
constexpr Matrix protan{{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix deutan{{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix tritan{{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}};
constexpr Matrix trichromat{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

double linear(unsigned int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::array<double, 3> seen_in_lab(unsigned int rgb, const Matrix& vision) {
    const double in[3] = {linear(rgb >> 16 & 0xFF), linear(rgb >> 8 & 0xFF), linear(rgb & 0xFF)};
    double c[3];
    for (int i = 0; i < 3; ++i) c[i] = std::clamp(vision[i][0] * in[0] + vision[i][1] * in[1] + vision[i][2] * in[2], 0.0, 1.0);
    const double x = (0.4124 * c[0] + 0.3576 * c[1] + 0.1805 * c[2]) / 0.95047;
    const double y = 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
    const double z = (0.0193 * c[0] + 0.1192 * c[1] + 0.9505 * c[2]) / 1.08883;
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double difference(unsigned int a, unsigned int b, const Matrix& vision) {
    const auto p = seen_in_lab(a, vision), q = seen_in_lab(b, vision);
    return std::sqrt((p[0] - q[0]) * (p[0] - q[0]) + (p[1] - q[1]) * (p[1] - q[1]) + (p[2] - q[2]) * (p[2] - q[2]));
}

// Colours this far apart in CIELAB are told apart at a glance; grey on white, the least different
// pair the suite draws on purpose, is some 19 apart.
constexpr double told_apart = 15;

// The two colours of `colours` that a viewer with this vision sees as the closest, and how far
// apart they are.
struct Closest {
    double apart = 1e9;
    unsigned int a = 0, b = 0;
};
Closest closest_pair(const std::set<unsigned int>& colours, const Matrix& vision) {
    Closest closest;
    for (auto i = colours.begin(); i != colours.end(); ++i)
        for (auto j = std::next(i); j != colours.end(); ++j)
            if (const double d = difference(*i, *j, vision); d < closest.apart) closest = {d, *i, *j};
    return closest;
}

TEST(SafePaletteVision, TheSimulationFindsTheUsualPairsThatFailAndTheSafeOnesThatDoNot) {
    // The usual green beside the usual yellow (dfsedges' arrows on its bands) is hard for a protan.
    EXPECT_LT(difference(0x00FA00, 0xFFFF00, protan), told_apart);
    EXPECT_GT(difference(0x00FA00, 0xFFFF00, trichromat), told_apart);
    EXPECT_GT(difference(0x009E73, 0xF0E442, protan), told_apart);
    // Okabe and Ito's colours, with grey, black and white, are all told apart by every viewer.
    const std::set<unsigned int> safe{0xD55E00, 0x009E73, 0x0072B2, 0xCC79A7, 0xE69F00,
                                      0x56B4E9, 0xF0E442, 0xC8C8C8, 0x000000, 0xFFFFFF};
    for (const Matrix* vision : {&trichromat, &protan, &deutan, &tritan})
        EXPECT_GT(closest_pair(safe, *vision).apart, told_apart);
}

// ---- Every program in both palettes ----------------------------------------------------------

std::string hex(unsigned int rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", rgb);
    return text;
}

// The colours the words may name, by the pixels they stand for: written out here rather than taken
// from the kit, so that a wrong name in the kit's tables is found. Longer names first.
struct ColourWord {
    const char* name;
    std::vector<unsigned int> rgb;  // blue is drawn in two shades
};
const std::vector<ColourWord> usual_colour_words{
    {"light red", {0xFF6464}}, {"light green", {0x64FA64}}, {"light blue", {0x6464FA}},
    {"pale green", {0x96C896}}, {"pale blue", {0x9696C8}},  {"red", {0xFF0000}},
    {"green", {0x00FA00}},      {"blue", {0x0000FA, 0x0000FF}}, {"purple", {0x963296}},
    {"yellow", {0xFFFF00}},
};
const std::vector<ColourWord> safe_colour_words{
    {"bluish green", {0x009E73}}, {"reddish purple", {0xCC79A7}}, {"sky blue", {0x56B4E9}},
    {"vermilion", {0xD55E00}},    {"orange", {0xE69F00}},         {"blue", {0x0072B2}},
    {"yellow", {0xF0E442}},
};

std::regex any_of(const std::vector<ColourWord>& words) {
    std::string alternatives;
    for (const ColourWord& word : words) alternatives += (alternatives.empty() ? "" : "|") + std::string(word.name);
    return std::regex("\\b(" + alternatives + ")\\b", std::regex::icase);
}

// The colour words of one line, in order.
std::vector<const ColourWord*> colour_words_in(const std::string& line, const std::vector<ColourWord>& words) {
    static const std::regex any_usual = any_of(usual_colour_words), any_safe = any_of(safe_colour_words);
    const std::regex& any_word = &words == &usual_colour_words ? any_usual : any_safe;
    std::vector<const ColourWord*> found;
    for (auto it = std::sregex_iterator(line.begin(), line.end(), any_word); it != std::sregex_iterator(); ++it) {
        std::string name = it->str();
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        for (const ColourWord& word : words)
            if (name == word.name) found.push_back(&word);
    }
    return found;
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The pictures and words of the usual palette are the golden ones, reviewed and held by the golden
// test; only the safe palette is recorded here.
class SafePalette : public ::testing::TestWithParam<ListedProgram> {};

}  // namespace

void PrintTo(const ListedProgram& program, std::ostream* out) { *out << program.name; }

namespace {

TEST_P(SafePalette, DrawsTheSamePixelsInColoursEveryViewerTellsApartAndNamesTheColoursDrawn) {
    const ListedProgram& program = GetParam();
    const std::string run = program.seeds.empty() ? program.name : program.name + "-" + program.seeds.front();
    const std::string golden = SOURCE_DIR "/tests/golden/" + run;
    std::vector<Picture> usual;
    for (int k = 1; k <= program.steps; ++k) {
        char name[32];
        std::snprintf(name, sizeof name, "/step-%03d.png", k);
        usual.push_back(read_png(golden + name));
    }
    const std::string usual_transcript = slurp(golden + "/steps.txt");
    const Recording safe = record(program.name, (program.seeds.empty() ? "" : "--seed " + program.seeds.front()) + " --palette safe");
    ASSERT_EQ(safe.run.exit_status, 0) << safe.run.err;
    ASSERT_EQ(safe.steps.size(), usual.size());

    // Each usual colour becomes one safe colour, and no two become the same one.
    std::map<unsigned int, unsigned int> to_safe, from_safe;
    std::set<unsigned int> shown;
    for (std::size_t k = 0; k < usual.size(); ++k) {
        ASSERT_EQ(safe.steps[k].pixels.size(), usual[k].pixels.size());
        unsigned int last_u = 0x1000000, last_s = 0;  // a pair just checked, as most of a row is
        for (std::size_t i = 0; i < usual[k].pixels.size(); ++i) {
            const unsigned int u = rgb_of(usual[k].pixels[i]), s = rgb_of(safe.steps[k].pixels[i]);
            if (u == last_u && s == last_s) continue;
            last_u = u, last_s = s;
            const auto [to, new_usual] = to_safe.emplace(u, s);
            const auto [from, new_safe] = from_safe.emplace(s, u);
            ASSERT_TRUE(to->second == s && from->second == u)
                << "step " << k + 1 << " pixel " << i << ": " << hex(u) << " became " << hex(s) << ", elsewhere "
                << hex(to->second) << " and " << hex(from->second) << " " << hex(s);
            shown.insert(s);
        }
    }
    EXPECT_GE(to_safe.size(), 2u);
    for (const unsigned int kept : {0x000000u, 0xFFFFFFu, 0xC8C8C8u})
        if (to_safe.count(kept)) {
            EXPECT_EQ(to_safe[kept], kept) << hex(kept);
        }
    for (const Matrix* vision : {&trichromat, &protan, &deutan, &tritan}) {
        const Closest closest = closest_pair(shown, *vision);
        EXPECT_GT(closest.apart, told_apart) << hex(closest.a) << " and " << hex(closest.b) << " look alike";
    }

    // Line by line, the safe words name the colour that the usual words' colour became in the
    // pixels: a legend or a sentence that names any other colour is wrong. A usual colour the
    // show never draws has nothing to be held to.
    const std::vector<std::string> usual_lines = lines_of(usual_transcript), safe_lines = lines_of(safe.transcript);
    ASSERT_EQ(safe_lines.size(), usual_lines.size()) << "every step says as much as before";
    int held = 0;
    for (std::size_t i = 0; i < usual_lines.size(); ++i) {
        const auto said = colour_words_in(usual_lines[i], usual_colour_words);
        const auto said_safe = colour_words_in(safe_lines[i], safe_colour_words);
        static const std::regex safe_names("bluish green|reddish purple|sky blue", std::regex::icase);
        const std::string without_safe_names = std::regex_replace(safe_lines[i], safe_names, "");
        const auto left = colour_words_in(without_safe_names, usual_colour_words);
        std::size_t unrenamed = 0;  // "blue" and "yellow" are names in both palettes
        for (const ColourWord* word : left) {
            const std::string name = word->name;
            unrenamed += name != "blue" && name != "yellow";
        }
        EXPECT_EQ(unrenamed, 0u) << "a usual colour's name is left: " << safe_lines[i];
        ASSERT_EQ(said_safe.size(), said.size()) << usual_lines[i] << "\n" << safe_lines[i];
        for (std::size_t w = 0; w < said.size(); ++w)
            for (const unsigned int u : said[w]->rgb) {
                if (!to_safe.count(u)) continue;
                ++held;
                EXPECT_EQ(hex(to_safe[u]), hex(said_safe[w]->rgb.front()))
                    << "\"" << said_safe[w]->name << "\" names " << hex(said_safe[w]->rgb.front()) << " where "
                    << said[w]->name << " " << hex(u) << " is drawn as " << hex(to_safe[u]) << ": " << safe_lines[i];
            }
    }
    EXPECT_GT(held, 0) << "no colour word was held to a colour drawn";
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, SafePalette, ::testing::ValuesIn(listed_programs()),
                         [](const ::testing::TestParamInfo<ListedProgram>& info) { return info.param.name; });

}  // namespace
