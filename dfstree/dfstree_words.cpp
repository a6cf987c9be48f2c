// dfstree's words, said through the depth-first narrator. A step shows one vertex entered, with the
// band it came by; the vertices finished on the way back up to that band are told in the same step,
// after the sentence about what it shows.
#include "dfstree_words.h"

#include "dfs_foresight.h"
#include "dfs_narrator.h"
#include "kit.h"

#include <cstdio>

using namespace depth_first;

namespace {

// The lines of the algorithm as algorithm_lines says them, counted from 1.
namespace line {
constexpr int start = 1;
constexpr int search_from_0 = 2;
constexpr int over = 3;
constexpr int enter_v = 5;
constexpr int each_neighbour = 6;
constexpr int if_undiscovered = 7;
constexpr int tree_edge = 8;
constexpr int search_w = 9;
constexpr int finish = 10;
}  // namespace line

int unsaid[max_vertices];  // v's neighbours from here on have not been looked at in the words yet
bool after_return[max_vertices];  // the search came back to v from an earlier branch before its tree edge
int finished_since[max_vertices];  // the vertices finished since the last step, in order
int finished_since_count;
char thin_edges[8 * max_vertices * max_vertices];  // too large for the browser build's stack

// The lines a step carried out while the search looked along v's list from `first` to `last`: the
// loop, and the test for every neighbour it looked at.
void name_lines_looked_along(int first, int last) {
    explain_line(line::each_neighbour);
    if (first < last) explain_line(line::if_undiscovered);
}

// The climb back up to `to` that came before this step's tree edge.
void say_climb(int to) {
    if (finished_since_count == 0) return;
    char names[32 * max_vertices * 2];
    name_with_lists(finished_since, finished_since_count, names, sizeof names);
    if (finished_since_count == 1)
        explain("Before that, the search finished %s, since every vertex in its list was discovered already, "
                "and went back to its parent %d.", names, to);
    else
        explain("Before that, the search finished %s in turn, since every vertex in their lists was discovered "
                "already, and went back up to %d.", names, to);
    finished_since_count = 0;
}

// The sheet's questions, chosen when the search starts from the search foreseen, by the discovery
// number of the vertex the step enters: which vertex follows the last one entered after a climb
// back; whose list a vertex still to come will be found in; how many bands will go down from a
// vertex; and a pair on which of two edges will become bands.
int after_step, parent_step, parent_asked, children_step, band_step;
int band_yes[2], band_no[2];

// An edge with an end entered at discovery number k or later is still open in the picture before
// that step: one that will be a band and one that will stay thin.
bool find_band_pair(int k) {
    bool yes = false, no = false;
    for (int v = 0; v < vertex_count(); ++v)
        for (int j = 0; j < degree_of(v); ++j) {
            const int w = neighbour(v, j);
            if (w < v || foreseen_discovery(v) == 0) continue;
            if (foreseen_discovery(v) < k && foreseen_discovery(w) < k) continue;
            const bool band = foreseen_parent(w) == v || foreseen_parent(v) == w;
            if (band && !yes) yes = true, band_yes[0] = v, band_yes[1] = w;
            if (!band && !no) no = true, band_no[0] = v, band_no[1] = w;
        }
    return yes && no;
}

void choose_questions() {
    const int reached = reachable_count();
    after_step = reached / 2 + 1;
    for (int k = 3; k <= reached; ++k)
        if (foreseen_parent(foreseen_vertex_discovered(k)) != foreseen_vertex_discovered(k - 1)) after_step = k;
    parent_step = reached / 3 + 1;
    parent_asked = parent_step + 2 <= reached ? foreseen_vertex_discovered(parent_step + 2) : none;
    int most = -1;
    children_step = 0;
    for (int k = 2; k <= reached; ++k)
        if (foreseen_children(foreseen_vertex_discovered(k)) > most && k != parent_step)
            most = foreseen_children(foreseen_vertex_discovered(k)), children_step = k;
    band_step = 0;
    for (int k = (reached + 1) / 2 + 1; k >= 3 && band_step == 0; --k)
        if (find_band_pair(k)) band_step = k;
}

void ask_depth_table() {
    ask_table("depth", "vertex", 0, vertex_count(),
              "Work the search through on the lists: how many bands will lead down from 0 to each vertex in the "
              "tree? (0 for the root%s)", reachable_count() < vertex_count() ? ", \"-\" for a vertex it never enters" : "");
    int depths[max_vertices];
    for (int v = 0; v < vertex_count(); ++v)
        depths[v] = foreseen_discovery(v) == 0 ? answers::none : foreseen_depth(v);
    char walk[24 * max_vertices];
    say_walk(walk, sizeof walk);
    answer_table(depths, vertex_count(), "Each vertex hangs one band below the vertex from whose list the search "
                 "first reaches it: %s. Counting the bands up each way back to 0 gives the depths.", walk);
}

void ask_parent_of(int w) {
    ask(AnswerKind::vertex, "Vertex %d is not entered yet. Which vertex will its band come from: whose list will "
        "the search find it in first?", w);
    char walk[24 * max_vertices];
    say_walk(walk, sizeof walk, w);
    answer(foreseen_parent(w), "%d: the search %s, so %d is first found undiscovered in %d's list.",
           foreseen_parent(w), walk + 3, w, foreseen_parent(w));
}

void ask_children_of(int u) {
    ask(AnswerKind::number, "The search is about to enter %d. When it is over, how many bands will lead down from "
        "%d to vertices below it?", u, u);
    int below[max_vertices], count = 0;
    for (int k = 1; k <= reachable_count(); ++k)
        if (foreseen_parent(foreseen_vertex_discovered(k)) == u) below[count++] = foreseen_vertex_discovered(k);
    char names[8 * max_vertices], list[8 * max_vertices];
    names[0] = '\0';
    for (int i = 0, used = 0; i < count; ++i) used = join_words(names, sizeof names, used, i, count, below[i]);
    list_of(u, list, sizeof list);
    if (count == 0)
        answer(0, "0: by the time the search enters %d, every vertex in its list (%s) is entered already.", u, list);
    else
        answer(count, "%d: of %d's list (%s), the search goes down to %s only, %s undiscovered when the search "
               "looks at %s from %d; the others are entered already by the time it looks at them.", count, u, list,
               names, count == 1 ? "still" : "each still", count == 1 ? "it" : "them", u);
}

void ask_band_pair() {
    const bool yes_first = (band_yes[0] + band_no[0]) % 2 == 0;
    for (int i = 0; i < 2; ++i) {
        const bool band = (i == 0) == yes_first;
        const int a = band ? band_yes[0] : band_no[0], b = band ? band_yes[1] : band_no[1];
        ask(AnswerKind::yes_no, "Will edge %d-%d become a band of the tree?", a, b);
        const int first = foreseen_discovery(a) < foreseen_discovery(b) ? a : b, second = first == a ? b : a;
        if (band)
            answer(answers::yes, "Yes: %d is still undiscovered when the search comes to it in %d's list, so the "
                   "search goes down edge %d-%d to enter it.", second, first, a, b);
        else
            answer(answers::no, "No: when the search comes to %d in %d's list, %d is entered already (it is reached "
                   "from %d's list), so edge %d-%d stays thin.", second, first, second, foreseen_parent(second), a, b);
    }
}

// Asked before the step that enters v. The vertex entered just before is the one the search stands
// on, unless it had nothing new left and the search went back first.
void ask_which_is_entered(int v) {
    const int from = parent[v], last = discovery_order[discovery_count - 2];
    char list[8 * max_vertices];
    list_of(last, list, sizeof list);
    ask(AnswerKind::vertex, "After vertex %d, which vertex does the search enter next? (%d's list: %s)", last, last,
        list);
    if (from == last) {
        answer_discovered_from(from, unsaid[from] - 1);
        return;
    }
    char others[24 + 16 * max_vertices] = "", from_list[8 * max_vertices], earlier[32 * max_vertices];
    if (finished_since_count > 1) {
        int used = std::snprintf(others, sizeof others, ", nor %s ", finished_since_count == 2 ? "has" : "have");
        for (int i = 1; i < finished_since_count; ++i)
            used = join_words(others, sizeof others, used, i - 1, finished_since_count - 1, finished_since[i]);
        std::snprintf(others + used, sizeof others - used, " on the way back");
    }
    list_of(from, from_list, sizeof from_list);
    name_earlier_neighbours(from, unsaid[from] - 1, earlier, sizeof earlier);
    answer(v, "Vertex %d has no undiscovered neighbour left%s, so the search goes back to %d, whose list is %s; %d "
              "is the first neighbour in it still undiscovered%s.", last, others, from, from_list, v, earlier);
}

}  // namespace

