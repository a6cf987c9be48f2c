// The digraph and the two searches of strongcomp. Both passes draw as they go but never flip:
// each pass is shown whole once it is done.
#include "two_passes.h"

#include "kit.h"

DigraphSource digraph_source = DigraphSource::fixed;
int vertices_in_use = vertex_count;
int vertex_x[most_vertices];
int vertex_y[most_vertices];
int adjacency[most_vertices][most_vertices];
int degree[most_vertices];
int transposed[most_vertices][most_vertices];
int transposed_degree[most_vertices];
int visited[most_vertices];
int finish_clock;
int finish_time[most_vertices];
int finish_order[most_vertices];
int component_number = 1;
Uint32 component_colour[most_vertices];
int tree_parent[most_vertices] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
int component_of[most_vertices];

namespace {

constexpr int arc_degree[vertex_count] = {1, 1, 2, 1, 1, 4, 2, 2};
constexpr int arc_heads[vertex_count][vertex_count] = {
    {4}, {0}, {1, 3}, {6}, {1}, {1, 2, 4, 6}, {2, 5}, {3, 6},
};

void draw_tree_line(int v, int w, Uint32 colour) {
    draw_thick_line(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], 2, colour);
}


void place_on_two_rows() {
    vertices_in_use = vertex_count;
    for (int i = 0; i < vertex_count; ++i) {
        vertex_x[i] = (i % 4) * 150 + 50;
        vertex_y[i] = (i / 4) * 150 + 50;
    }
}

// The pairs of places joined by a straight line that passes no other place: neighbours along a row
// or a column, and across each square of the grid both ways.
constexpr int pair_count = 16;
constexpr int place_pairs[pair_count][2] = {
    {0, 1}, {1, 2}, {2, 3}, {4, 5}, {5, 6}, {6, 7}, {0, 4}, {1, 5},
    {2, 6}, {3, 7}, {0, 5}, {1, 6}, {2, 7}, {1, 4}, {2, 5}, {3, 6},
};

// Strongly connected components counted by mutual reachability, each vertex's reach found by a
// search of its own: how many components hold two or more vertices.
int components_of_two_or_more() {
    bool reaches[vertex_count][vertex_count] = {};
    for (int s = 0; s < vertex_count; ++s) {
        int stack[vertex_count], size = 0;
        stack[size++] = s;
        reaches[s][s] = true;
        while (size > 0) {
            const int v = stack[--size];
            for (int j = 0; j < degree[v]; ++j)
                if (!reaches[s][adjacency[v][j]]) {
                    reaches[s][adjacency[v][j]] = true;
                    stack[size++] = adjacency[v][j];
                }
        }
    }
    int large = 0;
    bool counted[vertex_count] = {};
    for (int v = 0; v < vertex_count; ++v) {
        if (counted[v]) continue;
        int members = 0;
        for (int w = 0; w < vertex_count; ++w)
            if (reaches[v][w] && reaches[w][v]) {
                counted[w] = true;
                members += 1;
            }
        large += members >= 2;
    }
    return large;
}

}  // namespace

void set_up_digraph() {
    digraph_source = DigraphSource::fixed;
    place_on_two_rows();
    for (int i = 0; i < vertex_count; ++i) {
        degree[i] = arc_degree[i];
        for (int j = 0; j < arc_degree[i]; ++j) adjacency[i][j] = arc_heads[i][j];
    }
}

// Each pair of places gets one draw: no arc (3 in 8), one way (2 in 8), the other way (2 in 8), or
// both ways (1 in 8). Out-lists are kept by increasing vertex number, as the fixed digraph's are.
void set_up_random_digraph() {
    digraph_source = DigraphSource::random;
    place_on_two_rows();
    bool worth_studying = false;
    while (!worth_studying) {
        bool arc[vertex_count][vertex_count] = {};
        for (const auto& pair : place_pairs) {
            const int draw = random_number() % 8;
            if (draw >= 3 && draw != 5 && draw != 6) arc[pair[0]][pair[1]] = true;
            if (draw >= 5) arc[pair[1]][pair[0]] = true;
        }
        bool every_vertex_joined = true;
        for (int v = 0; v < vertex_count; ++v) {
            degree[v] = 0;
            bool joined = false;
            for (int w = 0; w < vertex_count; ++w) {
                if (arc[v][w]) adjacency[v][degree[v]++] = w;
                joined = joined || arc[v][w] || arc[w][v];
            }
            every_vertex_joined = every_vertex_joined && joined;
        }
        worth_studying = every_vertex_joined && components_of_two_or_more() >= 2;
    }
}

void use_digraph(const Graph& graph) {
    digraph_source = DigraphSource::file;
    vertices_in_use = graph.vertex_count;
    for (int i = 0; i < vertices_in_use; ++i) {
        vertex_x[i] = graph.x[i];
        vertex_y[i] = graph.y[i];
        degree[i] = graph.degree[i];
        for (int j = 0; j < degree[i]; ++j) adjacency[i][j] = graph.adjacency[i][j];
    }
}

void build_transposed() {
    for (int i = 0; i < vertices_in_use; ++i)
        for (int j = 0; j < degree[i]; ++j) {
            const int w = adjacency[i][j];
            transposed[w][transposed_degree[w]] = i;
            transposed_degree[w] += 1;
        }
}

int component_slot(int n) { return (n - 1) % component_colour_count + 1; }

void first_pass(int v) {
    visited[v] = 1;
    fill_disc(vertex_x[v], vertex_y[v], 5, palette[red]);
    for (int j = 0; j < degree[v]; ++j) {
        const int w = adjacency[v][j];
        if (visited[w] == 0) {
            draw_tree_line(v, w, palette[red]);
            tree_parent[w] = v;
            first_pass(w);
        }
    }
    finish_time[v] = finish_clock;
    finish_clock += 1;
}

void second_pass(int v) {
    const Uint32 colour = palette[component_slot(component_number)];
    visited[v] = 1;
    component_colour[v] = colour;
    component_of[v] = component_number;
    fill_disc(vertex_x[v], vertex_y[v], 6, colour);
    for (int j = 0; j < transposed_degree[v]; ++j) {
        const int w = transposed[v][j];
        if (visited[w] == 0) {
            draw_tree_line(v, w, colour);
            tree_parent[w] = v;
            second_pass(w);
        }
    }
}

void order_by_finish() {
    for (int i = 0; i < vertices_in_use; ++i) finish_order[vertices_in_use - 1 - finish_time[i]] = i;
}
