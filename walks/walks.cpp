// walks: every lattice walk of 2 to 7 steps that goes right, left or up without turning back,
// drawn level by level in cells; one key per page.
#include "kit.h"
#include "walk_routines.h"
#include "walks_words.h"

int main(int argc, char* argv[]) {
    start_frame(argc, argv, {"walks", "all right/left/up lattice walks of 2 to 7 steps, page by page",
                             /*draws_random_graph=*/false});
    map_walk_palette();
    SDL_FillRect(screen, nullptr, palette[walk_colour::white]);
    open_labels(20);
    give_walks_legend();

    set_up_first_level();
    say_how_walks_grow();
    for (int n = 2; n <= last_level; ++n) show_level(n);

    // Every level clears its last page behind it, so the closing picture is empty.
    SDL_Flip(screen);
    say_all_levels();
    wait_step();
    close_labels();
    return end_show();
}
