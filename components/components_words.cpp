// components' words, said through the depth-first narrator, which keeps the stack and the parents
// (none for a vertex where a search starts); the components as said are kept here.
#include "components_words.h"

#include "component_colours.h"
#include "dfs_narrator.h"
#include "kit.h"

#include <cstdio>
#include <cstdlib>

using namespace depth_first;

namespace {

// The lines of the algorithm as the steps name them.
namespace line {
constexpr int start = 1;
constexpr int each_start = 2;
constexpr int if_start_undiscovered = 3;
constexpr int new_component = 4;
constexpr int search_from_start = 5;
constexpr int discover = 7;
constexpr int each_neighbour = 8;
constexpr int if_undiscovered = 9;
constexpr int tree_edge = 10;
constexpr int finish = 11;
constexpr int result = 12;
}  // namespace line

const char* const slot_name[] = {"black",       "red",        "green",  "blue", "light red",
                                 "light green", "light blue", "yellow", "grey", "white"};
int component[max_vertices];  // 0 before the vertex is discovered
int unsaid[max_vertices];     // v's neighbours from here on have not been talked about yet
int outer_loop_next;          // the vertex the outer loop looks at next

void say_state() {
    say_stack();
    explain_table("Component of each vertex", "vertex", "component", component, vertex_count(), 0);
}

bool lists(int v, int w) {
    for (int j = 0; j < degree_of(v); ++j)
        if (neighbour(v, j) == w) return true;
    return false;
}

// The edges drawn: pairs listed at one end or at both.
int edge_count_drawn() {
    int count = 0;
    for (int v = 0; v < vertex_count(); ++v)
        for (int w = v + 1; w < vertex_count(); ++w) count += lists(v, w) || lists(w, v);
    return count;
}

// The longest list that is not in increasing order, the one that shows the stored order best;
// none when every list is sorted.
int unsorted_example() {
    int example = none;
    for (int v = 0; v < vertex_count(); ++v)
        for (int j = 1; j < degree_of(v); ++j)
            if (neighbour(v, j) < neighbour(v, j - 1) && (example == none || degree_of(v) > degree_of(example)))
                example = v;
    return example;
}

// "vertex 4's list is 1, 8, 6, 10, so from 4 the search tries 8 before 6".
void describe_unsorted(int v, char* text, int size) {
    int j = 1;
    while (neighbour(v, j) > neighbour(v, j - 1)) ++j;
    char list[8 * max_vertices];
    list_of(v, list, sizeof list);
    std::snprintf(text, static_cast<std::size_t>(size), "vertex %d's list is %s, so from %d the search tries %d "
                  "before %d", v, list, v, neighbour(v, j - 1), neighbour(v, j));
}

// The vertices from `first` up to `last` as "1 and 2"; "" when there are none.
void name_range(int first, int last, char* text, int size) {
    text[0] = '\0';
    for (int w = first, used = 0; w < last; ++w) used = join_words(text, size, used, w - first, last - first, w);
}

// ---- Questions for --predict ----
// The components the searches will find, worked out before the first one starts: the same outer
// loop over the same lists, so that the opening questions can be answered from the first picture.
int expected[max_vertices];  // 1, 2, ... in the order the outer loop starts them
int expected_count;
bool search_question_asked;  // one question about where a search goes, in the first search

void reach(int v, int k) {
    expected[v] = k;
    for (int j = 0; j < degree_of(v); ++j)
        if (expected[neighbour(v, j)] == 0) reach(neighbour(v, j), k);
}

void expect_components() {
    expected_count = 0;
    for (int v = 0; v < vertex_count(); ++v) expected[v] = 0;
    for (int v = 0; v < vertex_count(); ++v)
        if (expected[v] == 0) reach(v, ++expected_count);
}

int expected_size(int k) {
    int size = 0;
    for (int v = 0; v < vertex_count(); ++v) size += expected[v] == k;
    return size;
}

// "{0, 1, 2}": the vertices of expected component k.
void name_set(int k, char* text, int size) {
    int used = std::snprintf(text, static_cast<std::size_t>(size), "{");
    for (int v = 0, i = 0; v < vertex_count() && used < size; ++v)
        if (expected[v] == k) used += std::snprintf(text + used, static_cast<std::size_t>(size - used), "%s%d", i++ ? ", " : "", v);
    if (used < size) std::snprintf(text + used, static_cast<std::size_t>(size - used), "}");
}

// Lines of the picture, listed at one end or both: a path may use either.
bool joined_by_line(int v, int w) { return lists(v, w) || lists(w, v); }

// Shortest paths along the lines from `from`: distance (-1 unreached) and the vertex before.
void paths_from(int from, int* distance, int* before) {
    int queue[max_vertices], head = 0, tail = 0;
    for (int v = 0; v < vertex_count(); ++v) distance[v] = -1;
    distance[from] = 0;
    before[from] = none;
    queue[tail++] = from;
    while (head < tail) {
        const int v = queue[head++];
        for (int w = 0; w < vertex_count(); ++w)
            if (distance[w] < 0 && joined_by_line(v, w)) {
                distance[w] = distance[v] + 1;
                before[w] = v;
                queue[tail++] = w;
            }
    }
}

// "are u and v in one component?": two vertices of the largest component, as far apart along its
// lines as it goes, for a yes; and the far one beside the vertex of another component nearest to it
// in number, for a no. Asked in an order the graph chooses, so that neither answer always comes first.
void ask_same_component_pair() {
    if (expected_count < 2) return;
    int largest = 1;
    for (int k = 2; k <= expected_count; ++k)
        if (expected_size(k) > expected_size(largest)) largest = k;
    if (expected_size(largest) < 2) return;
    int first_end = 0;
    while (expected[first_end] != largest) ++first_end;
    int distance[max_vertices], before[max_vertices];
    paths_from(first_end, distance, before);
    int far_end = first_end;
    for (int v = 0; v < vertex_count(); ++v)
        if (expected[v] == largest && distance[v] >= distance[far_end]) far_end = v;
    int other = none;
    for (int v = 0; v < vertex_count(); ++v)
        if (expected[v] != largest && (other == none || std::abs(v - far_end) < std::abs(other - far_end))) other = v;

    char path[8 * max_vertices] = "";
    int used = 0;
    for (int v = far_end; v != none && used < static_cast<int>(sizeof path); v = before[v])
        used += std::snprintf(path + used, sizeof path - static_cast<std::size_t>(used), "%s%d", v == far_end ? "" : "-", v);
    char mine[8 * max_vertices], theirs[8 * max_vertices];
    name_set(largest, mine, sizeof mine);
    name_set(expected[other], theirs, sizeof theirs);
    const bool yes_first = (vertex_count() + edge_count_drawn()) % 2 == 0;
    for (int turn = 0; turn < 2; ++turn) {
        if ((turn == 0) == yes_first) {
            ask(AnswerKind::yes_no, "Are vertices %d and %d in one connected component?", far_end, first_end);
            answer(answers::yes, "Yes: the path %s joins %d and %d along the lines of the graph, so one search "
                                 "reaches both; their component is %s.", path, far_end, first_end, mine);
        } else {
            ask(AnswerKind::yes_no, "Are vertices %d and %d in one connected component?", far_end, other);
            answer(answers::no, "No: %d lies in %s and %d in %s, and no line joins a vertex of one set to a vertex "
                                "of the other, so no path leads from %d to %d.", far_end, mine, other, theirs, far_end, other);
        }
    }
}

// Asked from the first picture, the graph and its lists before any search: the whole result of the
// outer loop, worked out by hand.
void ask_opening_questions() {
    expect_components();
    ask_same_component_pair();
    char sets[16 * max_vertices] = "";
    int used = 0;
    for (int k = 1; k <= expected_count && used < static_cast<int>(sizeof sets); ++k) {
        char set[8 * max_vertices];
        name_set(k, set, sizeof set);
        used += std::snprintf(sets + used, sizeof sets - static_cast<std::size_t>(used), "%s%s",
                              k == 1 ? "" : k == expected_count ? " and " : ", ", set);
    }
    ask(AnswerKind::number, "How many connected components does the graph have?");
    if (expected_count == 1)
        answer(1, "The graph has 1 connected component, %s: the search from 0 reaches every vertex, so the outer "
                  "loop starts no other search.", sets);
    else
        answer(expected_count, "The graph has %d connected components, %s: each set is joined by its own lines and "
                               "no line leads from one set to another, so the outer loop starts %d searches.",
               expected_count, sets, expected_count);
    ask_table("component", "vertex", 0, vertex_count(),
              "Fill in the component of each vertex: 1 for the vertices the search from 0 reaches, then 2, 3, ... "
              "in the order the outer loop starts the searches.");
    char starts[16 * max_vertices] = "";
    used = 0;
    for (int k = 2, v = 0; k <= expected_count; ++k) {
        while (expected[v] != k) ++v;
        char start[48];
        std::snprintf(start, sizeof start, "component %d at vertex %d", k, v);
        used = join_words(starts, sizeof starts, used, k - 2, expected_count - 1, start);
    }
    if (expected_count == 1)
        answer_table(expected, vertex_count(), "Every vertex is in component 1: the search from 0 reaches them all.");
    else
        answer_table(expected, vertex_count(), "Component 1 is what the search from 0 reaches; each later component "
                     "begins at the lowest-numbered vertex no earlier search reached (%s), and holds every vertex "
                     "a path of lines leads to from there: %s.", starts, sets);
}

// Where a search goes from the top of the stack, asked once: at the first step where a
// discovered neighbour other than the parent has to be passed over, so that the list must be read
// with the discovered vertices in mind, not just taken first to last.
// Only v's first move is asked, before any tree edge leaves it: a student reads v's list from the
// start, as the search does on arriving there.
bool passes_over_discovered(int v, int last) {
    for (int w = 0; w < vertex_count(); ++w)
        if (parent[w] == v) return false;
    for (int j = 0; j < last; ++j)
        if (neighbour(v, j) != parent[v]) return true;
    return false;
}

// Asked before the step that starts a search at v, when an earlier search has finished: the start
// is the lowest-numbered vertex that no search has reached, every lower one being in a component.
// (The first search starts at 0, which the opening step says already.)
void ask_next_start(int v, int k) {
    ask(AnswerKind::vertex, "Component %d is complete. Which vertex starts the next component?", k - 1);
    char lower[8 * max_vertices];
    name_range(0, v, lower, sizeof lower);
    char earlier[48];
    if (k == 2)
        std::snprintf(earlier, sizeof earlier, "component 1");
    else
        std::snprintf(earlier, sizeof earlier, "components 1 %s %d", k == 3 ? "and" : "to", k - 1);
    answer(v, "Vertex %d is the lowest-numbered vertex that no search has reached (%s %s in %s), so the next "
              "search starts there and begins component %d.", v, lower, v == 1 ? "is" : "are", earlier, k);
}

}  // namespace

