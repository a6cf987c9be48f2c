// gridtrees: the depth-first and the breadth-first spanning trees of a 33 x 33 lattice, grown from
// its centre one flip at a time; a key after the lattice and after each tree.
#include "kit.h"

namespace {

constexpr int side = 33;
constexpr int vertex_count = side * side;
constexpr int centre = 544;  // row 16, column 16
constexpr int spacing = 18;
constexpr int margin = 10;

enum Colour { white, red, blue };

int vertex_x[vertex_count];
int vertex_y[vertex_count];
int adjacency[vertex_count][4];
int degree[vertex_count];
int visited[vertex_count];
int queue[vertex_count];
int queue_length;

// For the words of each step only; the drawing never reads these.
int tree_edges;           // tree edges taken by the search that ran last
int depth;                // how deep the depth-first recursion is now, and the deepest it went
int deepest;
int last_reached;         // the vertex the search reached last
int level[vertex_count];  // breadth-first level: lattice distance from the centre

int count_visited() {
    int n = 0;
    for (int v = 0; v < vertex_count; ++v) n += visited[v];
    return n;
}

void place_vertices() {
    for (int v = 0; v < vertex_count; ++v) {
        vertex_x[v] = margin + spacing * (v % side);
        vertex_y[v] = margin + spacing * (v / side);
    }
}

// Neighbours go in as up, left, right, down: that order is the visit order of both searches and
// is what makes the depth-first tree a single path.
void build_lattice() {
    for (int v = 0; v < vertex_count; ++v) {
        int n = 0;
        if (v > side - 1) adjacency[v][n++] = v - side;
        if (v % side != 0) adjacency[v][n++] = v - 1;
        if ((v + 1) % side != 0) adjacency[v][n++] = v + 1;
        if (v <= vertex_count - side - 1) adjacency[v][n++] = v + side;
        degree[v] = n;
    }
}

// Every edge is drawn from both of its ends.
void draw_lattice_edges() {
    for (int v = 0; v < vertex_count; ++v) {
        for (int k = 0; k < degree[v]; ++k) {
            const int w = adjacency[v][k];
            draw_line_unclipped(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], palette[blue]);
        }
    }
}

// The tree is one path through all 1089 vertices, so the recursion goes 1089 calls deep.
void depth_first_search(int v) {
    visited[v] = 1;
    for (int k = 0; k < degree[v]; ++k) {
        const int w = adjacency[v][k];
        if (visited[w] == 0) {
            draw_thick_line(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], 1, palette[red]);
            SDL_Flip(screen);
            pace_frame();
            tree_edges += 1;
            last_reached = w;
            depth += 1;
            if (depth > deepest) deepest = depth;
            depth_first_search(w);
            depth -= 1;
        }
    }
}

// The queue's head is element 0; removing it shifts the rest forward, one flip per expanded vertex.
void breadth_first_search(int start) {
    for (int v = 0; v < vertex_count; ++v) visited[v] = 0;
    queue[0] = start;
    queue_length = 1;
    visited[start] = 1;
    while (queue_length > 0) {
        const int u = queue[0];
        for (int k = 0; k < degree[u]; ++k) {
            const int w = adjacency[u][k];
            if (visited[w] == 0) {
                queue[queue_length++] = w;
                visited[w] = 1;
                level[w] = level[u] + 1;
                tree_edges += 1;
                last_reached = w;
                draw_thick_line(vertex_x[u], vertex_y[u], vertex_x[w], vertex_y[w], 1,
                                palette[red]);
            }
        }
        for (int i = 1; i < queue_length; ++i) queue[i - 1] = queue[i];
        --queue_length;
        SDL_Flip(screen);
        pace_frame();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv,
                {"gridtrees", "depth-first and breadth-first trees of a 33 x 33 lattice",
                 /*draws_random_graph=*/false, /*animates=*/true});
    palette[white] = SDL_MapRGB(screen->format, 255, 255, 255);
    palette[red] = SDL_MapRGB(screen->format, 255, 0, 0);
    palette[blue] = SDL_MapRGB(screen->format, 0, 0, 255);
    SDL_FillRect(screen, nullptr, palette[white]);
    use_line_routine(LineRoutine::unclipped);

    place_vertices();

    // The lattice.
    for (int v = 0; v < vertex_count; ++v) fill_disc(vertex_x[v], vertex_y[v], 2, palette[blue]);
    build_lattice();
    draw_lattice_edges();
    legend("small blue disc: a vertex of the lattice");
    legend("thin blue line: a lattice edge");
    legend("red disc: the centre vertex, where both searches start");
    legend("thick red line: a tree edge of the search, from the vertex it was found from to the new vertex");
    int lattice_edges = 0;
    for (int v = 0; v < vertex_count; ++v) lattice_edges += degree[v];
    lattice_edges /= 2;
    explain("This is a %d x %d square lattice of %d vertices and %d edges. Two spanning trees will grow from the "
            "centre vertex %d (row %d, column %d): first depth-first, then breadth-first; each tries the neighbours "
            "up, left, right, down in that order.",
            side, side, vertex_count, lattice_edges, centre, centre / side, centre % side);
    explain_count("lattice edges", lattice_edges);
    SDL_Flip(screen);
    wait_step();

    // The depth-first tree, one flip per tree edge; no events are read while it grows.
    fill_disc(vertex_x[centre], vertex_y[centre], 3, palette[red]);
    ask(AnswerKind::yes_no, "The depth-first search starts at the centre and tries up, left, right, down in that order. "
                            "Will its tree be one single path, the search never backing up until it has reached all "
                            "%d vertices?", vertex_count);
    begin_stage("growing the depth-first tree from the centre");
    depth_first_search(centre);
    if (deepest == tree_edges)
        answer(answers::yes, "Yes: going up first, then left, right, down, the search always found an undiscovered "
                             "neighbour until the end, so it never backed up and its tree is one path of %d edges.",
               tree_edges);
    else
        answer(answers::no, "No: the search had to back up, so its tree branches; its deepest branch is %d edges "
                            "long, fewer than its %d tree edges.", deepest, tree_edges);
    explain("The depth-first tree is finished: it reached all %d vertices by %d tree edges.", count_visited(),
            tree_edges);
    if (deepest == tree_edges)
        explain("Going up first, then left, right, down, the search never had to back up before the end: the tree "
                "is one path %d edges long, from centre %d to vertex %d.",
                deepest, centre, last_reached);
    else
        explain("Its deepest branch is %d edges long; the last vertex reached was %d.", deepest, last_reached);
    explain_count("vertices reached", count_visited());
    explain_count("tree edges", tree_edges);
    explain_count("deepest recursion (edges from the centre along the tree)", deepest);
    SDL_Flip(screen);
    wait_step();

    // The breadth-first tree on a fresh picture: the vertex discs are left out this time.
    SDL_FillRect(screen, nullptr, palette[white]);
    fill_disc(vertex_x[centre], vertex_y[centre], 3, palette[red]);
    draw_lattice_edges();
    constexpr int corner = 0;  // top left
    ask(AnswerKind::number, "The breadth-first tree grows from the centre next. How many tree edges will lie on its "
                            "path from the centre to the top-left corner?");
    begin_stage("growing the breadth-first tree from the centre");
    tree_edges = 0;
    breadth_first_search(centre);
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
            count_visited(), tree_edges, levels - 1, per_level[levels - 1]);
    explain_list("vertices on each level of the breadth-first search, from level 0", per_level, levels);
    explain_count("levels", levels);
    explain_count("vertices reached", count_visited());
    SDL_Flip(screen);
    wait_step();
    return end_show();
}
