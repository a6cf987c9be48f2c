// A show in a window on SDL's dummy driver, with events pushed into its queue: what the kit's window
// tests share.
#pragma once

#include "kit.h"
#include "platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

// The show of these tests has as many steps as kit_caption_test.cpp says: listed_step_count.

namespace {

[[maybe_unused]] std::string caption() {
    char* title = nullptr;
    char* icon = nullptr;
    SDL_WM_GetCaption(&title, &icon);
    return title != nullptr ? title : "";
}

[[maybe_unused]] void push(Uint8 type) {
    SDL_Event event{};
    event.type = type;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

class WindowShow : public ::testing::Test {
protected:
    void start(const ProgramInfo& program, std::vector<std::string> arguments) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        platform_accepts_dummy_window = true;
        arguments.insert(arguments.begin(), program.name);
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        start_frame(static_cast<int>(argv.size()), argv.data(), program);
    }
    void TearDown() override {
        EXPECT_EQ(end_show(), 0);
        SDL_Quit();
        screen = nullptr;
        platform_accepts_dummy_window = false;
    }
};

}  // namespace
