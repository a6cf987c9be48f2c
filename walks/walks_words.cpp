// The words of walks, from the walk tables.
#include "walks_words.h"

#include <cstdio>

#include "kit.h"
#include "walk_routines.h"

namespace {

// The lines of algorithm_lines, by what they do.
namespace line {
constexpr int first_level = 1;
constexpr int each_level = 2;
constexpr int each_shorter_walk = 3;
constexpr int after_right = 4;
constexpr int after_left = 5;
constexpr int after_up = 6;
constexpr int each_walk = 7;
constexpr int draw_in_cell = 8;
constexpr int page_full = 9;
constexpr int last_page = 10;
constexpr int count_levels = 11;
}  // namespace line

const char* move_name(int move) {
    switch (move) {
    case move_right: return "right";
    case move_left: return "left";
    case move_up: return "up";
    default: return "?";
    }
}

// Move `position` (from 0) of walk k of level n: the last move of the shorter walk it extends.
int move_at(int n, int k, int position) {
    while (n > position + 1) {
        k = shorter_walk(n, k);
        --n;
    }
    return last_move(n, k);
}

// The first `moves` moves of walk k of level n, "left, up", appended to text.
void spell_moves(int n, int k, int moves, char* text, int size) {
    for (int p = 0; p < moves; ++p) {
        const int used = std::snprintf(nullptr, 0, "%s", text);
        std::snprintf(text + used, size - used, "%s%s", p ? ", " : "", move_name(move_at(n, k, p)));
    }
}

// Whether walks a and b of level n make the same first `moves` moves.
bool same_start(int n, int a, int b, int moves) {
    for (int p = 0; p < moves; ++p)
        if (move_at(n, a, p) != move_at(n, b, p)) return false;
    return true;
}

// The walks on a page, first..last, described as runs of the level's dictionary order: all of
// them share their first `shared` moves, and they fall into runs by the move after those. Each run
// is said with how many walks of the whole level begin the same way, so that a page reads as a
// stretch of one ordered list ("the last 29 of the 169 beginning right, then the first 41 ...").
void say_runs_on_page(int n, int first, int last) {
    int shared = 0;
    while (shared < n - 1 && same_start(n, first, last, shared + 1)) ++shared;
    const int count = walks_at_level(n);

    int runs = 0;
    for (int k = first; k <= last; ++k) runs += k == first || !same_start(n, k - 1, k, shared + 1);

    char text[1200] = "";
    int used = 0;
    for (int start = first, run = 0; start <= last; ++run) {
        int end = start;
        while (end < last && same_start(n, start, end + 1, shared + 1)) ++end;
        // The whole stretch of the level that begins the same way, on this page or not.
        int level_start = start, level_end = end;
        while (level_start > 0 && same_start(n, level_start - 1, start, shared + 1)) --level_start;
        while (level_end < count - 1 && same_start(n, level_end + 1, start, shared + 1)) ++level_end;
        const int on_page = end - start + 1, in_level = level_end - level_start + 1;

        char how_many[80];
        if (on_page == in_level && in_level <= 2)
            std::snprintf(how_many, sizeof how_many, "%s", in_level == 1 ? "the one walk" : "both walks");
        else if (on_page == in_level)
            std::snprintf(how_many, sizeof how_many, "all %d walks", in_level);
        else if (start == level_start)
            std::snprintf(how_many, sizeof how_many, "the first %d of the %d walks", on_page, in_level);
        else if (end == level_end)
            std::snprintf(how_many, sizeof how_many, "the last %d of the %d walks", on_page, in_level);
        else
            std::snprintf(how_many, sizeof how_many, "%d of the %d walks", on_page, in_level);
        char moves[120] = "";
        spell_moves(n, start, shared + 1, moves, sizeof moves);
        char item[260];
        if (start == end)
            std::snprintf(item, sizeof item, "%s beginning %s (walk %d)", how_many, moves, start + 1);
        else
            std::snprintf(item, sizeof item, "%s beginning %s (walks %d %s %d)", how_many, moves, start + 1,
                          end == start + 1 ? "and" : "to", end + 1);
        used = join_words(text, sizeof text, used, run, runs, item);
        start = end + 1;
    }
    if (shared == 0) {
        explain("This page holds %s.", text);
    } else {
        char moves[120] = "";
        spell_moves(n, first, shared, moves, sizeof moves);
        explain("Every walk on this page begins %s: it holds %s.", moves, text);
    }
}

// How many walks each level has, from level 1's table and the rule that builds the next level:
// a walk ending right or left goes on two ways, one ending up three ways. Said before any level
// past the first is built.
void count_by_rule(int counts[last_level + 1]) {
    int ending[3] = {0, 0, 0};
    for (int k = 0; k < walks_at_level(1); ++k) ending[last_move(1, k)]++;
    for (int n = 1; n <= last_level; ++n) {
        counts[n] = ending[move_right] + ending[move_left] + ending[move_up];
        const int right = ending[move_right], left = ending[move_left], up = ending[move_up];
        ending[move_right] = right + up;
        ending[move_left] = left + up;
        ending[move_up] = right + left + up;
    }
}

}  // namespace

