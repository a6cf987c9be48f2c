// backtrack's words, said through the depth-first narrator. Each vertex is visited once, so what the
// words remember of a vertex's own loop (has its discovery been said, which neighbours are not
// talked about yet) is kept per vertex.
#include "backtrack_words.h"

#include "dfs_foresight.h"
#include "dfs_narrator.h"
#include "kit.h"

#include <cstdio>
#include <cstdlib>

using namespace depth_first;

namespace {

// The lines of the algorithm as the steps name them.
namespace line {
constexpr int start = 1;
constexpr int search_from_0 = 2;
constexpr int discover = 4;
constexpr int each_neighbour = 5;
constexpr int skip = 6;
constexpr int tree_edge = 7;
constexpr int finish = 9;
constexpr int go_back = 10;
constexpr int result = 11;
}  // namespace line

bool said_discovery[max_vertices];
int unsaid[max_vertices];  // v's neighbours from here on have not been talked about yet

// One sentence for the neighbours that visit() skipped because they were discovered already,
// finished or not. `where` says where in v's list they stand.
void say_skipped(int v, int first, int last, const char* where) {
    int skipped[max_vertices];
    const int count = passed_over(v, first, last, skipped);
    if (count == 0) return;
    bool any_finished = false, any_open = false;
    for (int i = 0; i < count; ++i) (finished[skipped[i]] ? any_finished : any_open) = true;
    char edges[16 * max_vertices], ends[16 * max_vertices];
    name_edges(v, skipped, count, edges, ends, static_cast<int>(sizeof edges));
    const char* state = any_finished && any_open ? "discovered (some finished)"
                        : any_finished            ? "finished"
                                                  : "discovered";
    if (count == 1)
        explain("Edge %s, %s, is skipped and is not a tree edge: %s is already %s, so it would lead to no new "
                "vertex.", edges, where, ends, state);
    else
        explain("Edges %s, %s, are skipped and are not tree edges: %s are already %s, so they would lead to "
                "no new vertex.", edges, where, ends, state);
}

// The sheet's questions, chosen when the search starts, from the search foreseen: the discovery
// number whose tree arrow asks the way on (the last one after a climb back), the vertex whose
// finish asks the way back, the leaf whose return arrows in a row are counted, and where the yes/no
// pair about the way back to 0 is asked.
int way_on_step, way_back_vertex = none, climb_leaf = none;
int split_step, split_u, split_below, split_elsewhere;

void choose_questions() {
    const int reached = reachable_count();
    way_on_step = reached / 2 + 1;
    for (int k = 2; k <= reached; ++k)
        if (foreseen_parent(foreseen_vertex_discovered(k)) != foreseen_vertex_discovered(k - 1)) way_on_step = k;
    // A finish two thirds of the way through, with more than the parent in its list to check.
    int nearest = reached;
    for (int k = 1; k < reached; ++k) {
        const int v = foreseen_vertex_finished(k);
        if (degree_of(v) > 1 && std::abs(3 * k - 2 * reached) < nearest) nearest = std::abs(3 * k - 2 * reached), way_back_vertex = v;
    }
    int longest = 0;
    for (int v = 0; v < vertex_count(); ++v) {
        int run[max_vertices], next;
        if (foreseen_discovery(v) == 0 || foreseen_children(v) != 0 || v == way_back_vertex) continue;
        const int count = foreseen_climb(v, run, next) - (next == none);  // the root's arrow is no way back
        if (count > longest) longest = count, climb_leaf = v;
    }
    split_step = foreseen_split_step(split_u, split_below, split_elsewhere, true);
}

// Asked before the step that draws the tree arrow to the vertex with discovery number split_step.
void ask_way_back_pair() {
    const int first = (split_u + split_elsewhere) % 2 == 0 ? split_elsewhere : split_below;
    for (const int w : {first, first == split_below ? split_elsewhere : split_below}) {
        ask(AnswerKind::yes_no, "When the search is over, will the parent pointers lead from %d back to 0 through %d?",
            w, split_u);
        char walk[24 * max_vertices], way[8 * max_vertices];
        say_walk(walk, sizeof walk, w);
        name_way_back(w, way, sizeof way);
        if (w == split_below)
            answer(answers::yes, "Yes: %d is discovered below %d, while %d is still on the stack (%s), so its way "
                   "back is %s.", w, split_u, split_u, walk, way);
        else
            answer(answers::no, "No: %d is finished first, and %d is discovered later, from %d's list (%s), so its "
                   "way back is %s.", split_u, w, foreseen_parent(w), walk, way);
    }
}

// Asked before the step that finishes the leaf climb_leaf.
void ask_climb_length(int v) {
    int run[max_vertices], next;
    int count = foreseen_climb(v, run, next);
    if (next == none) --count;
    ask(AnswerKind::number, "Vertex %d is a leaf: its list has nothing undiscovered. How many return arrows in a "
        "row will the search follow, starting with %d's, before it %s?", v, v,
        next == none ? "is back at 0 and over" : "goes down a tree edge again");
    char names[8 * max_vertices];
    names[0] = '\0';
    for (int i = 1, used = 0; i < count; ++i) used = join_words(names, sizeof names, used, i - 1, count - 1, run[i]);
    const int top = next == none ? 0 : foreseen_parent(next);
    char list[8 * max_vertices];
    list_of(top, list, sizeof list);
    if (next == none)
        answer(count, "%d: back from %d%s%s, every list on the way has nothing undiscovered left, and at 0 the "
               "search is over.", count, v, count > 1 ? " through " : "", names);
    else if (count == 1)
        answer(count, "1: back at %d, its list (%s) still has %d undiscovered, so the search goes down to %d at once.",
               top, list, next, next);
    else
        answer(count, "%d: back from %d, the lists of %s have nothing undiscovered left either, and only at %d does "
               "the list (%s) still have %d undiscovered.", count, v, names, top, list, next);
}

void say_state() {
    say_stack();
    say_parents();
}

}  // namespace

