// The words of gridtrees, from the counts the searches hand over; they draw nothing.
#include "gridtrees_words.h"

#include "kit.h"
#include "lattice.h"

#include <cstdio>

namespace {

// The lines of algorithm_lines, counted from 1.
namespace line {
constexpr int lattice = 1;
constexpr int depth_first_marks = 2;
constexpr int depth_first_tries = 3;
constexpr int depth_first_goes_down = 4;
constexpr int depth_first_start = 5;
constexpr int breadth_first_start = 6;
constexpr int breadth_first_loop = 7;
constexpr int breadth_first_front = 8;
constexpr int breadth_first_tries = 9;
constexpr int breadth_first_finds = 10;
constexpr int breadth_first_removes = 11;
}  // namespace line

// The order in which both searches try a vertex's neighbours: the order build_lattice lists them.
constexpr const char* neighbour_order = "up, left, right, down";

// The vertices and level the questions name: the depth-first path to the centre's left neighbour,
// two lattice edges into the vertex up and left of the centre, of which the breadth-first search
// takes only the one from the neighbour it takes off its queue first, and a level past the sides.
constexpr int path_end = centre - 1;
constexpr int edge_end = centre - side - 1;
constexpr int edge_not_taken_from = centre - 1;  // the centre's left neighbour, queued after its up one
constexpr int edge_taken_from = centre - side;
constexpr int level_asked = 20;

int depth_first_edges;
int depth_first_parent[vertex_count];
int depth;    // how deep the depth-first recursion is now, in tree edges from the centre
int deepest;  // and the deepest it went
int last_reached;  // the vertex the depth-first search reached last
int opening_run;   // tree edges straight up from the centre before the first turn
int opening_turn;  // the vertex the search turned at, and where it went from there
int turned_to;
bool turned;

int breadth_first_edges;
int level[vertex_count];                // breadth-first level: lattice distance from the centre
int breadth_first_parent[vertex_count];
int found_order[vertex_count];  // 1 for the first vertex the breadth-first search found, and on
int found_on_level[vertex_count] = {1};  // level 0 is the centre alone
int longest_queue;
int longest_queue_level;  // the level being taken off the queue when it was longest

int count_visited(const int* visited) {
    int n = 0;
    for (int v = 0; v < vertex_count; ++v) n += visited[v];
    return n;
}

int count_lattice_edges(const int* degree) {
    int ends = 0;
    for (int v = 0; v < vertex_count; ++v) ends += degree[v];
    return ends / 2;
}

const char* plural(int n, const char* one, const char* many) { return n == 1 ? one : many; }

const char* direction(int v, int w) {
    if (w == v - side) return "up";
    if (w == v - 1) return "left";
    if (w == v + 1) return "right";
    return "down";
}

}  // namespace

void give_gridtrees_legend() {
    legend("small blue disc: a vertex of the lattice");
    legend("thin blue line: a lattice edge");
    legend("red disc: the centre vertex, where both searches start");
    legend("thick red line: a tree edge of the search, from the vertex it was found from to the new vertex");
    char rule[160];
    std::snprintf(rule, sizeof rule,
                  "the rule: both searches try a vertex's neighbours in the order %s, skipping any that lie off the "
                  "lattice",
                  neighbour_order);
    legend(rule);
}

