// backtrack's words, said through the depth-first narrator. Each vertex is visited once, so what the
// words remember of a vertex's own loop (has its discovery been said, which neighbours are not
// talked about yet) is kept per vertex.
#include "backtrack_words.h"

#include "dfs_narrator.h"
#include "kit.h"

using namespace depth_first;

namespace {

bool said_discovery[max_vertices];
int unsaid[max_vertices];  // v's neighbours from here on have not been talked about yet

// One sentence for the neighbours that visit() skipped because they were discovered already,
// finished or not.
void say_skipped(int v, int first, int last) {
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
        explain("Edge %s is not a tree edge and gets no arrow: %s is already %s.", edges, ends, state);
    else
        explain("Edges %s are not tree edges and get no arrow: %s are already %s.", edges, ends, state);
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
    legend("second red arrow beside it, shifted right and down: the search going back from a finished "
           "vertex to its parent");
}

void on_graph_drawn() {
    explain("This is an undirected graph of %d vertices. A depth-first search will start at vertex 0; "
            "each vertex it discovers remembers its parent, the vertex it was reached from, and when a "
            "vertex is finished the search goes back to that parent.", vertex_count());
}

// Nothing is said yet: the discovery ring shows with the vertex's first tree arrow or its return arrow.
void on_discovered(int v) { note_discovered(v); }

void on_tree_edge(int v, int w) {
    const int j = position_in_row(v, w, unsaid[v]);
    if (!said_discovery[v]) {
        if (parent[v] == none)
            explain("The search starts at vertex %d: it is discovered (small red circle) and gets "
                    "discovery number %d.", v, discovery[v]);
        else
            explain("Vertex %d is discovered (small red circle) and gets discovery number %d.", v, discovery[v]);
        said_discovery[v] = true;
    } else {
        explain("The search is back at vertex %d and looks at its next neighbours.", v);
    }
    say_skipped(v, unsaid[v], j);
    explain("Edge %d-%d leads to undiscovered vertex %d: a tree edge, so %d becomes the parent of "
            "%d and the search goes down the red arrow %d->%d.", v, w, w, v, w, v, w);
    ask_discovered_from(v);
    answer_discovered_from(v, j);
    note_tree_edge(v, w);
    unsaid[v] = j + 1;
    say_state();
}

void on_finished(int v) {
    if (!said_discovery[v])
        explain("Vertex %d is discovered (small red circle) and gets discovery number %d.", v, discovery[v]);
    else if (unsaid[v] < degree_of(v))
        explain("The search is back at vertex %d and looks at its last neighbours.", v);
    say_skipped(v, unsaid[v], degree_of(v));
    note_finished(v);
    // The root's finish is not asked about: there is no parent to go back to.
    const int p = parent[v];
    if (p == none) {
        say_no_undiscovered_neighbour_left(v, ", so it is finished (large red circle). It is the root: there is "
                                              "no parent to go back to, so its return arrow has zero length and "
                                              "shows as a single red dot.");
    } else {
        ask_discovered_from(v);
        answer_goes_back_from(v, p);
        say_no_undiscovered_neighbour_left(v, ", so it is finished (large red circle) and the search goes back "
                                              "to its parent %d along the return arrow %d->%d.", p, v, p);
    }
    say_state();
    say_finished_so_far();
}

void on_search_over() {
    char tree[16 * max_vertices];
    name_tree_edges(tree, sizeof tree);
    explain("The search is over: all %d vertices were reached from 0. The %d tree edges %s each carry "
            "a pair of arrows, down to the child and back to the parent; the other %d edges closed "
            "cycles and got none.", finish_count, tree_edge_count(), tree, edge_count() - tree_edge_count());
    say_parents();
    say_discovery_numbers("discovery");
}
