// The words of strongcomp, built from the passes' own state, never from the picture.
#include "strongcomp_words.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "kit.h"
#include "two_passes.h"

namespace {

// The lines of algorithm_lines, by name, for explain_line.
namespace line {
constexpr int start = 1;
constexpr int first_loop = 2;
constexpr int first_start = 3;
constexpr int reverse = 4;
constexpr int clear_marks = 5;
constexpr int second_loop = 6;
constexpr int second_start = 7;
constexpr int result = 8;
constexpr int first_mark = 9;
constexpr int first_try = 10;
constexpr int first_finish = 11;
constexpr int second_mark = 12;
constexpr int second_try = 13;
}  // namespace line

constexpr const char* lists_title = "Out-lists, in the order the first pass tries them";
constexpr const char* reversed_lists_title = "Out-lists of the reversed digraph, in the order the second pass tries them";

std::string first_trees;   // the first pass's trees, as said with its picture
std::string second_trees;  // the second pass's trees, one component each
int first_parent[most_vertices];  // the first pass's tree, kept once the second pass reuses tree_parent
int discovery_order[most_vertices];
int discovered;
bool placed[most_vertices];  // named by its place in the reversed picture already
int last_start_index = -1;  // position in finish_order of the second pass's latest start

const char* const colour_name[] = {"black", "red", "green", "blue", "yellow", "grey"};
const char* const ordinal[most_vertices] = {"first", "second", "third",   "fourth", "fifth",
                                            "sixth", "seventh", "eighth", "ninth",  "tenth"};

std::string arc_text(int from, int to) { return std::to_string(from) + "->" + std::to_string(to); }

// "1, 3" for the entries of a list, "empty" for an empty one.
std::string list_text(const int* row, int size) {
    std::string text;
    for (int j = 0; j < size; ++j) text += (j == 0 ? "" : ", ") + std::to_string(row[j]);
    return size == 0 ? "empty" : text;
}

// "0, 4 and 1": the vertices joined as a student reads them.
std::string joined(const int* vertices, int count) {
    char text[12 * most_vertices];
    int used = 0;
    text[0] = '\0';
    for (int i = 0; i < count; ++i) used = join_words(text, sizeof text, used, i, count, vertices[i]);
    return text;
}

bool lists_by_number(const int (*lists)[most_vertices], const int* sizes) {
    for (int v = 0; v < vertices_in_use; ++v)
        for (int j = 1; j < sizes[v]; ++j)
            if (lists[v][j] < lists[v][j - 1]) return false;
    return true;
}

// The vertex whose list is longest, to show the order on.
int longest_list(const int* sizes) {
    int widest = 0;
    for (int v = 1; v < vertices_in_use; ++v)
        if (sizes[v] > sizes[widest]) widest = v;
    return widest;
}

// The vertices entered below v, in the order the pass entered them along its tree edges.
void collect_tree_heads(int v, const int (*lists)[most_vertices], const int* sizes, int* heads, int& count) {
    for (int j = 0; j < sizes[v]; ++j) {
        const int w = lists[v][j];
        if (tree_parent[w] != v) continue;
        heads[count++] = w;
        collect_tree_heads(w, lists, sizes, heads, count);
    }
}

// The tree edges below v in the order the pass took them: a head whose tree parent is v was entered
// from v, and the lists are walked in the order the pass examined them.
void append_tree_edges(std::string& text, int v, const int (*lists)[most_vertices], const int* sizes) {
    for (int j = 0; j < sizes[v]; ++j) {
        const int w = lists[v][j];
        if (tree_parent[w] != v) continue;
        if (!text.empty()) text += ", ";
        text += arc_text(v, w);
        append_tree_edges(text, w, lists, sizes);
    }
}

// The first pass's events below a start, in the order they happened.
struct Events {
    int vertex[2 * most_vertices];
    bool finish[2 * most_vertices];
    int count;
};

// Replayed from the pass's tree: v is discovered, then each tree child in the order of v's list,
// then v finishes.
void replay_first_pass(int v, Events& events) {
    events.vertex[events.count] = v;
    events.finish[events.count++] = false;
    discovery_order[discovered++] = v;
    for (int j = 0; j < degree[v]; ++j)
        if (tree_parent[adjacency[v][j]] == v) replay_first_pass(adjacency[v][j], events);
    events.vertex[events.count] = v;
    events.finish[events.count++] = true;
}

// "discovers 2, 3, 6, 5 and finishes 5, 6, 3, 2", or with more runs "discovers 2, 3; finishes 3; ...".
std::string event_runs(const Events& events) {
    int runs = 0;
    for (int i = 0; i < events.count; ++i) runs += i == 0 || events.finish[i] != events.finish[i - 1];
    std::string text;
    int run = 0;
    for (int i = 0; i < events.count;) {
        int vertices[most_vertices], count = 0;
        const bool finish = events.finish[i];
        for (; i < events.count && events.finish[i] == finish; ++i) vertices[count++] = events.vertex[i];
        if (run > 0) text += runs == 2 ? " and " : "; ";
        text += (finish ? "finishes " : "discovers ") + joined(vertices, count);
        run += 1;
    }
    return text;
}

std::string vertex_set(const int* in_set) {
    std::string text;
    for (int v = 0; v < vertices_in_use; ++v)
        if (in_set[v]) text += (text.empty() ? "" : ", ") + std::to_string(v);
    return "{" + text + "}";
}

std::string vertex_set_of(const bool* in_set) {
    int members[most_vertices];
    for (int v = 0; v < vertices_in_use; ++v) members[v] = in_set[v];
    return vertex_set(members);
}

std::string component_set(int n) {
    int members[most_vertices];
    for (int v = 0; v < vertices_in_use; ++v) members[v] = component_of[v] == n;
    return vertex_set(members);
}

// Places less than this far apart up and down stand in one row of the picture, as a reader sees it.
constexpr int row_height = 20;

// The row of the picture v stands in, top first: the top row starts at the highest vertex, and each
// next row at the highest vertex more than row_height below the start of the row before.
int row_of(int v) {
    int row_top = vertex_y[0];
    for (int w = 1; w < vertices_in_use; ++w) row_top = std::min(row_top, vertex_y[w]);
    int row = 0;
    while (vertex_y[v] - row_top > row_height) {
        int next_top = vertex_y[v];
        for (int w = 0; w < vertices_in_use; ++w)
            if (vertex_y[w] - row_top > row_height) next_top = std::min(next_top, vertex_y[w]);
        row_top = next_top;
        row += 1;
    }
    return row;
}

int row_count() {
    int rows = 0;
    for (int v = 0; v < vertices_in_use; ++v) rows = std::max(rows, row_of(v) + 1);
    return rows;
}

int row_size(int row) {
    int size = 0;
    for (int v = 0; v < vertices_in_use; ++v) size += row_of(v) == row;
    return size;
}

// How many vertices of v's row stand to its left (one above another: the lower number first).
int column_of(int v) {
    int left = 0;
    for (int w = 0; w < vertices_in_use; ++w)
        left += row_of(w) == row_of(v) && (vertex_x[w] < vertex_x[v] || (vertex_x[w] == vertex_x[v] && w < v));
    return left;
}

std::string row_name(int row) {
    if (row_count() == 1) return "only row";
    if (row == 0) return "top row";
    if (row == row_count() - 1) return "bottom row";
    return "row " + std::to_string(row + 1) + " from the top";
}

// "the top row", but "row 2 from the top".
std::string the_row(int row) {
    const std::string name = row_name(row);
    return name.compare(0, 4, "row ") == 0 ? name : "the " + name;
}

// "0, 1, 2 and 3 along the top row and 4, 5, 6 and 7 along the bottom row".
std::string picture_rows() {
    std::string text;
    const int rows = row_count();
    for (int r = 0; r < rows; ++r) {
        int in_row[most_vertices], count = 0;
        for (int c = 0; c < vertices_in_use; ++c)
            for (int v = 0; v < vertices_in_use; ++v)
                if (row_of(v) == r && column_of(v) == c) in_row[count++] = v;
        if (r > 0) text += r == rows - 1 ? " and " : ", ";
        text += joined(in_row, count) + (count == 1 ? " in " : " along ") + the_row(r);
    }
    return text;
}

// Vertex v as said in the reversed picture, which has no numbers: its place the first time.
std::string placed_vertex(int v) {
    std::string text = std::to_string(v);
    const int row = row_of(v);
    if (!placed[v] && row_size(row) == 1)
        text += " (alone in " + the_row(row) + ")";
    else if (!placed[v])
        text += " (" + row_name(row) + ", " + ordinal[column_of(v)] + " from the left)";
    placed[v] = true;
    return text;
}

void explain_components_table() {
    explain_table("component of each vertex", "vertex", "component", component_of, vertices_in_use, 0);
}

// ---- Questions for --predict: one per pass, since each pass is shown whole ----

// The vertex that finishes first is the first one the pass reaches with no arc to an unvisited
// vertex. Everything visited by then lies on the path down to it, so each of its arcs leads back
// onto that path. Said once the first pass has run, before its picture is shown.
void answer_first_to_finish() {
    const int first = finish_order[vertices_in_use - 1];
    std::string path = std::to_string(first);
    for (int v = tree_parent[first]; v != -1; v = tree_parent[v]) path = std::to_string(v) + "->" + path;
    std::string arcs;
    for (int j = 0; j < degree[first]; ++j) {
        const char* glue = j == 0 ? "" : j + 1 == degree[first] ? " and " : ", ";
        arcs += glue + arc_text(first, adjacency[first][j]);
    }
    const std::string pass = tree_parent[first] == -1 ? "the pass starts at " + path : "the pass goes down " + path;
    const std::string list = list_text(adjacency[first], degree[first]);
    if (degree[first] == 0)
        answer(first, "Vertex %d finishes first, at time 0: %s, and %d has no arc out.", first, pass.c_str(), first);
    else
        answer(first, "Vertex %d finishes first, at time 0: %s (each vertex's list tried in order), and %d's list is "
                      "%s: %s %s back to a vertex on that path, visited already.", first, pass.c_str(), first,
               list.c_str(), degree[first] == 1 ? "its only arc" : "its arcs",
               (arcs + (degree[first] == 1 ? " leads" : " lead")).c_str());
}

// The vertices v reaches along the arcs, v among them.
void reach_of(int v, bool* reached) {
    for (int w = 0; w < vertices_in_use; ++w) reached[w] = false;
    int stack[most_vertices], size = 0;
    stack[size++] = v;
    reached[v] = true;
    while (size > 0) {
        const int u = stack[--size];
        for (int j = 0; j < degree[u]; ++j)
            if (!reached[adjacency[u][j]]) {
                reached[adjacency[u][j]] = true;
                stack[size++] = adjacency[u][j];
            }
    }
}

// A shortest path along the arcs from `from` to `to`, as "3->6->5"; "" when there is none.
std::string arc_path(int from, int to) {
    int before[most_vertices], queue[most_vertices], head = 0, tail = 0;
    for (int v = 0; v < vertices_in_use; ++v) before[v] = -2;
    before[from] = -1;
    queue[tail++] = from;
    while (head < tail) {
        const int u = queue[head++];
        for (int j = 0; j < degree[u]; ++j)
            if (before[adjacency[u][j]] == -2) {
                before[adjacency[u][j]] = u;
                queue[tail++] = adjacency[u][j];
            }
    }
    if (before[to] == -2) return "";
    std::string path = std::to_string(to);
    for (int v = before[to]; v != -1; v = before[v]) path = std::to_string(v) + "->" + path;
    return path;
}

int component_size(int n) {
    int size = 0;
    for (int v = 0; v < vertices_in_use; ++v) size += component_of[v] == n;
    return size;
}

// The first pass's finishing order, time 0 first, as "1, 4, 0, 5 and 6".
std::string finishing_sequence() {
    int finishing[most_vertices];
    for (int k = 0; k < vertices_in_use; ++k) finishing[k] = finish_order[vertices_in_use - 1 - k];
    return joined(finishing, vertices_in_use);
}

// A finishing time neither first nor last, chosen by the digraph, so that the answer is not always
// the same number.
void ask_finishing_time() {
    if (vertices_in_use < 3) return;
    int arc_count = 0;
    for (int v = 0; v < vertices_in_use; ++v) arc_count += degree[v];
    const int time = 1 + arc_count % (vertices_in_use - 2);
    const int v = finish_order[vertices_in_use - 1 - time];
    ask(AnswerKind::number, "What finishing time does the first pass give vertex %d?", v);
    answer(time, "Vertex %d finishes at time %d: the first pass finishes %s (time 0 first, each vertex once every arc "
                 "of its list has been tried), and %d is %s in that order, after %d other%s.", v, time,
           finishing_sequence().c_str(), v, ordinal[time], time, time == 1 ? "" : "s");
}

// The last to finish is the start of the first pass's last tree: a start finishes after everything
// below it, and the trees come one after another.
void ask_last_to_finish() {
    const int last = finish_order[0];
    ask(AnswerKind::vertex, "Which vertex finishes last, with finishing time %d, so that the second pass starts there?",
        vertices_in_use - 1);
    int trees = 0;
    for (int v = 0; v < vertices_in_use; ++v) trees += first_parent[v] == -1;
    if (trees == 1)
        answer(last, "Vertex 0 finishes last, at time %d: the pass starts at 0 and reaches every vertex from it, and the "
                     "start of a tree finishes after every vertex below it.", vertices_in_use - 1);
    else
        answer(last, "Vertex %d finishes last, at time %d: the first pass's last tree starts at %d, the lowest-numbered "
                     "vertex still unvisited after the earlier trees, and the start of a tree finishes after every "
                     "vertex below it.", last, vertices_in_use - 1, last);
}

// The largest component, found latest on a tie, asked for from its highest-numbered vertex.
void ask_component_of_vertex() {
    const int found = component_number - 1;
    int largest = 1;
    for (int n = 2; n <= found; ++n)
        if (component_size(n) >= component_size(largest)) largest = n;
    int v = 0, start = -1;
    for (int w = 0; w < vertices_in_use; ++w)
        if (component_of[w] == largest) v = w;
    for (int k = vertices_in_use - 1; k >= 0; --k)
        if (component_of[finish_order[k]] == largest) start = finish_order[k];
    int members[most_vertices], count = 0;
    for (int w = 0; w < vertices_in_use; ++w)
        if (component_of[w] == largest) members[count++] = w;
    ask(AnswerKind::vertices, "Which vertices form the strongly connected component of vertex %d (%d among them)?",
        v, v);
    std::string edges;
    append_tree_edges(edges, start, transposed, transposed_degree);
    const std::string set = component_set(largest);
    if (count == 1)
        answer_vertices(members, count, "Vertex %d is alone in %s: when the second pass starts at %d, its reversed list "
                                        "holds no unassigned vertex, so no other vertex reaches %d and is reached from it.",
                        v, set.c_str(), v, v);
    else
        answer_vertices(members, count, "%s is vertex %d's component: the second pass starts it at %d, the unassigned "
                                        "vertex that finished latest (time %d), and along the reversed arcs %s reaches "
                                        "exactly these vertices, each of which reaches %d and is reached from it.",
                        set.c_str(), v, start, finish_time[start], edges.c_str(), start);
}

void ask_component_count() {
    const int found = component_number - 1;
    std::string sets;
    for (int n = 1; n <= found; ++n) {
        const char* glue = n == 1 ? "" : n == found ? " and " : ", ";
        sets += glue + component_set(n);
    }
    ask(AnswerKind::number, "How many strongly connected components does the digraph have?");
    answer(found, "The digraph has %d strongly connected component%s, %s: the second pass, taking its starts in "
                  "decreasing finishing time, grows one tree along the reversed arcs for each.", found,
           found == 1 ? "" : "s", sets.c_str());
}

// One pair inside a component of two or more vertices (each reaches the other) and one pair that
// an arc joins across two components (one reaches the other, but not back): asked in an order the
// digraph chooses.
void ask_same_component_pair() {
    const int found = component_number - 1;
    int shared = 0;
    for (int n = 1; n <= found; ++n)
        if (component_size(n) >= 2) shared = n;
    int tail = -1, head = -1;
    for (int v = 0; v < vertices_in_use; ++v)
        for (int j = 0; j < degree[v]; ++j)
            if (component_of[v] != component_of[adjacency[v][j]]) {
                tail = v;
                head = adjacency[v][j];
            }
    if (shared == 0 || tail < 0) return;
    int low = -1, high = -1;
    for (int v = 0; v < vertices_in_use; ++v)
        if (component_of[v] == shared) {
            if (low < 0) low = v;
            high = v;
        }
    int arc_count = 0;
    for (int v = 0; v < vertices_in_use; ++v) arc_count += degree[v];
    const bool yes_first = arc_count % 2 == 1;
    for (int turn = 0; turn < 2; ++turn) {
        if ((turn == 0) == yes_first) {
            ask(AnswerKind::yes_no, "Do vertices %d and %d lie in one strongly connected component?", low, high);
            answer(answers::yes, "Yes: %d reaches %d along %s and %d reaches %d along %s, so both lie in %s.", low, high,
                   arc_path(low, high).c_str(), high, low, arc_path(high, low).c_str(), component_set(shared).c_str());
        } else {
            bool reached[most_vertices];
            reach_of(head, reached);
            ask(AnswerKind::yes_no, "Do vertices %d and %d lie in one strongly connected component?", head, tail);
            answer(answers::no, "No: %d reaches %d along the arc %s, but %d cannot reach %d: from %d the arcs lead only "
                                "to %s. So %d lies in %s and %d in %s.", tail, head, arc_text(tail, head).c_str(), head,
                   tail, head, vertex_set_of(reached).c_str(), head, component_set(component_of[head]).c_str(), tail,
                   component_set(component_of[tail]).c_str());
        }
    }
}

void say_how_it_works() {
    int arc_count = 0;
    for (int v = 0; v < vertices_in_use; ++v) arc_count += degree[v];
    char text[text_buffer_size];
    std::snprintf(text, sizeof text,
                  "Two vertices share a strongly connected component when each reaches the other along the arcs; "
                  "two depth-first passes find the components of these %d vertices and %d arc%s. The first pass "
                  "searches the digraph and gives each vertex a finishing time once every arc out of it has been "
                  "tried. The vertex that finishes last lies in a component that no arc from another component C "
                  "enters: had the search entered C first, it would have gone through that arc into the last "
                  "vertex's component and finished C's first vertex later still; had it entered the last vertex's "
                  "component first, it could not have got out to C (else the two would be one component), so C would "
                  "have been visited, and finished, later. So in the reversed digraph, where every arc points "
                  "the other way, no arc leaves that component, and the second pass, started from the vertex that "
                  "finished last, reaches exactly its component. Each later start is the unassigned vertex that "
                  "finished latest, whose component no arc enters from the components still unfound; its reversed "
                  "arcs out lead only into components found already, whose vertices are visited, so every tree of "
                  "the second pass is exactly one component. Each pass looks at every vertex and every arc once, "
                  "%d + %d here, and reversing the arcs looks at each arc once more.",
                  vertices_in_use, arc_count, arc_count == 1 ? "" : "s", vertices_in_use, arc_count);
    how_it_works(text);
}

}  // namespace

