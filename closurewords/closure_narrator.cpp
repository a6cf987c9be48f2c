// The closure family's words. They read the digraph and the matrix the program hands over and
// never draw; sizes are fixed by most_closure_vertices, never by one particular digraph.
#include "closure_narrator.h"

#include <cstdio>
#include <string>

#include "kit.h"

namespace {

constexpr int most_cells = most_closure_vertices * most_closure_vertices;

const int* adjacency;
const int* closure;
int n;
int grid_columns;
PassView view;

int at_start[most_cells];
int before_pass[most_cells];
int set_by[most_cells];  // the pass that made each cell a 1, or -1 when none did
int added[most_closure_vertices];
int walk_reached[most_closure_vertices];  // other vertices each walk entered
std::string passes;

int cell(const int* cells, int i, int j) { return cells[i * n + j]; }

int ones_in(const int* cells) {
    int ones = 0;
    for (int c = 0; c < n * n; c++) ones += cells[c];
    return ones;
}

// Appends "i->j" for every off-diagonal 1 of `cells` that is 0 in `before` (or every one when
// `before` is null), comma-separated, to `text` of size `size`; returns how many pairs it named.
int name_pairs(char* text, int size, const int* cells, const int* before) {
    int named = 0;
    for (int i = 0; i < n; i++)
        for (int j = 0; j < n; j++) {
            const int c = i * n + j;
            if (i == j || cells[c] != 1 || (before && before[c] == 1)) continue;
            const int used = std::snprintf(nullptr, 0, "%s", text);
            std::snprintf(text + used, size - used, "%s%d->%d", named ? ", " : "", i, j);
            named++;
        }
    return named;
}

// Why a pass through k found nothing new, from the matrix as the pass found it.
void why_nothing(char* text, int size, int k) {
    bool reached = false, reaches = false;
    for (int v = 0; v < n; v++) {
        if (v == k) continue;
        if (cell(before_pass, v, k)) reached = true;
        if (cell(before_pass, k, v)) reaches = true;
    }
    if (!reached && !reaches)
        std::snprintf(text, size, "no other vertex reaches %d and %d reaches no other", k, k);
    else if (!reached)
        std::snprintf(text, size, "no other vertex reaches %d by the paths found so far", k);
    else if (!reaches)
        std::snprintf(text, size, "%d reaches no other vertex by the paths found so far", k);
    else
        std::snprintf(text, size, "every vertex that reaches %d already reaches all that %d reaches", k, k);
}

// How many other vertices each vertex reaches by the closure, as a table.
void explain_reach_table() {
    int reached[most_closure_vertices] = {};
    for (int i = 0; i < n; i++)
        for (int j = 0; j < n; j++)
            if (j != i) reached[i] += cell(closure, i, j);
    explain_table("how many other vertices each vertex reaches", "vertex", "reaches", reached, n, -1);
}

// A shortest path i -> ... -> j along the digraph's edges whose stops between the ends are all at
// most `highest_stop`, written as "i->a->j" into `text`; false when there is none.
bool name_path(char* text, int size, int i, int j, int highest_stop) {
    int came_from[most_closure_vertices];
    for (int v = 0; v < n; v++) came_from[v] = -1;
    int queue[most_closure_vertices], head = 0, tail = 0;
    queue[tail++] = i;
    came_from[i] = i;
    while (head < tail && came_from[j] < 0) {
        const int u = queue[head++];
        if (u != i && u > highest_stop) continue;  // j may be reached through u, but nothing beyond
        for (int w = 0; w < n; w++)
            if (cell(adjacency, u, w) == 1 && came_from[w] < 0) {
                came_from[w] = u;
                queue[tail++] = w;
            }
    }
    if (came_from[j] < 0) return false;
    int path[most_closure_vertices], length = 0;
    for (int v = j; v != i; v = came_from[v]) path[length++] = v;
    path[length++] = i;
    int used = 0;
    for (int k = length - 1; k >= 0; k--)
        used += std::snprintf(text + used, size - used, "%s%d", k == length - 1 ? "" : "->", path[k]);
    return true;
}

// Asked before the picture of all the passes: whether a cell that is 0 in the digraph's matrix is
// 1 in the closure. Whether the cell asked about becomes 1 or stays 0 is one draw, and which such
// cell another, both from the show's seeded draws, so that --seed asks the same again.
void ask_about_a_cell() {
    int becomes_one[most_cells], stays_zero[most_cells];
    int ones = 0, zeros = 0;
    for (int c = 0; c < n * n; c++) {
        if (at_start[c] == 1) continue;
        if (set_by[c] >= 0)
            becomes_one[ones++] = c;
        else
            stays_zero[zeros++] = c;
    }
    if (ones + zeros == 0) return;
    const bool yes = zeros == 0 || (ones > 0 && random_number() % 2 == 0);
    const int c = yes ? becomes_one[random_number() % ones] : stays_zero[random_number() % zeros];
    const int i = c / n, j = c % n;
    ask(AnswerKind::yes_no, "Row %d, column %d of the matrix is 0: there is no edge %d->%d. Will it be 1 after the "
                            "last pass, that is, does vertex %d reach vertex %d?", i, j, i, j, i, j);
    if (yes) {
        char path[64];
        name_path(path, sizeof path, i, j, set_by[c]);
        answer(answers::yes, "Yes: %d reaches %d along %s, whose highest stop on the way is %d, so pass %d sets row "
                             "%d, column %d to 1.", i, j, path, set_by[c], set_by[c], i, j);
        return;
    }
    char reached[80] = "";
    int count = 0, used = 0, named = 0;
    for (int v = 0; v < n; v++) count += v != i && cell(closure, i, v) == 1;
    for (int v = 0; v < n; v++)
        if (v != i && cell(closure, i, v) == 1) used = join_words(reached, sizeof reached, used, named++, count, v);
    if (count == 0)
        answer(answers::no, "No: no edge leaves %d, so it reaches no other vertex and row %d, column %d stays 0 "
                            "through all %d passes.", i, i, j, n);
    else
        answer(answers::no, "No: following edges in their direction, %d reaches only %s, never %d, so row %d, "
                            "column %d stays 0 through all %d passes.", i, reached, j, i, j, n);
}

// The vertices other than k whose cell is 1 in row k (`row`) or in column k of the matrix as the
// pass found it, joined as "0, 2 and 8"; returns how many.
int name_neighbours(char* text, int size, int k, bool row) {
    int count = 0, used = 0, named = 0;
    text[0] = '\0';
    for (int v = 0; v < n; v++) count += v != k && (row ? cell(before_pass, k, v) : cell(before_pass, v, k));
    for (int v = 0; v < n; v++)
        if (v != k && (row ? cell(before_pass, k, v) : cell(before_pass, v, k)))
            used = join_words(text, size, used, named++, count, v);
    return count;
}

// Asked before the picture of pass k: how many 1s it adds. The pairs are named when they are few
// enough to read in a line.
void ask_how_many_added(int k, int added, const char* pairs) {
    ask(AnswerKind::number, "How many new 1s will pass %d, through vertex %d, add to the matrix?", k, k);
    if (added == 0) {
        char why[120];
        why_nothing(why, sizeof why, k);
        answer(0, "Pass %d adds 0 new 1s, because %s.", k, why);
        return;
    }
    char reaching[64], reached[64], listed[1300] = "";
    const int in = name_neighbours(reaching, sizeof reaching, k, false);
    name_neighbours(reached, sizeof reached, k, true);
    int pairs_made = 0;  // i -> j with i reaching k, k reaching j, and i != j
    for (int i = 0; i < n; i++)
        for (int j = 0; j < n; j++)
            pairs_made += i != k && j != k && i != j && cell(before_pass, i, k) && cell(before_pass, k, j);
    char found[200];
    std::snprintf(found, sizeof found, "by the paths found so far, %s %s reach%s %d and %d reaches %s",
                  in == 1 ? "vertex" : "vertices", reaching, in == 1 ? "es" : "", k, k, reached);
    constexpr int most_listed = 8;
    if (added <= most_listed) std::snprintf(listed, sizeof listed, " (%s)", pairs);
    if (pairs_made == 1)
        answer(added, "Pass %d adds 1 new 1: %s, and the one pair they make, %s, was still 0.", k, found, pairs);
    else if (added == pairs_made)
        answer(added, "Pass %d adds %d new 1s: %s, and %s pairs they make were still 0%s.", k, added, found,
               added == 2 ? "both" : ("all " + std::to_string(added)).c_str(), listed);
    else
        answer(added, "Pass %d adds %d new 1%s: %s, and %d of the %d pairs they make %s still 0%s.", k, added,
               added == 1 ? "" : "s", found, added, pairs_made, added == 1 ? "was" : "were", listed);
}

// A one-per-step pass, said as it is shown.
void say_pass_shown(int k, int added, const char* pairs) {
    explain("Pass %d of Warshall's closure goes through vertex %d: whenever i reaches %d and %d reaches j, "
            "i now reaches j too.",
            k, k, k, k);
    if (added == 0) {
        char why[120];
        why_nothing(why, sizeof why, k);
        explain("This pass adds no new 1s, because %s.", why);
    } else {
        explain("This pass adds %d new 1%s: %s.", added, added == 1 ? "" : "s", pairs);
    }
    ask_how_many_added(k, added, pairs);
    explain_matrix("reachability matrix after this pass (new 1s marked)", closure, n, before_pass);
    explain_count("new 1s in this pass", added);
    explain_count("1s in the matrix", ones_in(closure));
}

// An all-in-one pass, kept for the words of the last picture.
void keep_pass(int k, int added, const char* pairs) {
    char text[800];
    if (added == 0) {
        char why[120];
        why_nothing(why, sizeof why, k);
        std::snprintf(text, sizeof text, "%sPass %d, through vertex %d, adds nothing, because %s.", k ? " " : "", k,
                      k, why);
    } else {
        std::snprintf(text, sizeof text, "%sPass %d, through vertex %d, adds %d new 1%s: %s.", k ? " " : "", k, k,
                      added, added == 1 ? "" : "s", pairs);
    }
    passes += text;
}

const char* const number_word[most_closure_vertices + 1] = {
    "No", "One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight",
    "Nine", "Ten", "Eleven", "Twelve", "Thirteen", "Fourteen", "Fifteen", "Sixteen",
};

void legend_line(const char* format, int a, int b) {
    char text[200];
    std::snprintf(text, sizeof text, format, a, b);
    legend(text);
}

}  // namespace

