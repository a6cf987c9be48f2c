// The window caption names the program, the step on screen and the seed of a random graph.
#include "frame_state.h"
#include "kit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string caption() {
    char* title = nullptr;
    char* icon = nullptr;
    SDL_WM_GetCaption(&title, &icon);
    return title != nullptr ? title : "";
}

class Caption : public ::testing::Test {
protected:
    void start(const ProgramInfo& program, std::vector<std::string> arguments) {
        char folder[] = "/tmp/graphsteps-caption-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        arguments.insert(arguments.begin(), {program.name, "--record", folder});
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        start_frame(static_cast<int>(argv.size()), argv.data(), program);
    }
    // start_frame keeps its settings for the whole process; put them back for the other tests.
    void TearDown() override {
        record_folder.clear();
        seed_in_use = false;
        steps_shown = 0;
        SDL_Quit();
        screen = nullptr;
    }
};

TEST_F(Caption, NamesTheProgramTheStepAndTheSeedInUse) {
    start({"closure8", "a random digraph", true}, {"--seed", "1733650000"});
    EXPECT_EQ(caption(), "closure8");
    EXPECT_EQ(random_seed(), 1733650000u);
    wait_step();
    EXPECT_EQ(caption(), "closure8 - step 1 - seed 1733650000 - any key: next");
    wait_step();
    EXPECT_EQ(caption(), "closure8 - step 2 - seed 1733650000 - any key: next");
}

TEST_F(Caption, ShowsTheSeedTakenFromTheClock) {
    start({"gridpath", "a random lattice", true}, {});
    const unsigned int seed = random_seed();
    wait_step();
    EXPECT_EQ(caption(), "gridpath - step 1 - seed " + std::to_string(seed) + " - any key: next");
}

TEST_F(Caption, FixedGraphHasNoSeed) {
    start({"components", "a fixed graph", false}, {});
    wait_step();
    wait_step();
    wait_step();
    EXPECT_EQ(caption(), "components - step 3 - any key: next");
}

}  // namespace