void give_strongcomp_legend() {
    say_how_it_works();
    algorithm_lines({
        "mark every vertex unvisited; clock = 0",
        "for each vertex v in number order:",
        "  if v is unvisited: first_pass(v)",
        "R = the digraph with every arc reversed",
        "mark every vertex unvisited again; c = 0",
        "for each vertex v in decreasing finishing time:",
        "  if v is unvisited: c = c + 1; second_pass(v, c)",
        "return the trees of the second pass: each is one strongly connected component",
        "first_pass(v): mark v visited",
        "  for each w in v's out-list, in order: if w is unvisited: first_pass(w)",
        "  finishing time of v = clock; clock = clock + 1",
        "second_pass(v, c): mark v visited; component of v = c",
        "  for each w in v's out-list in R, in order: if w is unvisited: second_pass(w, c)",
    });
    legend("small black disc with its number: a vertex of the digraph");
    legend("thin black line with a head seven tenths of the way along: an arc, pointing from its tail to its head");
    legend("red disc and thick red line, half-width 2 (second picture): a vertex visited by the first pass and the tree edge it was entered by");
    legend("label (v t) under the graph: vertex v has finishing time t; the row below it lists the vertices in decreasing finishing time");
    legend("third and fourth pictures: the digraph with every arc reversed, drawn with tiny discs and no numbers; each vertex keeps its place");
    // The fixed digraph has three components; another may have more than there are colours.
    if (digraph_source != DigraphSource::fixed && vertices_in_use > component_colour_count)
        legend("discs and thick lines in red, green, blue, yellow, grey (fourth and sixth pictures): components 1, 2, 3, 4, 5 in the order the second pass found them, and from component 6 on the same colours again, red first");
    else
        legend("discs and thick lines in red, green, blue, yellow, grey (fourth and sixth pictures): components 1, 2, 3, 4, 5 in the order the second pass found them");
    const bool by_number = lists_by_number(adjacency, degree) && lists_by_number(transposed, transposed_degree);
    char entry[300];
    std::snprintf(entry, sizeof entry, "out-lists (with every step; from the third picture on, the reversed digraph's as "
                  "well): each pass tries a vertex's out-arcs in the order of its list, %s",
                  by_number ? "which here is by increasing vertex number" : "which is not always by number");
    legend(entry);
}

