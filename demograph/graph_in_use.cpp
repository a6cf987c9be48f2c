// The graph in use: the demo graph copied in, the user's taken over, or a random one drawn.
#include "graph_in_use.h"

#include <algorithm>

namespace {

constexpr int label_room_right = 40;  // a two-digit number label starts 15 pixels right of its vertex
constexpr int edge_of_window = 20;    // the largest disc and the arrows beside the bands stay inside
// An edge passing nearer than this to a vertex would look as if it went through that vertex.
constexpr long long clearance = 20;
constexpr int fewest_extra_edges = 3, most_extra_edges = 5;

// In place: a Graph is too large for the browser build's stack.
void copy_demo_graph(Graph& into) {
    into.vertex_count = vertex_count;
    into.directed = false;
    into.placed = true;
    into.edge_count = 0;
    for (int v = 0; v < vertex_count; ++v) {
        into.x[v] = vertex_x[v];
        into.y[v] = vertex_y[v];
        into.degree[v] = degree[v];
        for (int j = 0; j < degree[v]; ++j) into.adjacency[v][j] = adjacency[v][j];
    }
}

bool vertex_0_has_an_edge(const Graph& candidate, int& line, std::string& why) {
    if (candidate.degree[0] > 0) return true;
    line = candidate.vertex_line[0];
    why = "vertex 0, where the search starts, has no edge: give it one";
    return false;
}

// Whether the segment from a to b passes within `clearance` of vertex p, between its ends.
bool passes_close_by(int a, int b, int p) {
    const long long dx = vertex_x[b] - vertex_x[a], dy = vertex_y[b] - vertex_y[a];
    const long long px = vertex_x[p] - vertex_x[a], py = vertex_y[p] - vertex_y[a];
    const long long along = px * dx + py * dy, length_squared = dx * dx + dy * dy;
    const long long across = dx * py - dy * px;
    return along > 0 && along < length_squared && across * across < clearance * clearance * length_squared;
}

int part_of(int* part, int v) {
    while (part[v] != v) v = part[v] = part[part[v]];
    return v;
}

}  // namespace

Graph graph;
namespace {
const bool demo_graph_copied = (copy_demo_graph(graph), true);
}

GraphRules demo_graph_rules(int max_vertices, int bottom) {
    GraphRules rules;
    rules.accepted = true;
    rules.directed = false;
    rules.min_vertices = 2;
    rules.max_vertices = max_vertices;
    rules.left = edge_of_window;
    rules.top = edge_of_window;
    rules.right = screen_width - label_room_right;
    rules.bottom = bottom;
    rules.check = vertex_0_has_an_edge;
    return rules;
}

void use_chosen_graph() {
    if (const Graph* file = graph_from_file()) {
        graph = *file;
    } else if (random_graph_wanted()) {
        seed_random(random_seed());
        draw_random_graph(graph);
    }
    say_graph_in_use(graph.vertex_count, graph.x, graph.y, graph.degree, graph.adjacency[0], graph_max_vertices, false);
}

void draw_random_graph(Graph& drawn) {
    int from[vertex_count * vertex_count], to[vertex_count * vertex_count], count = 0;
    for (int u = 0; u < vertex_count; ++u)
        for (int w = u + 1; w < vertex_count; ++w) {
            bool clear = true;
            for (int p = 0; p < vertex_count; ++p)
                if (p != u && p != w && passes_close_by(u, w, p)) clear = false;
            if (clear) from[count] = u, to[count++] = w;
        }
    // A random order of the candidate edges: the tree takes each edge that joins two parts not yet
    // joined, the extra edges are the first of the others, and each of those closes a cycle.
    for (int i = count - 1; i > 0; --i) {
        const int k = random_number() % (i + 1);
        std::swap(from[i], from[k]);
        std::swap(to[i], to[k]);
    }
    bool chosen[vertex_count][vertex_count] = {};
    int part[vertex_count];
    for (int v = 0; v < vertex_count; ++v) part[v] = v;
    int extra = fewest_extra_edges + random_number() % (most_extra_edges - fewest_extra_edges + 1);
    for (int i = 0; i < count; ++i) {
        const int a = part_of(part, from[i]), b = part_of(part, to[i]);
        if (a != b) part[a] = b;
        else if (extra > 0) --extra;
        else continue;
        chosen[from[i]][to[i]] = chosen[to[i]][from[i]] = true;
    }
    copy_demo_graph(drawn);
    for (int v = 0; v < vertex_count; ++v) {
        drawn.degree[v] = 0;
        for (int w = 0; w < vertex_count; ++w)
            if (chosen[v][w]) drawn.adjacency[v][drawn.degree[v]++] = w;
    }
}
