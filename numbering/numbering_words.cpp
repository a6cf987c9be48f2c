// numbering's words, said through the depth-first narrator. Each vertex is visited once, so the
// neighbours not talked about yet are kept per vertex. How a tree edge is drawn (its colour slot and
// half-width) is the legend's to say once; the steps say what the search did and why.
#include "numbering_words.h"

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
constexpr int number_v = 5;
constexpr int each_neighbour = 6;
constexpr int if_undiscovered = 7;
constexpr int tree_edge = 8;
constexpr int search_w = 9;
constexpr int finish = 10;
}  // namespace line

int unsaid[max_vertices];  // v's neighbours from here on have not been looked at in the words yet
// Which of the sheet's questions are asked already: each once, spread over the show.
bool asked_from_vertex, asked_goes_back;
int split_step, split_u, split_below, split_elsewhere;  // where the yes/no pair is asked, and about what
// The discovery number at which the search first comes down a tree edge after a climb back; on a
// tree that is one path, none does, and the way on from the middle vertex is asked instead.
int way_on_step;
// The tree edge that leads to the next vertex discovered: its palette slot, and whether the search
// came back to its upper end from an earlier branch before it found it.
int tree_edge_colour;
bool tree_edge_after_return;

// The lines a step carried out while the search looked along v's list from `first` to `last`:
// the loop, and the test for every neighbour it looked at.
void name_lines_looked_along(int first, int last) {
    explain_line(line::each_neighbour);
    if (first < last) explain_line(line::if_undiscovered);
}

// Why v is finished, citing its list.
void say_nothing_left(int v) {
    char list[8 * max_vertices];
    list_of(v, list, sizeof list);
    if (degree_of(v) == 1)
        explain("The only vertex in %d's list, %s, is discovered already, so %d has no undiscovered neighbour left.", v,
                list, v);
    else
        explain("Every vertex in %d's list, %s, is discovered already, so %d has no undiscovered neighbour left.", v,
                list, v);
}

// Asked with the second discovery, about the last vertex the search will discover: how far the
// search has climbed back by then, which the blue discs will show.
void ask_finished_count() {
    const int w = foreseen_vertex_discovered(reachable_count());
    const int count = foreseen_finished_when_discovered(w);
    ask(AnswerKind::number, "When the search discovers vertex %d, how many vertices will be finished (blue discs)?", w);
    char walk[24 * max_vertices];
    say_walk(walk, sizeof walk, w);
    answer(count, "Up to the discovery of %d, %s: %d %s finished by then.", w, walk, count,
           count == 1 ? "vertex is" : "vertices are");
}

// Asked before the step that discovers the vertex with discovery number `split_step`: a vertex u on
// the stack has one vertex to come below it in the tree and one elsewhere, so the two answers
// differ, in an order the graph decides. On a tree that is one path there is no such u, and the
// pair asks which of two vertices still to come will be a leaf.
void ask_finished_before_pair() {
    if (split_step == 0) return ask_leaf_pair();
    const int first = (split_u + split_below) % 2 == 0 ? split_below : split_elsewhere;
    for (const int w : {first, first == split_below ? split_elsewhere : split_below}) {
        ask(AnswerKind::yes_no, "Will vertex %d be finished before vertex %d is discovered?", split_u, w);
        char walk[24 * max_vertices];
        say_walk(walk, sizeof walk, w);
        if (w == split_below)
            answer(answers::no, "No: %d will be discovered from %d's list, below %d in the depth-first tree, while %d "
                   "is still on the stack (%s); %d is finished only after that.", w, foreseen_parent(w), split_u,
                   split_u, walk, split_u);
        else
            answer(answers::yes, "Yes: %d is not below %d in the depth-first tree; %d's list runs out first, and %d "
                   "is discovered later, from %d's list (%s).", w, split_u, split_u, w, foreseen_parent(w), walk);
    }
}

}  // namespace