void say_digraph() {
    int arc_count = 0;
    for (int i = 0; i < vertices_in_use; ++i) arc_count += degree[i];
    const int widest = longest_list(degree);
    const std::string list = list_text(adjacency[widest], degree[widest]);
    const char* const which = digraph_source == DigraphSource::file     ? "The digraph of the graph file"
                              : digraph_source == DigraphSource::random ? "A random digraph"
                                                                        : "The digraph";
    explain("%s is drawn: %d vertices, each with its number, and %d arc%s. Two depth-first passes will find its "
            "strongly connected components: the first records finishing times, the second searches the reversed "
            "arcs. Each pass tries a vertex's out-arcs in the order of its out-list, %s (%d's list is %s).",
            which, vertices_in_use, arc_count, arc_count == 1 ? "" : "s",
            lists_by_number(adjacency, degree) ? "which here is by increasing vertex number" : "not always by number",
            widest, list.c_str());
    explain_line(line::start);
    explain_lists_from_now_on(lists_title, vertices_in_use, degree, &adjacency[0][0], most_vertices);
    explain_count("arcs", arc_count);
}

void say_first_tree(int start) {
    Events events{};
    replay_first_pass(start, events);
    for (int v = 0; v < vertices_in_use; ++v) first_parent[v] = tree_parent[v];
    const bool first_tree = first_trees.empty();
    const std::string name = std::to_string(start);
    first_trees += first_tree ? "It starts at " + name
                              : " It starts again at " + name + ", the lowest-numbered vertex still unvisited";
    if (events.count == 2) {
        first_trees += degree[start] == 0 ? ", which has no out-arc"
                                          : ", whose list " + list_text(adjacency[start], degree[start]) +
                                                " holds only visited vertices";
        first_trees += ", so " + name + " is discovered and finishes at once.";
        return;
    }
    first_trees += ": it " + event_runs(events);
    // The pass's first finish is in its first tree, a vertex with no unvisited vertex on its list.
    if (first_tree) {
        int at = 0;
        while (!events.finish[at]) ++at;
        const int first = events.vertex[at];
        first_trees += "; " + std::to_string(first) + " finishes first because its list" +
                       (degree[first] == 0 ? " is empty"
                                           : ", " + list_text(adjacency[first], degree[first]) +
                                                 ", holds only visited vertices");
    }
    first_trees += ".";
}