void say_legend() {
    legend("thin black line and small black disc: an edge and a vertex of the graph; the number beside "
           "a vertex is its vertex number");
    legend("large red disc: a vertex the search has entered (discovered)");
    legend("thick black band: a tree edge, along which the search went to a new vertex; the edges that "
           "led to vertices discovered already stay thin");
}

void on_graph_drawn() {
    algorithm_lines({
        "every vertex is undiscovered; the tree has no edges",
        "search(0)",
        "done: the tree edges form the depth-first tree",
        "search(v):",
        "  enter v: v is discovered, with the next discovery number",
        "  for each neighbour w in v's list, in order:",
        "    if w is undiscovered:",
        "      v-w is a tree edge: v is w's parent",
        "      search(w)",
        "  v is finished: go back to v's parent",
    });
    char how[1200];
    std::snprintf(how, sizeof how,
                  "A depth-first search goes as deep as it can before it turns back: from the vertex it stands on "
                  "it takes the first neighbour in that vertex's list that is still undiscovered, enters it and "
                  "goes on from there; only when a vertex's list has nothing undiscovered left is the vertex "
                  "finished, and the search goes back to its parent. The edge that first leads to a vertex is a "
                  "tree edge, and the vertex it came from is its parent. What stays true: every vertex entered "
                  "except 0 has exactly one tree edge into it, from a vertex entered before it, so the tree edges "
                  "never close a cycle and form a tree. Every vertex that can be reached from 0 is entered, "
                  "because a vertex is finished only when every vertex in its list is discovered; on these %d "
                  "vertices and %d %s the tree gets one edge into each vertex the search reaches but 0. The "
                  "search looks at each edge once from each end: its cost grows with the vertices plus the edges.",
                  vertex_count(), edge_count(), edges_word(edge_count()));
    how_it_works(how);
    explain_line(line::start);
    explain("The graph before the search: %d vertices and %d %s, all thin, none entered yet. A depth-first "
            "search will start at vertex 0 and enter each vertex it reaches; the edge it came by becomes a "
            "thick band of the depth-first tree. From every vertex it tries the neighbours in the order of "
            "that vertex's list, shown below these words, %s.", vertex_count(), edge_count(), edges_word(edge_count()),
            neighbour_order_words());
    say_unreachable();
}

