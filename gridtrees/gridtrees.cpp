// gridtrees: the depth-first and the breadth-first spanning trees of a 33 x 33 lattice, grown from
// its centre one flip at a time; a key after the lattice and after each tree.
#include "gridtrees_words.h"
#include "kit.h"
#include "lattice.h"

namespace {

constexpr int spacing = 18;
constexpr int margin = 10;

enum Colour { white, red, blue };

int vertex_x[vertex_count];
int vertex_y[vertex_count];
int adjacency[vertex_count][4];
int degree[vertex_count];
int visited[vertex_count];
int queue[vertex_count];
int queue_length;

void place_vertices() {
    for (int v = 0; v < vertex_count; ++v) {
        vertex_x[v] = margin + spacing * (v % side);
        vertex_y[v] = margin + spacing * (v / side);
    }
}

// Neighbours go in as up, left, right, down: that order is the visit order of both searches and
// is what makes the depth-first tree a single path.
void build_lattice() {
    for (int v = 0; v < vertex_count; ++v) {
        int n = 0;
        if (v > side - 1) adjacency[v][n++] = v - side;
        if (v % side != 0) adjacency[v][n++] = v - 1;
        if ((v + 1) % side != 0) adjacency[v][n++] = v + 1;
        if (v <= vertex_count - side - 1) adjacency[v][n++] = v + side;
        degree[v] = n;
    }
}

// Every edge is drawn from both of its ends.
void draw_lattice_edges() {
    for (int v = 0; v < vertex_count; ++v) {
        for (int k = 0; k < degree[v]; ++k) {
            const int w = adjacency[v][k];
            draw_line_unclipped(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], palette[blue]);
        }
    }
}

// The tree is one path through all 1089 vertices, so the recursion goes 1089 calls deep.
void depth_first_search(int v) {
    visited[v] = 1;
    for (int k = 0; k < degree[v]; ++k) {
        const int w = adjacency[v][k];
        if (visited[w] == 0) {
            draw_thick_line(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], 1, palette[red]);
            said_went_down(v, w);  // before the frame, so that the panel's count includes w
            SDL_Flip(screen);
            pace_frame();
            depth_first_search(w);
            said_came_back();
        }
    }
}

// The queue's head is element 0; removing it shifts the rest forward, one flip per expanded vertex.
void breadth_first_search(int start) {
    for (int v = 0; v < vertex_count; ++v) visited[v] = 0;
    queue[0] = start;
    queue_length = 1;
    visited[start] = 1;
    while (queue_length > 0) {
        const int u = queue[0];
        for (int k = 0; k < degree[u]; ++k) {
            const int w = adjacency[u][k];
            if (visited[w] == 0) {
                queue[queue_length++] = w;
                visited[w] = 1;
                said_found(u, w);
                draw_thick_line(vertex_x[u], vertex_y[u], vertex_x[w], vertex_y[w], 1,
                                palette[red]);
            }
        }
        for (int i = 1; i < queue_length; ++i) queue[i - 1] = queue[i];
        --queue_length;
        said_expanded(u, queue_length);
        SDL_Flip(screen);
        pace_frame();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv,
                {"gridtrees", "depth-first and breadth-first trees of a 33 x 33 lattice",
                 /*draws_random_graph=*/false, /*animates=*/true});
    palette[white] = SDL_MapRGB(screen->format, 255, 255, 255);
    palette[red] = SDL_MapRGB(screen->format, 255, 0, 0);
    palette[blue] = SDL_MapRGB(screen->format, 0, 0, 255);
    SDL_FillRect(screen, nullptr, palette[white]);
    use_line_routine(LineRoutine::unclipped);

    place_vertices();

    // The lattice.
    for (int v = 0; v < vertex_count; ++v) fill_disc(vertex_x[v], vertex_y[v], 2, palette[blue]);
    build_lattice();
    draw_lattice_edges();
    give_gridtrees_legend();
    say_how_the_searches_work(degree);
    say_lattice(adjacency, degree);
    SDL_Flip(screen);
    wait_step();

    // The depth-first tree, one flip per tree edge; no events are read while it grows.
    fill_disc(vertex_x[centre], vertex_y[centre], 3, palette[red]);
    ask_about_depth_first_tree();
    begin_stage("growing the depth-first tree from the centre");
    depth_first_search(centre);
    say_depth_first_tree(visited);
    SDL_Flip(screen);
    wait_step();

    // The breadth-first tree on a fresh picture: the vertex discs are left out this time.
    SDL_FillRect(screen, nullptr, palette[white]);
    fill_disc(vertex_x[centre], vertex_y[centre], 3, palette[red]);
    draw_lattice_edges();
    ask_about_breadth_first_tree();
    begin_stage("growing the breadth-first tree from the centre");
    breadth_first_search(centre);
    say_breadth_first_tree(visited);
    SDL_Flip(screen);
    wait_step();
    return end_show();
}
