// backtrack: a depth-first search from vertex 0 that records each vertex's parent, draws a red arrow
// down every tree edge and a second one back beside it when the vertex is finished; one key per step.
#include "backtrack_words.h"
#include "dfs_narrator.h"
#include "graph_in_use.h"
#include "kit.h"

namespace {

int visited[graph_max_vertices];
// Never set for the root, so parent[0] keeps its 0: the root is its own parent and its return
// arrow has zero length, which draws a single pixel 7 right of and below vertex 0 (at (207, 47) on
// the demo graph) and no head.
int parent[graph_max_vertices];

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
    for (int v = 0; v < graph.vertex_count; ++v) {
        for (int j = 0; j < graph.degree[v]; ++j) {
            const int w = graph.adjacency[v][j];
            draw_thick_line(graph.x[v], graph.y[v], graph.x[w], graph.y[w], 1, palette[standard::grey]);
        }
        draw_label(graph.x[v] + 15, graph.y[v] - 2, "%d", v);
    }
}

// The discovery ring is not flipped here: it shows with the vertex's first tree arrow, or, for a
// vertex with no undiscovered neighbour, together with its return arrow.
void visit(int v) {
    const Uint32 red = palette[standard::red];
    visited[v] = 1;
    draw_circle(graph.x[v], graph.y[v], discovery_radius, red);
    on_discovered(v);
    for (int j = 0; j < graph.degree[v]; ++j) {
        const int w = graph.adjacency[v][j];
        if (visited[w] == 1) continue;  // discovered, finished or not: a cycle edge gets no arrow
        parent[w] = v;
        draw_arrow_far(graph.x[v], graph.y[v], graph.x[w], graph.y[w], red);
        on_tree_edge(v, w);
        SDL_Flip(screen);
        wait_step();
        visit(w);
    }
    const int p = parent[v];
    draw_arrow_far(graph.x[v] + return_shift, graph.y[v] + return_shift, graph.x[p] + return_shift,
                   graph.y[p] + return_shift, red);
    draw_circle(graph.x[v], graph.y[v], finish_radius, red);
    on_finished(v);
    SDL_Flip(screen);
    wait_step();
}

// Nothing in the picture is counted out per vertex; 20 vertices keep the bands and labels apart on
// a screen that a class can read, and the longest sentence, naming every edge that is not a tree
// edge (at most 171), within the words' buffers. The number labels stay inside the window's bottom.
const GraphRules graph_rules = demo_graph_rules(20, screen_height - 30);

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv, {"backtrack", "depth-first search with parent pointers and return arrows",
                             /*draws_random_graph=*/false, /*animates=*/false, graph_rules});
    use_chosen_graph();
    map_palette();
    SDL_FillRect(screen, nullptr, palette[standard::white]);
    open_labels(20);
    say_legend();

    draw_graph();
    depth_first::narrate_graph(graph.vertex_count, graph.degree, graph.adjacency[0], graph_max_vertices);
    // The graph, a step down each tree edge and one for each finish, and the end.
    show_step_count(2 * depth_first::reachable_count() + 1);
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