void ask_first_to_finish() {
    std::string lists;
    for (int v = 0; v < vertices_in_use; ++v)
        lists += (v == 0 ? "" : "; ") + std::to_string(v) + ": " + list_text(adjacency[v], degree[v]);
    ask(AnswerKind::vertex, "The first pass starts at vertex 0. Which vertex finishes first, with finishing time 0? "
                            "(out-lists, tried in order: %s)", lists.c_str());
    answer_first_to_finish();
    ask_finishing_time();
    ask_last_to_finish();
}

void say_first_pass() {
    std::string edges;
    for (int v = 0; v < vertices_in_use; ++v)
        if (first_parent[v] == -1) append_tree_edges(edges, v, adjacency, degree);
    int finishing[most_vertices];
    for (int k = 0; k < vertices_in_use; ++k) finishing[k] = finish_order[vertices_in_use - 1 - k];
    explain("The first pass is drawn in red, tree edges %s, with each vertex's finishing time under the graph and, "
            "below that, the vertices from the latest finish to the earliest.", edges.c_str());
    explain("Taking the vertices in number order as starts and each out-list in order, it discovers %s and finishes "
            "%s.", joined(discovery_order, discovered).c_str(), joined(finishing, vertices_in_use).c_str());
    explain("%s A vertex finishes only once every arc of its list has been tried; %d finished last (time %d), so the "
            "second pass will start at %d.", first_trees.c_str(), finish_order[0], vertices_in_use - 1, finish_order[0]);
    explain_line(line::first_loop);
    explain_line(line::first_start);
    explain_line(line::first_mark);
    explain_line(line::first_try);
    explain_line(line::first_finish);
    explain_list("finishing order (time 0 first)", finishing, vertices_in_use);
    explain_table("finishing times", "vertex", "finishing time", finish_time, vertices_in_use, -1);
    explain_list("vertices in decreasing finishing time", finish_order, vertices_in_use);
}

