// strongcomp: the strongly connected components of a fixed 8-vertex digraph (or a random one, or
// the user's) by two depth-first passes, finishing times first, then the reversed arcs; one key per
// screen.
#include "edge_arrow.h"
#include "kit.h"
#include "strongcomp_words.h"
#include "two_passes.h"

namespace {

// The user's vertices stand where the labels above them (35 up, 25 left) and a loop to the right
// stay in the window, and above the rows of finishing times from y = 400.
constexpr GraphRules digraph_rules{true, true, 2, most_vertices, 30, 40, 770, 370};

Uint32 background;

void map_palette() {
    const SDL_PixelFormat* format = screen->format;
    background = SDL_MapRGB(format, 255, 255, 255);
    palette[black] = SDL_MapRGB(format, 0, 0, 0);
    palette[red] = SDL_MapRGB(format, 255, 0, 0);
    palette[green] = SDL_MapRGB(format, 0, 250, 0);
    palette[blue] = SDL_MapRGB(format, 0, 0, 250);
    palette[yellow] = SDL_MapRGB(format, 255, 255, 0);
    palette[grey] = SDL_MapRGB(format, 200, 200, 200);
}

void draw_arc(int i, int w) {
    draw_edge_arrow(vertex_x[i], vertex_y[i], vertex_x[w], vertex_y[w], palette[black]);
}

void draw_graph() {
    for (int i = 0; i < vertices_in_use; ++i) {
        fill_disc(vertex_x[i], vertex_y[i], 4, palette[black]);
        draw_label(vertex_x[i] - 25, vertex_y[i] - 35, " %d", i);
    }
    for (int i = 0; i < vertices_in_use; ++i)
        for (int j = 0; j < degree[i]; ++j) draw_arc(i, adjacency[i][j]);
}

// Smaller discs and no numbers, so that the second pass reads as a different picture.
void draw_transposed_graph() {
    for (int i = 0; i < vertices_in_use; ++i) fill_disc(vertex_x[i], vertex_y[i], 2, palette[black]);
    for (int i = 0; i < vertices_in_use; ++i)
        for (int j = 0; j < transposed_degree[i]; ++j) draw_arc(i, transposed[i][j]);
}

void show() {
    SDL_Flip(screen);
    wait_step();
}

void clear_screen() { SDL_FillRect(screen, nullptr, background); }

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv, {"strongcomp", "strongly connected components of a digraph in two passes",
                             /*draws_random_graph=*/false, /*animates=*/false, digraph_rules});
    map_palette();
    clear_screen();
    open_labels(25);

    if (const Graph* users = graph_from_file()) {
        use_digraph(*users);
    } else if (random_graph_wanted()) {
        seed_random(random_seed());
        set_up_random_digraph();
    } else {
        set_up_digraph();
    }
    say_graph_in_use(vertices_in_use, vertex_x, vertex_y, degree, adjacency[0], most_vertices, true);
    show_step_count(6);
    build_transposed();

    give_strongcomp_legend();

    draw_graph();
    say_digraph();
    show();

    for (int i = 0; i < vertices_in_use; ++i)
        if (visited[i] == 0) {
            first_pass(i);
            say_first_tree(i);
        }
    for (int i = 0; i < vertices_in_use; ++i) draw_label(30 + 60 * i, 400, " (%d %d)", i, finish_time[i]);
    order_by_finish();
    ask_first_to_finish();
    for (int k = 0; k < vertices_in_use; ++k) draw_label(30 + 60 * k, 450, "%d", finish_order[k]);
    say_first_pass();
    show();

    clear_screen();
    draw_transposed_graph();
    say_reversed_arcs();
    show();

    component_number = 1;
    for (int i = 0; i < vertices_in_use; ++i) visited[i] = 0;
    for (int i = 0; i < vertices_in_use; ++i) tree_parent[i] = -1;
    order_by_finish();
    // Each new start is the unvisited vertex that finished latest.
    for (int k = 0; k < vertices_in_use; ++k) {
        const int v = finish_order[k];
        if (visited[v] == 0) {
            second_pass(v);
            say_component_found(v);
            component_number += 1;
        }
    }
    ask_second_pass_questions();
    say_second_pass();
    show();

    clear_screen();
    draw_graph();
    say_back_to_digraph();
    show();

    for (int i = 0; i < vertices_in_use; ++i) fill_disc(vertex_x[i], vertex_y[i], 10, component_colour[i]);
    say_components();
    show();

    close_labels();
    return end_show();
}
