// orientgrid: a strong orientation of a grid graph (its own, a random one for --seed N, or a user's
// for --graph FILE): depth-first numbers direct tree edges down the tree and every other edge from
// the larger number to the smaller; one key per screen.
#include "grid_search.h"
#include "kit.h"
#include "orientgrid_words.h"

namespace {

using namespace standard;

constexpr int head_length = 10;

void draw_arrow_between(int i, int j, int half_width, Uint32 colour) {
    draw_thick_arrow(vertex_x[i], vertex_y[i], vertex_x[j], vertex_y[j], half_width, colour, head_length);
}

// While the graph is undirected every edge is drawn once each way and so shows two heads.
void draw_all_arcs() {
    for (int i = 0; i < vertex_count; ++i)
        for (int j = 0; j < vertex_count; ++j)
            if (adjacency[i][j] == arc) draw_arrow_between(i, j, 0, palette[black]);
}

void draw_vertices() {
    for (int i = 0; i < vertex_count; ++i) {
        fill_disc(vertex_x[i], vertex_y[i], 4, palette[black]);
        draw_label(vertex_x[i] + 7, vertex_y[i] + 4, "%d", i);
        draw_circle(vertex_x[i] + 16, vertex_y[i] + 15, 12, palette[black]);
    }
}

void draw_numbering() {
    for (int i = 0; i < vertex_count; ++i) draw_label(vertex_x[i] + 7, vertex_y[i] + 25, "%d", dfs_number[i]);
    // The root is its own parent and has no tree line.
    for (int i = 1; i < vertex_count; ++i)
        draw_thick_line(vertex_x[i], vertex_y[i], vertex_x[parent[i]], vertex_y[parent[i]], 2, palette[red]);
}

// Each tree edge keeps only its direction from parent to child.
void orient_tree_edges() {
    for (int i = 1; i < vertex_count; ++i) {
        const int p = parent[i];
        if (dfs_number[i] > dfs_number[p]) {
            draw_arrow_between(p, i, 3, palette[red]);
            adjacency[i][p] = no_arc;
            said_tree_arc(p, i);
        }
    }
}

// Tree edges fall out here: their upward entry is gone and their downward one is a parent link.
void orient_other_edges() {
    for (int i = 0; i < vertex_count; ++i)
        for (int j = 0; j < vertex_count; ++j)
            if (adjacency[i][j] == arc && parent[j] != i && dfs_number[i] > dfs_number[j]) {
                draw_arrow_between(i, j, 3, palette[red]);
                said_back_arc(i, j);
            }
}

void show() {
    SDL_Flip(screen);
    wait_step();
}

}  // namespace

int main(int argc, char* argv[]) {
    ProgramInfo info{"orientgrid", "a strong orientation of a grid graph by depth-first numbers",
                     /*draws_random_graph=*/false};
    info.graph = orientation_rules();
    start_frame(argc, argv, info);
    map_standard_palette();
    SDL_FillRect(screen, nullptr, palette[white]);
    open_labels(20);

    if (const Graph* file = graph_from_file()) {
        build_from_file(*file);
    } else if (random_graph_wanted()) {
        seed_random(random_seed());
        build_random_grid();
    } else {
        build_grid();
    }
    say_graph_in_use(vertex_count, vertex_x, vertex_y, degree, neighbours[0], graph_max_vertices, false);
    show_step_count(4);

    give_orientgrid_legend();

    draw_vertices();
    draw_all_arcs();
    say_grid();
    show();

    dfs_number[0] = 1;
    number_vertices(0);
    ask_numbering_questions();
    draw_numbering();
    say_numbering();
    show();

    ask_tree_edge_direction();
    orient_tree_edges();
    say_tree_arcs();
    show();

    ask_back_edge_direction();
    orient_other_edges();
    for (int i = 0; i < vertex_count; ++i) fill_disc(vertex_x[i], vertex_y[i], 5, palette[green]);
    // Always drawn: every graph it runs on is connected and has every edge on a cycle (its own grid,
    // the random grids, and a user's by orientation_rules), so the orientation is strong.
    draw_label(400, 50, "STRONGLY CONNECTED GRAPH");
    say_back_arcs();
    show();

    close_labels();
    return end_show();
}