void say_how_the_searches_work(const int* degree) {
    char text[text_buffer_size];
    std::snprintf(text, sizeof text,
                  "Both searches start at the centre vertex %d of this %d x %d lattice (%d vertices, %d edges) and "
                  "keep one rule: a vertex is marked reached the first time the search gets to it, and only an edge "
                  "to an unreached vertex becomes a tree edge. So every vertex but the centre gets exactly one tree "
                  "edge, to the vertex it was reached from: a search that reaches all %d vertices has %d tree edges "
                  "and no cycle, a spanning tree. The depth-first search goes on at once from the vertex it has just "
                  "reached and backs up only from a vertex with no unreached neighbour left (its recursion is a "
                  "stack), so its tree has long, deep paths. The breadth-first search puts each vertex it reaches at "
                  "the back of a queue and goes on from the front, so it finishes every vertex at distance d from "
                  "the centre before any at distance d + 1: its tree grows level by level, and each vertex hangs at "
                  "its shortest distance from the centre. Each search looks at every vertex's list of at most 4 "
                  "neighbours once, so each costs time in proportion to the %d vertices plus the %d edges.",
                  centre, side, side, vertex_count, count_lattice_edges(degree), vertex_count, vertex_count - 1,
                  vertex_count, count_lattice_edges(degree));
    how_it_works(text);
    algorithm_lines({
        "each vertex lists its neighbours in the order up, left, right, down",
        "depth-first(v): mark v reached",
        "  for each neighbour w of v, in its list's order",
        "    if w is not reached: tree edge v-w; depth-first(w)",
        "depth-first(centre)",
        "breadth-first: clear the marks; mark the centre reached; queue = [centre]",
        "  while the queue is not empty",
        "    u = the vertex at the front of the queue",
        "    for each neighbour w of u, in its list's order",
        "      if w is not reached: put w at the back of the queue; mark w reached; tree edge u-w",
        "    take u off the front of the queue",
    });
}

void say_lattice(const int (*adjacency)[4], const int* degree) {
    const int lattice_edges = count_lattice_edges(degree);
    char centre_list[80];
    int used = 0;
    for (int k = 0; k < degree[centre]; ++k)
        used = join_words(centre_list, sizeof centre_list, used, k, degree[centre], adjacency[centre][k]);
    explain("The %d x %d square lattice is drawn: %d vertices, %d edges, each vertex joined to the vertices above, "
            "left of, right of and below it.",
            side, side, vertex_count, lattice_edges);
    explain("Two spanning trees will grow from the centre vertex %d (row %d, column %d), first depth-first, then "
            "breadth-first, and both try a vertex's neighbours in the order %s: vertex v's list is v - %d, v - 1, "
            "v + 1, v + %d, without those off the lattice, so the centre's list is %s.",
            centre, centre / side, centre % side, neighbour_order, side, side, centre_list);
    explain_line(line::lattice);
    explain_count("lattice edges", lattice_edges);
    explain_list("the centre's neighbours, in the order tried (up, left, right, down)", adjacency[centre],
                 degree[centre]);
}

void ask_about_depth_first_tree() {
    ask(AnswerKind::yes_no, "The depth-first search starts at the centre and tries up, left, right, down in that order. "
                            "Will its tree be one single path, the search never backing up until it has reached all "
                            "%d vertices?", vertex_count);
    ask(AnswerKind::number, "How many tree edges will the depth-first tree's path from the centre %d to vertex %d "
                            "(row %d, column %d, just left of the centre) have?",
        centre, path_end, path_end / side, path_end % side);
}

void said_went_down(int v, int w) {
    depth_first_edges += 1;
    depth_first_parent[w] = v;
    last_reached = w;
    depth += 1;
    if (depth > deepest) deepest = depth;
    if (!turned && w == v - side) {
        opening_run += 1;
    } else if (!turned) {
        turned = true;
        opening_turn = v;
        turned_to = w;
    }
    say_during_stage("growing the depth-first tree: %d of %d vertices reached, the search %d tree %s from the centre",
                     depth_first_edges + 1, vertex_count, depth, plural(depth, "edge", "edges"));
}

void said_came_back() { depth -= 1; }