void say_legend() {
    legend("grey line: an edge of the graph; the number beside a vertex is its vertex number");
    legend("small red circle: a discovered vertex");
    legend("large red circle: a finished vertex");
    legend("red arrow from a vertex to a neighbour: a tree edge, drawn when the search goes down it "
           "from the parent to the child");
    legend("second red arrow beside it, shifted right and down: the return arrow, the search going back "
           "from a finished vertex to its parent; the root's has zero length and shows as a single red dot");
}

void on_graph_drawn() {
    char how[1200], part[80];
    name_searched_part(part, sizeof part);
    std::snprintf(how, sizeof how,
                  "A depth-first search from vertex 0 goes as deep as it can: at each vertex it takes the first "
                  "neighbour in the vertex's list that is still undiscovered, and that neighbour records the vertex "
                  "it came from as its parent. When a vertex has no undiscovered neighbour left it is finished, "
                  "and the search goes back along its parent pointer, the return arrow, to carry on in the "
                  "parent's list where it left off. What stays true: the parent pointers of the discovered "
                  "vertices form a tree rooted at 0, and following them from the vertex being searched gives the "
                  "way back to 0, so the pointers are all the search needs to find its way back. An edge to a "
                  "vertex discovered already is skipped, as it would lead to no new vertex. When the search is "
                  "back at 0 with nothing left, every vertex that can be reached from 0 has been discovered "
                  "exactly once and has its parent. On %s it looks along each edge "
                  "once from each end, so its work grows with the vertices plus the edges.",
                  part);
    how_it_works(how);
    algorithm_lines({
        "every vertex starts undiscovered; the root 0 is its own parent",
        "visit(0)",
        "visit(v):",
        "  discover v",
        "  for each neighbour w in v's list, in the list's order:",
        "    if w is discovered already: skip it",
        "    else: parent[w] = v; go down tree edge v-w",
        "      visit(w)",
        "  finish v",
        "  go back to parent[v] along the return arrow",
        all_reachable() ? "the parent pointers lead from every vertex back to 0"
                        : "the parent pointers lead from every vertex reached back to 0",
    });
    char list[8 * max_vertices];
    list_of(0, list, sizeof list);
    explain("The graph before the search: %d vertices and %d %s (grey lines), none discovered yet.",
            vertex_count(), edge_count(), edges_word(edge_count()));
    explain("A depth-first search will start at vertex 0 and try each vertex's neighbours in the order of its "
            "list, %s: 0's list is %s. Each vertex it discovers remembers its parent, the vertex it was "
            "reached from, and when a vertex is finished the search goes back to that parent.",
            neighbour_order_words(), list);
    say_unreachable();
    explain_line(line::start);
}

// Nothing is said yet: the discovery ring shows with the vertex's first tree arrow or its return arrow.
void on_discovered(int v) { note_discovered(v); }

