// The words of orientgrid, read from the matrix, the numbers and the parents.
#include "orientgrid_words.h"

#include <algorithm>
#include <string>

#include "grid_search.h"
#include "kit.h"

namespace {

std::string tree_arcs;
int tree_count;
std::string back_arcs;
int back_count;

std::string arc_text(int from, int to) { return std::to_string(from) + "->" + std::to_string(to); }

// The edge as a student finds it on the grid, smaller vertex number first.
std::string edge_text(int a, int b) { return std::to_string(std::min(a, b)) + "-" + std::to_string(std::max(a, b)); }

int count_edges() {
    int ends = 0;
    for (int i = 0; i < vertex_count; ++i)
        for (int j = 0; j < vertex_count; ++j) ends += adjacency[i][j] == arc;
    return ends / 2;
}

// The rows whose two middle vertices are not joined, as "0, 2 and 4"; returns how many.
int name_rows_without_middle_edge(char* text, int size) {
    constexpr int rows = vertex_count / grid_columns;
    constexpr int middle = grid_columns / 2 - 1;  // the middle edge joins this column to the next
    bool missing[rows];
    int count = 0;
    for (int r = 0; r < rows; ++r) {
        const int v = r * grid_columns + middle;
        missing[r] = adjacency[v][v + 1] != arc;
        count += missing[r];
    }
    int used = 0, named = 0;
    text[0] = '\0';
    for (int r = 0; r < rows; ++r)
        if (missing[r]) used = join_words(text, size, used, named++, count, r);
    return count;
}

// The parents with the root, which has none, left blank.
void explain_parents() {
    int parents[vertex_count];
    for (int i = 0; i < vertex_count; ++i) parents[i] = dfs_number[i] == 1 ? -1 : parent[i];
    explain_table("parents", "vertex", "parent", parents, vertex_count, -1);
}

}  // namespace

void give_orientgrid_legend() {
    legend("small black disc with a ringed number beside it: a vertex and its vertex number");
    legend("thin black line with a head at each end: an undirected edge, drawn once in each direction");
    legend("number below the ring (second picture on): the vertex's discovery number in the depth-first search");
    legend("thick red line: a tree edge of the depth-first search, joining a vertex to its parent");
    legend("thick red arrow: an edge given its direction");
    legend("green disc and the caption STRONGLY CONNECTED GRAPH (last picture): every edge is directed and the digraph is strongly connected");
}

void say_grid() {
    const int edge_count = count_edges();
    char rows[40];
    const int short_rows = name_rows_without_middle_edge(rows, sizeof rows);
    explain("This is an undirected grid graph of %d vertices and %d edges; %s %s %s middle edge. A depth-first search "
            "from vertex 0 will number the vertices, and the numbers will then give every edge a direction so that "
            "each vertex can reach every other.",
            vertex_count, edge_count, short_rows == 1 ? "row" : "rows", rows,
            short_rows == 1 ? "misses its" : "miss their");
    explain_count("edges", edge_count);
}

void say_numbering() {
    int visit_order[vertex_count];
    for (int i = 0; i < vertex_count; ++i) visit_order[dfs_number[i] - 1] = i;
    explain("The depth-first search from vertex 0, trying neighbours in increasing vertex number, gave each vertex "
            "its discovery number, written below its ring: vertex %d got 1 and vertex %d, reached last, got %d. The "
            "%d red lines are the tree edges, each from a vertex to the parent it was discovered from.",
            visit_order[0], visit_order[vertex_count - 1], vertex_count, vertex_count - 1);
    explain_list("vertices in discovery order", visit_order, vertex_count);
    explain_table("discovery numbers", "vertex", "discovery number", dfs_number, vertex_count, 0);
    explain_parents();
}

// A tree edge whose child has the smaller vertex number, so that the answer comes from the tree
// and not from the numbering of the grid; the first tree edge if there is none such.
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

void said_tree_arc(int from, int to) {
    tree_arcs += (tree_count == 0 ? "" : ", ") + arc_text(from, to);
    tree_count += 1;
}

void say_tree_arcs() {
    explain("Every tree edge is directed from parent to child, away from the root, so vertex 0 now reaches every "
            "vertex along the tree. The %d tree arcs are %s.",
            tree_count, tree_arcs.c_str());
    explain_count("tree edges directed", tree_count);
}

// The back edge that climbs furthest, from the larger discovery number to the smaller.
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

void said_back_arc(int from, int to) {
    back_arcs += (back_count == 0 ? "" : ", ") + arc_text(from, to);
    back_count += 1;
}

void say_back_arcs() {
    explain("Each of the %d other edges is a back edge between a vertex and one of its ancestors; it is directed from "
            "the larger discovery number to the smaller, toward the ancestor: %s. Every edge of this grid lies on a "
            "cycle, so these back edges lead up out of every subtree and every vertex can return to vertex 0: the "
            "digraph is strongly connected.",
            back_count, back_arcs.c_str());
    explain_count("tree edges", tree_count);
    explain_count("back edges", back_count);
}