void say_depth_first_tree(const int* visited) {
    const bool one_path = deepest == depth_first_edges;
    if (one_path)
        answer(answers::yes, "Yes: going up first, then left, right, down, the search always found an unreached "
                             "neighbour until the end, so it never backed up and its tree is one path of %d edges.",
               depth_first_edges);
    else
        answer(answers::no, "No: the search had to back up, so its tree branches; its deepest branch is %d edges "
                            "long, fewer than its %d tree edges.", deepest, depth_first_edges);
    // The tree path from the centre to path_end, read back through the parents and counted by direction.
    int up = 0, across = 0, down = 0;
    for (int v = path_end; v != centre; v = depth_first_parent[v]) {
        const int from = depth_first_parent[v];
        up += v == from - side;
        down += v == from + side;
        across += v == from - 1 || v == from + 1;
    }
    answer(up + across + down, "%d edges: the tree path from the centre to %d climbs %d edges up to the top row, "
                               "then, as up comes first and left second, snakes left and right along the rows of "
                               "the left half on its way down: %d edges across and %d down, %d + %d + %d = %d.",
           up + across + down, path_end, up, across, down, up, across, down, up + across + down);
    explain("The depth-first tree has grown in red from the centre %d: it reached all %d vertices by %d tree edges.",
            centre, count_visited(visited), depth_first_edges);
    if (turned)
        explain("Up comes first in every list, so from %d the search went straight up %d edges to vertex %d, where "
                "%s, and turned %s to %d.",
                centre, opening_run, opening_turn,
                opening_turn / side == 0 ? "no vertex lies above" : "the vertex above was reached already",
                direction(opening_turn, turned_to), turned_to);
    if (one_path)
        explain("From every vertex it reached it found an unreached neighbour, so it never had to back up before the "
                "end: the tree is one path %d edges long, from the centre %d to vertex %d (row %d, column %d), and "
                "the recursion was %d calls deep before the calls returned one after another.",
                deepest, centre, last_reached, last_reached / side, last_reached % side, deepest + 1);
    else
        explain("Where a vertex had no unreached neighbour left, the search backed up to the vertex it came from and "
                "tried that one's next neighbour, so the tree branches: its deepest branch is %d edges long, and the "
                "last vertex reached was %d.",
                deepest, last_reached);
    explain_line(line::depth_first_start);
    explain_line(line::depth_first_marks);
    explain_line(line::depth_first_tries);
    explain_line(line::depth_first_goes_down);
    explain_count("vertices reached", count_visited(visited));
    explain_count("tree edges", depth_first_edges);
    explain_count("deepest recursion (edges from the centre along the tree)", deepest);
}

void ask_about_breadth_first_tree() {
    ask(AnswerKind::number, "The breadth-first tree grows from the centre next. How many tree edges will lie on its "
                            "path from the centre to the top-left corner?");
    for (int from : {edge_not_taken_from, edge_taken_from})
        ask(AnswerKind::yes_no, "Will the lattice edge %d-%d become a tree edge of the breadth-first tree (vertex %d is "
                                "row %d, column %d)?", from, edge_end, edge_end, edge_end / side, edge_end % side);
    ask(AnswerKind::number, "How many vertices will level %d of the breadth-first tree hold, the vertices %d tree "
                            "edges from the centre?", level_asked, level_asked);
}

void said_found(int u, int w) {
    level[w] = level[u] + 1;
    breadth_first_parent[w] = u;
    found_order[w] = breadth_first_edges + 1;
    found_on_level[level[w]] += 1;
    breadth_first_edges += 1;
}

void said_expanded(int u, int queue_length) {
    // u was still at the front while its neighbours went in at the back: the queue was one longer.
    if (queue_length + 1 > longest_queue) {
        longest_queue = queue_length + 1;
        longest_queue_level = level[u];
    }
    const int next_level = level[u] + 1;
    if (found_on_level[next_level] == 0 && breadth_first_edges + 1 == vertex_count) {
        say_during_stage("growing the breadth-first tree: taking the last level, %d, off the queue, which finds "
                         "nothing new; all %d vertices reached, %d in the queue",
                         level[u], vertex_count, queue_length);
        return;
    }
    say_during_stage("growing the breadth-first tree: taking level %d's %d %s off the queue, level %d has %d %s "
                     "so far; %d of %d vertices reached, %d in the queue",
                     level[u], found_on_level[level[u]], plural(found_on_level[level[u]], "vertex", "vertices"),
                     next_level, found_on_level[next_level], plural(found_on_level[next_level], "vertex", "vertices"),
                     breadth_first_edges + 1, vertex_count, queue_length);
}

