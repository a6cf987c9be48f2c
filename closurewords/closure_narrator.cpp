// The closure family's words. They read the digraph and the matrix the program hands over and
// never draw; sizes are fixed by most_closure_vertices, never by one particular digraph.
#include "closure_narrator.h"

#include <cstdio>
#include <string>

#include "kit.h"

namespace {

constexpr int most_cells = most_closure_vertices * most_closure_vertices;
// "15->14, " for each pair of a complete digraph, and the closing nul.
constexpr int most_pairs_text = most_cells * 8 + 1;

// The program's matrices, rows `row_length` apart; the words read compact n x n copies of them,
// refreshed at every hook, since the kit's matrices and the cells below are n x n.
const int* program_adjacency;
const int* program_closure;
int row_length;
int adjacency_cells[most_cells];
int closure_cells[most_cells];
const int* const adjacency = adjacency_cells;
const int* const closure = closure_cells;
int n;
int grid_columns;  // 0: the user's digraph, which stands on no grid of the program's
bool placed_by_file;
PassView view;

void read_matrices() {
    for (int i = 0; i < n; i++)
        for (int j = 0; j < n; j++) {
            adjacency_cells[i * n + j] = program_adjacency[i * row_length + j];
            closure_cells[i * n + j] = program_closure[i * row_length + j];
        }
}

bool users_digraph() { return grid_columns == 0; }

// Where the vertices stand, for the legend: "on a grid of 2 rows of 4".
void vertex_places(char* text, int size) {
    if (!users_digraph())
        std::snprintf(text, size, "on a grid of %d rows of %d", (n + grid_columns - 1) / grid_columns, grid_columns);
    else
        std::snprintf(text, size, placed_by_file ? "where the graph file places them" : "evenly on a circle");
}

// The lines of algorithm_lines, by what they do. An all-in-one show has no walks, so its lines
// skip them (0 marks a line the show does not have).
struct Lines {
    int digraph, each_start, walk_mark, walk_edges, start_matrix, each_pass, each_row, each_column, test, set,
        closure;
};
constexpr Lines all_in_one_lines{1, 0, 0, 0, 2, 3, 4, 5, 6, 7, 8};
constexpr Lines one_per_step_lines{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

const Lines& line() { return view == PassView::all_in_one_picture ? all_in_one_lines : one_per_step_lines; }

// The lines every pass carries out; the setting line only when the pass set a cell.
void name_pass_lines(int added) {
    explain_line(line().each_pass);
    explain_line(line().each_row);
    explain_line(line().each_column);
    explain_line(line().test);
    if (added > 0) explain_line(line().set);
}

int at_start[most_cells];
int before_pass[most_cells];
int set_by[most_cells];  // the pass that made each cell a 1, or -1 when none did
int added[most_closure_vertices];
int walk_reached[most_closure_vertices];  // other vertices each walk entered
int walk_marked[most_cells];              // row s: the vertices the walk from s marked
std::string pass_words[most_closure_vertices];  // an all-in-one show's passes, said together at the end

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

// How a pair was known to be connected before pass k: by a path whose stops in between are all
// below k, which is what the matrix says before the pass.
void known_by(char* text, int size, int k) {
    if (k == 0)
        std::snprintf(text, size, "by an edge");
    else if (k == 1)
        std::snprintf(text, size, "by an edge or a path through 0");
    else if (k == 2)
        std::snprintf(text, size, "by a path stopping only at 0 or 1");
    else
        std::snprintf(text, size, "by a path stopping only at vertices 0 to %d", k - 1);
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

// One of `count` candidates, drawn from the show's seeded numbers so that --seed asks the same again.
int drawn(const int* candidates, int count) { return candidates[random_number() % count]; }

// One of the candidate cells outside the rows `avoided` (-1 stands for none) if any is, else any of
// them; -1 when there is none at all. A sheet that asks about several rows teaches more.
int drawn_cell(const int* cells, int count, int avoided_a, int avoided_b) {
    int elsewhere[most_cells], found = 0;
    for (int c = 0; c < count; c++)
        if (cells[c] / n != avoided_a && cells[c] / n != avoided_b) elsewhere[found++] = cells[c];
    if (found > 0) return drawn(elsewhere, found);
    return count > 0 ? drawn(cells, count) : -1;
}

// The row of cell c, or -1 for no cell.
int row_of(int c) { return c < 0 ? -1 : c / n; }

// Whether cell c, 0 at the start, is 1 in the closure: the question and its answer.
void ask_whether_reaches(int c) {
    const int i = c / n, j = c % n;
    ask(AnswerKind::yes_no, "Row %d, column %d of the matrix is 0: there is no edge %d->%d. Will it be 1 after the "
                            "last pass, that is, does vertex %d reach vertex %d?", i, j, i, j, i, j);
    if (set_by[c] >= 0) {
        char path[6 * most_closure_vertices];
        name_path(path, sizeof path, i, j, set_by[c]);
        answer(answers::yes, "Yes: %d reaches %d along %s, whose highest stop on the way is %d, so pass %d sets row "
                             "%d, column %d to 1.", i, j, path, set_by[c], set_by[c], i, j);
        return;
    }
    char reached[6 * most_closure_vertices] = "";
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

// Which pass first sets cell c: the lowest k for which a path from i to j stops only at vertices
// up to k.
void ask_which_pass_sets(int c) {
    const int i = c / n, j = c % n, k = set_by[c];
    ask(AnswerKind::number, "Row %d, column %d is 0 at the start and 1 in the closure: %d reaches %d. Which pass is "
                            "the first to set it to 1?", i, j, i, j);
    char path[6 * most_closure_vertices];
    name_path(path, sizeof path, i, j, k);
    if (k == 0)
        answer(k, "Pass 0: %d reaches %d along %s, which stops only at 0, and pass 0 is the first pass.", i, j, path);
    else
        answer(k, "Pass %d: %d reaches %d along %s, whose highest stop on the way is %d, and no path from %d to %d "
                  "stops only at vertices below %d, so no earlier pass can set row %d, column %d.",
               k, i, j, path, k, i, j, k, i, j);
}

// Row i of the closure as a row to fill: a 1 for i itself and for each vertex i reaches.
void ask_closure_row(int i) {
    char title[16];
    std::snprintf(title, sizeof title, "row %d", i);
    ask_table(title, "column", 0, n, "Fill in row %d of the closure, the matrix after the last pass: 1 in each "
                                     "column j that %d reaches, and in its own column, 0 elsewhere.", i, i);
    int row[most_closure_vertices], reached = 0, missed = 0;
    for (int j = 0; j < n; j++) {
        row[j] = cell(closure, i, j);
        if (j != i) (row[j] ? reached : missed)++;
    }
    char paths[most_closure_vertices * 40] = "", unreached[6 * most_closure_vertices] = "";
    for (int j = 0, named = 0, used = 0; j < n; j++) {
        if (j == i || !row[j]) continue;
        char path[6 * most_closure_vertices], item[8 * most_closure_vertices];
        name_path(path, sizeof path, i, j, n - 1);
        std::snprintf(item, sizeof item, "%d (%s)", j, path);
        used = join_words(paths, sizeof paths, used, named++, reached, item);
    }
    for (int j = 0, named = 0, used = 0; j < n; j++)
        if (j != i && !row[j]) used = join_words(unreached, sizeof unreached, used, named++, missed, j);
    if (reached == 0)
        answer_table(row, n, "Row %d is 1 only in its own column: no edge leaves %d, so it reaches no other vertex.",
                     i, i);
    else if (missed == 0)
        answer_table(row, n, "Row %d is all 1s: %d reaches every other vertex, %s.", i, i, paths);
    else
        answer_table(row, n, "Row %d has a 1 in its own column and at each vertex %d reaches: %s. It is 0 at %s, "
                             "where no path from %d leads.", i, i, paths, unreached, i);
}

// How many 1s the closure holds, counted row by row.
void ask_closure_ones() {
    ask(AnswerKind::number, "How many 1s will the closure have, the matrix after the last pass, the diagonal "
                            "included?");
    char rows[8 * most_closure_vertices] = "", pairs[most_pairs_text] = "";
    for (int i = 0, used = 0; i < n; i++) {
        int ones = 0;
        for (int j = 0; j < n; j++) ones += cell(closure, i, j);
        used += std::snprintf(rows + used, sizeof rows - used, "%s%d", i == 0 ? "" : " + ", ones);
    }
    const int total = ones_in(closure), start = ones_in(at_start);
    name_pairs(pairs, sizeof pairs, closure, at_start);
    if (total == start)
        answer(total, "%d: row by row %s, a 1 in each row's own column and one for each vertex it reaches; no pass "
                      "adds any, so they are the %d of the start.", total, rows, start);
    else
        answer(total, "%d: row by row %s, a 1 in each row's own column and one for each vertex it reaches; the %d "
                      "of the start and %d new (%s).", total, rows, start, total - start, pairs);
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

// Which vertices pass k joins: "vertices 1 and 5 reach 2 and 2 reaches 3 and 6 (by a path ...)",
// from the matrix as the pass found it; `pairs_made` is how many pairs i->j (i != j, neither k)
// that gives.
void who_meets_at(char* text, int size, int k, int& pairs_made) {
    char reaching[6 * most_closure_vertices], reached[6 * most_closure_vertices], how[80];
    const int in = name_neighbours(reaching, sizeof reaching, k, false);
    name_neighbours(reached, sizeof reached, k, true);
    known_by(how, sizeof how, k);
    pairs_made = 0;
    for (int i = 0; i < n; i++)
        for (int j = 0; j < n; j++)
            pairs_made += i != k && j != k && i != j && cell(before_pass, i, k) && cell(before_pass, k, j);
    std::snprintf(text, size, "%s %s reach%s %d and %d reaches %s (%s)", in == 1 ? "vertex" : "vertices", reaching,
                  in == 1 ? "es" : "", k, k, reached, how);
}

// Why a pass through k found nothing new, from the matrix as the pass found it.
void why_nothing(char* text, int size, int k) {
    bool reached = false, reaches = false;
    for (int v = 0; v < n; v++) {
        if (v == k) continue;
        if (cell(before_pass, v, k)) reached = true;
        if (cell(before_pass, k, v)) reaches = true;
    }
    char how[80];
    known_by(how, sizeof how, k);
    if (!reached && !reaches)
        std::snprintf(text, size, "no other vertex reaches %d and %d reaches no other", k, k);
    else if (!reached)
        std::snprintf(text, size, "no other vertex reaches %d %s", k, how);
    else if (!reaches)
        std::snprintf(text, size, "%d reaches no other vertex %s", k, how);
    else {
        char who[400];
        int pairs_made = 0;
        who_meets_at(who, sizeof who, k, pairs_made);
        std::snprintf(text, size, "%s, and every pair they make was 1 already", who);
    }
}

// Which of the pairs that pass k makes it set: "all 4 pairs they make", or only those still 0.
void pairs_set(char* text, int size, int added, int pairs_made) {
    if (pairs_made == 1)
        std::snprintf(text, size, "the one pair they make");
    else if (added == pairs_made)
        std::snprintf(text, size, added == 2 ? "both pairs they make" : "all %d pairs they make", added);
    else if (added == 1)
        std::snprintf(text, size, "the one of the %d pairs they make that was still 0", pairs_made);
    else
        std::snprintf(text, size, "the %d of the %d pairs they make that were still 0", added, pairs_made);
}

// Why pass k adds what it adds, from the matrix as the pass found it; the pairs are named when they
// are few enough to read in a line.
void why_added(char* text, int size, int k, int added, const char* pairs) {
    if (added == 0) {
        char why[480];
        why_nothing(why, sizeof why, k);
        std::snprintf(text, size, "Pass %d adds 0 new 1s, because %s.", k, why);
        return;
    }
    char who[400], which[80], listed[most_pairs_text + 4] = "";
    int pairs_made = 0;
    who_meets_at(who, sizeof who, k, pairs_made);
    pairs_set(which, sizeof which, added, pairs_made);
    constexpr int most_listed = 8;
    if (added <= most_listed) std::snprintf(listed, sizeof listed, " (%s)", pairs);
    std::snprintf(text, size, "Pass %d adds %d new 1%s: %s, so it sets %s%s.", k, added, added == 1 ? "" : "s", who,
                  which, listed);
}

constexpr int most_reason_text = most_pairs_text + 600;
std::string added_reasons[most_closure_vertices];  // an all-in-one show asks about a pass after all of them

void ask_how_many_added(int k, int added, const char* reason) {
    ask(AnswerKind::number, "How many new 1s will pass %d, through vertex %d, add to the matrix?", k, k);
    answer(added, "%s", reason);
}

// The questions of an all-in-one show, put before the picture of all the passes and answered from
// the digraph and its matrix on screen: whether two cells become 1 (one does, one does not, in an
// order drawn), which pass first sets a third, a row of the closure, what one pass adds and how many
// 1s there are in all. The cells and rows are drawn from the show's seeded numbers.
void ask_closure_questions() {
    int becomes_one[most_cells], stays_zero[most_cells], near_miss[most_cells];
    int ones = 0, zeros = 0, near = 0;
    bool leaves[most_closure_vertices] = {}, entered[most_closure_vertices] = {};
    for (int i = 0; i < n; i++)
        for (int j = 0; j < n; j++)
            if (i != j && cell(at_start, i, j)) leaves[i] = entered[j] = true;
    for (int c = 0; c < n * n; c++) {
        if (at_start[c] == 1) continue;
        if (set_by[c] >= 0) {
            becomes_one[ones++] = c;
        } else {
            stays_zero[zeros++] = c;
            // A no is worth asking where an edge leaves i and one enters j, so that a path seems possible.
            if (leaves[c / n] && entered[c % n]) near_miss[near++] = c;
        }
    }
    const int yes_cell = drawn_cell(becomes_one, ones, -1, -1);
    const int no_cell = near > 0 ? drawn_cell(near_miss, near, row_of(yes_cell), -1) : drawn_cell(stays_zero, zeros, -1, -1);
    const bool yes_first = random_number() % 2 == 0;
    for (int c : {yes_first ? yes_cell : no_cell, yes_first ? no_cell : yes_cell})
        if (c >= 0) ask_whether_reaches(c);

    int others[most_cells], other_count = 0;
    for (int c = 0; c < ones; c++)
        if (becomes_one[c] != yes_cell) others[other_count++] = becomes_one[c];
    const int pass_cell = drawn_cell(others, other_count, row_of(yes_cell), -1);
    if (pass_cell >= 0) ask_which_pass_sets(pass_cell);

    int changed_rows[most_closure_vertices], changed = 0;
    for (int i = 0; i < n; i++) {
        bool grew = false;
        for (int j = 0; j < n; j++) grew = grew || set_by[i * n + j] >= 0;
        if (grew) changed_rows[changed++] = i * n;  // as a cell of column 0, for drawn_cell
    }
    int all_rows[most_closure_vertices];
    for (int i = 0; i < n; i++) all_rows[i] = i * n;
    const int row_cell = changed > 0 ? drawn_cell(changed_rows, changed, row_of(yes_cell), row_of(pass_cell))
                                     : drawn_cell(all_rows, n, -1, -1);
    ask_closure_row(row_cell / n);

    int adding[most_closure_vertices], adding_count = 0;
    for (int k = 0; k < n; k++)
        if (added[k] > 0) adding[adding_count++] = k;
    int passes[most_closure_vertices];
    for (int k = 0; k < n; k++) passes[k] = k;
    const int k = adding_count > 0 ? drawn(adding, adding_count) : drawn(passes, n);
    ask_how_many_added(k, added[k], added_reasons[k].c_str());

    ask_closure_ones();
}

// "stops only at vertices among 0 to k", the invariant after pass k in words.
void stops_up_to(char* text, int size, int k) {
    if (k == 0)
        std::snprintf(text, size, "stops, if anywhere, only at vertex 0");
    else if (k == 1)
        std::snprintf(text, size, "stops only at 0 or 1");
    else
        std::snprintf(text, size, "stops only at vertices among 0 to %d", k);
}

// A one-per-step show asks before some of its passes: whether the pass sets two cells (one it sets,
// one it leaves 0, in an order drawn), a row after the pass, and what three passes add. Which passes
// is drawn once the matrix is shown; a question of cells or rows waits for a pass that adds a 1.
constexpr int passes_counted = 3;
bool pass_counted[most_closure_vertices];
int pair_from, row_from;  // the first passes that may ask about two cells, about a row
bool pair_asked, row_asked;
int counted[most_closure_vertices];  // the answers of the passes counted so far
int counts_asked;
int pair_row = -1;

void plan_pass_questions() {
    for (bool& counted : pass_counted) counted = false;
    for (int chosen = 0; chosen < passes_counted && chosen < n;) {
        const int k = random_number() % n;
        if (pass_counted[k]) continue;
        pass_counted[k] = true;
        chosen++;
    }
    pair_from = random_number() % (n / 3 + 1);
    row_from = random_number() % (n / 3 + 1);
    pair_asked = row_asked = false;
    counts_asked = 0;
    pair_row = -1;
}

// Whether pass k sets cell c, 0 before it: it does exactly when i reaches k and k reaches j.
void ask_whether_pass_sets(int k, int c) {
    const int i = c / n, j = c % n;
    ask(AnswerKind::yes_no, "Row %d, column %d is 0 now. Will pass %d, through vertex %d, set it to 1?", i, j, k, k);
    const bool to_k = cell(before_pass, i, k) == 1, from_k = cell(before_pass, k, j) == 1;
    if (to_k && from_k)
        answer(answers::yes, "Yes: row %d, column %d is 1 (%d reaches %d) and row %d, column %d is 1 (%d reaches %d), "
                             "so pass %d sets row %d, column %d to 1.", i, k, i, k, k, j, k, j, k, i, j);
    else if (to_k)
        answer(answers::no, "No: row %d, column %d is 1, so %d reaches %d, but row %d, column %d is 0: %d is not "
                            "known to reach %d, so pass %d leaves row %d, column %d at 0.", i, k, i, k, k, j, k, j, k,
               i, j);
    else if (from_k)
        answer(answers::no, "No: row %d, column %d is 1, so %d reaches %d, but row %d, column %d is 0: %d is not "
                            "known to reach %d, so pass %d leaves row %d, column %d at 0.", k, j, k, j, i, k, i, k, k,
               i, j);
    else
        answer(answers::no, "No: row %d, column %d and row %d, column %d are both 0, so pass %d, which needs both, "
                            "leaves row %d, column %d at 0.", i, k, k, j, k, i, j);
}

void ask_pass_pair(int k) {
    int set[most_cells], left[most_cells], near_miss[most_cells];
    int set_count = 0, left_count = 0, near = 0;
    for (int c = 0; c < n * n; c++) {
        // Row k and column k never change in pass k: nothing to ask there.
        if (before_pass[c] == 1 || c / n == k || c % n == k) continue;
        if (closure[c] == 1) {
            set[set_count++] = c;
        } else {
            left[left_count++] = c;
            // A no is worth asking where half of what the pass needs is there.
            if (cell(before_pass, c / n, k) || cell(before_pass, k, c % n)) near_miss[near++] = c;
        }
    }
    const int yes_cell = drawn_cell(set, set_count, -1, -1);
    const int no_cell = near > 0 ? drawn_cell(near_miss, near, -1, -1) : drawn_cell(left, left_count, -1, -1);
    if (yes_cell < 0 || no_cell < 0) return;
    pair_asked = true;
    pair_row = yes_cell / n;
    const bool yes_first = random_number() % 2 == 0;
    ask_whether_pass_sets(k, yes_first ? yes_cell : no_cell);
    ask_whether_pass_sets(k, yes_first ? no_cell : yes_cell);
}

// A row that pass k changes, as it will be after the pass: row i takes every 1 of row k, since
// row i, column k is 1.
void ask_row_after_pass(int k) {
    int grown[most_closure_vertices], grown_count = 0;
    for (int i = 0; i < n; i++) {
        bool grew = false;
        for (int j = 0; j < n; j++) grew = grew || (cell(before_pass, i, j) == 0 && cell(closure, i, j) == 1);
        if (grew) grown[grown_count++] = i * n;  // as a cell of column 0, for drawn_cell
    }
    const int i = row_of(drawn_cell(grown, grown_count, pair_row, -1));
    if (i < 0) return;
    row_asked = true;
    char title[16];
    std::snprintf(title, sizeof title, "row %d", i);
    ask_table(title, "column", 0, n, "Fill in row %d as it will be after pass %d, through vertex %d.", i, k, k);
    int row[most_closure_vertices], gained = 0, in_k = 0;
    for (int j = 0; j < n; j++) {
        row[j] = cell(closure, i, j);
        gained += row[j] && !cell(before_pass, i, j);
        in_k += j != k && cell(before_pass, k, j);
    }
    char of_k[6 * most_closure_vertices] = "", new_ones[6 * most_closure_vertices] = "";
    for (int j = 0, named = 0, used = 0; j < n; j++)
        if (j != k && cell(before_pass, k, j)) used = join_words(of_k, sizeof of_k, used, named++, in_k, j);
    for (int j = 0, named = 0, used = 0; j < n; j++)
        if (row[j] && !cell(before_pass, i, j)) used = join_words(new_ones, sizeof new_ones, used, named++, gained, j);
    answer_table(row, n, "Row %d, column %d is 1 (%d reaches %d), so pass %d puts a 1 in row %d wherever row %d has "
                         "one: row %d has %s %s besides its own, so row %d gains %s %s and keeps the 1s it had.",
                 i, k, i, k, k, i, k, k, in_k == 1 ? "a 1 in column" : "1s in columns", of_k, i,
                 gained == 1 ? "a 1 in column" : "1s in columns", new_ones);
}

void ask_pass_questions(int k, int added, const char* pairs) {
    if (!pair_asked && k >= pair_from && added > 0) ask_pass_pair(k);
    if (!row_asked && k >= row_from && added > 0) ask_row_after_pass(k);
    // A count that an earlier question of the sheet already had moves to the next pass, so that one
    // number typed to every question does not carry the sheet.
    if (!pass_counted[k]) return;
    bool repeated = false;
    for (int q = 0; q < counts_asked; q++) repeated = repeated || counted[q] == added;
    if (repeated && k + 1 < n && !pass_counted[k + 1]) {
        pass_counted[k + 1] = true;
        return;
    }
    counted[counts_asked++] = added;
    char reason[most_reason_text];
    why_added(reason, sizeof reason, k, added, pairs);
    ask_how_many_added(k, added, reason);
}

// A one-per-step pass, said as it is shown.
void say_pass_shown(int k, int added, const char* pairs) {
    if (added == 0) {
        char why[480];
        why_nothing(why, sizeof why, k);
        explain("After pass %d, through vertex %d, the matrix is unchanged.", k, k);
        explain("The pass sets cell (i, j) wherever i reaches %d and %d reaches j, and here it sets nothing, "
                "because %s.", k, k, why);
    } else {
        char who[400], which[80];
        int pairs_made = 0;
        who_meets_at(who, sizeof who, k, pairs_made);
        pairs_set(which, sizeof which, added, pairs_made);
        explain("After pass %d, through vertex %d, the matrix has %d new 1%s: %s.", k, k, added, added == 1 ? "" : "s",
                pairs);
        explain("The pass sets cell (i, j) wherever i reaches %d and %d reaches j: %s, so it set %s.", k, k, who,
                which);
    }
    if (k == n - 1) {
        explain("Every vertex may now be a stop on the way, so the matrix is the transitive closure.");
    } else {
        char stops[60];
        stops_up_to(stops, sizeof stops, k);
        explain("Now cell (i, j) is 1 exactly when some path from i to j %s.", stops);
    }
    name_pass_lines(added);
    ask_pass_questions(k, added, pairs);
    explain_matrix("reachability matrix after this pass (new 1s marked)", closure, n, before_pass);
    explain_count("new 1s in this pass", added);
    explain_count("1s in the matrix", ones_in(closure));
}

// An all-in-one pass, kept for the words of the last picture.
void keep_pass(int k, int added, const char* pairs) {
    char reason[most_reason_text];
    why_added(reason, sizeof reason, k, added, pairs);
    added_reasons[k] = reason;
    char text[most_pairs_text + 600];
    if (added == 0) {
        char why[480];
        why_nothing(why, sizeof why, k);
        std::snprintf(text, sizeof text, "Pass %d, through vertex %d, adds nothing, because %s.", k, k, why);
    } else {
        char who[400], which[80];
        int pairs_made = 0;
        who_meets_at(who, sizeof who, k, pairs_made);
        pairs_set(which, sizeof which, added, pairs_made);
        std::snprintf(text, sizeof text, "Pass %d, through vertex %d, adds %d new 1%s: %s, so it sets %s (%s).", k, k,
                      added, added == 1 ? "" : "s", who, which, pairs);
    }
    pass_words[k] = text;
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

void start_closure_words(const int* digraph, const int* matrix, int vertices, int matrix_row_length, int columns,
                         PassView pass_view) {
    program_adjacency = digraph;
    program_closure = matrix;
    row_length = matrix_row_length;
    n = vertices < most_closure_vertices ? vertices : most_closure_vertices;
    grid_columns = columns;
    placed_by_file = false;
    view = pass_view;
    for (std::string& words : pass_words) words.clear();
    read_matrices();
}

void say_closure_digraph_in_use(const int* x, const int* y) {
    int degree[most_closure_vertices] = {};
    int rows[most_closure_vertices][most_closure_vertices] = {};
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (i != j && program_adjacency[i * row_length + j] == 1) rows[i][degree[i]++] = j;
    say_graph_in_use(n, x, y, degree, rows[0], most_closure_vertices, true);
}

void closure_digraph_from_file(bool placed) {
    grid_columns = 0;
    placed_by_file = placed;
}

void give_closure_legend() {
    char places[80], entry[200];
    vertex_places(places, sizeof places);
    std::snprintf(entry, sizeof entry, "small black dot with its number: a vertex; the vertices stand %s", places);
    if (view == PassView::all_in_one_picture) {
        legend(entry);
        legend("red arrow in the top drawing: an edge of the digraph, from the vertex at its tail to the vertex its head points at");
        // Eight passes end beside the last small drawing; a count of them that fills its row of three
        // puts the matrix in the row below.
        legend(users_digraph()
                   ? "matrix of 0s and 1s: row i, column j is 1 when vertex i reaches vertex j; the first one is the digraph's, the one after the last small drawing the closure's"
                   : "matrix of 0s and 1s: row i, column j is 1 when vertex i reaches vertex j; the first one is the digraph's, the one at the bottom right the closure's");
        legend("small blue drawing with number k above it: the closure after pass k, with an arrow i->j for every pair found so far");
        legend_line("red arrows in the last small drawing (pass %d): the finished transitive closure", n - 1, 0);
        return;
    }
    legend(entry);
    legend("red arrow: an edge of the digraph, from the vertex at its tail to the vertex its head points at");
    legend("red ring round a number (first picture): the start vertex of that small copy's walk");
    legend("thick red line with red dots at its ends (first picture): an edge along which the depth-first walk first reached a vertex");
    legend("number at the top, right of the digraph: the pass of Warshall's closure just done");
    legend("matrix of 0s and 1s: row i, column j is 1 when vertex i is known to reach vertex j");
    legend("black arrows below the digraph (last picture): the transitive closure, an arrow i->j for every vertex j that i reaches");
}

void give_closure_method() {
    read_matrices();
    char edges[most_pairs_text] = "";
    const int edge_count = name_pairs(edges, sizeof edges, adjacency, nullptr);
    const int last = n - 1, cells = n * n * n;
    const char* const matrix_rule =
        "keeps a matrix in which cell (i, j), row i and column j, is 1 once i is known to reach j: it starts as the "
        "digraph's own matrix, with a 1 for each edge and on the diagonal";
    const char* const why_kept =
        "Pass k keeps this true because a path that stops at k, taken without repeating a vertex, splits at k into "
        "a path from i to k and one from k to j whose stops are all below k, and the matrix knew both before the "
        "pass; row k and column k do not change during pass k, so the pass can work in place.";
    char text[2400];
    if (view == PassView::all_in_one_picture)
        std::snprintf(text, sizeof text,
                      "Warshall's algorithm finds which vertices each vertex reaches, following edges in their "
                      "direction, here on a digraph of %d vertices and %d edge%s. It %s, and pass k, for k from 0 "
                      "to %d, sets cell (i, j) to 1 wherever cells (i, k) and (k, j) are 1, that is wherever i "
                      "reaches k and k reaches j. What stays true: after pass k, cell (i, j) is 1 exactly when "
                      "there is a path from i to j whose vertices in between are all among 0 to k, a path that "
                      "stops only at vertices up to k. %s After the last pass, pass %d, a path may stop at any "
                      "vertex, so cell (i, j) is 1 exactly when i reaches j at all: the matrix is the transitive "
                      "closure. The cost is %d passes over %d x %d cells, %d^3 = %d checks, however many edges "
                      "there are.",
                      n, edge_count, edge_count == 1 ? "" : "s", matrix_rule, last, why_kept, last, n, n, n, n, cells);
    else
        std::snprintf(text, sizeof text,
                      "This show finds which vertices each vertex reaches, following edges in their direction, "
                      "twice over on one digraph of %d vertices and %d edge%s. First a depth-first walk from each "
                      "start s marks s and, from every vertex it marks, tries the edges to 0, 1, 2 and so on in "
                      "turn, walking on along each edge to an unmarked vertex; it ends only when every edge out of "
                      "a marked vertex leads to a marked one, so the marked vertices are exactly those s reaches. "
                      "Then Warshall's algorithm %s, and pass k, for k from 0 to %d, sets cell (i, j) to 1 "
                      "wherever cells (i, k) and (k, j) are 1, that is wherever i reaches k and k reaches j. What "
                      "stays true: after pass k, cell (i, j) is 1 exactly when there is a path from i to j whose "
                      "vertices in between are all among 0 to k, a path that stops only at vertices up to k. %s "
                      "After the last pass, pass %d, a path may stop at any vertex, so cell (i, j) is 1 exactly "
                      "when i reaches j at all: the matrix is the transitive closure, and row s must agree with the "
                      "walk from s. Each walk reads one row of %d cells for each vertex it marks, so the %d walks "
                      "cost at most %d^3 = %d checks, and the %d passes over %d x %d cells cost %d^3 = %d, however "
                      "many edges there are.",
                      n, edge_count, edge_count == 1 ? "" : "s", matrix_rule, last, why_kept, last, n, n, n, cells, n, n, n, n,
                      cells);
    how_it_works(text);

    char build[100], each_start[80], walk_edges[100], each_pass[40], each_row[40], each_column[40];
    if (users_digraph())
        std::snprintf(build, sizeof build, "take the digraph of the graph file, an edge i->j for each arc line");
    else
        std::snprintf(build, sizeof build, "build the digraph on the %d x %d grid, edge directions drawn at random",
                      (n + grid_columns - 1) / grid_columns, grid_columns);
    std::snprintf(each_start, sizeof each_start, "for s = 0 to %d: unmark every vertex; walk(s)", last);
    std::snprintf(walk_edges, sizeof walk_edges, "  for j = 0 to %d: if v->j is an edge and j is unmarked: walk(j)",
                  last);
    std::snprintf(each_pass, sizeof each_pass, "for k = 0 to %d:", last);
    std::snprintf(each_row, sizeof each_row, "  for i = 0 to %d:", last);
    std::snprintf(each_column, sizeof each_column, "    for j = 0 to %d:", last);
    const char* const start_matrix = "reach = the digraph's matrix, with 1s on the diagonal";
    const char* const test = "      if reach[i][j] = 0 and reach[i][k] = 1 and reach[k][j] = 1:";
    const char* const set = "        reach[i][j] = 1";
    if (view == PassView::all_in_one_picture)
        algorithm_lines({build, start_matrix, each_pass, each_row, each_column, test, set,
                         "reach is the transitive closure"});
    else
        algorithm_lines({build, each_start, "walk(v): mark v", walk_edges, start_matrix, each_pass, each_row,
                         each_column, test, set, "reach is the transitive closure: an arrow i->j for each 1 off the diagonal"});
}

void said_walk_done(int start, const int* visited) {
    walk_reached[start] = -1;
    for (int v = 0; v < n; v++) {
        walk_reached[start] += visited[v];
        walk_marked[start * n + v] = visited[v];
    }
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
    read_matrices();
    char edges[most_pairs_text] = "";
    const int edge_count = name_pairs(edges, sizeof edges, adjacency, nullptr);
    int most = 0, fewest = 0;
    for (int s = 1; s < n; s++) {
        if (walk_reached[s] > walk_reached[most]) most = s;
        if (walk_reached[s] < walk_reached[fewest]) fewest = s;
    }
    char most_names[80], fewest_names[80];
    const int tied_most = name_starts_reaching(walk_reached[most], most_names, sizeof most_names);
    const int tied_fewest = name_starts_reaching(walk_reached[fewest], fewest_names, sizeof fewest_names);
    explain("%s copies of %s digraph of %d vertices and %d edge%s: %s. In each copy a depth-first "
            "walk starts from the ringed vertex and follows edges in their direction, from each vertex trying "
            "the edges to 0, 1, 2 and so on in turn; the thick red lines are the edges by which it first entered "
            "each vertex, so the red vertices are exactly those the start reaches. %s %s reach%s the most (%d "
            "other%s); %s %s reach%s the fewest (%d).",
            number_word[n], users_digraph() ? "the graph file's" : "a random", n, edge_count, edge_count == 1 ? "" : "s",
            edge_count == 0 ? "none at all" : edges, tied_most == 1 ? "Vertex" : "Vertices", most_names,
            tied_most == 1 ? "es" : "", walk_reached[most], walk_reached[most] == 1 ? "" : "s", tied_fewest == 1 ? "vertex" : "vertices", fewest_names,
            tied_fewest == 1 ? "es" : "", walk_reached[fewest]);
    explain_line(line().digraph);
    explain_line(line().each_start);
    explain_line(line().walk_mark);
    explain_line(line().walk_edges);
    explain_table("how many other vertices the walk from each vertex reaches", "start", "reaches", walk_reached, n,
                  -1);
}

void say_digraph() {
    read_matrices();
    char edges[most_pairs_text] = "";
    const int edge_count = name_pairs(edges, sizeof edges, adjacency, nullptr);
    if (users_digraph())
        explain("This is the digraph of the graph file, %d vertices and %d edge%s: %s. Warshall's algorithm will find "
                "which vertices each vertex can reach, following edges in their direction.",
                n, edge_count, edge_count == 1 ? "" : "s", edge_count == 0 ? "none at all" : edges);
    else
        explain("This is a random digraph of %d vertices and %d edges, one along each side of the %d x %d grid: "
                "%s. Warshall's algorithm will find which vertices each vertex can reach, following edges in "
                "their direction.",
                n, edge_count, (n + grid_columns - 1) / grid_columns, grid_columns, edges);
    explain_line(line().digraph);
    explain_count("edges", edge_count);
}

void say_matrix_at_start() {
    read_matrices();
    for (int c = 0; c < n * n; c++) {
        at_start[c] = closure[c];
        set_by[c] = -1;
    }
    if (view == PassView::one_per_step) plan_pass_questions();
    if (view == PassView::all_in_one_picture)
        explain("The reachability matrix, beside the digraph, starts as the digraph itself: cell (i, j), row i and "
                "column j, is 1 when there is an edge i->j, and the diagonal is 1 because every vertex reaches "
                "itself. That makes %d 1s. Each pass k of Warshall's closure will then let vertex k be a stop on "
                "the way.",
                ones_in(closure));
    else
        explain("The digraph alone, with its reachability matrix beside it: Warshall's closure will now find the "
                "same reachability as the walks, one pass per step. The matrix starts as the digraph: cell (i, j), "
                "row i and column j, is 1 when there is an edge i->j, and the diagonal is 1 because every vertex "
                "reaches itself; that makes %d 1s. Pass k will let vertex k be a stop on the way.",
                ones_in(closure));
    explain_line(line().start_matrix);
    explain_matrix("reachability matrix at the start", closure, n, nullptr);
}

void said_pass_starts() {
    read_matrices();
    for (int c = 0; c < n * n; c++) before_pass[c] = closure[c];
}

void say_pass_done(int k) {
    read_matrices();
    for (int c = 0; c < n * n; c++)
        if (before_pass[c] == 0 && closure[c] == 1) set_by[c] = k;
    char pairs[most_pairs_text] = "";
    added[k] = name_pairs(pairs, sizeof pairs, closure, before_pass);
    if (view == PassView::one_per_step)
        say_pass_shown(k, added[k], pairs);
    else
        keep_pass(k, added[k], pairs);
}

void say_closure() {
    read_matrices();
    const int total_added = ones_in(closure) - ones_in(at_start);
    if (view == PassView::one_per_step) {
        int agree = 0;  // rows whose 1s are exactly what the walk from that row's vertex marked
        for (int i = 0; i < n; i++) {
            bool same = true;
            for (int j = 0; j < n; j++) same = same && cell(closure, i, j) == walk_marked[i * n + j];
            agree += same;
        }
        explain("Below the digraph, the transitive closure drawn in black: an arrow i->j for each of the %d pairs "
                "in which i reaches another vertex j.",
                ones_in(closure) - n);
        explain("After all %d passes a path may stop at any vertex, so the matrix is the closure: %d 1s, %d more "
                "than the digraph had.",
                n, ones_in(closure), total_added);
        if (agree == n)
            explain("Row by row it agrees with the walks of the first picture: the 1s of row s are exactly the "
                    "vertices the walk from s marked.");
        else
            explain("Yet only %d of its %d rows agree with the walks of the first picture.", agree, n);
        explain_line(line().closure);
        explain_matrix("the closure (changes since the start marked)", closure, n, at_start);
        explain_reach_table();
        return;
    }
    ask_closure_questions();
    explain("The closure after each of the %d passes, drawn small under its pass number, the last in red, with the "
            "finished matrix %s.",
            n, users_digraph() ? "after the last small drawing" : "at the bottom right");
    explain("Pass k goes through vertex k: it sets cell (i, j) wherever i reaches k and k reaches j, so after pass k "
            "cell (i, j) is 1 exactly when some path from i to j stops only at vertices among 0 to k.");
    for (int k = 0; k < n; k++) explain("%s", pass_words[k].c_str());
    explain("In all, the %d passes added %d new 1s, and the closure has %d 1s: with every vertex allowed as a stop, "
            "it says for every pair whether the first vertex can reach the second.",
            n, total_added, ones_in(closure));
    name_pass_lines(total_added);
    explain_line(line().closure);
    explain_matrix("reachability matrix after the last pass (changes since the start marked)", closure, n, at_start);
    char title[60];
    std::snprintf(title, sizeof title, "new 1s added by passes 0 to %d", n - 1);
    explain_list(title, added, n);
    explain_reach_table();
}