void start_closure_words(const int* digraph, const int* matrix, int vertices, int columns, PassView pass_view) {
    adjacency = digraph;
    closure = matrix;
    n = vertices < most_closure_vertices ? vertices : most_closure_vertices;
    grid_columns = columns;
    view = pass_view;
    passes.clear();
}

void give_closure_legend() {
    const int rows = (n + grid_columns - 1) / grid_columns;
    if (view == PassView::all_in_one_picture) {
        legend_line("small black dot with its number: a vertex; the vertices stand on a grid of %d rows of %d", rows,
                    grid_columns);
        legend("red arrow in the top drawing: an edge of the digraph, from the vertex at its tail to the vertex its head points at");
        legend("matrix of 0s and 1s: row i, column j is 1 when vertex i reaches vertex j; the first one is the digraph's, the one at the bottom right the closure's");
        legend("small blue drawing with number k above it: the closure after pass k, with an arrow i->j for every pair found so far");
        legend_line("red arrows in the last small drawing (pass %d): the finished transitive closure", n - 1, 0);
        return;
    }
    legend_line("small black dot with its number: a vertex; the vertices stand on a grid of %d rows of %d", rows,
                grid_columns);
    legend("red arrow: an edge of the digraph, from the vertex at its tail to the vertex its head points at");
    legend("red ring round a number (first picture): the start vertex of that small copy's walk");
    legend("thick red line with red dots at its ends (first picture): an edge along which the depth-first walk first reached a vertex");
    legend("number at the top, right of the digraph: the pass of Warshall's closure just done");
    legend("matrix of 0s and 1s: row i, column j is 1 when vertex i is known to reach vertex j");
    legend("black arrows below the digraph (last picture): the transitive closure, an arrow i->j for every vertex j that i reaches");
}