void say_how_walks_grow() {
    int counts[last_level + 1];
    count_by_rule(counts);
    char list[120] = "";
    int used = 0, drawn = 0, steps = 0;
    for (int n = 2; n <= last_level; ++n) {
        used = join_words(list, sizeof list, used, n - 2, last_level - 1, counts[n]);
        drawn += counts[n];
        steps += n * counts[n];
    }
    char text[1800];
    std::snprintf(text, sizeof text,
                  "The walks of n steps are built from the walks of n - 1 steps: each shorter walk is extended "
                  "once for every step that may follow its last one, right or up after a right step, left or "
                  "up after a left step, and right, left or up after an up step. As a left step never follows "
                  "a right one nor a right a left, and there is no down step, no walk comes back to a point it "
                  "has left. What stays true: each level holds every such walk of its length exactly once, in "
                  "dictionary order of the moves with right before left before up, the first move changing "
                  "slowest, because the shorter walks are taken in that order and each is extended in move "
                  "order. Nothing is missed or repeated, since taking the last step off a walk of n steps "
                  "leaves exactly one walk of n - 1 steps, and its last step allows the step taken off. So a "
                  "level has two walks for each shorter walk ending right or left and three for each ending "
                  "up: from the %d walks of 1 step that makes %s walks of 2 to %d steps. Each walk costs one "
                  "entry in its level's table and is drawn with its n steps, so the show draws %d walks with "
                  "%d step lines in all, %d of the walks on level %d alone.",
                  counts[1], list, last_level, drawn, steps, counts[last_level], last_level);
    how_it_works(text);
    char loop[40];
    std::snprintf(loop, sizeof loop, "for n = 2 to %d:", last_level);
    algorithm_lines({
        "level 1 = the walks right, left, up",
        loop,
        "  for each walk w of level n - 1, in order:",
        "    if w ends right: add w + right, w + up to level n",
        "    if w ends left: add w + left, w + up to level n",
        "    if w ends up: add w + right, w + left, w + up to level n",
        "  for each walk of level n, in order:",
        "    draw it from a red dot in the next cell",
        "    if the page is full: show the page and start a new one",
        "  show the page with the rest of level n",
        "count the walks of every level",
    });
}