void say_legend(int graph_vertex_count) {
    legend("grey line and small grey disc: an edge and a vertex of the graph; the number beside a "
           "vertex is its vertex number");
    legend("red disc: a discovered vertex, not finished yet (on the depth-first stack)");
    legend("larger blue disc: a finished vertex");
    // The last tree edge can take slot n - 1: on 9 vertices grey, one slot past the demo graph's.
    const int last_slot = graph_vertex_count - 1 > standard::yellow ? graph_vertex_count - 1 : standard::yellow;
    char colours[200];
    int used = 0;
    for (int slot = standard::red; slot <= last_slot; ++slot)
        used = join_words(colours, sizeof colours, used, slot - standard::red, last_slot - standard::red + 1,
                          standard::colour_names[slot]);
    char entry[600];
    std::snprintf(entry, sizeof entry,
                  "coloured line: a tree edge. Its colour moves on one palette slot (in the order %s) each time a vertex is "
                  "finished, so the tree edges of one downward run share a colour, and a new branch is as many "
                  "slots further on as vertices were finished since the last tree edge", colours);
    legend(entry);
    legend("width of a tree edge: its half-width in pixels is one more than half the number of vertices "
           "discovered before the vertex it leads to, rounded down; the first is as thin as the grey edges, "
           "the later ones thicker, and the width never narrows when the search goes back up");
    legend("label (k : v) in the row at the bottom: vertex v got discovery number k");
}

void on_graph_drawn() {
    algorithm_lines({
        "count = 0; every vertex is undiscovered",
        "search(0)",
        "done: every vertex reached from 0 has its discovery number",
        "search(v):",
        "  count = count + 1; v is discovered with discovery number count",
        "  for each neighbour w in v's list, in order:",
        "    if w is undiscovered:",
        "      v-w is a tree edge",
        "      search(w)",
        "  v is finished: go back to v's parent",
    });
    char how[1200], part[80];
    name_searched_part(part, sizeof part);
    std::snprintf(how, sizeof how,
                  "A depth-first search goes as deep as it can before it turns back: from the vertex it stands on "
                  "it takes the first neighbour in that vertex's list that is still undiscovered, and only when "
                  "the list has nothing undiscovered left is the vertex finished and the search goes back to the "
                  "vertex it came from. Each vertex gets its discovery number, 1 to %d here, the moment the search "
                  "first reaches it. What stays true: the vertices discovered but not finished are exactly the "
                  "path of tree edges from 0 to the vertex being searched, the depth-first stack. No vertex gets "
                  "two numbers, because the search only goes down edges to undiscovered vertices, and every "
                  "vertex that can be reached from 0 gets one, because a vertex is finished only when every "
                  "vertex in its list is discovered. On %s the search looks at each "
                  "edge once from each end, %d looks in all: its cost grows with the vertices plus the edges.",
                  reachable_count(), part, 2 * reachable_edge_count());
    how_it_works(how);
    explain_line(line::start);
    explain("The graph before the search: %d vertices and %d %s, all grey, none discovered yet. A depth-first "
            "search will start at vertex 0 and give each vertex a discovery number, 1, 2, 3, ..., in the order "
            "it reaches them. From every vertex it tries the neighbours in the order of that vertex's list, "
            "shown below these words, %s.", vertex_count(), edge_count(), edges_word(edge_count()),
            neighbour_order_words());
    say_unreachable();
}

