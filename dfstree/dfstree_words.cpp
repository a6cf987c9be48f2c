// dfstree's words, said through the depth-first narrator. Each vertex is visited once, so the
// neighbours not talked about yet are kept per vertex.
#include "dfstree_words.h"

#include "dfs_narrator.h"
#include "kit.h"

#include <cstdio>

using namespace depth_first;

namespace {

int unsaid[max_vertices];  // v's neighbours from here on have not been talked about yet
char thin_edges[8 * max_vertices * max_vertices];  // too large for the browser build's stack

void say_passed_over(int v, int first, int last) {
    char edges[16 * max_vertices], names[16 * max_vertices];
    const int count = name_passed_over(v, first, last, edges, names, sizeof edges);
    if (count == 1)
        explain("Edge %s leads to a vertex already discovered, so it is no tree edge and stays thin.", edges);
    else if (count > 1)
        explain("Edges %s lead to vertices already discovered, so they are no tree edges and stay thin.",
                edges);
}

void say_state() {
    say_stack();
    say_parents();
}

// Asked before the step that enters v. The vertex entered just before is the one the search stands
// on, unless it had nothing new left and the search went back first.
void ask_which_is_entered(int v) {
    ask(AnswerKind::vertex, "Which vertex does the search discover next?");
    const int from = parent[v], last = discovery_order[discovery_count - 2];
    if (from == last)
        answer(v, "Vertex %d is the first undiscovered neighbour of %d, in the order of %d's list.", v, from, from);
    else
        answer(v, "Vertex %d has no undiscovered neighbour left, so the search goes back along the tree to %d, whose "
                  "first undiscovered neighbour is %d.", last, from, v);
}

}  // namespace

void say_legend() {
    legend("thin black line and small black disc: an edge and a vertex of the graph; the number beside "
           "a vertex is its vertex number");
    legend("large red disc: a vertex the search has entered (discovered)");
    legend("thick black band: a tree edge, along which the search went to a new vertex");
}

void on_graph_drawn() {
    explain("This is an undirected graph of %d vertices. A depth-first search will start at vertex 0 "
            "and stop at each vertex it enters; the edge it came by becomes a thick band of the "
            "depth-first tree.", vertex_count());
}

void on_discovered(int v) {
    note_discovered(v);
    if (parent[v] != none) ask_which_is_entered(v);
    if (parent[v] == none)
        explain("The search starts at vertex %d and enters it (red disc): discovery number %d.", v,
                discovery_count);
    else
        explain("Edge %d-%d leads to undiscovered vertex %d: a tree edge, now a thick black band. The "
                "search goes down to %d (red disc), whose parent is %d: discovery number %d.",
                parent[v], v, v, v, parent[v], discovery_count);
    say_state();
}

// The tree edge itself is said in w's own step, the one that shows its band.
void on_tree_edge(int v, int w) {
    const int j = position_in_row(v, w, unsaid[v]);
    say_passed_over(v, unsaid[v], j);
    unsaid[v] = j + 1;
    note_tree_edge(v, w);
}

// Said as it happens: v is finished after its last neighbours were passed over.
void on_finished(int v) {
    char edges[16 * max_vertices], names[16 * max_vertices], why[24 * max_vertices] = "";
    const int count = name_passed_over(v, unsaid[v], degree_of(v), edges, names, sizeof edges);
    if (count > 0)
        std::snprintf(why, sizeof why, " (%s %s %s to %s already discovered and %s thin)",
                      count == 1 ? "edge" : "edges", edges, count == 1 ? "leads" : "lead",
                      count == 1 ? "a vertex" : "vertices", count == 1 ? "stays" : "stay");
    if (parent[v] == none)
        say_no_undiscovered_neighbour_left(v, "%s, so it is finished and the search is over.", why);
    else
        say_no_undiscovered_neighbour_left(v, "%s, so it is finished and the search goes back to its parent %d.",
                                           why, parent[v]);
    note_finished(v);
}

void on_search_over() {
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
    explain("All %d vertices were entered. The %d thick bands %s form the depth-first tree; the %d "
            "thin edges %s are not in it.", discovery_count, tree_edge_count(), tree, edges, thin_edges);
    explain_list("Order of entering", discovery_order, discovery_count);
    say_parents();
}