namespace {

// The lines a page of walks carried out: the drawing loop, and how the page came to be shown.
void name_page_lines(int page, int pages) {
    explain_line(line::each_walk);
    explain_line(line::draw_in_cell);
    explain_line(page < pages ? line::page_full : line::last_page);
}

// Where walk `moves` (n moves) stands in level n, from 0, or -1 when no walk of the level makes them.
int find_walk(int n, const int* moves) {
    for (int k = 0; k < walks_at_level(n); ++k) {
        int p = 0;
        while (p < n && move_at(n, k, p) == moves[p]) ++p;
        if (p == n) return k;
    }
    return -1;
}

void spell_named(const int* moves, int count, char* text, int size) {
    text[0] = '\0';
    for (int p = 0, used = 0; p < count; ++p)
        used += std::snprintf(text + used, size - used, "%s%s", p ? ", " : "", move_name(moves[p]));
}

// Whether the named walk is one of level n's; one walk the level holds and one it cannot, on two
// different levels, so that neither answer is the one to guess.
void ask_whether_on_level(int n, const int* moves) {
    char named[120];
    spell_named(moves, n, named, sizeof named);
    ask(AnswerKind::yes_no, "Will the walk \"%s\" be one of the walks drawn on level %d's pages?", named, n);
    const int k = find_walk(n, moves);
    if (k >= 0) {
        answer(answers::yes, "Yes: \"%s\" never follows a right step by a left one nor a left by a right, so "
                             "each step is one the step before allows; it is walk %d of level %d's %d.",
               named, k + 1, n, walks_at_level(n));
        return;
    }
    int p = 1;
    while (p < n && !((moves[p - 1] == move_right && moves[p] == move_left) ||
                      (moves[p - 1] == move_left && moves[p] == move_right)))
        ++p;
    answer(answers::no, "No: in \"%s\" step %d goes %s straight after step %d went %s, turning straight back "
                        "to a point the walk has left; after a %s step only %s or up may follow, so no walk of "
                        "level %d makes these moves.",
           named, p + 1, move_name(moves[p]), p, move_name(moves[p - 1]), move_name(moves[p - 1]),
           move_name(moves[p - 1]), n);
}

// The place of the named walk in level n's dictionary order, said as the walks that come before
// it, grouped by the first move where each differs from it.
void ask_place_of_walk(int n, const int* moves) {
    char named[120];
    spell_named(moves, n, named, sizeof named);
    ask(AnswerKind::number, "Level %d's walks are drawn in dictionary order of their moves, right before left "
                            "before up, the first move changing slowest. At which place (counting from 1) will "
                            "the walk \"%s\" be drawn?", n, named);
    const int k = find_walk(n, moves);
    char before[600] = "";
    // The walks before it fall into runs that share its first p moves and then take a smaller one.
    int runs = 0;
    int run_first[3 * last_level], run_size[3 * last_level], run_moves[3 * last_level];
    for (int l = 0; l < k; ++l) {
        int p = 0;
        while (move_at(n, l, p) == moves[p]) ++p;
        if (runs > 0 && run_moves[runs - 1] == p + 1 && move_at(n, run_first[runs - 1], p) == move_at(n, l, p)) {
            ++run_size[runs - 1];
        } else {
            run_first[runs] = l;
            run_size[runs] = 1;
            run_moves[runs] = p + 1;
            ++runs;
        }
    }
    int used = 0;
    for (int r = 0; r < runs; ++r) {
        char item[160], start[120] = "";
        spell_moves(n, run_first[r], run_moves[r], start, sizeof start);
        std::snprintf(item, sizeof item, "%d begin%s %s", run_size[r], run_size[r] == 1 ? "s" : "", start);
        used = join_words(before, sizeof before, used, r, runs, item);
    }
    answer(k + 1, "Place %d: %d walks come before \"%s\", each making its moves up to some step and there "
                  "taking a move that comes earlier in right, left, up: %s.",
           k + 1, k, named, before);
}

// How many walks of level n begin right: a right step followed by any walk of n - 1 steps that
// does not begin left.
void ask_beginning_right(int n) {
    ask(AnswerKind::number, "How many of level %d's walks will begin with a right step?", n);
    int right = 0, shorter_left = 0;
    for (int k = 0; k < walks_at_level(n); ++k) right += move_at(n, k, 0) == move_right;
    for (int k = 0; k < walks_at_level(n - 1); ++k) shorter_left += move_at(n - 1, k, 0) == move_left;
    answer(right, "%d walks: a walk beginning right goes on with a walk of %d steps that does not begin left, as "
                  "left would turn straight back; of level %d's %d walks %d begin left, so %d - %d = %d.",
           right, n - 1, n - 1, walks_at_level(n - 1), shorter_left, walks_at_level(n - 1), shorter_left, right);
}

// The questions about single walks, before levels 3 to 6.
void ask_about_walks_of_level(int n) {
    static constexpr int place_asked[3] = {move_up, move_left, move_up};
    static constexpr int on_level_four[4] = {move_right, move_up, move_left, move_left};
    static constexpr int turning_back[5] = {move_up, move_right, move_left, move_up, move_up};
    if (n == 3) ask_place_of_walk(n, place_asked);
    if (n == 4) ask_whether_on_level(n, on_level_four);
    if (n == 5) ask_whether_on_level(n, turning_back);
    if (n == 6) ask_beginning_right(n);
}

// The first page of level n: how the level grows from the one a step shorter.
void say_level(int n, int last, int pages) {
    const int count = walks_at_level(n), shorter = walks_at_level(n - 1);
    int ending[3] = {0, 0, 0};
    for (int l = 0; l < shorter; ++l) ending[last_move(n - 1, l)]++;
    // From the third level on the student has seen how a level grows from the one before; every
    // other level is asked its count, and the ones between carry questions about single walks.
    if (n % 2 == 1 && n >= 3) {
        ask(AnswerKind::number, "The next page starts level %d, the walks of %d steps: each is a walk of %d steps "
                                "with one more step that does not turn straight back. How many walks does level "
                                "%d have?", n, n, n - 1, n);
        answer(count, "Level %d has %d walks: of the %d walks of %d steps, %d end right and %d end left, "
                      "which can go on two ways each (the same way or up), and %d end up, which can go "
                      "on three ways, so %d x 2 + %d x 2 + %d x 3 = %d.",
               n, count, shorter, n - 1, ending[move_right], ending[move_left], ending[move_up],
               ending[move_right], ending[move_left], ending[move_up], count);
    }
    ask_about_walks_of_level(n);
    if (pages == 1)
        explain("Level %d, the walks of %d steps: all %d of them, built from the %d walk%s of %d step%s.", n, n,
                count, shorter, shorter == 1 ? "" : "s", n - 1, n - 1 == 1 ? "" : "s");
    else
        explain("Level %d, the walks of %d steps, page 1 of %d: walks 1 to %d of its %d, built from the %d "
                "walks of %d steps.", n, n, pages, last + 1, count, shorter, n - 1);
    explain("A walk ending with a right step gets one more right or up step, one ending left gets left or up, "
            "and one ending up gets right, left or up. Of the shorter walks, %d end%s right, %d left and %d up, "
            "so level %d has %d x 2 + %d x 2 + %d x 3 = %d walks, in dictionary order of their moves%s.",
            ending[move_right], ending[move_right] == 1 ? "s" : "", ending[move_left], ending[move_up], n,
            ending[move_right], ending[move_left], ending[move_up], count,
            n == 2 ? " (right before left before up, the first move changing slowest)" : "");
    if (n == 2) explain_line(line::first_level);
    explain_line(line::each_level);
    explain_line(line::each_shorter_walk);
    explain_line(line::after_right);
    explain_line(line::after_left);
    explain_line(line::after_up);
}

}  // namespace

