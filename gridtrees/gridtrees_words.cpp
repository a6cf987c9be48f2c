// The words of gridtrees, from the counts the searches hand over; they draw nothing.
#include "gridtrees_words.h"

#include "kit.h"
#include "lattice.h"

namespace {

int depth_first_edges;
int depth;    // how deep the depth-first recursion is now
int deepest;  // and the deepest it went
int last_reached;  // the vertex the depth-first search reached last
int breadth_first_edges;
int level[vertex_count];  // breadth-first level: lattice distance from the centre

int count_visited(const int* visited) {
    int n = 0;
    for (int v = 0; v < vertex_count; ++v) n += visited[v];
    return n;
}

}  // namespace

void give_gridtrees_legend() {
    legend("small blue disc: a vertex of the lattice");
    legend("thin blue line: a lattice edge");
    legend("red disc: the centre vertex, where both searches start");
    legend("thick red line: a tree edge of the search, from the vertex it was found from to the new vertex");
}

void say_lattice(const int* degree) {
    int lattice_edges = 0;
    for (int v = 0; v < vertex_count; ++v) lattice_edges += degree[v];
    lattice_edges /= 2;
    explain("This is a %d x %d square lattice of %d vertices and %d edges. Two spanning trees will grow from the "
            "centre vertex %d (row %d, column %d): first depth-first, then breadth-first; each tries the neighbours "
            "up, left, right, down in that order.",
            side, side, vertex_count, lattice_edges, centre, centre / side, centre % side);
    explain_count("lattice edges", lattice_edges);
}

void ask_whether_one_path() {
    ask(AnswerKind::yes_no, "The depth-first search starts at the centre and tries up, left, right, down in that order. "
                            "Will its tree be one single path, the search never backing up until it has reached all "
                            "%d vertices?", vertex_count);
}

void said_went_down(int w) {
    depth_first_edges += 1;
    last_reached = w;
    depth += 1;
    if (depth > deepest) deepest = depth;
}

void said_came_back() { depth -= 1; }

void say_depth_first_tree(const int* visited) {
    if (deepest == depth_first_edges)
        answer(answers::yes, "Yes: going up first, then left, right, down, the search always found an undiscovered "
                             "neighbour until the end, so it never backed up and its tree is one path of %d edges.",
               depth_first_edges);
    else
        answer(answers::no, "No: the search had to back up, so its tree branches; its deepest branch is %d edges "
                            "long, fewer than its %d tree edges.", deepest, depth_first_edges);
    explain("The depth-first tree is finished: it reached all %d vertices by %d tree edges.", count_visited(visited),
            depth_first_edges);
    if (deepest == depth_first_edges)
        explain("Going up first, then left, right, down, the search never had to back up before the end: the tree "
                "is one path %d edges long, from centre %d to vertex %d.",
                deepest, centre, last_reached);
    else
        explain("Its deepest branch is %d edges long; the last vertex reached was %d.", deepest, last_reached);
    explain_count("vertices reached", count_visited(visited));
    explain_count("tree edges", depth_first_edges);
    explain_count("deepest recursion (edges from the centre along the tree)", deepest);
}

void ask_corner_level() {
    ask(AnswerKind::number, "The breadth-first tree grows from the centre next. How many tree edges will lie on its "
                            "path from the centre to the top-left corner?");
}

void said_found(int u, int w) {
    level[w] = level[u] + 1;
    breadth_first_edges += 1;
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
    explain("The breadth-first tree is finished: it reached all %d vertices by %d tree edges, level by level, so each "
            "vertex hangs at its shortest lattice distance from the centre. Level 0 is the centre alone and the last "
            "level, %d, holds the %d corners.",
            count_visited(visited), breadth_first_edges, levels - 1, per_level[levels - 1]);
    explain_list("vertices on each level of the breadth-first search, from level 0", per_level, levels);
    explain_count("levels", levels);
    explain_count("vertices reached", count_visited(visited));
}
