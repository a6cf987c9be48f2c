// The lattice graph, the breadth-first search over its shifted-array queue and the path drawing.
#include "grid_search.h"

#include <cstdlib>

namespace gridpath {
namespace {

// About 20 MB together; static, so nothing is allocated while the program runs.
Sint32 adjacency[vertex_count][vertex_count];
int neighbours[vertex_count][vertex_count + 1];
Uint32 search_state[vertex_count];
int parent[vertex_count];
int queue[vertex_count + 1];
int path[vertex_count];
int path_length;

void random_cell(int cell_row, int cell_column) {
    adjacency[cell_row][cell_column] = random_number() % 2;
}

void enqueue(int v) {
    int k = 0;
    while (queue[k] != NIL) ++k;
    queue[k] = v;
    queue[k + 1] = NIL;
}

// Leaves the next vertex in element 0 (NIL once the queue is empty).
void dequeue() {
    for (int k = 0;; ++k) {
        queue[k] = queue[k + 1];
        if (queue[k] == NIL) return;
    }
}

int queued() {
    int k = 0;
    while (queue[k] != NIL) ++k;
    return k;
}

void thick_line_between(int v, int w, int half_width, Uint32 colour) {
    draw_thick_line(vertex_x(v), vertex_y(v), vertex_x(w), vertex_y(w), half_width, colour);
}

// Walks the parents back to the start and appends on the way out, so the path reads start first.
void collect_path(int start, int v) {
    if (v == start) {
        path[path_length++] = v;
        return;
    }
    if (parent[v] == NIL) {
        fill_disc(10, 10, 5, palette[green]);
        return;
    }
    collect_path(start, parent[v]);
    path[path_length++] = v;
}

}  // namespace

void map_colours() {
    palette[background] = SDL_MapRGB(screen->format, 255, 255, 255);
    palette[undiscovered] = SDL_MapRGB(screen->format, 255, 255, 255);
    palette[finished] = SDL_MapRGB(screen->format, 0, 0, 0);
    palette[discovered] = SDL_MapRGB(screen->format, 255, 0, 0);
    palette[black] = SDL_MapRGB(screen->format, 0, 0, 0);
    palette[red] = SDL_MapRGB(screen->format, 255, 0, 0);
    palette[green] = SDL_MapRGB(screen->format, 0, 250, 0);
    palette[blue] = SDL_MapRGB(screen->format, 0, 0, 250);
}

void build_graph() {
    const int last = vertex_count - 1;
    for (int i = 0; i < vertex_count; ++i) {
        const int c = i % columns;
        adjacency[i][i] = 0;
        // The tests are i > 40 rather than i >= 40: vertex 40 draws no edge up to row 0, so 0 and
        // 40 (and 0 and 41) are never joined.
        if (c != 0) random_cell(i, i - 1);
        if (c != columns - 1) random_cell(i, i + 1);
        if (i > columns) random_cell(i, i - columns);
        if (i <= last - columns) random_cell(i, i + columns);
        if (c != 0 && i > columns) random_cell(i - 1, i - columns);
        if (c != columns - 1 && i <= last - columns) random_cell(i + 1, i + columns);
        if (i > columns && c != columns - 1) random_cell(i + 1, i - columns);
        if (c != 0 && i <= last - columns) random_cell(i - 1, i + columns);
    }

    adjacency[0][1] = 1;
    adjacency[1][0] = 1;

    // Vertex 20 is cut off entirely; 10 and 30 keep only their edges down to row 1.
    for (int b = 0; b < columns - 1; ++b) {
        adjacency[20][b] = 0;
        adjacency[b][20] = 0;
        adjacency[20][columns + b] = 0;
        adjacency[columns + b][20] = 0;
        adjacency[10][b] = 0;
        adjacency[b][10] = 0;
        adjacency[30][b] = 0;
        adjacency[b][30] = 0;
    }

    // In place, row by row: each upper cell takes its lower mirror, so only the draws that landed
    // below the diagonal decide the edges.
    for (int g = 0; g < vertex_count; ++g)
        for (int h = 0; h < vertex_count; ++h) adjacency[g][h] = adjacency[h][g];

    for (int i = 0; i < vertex_count; ++i) {
        int n = 0;
        for (int j = 0; j < vertex_count; ++j)
            if (adjacency[i][j] == 1 && j != i) neighbours[i][n++] = j;
        neighbours[i][n] = NIL;
    }
}

// Every edge is drawn from both ends; half-width 0 makes each band its centre line.
void draw_grid() {
    for (int v = 0; v < vertex_count; ++v) fill_disc(vertex_x(v), vertex_y(v), 0, palette[black]);
    for (int v = 0; v < vertex_count; ++v)
        for (const int* w = neighbours[v]; *w != NIL; ++w)
            thick_line_between(v, *w, 0, palette[black]);
}

// One flip per expanded vertex and no event read: a key pressed meanwhile waits for the end.
void breadth_first_search(int start, void (*after_first_frame)(), void (*before_each_frame)(int, int)) {
    for (int v = 0; v < vertex_count; ++v) {
        search_state[v] = palette[undiscovered];
        parent[v] = NIL;
    }
    search_state[start] = palette[discovered];
    fill_disc(vertex_x(start), vertex_y(start), 1, palette[red]);

    queue[0] = start;
    queue[1] = NIL;
    int u = start;
    while (u != NIL) {
        for (const int* w = neighbours[u]; *w != NIL; ++w) {
            if (search_state[*w] != palette[undiscovered]) continue;
            parent[*w] = u;
            search_state[*w] = palette[discovered];
            enqueue(*w);
            // From the child to its parent.
            thick_line_between(*w, u, 1, palette[red]);
            fill_disc(vertex_x(*w), vertex_y(*w), 1, palette[red]);
        }
        dequeue();
        search_state[u] = palette[finished];
        fill_disc(vertex_x(u), vertex_y(u), 2, palette[red]);
        SDL_Flip(screen);
        SDL_Delay(0);
        if (before_each_frame != nullptr) before_each_frame(u, queued());
        pace_frame();
        if (after_first_frame != nullptr && u == start) after_first_frame();
        u = queue[0];
    }
}

void draw_path(int start, int target) {
    path_length = 0;  // a fresh path on every call
    collect_path(start, target);
    // The end circles are drawn even when there is no path, beside the green marker.
    draw_circle(vertex_x(start), vertex_y(start), 1, palette[blue]);
    draw_circle(vertex_x(target), vertex_y(target), 1, palette[blue]);
    for (int k = 0; k + 1 < path_length; ++k)
        thick_line_between(path[k], path[k + 1], 1, palette[blue]);
    for (int k = 0; k < path_length; ++k)
        fill_disc(vertex_x(path[k]), vertex_y(path[k]), 1, palette[blue]);
}

const int* neighbour_row(int v) { return neighbours[v]; }
int parent_of(int v) { return parent[v]; }
int found_path_length() { return path_length; }
int path_vertex(int k) { return path[k]; }

}  // namespace gridpath
