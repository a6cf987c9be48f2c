// numbering: a depth-first search from vertex 0 that numbers the vertices in the order it finds
// them; each branch of the search tree is drawn in a colour of its own, wider as the count grows.
#include "dfs_narrator.h"
#include "graph_in_use.h"
#include "kit.h"
#include "numbering_words.h"

namespace {

constexpr int label_point_size = 20;
constexpr int graph_half_width = 1;
constexpr int graph_disc_radius = 5;
constexpr int discovered_radius = 8;
constexpr int finished_radius = 10;
constexpr int label_dx = 15;
constexpr int label_dy = -2;
constexpr int order_row_y = 500;
constexpr int order_step_x = 50;
constexpr int order_start_x = 20;
constexpr int first_tree_colour = standard::red;

int visited[graph_max_vertices];
int visit_count;
int colour_index;

// White first, then the rest; every colour still lands in its shared slot, which matters because
// the tree edges pick their slot by a running index.
void map_palette() {
    using namespace standard;
    map_standard_palette({white, black, red, purple, green, pale_green, blue, pale_blue, yellow, grey});
}

void show_step() {
    SDL_Flip(screen);
    wait_step();
}

// The grey disc is laid again after every line of v, so each line's end at v stays under it.
void draw_graph() {
    for (int v = 0; v < graph.vertex_count; ++v) {
        for (int j = 0; j < graph.degree[v]; ++j) {
            const int w = graph.adjacency[v][j];
            draw_thick_line(graph.x[v], graph.y[v], graph.x[w], graph.y[w], graph_half_width,
                            palette[standard::grey]);
            fill_disc(graph.x[v], graph.y[v], graph_disc_radius, palette[standard::grey]);
        }
        draw_label(graph.x[v] + label_dx, graph.y[v] + label_dy, "%d", v);
    }
}

void visit(int v) {
    visit_count += 1;
    const int k = visit_count;
    fill_disc(graph.x[v], graph.y[v], discovered_radius, palette[standard::red]);
    visited[v] = 1;
    draw_label(order_step_x * k + order_start_x, order_row_y, "(%d : %d) ", k, v);
    on_discovered(v);
    show_step();

    for (int j = 0; j < graph.degree[v]; ++j) {
        const int w = graph.adjacency[v][j];
        if (visited[w] == 1) {
            continue;
        }
        // The width follows the global discovery count, not the depth, so it never narrows when
        // the search climbs back up. The line shows with w's disc and label.
        draw_thick_line(graph.x[v], graph.y[v], graph.x[w], graph.y[w], visit_count / 2 + 1,
                        palette[colour_index]);
        on_tree_edge(v, w, colour_index);
        visit(w);
    }

    // Moving on only when a vertex is finished keeps one colour along each downward run, and the
    // next branch skips one slot per vertex finished in between.
    colour_index += 1;
    fill_disc(graph.x[v], graph.y[v], finished_radius, palette[standard::blue]);
    on_finished(v);
    show_step();
}

// A tree edge's colour moves on one palette slot per vertex finished before it, from red: with n
// vertices the last can be slot n - 1, grey for 9 (its band is then wide), white for 10, which
// would erase. The row of (k : v) labels, 50 pixels apart, has room for single-digit entries only,
// and the vertices stay above it (y = 500).
const GraphRules graph_rules = demo_graph_rules(9, order_row_y - 30);

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv,
                {"numbering", "depth-first search from vertex 0 with discovery numbers and a colour per branch",
                 /*draws_random_graph=*/false, /*animates=*/false, graph_rules});
    use_chosen_graph();
    map_palette();
    SDL_FillRect(screen, nullptr, palette[standard::white]);
    open_labels(label_point_size);

    say_legend(graph.vertex_count);

    draw_graph();
    depth_first::narrate_graph(graph.vertex_count, graph.degree, graph.adjacency[0], graph_max_vertices);
    show_step_count(2 * depth_first::reachable_count() + 2);  // the graph, a discovery and a finish each, the end
    on_graph_drawn();
    show_step();

    colour_index = first_tree_colour;
    visit(0);
    on_search_over();
    show_step();

    close_labels();
    return end_show();
}