void on_discovered(int v) {
    note_discovered(v);
    const int k = discovery[v];
    explain_line(line::number_v);
    char list[8 * max_vertices];
    list_of(v, list, sizeof list);
    if (parent[v] == none) {
        ask_discovery_number_table();
        split_step = foreseen_split_step(split_u, split_below, split_elsewhere);
        way_on_step = (reachable_count() + 1) / 2 + 1;
        for (int k = reachable_count(); k >= 2; --k)
            if (foreseen_parent(foreseen_vertex_discovered(k)) != foreseen_vertex_discovered(k - 1)) way_on_step = k;
        explain_line(line::search_from_0);
        explain("The search starts at vertex %d: it is discovered with discovery number %d, written (%d : %d) "
                "in the row at the bottom. It goes on the depth-first stack, and the search will try its "
                "neighbours in the order of its list: %s.", v, k, k, v, list);
    } else {
        // The tree edge that led here was chosen in the parent's list; the sentence about it waits for
        // this step, the one that shows the edge and v together.
        const int u = parent[v];
        const int j = unsaid[u] - 1;
        char u_list[8 * max_vertices], earlier[32 * max_vertices];
        list_of(u, u_list, sizeof u_list);
        name_earlier_neighbours(u, j, earlier, sizeof earlier);
        explain("Vertex %d is discovered by tree edge %d-%d (the new %s line): discovery number %d, written "
                "(%d : %d) at the bottom.", v, u, v, standard::colour_names[tree_edge_colour], k, k, v);
        if (tree_edge_after_return)
            explain("Back at %d, the search goes on along its list, %s: %d is the first neighbour in it still "
                    "undiscovered%s, so the search goes down edge %d-%d and %d goes on top of the stack.", u, u_list,
                    v, earlier, u, v, v);
        else
            explain("%d's list is %s; %d is the first neighbour in it still undiscovered%s, so the search goes "
                    "down edge %d-%d and %d goes on top of the stack.", u, u_list, v, earlier, u, v, v);
    }
    if (k == 2 && reachable_count() > 2) ask_finished_count();
    if (k == (split_step != 0 ? split_step : 3) && reachable_count() > 3) ask_finished_before_pair();
    say_stack();
    say_discovery_numbers("number");
}

void on_tree_edge(int v, int w, int colour) {
    const int j = position_in_row(v, w, unsaid[v]);
    name_lines_looked_along(unsaid[v], j + 1);
    explain_line(line::tree_edge);
    explain_line(line::search_w);
    tree_edge_colour = colour;
    tree_edge_after_return = unsaid[v] > 0;
    // The first way on after a climb back is the one worth working out.
    if (discovery_count + 1 == way_on_step && !asked_from_vertex) {
        asked_from_vertex = true;
        ask_discovered_from(v);
        answer_discovered_from(v, j);
    }
    note_tree_edge(v, w);
    unsaid[v] = j + 1;
}

void on_finished(int v) {
    name_lines_looked_along(unsaid[v], degree_of(v));
    explain_line(line::finish);
    note_finished(v);
    // The root's finish is not asked about: there is no parent to go back to.
    if (parent[v] == none) {
        explain("Vertex %d is finished (blue disc) and comes off the stack, which is now empty.", v);
        say_nothing_left(v);
        explain("It is the root: there is no parent to go back to, so the search is over.");
    } else {
        // The first finish with more than the parent in its list to check.
        if (!asked_goes_back && degree_of(v) > 1) {
            asked_goes_back = true;
            ask_discovered_from(v);
            answer_goes_back_from(v, parent[v]);
        }
        explain("Vertex %d is finished (blue disc) and comes off the stack; the search goes back to its parent %d.",
                v, parent[v]);
        say_nothing_left(v);
    }
    say_stack();
    say_finished_so_far();
}

void on_search_over() {
    explain_line(line::over);
    char grey[120];
    name_edges_left_grey(grey, sizeof grey);
    explain("Every vertex %shas its discovery number: the row at the bottom lists the %d vertices in the order the "
            "search discovered them.", all_reachable() ? "" : "reached from 0 ", discovery_count);
    if (tree_edge_count() == 1)
        explain("The coloured line is the one tree edge, into the one vertex besides the root 0, so it joins the "
                "two; %s.", grey);
    else
        explain("The %d coloured lines are the tree edges, one into each of them but the root 0, so together they "
                "form a tree joining all %d; %s.", tree_edge_count(), discovery_count, grey);
    say_left_undiscovered();
    explain_list("Vertices by discovery number", discovery_order, discovery_count);
    say_discovery_numbers("number");
}