void said_walk_done(int start, const int* visited) {
    walk_reached[start] = -1;
    for (int v = 0; v < n; v++) walk_reached[start] += visited[v];
}

namespace {

// Every start vertex whose walk reaches `count` others, as "3", "3 and 8" or "2, 3 and 8"; returns
// how many there are. Named all, since one named alone would read as the only one.
int name_starts_reaching(int count, char* names, int size) {
    names[0] = '\0';
    int tied = 0;
    for (int s = 0; s < n; s++) tied += walk_reached[s] == count;
    for (int s = 0, named = 0, used = 0; s < n; s++)
        if (walk_reached[s] == count) used = join_words(names, size, used, named++, tied, s);
    return tied;
}

}  // namespace

void say_walks() {
    char edges[400] = "";
    const int edge_count = name_pairs(edges, sizeof edges, adjacency, nullptr);
    int most = 0, fewest = 0;
    for (int s = 1; s < n; s++) {
        if (walk_reached[s] > walk_reached[most]) most = s;
        if (walk_reached[s] < walk_reached[fewest]) fewest = s;
    }
    char most_names[80], fewest_names[80];
    const int tied_most = name_starts_reaching(walk_reached[most], most_names, sizeof most_names);
    const int tied_fewest = name_starts_reaching(walk_reached[fewest], fewest_names, sizeof fewest_names);
    explain("%s copies of a random digraph of %d vertices and %d edges: %s. In each copy a depth-first "
            "walk starts from the ringed vertex and follows edges in their direction; the thick red lines are "
            "the edges by which it first entered each vertex, so the red vertices are exactly those the start "
            "reaches. %s %s reach%s the most (%d others); %s %s reach%s the fewest (%d).",
            number_word[n], n, edge_count, edges, tied_most == 1 ? "Vertex" : "Vertices", most_names,
            tied_most == 1 ? "es" : "", walk_reached[most], tied_fewest == 1 ? "vertex" : "vertices", fewest_names,
            tied_fewest == 1 ? "es" : "", walk_reached[fewest]);
    explain_table("how many other vertices the walk from each vertex reaches", "start", "reaches", walk_reached, n,
                  -1);
}