void say_legend() {
    legend("thin black line and small black dot: an edge and an undiscovered vertex; the number left "
           "of a vertex is its vertex number");
    legend("thick black line: a tree edge, along which a search went to a new vertex");
    for (int k = 1; k <= component_slots / 2; ++k) {
        char entry[160];
        std::snprintf(entry, sizeof entry,
                      "%s disc: a discovered vertex of component %d; larger %s disc: a finished vertex "
                      "of component %d", slot_name[discovered_slot(k)], k, slot_name[finished_slot(k)], k);
        legend(entry);
    }
}

void on_graph_drawn() {
    const int unsorted = unsorted_example();
    char how[1400];
    std::snprintf(how, sizeof how,
                  "The outer loop takes the vertices in number order and starts a depth-first search at each one "
                  "that no earlier search has reached; that vertex begins a new component. A search follows each "
                  "vertex's list in its stored order, %s, and discovers every vertex it can reach along the "
                  "edges, each exactly once. What stays true: every discovered vertex carries "
                  "the number of the search that reached it, and every vertex the outer loop has passed is in a "
                  "component already. So when the loop meets an undiscovered vertex, none of the earlier searches "
                  "could reach it, and it begins a component of its own: the next component always starts at the "
                  "smallest-numbered vertex not yet in one. The number of searches started is therefore the "
                  "number of connected components. On these %d vertices and %d edge%s each vertex is discovered "
                  "once and each list read once, so the work grows with the vertices plus the edges.",
                  unsorted != none ? "which here is not always by number" : "which here is by number",
                  vertex_count(), edge_count_drawn(), edge_count_drawn() == 1 ? "" : "s");
    how_it_works(how);
    algorithm_lines({
        "every vertex starts undiscovered; count = 0",
        "for each vertex s in number order, 0, 1, 2, ...:",
        "  if s is undiscovered:",
        "    count = count + 1: a new component begins at s",
        "    visit(s)",
        "visit(v):",
        "  discover v: it joins component count",
        "  for each neighbour w in v's list, in its stored order (not by number):",
        "    if w is undiscovered:",
        "      v-w is a tree edge; visit(w)",
        "  finish v",
        "the graph has count connected components",
    });
    char example[40 * max_vertices] = "";
    if (unsorted != none) {
        describe_unsorted(unsorted, example, sizeof example);
        char entry[64 * max_vertices];
        std::snprintf(entry, sizeof entry, "the lists are stored unsorted, and the search follows each in its "
                      "stored order, not by number: %s", example);
        legend(entry);
    }
    explain("The graph before any search: %d vertices and %d edge%s, every vertex an undiscovered black dot.",
            vertex_count(), edge_count_drawn(), edge_count_drawn() == 1 ? "" : "s");
    explain("The outer loop will take the vertices in number order and start a depth-first search at each one "
            "that no earlier search has reached; each search covers one connected component, drawn in its own "
            "pair of colours.");
    if (unsorted != none)
        explain("A search tries each vertex's neighbours in the order its list stores them, not by number: %s.",
                example);
    else
        explain("A search tries each vertex's neighbours in the order of its list, which here is by number.");
    for (int v = 0; v < vertex_count(); ++v)
        for (int j = 0; j < degree_of(v); ++j) {
            const int w = neighbour(v, j);
            if (!lists(w, v))
                explain("The edge %d-%d is listed only at vertex %d, so a search can follow it from %d "
                        "but never from %d.", w, v, v, v, w);
        }
    explain_line(line::start);
}