void on_tree_edge(int v, int w) {
    const int j = position_in_row(v, w, unsaid[v]);
    if (!said_discovery[v] && parent[v] == none) {
        choose_questions();
        ask_parent_table();
        explain("The search starts at vertex %d (small red circle) and goes down tree edge %d-%d (red arrow "
                "%d->%d).", v, v, w, v, w);
        explain_line(line::search_from_0);
    } else if (!said_discovery[v]) {
        explain("Vertex %d is discovered (small red circle) and the search goes down tree edge %d-%d (red arrow "
                "%d->%d).", v, v, w, v, w);
    } else {
        explain("Back at vertex %d, the search goes down tree edge %d-%d (red arrow %d->%d).", v, v, w, v, w);
    }
    if (!said_discovery[v]) {
        explain("%d gets discovery number %d.", v, discovery[v]);
        explain_line(line::discover);
    }
    said_discovery[v] = true;
    char list[8 * max_vertices], earlier[32 * max_vertices];
    list_of(v, list, sizeof list);
    name_earlier_neighbours(v, j, earlier, sizeof earlier);
    explain("%d's list is %s; %d is the first neighbour in it that is still undiscovered%s, so parent[%d] = %d.",
            v, list, w, earlier, w, v);
    say_skipped(v, unsaid[v], j, "before it in the list");
    explain_line(line::each_neighbour);
    if (j > unsaid[v]) explain_line(line::skip);
    explain_line(line::tree_edge);
    if (discovery_count + 1 == way_on_step) {
        ask_discovered_from(v);
        answer_discovered_from(v, j);
    }
    if (discovery_count + 1 == split_step) ask_way_back_pair();
    if (split_step == 0 && discovery_count + 1 == 3 && reachable_count() > 3) ask_leaf_pair();
    note_tree_edge(v, w);
    unsaid[v] = j + 1;
    say_state();
}

void on_finished(int v) {
    const int p = parent[v];
    if (p == none)
        explain("Vertex %d is finished (large red circle); as the root it is its own parent, so its return arrow "
                "has zero length (a single red dot) and the search is over.", v);
    else if (!said_discovery[v])
        explain("Vertex %d is discovered and finished at once (small and large red circles), and the search goes "
                "back to its parent %d (return arrow %d->%d).", v, p, v, p);
    else
        explain("Vertex %d is finished (large red circle) and the search goes back to its parent %d (return arrow "
                "%d->%d).", v, p, v, p);
    if (!said_discovery[v]) {
        explain("%d gets discovery number %d.", v, discovery[v]);
        explain_line(line::discover);
    }
    char list[8 * max_vertices];
    list_of(v, list, sizeof list);
    if (degree_of(v) == 1 && p != none)
        explain("%d's list is just %d, its parent, so it has no undiscovered neighbour.", v, p);
    else
        explain("%d's list is %s, and every vertex in it is discovered now.", v, list);
    say_skipped(v, unsaid[v], degree_of(v), "left in the list");
    if (p != none)
        explain("The way back is parent[%d] = %d, set when the search came down tree edge %d-%d.", v, p, p, v);
    if (unsaid[v] < degree_of(v)) {
        explain_line(line::each_neighbour);
        explain_line(line::skip);
    }
    explain_line(line::finish);
    explain_line(line::go_back);
    note_finished(v);
    // The root's finish is not asked about: there is no parent to go back to.
    if (v == climb_leaf) ask_climb_length(v);
    if (v == way_back_vertex) {
        ask_discovered_from(v);
        answer_goes_back_from(v, p);
    }
    say_state();
    say_finished_so_far();
}

void on_search_over() {
    // The longest way back, pointer by pointer, from the vertex deepest in the tree.
    int deepest = 0, longest = 0;
    for (int v = 0; v < vertex_count(); ++v) {
        int length = 0;
        for (int u = v; parent[u] != none; u = parent[u]) ++length;
        if (length > longest) longest = length, deepest = v;
    }
    char way[8 * max_vertices];
    int used = std::snprintf(way, sizeof way, "%d", deepest);
    for (int v = deepest; parent[v] != none; v = parent[v])
        used += std::snprintf(way + used, sizeof way - used, " -> %d", parent[v]);
    char tree[16 * max_vertices];
    name_tree_edges(tree, sizeof tree);
    if (all_reachable())
        explain("Nothing new is drawn: the search is over, and all %d vertices were reached from 0.", finish_count);
    else
        explain("Nothing new is drawn: the search is over, and %d of the %d vertices were reached from 0.",
                finish_count, vertex_count());
    const int other = discovered_edge_count() - tree_edge_count();
    const char* between = all_reachable() ? "" : " between them";
    char skipped[96];
    if (other == 0)
        std::snprintf(skipped, sizeof skipped, "no other edge%s was skipped", between);
    else if (other == 1)
        std::snprintf(skipped, sizeof skipped, "the other edge%s was skipped and got none", between);
    else
        std::snprintf(skipped, sizeof skipped, "the other %d edges%s were skipped and got none", other, between);
    if (tree_edge_count() == 1)
        explain("The tree edge %s carries a pair of arrows, down to the child and back to the parent; %s.", tree,
                skipped);
    else
        explain("The %d tree edges %s each carry a pair of arrows, down to the child and back to the parent; %s.",
                tree_edge_count(), tree, skipped);
    explain("Following parent pointers leads from any vertex %sback to 0, from the deepest one in %d %s: %s.",
            all_reachable() ? "" : "reached ", longest, longest == 1 ? "step" : "steps", way);
    say_left_undiscovered();
    explain_line(line::result);
    say_parents();
    say_discovery_numbers("discovery");
}
