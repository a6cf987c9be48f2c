// The command line read into plain settings, without SDL and without a program to run.
#include "settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr ProgramInfo random_animated{"gridpath", "a random lattice", true, true};
constexpr ProgramInfo fixed{"components", "a fixed graph", false};
ProgramInfo takes_graphs() {
    ProgramInfo program{"numbering", "a graph of the user's", false};
    program.graph.accepted = true;
    program.graph.max_vertices = 8;
    return program;
}
const ProgramInfo graphs = takes_graphs();

Parsed parse(const ProgramInfo& program, std::vector<const char*> arguments, Settings& settings,
             std::string& complaint) {
    arguments.insert(arguments.begin(), program.name);
    return parse_arguments(static_cast<int>(arguments.size()), arguments.data(), program, settings, complaint);
}

TEST(Settings, EveryOptionLandsInItsPlainValue) {
    Settings settings;
    std::string complaint;
    ASSERT_EQ(parse(random_animated, {"--record", "out", "--gif", "a.gif", "--seed", "4294967295", "--fps", "0"},
                    settings, complaint),
              Parsed::run)
        << complaint;
    EXPECT_EQ(settings.record_folder, "out");
    EXPECT_EQ(settings.gif_path, "a.gif");
    EXPECT_TRUE(settings.seed_given);
    EXPECT_EQ(settings.seed, 4294967295u);
    EXPECT_EQ(settings.frames_per_second, 0);
    EXPECT_TRUE(settings.unattended());

    // A worksheet alone runs unattended too: it takes every step's picture without a window.
    ASSERT_EQ(parse(fixed, {"--worksheet", "sheet"}, settings, complaint), Parsed::run) << complaint;
    EXPECT_EQ(settings.worksheet_folder, "sheet");
    EXPECT_TRUE(settings.unattended());
    EXPECT_FALSE(settings.window_presents());

    ASSERT_EQ(parse(fixed, {}, settings, complaint), Parsed::run);
    EXPECT_FALSE(settings.unattended());
    EXPECT_FALSE(settings.seed_given);
    EXPECT_EQ(settings.frames_per_second, 60);
    EXPECT_EQ(parse(fixed, {"--record", "x", "-h"}, settings, complaint), Parsed::help);
    EXPECT_EQ(parse(fixed, {"--version", "--seed", "1"}, settings, complaint), Parsed::version);
    EXPECT_EQ(parse(fixed, {"--seed", "1", "--version"}, settings, complaint), Parsed::error);  // the first fault wins
}

TEST(Settings, WhatCannotBeTakenIsOneComplaint) {
    const struct {
        const ProgramInfo& program;
        std::vector<const char*> arguments;
        const char* complaint;
    } cases[] = {
        {random_animated, {"--seed", "4294967296"}, "--seed needs a whole number from 0 to 4294967295"},
        {random_animated, {"--seed", "-1"}, "--seed needs a whole number from 0 to 4294967295"},
        {random_animated, {"--seed", " 5"}, "--seed needs a whole number from 0 to 4294967295"},
        {random_animated, {"--fps", "1001"}, "--fps needs a whole number from 0 to 1000"},
        {random_animated, {"--fps"}, "--fps needs a whole number from 0 to 1000"},
        {random_animated, {"--record", ""}, "--record needs a folder"},
        {random_animated, {"--gif"}, "--gif needs a file name"},
        {fixed, {"--worksheet"}, "--worksheet needs a folder"},
        {fixed, {"--worksheet", ""}, "--worksheet needs a folder"},
        {fixed, {"--seed", "1"}, "--seed: this program draws no random graph"},
        {fixed, {"--fps", "30"}, "--fps: this program has no animation"},
        {fixed, {"--recrod", "x"}, "unknown argument '--recrod'"},
        {fixed, {"--graph", "g.txt"}, "--graph: this program runs on no graph but its own"},
        {graphs, {"--graph"}, "--graph needs a file"},
        {graphs, {"--graph", "g.txt", "--seed", "3"}, "--graph and --seed: give one of them, your graph or a random one"},
        // Control characters shown as paths show them: never raw to the terminal.
        {fixed, {"--re\x1b[31mcord\n\t\x7f"}, "unknown argument '--re\\x1B[31mcord\\n\\t\\x7F'"},
    };
    for (const auto& c : cases) {
        Settings settings;
        std::string complaint;
        EXPECT_EQ(parse(c.program, c.arguments, settings, complaint), Parsed::error) << c.complaint;
        EXPECT_EQ(complaint, c.complaint);
    }
}

TEST(Settings, ClassroomOptionsAreOffUnlessGivenAndOnlyTheyMakeTheWindowPresent) {
    Settings settings;
    std::string complaint;
    ASSERT_EQ(parse(fixed, {}, settings, complaint), Parsed::run);
    EXPECT_FALSE(settings.browse);
    EXPECT_EQ(settings.autoplay_seconds, 0);
    EXPECT_EQ(settings.scale, 1);
    EXPECT_FALSE(settings.fullscreen);
    EXPECT_FALSE(settings.safe_palette);
    EXPECT_FALSE(settings.window_presents());
    ASSERT_EQ(parse(fixed, {"--scale", "1", "--autoplay", "60", "--palette", "standard"}, settings, complaint), Parsed::run);
    EXPECT_EQ(settings.autoplay_seconds, 60);
    EXPECT_FALSE(settings.window_presents()) << "scale 1, the autoplay and the usual palette draw as without them";

    const std::vector<std::vector<const char*>> presenting = {
        {"--browse"}, {"--scale", "4"}, {"--fullscreen"}, {"--palette", "safe"}};
    for (const auto& arguments : presenting) {
        ASSERT_EQ(parse(fixed, arguments, settings, complaint), Parsed::run) << complaint;
        EXPECT_TRUE(settings.window_presents()) << arguments[0];
    }
    ASSERT_EQ(parse(fixed, {"--browse", "--autoplay", "0.5", "--scale", "3", "--palette", "safe"}, settings, complaint),
              Parsed::run);
    EXPECT_TRUE(settings.browse);
    EXPECT_EQ(settings.autoplay_seconds, 0.5);
    EXPECT_EQ(settings.scale, 3);
    EXPECT_TRUE(settings.safe_palette);
}

TEST(Settings, ClassroomOptionsOutOfRangeAreOneComplaint) {
    const char* const seconds = "--autoplay needs a number of seconds from 0.5 to 60";
    const char* const scale = "--scale needs a whole number from 1 to 4";
    const char* const palette = "--palette needs 'safe' (or 'standard', the usual colours)";
    const struct {
        std::vector<const char*> arguments;
        const char* complaint;
    } cases[] = {
        {{"--autoplay", "0.4"}, seconds}, {{"--autoplay", "60.01"}, seconds}, {{"--autoplay", "-1"}, seconds},
        {{"--autoplay", "1e1"}, seconds}, {{"--autoplay", "."}, seconds},     {{"--autoplay", "2.5.1"}, seconds},
        {{"--autoplay"}, seconds},        {{"--autoplay", "nan"}, seconds},   {{"--scale", "0"}, scale},
        {{"--scale", "5"}, scale},        {{"--scale", "2.0"}, scale},        {{"--scale"}, scale},
        {{"--palette", "Safe"}, palette}, {{"--palette"}, palette},
    };
    for (const auto& c : cases) {
        Settings settings;
        std::string complaint;
        EXPECT_EQ(parse(fixed, c.arguments, settings, complaint), Parsed::error) << c.arguments[0];
        EXPECT_EQ(complaint, c.complaint) << c.arguments.size();
    }
}

}  // namespace
