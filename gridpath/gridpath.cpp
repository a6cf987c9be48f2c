// gridpath: an animated breadth-first search from the top-left corner of a random 40 x 40 lattice
// graph with diagonals, then the path it found to the bottom-right corner; one key at the end.
#include "grid_search.h"
#include "gridpath_words.h"

int main(int argc, char* argv[]) {
    using namespace gridpath;
    start_frame(argc, argv,
                {"gridpath", "breadth-first search and path on a random 40 x 40 lattice",
                 /*draws_random_graph=*/true, /*animates=*/true});
    map_colours();
    SDL_FillRect(screen, nullptr, palette[background]);
    use_line_routine(LineRoutine::unclipped);

    seed_random(random_seed());
    build_graph();

    // Not shown by itself: the first picture on screen is the search's first frame.
    draw_grid();
    give_gridpath_legend();
    begin_stage("searching breadth-first from the top-left corner");
    breadth_first_search(0, ask_whether_the_corner_is_reached, said_finished);
    draw_path(0, vertex_count - 1);
    say_search(0, vertex_count - 1);  // answers the question first
    SDL_Flip(screen);
    wait_step();
    return end_show();
}
