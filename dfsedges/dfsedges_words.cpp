// dfsedges' words, said through the depth-first narrator. Each vertex is visited once, so what the
// words remember of a vertex's own loop (has its discovery been said, did the search just come
// back to it, which neighbours are not talked about yet) is kept per vertex.
#include "dfsedges_words.h"

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
constexpr int if_undiscovered = 6;
constexpr int tree_edge = 7;
constexpr int if_back_edge = 8;
constexpr int back_edge = 9;
constexpr int skip = 10;
constexpr int finish = 11;
constexpr int go_back = 12;
constexpr int result = 13;
}  // namespace line

bool said_discovery[max_vertices];
bool came_back[max_vertices];
int unsaid[max_vertices];  // u's neighbours from here on have not been talked about yet
char back_edge_names[16 * max_vertices * max_vertices];  // too large for the browser build's stack

// A finished neighbour v of u is a descendant of u that met u while u was on the stack: the edge
// was a back edge from v's end, and u skips it. `where` says where in u's list the edges stand.
void say_met_from_other_end(int u, int first, int last, const char* where) {
    int ends[max_vertices];
    const int count = passed_over(u, first, last, ends);
    if (count == 0) return;
    char edges[16 * max_vertices], names[16 * max_vertices], back[16 * max_vertices] = "";
    name_edges(u, ends, count, edges, names, static_cast<int>(sizeof edges));
    char item[16];
    for (int i = 0, used = 0; i < count; ++i) {
        std::snprintf(item, sizeof item, "%d-%d", ends[i], u);
        used = join_words(back, sizeof back, used, i, count, item);
    }
    if (count == 1)
        explain("Edge %s, %s, is skipped: %s is finished, so the search met this edge from %s's end "
                "already, as back edge %s.", edges, where, names, names, back);
    else
        explain("Edges %s, %s, are skipped: %s are finished, so the search met these edges from their "
                "other ends already, as back edges %s.", edges, where, names, back);
}

// The first words of a step that leaves u along the edge to v: where the search is.
void say_at(int u, const char* what, int v, const char* arrow_colour) {
    if (!said_discovery[u] && parent[u] == none)
        explain("The search starts at vertex %d (red disc, discovery number %d) and %s %d-%d (%s arrow "
                "%d->%d).", u, discovery[u], what, u, v, arrow_colour, u, v);
    else if (!said_discovery[u])
        explain("Vertex %d is discovered (red disc, discovery number %d) and the search %s %d-%d (%s arrow "
                "%d->%d).", u, discovery[u], what, u, v, arrow_colour, u, v);
    else if (came_back[u])
        explain("Back at vertex %d, the search %s %d-%d (%s arrow %d->%d).", u, what, u, v, arrow_colour, u, v);
    else
        explain("Still at vertex %d, the search %s %d-%d (%s arrow %d->%d).", u, what, u, v, arrow_colour, u, v);
    if (!said_discovery[u]) explain_line(line::discover);
    if (!said_discovery[u] && parent[u] == none) explain_line(line::search_from_0);
    said_discovery[u] = true;
}

// The sheet's questions: the finishing order as a row to fill and how many back edges there will be,
// at the start; the way on from the first vertex the search comes back to and goes down from again;
// the way back from a vertex finished half way through; and the kind of the first back edge and of
// the first tree edge looked along after one.
int back_edges_in_all, way_back_vertex = none;
bool asked_way_on, asked_first_back, asked_tree_kind;

void choose_questions() {
    back_edges_in_all = reachable_edge_count() - (reachable_count() - 1);
    int nearest = 2 * max_vertices;
    for (int k = 1; k < reachable_count(); ++k) {
        const int v = foreseen_vertex_finished(k);
        if (degree_of(v) > 1 && std::abs(2 * k - reachable_count()) < nearest)
            nearest = std::abs(2 * k - reachable_count()), way_back_vertex = v;
    }
}

void ask_back_edge_count() {
    ask(AnswerKind::number, "How many back edges will the search have found when it is over?");
    const int edges = reachable_edge_count(), tree = reachable_count() - 1;
    answer(back_edges_in_all, "%d: each of the %d %s the search reaches is met first from one end and becomes a tree "
           "edge or a back edge; the %d tree %s one into each vertex but 0, so the other %d %s back %s.",
           back_edges_in_all, edges, edges_word(edges), tree, tree == 1 ? "edge goes" : "edges go", back_edges_in_all,
           back_edges_in_all == 1 ? "is a" : "are", edges_word(back_edges_in_all));
}

// Asked before the step whose green arrow shows the search looking along edge u-v.
void ask_edge_kind(int u, int v) {
    ask(AnswerKind::edge_kind, "The search at %d now looks along edge %d-%d. Is it a tree edge or a back edge?",
        u, u, v);
}

}  // namespace

