// The graphs of orientgrid, built in the matrix: its own grid, in the order that leaves the middle
// edge of rows 0, 2 and 4 out, a random grid, or a user's graph; and the numbering search, which
// draws nothing.
#include "grid_search.h"

#include "kit.h"

#include <string>
#include <utility>

GraphKind graph_kind = GraphKind::own_grid;
int vertex_count;
int vertex_x[graph_max_vertices];
int vertex_y[graph_max_vertices];
int adjacency[graph_max_vertices][graph_max_vertices];
int degree[graph_max_vertices];
int neighbours[graph_max_vertices][graph_max_vertices];
int dfs_number[graph_max_vertices];
int next_number = 1;
int parent[graph_max_vertices];

namespace {

// Row v of the matrix in the order the search reads it: v's neighbours as its list has them, then
// every other vertex. The search looks at each of the row's entries once, in this order.
int row_order[graph_max_vertices][graph_max_vertices];

void add_edge(int i, int j) {
    adjacency[i][j] = arc;
    adjacency[j][i] = arc;
}

void start_matrix(int count) {
    vertex_count = count;
    for (int i = 0; i < vertex_count; ++i)
        for (int j = 0; j < vertex_count; ++j) adjacency[i][j] = i == j ? self : no_arc;
}

void place_on_grid() {
    for (int i = 0; i < vertex_count; ++i) {
        vertex_x[i] = (i % grid_columns) * 100 + 50;
        vertex_y[i] = (i / grid_columns) * 100 + 100;
    }
}

// The lists of a grid: each matrix row read by increasing vertex number.
void lists_by_number() {
    for (int v = 0; v < vertex_count; ++v) {
        degree[v] = 0;
        for (int w = 0; w < vertex_count; ++w)
            if (adjacency[v][w] == arc) neighbours[v][degree[v]++] = w;
    }
}

void order_rows() {
    for (int v = 0; v < vertex_count; ++v) {
        int k = 0;
        for (int j = 0; j < degree[v]; ++j) row_order[v][k++] = neighbours[v][j];
        for (int w = 0; w < vertex_count; ++w)
            if (adjacency[v][w] != arc) row_order[v][k++] = w;
    }
}

// ---- Connected and without a bridge ------------------------------------------------------------

// Marks `reached` with the vertices that vertex 0 reaches along the edges of the graph's lists,
// leaving out edge `skip` (its index in the file, or -1); returns how many.
int reach_from_0(const Graph& graph, int skip, bool* reached) {
    for (int v = 0; v < graph.vertex_count; ++v) reached[v] = false;
    const int skip_a = skip < 0 ? -1 : graph.edge_from[skip], skip_b = skip < 0 ? -1 : graph.edge_to[skip];
    int pending[graph_max_vertices], size = 0, count = 1;
    reached[0] = true;
    pending[size++] = 0;
    while (size > 0) {
        const int v = pending[--size];
        for (int j = 0; j < graph.degree[v]; ++j) {
            const int w = graph.adjacency[v][j];
            if ((v == skip_a && w == skip_b) || (v == skip_b && w == skip_a) || reached[w]) continue;
            reached[w] = true;
            pending[size++] = w;
            ++count;
        }
    }
    return count;
}

// A strong orientation exists exactly when the graph is connected and every edge lies on a cycle:
// an edge whose removal cuts the graph (a bridge) can be crossed one way only, whichever it is
// given. The first unreached vertex, or the first bridge in the file, is named.
bool strongly_orientable(const Graph& graph, int& line, std::string& why) {
    bool reached[graph_max_vertices];
    if (reach_from_0(graph, -1, reached) < graph.vertex_count) {
        int v = 0;
        while (reached[v]) ++v;
        line = graph.vertex_line[v];
        why = "vertex " + std::to_string(v) + " cannot be reached from vertex 0: the graph is not connected, so no "
              "strong orientation exists";
        return false;
    }
    for (int e = 0; e < graph.edge_count; ++e)
        if (reach_from_0(graph, e, reached) < graph.vertex_count) {
            line = graph.edge_line[e];
            why = "edge " + std::to_string(graph.edge_from[e]) + " " + std::to_string(graph.edge_to[e]) +
                  " is a bridge: no strong orientation exists";
            return false;
        }
    return true;
}

// The graph of the matrix as the reader would give it, to test a random grid with the same rule.
void matrix_as_graph(Graph& graph) {
    graph.vertex_count = vertex_count;
    graph.edge_count = 0;
    for (int v = 0; v < vertex_count; ++v) graph.degree[v] = 0;
    for (int v = 0; v < vertex_count; ++v)
        for (int w = 0; w < vertex_count; ++w)
            if (adjacency[v][w] == arc) {
                graph.adjacency[v][graph.degree[v]++] = w;
                if (v < w) {
                    graph.edge_from[graph.edge_count] = v;
                    graph.edge_to[graph.edge_count++] = w;
                }
            }
}

}  // namespace

