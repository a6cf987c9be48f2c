// closure12: what each vertex of a random 12-vertex digraph reaches, traced by depth-first walks,
// then Warshall's transitive closure one pass per key press and the closure drawn as a digraph.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "digraph.h"
#include "closure_words.h"
#include "kit.h"

namespace {

constexpr int vertex_point_size = 20;
constexpr int matrix_point_size = 18;
constexpr int pass_count = vertex_count;
constexpr int last_pass = pass_count - 1;
// The twelve small copies stand three to a row.
constexpr int copy_column_step = 200;
constexpr int copy_row_step = 140;
constexpr int copy_wrap_x = 550;

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
    for (int v = 0; v < vertex_count; v++) {
        offset_x[v] = (v % grid_columns) * spacing;
        offset_y[v] = (v / grid_columns) * spacing;
    }
}

void draw_graph() {
    for (int v = 0; v < vertex_count; v++) {
        fill_disc(point_x(v), point_y(v), 2, palette[standard::black]);
        draw_label(point_x(v) + 8, point_y(v) + 1, "%d", v);
    }
    for (int i = 0; i < vertex_count; i++)
        for (int j = 0; j < vertex_count; j++)
            if (adjacency[i][j] == 1 && i != j)
                draw_arrow(point_x(i), point_y(i), point_x(j), point_y(j), palette[standard::red]);
}

// Every matrix is set in 18-point type, and so is every label drawn after the first matrix.
void draw_matrix() {
    change_label_size(matrix_point_size);
    for (int i = 0; i < vertex_count; i++)
        for (int j = 0; j < vertex_count; j++)
            draw_label(origin_x + 300 + 20 * j, origin_y - 10 + 20 * i, "%d", closure[i][j]);
}

// Only the arrows: the closure drawing carries no vertices.
void draw_closure() {
    for (int i = 0; i < vertex_count; i++)
        for (int j = 0; j < vertex_count; j++)
            if (closure[i][j] == 1 && i != j)
                draw_arrow(point_x(i), point_y(i), point_x(j), point_y(j), palette[stage_colour]);
}

// The diagonal one is passed over because v is already visited; a vertex reached by two routes
// keeps the first in loop order, depth first.
void walk(int v) {
    visited[v] = 1;
    for (int j = 0; j < vertex_count; j++) {
        if (adjacency[v][j] == 1 && visited[j] == 0) {
            fill_disc(point_x(v), point_y(v), 4, palette[standard::red]);
            fill_disc(point_x(j), point_y(j), 4, palette[standard::red]);
            draw_thick_line(point_x(v), point_y(v), point_x(j), point_y(j), 2, palette[standard::red]);
            walk(j);
        }
    }
}

// ---- Words for the steps: read the matrices, never touch what is drawn ----

void give_legend() {
    legend("small black dot with its number: a vertex; the vertices stand on a grid of 3 rows of 4");
    legend("red arrow: an edge of the digraph, from the vertex at its tail to the vertex its head points at");
    legend("red ring round a number (first picture): the start vertex of that small copy's walk");
    legend("thick red line with red dots at its ends (first picture): an edge along which the depth-first walk first reached a vertex");
    legend("number at the top, right of the digraph: the pass of Warshall's closure just done");
    legend("matrix of 0s and 1s: row i, column j is 1 when vertex i is known to reach vertex j");
    legend("black arrows below the digraph (last picture): the transitive closure, an arrow i->j for every vertex j that i reaches");
}

// The vertices other than k whose cell is 1, in row k (`row`) or in column k of `cells`, joined as
// "0, 2 and 8"; returns how many.
int name_neighbours(char* text, int size, const int* cells, int k, bool row) {
    int count = 0, used = 0, named = 0;
    text[0] = '\0';
    for (int v = 0; v < vertex_count; v++) count += v != k && cells[row ? k * vertex_count + v : v * vertex_count + k];
    for (int v = 0; v < vertex_count; v++)
        if (v != k && cells[row ? k * vertex_count + v : v * vertex_count + k])
            used = join_words(text, size, used, named++, count, v);
    return count;
}

