// The words of walks, from the walk tables.
#include "walks_words.h"

#include <cstdio>

#include "kit.h"
#include "walk_routines.h"

namespace {

const char* move_name(int move) {
    switch (move) {
    case move_right: return "right";
    case move_left: return "left";
    case move_up: return "up";
    default: return "?";
    }
}

// Walk k of level n as its moves from first to last, "right, up, left", appended to text.
void spell_walk(int k, int n, char* text, int size) {
    if (n > 1) spell_walk(shorter_walk(n, k), n - 1, text, size);
    const int used = snprintf(nullptr, 0, "%s", text);
    snprintf(text + used, size - used, "%s%s", n > 1 ? ", " : "", move_name(last_move(n, k)));
}

// The first page of level n: how the level grows from the one a step shorter.
void say_level(int n) {
    if (n == 2)
        explain("Each cell shows one lattice walk, starting at its red dot, whose steps go right, left or up "
                "and never turn straight back, so no walk visits a point twice. The walks are built level by "
                "level, each level from the one a step shorter, and shown page by page.");
    const int count = walks_at_level(n), shorter = walks_at_level(n - 1);
    int ending[3] = {0, 0, 0};
    for (int l = 0; l < shorter; ++l) ending[last_move(n - 1, l)]++;
    // From the third level on the student has seen how a level grows from the one before.
    if (n >= 3) {
        ask(AnswerKind::number, "The next page starts level %d, the walks of %d steps: each is a walk of %d steps "
                                "with one more step that does not turn straight back. How many walks does level "
                                "%d have?", n, n, n - 1, n);
        answer(count, "Level %d has %d walks: of the %d walks of %d steps, %d end right and %d end left, "
                      "which can go on two ways each (the same way or up), and %d end up, which can go "
                      "on three ways, so %d x 2 + %d x 2 + %d x 3 = %d.",
               n, count, shorter, n - 1, ending[move_right], ending[move_left], ending[move_up],
               ending[move_right], ending[move_left], ending[move_up], count);
    }
    explain("Level %d: the walks of %d steps, built from the %d walk%s of %d step%s. A walk ending with a "
            "right step gets one more right or up step, one ending left gets left or up, and one ending up "
            "gets right, left or up. Of the shorter walks, %d end%s right, %d left and %d up, so level %d has "
            "%d x 2 + %d x 2 + %d x 3 = %d walks.",
            n, n, shorter, shorter == 1 ? "" : "s", n - 1, n - 1 == 1 ? "" : "s",
            ending[move_right], ending[move_right] == 1 ? "s" : "", ending[move_left], ending[move_up], n,
            ending[move_right], ending[move_left], ending[move_up], count);
}

}  // namespace

void give_walks_legend() {
    legend("red dot: the start point of a walk, one walk to a cell");
    legend("thick black line ending in a small black dot: one step of a walk, right, left or up, and the point it reaches");
    legend("number at the top left (first page of a level only): the level, that is the number of steps of its walks");
}

void say_page(int n, int first, int last, int page, int pages) {
    if (page == 1)
        say_level(n);
    else
        explain("Level %d, the walks of %d steps, continued.", n, n);
    char first_moves[100] = "";
    char last_moves[100] = "";
    spell_walk(first, n, first_moves, sizeof first_moves);
    spell_walk(last, n, last_moves, sizeof last_moves);
    explain("Page %d of %d shows walks %d to %d of the %d, in order of their moves with right before left before "
            "up: from %s to %s.",
            page, pages, first + 1, last + 1, walks_at_level(n), first_moves, last_moves);
    explain_count("walks at this level", walks_at_level(n));
    explain_count("walks on this page", last - first + 1);
}

void say_blank_page(int n) { explain("Level %d is complete; this page is blank.", n); }

void say_all_levels() {
    int counts[last_level];
    for (int n = 1; n <= last_level; ++n) counts[n - 1] = walks_at_level(n);
    explain("All levels are drawn, so the screen is empty. From 1 to %d steps there are %d, %d, %d, %d, %d, %d "
            "and %d walks: from the third level on, each count is twice the one before plus the one before that "
            "(%d = 2 x %d + %d).",
            last_level, counts[0], counts[1], counts[2], counts[3], counts[4], counts[5], counts[6], counts[6],
            counts[5], counts[4]);
    explain_list("walks of 1 to 7 steps", counts, last_level);
}
