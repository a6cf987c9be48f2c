// walks: every lattice walk of 2 to 7 steps that goes right, left or up without turning back,
// drawn level by level in cells; one key per page.
#include "kit.h"
#include "walk_routines.h"

int main(int argc, char* argv[]) {
    start_frame(argc, argv, {"walks", "all right/left/up lattice walks of 2 to 7 steps, page by page",
                             /*draws_random_graph=*/false});
    map_walk_palette();
    SDL_FillRect(screen, nullptr, palette[walk_colour::white]);
    open_labels(20);
    legend("red dot: the start point of a walk, one walk to a cell");
    legend("thick black line ending in a small black dot: one step of a walk, right, left or up, and the point it reaches");
    legend("number at the top left (first page of a level only): the level, that is the number of steps of its walks");

    set_up_first_level();
    for (int n = 2; n <= last_level; ++n) show_level(n);

    // Every level clears its last page behind it, so the closing picture is empty.
    SDL_Flip(screen);
    int counts[last_level];
    for (int n = 1; n <= last_level; ++n) counts[n - 1] = walks_at_level(n);
    explain("All levels are drawn, so the screen is empty. From 1 to %d steps there are %d, %d, %d, %d, %d, %d "
            "and %d walks: from the third level on, each count is twice the one before plus the one before that "
            "(%d = 2 x %d + %d).",
            last_level, counts[0], counts[1], counts[2], counts[3], counts[4], counts[5], counts[6], counts[6],
            counts[5], counts[4]);
    explain_list("walks of 1 to 7 steps", counts, last_level);
    wait_step();
    close_labels();
    return end_show();
}
