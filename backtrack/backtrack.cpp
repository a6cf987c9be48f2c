// backtrack: a depth-first search from vertex 0 that records each vertex's parent, draws a red arrow
// down every tree edge and a second one back beside it when the vertex is finished; one key per step.
#include "backtrack_words.h"
#include "demo_graph.h"
#include "dfs_narrator.h"
#include "kit.h"

namespace {

int visited[vertex_count];
// Never set for the root, so parent[0] keeps its 0: the root is its own parent and its return
// arrow has zero length, which draws the single pixel at (207, 47) and no head.
int parent[vertex_count];

// Return arrows run this far right and down of the tree arrow, whatever the edge's direction.
constexpr int return_shift = 7;
constexpr int discovery_radius = 4;
constexpr int finish_radius = 8;

void map_palette() {
    using namespace standard;
    map_standard_palette({white, black, red, purple, green, pale_green, blue, pale_blue, yellow, grey});
}

// Every edge is drawn twice, once from each end, and a vertex's number goes on before the edges of
// the later vertices, which may cross it.
void draw_graph() {
    for (int v = 0; v < vertex_count; ++v) {
        for (int j = 0; j < degree[v]; ++j) {
            const int w = adjacency[v][j];
            draw_thick_line(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], 1, palette[standard::grey]);
        }
        draw_label(vertex_x[v] + 15, vertex_y[v] - 2, "%d", v);
    }
}

// The discovery ring is not flipped here: it shows with the vertex's first tree arrow, or, for a
// vertex with no undiscovered neighbour, together with its return arrow.
void visit(int v) {
    const Uint32 red = palette[standard::red];
    visited[v] = 1;
    draw_circle(vertex_x[v], vertex_y[v], discovery_radius, red);
    on_discovered(v);
    for (int j = 0; j < degree[v]; ++j) {
        const int w = adjacency[v][j];
        if (visited[w] == 1) continue;  // discovered, finished or not: a cycle edge gets no arrow
        parent[w] = v;
        draw_arrow_far(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], red);
        on_tree_edge(v, w);
        SDL_Flip(screen);
        wait_step();
        visit(w);
    }
    const int p = parent[v];
    draw_arrow_far(vertex_x[v] + return_shift, vertex_y[v] + return_shift, vertex_x[p] + return_shift,
                   vertex_y[p] + return_shift, red);
    draw_circle(vertex_x[v], vertex_y[v], finish_radius, red);
    on_finished(v);
    SDL_Flip(screen);
    wait_step();
}

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv, {"backtrack", "depth-first search with parent pointers and return arrows",
                             /*draws_random_graph=*/false});
    map_palette();
    SDL_FillRect(screen, nullptr, palette[standard::white]);
    open_labels(20);
    say_legend();

    draw_graph();
    depth_first::narrate_graph(vertex_count, degree, adjacency[0], vertex_count);
    on_graph_drawn();
    SDL_Flip(screen);
    wait_step();

    visit(0);
    on_search_over();
    SDL_Flip(screen);
    wait_step();

    close_labels();
    return end_show();
}
