// dfsedges: a depth-first search from vertex 0 drawn as paired arrows beside wide edge bands:
// green along every edge it takes, blue back along tree edges, red back along edges that close a cycle.
#include "arrow_starts.h"
#include "dfs_narrator.h"
#include "graph_in_use.h"
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

int arrow_start_x[graph_max_vertices][graph_max_vertices];
int arrow_start_y[graph_max_vertices][graph_max_vertices];
int parent[graph_max_vertices];
int discovered[graph_max_vertices];
int finished[graph_max_vertices];

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
    for (int i = 0; i < graph.vertex_count; ++i) {
        for (int j = 0; j < graph.degree[i]; ++j) {
            const int k = graph.adjacency[i][j];
            draw_thick_line(graph.x[i], graph.y[i], graph.x[k], graph.y[k], band_half_width,
                            palette[standard::yellow]);
        }
    }
    for (int i = 0; i < graph.vertex_count; ++i) {
        draw_label(graph.x[i] + label_dx, graph.y[i] + label_dy, "%d", i);
    }
}

// The arrow ends at v's own start point toward u mirrored through v's centre, so it runs parallel
// to the edge on u's right-hand side, and the arrow v -> u lies on the other side of the band.
void draw_edge_arrow(int u, int v, Uint32 colour) {
    draw_thick_arrow(arrow_start_x[u][v], arrow_start_y[u][v], 2 * graph.x[v] - arrow_start_x[v][u],
                     2 * graph.y[v] - arrow_start_y[v][u], arrow_half_width, colour, arrow_head_length);
}

void draw_departure(int u, int v) {
    fill_disc(arrow_start_x[u][v], arrow_start_y[u][v], departure_dot_radius, palette[standard::green]);
    draw_edge_arrow(u, v, palette[standard::green]);
}

// The disc drawn here shows with the next flip, together with the first arrow that leaves u (or,
// for a vertex with nowhere new to go, under its own blue disc).
void visit(int u) {
    discovered[u] = 1;
    fill_disc(graph.x[u], graph.y[u], discovered_radius, palette[standard::red]);
    on_discovered(u);
    for (int j = 0; j < graph.degree[u]; ++j) {
        const int v = graph.adjacency[u][j];
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
    fill_disc(graph.x[u], graph.y[u], finished_radius, palette[standard::blue]);
    on_finished(u);
    // The root has no way back; its blue disc shows with the last screen of main.
    if (parent[u] == no_parent) return;
    draw_edge_arrow(u, parent[u], palette[standard::blue]);
    show_step();
}

// Nothing in the picture is counted out per vertex; 20 vertices keep the bands and labels apart on
// a screen that a class can read, and the longest sentence, naming every edge that is not a tree
// edge (at most 171), within the words' buffers. The number labels stay inside the window's bottom.
const GraphRules graph_rules = demo_graph_rules(20, screen_height - 30);

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv,
                {"dfsedges", "depth-first search from vertex 0 with tree and back edges as paired arrows",
                 /*draws_random_graph=*/false, /*animates=*/false, graph_rules});
    use_chosen_graph();
    map_palette();
    SDL_FillRect(screen, nullptr, palette[standard::white]);
    open_labels(label_point_size);

    say_legend();

    draw_bands_and_numbers();
    compute_arrow_starts(arrow_start_x, arrow_start_y);
    depth_first::narrate_graph(graph.vertex_count, graph.degree, graph.adjacency[0], graph_max_vertices);
    // The graph; a step down each tree edge, two for each back edge (along it, and back) and one
    // for each way back up; the end. Of the edges among the vertices reached, all but the tree's
    // are back edges.
    const int reached = depth_first::reachable_count(), tree_edges = reached - 1;
    show_step_count(1 + tree_edges + 2 * (depth_first::reachable_edge_count() - tree_edges) + tree_edges + 1);
    on_graph_drawn();
    show_step();

    parent[0] = no_parent;
    visit(0);
    on_search_over();
    show_step();

    close_labels();
    return end_show();
}