void say_digraph() {
    char edges[400] = "";
    const int edge_count = name_pairs(edges, sizeof edges, adjacency, nullptr);
    explain("This is a random digraph of %d vertices and %d edges, one along each side of the %d x %d grid: "
            "%s. Warshall's algorithm will find which vertices each vertex can reach, following edges in "
            "their direction.",
            n, edge_count, (n + grid_columns - 1) / grid_columns, grid_columns, edges);
    explain_count("edges", edge_count);
}

void say_matrix_at_start() {
    for (int c = 0; c < n * n; c++) {
        at_start[c] = closure[c];
        set_by[c] = -1;
    }
    if (view == PassView::all_in_one_picture)
        explain("The reachability matrix starts as the digraph itself: row i, column j is 1 when there is an edge "
                "i->j, and the diagonal is 1 because every vertex reaches itself. That makes %d 1s. Each pass k "
                "of Warshall's closure will then let vertex k be a stop on the way.",
                ones_in(closure));
    else
        explain("Now the same reachability is found by Warshall's closure, one pass per step. The matrix starts as "
                "the digraph: row i, column j is 1 when there is an edge i->j, and the diagonal is 1 because every "
                "vertex reaches itself; that makes %d 1s. Pass k will let vertex k be a stop on the way.",
                ones_in(closure));
    explain_matrix("reachability matrix at the start", closure, n, nullptr);
}

void said_pass_starts() {
    for (int c = 0; c < n * n; c++) before_pass[c] = closure[c];
}

void say_pass_done(int k) {
    for (int c = 0; c < n * n; c++)
        if (before_pass[c] == 0 && closure[c] == 1) set_by[c] = k;
    char pairs[1200] = "";
    added[k] = name_pairs(pairs, sizeof pairs, closure, before_pass);
    if (view == PassView::one_per_step)
        say_pass_shown(k, added[k], pairs);
    else
        keep_pass(k, added[k], pairs);
}

void say_closure() {
    if (view == PassView::one_per_step) {
        const int total_added = ones_in(closure) - ones_in(at_start);
        explain("After all %d passes the matrix is the transitive closure: %d 1s, %d more than the digraph had. "
                "Below the digraph it is drawn as a digraph of its own, in black, with an arrow i->j for every "
                "vertex j that i reaches; each row agrees with the red walk of the first picture.",
                n, ones_in(closure), total_added);
        explain_matrix("the closure (changes since the start marked)", closure, n, at_start);
        explain_reach_table();
        return;
    }
    ask_about_a_cell();
    int total_added = 0;
    for (int k = 0; k < n; k++) total_added += added[k];
    explain("Pass k of Warshall's closure goes through vertex k: whenever i reaches k and k reaches j, i "
            "now reaches j too, so after pass k a path may stop at any of the vertices 0 to k. %s",
            passes.c_str());
    explain("In all, the %d passes added %d new 1s, and the closure (red, and the matrix at the bottom right) "
            "has %d 1s: it says for every pair whether the first vertex can reach the second.",
            n, total_added, ones_in(closure));
    explain_matrix("reachability matrix after the last pass (changes since the start marked)", closure, n, at_start);
    char title[60];
    std::snprintf(title, sizeof title, "new 1s added by passes 0 to %d", n - 1);
    explain_list(title, added, n);
    explain_reach_table();
}
