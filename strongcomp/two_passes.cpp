// The digraph and the two searches of strongcomp. Both passes draw as they go but never flip:
// each pass is shown whole once it is done.
#include "two_passes.h"

#include "kit.h"

int vertex_x[vertex_count];
int vertex_y[vertex_count];
int adjacency[vertex_count][vertex_count];
int degree[vertex_count];
int transposed[vertex_count][vertex_count];
int transposed_degree[vertex_count];
int visited[vertex_count];
int finish_clock;
int finish_time[vertex_count];
int finish_order[vertex_count];
int component_number = 1;
Uint32 component_colour[vertex_count];
int tree_parent[vertex_count] = {-1, -1, -1, -1, -1, -1, -1, -1};
int component_of[vertex_count];

namespace {

constexpr int arc_degree[vertex_count] = {1, 1, 2, 1, 1, 4, 2, 2};
constexpr int arc_heads[vertex_count][vertex_count] = {
    {4}, {0}, {1, 3}, {6}, {1}, {1, 2, 4, 6}, {2, 5}, {3, 6},
};

void draw_tree_line(int v, int w, Uint32 colour) {
    draw_thick_line(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], 2, colour);
}

}  // namespace

void set_up_digraph() {
    for (int i = 0; i < vertex_count; ++i) {
        vertex_x[i] = (i % 4) * 150 + 50;
        vertex_y[i] = (i / 4) * 150 + 50;
    }
    for (int i = 0; i < vertex_count; ++i) {
        degree[i] = arc_degree[i];
        for (int j = 0; j < arc_degree[i]; ++j) adjacency[i][j] = arc_heads[i][j];
    }
}

void build_transposed() {
    for (int i = 0; i < vertex_count; ++i)
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
    for (int i = 0; i < vertex_count; ++i) finish_order[vertex_count - 1 - finish_time[i]] = i;
}
