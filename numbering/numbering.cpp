// numbering: a depth-first search from vertex 0 that numbers the vertices in the order it finds
// them; each branch of the search tree is drawn in a colour of its own, wider as the count grows.
#include "demo_graph.h"
#include "dfs_narrator.h"
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

int visited[vertex_count];
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
    for (int v = 0; v < vertex_count; ++v) {
        for (int j = 0; j < degree[v]; ++j) {
            const int w = adjacency[v][j];
            draw_thick_line(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], graph_half_width,
                            palette[standard::grey]);
            fill_disc(vertex_x[v], vertex_y[v], graph_disc_radius, palette[standard::grey]);
        }
        draw_label(vertex_x[v] + label_dx, vertex_y[v] + label_dy, "%d", v);
    }
}

void visit(int v) {
    visit_count += 1;
    const int k = visit_count;
    fill_disc(vertex_x[v], vertex_y[v], discovered_radius, palette[standard::red]);
    visited[v] = 1;
    draw_label(order_step_x * k + order_start_x, order_row_y, "(%d : %d) ", k, v);
    on_discovered(v);
    show_step();

    for (int j = 0; j < degree[v]; ++j) {
        const int w = adjacency[v][j];
        if (visited[w] == 1) {
            continue;
        }
        // The width follows the global discovery count, not the depth, so it never narrows when
        // the search climbs back up. The line shows with w's disc and label.
        draw_thick_line(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], visit_count / 2 + 1,
                        palette[colour_index]);
        on_tree_edge(v, w, colour_index);
        visit(w);
    }

    // Moving on only when a vertex is finished keeps one colour along each downward run, and the
    // next branch skips one slot per vertex finished in between.
    colour_index += 1;
    fill_disc(vertex_x[v], vertex_y[v], finished_radius, palette[standard::blue]);
    on_finished(v);
    show_step();
}

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv,
                {"numbering", "depth-first search from vertex 0 with discovery numbers and a colour per branch",
                 /*draws_random_graph=*/false});
    map_palette();
    SDL_FillRect(screen, nullptr, palette[standard::white]);
    open_labels(label_point_size);

    say_legend();

    draw_graph();
    depth_first::narrate_graph(vertex_count, degree, adjacency[0], vertex_count);
    on_graph_drawn();
    show_step();

    colour_index = first_tree_colour;
    visit(0);
    on_search_over();
    show_step();

    close_labels();
    return end_show();
}
