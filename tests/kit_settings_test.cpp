// The command line read into plain settings, without SDL and without a program to run.
#include "settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr ProgramInfo random_animated{"gridpath", "a random lattice", true, true};
constexpr ProgramInfo fixed{"components", "a fixed graph", false};

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
        {fixed, {"--seed", "1"}, "--seed: this program draws no random graph"},
        {fixed, {"--fps", "30"}, "--fps: this program has no animation"},
        {fixed, {"--recrod", "x"}, "unknown argument '--recrod'"},
    };
    for (const auto& c : cases) {
        Settings settings;
        std::string complaint;
        EXPECT_EQ(parse(c.program, c.arguments, settings, complaint), Parsed::error) << c.complaint;
        EXPECT_EQ(complaint, c.complaint);
    }
}

}  // namespace
