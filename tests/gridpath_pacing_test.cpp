// Pacing holds the animation back without touching a pixel: the same search paced and unpaced ends
// on the same picture.
#include "grid_search.h"
#include "platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The search in a window on SDL's dummy driver, at the given --fps.
std::vector<Uint32> searched_picture(const char* frames_per_second) {
    using namespace gridpath;
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    platform_accepts_dummy_window = true;
    std::string name = "gridpath", option = "--fps", rate = frames_per_second;
    char* argv[] = {name.data(), option.data(), rate.data()};
    start_frame(3, argv, {"gridpath", "a random lattice", true, true});
    use_line_routine(LineRoutine::unclipped);
    map_colours();
    SDL_FillRect(screen, nullptr, palette[background]);
    seed_random(7);
    build_graph();
    draw_grid();
    breadth_first_search(0);
    draw_path(0, vertex_count - 1);
    const Uint32* pixels = static_cast<const Uint32*>(screen->pixels);
    std::vector<Uint32> picture(pixels, pixels + screen_width * screen_height);
    EXPECT_EQ(end_show(), 0);
    SDL_Quit();
    screen = nullptr;
    platform_accepts_dummy_window = false;
    return picture;
}

TEST(GridPathPacing, PacedSearchEndsOnTheSamePicture) {
    const std::vector<Uint32> unpaced = searched_picture("0");
    const std::vector<Uint32> paced = searched_picture("1000");  // fast, but through every sleep
    EXPECT_EQ(paced, unpaced);
}

}  // namespace
