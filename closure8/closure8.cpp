// closure8: Warshall's transitive closure of a random 8-vertex digraph on a 2 x 4 grid, with the
// reachability matrix beside it and the closure after every pass below; three pictures.
#include <cstdio>
#include <cstdlib>

#include "digraph.h"
#include "closure_words.h"
#include "kit.h"

namespace {

constexpr int vertex_point_size = 20;
constexpr int matrix_point_size = 18;
constexpr int pass_count = vertex_count;
constexpr int last_pass = pass_count - 1;
// Pass drawings stand side by side and wrap to a new row once the next would pass this x.
constexpr int pass_column_step = 250;
constexpr int pass_row_step = 110;
constexpr int pass_wrap_x = 550;

int offset_x[vertex_count];
int offset_y[vertex_count];
int origin_x;
int origin_y;
int spacing;
int stage_colour;

int point_x(int v) { return origin_x + offset_x[v]; }
int point_y(int v) { return origin_y + offset_y[v]; }

void place_vertices() {
    for (int v = 0; v < vertex_count; v++) {
        offset_x[v] = (v % grid_columns) * spacing;
        offset_y[v] = (v / grid_columns) * spacing;
    }
}

void draw_graph() {
    for (int v = 0; v < vertex_count; v++) {
        fill_disc(point_x(v), point_y(v), 2, palette[standard::black]);
        draw_label(point_x(v) + 10, point_y(v) - 2, "%d", v);
    }
    for (int i = 0; i < vertex_count; i++)
        for (int j = 0; j < vertex_count; j++)
            if (adjacency[i][j] == 1 && i != j)
                draw_arrow(point_x(i), point_y(i), point_x(j), point_y(j), palette[standard::red]);
}

// Every matrix is set in 18-point type, whatever the labels before it used.
void draw_matrix() {
    change_label_size(matrix_point_size);
    for (int i = 0; i < vertex_count; i++)
        for (int j = 0; j < vertex_count; j++)
            draw_label(origin_x + 300 + 20 * j, origin_y - 10 + 20 * i, "%d", closure[i][j]);
}

// Only the arrows: the pass drawings carry no vertices.
void draw_closure() {
    for (int i = 0; i < vertex_count; i++)
        for (int j = 0; j < vertex_count; j++)
            if (closure[i][j] == 1 && i != j)
                draw_arrow(point_x(i), point_y(i), point_x(j), point_y(j), palette[stage_colour]);
}

// ---- Words for the steps: read the matrices, never touch what is drawn ----

void give_legend() {
    legend("small black dot with its number: a vertex; the vertices stand on a grid of 2 rows of 4");
    legend("red arrow in the top drawing: an edge of the digraph, from the vertex at its tail to the vertex its head points at");
    legend("matrix of 0s and 1s: row i, column j is 1 when vertex i reaches vertex j; the first one is the digraph's, the one at the bottom right the closure's");
    legend("small blue drawing with number k above it: the closure after pass k, with an arrow i->j for every pair found so far");
    legend("red arrows in the last small drawing (pass 7): the finished transitive closure");
}

// A shortest path i -> ... -> j along the digraph's edges whose stops between the ends are all at
// most `highest_stop`, written as "i->a->j" into `text`; false when there is none.
bool name_path(char* text, int size, int i, int j, int highest_stop) {
    int came_from[vertex_count];
    for (int& v : came_from) v = -1;
    int queue[vertex_count], head = 0, tail = 0;
    queue[tail++] = i;
    came_from[i] = i;
    while (head < tail && came_from[j] < 0) {
        const int u = queue[head++];
        if (u != i && u > highest_stop) continue;  // j may be reached through u, but nothing beyond
        for (int w = 0; w < vertex_count; w++)
            if (adjacency[u][w] == 1 && came_from[w] < 0) {
                came_from[w] = u;
                queue[tail++] = w;
            }
    }
    if (came_from[j] < 0) return false;
    int path[vertex_count], length = 0;
    for (int v = j; v != i; v = came_from[v]) path[length++] = v;
    path[length++] = i;
    int used = 0;
    for (int k = length - 1; k >= 0; k--)
        used += snprintf(text + used, size - used, "%s%d", k == length - 1 ? "" : "->", path[k]);
    return true;
}

// Asked before the picture of all the passes: whether a cell that is 0 in the digraph's matrix is
// 1 in the closure. Whether the cell asked about becomes 1 or stays 0 is one draw, and which such
// cell another, both from the show's seeded draws, so that --seed asks the same again.
// `set_by[c]` is the pass that made cell c a 1, or -1 when none did.
void ask_about_a_cell(const int* at_start, const int* set_by) {
    int becomes_one[vertex_count * vertex_count], stays_zero[vertex_count * vertex_count];
    int ones = 0, zeros = 0;
    for (int c = 0; c < vertex_count * vertex_count; c++) {
        if (at_start[c] == 1) continue;
        if (set_by[c] >= 0)
            becomes_one[ones++] = c;
        else
            stays_zero[zeros++] = c;
    }
    if (ones + zeros == 0) return;
    const bool yes = zeros == 0 || (ones > 0 && random_number() % 2 == 0);
    const int c = yes ? becomes_one[random_number() % ones] : stays_zero[random_number() % zeros];
    const int i = c / vertex_count, j = c % vertex_count;
    ask(AnswerKind::yes_no, "Row %d, column %d of the matrix is 0: there is no edge %d->%d. Will it be 1 after the "
                            "last pass, that is, does vertex %d reach vertex %d?", i, j, i, j, i, j);
    if (yes) {
        char path[64];
        name_path(path, sizeof path, i, j, set_by[c]);
        answer(answers::yes, "Yes: %d reaches %d along %s, whose highest stop on the way is %d, so pass %d sets row "
                             "%d, column %d to 1.", i, j, path, set_by[c], set_by[c], i, j);
    } else {
        char reached[80] = "";
        int count = 0, used = 0, named = 0;
        for (int v = 0; v < vertex_count; v++) count += v != i && closure[i][v] == 1;
        for (int v = 0; v < vertex_count; v++)
            if (v != i && closure[i][v] == 1) used = join_words(reached, sizeof reached, used, named++, count, v);
        if (count == 0)
            answer(answers::no, "No: no edge leaves %d, so it reaches no other vertex and row %d, column %d stays 0 "
                                "through all %d passes.", i, i, j, pass_count);
        else
            answer(answers::no, "No: following edges in their direction, %d reaches only %s, never %d, so row %d, "
                                "column %d stays 0 through all %d passes.", i, reached, j, i, j, pass_count);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv,
                {"closure8", "Warshall's transitive closure of a random 8-vertex digraph",
                 /*draws_random_graph=*/true});
    map_standard_palette();
    SDL_FillRect(screen, nullptr, palette[standard::white]);
    open_labels(vertex_point_size);

    seed_random(random_seed());
    build_digraph(random_number);
    give_legend();

    spacing = 70;
    origin_x = 30;
    origin_y = 30;
    place_vertices();
    draw_graph();
    SDL_Flip(screen);
    {
        char edges[400] = "";
        const int edge_count = name_pairs(edges, sizeof edges, &adjacency[0][0], nullptr, vertex_count);
        explain("This is a random digraph of %d vertices and %d edges, one along each side of the 2 x 4 grid: "
                "%s. Warshall's algorithm will find which vertices each vertex can reach, following edges in "
                "their direction.",
                vertex_count, edge_count, edges);
        explain_count("edges", edge_count);
    }
    wait_step();

    copy_adjacency_to_closure();
    draw_matrix();
    SDL_Flip(screen);
    explain("The reachability matrix starts as the digraph itself: row i, column j is 1 when there is an edge "
            "i->j, and the diagonal is 1 because every vertex reaches itself. That makes %d 1s. Each pass k "
            "of Warshall's closure will then let vertex k be a stop on the way.",
            ones_in(&closure[0][0], vertex_count));
    explain_matrix("reachability matrix at the start", &closure[0][0], vertex_count, nullptr);
    wait_step();

    // All eight pass drawings and the final matrix appear together in the last picture.
    // What each pass adds, kept for the words of the last picture.
    int at_start[vertex_count * vertex_count];
    int before_pass[vertex_count * vertex_count];
    int added[pass_count];
    int set_by[vertex_count * vertex_count];
    char passes[1600] = "";
    for (int c = 0; c < vertex_count * vertex_count; c++) {
        at_start[c] = (&closure[0][0])[c];
        set_by[c] = -1;
    }

    stage_colour = standard::blue;
    origin_y = 200;
    origin_x = 30;
    for (int k = 0; k < pass_count; k++) {
        place_vertices();
        draw_label(origin_x, origin_y - 20, "%d", k);
        for (int c = 0; c < vertex_count * vertex_count; c++) before_pass[c] = (&closure[0][0])[c];
        warshall_pass(k);
        for (int c = 0; c < vertex_count * vertex_count; c++)
            if (before_pass[c] == 0 && (&closure[0][0])[c] == 1) set_by[c] = k;
        {
            int used = snprintf(nullptr, 0, "%s", passes);
            used += snprintf(passes + used, sizeof passes - used, "%sPass %d, through vertex %d, ",
                             k ? " " : "", k, k);
            char pairs[600] = "";
            added[k] = name_pairs(pairs, sizeof pairs, &closure[0][0], before_pass, vertex_count);
            if (added[k] == 0) {
                char why[120];
                why_nothing(why, sizeof why, before_pass, k, vertex_count);
                snprintf(passes + used, sizeof passes - used, "adds nothing, because %s.", why);
            }
            else {
                snprintf(passes + used, sizeof passes - used, "adds %d new 1%s: %s.", added[k],
                         added[k] == 1 ? "" : "s", pairs);
            }
        }
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
    ask_about_a_cell(at_start, set_by);
    {
        int total_added = 0;
        for (int k = 0; k < pass_count; k++) total_added += added[k];
        explain("Pass k of Warshall's closure goes through vertex k: whenever i reaches k and k reaches j, i "
                "now reaches j too, so after pass k a path may stop at any of the vertices 0 to k. %s",
                passes);
        explain("In all, the %d passes added %d new 1s, and the closure (red, and the matrix at the bottom right) "
                "has %d 1s: it says for every pair whether the first vertex can reach the second.",
                pass_count, total_added, ones_in(&closure[0][0], vertex_count));
        explain_matrix("reachability matrix after the last pass (changes since the start marked)", &closure[0][0],
                       vertex_count, at_start);
        explain_list("new 1s added by passes 0 to 7", added, pass_count);
        explain_reach_table("how many other vertices each vertex reaches", &closure[0][0], vertex_count);
    }
    wait_step();

    close_labels();
    return end_show();
}
