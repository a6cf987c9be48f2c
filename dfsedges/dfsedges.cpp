// dfsedges: a depth-first search from vertex 0 drawn as paired arrows beside wide edge bands:
// green along every edge it takes, blue back along tree edges, red back along edges that close a cycle.
#include "arrow_starts.h"
#include "demo_graph.h"
#include "dfs_narrator.h"
#include "dfsedges_words.h"
#include "kit.h"

namespace {

constexpr int label_point_size = 20;
constexpr int band_half_width = 15;
constexpr int arrow_half_width = 2;
constexpr int arrow_head_length = 20;
constexpr int departure_dot_radius = 2;
constexpr int discovered_radius = 5;
constexpr int finished_radius = 7;
constexpr int label_dx = 15;
constexpr int label_dy = -2;
constexpr int no_parent = -1;

int arrow_start_x[vertex_count][vertex_count];
int arrow_start_y[vertex_count][vertex_count];
int parent[vertex_count];
int discovered[vertex_count];
int finished[vertex_count];

// White first, then the rest; every colour still lands in its shared slot.
void map_palette() {
    using namespace standard;
    map_standard_palette({white, black, red, purple, green, pale_green, blue, pale_blue, yellow, grey});
}

void show_step() {
    SDL_Flip(screen);
    wait_step();
}

// Each band is drawn twice, once from each end; the second pass lays its strokes from the other end.
void draw_bands_and_numbers() {
    for (int i = 0; i < vertex_count; ++i) {
        for (int j = 0; j < degree[i]; ++j) {
            const int k = adjacency[i][j];
            draw_thick_line(vertex_x[i], vertex_y[i], vertex_x[k], vertex_y[k], band_half_width,
                            palette[standard::yellow]);
        }
    }
    for (int i = 0; i < vertex_count; ++i) {
        draw_label(vertex_x[i] + label_dx, vertex_y[i] + label_dy, "%d", i);
    }
}

// The arrow ends at v's own start point toward u mirrored through v's centre, so it runs parallel
// to the edge on u's right-hand side, and the arrow v -> u lies on the other side of the band.
void draw_edge_arrow(int u, int v, Uint32 colour) {
    draw_thick_arrow(arrow_start_x[u][v], arrow_start_y[u][v], 2 * vertex_x[v] - arrow_start_x[v][u],
                     2 * vertex_y[v] - arrow_start_y[v][u], arrow_half_width, colour, arrow_head_length);
}

void draw_departure(int u, int v) {
    fill_disc(arrow_start_x[u][v], arrow_start_y[u][v], departure_dot_radius, palette[standard::green]);
    draw_edge_arrow(u, v, palette[standard::green]);
}

// The disc drawn here shows with the next flip, together with the first arrow that leaves u (or,
// for a vertex with nowhere new to go, under its own blue disc).
void visit(int u) {
    discovered[u] = 1;
    fill_disc(vertex_x[u], vertex_y[u], discovered_radius, palette[standard::red]);
    on_discovered(u);
    for (int j = 0; j < degree[u]; ++j) {
        const int v = adjacency[u][j];
        if (discovered[v] == 0) {
            draw_departure(u, v);
            parent[v] = u;
            on_tree_edge(u, v);
            show_step();
            visit(v);
        } else if (finished[v] == 0 && v != parent[u]) {
            draw_departure(u, v);
            on_back_edge(u, v);
            show_step();
            draw_edge_arrow(v, u, palette[standard::red]);
            on_turned_back(u, v);
            show_step();
        }
        // A finished neighbour or the parent has been shown already, from the other end.
    }
    finished[u] = 1;
    fill_disc(vertex_x[u], vertex_y[u], finished_radius, palette[standard::blue]);
    on_finished(u);
    // The root has no way back; its blue disc shows with the last screen of main.
    if (parent[u] == no_parent) return;
    draw_edge_arrow(u, parent[u], palette[standard::blue]);
    show_step();
}

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv,
                {"dfsedges", "depth-first search from vertex 0 with tree and back edges as paired arrows",
                 /*draws_random_graph=*/false});
    map_palette();
    SDL_FillRect(screen, nullptr, palette[standard::white]);
    open_labels(label_point_size);

    say_legend();

    draw_bands_and_numbers();
    compute_arrow_starts(arrow_start_x, arrow_start_y);
    depth_first::narrate_graph(vertex_count, degree, adjacency[0], vertex_count);
    on_graph_drawn();
    show_step();

    parent[0] = no_parent;
    visit(0);
    on_search_over();
    show_step();

    close_labels();
    return end_show();
}