void say_reversed_arcs() {
    const int last = finish_order[0];
    explain("The digraph is drawn with every arc reversed: each arc v->w now points w->v, and the vertices keep their "
            "places without their numbers: %s, from left to right.", picture_rows().c_str());
    explain("Reversing keeps every component, since a cycle reversed is still a cycle, but turns round the arcs "
            "between components. No arc from another component enters the component of %d, the last to finish, so "
            "now no reversed arc leaves it, and a search from %d stays inside it. The second pass takes its starts in "
            "decreasing finishing time and tries the reversed lists, shown from now on, in order.",
            last, last);
    explain_line(line::reverse);
    explain_lists_from_now_on(reversed_lists_title, vertices_in_use, transposed_degree, &transposed[0][0], most_vertices);
    explain_list("start order for the second pass", finish_order, vertices_in_use);
}

void say_component_found(int start) {
    int index = 0;
    while (finish_order[index] != start) ++index;
    // The vertices that finished between the previous start and this one were collected already.
    int skipped[most_vertices], skipped_count = 0;
    for (int k = last_start_index + 1; k < index; ++k) skipped[skipped_count++] = finish_order[k];
    const bool first = last_start_index < 0;
    last_start_index = index;

    std::string text = " ";
    if (skipped_count > 0)
        text += "Then " + joined(skipped, skipped_count) + (skipped_count == 1 ? " is" : " are") + " assigned already, so ";
    text += first ? "It starts at " : skipped_count > 0 ? "the next start is " : "The next start is ";
    text += placed_vertex(start);
    text += first ? ", which finished last (time " : ", the unassigned vertex that finished latest (time ";
    text += std::to_string(finish_time[start]) + ")";

    std::string edges;
    append_tree_edges(edges, start, transposed, transposed_degree);
    const std::string list = list_text(transposed[start], transposed_degree[start]);
    const std::string set = component_set(component_number);
    const std::string named = "component " + std::to_string(component_number) + " (" +
                              colour_name[component_slot(component_number)] + ")";
    if (edges.empty()) {
        text += transposed_degree[start] == 0 ? "; its reversed list is empty"
                                               : "; its reversed list " + list + " holds only assigned vertices";
        text += ", so " + named + " is " + set + ".";
    } else {
        std::string reached;
        int order[most_vertices], count = 0;
        collect_tree_heads(start, transposed, transposed_degree, order, count);
        for (int i = 0; i < count; ++i) reached += (i == 0 ? "" : i + 1 == count ? " and " : ", ") + placed_vertex(order[i]);
        text += "; trying its reversed list " + list + " it follows " + edges + ", reaching " + reached + ", so " +
                named + " is " + set + ".";
    }
    second_trees += text;
}

