// closure8: Warshall's transitive closure of a random 8-vertex digraph on a 2 x 4 grid, with the
// reachability matrix beside it and the closure after every pass below; three pictures.
#include "digraph.h"
#include "closure_narrator.h"
#include "kit.h"

namespace {

constexpr int vertex_point_size = 20;
constexpr int matrix_point_size = 18;
// Pass drawings stand side by side and wrap to a new row once the next would pass this x.
constexpr int pass_column_step = 250;
constexpr int pass_row_step = 110;
constexpr int pass_wrap_x = 550;
constexpr int first_origin = 30;

// The user's digraph stands where the first picture draws the program's own: the matrix beside it
// starts at x = 330, and its places are copied under every pass, 250 apart and rows 110 apart (the
// pass number above each), so they keep within 220 x 80 of the top-left place. Eight passes fill
// the rows of copies the window has room for.
// Its matrix takes no order of the arcs.
constexpr GraphRules digraph_rules{true,         true,         2,       vertex_count, first_origin, first_origin,
                                   first_origin + 220, first_origin + 80, nullptr, /*order_tried=*/false};

const Graph* users_digraph;  // null: the program's own, on its grid

int offset_x[vertex_count];
int offset_y[vertex_count];
int origin_x;
int origin_y;
int spacing;
int stage_colour;

int point_x(int v) { return origin_x + offset_x[v]; }
int point_y(int v) { return origin_y + offset_y[v]; }

void place_vertices() {
    for (int v = 0; v < vertices_in_use; v++) {
        offset_x[v] = users_digraph ? users_digraph->x[v] - first_origin : (v % grid_columns) * spacing;
        offset_y[v] = users_digraph ? users_digraph->y[v] - first_origin : (v / grid_columns) * spacing;
    }
}

void draw_graph() {
    for (int v = 0; v < vertices_in_use; v++) {
        fill_disc(point_x(v), point_y(v), 2, palette[standard::black]);
        draw_label(point_x(v) + 10, point_y(v) - 2, "%d", v);
    }
    for (int i = 0; i < vertices_in_use; i++)
        for (int j = 0; j < vertices_in_use; j++)
            if (adjacency[i][j] == 1 && i != j)
                draw_arrow(point_x(i), point_y(i), point_x(j), point_y(j), palette[standard::red]);
}

// Every matrix is set in 18-point type, whatever the labels before it used.
void draw_matrix() {
    change_label_size(matrix_point_size);
    for (int i = 0; i < vertices_in_use; i++)
        for (int j = 0; j < vertices_in_use; j++)
            draw_label(origin_x + 300 + 20 * j, origin_y - 10 + 20 * i, "%d", closure[i][j]);
}

// Only the arrows: the pass drawings carry no vertices.
void draw_closure() {
    for (int i = 0; i < vertices_in_use; i++)
        for (int j = 0; j < vertices_in_use; j++)
            if (closure[i][j] == 1 && i != j)
                draw_arrow(point_x(i), point_y(i), point_x(j), point_y(j), palette[stage_colour]);
}

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv,
                {"closure8", "Warshall's transitive closure of a random 8-vertex digraph",
                 /*draws_random_graph=*/true, /*animates=*/false, digraph_rules});
    map_standard_palette();
    SDL_FillRect(screen, nullptr, palette[standard::white]);
    open_labels(vertex_point_size);

    // The user's digraph takes no seed: the question of the last picture then draws as from seed 1.
    users_digraph = graph_from_file();
    if (users_digraph) {
        use_digraph(*users_digraph);
    } else {
        seed_random(random_seed());
        build_digraph(random_number);
    }
    const int pass_count = vertices_in_use;
    const int last_pass = pass_count - 1;
    start_closure_words(&adjacency[0][0], &closure[0][0], vertices_in_use, vertex_count, grid_columns,
                        PassView::all_in_one_picture);
    if (users_digraph) closure_digraph_from_file(users_digraph->placed);
    give_closure_legend();
    give_closure_method();

    spacing = 70;
    origin_x = first_origin;
    origin_y = first_origin;
    place_vertices();
    int places_x[vertex_count], places_y[vertex_count];
    for (int v = 0; v < vertices_in_use; ++v) {
        places_x[v] = point_x(v);
        places_y[v] = point_y(v);
    }
    say_closure_digraph_in_use(places_x, places_y);
    show_step_count(3);
    draw_graph();
    SDL_Flip(screen);
    say_digraph();
    wait_step();

    copy_adjacency_to_closure();
    draw_matrix();
    SDL_Flip(screen);
    say_matrix_at_start();
    wait_step();

    // All the pass drawings and the final matrix appear together in the last picture.
    stage_colour = standard::blue;
    origin_y = 200;
    origin_x = 30;
    for (int k = 0; k < pass_count; k++) {
        place_vertices();
        draw_label(origin_x, origin_y - 20, "%d", k);
        said_pass_starts();
        warshall_pass(k);
        say_pass_done(k);
        if (k == last_pass) stage_colour = standard::red;
        draw_closure();
        if (origin_x + pass_column_step > pass_wrap_x) {
            origin_y += pass_row_step;
            origin_x = 30;
        } else {
            origin_x += pass_column_step;
        }
    }
    // Back over the last drawing, so that the final matrix stands to its right.
    origin_x -= pass_column_step;
    draw_matrix();
    SDL_Flip(screen);
    say_closure();  // asks first whether a cell that is 0 becomes 1, then says the passes
    wait_step();

    close_labels();
    return end_show();
}