void on_discovered(int v) {
    note_discovered(v);
    explain_line(line::enter_v);
    if (parent[v] == none) {
        char list[8 * max_vertices];
        list_of(v, list, sizeof list);
        explain_line(line::search_from_0);
        choose_questions();
        ask_depth_table();
        explain("The search starts at vertex %d and enters it (red disc): discovery number %d. It will try its "
                "neighbours in the order of its list: %s.", v, discovery_count, list);
    } else {
        const int u = parent[v];
        const int k = discovery_count;
        if (k == after_step) ask_which_is_entered(v);
        if (k == parent_step && parent_asked != none) ask_parent_of(parent_asked);
        if (k == children_step) ask_children_of(v);
        if (k == band_step) ask_band_pair();
        explain("Vertex %d is entered (red disc) by tree edge %d-%d (the new band): discovery number %d, parent %d.", v, u, v,
                discovery_count, u);
        say_climb(u);
        char list[8 * max_vertices], earlier[32 * max_vertices];
        list_of(u, list, sizeof list);
        name_earlier_neighbours(u, unsaid[u] - 1, earlier, sizeof earlier);
        if (after_return[v])
            explain("Back at %d, the search goes on along its list, %s: %d is the first neighbour in it still "
                    "undiscovered%s, so the search goes down edge %d-%d.", u, list, v, earlier, u, v);
        else
            explain("%d's list is %s; %d is the first neighbour in it still undiscovered%s, so the search goes down "
                    "edge %d-%d.", u, list, v, earlier, u, v);
    }
    say_stack();
    say_parents();
}