void give_walks_legend() {
    legend("red dot: the start point of a walk, one walk to a cell");
    legend("thick black line ending in a small black dot: one step of a walk, right, left or up, and the point it reaches");
    legend("number at the top left (first page of a level only): the level, that is the number of steps of its walks");
}

void say_page(int n, int first, int last, int page, int pages) {
    if (page == 1)
        say_level(n, last, pages);
    else if (page == pages)
        explain("Level %d, page %d of %d: walks %d to %d, the last %d of its %d walks of %d steps.", n, page, pages,
                first + 1, last + 1, last - first + 1, walks_at_level(n), n);
    else
        explain("Level %d, page %d of %d: walks %d to %d of its %d walks of %d steps, the next %d in order.", n,
                page, pages, first + 1, last + 1, walks_at_level(n), n, last - first + 1);
    say_runs_on_page(n, first, last);
    name_page_lines(page, pages);
    explain_count("walks at this level", walks_at_level(n));
    explain_count("walks on this page", last - first + 1);
}

void say_blank_page(int n) {
    explain("Level %d is complete; this page is blank, as its walks filled the page before exactly.", n);
    explain_line(line::last_page);
}

void say_all_levels() {
    int counts[last_level];
    for (int n = 1; n <= last_level; ++n) counts[n - 1] = walks_at_level(n);
    explain("All levels are drawn, so the screen is empty. From 1 to %d steps there are %d, %d, %d, %d, %d, %d "
            "and %d walks: from the third level on, each count is twice the one before plus the one before that "
            "(%d = 2 x %d + %d).",
            last_level, counts[0], counts[1], counts[2], counts[3], counts[4], counts[5], counts[6], counts[6],
            counts[5], counts[4]);
    explain_line(line::count_levels);
    explain_list("walks of 1 to 7 steps", counts, last_level);
}