// Each vertex takes its disc (radius 5), its number in a ring (to 28 pixels right and 27 below)
// and its discovery number below the ring (to 48 below), all inside the picture and below the
// caption written at (400, 50) in the last step. Laid out on the circle of this area (centre
// (390, 315), radius 235), 26 vertices would still stand clear of each other; the limit is 20,
// the grid's own count, because the sentence naming every back edge must fit one step's words,
// and for a complete graph of 20 vertices its 171 back edges do.
GraphRules orientation_rules() {
    GraphRules rules;
    rules.accepted = true;
    rules.directed = false;
    rules.min_vertices = 3;
    rules.max_vertices = 20;
    rules.left = 10;
    rules.right = 770;
    rules.top = 80;
    rules.bottom = 550;
    rules.check = strongly_orientable;
    return rules;
}

void build_grid() {
    graph_kind = GraphKind::own_grid;
    vertex_count = own_vertex_count;
    place_on_grid();
    for (int i = 0; i < vertex_count; ++i)
        for (int j = 0; j < vertex_count; ++j) adjacency[i][j] = no_arc;
    // Pairs 0-1, 2-3, ...: the first and the last edge of each row.
    for (int j = 0; j < vertex_count - 1; j += 2) add_edge(j, (j + 1) % vertex_count);
    for (int k = 0; k < vertex_count - 4; ++k) add_edge(k, k + 4);
    for (int i = 0; i < vertex_count; ++i) adjacency[i][i] = self;
    // Only rows 1 and 3 get their middle edge.
    add_edge(5, 6);
    add_edge(13, 14);
    lists_by_number();
    order_rows();
}

void build_random_grid() {
    graph_kind = GraphKind::random_grid;
    start_matrix(own_vertex_count);
    place_on_grid();
    int from[2 * own_vertex_count], to[2 * own_vertex_count], count = 0;
    for (int v = 0; v < vertex_count; ++v) {
        if (v % grid_columns + 1 < grid_columns) from[count] = v, to[count++] = v + 1;
        if (v + grid_columns < vertex_count) from[count] = v, to[count++] = v + grid_columns;
    }
    for (int e = 0; e < count; ++e) add_edge(from[e], to[e]);
    // The full grid's edges are tried in a random order, each left out when every edge stays on
    // a cycle without it, until 3 to 8 are out.
    for (int e = count - 1; e > 0; --e) {
        const int k = random_number() % (e + 1);
        std::swap(from[e], from[k]);
        std::swap(to[e], to[k]);
    }
    const int wanted = 3 + random_number() % 6;
    static Graph trial;
    int line = 0;
    std::string why;
    for (int e = 0, removed = 0; e < count && removed < wanted; ++e) {
        adjacency[from[e]][to[e]] = adjacency[to[e]][from[e]] = no_arc;
        matrix_as_graph(trial);
        if (strongly_orientable(trial, line, why))
            ++removed;
        else
            add_edge(from[e], to[e]);
    }
    lists_by_number();
    order_rows();
}

void build_from_file(const Graph& graph) {
    graph_kind = GraphKind::users;
    start_matrix(graph.vertex_count);
    for (int v = 0; v < vertex_count; ++v) {
        vertex_x[v] = graph.x[v];
        vertex_y[v] = graph.y[v];
        degree[v] = graph.degree[v];
        for (int j = 0; j < degree[v]; ++j) {
            neighbours[v][j] = graph.adjacency[v][j];
            adjacency[v][neighbours[v][j]] = arc;
        }
    }
    order_rows();
}

void number_vertices(int v) {
    dfs_number[v] = next_number;
    next_number += 1;
    for (int k = 0; k < vertex_count; ++k) {
        const int w = row_order[v][k];
        if (adjacency[v][w] == arc && dfs_number[w] == 0) {
            parent[w] = v;
            number_vertices(w);
        }
    }
}
