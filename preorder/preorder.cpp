// preorder: a depth-first search from vertex 0 that writes each vertex into a list below the graph
// as it is discovered; each downward run of tree edges has its own colour and width.
#include "dfs_narrator.h"
#include "graph_in_use.h"
#include "kit.h"
#include "preorder_words.h"

namespace {

int visited[graph_max_vertices];
int visit_count;
// Palette slot of the next tree edge. It moves on only at leaves of the search tree, so a vertex
// with several children draws its later tree edges in the colour left by the last leaf below it.
int colour_index;

constexpr int list_y = 450;

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

// The list entry is not flipped here: it shows with the next tree edge drawn anywhere, or with the
// final flip for the last vertex discovered.
void visit(int v) {
    const int k = ++visit_count;
    visited[v] = 1;
    draw_label(20 * k + 30, list_y, "%d", v);
    on_discovered(v);

    int tree_edges = 0;
    for (int j = 0; j < graph.degree[v]; ++j) {
        const int w = graph.adjacency[v][j];
        if (visited[w] == 1) continue;  // discovered, finished or not: a cycle edge gets no line
        ++tree_edges;
        draw_thick_line(graph.x[v], graph.y[v], graph.x[w], graph.y[w], colour_index + 1,
                        palette[colour_index]);
        on_tree_edge(v, w, colour_index);
        SDL_Flip(screen);
        wait_step();
        visit(w);
    }
    if (tree_edges == 0) ++colour_index;
    on_finished(v);
}

// A tree edge's colour moves on one palette slot per leaf before it, from red: with n vertices the
// last can be slot n - 1, grey for 9 (its line is then wide), white for 10, which would erase. The
// vertices stay above the preorder's row at y = 450, whose 9 entries fit with room to spare.
const GraphRules graph_rules = demo_graph_rules(9, list_y - 30);

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv, {"preorder", "depth-first search with the discovery-order list",
                             /*draws_random_graph=*/false, /*animates=*/false, graph_rules});
    use_chosen_graph();
    map_palette();
    SDL_FillRect(screen, nullptr, palette[standard::white]);
    open_labels(20);

    say_legend();

    draw_graph();
    depth_first::narrate_graph(graph.vertex_count, graph.degree, graph.adjacency[0], graph_max_vertices);
    show_step_count(depth_first::reachable_count() + 1);  // the graph, then an entry each
    on_graph_drawn();
    SDL_Flip(screen);
    wait_step();

    colour_index = standard::red;
    visit(0);
    on_search_over();
    SDL_Flip(screen);
    wait_step();

    close_labels();
    return end_show();
}