// The tree edge itself is said in w's own step, the one that shows its band.
void on_tree_edge(int v, int w) {
    const int j = position_in_row(v, w, unsaid[v]);
    name_lines_looked_along(unsaid[v], j + 1);
    explain_line(line::tree_edge);
    explain_line(line::search_w);
    after_return[w] = unsaid[v] > 0;
    unsaid[v] = j + 1;
    note_tree_edge(v, w);
}

// Told in the next step: a finish draws nothing of its own.
void on_finished(int v) {
    name_lines_looked_along(unsaid[v], degree_of(v));
    explain_line(line::finish);
    unsaid[v] = degree_of(v);
    finished_since[finished_since_count++] = v;
    note_finished(v);
}

void on_search_over() {
    explain_line(line::over);
    char names[32 * max_vertices * 2], finished_words[16 * max_vertices];
    finished_words[0] = '\0';
    for (int i = 0, used = 0; i < finished_since_count; ++i)
        used = join_words(finished_words, sizeof finished_words, used, i, finished_since_count, finished_since[i]);
    name_with_lists(finished_since, finished_since_count, names, sizeof names);
    explain("The search is over: %s %s finished, and nothing new is drawn.", finished_words,
            finished_since_count == 1 ? "is" : "are");
    explain("The search finished %s%s, since every vertex in %s was discovered already; the root %d has no "
            "parent to go back to.", names, finished_since_count == 1 ? "" : " in turn",
            finished_since_count == 1 ? "its list" : "their lists", discovery_order[0]);
    finished_since_count = 0;
    char tree[16 * max_vertices];
    name_tree_edges(tree, sizeof tree);
    int used = 0, edges = 0;
    thin_edges[0] = '\0';
    for (int v = 0; v < vertex_count(); ++v)
        for (int k = 0; k < degree_of(v); ++k) {
            const int w = neighbour(v, k);
            if (w < v || parent[w] == v || parent[v] == w) continue;
            used += std::snprintf(thin_edges + used, sizeof thin_edges - used, "%s%d-%d", used ? ", " : "", v, w);
            ++edges;
        }
    if (all_reachable())
        explain("All %d vertices were entered.", discovery_count);
    else
        explain("The %d vertices reached from 0 were entered.", discovery_count);
    static char thin[48 + sizeof thin_edges];  // static: too large for the browser build's stack
    if (edges == 0)
        std::snprintf(thin, sizeof thin, "every edge is in it");
    else if (edges == 1)
        std::snprintf(thin, sizeof thin, "the thin edge %s is not in it", thin_edges);
    else
        std::snprintf(thin, sizeof thin, "the %d thin edges %s are not in it", edges, thin_edges);
    if (tree_edge_count() == 1)
        explain("The thick band %s forms the depth-first tree; %s.", tree, thin);
    else
        explain("The %d thick bands %s form the depth-first tree; %s.", tree_edge_count(), tree, thin);
    say_left_undiscovered();
    explain_list("Order of entering", discovery_order, discovery_count);
    say_parents();
}