void on_search_starts(int v, int k) {
    if (k == 1) ask_opening_questions();
    // Asked once: a later start follows the same rule, and the opening table has named it already.
    if (k == 2) ask_next_start(v, k);
    char passed[8 * max_vertices];
    name_range(outer_loop_next, v, passed, sizeof passed);
    explain("A new search starts at vertex %d (%s disc), which begins component %d.", v,
            slot_name[discovered_slot(k)], k);
    if (v == outer_loop_next && v == 0)
        explain("The outer loop starts with vertex 0, the smallest number; no search has reached it yet.");
    else if (v == outer_loop_next)
        explain("The outer loop takes vertex %d next, and no search has reached it.", v);
    else
        explain("The outer loop takes the vertices in number order: %s %s in a component already, so it passes "
                "over %s, and %d is the smallest-numbered vertex not yet in a component.", passed,
                v - outer_loop_next == 1 ? "is" : "are", v - outer_loop_next == 1 ? "it" : "them", v);
    explain_line(line::each_start);
    explain_line(line::if_start_undiscovered);
    explain_line(line::new_component);
    explain_line(line::search_from_start);
    outer_loop_next = v + 1;
}

void on_discovered(int v, int k) {
    component[v] = k;
    if (parent[v] != none) {
        const int u = parent[v];
        const int j = position_in_row(u, v, unsaid[u]);
        explain("The search goes down tree edge %d-%d (thick line) to vertex %d (%s disc), which joins component %d.",
                u, v, v, slot_name[discovered_slot(k)], k);
        char list[8 * max_vertices], earlier[32 * max_vertices];
        list_of(u, list, sizeof list);
        name_earlier_neighbours(u, j, earlier, sizeof earlier);
        explain("%d's list is %s; %d is the first neighbour in it that is still undiscovered%s.", u, list, v,
                earlier);
        for (int i = j + 1; i < degree_of(u); ++i) {
            const int w = neighbour(u, i);
            if (w < v && discovery[w] == 0) {
                explain("The list is not sorted: %d comes before %d in it, so the search tries %d first although "
                        "%d is smaller.", v, w, v, w);
                break;
            }
        }
        explain_line(line::each_neighbour);
        explain_line(line::if_undiscovered);
        explain_line(line::tree_edge);
        unsaid[u] = j + 1;
    }
    note_discovered(v);
    explain_line(line::discover);
    say_state();
}