void ask_second_pass_questions() {
    ask_component_of_vertex();
    ask_component_count();
    ask_same_component_pair();
}

void say_second_pass() {
    const int found = component_number - 1;
    std::string colours;
    for (int n = 1; n <= found; ++n)
        colours += (n == 1 ? "" : n == found ? " and " : ", ") + std::string(colour_name[component_slot(n)]);
    const std::string components = found == 1   ? "component 1"
                                   : found == 2 ? "components 1 and 2 in the order found"
                                                : "components 1 to " + std::to_string(found) + " in the order found";
    explain("The second pass is drawn on the reversed digraph: each tree of its search in its own colour, %s for "
            "%s, and each is one strongly connected component.%s",
            colours.c_str(), components.c_str(), second_trees.c_str());
    if (last_start_index < vertices_in_use - 1) {
        int rest[most_vertices], count = 0;
        for (int k = last_start_index + 1; k < vertices_in_use; ++k) rest[count++] = finish_order[k];
        explain("The rest, %s, %s assigned already, so the pass ends with %d component%s.", joined(rest, count).c_str(),
                count == 1 ? "is" : "are", found, found == 1 ? "" : "s");
    }
    explain_line(line::clear_marks);
    explain_line(line::second_loop);
    explain_line(line::second_start);
    explain_line(line::second_mark);
    explain_line(line::second_try);
    explain_components_table();
    explain_count("components", found);
}