void say_legend() {
    legend("yellow band: an edge of the graph; the number beside a vertex is its vertex number");
    legend("small red disc: a discovered vertex, not finished yet");
    legend("large blue disc: a finished vertex");
    legend("green arrow with a green dot at its start: the search looking along an edge, from the vertex "
           "at the dot; every arrow runs on the right-hand side of the band as it travels");
    legend("blue arrow on the other side of a green one: a tree edge, the search going back from a "
           "finished vertex to its parent");
    legend("red arrow on the other side of a green one: a back edge, the search turning back from a "
           "vertex that is on the stack already");
    legend("an edge with no arrows yet: the search has not met it from either end");
}

void on_graph_drawn() {
    char how[1200], part[80];
    name_searched_part(part, sizeof part);
    std::snprintf(how, sizeof how,
                  "A depth-first search from vertex 0 goes as deep as it can: at each vertex it takes the first "
                  "neighbour in the vertex's list that is still undiscovered, and only when none is left does it "
                  "finish the vertex and go back to its parent. What stays true: the vertices discovered but not "
                  "finished are the stack, a path of tree edges from 0 down to the vertex being searched. So a "
                  "neighbour that is discovered, not finished and not the parent is an ancestor higher up that "
                  "path, and the edge to it is a back edge that closes a cycle. In an undirected graph there is "
                  "no third kind: the end the search meets an edge from first makes it a tree edge or a back "
                  "edge, and from the other end the search skips it, as it leads to the parent or to a finished "
                  "vertex. On %s the search looks along each edge once from each "
                  "end, %d looks in all, so its work grows with the vertices plus the edges.",
                  part, 2 * reachable_edge_count());
    how_it_works(how);
    algorithm_lines({
        "every vertex starts undiscovered",
        "visit(0)",
        "visit(u):",
        "  discover u: it gets the next discovery number and goes on the stack",
        "  for each neighbour v in u's list, in the list's order:",
        "    if v is undiscovered:",
        "      u-v is a tree edge: parent[v] = u; visit(v)",
        "    else if v is not finished and v is not parent[u]:",
        "      u-v is a back edge to an ancestor of u: turn back and stay at u",
        "    else skip v (u's parent, or finished: u-v was met from v's end)",
        "  finish u: it leaves the stack",
        "  if u has a parent: go back to parent[u] along tree edge u-parent[u]",
        all_reachable() ? "every edge is a tree edge or a back edge"
                        : "every edge reached from 0 is a tree edge or a back edge",
    });
    char list[8 * max_vertices];
    list_of(0, list, sizeof list);
    explain("The graph before the search: %d vertices and %d %s (yellow bands), none discovered yet.",
            vertex_count(), edge_count(), edges_word(edge_count()));
    explain("A depth-first search will start at vertex 0 and try each vertex's neighbours in the order of its "
            "list, %s: 0's list is %s.", neighbour_order_words(), list);
    explain("An edge to an undiscovered vertex becomes a tree edge; an edge to a vertex that is discovered, not "
            "finished and not the parent becomes a back edge.");
    say_unreachable();
    explain_line(line::start);
}

// Nothing is said yet: the red disc shows with the first arrow that leaves u, or under its blue disc.
void on_discovered(int u) { note_discovered(u); }

// Where the search has just come to u, down a tree edge or back from a child, the question is where
// it goes; where it stays at u after a back edge, the kind of the next edge.
void on_tree_edge(int u, int v) {
    const int j = position_in_row(u, v, unsaid[u]);
    if (discovery_count == 1) {
        choose_questions();
        ask_finish_order_table();
    }
    if (discovery_count == 2) ask_back_edge_count();
    // The way on is asked where the search is back at u from below and goes down again.
    if (said_discovery[u] && came_back[u] && !asked_way_on) {
        asked_way_on = true;
        ask_discovered_from(u);
        answer_discovered_from(u, j);
    } else if (said_discovery[u] && !came_back[u] && !asked_tree_kind) {
        asked_tree_kind = true;
        ask_edge_kind(u, v);
        answer(answers::tree_edge, "Edge %d-%d is a tree edge: %d is still undiscovered, so the search "
                                   "goes along it and %d becomes the parent of %d.", u, v, v, u, v);
    }
    say_at(u, "goes down tree edge", v, "green");
    char list[8 * max_vertices], earlier[32 * max_vertices];
    list_of(u, list, sizeof list);
    name_earlier_neighbours(u, j, earlier, sizeof earlier);
    explain("%d's list is %s; %d is the first neighbour in it that is still undiscovered%s, so %d becomes "
            "the parent of %d.", u, list, v, earlier, u, v);
    say_met_from_other_end(u, unsaid[u], j, "before it in the list");
    explain_line(line::each_neighbour);
    explain_line(line::if_undiscovered);
    explain_line(line::tree_edge);
    if (j > unsaid[u]) explain_line(line::skip);
    note_tree_edge(u, v);
    unsaid[u] = j + 1;
    say_stack();
    say_parents();
    came_back[u] = true;  // the next words at u come after the search below v
}

