// components: the connected components of a graph by repeated depth-first search, one pair of
// colours per component (discovered, finished); one key per step. The graph is the program's own,
// a user's (--graph FILE) or a random one on the program's own places (--seed N).
#include "component_colours.h"
#include "components_graph.h"
#include "components_words.h"
#include "dfs_narrator.h"
#include "kit.h"

namespace {

constexpr int own_vertex_count = 11;

constexpr int own_x[own_vertex_count] = {200, 100, 400, 640, 100, 400, 240, 540, 300, 500, 200};
constexpr int own_y[own_vertex_count] = {40, 200, 40, 100, 400, 200, 300, 240, 400, 80, 200};

// Row v lists v's neighbours in the order the search examines them. Vertex 5 lists 0 but 0 does
// not list 5: the line {0, 5} is drawn once, and the search can never go from 0 to 5.
constexpr int own_degree[own_vertex_count] = {3, 3, 1, 2, 4, 3, 3, 2, 3, 2, 3};
constexpr int own_adjacency[own_vertex_count][own_vertex_count] = {
    {1, 2, 10}, {0, 4, 10}, {0},       {9, 7},    {1, 8, 6, 10}, {0, 8, 6},
    {8, 4, 5},  {3, 9},     {4, 5, 6}, {3, 7},    {0, 1, 4},
};

// The graph in use, from start_graph on.
int vertex_count;
int vertex_x[graph_max_vertices], vertex_y[graph_max_vertices];
int degree[graph_max_vertices];
int adjacency[graph_max_vertices][graph_max_vertices];

enum SearchState { undiscovered, discovered, finished };

int search_state[graph_max_vertices];
int component[graph_max_vertices];
int component_count;

// The user's graph as the file gives it; else the own places, with the own lists or, for --seed,
// random ones.
void start_graph() {
    if (const Graph* file = graph_from_file()) {
        vertex_count = file->vertex_count;
        for (int v = 0; v < vertex_count; ++v) {
            vertex_x[v] = file->x[v];
            vertex_y[v] = file->y[v];
            degree[v] = file->degree[v];
            for (int j = 0; j < degree[v]; ++j) adjacency[v][j] = file->adjacency[v][j];
        }
        return;
    }
    vertex_count = own_vertex_count;
    for (int v = 0; v < vertex_count; ++v) {
        vertex_x[v] = own_x[v];
        vertex_y[v] = own_y[v];
        degree[v] = own_degree[v];
        for (int j = 0; j < degree[v]; ++j) adjacency[v][j] = own_adjacency[v][j];
    }
    if (random_graph_wanted()) {
        seed_random(random_seed());
        draw_random_components(vertex_x, vertex_y, vertex_count, degree, adjacency);
    }
}

void map_palette() {
    const SDL_PixelFormat* format = screen->format;
    palette[white] = SDL_MapRGB(format, 255, 255, 255);
    palette[black] = SDL_MapRGB(format, 0, 0, 0);
    palette[red] = SDL_MapRGB(format, 255, 0, 0);
    palette[light_red] = SDL_MapRGB(format, 255, 100, 100);
    palette[green] = SDL_MapRGB(format, 0, 250, 0);
    palette[light_green] = SDL_MapRGB(format, 100, 250, 100);
    palette[blue] = SDL_MapRGB(format, 0, 0, 250);
    palette[light_blue] = SDL_MapRGB(format, 100, 100, 250);
    palette[yellow] = SDL_MapRGB(format, 255, 255, 0);
    palette[grey] = SDL_MapRGB(format, 200, 200, 200);
}

void draw_graph() {
    for (int v = 0; v < vertex_count; ++v)
        for (int j = 0; j < degree[v]; ++j) {
            const int w = adjacency[v][j];
            draw_thick_line(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], 0, palette[black]);
        }
    for (int v = 0; v < vertex_count; ++v) fill_disc(vertex_x[v], vertex_y[v], 4, palette[black]);
    for (int v = 0; v < vertex_count; ++v) draw_label(vertex_x[v] - 25, vertex_y[v] - 2, "%d", v);
}

// Each call shows two screens of its own: the discovery disc and, after the subtree, the
// finishing disc. The tree line to a new vertex shows together with that vertex's discovery disc.
void visit(int v) {
    const int k = component_count;
    search_state[v] = discovered;
    component[v] = k;
    fill_disc(vertex_x[v], vertex_y[v], 7, palette[discovered_slot(k)]);
    on_discovered(v, k);
    SDL_Flip(screen);
    wait_step();

    for (int j = 0; j < degree[v]; ++j) {
        const int w = adjacency[v][j];
        if (search_state[w] != undiscovered) continue;
        draw_thick_line(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], 4, palette[black]);
        on_tree_edge(v, w);
        visit(w);
    }

    search_state[v] = finished;
    fill_disc(vertex_x[v], vertex_y[v], 11, palette[finished_slot(component[v])]);
    on_finished(v);
    SDL_Flip(screen);
    wait_step();
}

}  // namespace

int main(int argc, char* argv[]) {
    ProgramInfo info{"components", "connected components by repeated depth-first search", false};
    info.graph = component_graph_rules();
    start_frame(argc, argv, info);
    start_graph();
    say_graph_in_use(vertex_count, vertex_x, vertex_y, degree, adjacency[0], graph_max_vertices, false);
    // A step for the graph, one for each vertex found and one for each finished, and the count.
    show_step_count(2 * vertex_count + 2);
    map_palette();
    SDL_FillRect(screen, nullptr, palette[white]);
    open_labels(20);
    use_line_routine(LineRoutine::unclipped);
    say_legend();

    draw_graph();
    depth_first::narrate_graph(vertex_count, degree, adjacency[0], graph_max_vertices);
    on_graph_drawn();
    SDL_Flip(screen);
    wait_step();

    component_count = 0;
    for (int v = 0; v < vertex_count; ++v) {
        if (search_state[v] != undiscovered) continue;
        ++component_count;
        on_search_starts(v, component_count);
        visit(v);
    }

    draw_label(20, 450, "Number of connected components : %d", component_count);
    on_search_over(component_count);
    SDL_Flip(screen);
    wait_step();

    close_labels();
    return end_show();
}