// The tree edge is said in w's own step, the one that shows its line with w's disc.
void on_tree_edge(int v, int w) {
    const int j = position_in_row(v, w, unsaid[v]);
    if (!search_question_asked && passes_over_discovered(v, j)) {
        search_question_asked = true;
        ask_discovered_from(v);
        answer_discovered_from(v, j);
    }
    note_tree_edge(v, w);
}

// Every neighbour but the parent was skipped or searched from v: none is undiscovered now.
void on_finished(int v) {
    if (!search_question_asked && parent[v] != none && passes_over_discovered(v, degree_of(v))) {
        search_question_asked = true;
        ask_discovered_from(v);
        answer_goes_back_from(v, parent[v]);
    }
    note_finished(v);
    const int k = component[v];
    if (parent[v] != none) {
        explain("Vertex %d is finished (%s disc) and the search goes back to its parent %d.", v,
                slot_name[finished_slot(k)], parent[v]);
    } else {
        char members[8 * max_vertices] = "";
        int size = 0;
        for (int w = 0; w < vertex_count(); ++w) size += component[w] == k;
        for (int w = 0, i = 0, used = 0; w < vertex_count(); ++w)
            if (component[w] == k) used = join_words(members, sizeof members, used, i++, size, w);
        if (size == 1)
            explain("Vertex %d is finished (%s disc): the search that started there is over, and component %d is "
                    "complete with this one vertex.", v, slot_name[finished_slot(k)], k);
        else
            explain("Vertex %d is finished (%s disc): the search that started there is over, and component %d is "
                    "complete with %d vertices, %s.", v, slot_name[finished_slot(k)], k, size, members);
    }
    char list[8 * max_vertices], others[8 * max_vertices] = "";
    list_of(v, list, sizeof list);
    int count = 0, used = 0;
    for (int j = 0; j < degree_of(v); ++j)
        if (neighbour(v, j) != parent[v]) ++count;
    for (int j = 0, i = 0; j < degree_of(v); ++j)
        if (neighbour(v, j) != parent[v]) used = join_words(others, sizeof others, used, i++, count, neighbour(v, j));
    if (degree_of(v) == 0)
        explain("%d's list is empty: no edge meets it, so it has no neighbour to discover.", v);
    else if (count == 0)
        explain("%d's list is just %d, its parent, so it has no undiscovered neighbour.", v, parent[v]);
    else if (parent[v] != none)
        explain("%d's list is %s: %d is its parent, and %s %s discovered, so it has no undiscovered neighbour "
                "left.", v, list, parent[v], others, count == 1 ? "is" : count == 2 ? "are both" : "are all");
    else
        explain("%d's list is %s, and %s %s discovered, so it has no undiscovered neighbour left.", v, list,
                others, count == 1 ? "is" : count == 2 ? "are both" : "are all");
    if (parent[v] == none && degree_of(v) > 0)
        explain("No list of a vertex in component %d names a vertex outside it, so no edge leads out of it.", k);
    if (unsaid[v] < degree_of(v)) {
        explain_line(line::each_neighbour);
        explain_line(line::if_undiscovered);
    }
    explain_line(line::finish);
    say_state();
}