void say_breadth_first_tree(const int* visited) {
    constexpr int corner = 0;  // top left
    answer(level[corner], "%d edges: the breadth-first tree reaches every vertex along a shortest path, and the top-left "
                          "corner is %d rows up and %d columns left of the centre, so it hangs on level %d + %d = %d.",
           level[corner], centre / side, centre % side, centre / side, centre % side, level[corner]);
    int levels = 0;
    for (int v = 0; v < vertex_count; ++v)
        if (level[v] + 1 > levels) levels = level[v] + 1;
    int per_level[vertex_count] = {};
    for (int v = 0; v < vertex_count; ++v) per_level[level[v]] += 1;
    int largest = 0;
    int largest_count = 0;
    for (int d = 0; d < levels; ++d) {
        if (per_level[d] > largest) {
            largest = per_level[d];
            largest_count = 0;
        }
        if (per_level[d] == largest) largest_count += 1;
    }
    char largest_levels[200];
    int used = 0;
    for (int d = 0, i = 0; d < levels; ++d)
        if (per_level[d] == largest)
            used = join_words(largest_levels, sizeof largest_levels, used, i++, largest_count, d);

    // The edge pair: of edge_end's two neighbours one level nearer, the one queued first finds it.
    const bool taken_first = found_order[edge_taken_from] < found_order[edge_not_taken_from];
    const int first = taken_first ? edge_taken_from : edge_not_taken_from;
    const int second = taken_first ? edge_not_taken_from : edge_taken_from;
    char reason[300];
    std::snprintf(reason, sizeof reason,
                  "%d is on level %d, next to %d and %d on level %d; %d went into the queue before %d, so it came "
                  "off first and found %d",
                  edge_end, level[edge_end], first, second, level[edge_end] - 1, first, second, edge_end);
    for (int from : {edge_not_taken_from, edge_taken_from}) {
        if (breadth_first_parent[edge_end] == from)
            answer(answers::yes, "Yes: %s, making %d-%d its tree edge.", reason, from, edge_end);
        else
            answer(answers::no, "No: %s; when %d came off the queue, %d was reached already, so the edge %d-%d stays "
                                "blue.", reason, from, edge_end, from, edge_end);
    }
    const int missing = 4 * level_asked - per_level[level_asked];
    answer(per_level[level_asked], "%d vertices: on an endless lattice level %d would be a diamond of 4 x %d = %d "
                                   "vertices, but this one reaches only %d rows and columns from the centre, so the %d "
                                   "beyond each of its four sides are missing: %d - 4 x %d = %d.",
           per_level[level_asked], level_asked, level_asked, 4 * level_asked, centre % side, missing / 4,
           4 * level_asked, missing / 4, per_level[level_asked]);
    explain("The breadth-first tree has grown in red from the centre %d on a fresh copy of the lattice: it reached "
            "all %d vertices by %d tree edges.",
            centre, count_visited(visited), breadth_first_edges);
    explain("Taking vertices off the front of the queue in the order it found them, the search finished each level "
            "before the next: level 0 is the centre alone, the search added %d vertices on level 1, %d on "
            "level 2, %d%s on the largest %s %s, and the last, level %d, holds the %d corners.",
            per_level[1], per_level[2], largest, largest_count == 1 ? "" : " each",
            largest_count == 1 ? "level," : "levels,", largest_levels, levels - 1, per_level[levels - 1]);
    explain("Each vertex hangs from a vertex one level nearer the centre, so its tree path is a shortest lattice path: "
            "this tree is only %d edges deep, where the depth-first tree went %d deep. The queue held at most %d "
            "vertices at once, while it took level %d's vertices off it.",
            levels - 1, deepest, longest_queue, longest_queue_level);
    explain_line(line::breadth_first_start);
    explain_line(line::breadth_first_loop);
    explain_line(line::breadth_first_front);
    explain_line(line::breadth_first_tries);
    explain_line(line::breadth_first_finds);
    explain_line(line::breadth_first_removes);
    explain_list("vertices on each level of the breadth-first search, from level 0", per_level, levels);
    explain_count("levels", levels);
    explain_count("vertices reached", count_visited(visited));
    explain_count("longest queue", longest_queue);
}
