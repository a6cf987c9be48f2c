// The words of gridpath, read from the parents the search left and the queue lengths it hands over;
// they draw nothing.
#include "gridpath_words.h"

#include "grid_search.h"

#include <cstdio>

using namespace gridpath;

namespace {

// The lines of algorithm_lines, counted from 1.
namespace line {
constexpr int clear = 1;
constexpr int start = 2;
constexpr int loop = 3;
constexpr int front = 4;
constexpr int tries = 5;
constexpr int undiscovered = 6;
constexpr int discover = 7;
constexpr int finish = 8;
constexpr int path = 9;
}  // namespace line

constexpr int start_corner = 0;
constexpr int target_corner = vertex_count - 1;

// The search as it grows, from what breadth_first_search hands over before each frame.
int finished_count;        // vertices taken off the queue so far
int level_now = -1;        // the level of the vertices being taken off the queue
int through_level_now;     // vertices on levels 0 to level_now: all found when that level began
int level_now_size;
int discovered_so_far;     // finished_count plus queued, after the last frame
int longest_queue;
int longest_queue_level;

const char* plural(int n, const char* one, const char* many) { return n == 1 ? one : many; }

// Breadth-first level of v: the number of parent links back to the start, or -1 when unreached.
int level_of(int start, int v) {
    int level = 0;
    for (; v != start; v = parent_of(v)) {
        if (parent_of(v) == NIL) return -1;
        level += 1;
    }
    return level;
}

// The vertices the questions name are chosen before the search has run, from a levelling of the
// words' own over the neighbour rows, so that the sheet can ask a vertex whose answer differs from
// the corner's; the answers are read from the parents the search leaves.
int level_ahead[vertex_count];
int other_vertex = -1;   // asked whether it is reached: the opposite of the corner
int level_asked[2] = {-1, -1};
bool path_asked;

void level_ahead_of_the_search() {
    for (int& level : level_ahead) level = -1;
    int queue[vertex_count], head = 0, tail = 0;
    queue[tail++] = start_corner;
    level_ahead[start_corner] = 0;
    while (head < tail) {
        const int u = queue[head++];
        for (const int* w = neighbour_row(u); *w != NIL; ++w)
            if (level_ahead[*w] < 0) {
                level_ahead[*w] = level_ahead[u] + 1;
                queue[tail++] = *w;
            }
    }
}

bool has_edge(int v) { return *neighbour_row(v) != NIL; }

// One vertex for which `wanted` holds, drawn from the show's seeded numbers; -1 when none does.
int drawn_vertex(bool (*wanted)(int v)) {
    int found = 0;
    for (int v = 0; v < vertex_count; ++v) found += wanted(v);
    if (found == 0) return -1;
    int pick = random_number() % found;
    for (int v = 0; v < vertex_count; ++v)
        if (wanted(v) && pick-- == 0) return v;
    return -1;
}

int count_edges() {
    int ends = 0;
    for (int v = 0; v < vertex_count; ++v)
        for (const int* w = neighbour_row(v); *w != NIL; ++w) ends += 1;
    return ends / 2;
}

void explain_search(int start, int target) {
    const int edges = count_edges();
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
    int largest_level = 0;
    for (int d = 1; d < levels; ++d)
        if (per_level[d] > per_level[largest_level]) largest_level = d;
    const bool found = found_path_length() > 0;
    const int path_edges = found_path_length() - 1;

    if (found)
        explain("The breadth-first search has finished, its tree in red, and the path it found from the top-left "
                "corner, vertex %d, to the bottom-right corner, vertex %d, is drawn in blue: %d edges.",
                start, target, path_edges);
    else
        explain("The breadth-first search has finished, its tree in red, without reaching the bottom-right corner, "
                "vertex %d, so no path is drawn and the green disc at the top left says so.",
                target);
    explain("On this random %d x %d lattice with %d edges it reached %d of the %d vertices in %d levels, level 0 "
            "being the start alone.",
            columns, rows, edges, reached, vertex_count, levels);
    if (reached < vertex_count)
        explain("The other %d %s no path from the start.", vertex_count - reached,
                plural(vertex_count - reached, "vertex has", "vertices have"));
    if (levels > 2)
        explain("Each level added the vertices one edge further from the start than the level before: %d on level 1, "
                "%d on level 2, most on level %d, %d vertices, and %d on the last, level %d (every level is in the "
                "list below).",
                per_level[1], per_level[2], largest_level, per_level[largest_level], per_level[levels - 1],
                levels - 1);
    explain("When the search began on a level, the queue held exactly that level's vertices; it was longest, %d "
            "vertices, while the search took level %d's vertices off it, and it ran empty after level %d.",
            longest_queue, longest_queue_level, levels - 1);
    if (found)
        explain("The queue hands out vertices in the order they were found, so the search finishes every vertex of "
                "one level before any of the next, and each vertex is found first from a vertex one level nearer "
                "the start: its level is its distance from the start. Following the parents back from %d steps one "
                "level down per edge, so the path's %d edges are as few as any path between the corners can have.",
                target, path_edges);
    else
        explain("A vertex gets a parent only when the search finds it along an edge from a reached vertex, and the "
                "queue ran empty with %d still without one: no edge leaves the %d reached vertices, so no path leads "
                "from the start to %d.",
                target, reached, target);
    for (int k = line::clear; k <= line::path; ++k) explain_line(k);
    explain_count("vertices reached", reached);
    explain_count("levels of the breadth-first search", levels);
    explain_list("vertices on each level, from level 0", per_level, levels);
    explain_count("longest queue", longest_queue);
    if (found) {
        int path[vertex_count];
        for (int k = 0; k < found_path_length(); ++k) path[k] = path_vertex(k);
        explain_list("path from corner to corner", path, found_path_length());
    }
}

// "vertex 417 (row 10, column 17)": where to find it on the lattice, counted from 0 at the top left.
const char* named(int v) {
    static char text[4][40];
    static int turn;
    char* name = text[turn++ % 4];
    std::snprintf(name, sizeof text[0], "vertex %d (row %d, column %d)", v, v / columns, v % columns);
    return name;
}

// "0->41->82": the tree path from the start to v along the parents, when it is short enough to read.
void tree_path(char* text, int size, int start, int v) {
    int path[vertex_count], length = 0;
    for (int u = v; u != start; u = parent_of(u)) path[length++] = u;
    path[length++] = start;
    int used = 0;
    for (int k = length - 1; k >= 0 && used < size; --k)
        used += std::snprintf(text + used, size - used, "%s%d", k == length - 1 ? "" : "->", path[k]);
}

void answer_whether_reached(int start, int v) {
    const int level = level_of(start, v);
    char path[400];
    if (level >= 0) {
        tree_path(path, sizeof path, start, v);
        answer(answers::yes, "Yes: the search reaches %s on level %d, along the tree path %s.", named(v), level, path);
        return;
    }
    int reached = 0;
    for (int u = 0; u < vertex_count; ++u) reached += level_of(start, u) >= 0;
    answer(answers::no, "No: the queue ran empty after the search had reached %d vertices, and no edge joins any of "
                        "them to %s or to the vertices its edges lead to, so no path leads there from the start.",
           reached, named(v));
}

void answer_level(int start, int v) {
    const int level = level_of(start, v);
    char path[400];
    tree_path(path, sizeof path, start, v);
    answer(level, "Level %d: %s is %d edges from the start along the tree path %s, and the search finds every "
                  "vertex first from one a level nearer the start, so no path to it is shorter.",
           level, named(v), level, path);
}

void answer_level_two(int start) {
    int on_two[vertex_count], count = 0;
    for (int v = 0; v < vertex_count; ++v)
        if (level_of(start, v) == 2) on_two[count++] = v;
    char list[vertex_count / 2] = "";
    for (int k = 0, used = 0; k < count; ++k) used = join_words(list, sizeof list, used, k, count, on_two[k]);
    if (count == 0)
        answer(0, "0: no neighbour of the start's neighbours is undiscovered, so the queue runs empty after level 1.");
    else
        answer(count, "%d: level 2 holds the undiscovered neighbours of the level-1 vertices (the start's own "
                      "neighbours), each counted once: %s.", count, list);
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

    char text[text_buffer_size];
    std::snprintf(text, sizeof text,
                  "The search starts from the top-left corner, vertex %d, of this random %d x %d lattice, whose %d "
                  "edges each join two neighbouring vertices across, down or diagonally. It keeps a queue of the "
                  "vertices it has discovered but not yet finished, always goes on from the oldest, and gives each "
                  "newly discovered vertex a parent: the vertex it was discovered from. So it finishes every vertex "
                  "of level d (d edges from the start) before any of level d + 1, and each vertex is discovered "
                  "first along a shortest path from the start. When the queue runs empty, the bottom-right corner, "
                  "vertex %d, has a parent exactly when some path reaches it, and following the parents back gives "
                  "a path with as few edges as any. Each vertex enters the queue at most once and each edge is "
                  "looked at from both ends, so the search costs time in proportion to the %d vertices plus the %d "
                  "edges.",
                  start_corner, columns, rows, count_edges(), target_corner, vertex_count, count_edges());
    how_it_works(text);
    algorithm_lines({
        "mark every vertex undiscovered, with no parent",
        "discover the top-left corner; queue = [top-left corner]",
        "while the queue is not empty",
        "  u = the vertex at the front of the queue",
        "  for each neighbour w of u, in increasing number (up-left first, down-right last)",
        "    if w is undiscovered:",
        "      parent[w] = u; discover w; put w at the back of the queue",
        "  take u off the front of the queue; u is finished",
        "follow the parents back from the bottom-right corner: the path, if they reach the start",
    });
}

// Asked once the search's first frame has put the random graph on screen, so that the student
// can look for a way across before the search shows it.
// The vertices named are drawn once the graph is on screen; which are asked is decided there too, so
// that one "y" does not answer both questions of reaching.
void ask_whether_the_corner_is_reached() {
    ask(AnswerKind::yes_no, "The breadth-first search has started from the top-left corner. Will it reach the "
                            "bottom-right corner, vertex %d?", vertex_count - 1);
    level_ahead_of_the_search();
    const bool corner_reached = level_ahead[target_corner] >= 0;
    other_vertex = corner_reached ? drawn_vertex([](int v) { return level_ahead[v] < 0 && has_edge(v); })
                                  : drawn_vertex([](int v) { return level_ahead[v] >= 6; });
    if (other_vertex < 0)
        other_vertex = drawn_vertex(corner_reached ? [](int v) { return level_ahead[v] < 0; }
                                                   : [](int v) { return level_ahead[v] > 0; });
    if (other_vertex >= 0)
        ask(AnswerKind::yes_no, "Will it reach %s?", named(other_vertex));
    // Two vertices a few levels out, where the levels can be worked out by hand from the picture.
    level_asked[0] = drawn_vertex([](int v) { return level_ahead[v] >= 3 && level_ahead[v] <= 5; });
    level_asked[1] = drawn_vertex([](int v) { return level_ahead[v] >= 6 && level_ahead[v] <= 8; });
    // A search that dies out near the start is asked about what it does reach, two edges out or more.
    if (level_asked[0] < 0) level_asked[0] = drawn_vertex([](int v) { return level_ahead[v] >= 2; });
    if (level_asked[1] < 0 && level_asked[0] >= 0)
        level_asked[1] = drawn_vertex([](int v) { return level_ahead[v] >= 2 && v != level_asked[0]; });
    for (int v : level_asked)
        if (v >= 0) ask(AnswerKind::number, "On which level will the search discover %s?", named(v));
    ask(AnswerKind::number, "How many vertices will level 2 hold, those two edges from the start and no nearer?");
    path_asked = corner_reached;
    if (path_asked) ask(AnswerKind::number, "How many edges will the path from corner to corner have?");
}

void said_finished(int u, int queue_length) {
    finished_count += 1;
    // u was still at the front while its neighbours went in at the back: the queue was one longer.
    const int level = level_of(start_corner, u);
    if (queue_length + 1 > longest_queue) {
        longest_queue = queue_length + 1;
        longest_queue_level = level;
    }
    if (level != level_now) {
        // The first vertex of a new level: every vertex discovered so far lies on this level or before.
        const int through = level == 0 ? 1 : discovered_so_far;
        level_now_size = through - through_level_now;
        through_level_now = through;
        level_now = level;
    }
    discovered_so_far = finished_count + queue_length;
    const int next_level_so_far = discovered_so_far - through_level_now;
    if (queue_length == 0) {
        say_during_stage("searching breadth-first: level %d, the last, is off the queue and added nothing new; the "
                         "queue is empty", level_now);
        return;
    }
    say_during_stage("searching breadth-first: taking level %d's %d %s off the queue, which %s added %d %s to "
                     "level %d so far; %d in the queue",
                     level_now, level_now_size, plural(level_now_size, "vertex", "vertices"),
                     plural(level_now_size, "has", "have"), next_level_so_far,
                     plural(next_level_so_far, "vertex", "vertices"), level_now + 1, queue_length);
}

void say_search(int start, int target) {
    answer_whether_the_corner_was_reached(start, target);
    if (other_vertex >= 0) answer_whether_reached(start, other_vertex);
    for (int v : level_asked)
        if (v >= 0) answer_level(start, v);
    answer_level_two(start);
    if (path_asked)
        answer(level_of(start, target), "%d edges: the corner is found on level %d, %d edges from the start, and "
                                        "the path follows the parents back one level per edge; no path is shorter.",
               level_of(start, target), level_of(start, target), level_of(start, target));
    explain_search(start, target);
}
