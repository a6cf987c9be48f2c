// dfsedges' words, said through the depth-first narrator. Each vertex is visited once, so what the
// words remember of a vertex's own loop (has its discovery been said, did the search just come
// back to it, which neighbours are not talked about yet) is kept per vertex.
#include "dfsedges_words.h"

#include "dfs_narrator.h"
#include "kit.h"

#include <cstdio>

using namespace depth_first;

namespace {

bool said_discovery[max_vertices];
bool came_back[max_vertices];
int unsaid[max_vertices];  // u's neighbours from here on have not been talked about yet
char back_edge_names[16 * max_vertices * max_vertices];  // too large for the browser build's stack

// The edges passed over end at finished vertices: each was shown already, from its other end.
void say_passed_over(int u, int first, int last) {
    char edges[16 * max_vertices], names[16 * max_vertices];
    const int count = name_passed_over(u, first, last, edges, names, static_cast<int>(sizeof edges));
    if (count == 0) return;
    if (count == 1)
        explain("Edge %s needs no new arrow: %s is finished, so the edge was shown already from that end.",
                edges, names);
    else
        explain("Edges %s need no new arrows: %s are finished, so the edges were shown already from "
                "those ends.", edges, names);
}

// What the search is doing at u before it looks along the edge to neighbour(u, next).
void say_where(int u, int next) {
    if (said_discovery[u]) {
        int ends[max_vertices];
        const char* neighbours = passed_over(u, unsaid[u], next, ends) > 0 ? "neighbours" : "neighbour";
        if (came_back[u])
            explain("The search is back at vertex %d and looks at its next %s.", u, neighbours);
        else
            explain("The search is still at vertex %d and looks at its next %s.", u, neighbours);
        return;
    }
    if (parent[u] == none)
        explain("The search starts at vertex %d: it is discovered (red disc) and gets discovery number %d.",
                u, discovery[u]);
    else
        explain("Vertex %d is discovered (red disc) and gets discovery number %d.", u, discovery[u]);
    said_discovery[u] = true;
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
}

void on_graph_drawn() {
    explain("This is an undirected graph of %d vertices and %d edges, each drawn as a yellow band. A "
            "depth-first search will start at vertex 0. Each time it looks along an edge it draws a green "
            "arrow beside the band; coming back along the same edge it draws a second arrow on the other "
            "side: blue for a tree edge, red for a back edge.", vertex_count(), edge_count());
}

// Nothing is said yet: the red disc shows with the first arrow that leaves u, or under its blue disc.
void on_discovered(int u) { note_discovered(u); }

// Where the search has just come to u, down a tree edge or back from a child, the question is where
// it goes; where it stays at u after a back edge, the kind of the next edge.
void on_tree_edge(int u, int v) {
    const int j = position_in_row(u, v, unsaid[u]);
    if (!said_discovery[u] || came_back[u]) {
        ask_discovered_from(u);
        answer_discovered_from(u, j);
    } else {
        ask_edge_kind(u, v);
        answer(answers::tree_edge, "Edge %d-%d is a tree edge: %d is still undiscovered, so the search "
                                   "goes along it and %d becomes the parent of %d.", u, v, v, u, v);
    }
    say_where(u, j);
    say_passed_over(u, unsaid[u], j);
    explain("Edge %d-%d leads to undiscovered vertex %d: a tree edge. The search goes along it "
            "(green arrow %d->%d), and %d becomes the parent of %d.", u, v, v, u, v, u, v);
    note_tree_edge(u, v);
    unsaid[u] = j + 1;
    say_stack();
    say_parents();
    came_back[u] = true;  // the next words at u come after the search below v
}

void on_back_edge(int u, int v) {
    const int j = position_in_row(u, v, unsaid[u]);
    say_where(u, j);
    say_passed_over(u, unsaid[u], j);
    // The cycle runs from v down the stack to u and back to v.
    char cycle[8 * max_vertices + 8];
    int used = 0;
    int from = stack_size - 1;
    while (stack[from] != v) --from;
    for (int i = from; i < stack_size; ++i) used += std::snprintf(cycle + used, sizeof cycle - used, "%d-", stack[i]);
    std::snprintf(cycle + used, sizeof cycle - used, "%d", v);
    ask_edge_kind(u, v);
    answer(answers::back_edge, "Edge %d-%d is a back edge: %d is discovered but not finished, an ancestor "
                               "of %d on the stack, so the edge closes the cycle %s.", u, v, v, u, cycle);
    explain("Edge %d-%d leads to vertex %d, which is discovered but not finished: it is on the "
            "stack, an ancestor of %d. So %d-%d is a back edge and closes the cycle %s. The search "
            "looks along it (green arrow %d->%d) but does not enter %d.",
            u, v, v, u, u, v, cycle, u, v, v);
    note_back_edge(u, v);
    unsaid[u] = j + 1;
    say_stack();
}

void on_turned_back(int u, int v) {
    explain("Vertex %d is not entered a second time: the search turns back along back edge %d-%d "
            "(red arrow %d->%d) and stays at %d.", v, u, v, v, u, u);
    say_stack();
    came_back[u] = false;
}

// The root's blue disc shows with the last screen; any other vertex's with its blue arrow.
void on_finished(int u) {
    note_finished(u);
    int ends[max_vertices];
    const int left_over = passed_over(u, unsaid[u], degree_of(u), ends);
    if (!said_discovery[u])  // its red disc is under the blue one before anything is shown
        explain("Vertex %d is discovered and gets discovery number %d.", u, discovery[u]);
    else if (left_over > 0 && came_back[u])
        explain("The search is back at vertex %d and looks at its last %s.", u,
                left_over > 1 ? "neighbours" : "neighbour");
    else if (left_over > 0)
        explain("The search is still at vertex %d and looks at its last %s.", u,
                left_over > 1 ? "neighbours" : "neighbour");
    say_passed_over(u, unsaid[u], degree_of(u));
    const int p = parent[u];
    if (p == none) {
        say_no_undiscovered_neighbour_left(u, ", so it is finished (blue disc). It is the root, so there is no "
                                              "parent to go back to and the search is over.");
        return;
    }
    ask_discovered_from(u);
    answer_goes_back_from(u, p);
    if (!said_discovery[u] && degree_of(u) == 1)
        explain("Its only edge leads back to its parent %d, so it has no undiscovered neighbour: it is "
                "finished at once (the blue disc covers the red one) and the search goes back to %d along "
                "tree edge %d-%d (blue arrow %d->%d).", p, p, u, p, u, p);
    else if (!said_discovery[u])
        explain("It has no undiscovered neighbour, so it is finished at once (the blue disc covers the "
                "red one) and the search goes back to its parent %d along tree edge %d-%d (blue arrow "
                "%d->%d).", p, u, p, u, p);
    else
        say_no_undiscovered_neighbour_left(u, ", so it is finished (blue disc) and the search goes back to its "
                                              "parent %d along tree edge %d-%d (blue arrow %d->%d).",
                                           p, u, p, u, p);
    say_stack();
    say_finished_so_far();
}

void on_search_over() {
    char tree[16 * max_vertices];
    name_tree_edges(tree, sizeof tree);
    name_back_edges(back_edge_names, sizeof back_edge_names);
    explain("The search found %d tree edges (%s), each with a green and a blue arrow, and %d back edges "
            "(%s), each with a green and a red arrow: every one of the %d edges was shown exactly once.",
            tree_edge_count(), tree, back_edge_count(), back_edge_names, tree_edge_count() + back_edge_count());
    say_parents();
    explain_list("Finished, in order", finish_order, finish_count);
}