// Asked before the picture of pass k, from the matrix as the pass found it (`before`) and as it
// left it: how many 1s it adds. The pairs are named when they are few enough to read in a line.
void ask_how_many_added(int k, const int* before, int added, const char* pairs) {
    ask(AnswerKind::number, "How many new 1s will pass %d, through vertex %d, add to the matrix?", k, k);
    if (added == 0) {
        char why[120];
        why_nothing(why, sizeof why, before, k, vertex_count);
        answer(0, "Pass %d adds 0 new 1s, because %s.", k, why);
        return;
    }
    char reaching[64], reached[64], listed[1300] = "";
    const int in = name_neighbours(reaching, sizeof reaching, before, k, false);
    name_neighbours(reached, sizeof reached, before, k, true);
    int pairs_made = 0;  // i -> j with i reaching k, k reaching j, and i != j
    for (int i = 0; i < vertex_count; i++)
        for (int j = 0; j < vertex_count; j++)
            pairs_made += i != k && j != k && i != j && before[i * vertex_count + k] && before[k * vertex_count + j];
    char found[200];
    snprintf(found, sizeof found, "by the paths found so far, %s %s reach%s %d and %d reaches %s",
             in == 1 ? "vertex" : "vertices", reaching, in == 1 ? "es" : "", k, k, reached);
    constexpr int most_listed = 8;
    if (added <= most_listed) snprintf(listed, sizeof listed, " (%s)", pairs);
    if (pairs_made == 1)
        answer(added, "Pass %d adds 1 new 1: %s, and the one pair they make, %s, was still 0.", k, found, pairs);
    else if (added == pairs_made)
        answer(added, "Pass %d adds %d new 1s: %s, and %s pairs they make were still 0%s.", k, added, found,
               added == 2 ? "both" : ("all " + std::to_string(added)).c_str(), listed);
    else
        answer(added, "Pass %d adds %d new 1%s: %s, and %d of the %d pairs they make %s still 0%s.", k, added,
               added == 1 ? "" : "s", found, added, pairs_made, added == 1 ? "was" : "were", listed);
}

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv,
                {"closure12", "reachability walks and Warshall's closure of a random 12-vertex digraph",
                 /*draws_random_graph=*/true});
    map_standard_palette();
    clear_window();
    open_labels(vertex_point_size);

    seed_random(random_seed());
    build_digraph(random_number);
    give_legend();

    // Twelve small copies, each with what its start vertex reaches traced in red.
    origin_x = 30;
    spacing = 50;
    origin_y = 30;
    place_vertices();
    int walk_reached[vertex_count];  // other vertices each walk entered, for the words only
    for (int s = 0; s < vertex_count; s++) {
        for (int& v : visited) v = 0;
        draw_graph();
        // The ring goes round the start vertex's number, not round its dot.
        draw_circle(point_x(s) + 16, point_y(s) + 13, 11, palette[standard::red]);
        walk(s);
        walk_reached[s] = -1;
        for (int v : visited) walk_reached[s] += v;
        if (origin_x + copy_column_step > copy_wrap_x) {
            origin_y += copy_row_step;
            origin_x = 30;
        } else {
            origin_x += copy_column_step;
        }
    }
    SDL_Flip(screen);
    {
        char edges[400] = "";
        const int edge_count = name_pairs(edges, sizeof edges, &adjacency[0][0], nullptr, vertex_count);
        int most = 0, fewest = 0;
        for (int s = 1; s < vertex_count; s++) {
            if (walk_reached[s] > walk_reached[most]) most = s;
            if (walk_reached[s] < walk_reached[fewest]) fewest = s;
        }
        // Every start vertex with the fewest, as "3 and 8" or "2, 3 and 8".
        char fewest_names[80] = "";
        int tied = 0;
        for (int s = 0; s < vertex_count; s++) tied += walk_reached[s] == walk_reached[fewest];
        for (int s = 0, named = 0; s < vertex_count; s++) {
            if (walk_reached[s] != walk_reached[fewest]) continue;
            const int used = snprintf(nullptr, 0, "%s", fewest_names);
            named++;
            snprintf(fewest_names + used, sizeof fewest_names - used, "%s%d",
                     named == 1 ? "" : named == tied ? " and " : ", ", s);
        }
        explain("Twelve copies of a random digraph of %d vertices and %d edges: %s. In each copy a depth-first "
                "walk starts from the ringed vertex and follows edges in their direction; the thick red lines are "
                "the edges by which it first entered each vertex, so the red vertices are exactly those the start "
                "reaches. Vertex %d reaches the most (%d others); %s %s reach%s the fewest (%d).",
                vertex_count, edge_count, edges, most, walk_reached[most], tied == 1 ? "vertex" : "vertices",
                fewest_names, tied == 1 ? "es" : "", walk_reached[fewest]);
        explain_table("how many other vertices the walk from each vertex reaches", "start", "reaches", walk_reached,
                      vertex_count, -1);
    }
    wait_step();

    clear_window();
    spacing = 60;
    origin_x = 30;
    origin_y = 30;
    place_vertices();
    draw_graph();
    copy_adjacency_to_closure();
    draw_matrix();
    SDL_Flip(screen);
    explain("Now the same reachability is found by Warshall's closure, one pass per step. The matrix starts as the "
            "digraph: row i, column j is 1 when there is an edge i->j, and the diagonal is 1 because every vertex "
            "reaches itself; that makes %d 1s. Pass k will let vertex k be a stop on the way.",
            ones_in(&closure[0][0], vertex_count));
    explain_matrix("reachability matrix at the start", &closure[0][0], vertex_count, nullptr);
    wait_step();
    clear_window();

    stage_colour = standard::black;
    int at_start[vertex_count * vertex_count];
    int before_pass[vertex_count * vertex_count];
    for (int c = 0; c < vertex_count * vertex_count; c++) at_start[c] = (&closure[0][0])[c];
    for (int k = 0; k < pass_count; k++) {
        draw_label(origin_x + 250, 10, "%d", k);
        for (int c = 0; c < vertex_count * vertex_count; c++) before_pass[c] = (&closure[0][0])[c];
        warshall_pass(k);
        draw_graph();
        draw_matrix();
        SDL_Flip(screen);
        {
            char pairs[1200] = "";
            const int added = name_pairs(pairs, sizeof pairs, &closure[0][0], before_pass, vertex_count);
            explain("Pass %d of Warshall's closure goes through vertex %d: whenever i reaches %d and %d reaches j, "
                    "i now reaches j too.",
                    k, k, k, k);
            if (added == 0) {
                char why[120];
                why_nothing(why, sizeof why, before_pass, k, vertex_count);
                explain("This pass adds no new 1s, because %s.", why);
            } else {
                explain("This pass adds %d new 1%s: %s.", added, added == 1 ? "" : "s", pairs);
            }
            ask_how_many_added(k, before_pass, added, pairs);
            explain_matrix("reachability matrix after this pass (new 1s marked)", &closure[0][0], vertex_count,
                           before_pass);
            explain_count("new 1s in this pass", added);
            explain_count("1s in the matrix", ones_in(&closure[0][0], vertex_count));
        }
        wait_step();
        // The last pass stays on screen under the closure drawing.
        if (k < last_pass) clear_window();
    }

    origin_x = 30;
    origin_y = 250;
    draw_closure();
    SDL_Flip(screen);
    {
        const int total_added = ones_in(&closure[0][0], vertex_count) - ones_in(at_start, vertex_count);
        explain("After all %d passes the matrix is the transitive closure: %d 1s, %d more than the digraph had. "
                "Below the digraph it is drawn as a digraph of its own, in black, with an arrow i->j for every "
                "vertex j that i reaches; each row agrees with the red walk of the first picture.",
                pass_count, ones_in(&closure[0][0], vertex_count), total_added);
        explain_matrix("the closure (changes since the start marked)", &closure[0][0], vertex_count, at_start);
        explain_reach_table("how many other vertices each vertex reaches", &closure[0][0], vertex_count);
    }
    wait_step();

    close_labels();
    return end_show();
}
