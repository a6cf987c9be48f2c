// orientgrid: a strong orientation of a fixed grid graph: depth-first numbers direct tree edges
// down the tree and every other edge from the larger number to the smaller; one key per screen.
#include "grid_search.h"
#include "kit.h"

#include <algorithm>
#include <string>

namespace {

using namespace standard;

constexpr int head_length = 10;

void draw_arrow_between(int i, int j, int half_width, Uint32 colour) {
    draw_thick_arrow(vertex_x[i], vertex_y[i], vertex_x[j], vertex_y[j], half_width, colour, head_length);
}

// While the graph is undirected every edge is drawn once each way and so shows two heads.
void draw_all_arcs() {
    for (int i = 0; i < vertex_count; ++i)
        for (int j = 0; j < vertex_count; ++j)
            if (adjacency[i][j] == arc) draw_arrow_between(i, j, 0, palette[black]);
}

void draw_vertices() {
    for (int i = 0; i < vertex_count; ++i) {
        fill_disc(vertex_x[i], vertex_y[i], 4, palette[black]);
        draw_label(vertex_x[i] + 7, vertex_y[i] + 4, "%d", i);
        draw_circle(vertex_x[i] + 16, vertex_y[i] + 15, 12, palette[black]);
    }
}

void draw_numbering() {
    for (int i = 0; i < vertex_count; ++i) draw_label(vertex_x[i] + 7, vertex_y[i] + 25, "%d", dfs_number[i]);
    // The root is its own parent and has no tree line.
    for (int i = 1; i < vertex_count; ++i)
        draw_thick_line(vertex_x[i], vertex_y[i], vertex_x[parent[i]], vertex_y[parent[i]], 2, palette[red]);
}

// Each tree edge keeps only its direction from parent to child.
void orient_tree_edges() {
    for (int i = 1; i < vertex_count; ++i) {
        const int p = parent[i];
        if (dfs_number[i] > dfs_number[p]) {
            draw_arrow_between(p, i, 3, palette[red]);
            adjacency[i][p] = no_arc;
        }
    }
}

// Tree edges fall out here: their upward entry is gone and their downward one is a parent link.
void orient_other_edges() {
    for (int i = 0; i < vertex_count; ++i)
        for (int j = 0; j < vertex_count; ++j)
            if (adjacency[i][j] == arc && parent[j] != i && dfs_number[i] > dfs_number[j])
                draw_arrow_between(i, j, 3, palette[red]);
}

// ---- Words for the steps, read from the matrix, the numbers and the parents ----

std::string arc_text(int from, int to) { return std::to_string(from) + "->" + std::to_string(to); }

int count_edges() {
    int ends = 0;
    for (int i = 0; i < vertex_count; ++i)
        for (int j = 0; j < vertex_count; ++j) ends += adjacency[i][j] == arc;
    return ends / 2;
}

// The parents with the root, which has none, left blank.
void explain_parents() {
    int parents[vertex_count];
    for (int i = 0; i < vertex_count; ++i) parents[i] = dfs_number[i] == 1 ? -1 : parent[i];
    explain_table("parents", "vertex", "parent", parents, vertex_count, -1);
}

// ---- Questions for --predict: which way one edge will point ----------------------------------

// The edge as a student finds it on the grid, smaller vertex number first.
std::string edge_text(int a, int b) { return std::to_string(std::min(a, b)) + "-" + std::to_string(std::max(a, b)); }

// Asked before the tree edges are directed: a tree edge whose child has the smaller vertex number,
// so that the answer comes from the tree and not from the numbering of the grid; the first tree
// edge if there is none such.
void ask_tree_edge_direction() {
    int child = 0;
    for (int i = 0; i < vertex_count && child == 0; ++i)
        if (dfs_number[i] != 1 && parent[i] > i) child = i;
    for (int i = 0; i < vertex_count && child == 0; ++i)
        if (dfs_number[i] != 1) child = i;
    const int p = parent[child];
    const std::string edge = edge_text(child, p);
    ask(AnswerKind::vertex, "Which vertex will the arrow on edge %s point to?", edge.c_str());
    answer(child, "Edge %s is a tree edge and %d was discovered from its parent %d (discovery numbers %d and %d), so "
                  "it is directed from parent to child: the arrow points to %d.",
           edge.c_str(), child, p, dfs_number[child], dfs_number[p], child);
}

// Asked before the other edges are directed, with the tree edges one-way already: the back edge
// that climbs furthest, from the larger discovery number to the smaller.
void ask_back_edge_direction() {
    int from = -1, to = -1;
    for (int i = 0; i < vertex_count; ++i)
        for (int j = 0; j < vertex_count; ++j)
            if (adjacency[i][j] == arc && parent[j] != i && dfs_number[i] > dfs_number[j] &&
                (from < 0 || dfs_number[i] - dfs_number[j] > dfs_number[from] - dfs_number[to]))
                from = i, to = j;
    if (from < 0) return;  // a tree has no other edges
    const std::string edge = edge_text(from, to);
    ask(AnswerKind::vertex, "Which vertex will the arrow on edge %s point to?", edge.c_str());
    answer(to, "Edge %s is a back edge: %d (discovery number %d) is an ancestor of %d (number %d), and a back edge is "
               "directed from the larger discovery number to the smaller, up to the ancestor: the arrow points to %d.",
           edge.c_str(), to, dfs_number[to], from, dfs_number[from], to);
}

void show() {
    SDL_Flip(screen);
    wait_step();
}

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv, {"orientgrid", "a strong orientation of a grid graph by depth-first numbers",
                             /*draws_random_graph=*/false});
    map_standard_palette();
    SDL_FillRect(screen, nullptr, palette[white]);
    open_labels(20);

    build_grid();

    legend("small black disc with a ringed number beside it: a vertex and its vertex number");
    legend("thin black line with a head at each end: an undirected edge, drawn once in each direction");
    legend("number below the ring (second picture on): the vertex's discovery number in the depth-first search");
    legend("thick red line: a tree edge of the depth-first search, joining a vertex to its parent");
    legend("thick red arrow: an edge given its direction");
    legend("green disc and the caption STRONGLY CONNECTED GRAPH (last picture): every edge is directed and the digraph is strongly connected");

    draw_vertices();
    draw_all_arcs();
    const int edge_count = count_edges();
    explain("This is an undirected grid graph of %d vertices and %d edges; rows 0, 2 and 4 miss their middle edge. "
            "A depth-first search from vertex 0 will number the vertices, and the numbers will then give every edge "
            "a direction so that each vertex can reach every other.",
            vertex_count, edge_count);
    explain_count("edges", edge_count);
    show();

    dfs_number[0] = 1;
    number_vertices(0);
    draw_numbering();
    int visit_order[vertex_count];
    for (int i = 0; i < vertex_count; ++i) visit_order[dfs_number[i] - 1] = i;
    explain("The depth-first search from vertex 0, trying neighbours in increasing vertex number, gave each vertex "
            "its discovery number, written below its ring: vertex %d got 1 and vertex %d, reached last, got %d. The "
            "%d red lines are the tree edges, each from a vertex to the parent it was discovered from.",
            visit_order[0], visit_order[vertex_count - 1], vertex_count, vertex_count - 1);
    explain_list("vertices in discovery order", visit_order, vertex_count);
    explain_table("discovery numbers", "vertex", "discovery number", dfs_number, vertex_count, 0);
    explain_parents();
    show();

    std::string tree_arcs;
    int tree_count = 0;
    for (int i = 1; i < vertex_count; ++i)
        if (dfs_number[i] > dfs_number[parent[i]]) {
            tree_arcs += (tree_count == 0 ? "" : ", ") + arc_text(parent[i], i);
            tree_count += 1;
        }
    ask_tree_edge_direction();
    orient_tree_edges();
    explain("Every tree edge is directed from parent to child, away from the root, so vertex 0 now reaches every "
            "vertex along the tree. The %d tree arcs are %s.",
            tree_count, tree_arcs.c_str());
    explain_count("tree edges directed", tree_count);
    show();

    // The same test as the drawing below: every edge still two-way is not a tree edge.
    std::string back_arcs;
    int back_count = 0;
    for (int i = 0; i < vertex_count; ++i)
        for (int j = 0; j < vertex_count; ++j)
            if (adjacency[i][j] == arc && parent[j] != i && dfs_number[i] > dfs_number[j]) {
                back_arcs += (back_count == 0 ? "" : ", ") + arc_text(i, j);
                back_count += 1;
            }
    ask_back_edge_direction();
    orient_other_edges();
    for (int i = 0; i < vertex_count; ++i) fill_disc(vertex_x[i], vertex_y[i], 5, palette[green]);
    // Always drawn: the fixed graph has every edge on a cycle, so the orientation is strong.
    draw_label(400, 50, "STRONGLY CONNECTED GRAPH");
    explain("Each of the %d other edges is a back edge between a vertex and one of its ancestors; it is directed from "
            "the larger discovery number to the smaller, toward the ancestor: %s. Every edge of this grid lies on a "
            "cycle, so these back edges lead up out of every subtree and every vertex can return to vertex 0: the "
            "digraph is strongly connected.",
            back_count, back_arcs.c_str());
    explain_count("tree edges", tree_count);
    explain_count("back edges", back_count);
    show();

    close_labels();
    return end_show();
}
