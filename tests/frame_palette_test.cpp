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

// The words that name a colour of the usual palette, but not of the safe one.
const std::regex usual_colour_word("\\b(red|green|purple|pale|light (red|green|blue))\\b", std::regex::icase);

TEST(SafePalette, EveryProgramDrawsTheSamePixelsInColoursEveryViewerTellsApartAndNamesThem) {
    for (const ListedProgram& program : listed_programs()) {
        const std::string seed = program.seeds.empty() ? "" : " --seed " + program.seeds.front();
        const Recording usual = record(program.name, seed);
        const Recording safe = record(program.name, seed + " --palette safe");
        ASSERT_EQ(usual.run.exit_status, 0) << program.name << ": " << usual.run.err;
        ASSERT_EQ(safe.run.exit_status, 0) << program.name << ": " << safe.run.err;
        ASSERT_EQ(safe.steps.size(), usual.steps.size()) << program.name;

        // Each usual colour becomes one safe colour, and no two become the same one.
        std::map<unsigned int, unsigned int> to_safe, from_safe;
        std::set<unsigned int> shown;
        bool consistent = true;
        for (std::size_t k = 0; k < usual.steps.size() && consistent; ++k) {
            ASSERT_EQ(safe.steps[k].pixels.size(), usual.steps[k].pixels.size());
            for (std::size_t i = 0; i < usual.steps[k].pixels.size() && consistent; ++i) {
                const unsigned int u = rgb_of(usual.steps[k].pixels[i]), s = rgb_of(safe.steps[k].pixels[i]);
                const auto [to, new_usual] = to_safe.emplace(u, s);
                const auto [from, new_safe] = from_safe.emplace(s, u);
                consistent = to->second == s && from->second == u;
                EXPECT_TRUE(consistent) << program.name << " step " << k + 1 << " pixel " << i << ": " << hex(u)
                                        << " became " << hex(s) << ", elsewhere " << hex(to->second) << " and "
                                        << hex(from->second) << " " << hex(s);
                shown.insert(s);
            }
        }
        EXPECT_GE(to_safe.size(), 2u) << program.name;
        for (const auto& [u, s] : to_safe)
            if (u == 0x000000 || u == 0xFFFFFF || u == 0xC8C8C8) {
                EXPECT_EQ(s, u) << program.name << " " << hex(u);
            }

        for (const Matrix* vision : {&trichromat, &protan, &deutan, &tritan}) {
            const Closest closest = closest_pair(shown, *vision);
            EXPECT_GT(closest.apart, told_apart)
                << program.name << ": " << hex(closest.a) << " and " << hex(closest.b) << " look alike";
        }

        // The legend and the steps name the colours shown: no usual colour's name is left, and
        // every step says as much as before.
        std::smatch found;
        const std::string without_safe_names = std::regex_replace(safe.transcript, std::regex("bluish green|reddish purple"), "");
        EXPECT_FALSE(std::regex_search(without_safe_names, found, usual_colour_word))
            << program.name << " still says '" << found.str() << "'";
        const bool names_a_colour = std::regex_search(usual.transcript, usual_colour_word);
        if (names_a_colour) {
            EXPECT_TRUE(std::regex_search(safe.transcript, std::regex("\\b(vermilion|bluish green|reddish purple|orange|sky blue)\\b")))
                << program.name;
        }
        EXPECT_EQ(std::count(safe.transcript.begin(), safe.transcript.end(), '\n'),
                  std::count(usual.transcript.begin(), usual.transcript.end(), '\n'))
            << program.name;
    }
}

}  // namespace
