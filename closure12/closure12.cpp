// closure12: what each vertex of a random 12-vertex digraph reaches, traced by depth-first walks,
// then Warshall's transitive closure one pass per key press and the closure drawn as a digraph.
#include "digraph.h"
#include "closure_narrator.h"
#include "kit.h"

namespace {

constexpr int vertex_point_size = 20;
constexpr int matrix_point_size = 18;
// The twelve small copies stand three to a row.
constexpr int copy_column_step = 200;
constexpr int copy_row_step = 140;
constexpr int copy_wrap_x = 550;
constexpr int first_origin = 30;
constexpr int full_spacing = 60;  // the digraph beside its matrix; the copies are five sixths of it

// The user's digraph stands where the pictures with the matrix draw the program's own. Its copies
// in the first picture, scaled to five sixths, stand 200 apart in rows 140 apart, four rows of three
// at most, each vertex's number and ring to the right of it and below: its places keep within
// 190 x 120 of the top-left one (the copies' 158 x 100), clear of the matrix at x = 330 and of the
// closure drawn from y = 250.
// Its walks and its matrix try the arcs by vertex number, whatever their order in the file.
constexpr GraphRules digraph_rules{true,         true,         2,       vertex_count, first_origin, first_origin,
                                   first_origin + 190, first_origin + 120, nullptr, /*order_tried=*/false};

const Graph* users_digraph;  // null: the program's own, on its grid

int visited[vertex_count];
int offset_x[vertex_count];
int offset_y[vertex_count];
int origin_x;
int origin_y;
int spacing;
int stage_colour;

int point_x(int v) { return origin_x + offset_x[v]; }
int point_y(int v) { return origin_y + offset_y[v]; }

void clear_window() { SDL_FillRect(screen, nullptr, palette[standard::white]); }

void place_vertices() {
    for (int v = 0; v < vertices_in_use; v++) {
        if (users_digraph) {
            offset_x[v] = (users_digraph->x[v] - first_origin) * spacing / full_spacing;
            offset_y[v] = (users_digraph->y[v] - first_origin) * spacing / full_spacing;
        } else {
            offset_x[v] = (v % grid_columns) * spacing;
            offset_y[v] = (v / grid_columns) * spacing;
        }
    }
}

void draw_graph() {
    for (int v = 0; v < vertices_in_use; v++) {
        fill_disc(point_x(v), point_y(v), 2, palette[standard::black]);
        draw_label(point_x(v) + 8, point_y(v) + 1, "%d", v);
    }
    for (int i = 0; i < vertices_in_use; i++)
        for (int j = 0; j < vertices_in_use; j++)
            if (adjacency[i][j] == 1 && i != j)
                draw_arrow(point_x(i), point_y(i), point_x(j), point_y(j), palette[standard::red]);
}

// Every matrix is set in 18-point type, and so is every label drawn after the first matrix.
void draw_matrix() {
    change_label_size(matrix_point_size);
    for (int i = 0; i < vertices_in_use; i++)
        for (int j = 0; j < vertices_in_use; j++)
            draw_label(origin_x + 300 + 20 * j, origin_y - 10 + 20 * i, "%d", closure[i][j]);
}

// Only the arrows: the closure drawing carries no vertices.
void draw_closure() {
    for (int i = 0; i < vertices_in_use; i++)
        for (int j = 0; j < vertices_in_use; j++)
            if (closure[i][j] == 1 && i != j)
                draw_arrow(point_x(i), point_y(i), point_x(j), point_y(j), palette[stage_colour]);
}

// The diagonal one is passed over because v is already visited; a vertex reached by two routes
// keeps the first in loop order, depth first.
void walk(int v) {
    visited[v] = 1;
    for (int j = 0; j < vertices_in_use; j++) {
        if (adjacency[v][j] == 1 && visited[j] == 0) {
            fill_disc(point_x(v), point_y(v), 4, palette[standard::red]);
            fill_disc(point_x(j), point_y(j), 4, palette[standard::red]);
            draw_thick_line(point_x(v), point_y(v), point_x(j), point_y(j), 2, palette[standard::red]);
            walk(j);
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv,
                {"closure12", "reachability walks and Warshall's closure of a random 12-vertex digraph",
                 /*draws_random_graph=*/true, /*animates=*/false, digraph_rules});
    map_standard_palette();
    clear_window();
    open_labels(vertex_point_size);

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
                        PassView::one_per_step);
    if (users_digraph) closure_digraph_from_file(users_digraph->placed);
    give_closure_legend();
    give_closure_method();
    // On a digraph not its own the show has a step for each pass besides its first two and last.
    if (users_digraph) show_step_count(vertices_in_use + 3);
    // Its places in the pictures with the matrix, where a file's vertices stand too.
    spacing = full_spacing;
    origin_x = 30;
    origin_y = 30;
    place_vertices();
    int places_x[vertex_count], places_y[vertex_count];
    for (int v = 0; v < vertices_in_use; ++v) {
        places_x[v] = point_x(v);
        places_y[v] = point_y(v);
    }
    say_closure_digraph_in_use(places_x, places_y);

    // A small copy for each vertex, each with what its start vertex reaches traced in red.
    origin_x = 30;
    spacing = 50;
    origin_y = 30;
    place_vertices();
    for (int s = 0; s < vertices_in_use; s++) {
        for (int& v : visited) v = 0;
        draw_graph();
        // The ring goes round the start vertex's number, not round its dot.
        draw_circle(point_x(s) + 16, point_y(s) + 13, 11, palette[standard::red]);
        walk(s);
        said_walk_done(s, visited);
        if (origin_x + copy_column_step > copy_wrap_x) {
            origin_y += copy_row_step;
            origin_x = 30;
        } else {
            origin_x += copy_column_step;
        }
    }
    SDL_Flip(screen);
    say_walks();
    wait_step();

    clear_window();
    spacing = full_spacing;
    origin_x = 30;
    origin_y = 30;
    place_vertices();
    draw_graph();
    copy_adjacency_to_closure();
    draw_matrix();
    SDL_Flip(screen);
    say_matrix_at_start();
    wait_step();
    clear_window();

    stage_colour = standard::black;
    for (int k = 0; k < pass_count; k++) {
        draw_label(origin_x + 250, 10, "%d", k);
        said_pass_starts();
        warshall_pass(k);
        draw_graph();
        draw_matrix();
        SDL_Flip(screen);
        say_pass_done(k);  // its words, with the question of how many new 1s it adds
        wait_step();
        // The last pass stays on screen under the closure drawing.
        if (k < last_pass) clear_window();
    }

    origin_x = 30;
    origin_y = 250;
    draw_closure();
    SDL_Flip(screen);
    say_closure();
    wait_step();

    close_labels();
    return end_show();
}
