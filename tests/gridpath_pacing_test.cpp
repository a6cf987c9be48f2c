// Pacing holds the animation back without touching a pixel: the same search paced and unpaced ends
// on the same picture.
#include "frame_state.h"
#include "grid_search.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

std::vector<Uint32> searched_picture(int frames_per_second) {
    using namespace gridpath;
    animation_pacing = Pacing{frames_per_second};
    map_colours();
    SDL_FillRect(screen, nullptr, palette[background]);
    std::srand(7);
    build_graph();
    draw_grid();
    breadth_first_search(0);
    draw_path(0, vertex_count - 1);
    const Uint32* pixels = static_cast<const Uint32*>(screen->pixels);
    return std::vector<Uint32>(pixels, pixels + screen_width * screen_height);
}

TEST(GridPathPacing, PacedSearchEndsOnTheSamePicture) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    screen = SDL_SetVideoMode(screen_width, screen_height, 32, SDL_SWSURFACE);
    ASSERT_NE(screen, nullptr);
    use_line_routine(LineRoutine::unclipped);
    const std::vector<Uint32> unpaced = searched_picture(0);
    const std::vector<Uint32> paced = searched_picture(1000);  // fast, but through every sleep
    EXPECT_EQ(paced, unpaced);
    SDL_Quit();
    screen = nullptr;
    animation_pacing = Pacing{0};
}

}  // namespace