// Why each tree of the second pass is a whole component, on the run's own trees: its start reached
// every member along reversed arcs, so each member reaches the start; and the start was each
// member's ancestor in the first pass, so it reaches each member.
void say_back_to_digraph() {
    const int found = component_number - 1;
    explain("The original digraph is drawn again, numbers and arcs the right way round, ready for the colours of its "
            "%d component%s; the components found on the reversed arcs are this digraph's own.", found, found == 1 ? "" : "s");
    for (int n = 1; n <= found; ++n) {
        int start = -1, members[most_vertices], count = 0;
        for (int k = vertices_in_use - 1; k >= 0; --k)
            if (component_of[finish_order[k]] == n) start = finish_order[k];
        std::string first_edges;
        bool below_start = true;
        for (int i = 0; i < discovered; ++i) {
            const int w = discovery_order[i];
            if (component_of[w] != n || w == start) continue;
            members[count++] = w;
            bool found_start = false;
            for (int v = first_parent[w]; v != -1; v = first_parent[v]) found_start = found_start || v == start;
            below_start = below_start && found_start;
            first_edges += (first_edges.empty() ? "" : ", ") + arc_text(first_parent[w], w);
        }
        const std::string set = component_set(n);
        if (count == 0) {
            if (n == 1)
                explain("%s stands alone: the reversed search from %d reached no other vertex, so no other vertex "
                        "reaches %d along the arcs.", set.c_str(), start, start);
            else
                explain("%s stands alone: the reversed search from %d reached no unassigned vertex, so no vertex "
                        "outside the components found before it reaches %d along the arcs.", set.c_str(), start, start);
        } else if (below_start) {
            explain("In %s, %s %s %d along the arcs, since the reversed search from %d reached %s; and %d reaches %s, "
                    "since in the first pass %s discovered below it (%s). So every vertex of %s reaches every other "
                    "through %d.", set.c_str(), joined(members, count).c_str(), count == 1 ? "reaches" : "each reach",
                    start, start, count == 1 ? "it" : "them", start, count == 1 ? "it" : "each of them",
                    count == 1 ? "it was" : "they were", first_edges.c_str(), set.c_str(), start);
        } else {
            explain("In %s, %s %s %d along the arcs, since the reversed search from %d reached %s.", set.c_str(),
                    joined(members, count).c_str(), count == 1 ? "reaches" : "each reach", start, start,
                    count == 1 ? "it" : "them");
        }
    }
    explain_line(line::result);
}