void on_search_over(int count) {
    explain("The count appears below the graph: %d connected component%s.", count, count == 1 ? "" : "s");
    char passed[8 * max_vertices];
    name_range(outer_loop_next, vertex_count(), passed, sizeof passed);
    if (outer_loop_next < vertex_count())
        explain("The outer loop goes on over %s: %s in a component already, so no further search starts.",
                passed, vertex_count() - outer_loop_next == 1 ? "it is" : "each is");
    char sets[32 * max_vertices] = "";
    int used = 0;
    for (int k = 1; k <= count; ++k) {
        const char* glue = k == 1 ? "" : k == count ? " and " : ", ";
        used += std::snprintf(sets + used, sizeof sets - used, "%s{", glue);
        for (int v = 0, i = 0; v < vertex_count(); ++v)
            if (component[v] == k) used += std::snprintf(sets + used, sizeof sets - used, "%s%d", i++ ? ", " : "", v);
        used += std::snprintf(sets + used, sizeof sets - used, "}");
    }
    if (count == 1)
        explain("Every vertex is finished and belongs to the one component: 1 search was started, so the graph is "
                "connected, one component, %s.", sets);
    else
        explain("Every vertex is finished and belongs to exactly one component: %d searches were started, so the "
                "graph has %d connected components, %s.", count, count, sets);
    explain_line(line::each_start);
    explain_line(line::if_start_undiscovered);
    explain_line(line::result);
    explain_count("Number of connected components", count);
    explain_table("Component of each vertex", "vertex", "component", component, vertex_count(), 0);
}
