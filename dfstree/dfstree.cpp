// dfstree: a depth-first search from vertex 0 that paints each vertex red as it is entered and
// redraws the tree edge it came by as a thick black band; one key per vertex.
#include "dfs_narrator.h"
#include "graph_in_use.h"
#include "dfstree_words.h"
#include "kit.h"

namespace {

// Slots in the order the colours are mapped.
enum Slot { white, black, red };

int visited[graph_max_vertices];

constexpr int graph_half_width = 1;
constexpr int tree_half_width = 4;
constexpr int vertex_radius = 4;
constexpr int entered_radius = 7;

void map_palette() {
    palette[white] = SDL_MapRGB(screen->format, 255, 255, 255);
    palette[black] = SDL_MapRGB(screen->format, 0, 0, 0);
    palette[red] = SDL_MapRGB(screen->format, 255, 0, 0);
}

// Edges, then discs, then numbers, so that no edge crosses a disc or a number. Every edge is drawn
// twice, once from each end.
void draw_graph() {
    for (int v = 0; v < graph.vertex_count; ++v) {
        for (int k = 0; k < graph.degree[v]; ++k) {
            const int w = graph.adjacency[v][k];
            draw_thick_line(graph.x[v], graph.y[v], graph.x[w], graph.y[w], graph_half_width,
                            palette[black]);
        }
    }
    for (int v = 0; v < graph.vertex_count; ++v) fill_disc(graph.x[v], graph.y[v], vertex_radius, palette[black]);
    for (int v = 0; v < graph.vertex_count; ++v) draw_label(graph.x[v] + 15, graph.y[v] - 2, "%d", v);
}

// The band is drawn over the red disc of v, which it partly blackens, and is shown by the flip in
// w's own step, after w's disc has gone on top of its other end.
void depth_first_search(int v) {
    visited[v] = 1;
    fill_disc(graph.x[v], graph.y[v], entered_radius, palette[red]);
    on_discovered(v);
    SDL_Flip(screen);
    wait_step();
    for (int k = 0; k < graph.degree[v]; ++k) {
        const int w = graph.adjacency[v][k];
        if (visited[w] != 0) continue;
        draw_thick_line(graph.x[v], graph.y[v], graph.x[w], graph.y[w], tree_half_width, palette[black]);
        on_tree_edge(v, w);
        depth_first_search(w);
    }
    on_finished(v);
}

// Nothing in the picture is counted out per vertex; 20 vertices keep the bands and labels apart on
// a screen that a class can read, and the longest sentence, naming every edge that is not a tree
// edge (at most 171), within the words' buffers. The number labels stay inside the window's bottom.
const GraphRules graph_rules = demo_graph_rules(20, screen_height - 30);

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv, {"dfstree", "depth-first search with thick tree edges",
                             /*draws_random_graph=*/false, /*animates=*/false, graph_rules});
    use_chosen_graph();
    map_palette();
    SDL_FillRect(screen, nullptr, palette[white]);
    open_labels(22);
    say_legend();

    draw_graph();
    depth_first::narrate_graph(graph.vertex_count, graph.degree, graph.adjacency[0], graph_max_vertices);
    show_step_count(depth_first::reachable_count() + 2);  // the graph, a vertex entered each, the end
    on_graph_drawn();
    SDL_Flip(screen);
    wait_step();

    depth_first_search(0);
    on_search_over();
    SDL_Flip(screen);
    wait_step();
    close_labels();
    return end_show();
}
