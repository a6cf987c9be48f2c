// A show in a window, on SDL's dummy driver with events pushed into its queue: the window's
// caption names the program, the step on screen and the seed of a random graph, and each wait
// ends on a key press or the window's close.
#include "window_show.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

// Every show of these tests has three steps, as a program's line in programs.list would say.
extern const int listed_step_count = 3;

namespace {

TEST_F(WindowShow, CaptionNamesTheProgramTheStepAndTheSeedInUse) {
    start({"closure8", "a random digraph", true}, {"--seed", "1733650000"});
    EXPECT_EQ(caption(), "closure8");
    EXPECT_EQ(random_seed(), 1733650000u);
    push(SDL_KEYDOWN);
    EXPECT_EQ(wait_step(), 0);
    EXPECT_EQ(caption(), "closure8 - step 1 of 3 - seed 1733650000 - any key: next");
    push(SDL_KEYDOWN);
    wait_step();
    EXPECT_EQ(caption(), "closure8 - step 2 of 3 - seed 1733650000 - any key: next");
}

TEST_F(WindowShow, CaptionShowsTheSeedTakenFromTheClock) {
    start({"gridpath", "a random lattice", true}, {});
    const unsigned int seed = random_seed();
    push(SDL_KEYDOWN);
    wait_step();
    EXPECT_EQ(caption(), "gridpath - step 1 of 3 - seed " + std::to_string(seed) + " - any key: next");
}

TEST_F(WindowShow, OnlyAKeyPressOrTheCloseEndsAWait) {
    start({"components", "a fixed graph", false}, {});
    push(SDL_KEYUP);
    push(SDL_MOUSEMOTION);
    push(SDL_ACTIVEEVENT);
    push(SDL_KEYDOWN);
    push(SDL_QUIT);
    EXPECT_EQ(wait_step(), 0);  // the releases and motion before the key press are dropped
    EXPECT_EQ(wait_step(), 1);  // closing the window ends the next wait
    SDL_Event left;
    EXPECT_EQ(SDL_PollEvent(&left), 0);
    push(SDL_KEYDOWN);
    wait_step();
    EXPECT_EQ(caption(), "components - step 3 of 3 - any key: end");  // a fixed graph has no seed
}

}  // namespace