void on_back_edge(int u, int v) {
    const int j = position_in_row(u, v, unsaid[u]);
    // The cycle runs from v down the stack to u and back to v.
    char cycle[8 * max_vertices + 8];
    int used = 0;
    int from = stack_size - 1;
    while (stack[from] != v) --from;
    for (int i = from; i < stack_size; ++i) used += std::snprintf(cycle + used, sizeof cycle - used, "%d-", stack[i]);
    std::snprintf(cycle + used, sizeof cycle - used, "%d", v);
    if (!asked_first_back) {
        asked_first_back = true;
        ask_edge_kind(u, v);
        answer(answers::back_edge, "Edge %d-%d is a back edge: %d is discovered but not finished, an ancestor "
                                   "of %d on the stack, so the edge closes the cycle %s.", u, v, v, u, cycle);
    }
    say_at(u, "looks along back edge", v, "green");
    char list[8 * max_vertices], not_parent[48] = "";
    list_of(u, list, sizeof list);
    if (parent[u] != none) std::snprintf(not_parent, sizeof not_parent, ", and not %d's parent %d", u, parent[u]);
    explain("%d's list is %s, and %d is discovered but not finished: it is on the stack below %d, an ancestor%s. "
            "So %d-%d is a back edge; it closes the cycle %s, and the search does not enter %d.",
            u, list, v, u, not_parent, u, v, cycle, v);
    say_met_from_other_end(u, unsaid[u], j, "before it in the list");
    explain_line(line::each_neighbour);
    explain_line(line::if_undiscovered);
    explain_line(line::if_back_edge);
    explain_line(line::back_edge);
    if (j > unsaid[u]) explain_line(line::skip);
    note_back_edge(u, v);
    unsaid[u] = j + 1;
    say_stack();
}

void on_turned_back(int u, int v) {
    name_back_edges(back_edge_names, sizeof back_edge_names);
    explain("The search turns back along back edge %d-%d (red arrow %d->%d) and stays at %d.", u, v, v, u, u);
    explain("Vertex %d is not entered a second time, so it keeps discovery number %d. Back edges so far: %s.", v,
            discovery[v], back_edge_names);
    explain_line(line::back_edge);
    say_stack();
    came_back[u] = false;
}

// The root's blue disc shows with the last screen; any other vertex's with its blue arrow.
void on_finished(int u) {
    note_finished(u);
    const int p = parent[u];
    const bool discovered_now = !said_discovery[u];
    if (p == none)
        explain("Vertex %d is finished (blue disc) and the search is over: %d is the root, so there is no "
                "parent to go back to.", u, u);
    else if (discovered_now)
        explain("Vertex %d is discovered (discovery number %d) and finished at once (blue disc); the search goes "
                "back to %d (blue arrow %d->%d).", u, discovery[u], p, u, p);
    else
        explain("Vertex %d is finished (blue disc) and the search goes back along tree edge %d-%d to its parent "
                "%d (blue arrow %d->%d).", u, u, p, p, u, p);
    char list[8 * max_vertices];
    list_of(u, list, sizeof list);
    if (degree_of(u) == 1 && p != none)
        explain("%d's list is just %d, its parent, so it has no undiscovered neighbour.", u, p);
    else
        explain("%d's list is %s, and every vertex in it is discovered now.", u, list);
    say_met_from_other_end(u, unsaid[u], degree_of(u), "left in the list");
    if (discovered_now) explain_line(line::discover);
    if (unsaid[u] < degree_of(u)) {
        explain_line(line::each_neighbour);
        explain_line(line::skip);
    }
    explain_line(line::finish);
    if (p == none) return;
    explain_line(line::go_back);
    if (u == way_back_vertex) {
        ask_discovered_from(u);
        answer_goes_back_from(u, p);
    }
    say_stack();
    say_finished_so_far();
}

void on_search_over() {
    char tree[16 * max_vertices];
    name_tree_edges(tree, sizeof tree);
    name_back_edges(back_edge_names, sizeof back_edge_names);
    const int trees = tree_edge_count(), backs = back_edge_count();
    // A back edge needs a cycle, so with one there are at least two tree edges and three edges in all.
    if (backs > 0) {
        explain("The search found %d tree edges (%s) and %d back %s (%s): each of the %d edges %sis exactly one of "
                "the two, decided at the end where the search met it first.", trees, tree, backs, edges_word(backs),
                back_edge_names, discovered_edge_count(), all_reachable() ? "" : "it reached ");
        explain("The tree edges join the %d vertices reached from 0 without a cycle, and %s closes one cycle with "
                "them.", finish_count, backs == 1 ? "the back edge" : "each back edge");
    } else {
        explain("The search found %d tree %s (%s) and no back edge: every edge %sis a tree edge, so there is no "
                "cycle for a back edge to close.", trees, edges_word(trees), tree,
                all_reachable() ? "" : "it reached ");
        explain("The tree %s the %d vertices reached from 0.", trees == 1 ? "edge joins" : "edges join",
                finish_count);
    }
    say_left_undiscovered();
    explain_line(line::result);
    say_parents();
    explain_list("Finished, in order", finish_order, finish_count);
}