void say_components() {
    const int found = component_number - 1;
    std::string colours;
    for (int n = 1; n <= found; ++n)
        colours += (n == 1 ? "" : n == found ? " and " : ", ") + component_set(n) + " " +
                   colour_name[component_slot(n)];
    explain("Each vertex is covered by its component's colour: %s. The digraph has %d strongly connected components.",
            colours.c_str(), found);
    // The arcs between components, grouped by the pair they join, in the order the components were found.
    std::string between;
    int pairs = 0;
    for (int a = 1; a <= found; ++a)
        for (int b = 1; b <= found; ++b) {
            if (a == b) continue;
            std::string arcs;
            for (int v = 0; v < vertices_in_use; ++v)
                for (int j = 0; j < degree[v]; ++j)
                    if (component_of[v] == a && component_of[adjacency[v][j]] == b)
                        arcs += (arcs.empty() ? "" : ", ") + arc_text(v, adjacency[v][j]);
            if (arcs.empty()) continue;
            between += (pairs == 0 ? "" : "; ") + arcs + " from " + component_set(a) + " to " + component_set(b);
            pairs += 1;
        }
    if (pairs == 0)
        explain("No arc joins two components.");
    else
        explain("The arcs between components are %s. No arc enters %s, the component of %d, which finished last, and "
                "no arcs lead both ways between two components: a cycle through both would have made them one.",
                between.c_str(), component_set(1).c_str(), finish_order[0]);
    explain_line(line::result);
    explain_components_table();
    explain_count("strongly connected components", found);
}
