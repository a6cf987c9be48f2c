// The words of gridpath, read from the parents the search left; they draw nothing.
#include "gridpath_words.h"

#include "grid_search.h"

using namespace gridpath;

namespace {

// Breadth-first level of v: the number of parent links back to the start, or -1 when unreached.
int level_of(int start, int v) {
    int level = 0;
    for (; v != start; v = parent_of(v)) {
        if (parent_of(v) == NIL) return -1;
        level += 1;
    }
    return level;
}

void explain_search(int start, int target) {
    int edges = 0;
    for (int v = 0; v < vertex_count; ++v)
        for (const int* w = neighbour_row(v); *w != NIL; ++w) edges += 1;
    edges /= 2;
    int reached = 0;
    int levels = 0;
    int per_level[vertex_count] = {};
    for (int v = 0; v < vertex_count; ++v) {
        const int level = level_of(start, v);
        if (level < 0) continue;
        reached += 1;
        per_level[level] += 1;
        if (level + 1 > levels) levels = level + 1;
    }
    explain("The breadth-first search from the top-left corner, vertex %d, of this random %d x %d lattice with %d "
            "edges is finished: it reached %d of the %d vertices in %d levels, level 0 being the start alone.",
            start, columns, rows, edges, reached, vertex_count, levels);
    if (found_path_length() > 0)
        explain("The bottom-right corner, vertex %d, was reached on level %d, so the blue path back along the parents "
                "has %d edges, as few as any path between the corners.",
                target, level_of(start, target), found_path_length() - 1);
    else
        explain("The bottom-right corner, vertex %d, was not reached: no edges lead to it from the start's part of "
                "the graph, so there is no path, and the green disc says so.",
                target);
    explain_count("vertices reached", reached);
    explain_count("levels of the breadth-first search", levels);
    explain_list("vertices on each level, from level 0", per_level, levels);
    if (found_path_length() > 0) {
        int path[vertex_count];
        for (int k = 0; k < found_path_length(); ++k) path[k] = path_vertex(k);
        explain_list("path from corner to corner", path, found_path_length());
    }
}

void answer_whether_the_corner_was_reached(int start, int target) {
    const int level = level_of(start, target);
    if (level >= 0) {
        answer(answers::yes, "Yes: the search reached the bottom-right corner, vertex %d, on level %d, so the blue "
                             "path back along the parents has %d edges.", target, level, level);
        return;
    }
    int reached = 0;
    for (int v = 0; v < vertex_count; ++v) reached += level_of(start, v) >= 0;
    answer(answers::no, "No: the search's queue ran empty after it had reached %d of the %d vertices, and no edge "
                        "joins any of them to the bottom-right corner, vertex %d.", reached, vertex_count, target);
}

}  // namespace

void give_gridpath_legend() {
    legend("black dots and thin black lines: the lattice's vertices and its random horizontal, vertical and diagonal edges");
    legend("thick red line: a tree edge of the breadth-first search, from a vertex to the parent that discovered it");
    legend("small red disc: a discovered vertex; larger red disc: a finished vertex, whose neighbours have all been examined");
    legend("thick blue line and blue dots: the path from the top-left to the bottom-right corner; a tiny blue ring marks each of the two corners, seen only where no path covers it");
    legend("green disc at the very top left: the bottom-right corner was not reached, so there is no path");
}

// Asked once the search's first frame has put the random graph on screen, so that the student
// can look for a way across before the search shows it.
void ask_whether_the_corner_is_reached() {
    ask(AnswerKind::yes_no, "The breadth-first search has started from the top-left corner. Will it reach the "
                            "bottom-right corner, vertex %d?", vertex_count - 1);
}

void say_search(int start, int target) {
    answer_whether_the_corner_was_reached(start, target);
    explain_search(start, target);
}
