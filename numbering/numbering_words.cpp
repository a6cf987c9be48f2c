// numbering's words, said through the depth-first narrator. Each vertex is visited once, so the
// neighbours not talked about yet are kept per vertex.
#include "numbering_words.h"

#include "dfs_narrator.h"
#include "kit.h"

using namespace depth_first;

namespace {

int unsaid[max_vertices];  // v's neighbours from here on have not been talked about yet
// The colour of the last tree edge drawn, and how many vertices were finished by then.
int last_tree_colour = none;
int finished_at_last_tree_edge;

void say_passed_over(int v, int first, int last) {
    char edges[16 * max_vertices], names[16 * max_vertices];
    const int count = name_passed_over(v, first, last, edges, names, static_cast<int>(sizeof edges));
    if (count == 0) return;
    if (count == 1)
        explain("Edge %s gets no line: %s is discovered already, so it is not a tree edge.", edges, names);
    else
        explain("Edges %s get no line: %s are discovered already, so they are not tree edges.", edges,
                names);
}

void say_back_at(int v) {
    if (unsaid[v] > 0) explain("The search is back at vertex %d.", v);
}

}  // namespace

void say_legend() {
    legend("grey line and small grey disc: an edge and a vertex of the graph; the number beside a "
           "vertex is its vertex number");
    legend("red disc: a discovered vertex, not finished yet");
    legend("larger blue disc: a finished vertex");
    legend("coloured line: a tree edge; its colour moves on one palette slot (red, green, blue, purple, "
           "pale green, pale blue, yellow) each time a vertex is finished, and it is wider the more vertices "
           "have been discovered: the first is as thin as the grey edges, the later ones thicker");
    legend("label (k : v) in the row at the bottom: vertex v got discovery number k");
}

void on_graph_drawn() {
    explain("This is an undirected graph of %d vertices and %d edges, drawn in grey. A depth-first search "
            "will start at vertex 0 and give each vertex a discovery number, 1, 2, 3, ..., in the order it "
            "reaches them; the tree edges it goes down are drawn in colour, a new colour after each vertex it "
            "finishes, and wider as more vertices are discovered.", vertex_count(), edge_count());
}

void on_discovered(int v) {
    note_discovered(v);
    const int k = discovery[v];
    if (parent[v] == none)
        explain("The search starts at vertex %d: it is discovered (red disc) and gets discovery number %d, "
                "written as (%d : %d) in the row at the bottom.", v, k, k, v);
    else
        explain("Vertex %d is discovered (red disc) and gets discovery number %d, written as (%d : %d) in "
                "the row at the bottom.", v, k, k, v);
    say_stack();
    say_discovery_numbers("number");
}

void on_tree_edge(int v, int w, int colour, int half_width) {
    const int j = position_in_row(v, w, unsaid[v]);
    say_back_at(v);
    say_passed_over(v, unsaid[v], j);
    explain("Edge %d-%d leads to undiscovered vertex %d: a tree edge, drawn in %s with half-width %d "
            "(one more than half the number of vertices discovered so far, %d, rounded down).", v, w, w,
            standard::colour_names[colour], half_width, discovery_count);
    const int finished_since = finish_count - finished_at_last_tree_edge;
    if (last_tree_colour != none && colour != last_tree_colour)
        explain("Its colour has moved on from %s, one slot for each of the %d vertices finished since the "
                "last tree edge.", standard::colour_names[last_tree_colour], finished_since);
    last_tree_colour = colour;
    finished_at_last_tree_edge = finish_count;
    ask_discovered_from(v);
    answer_discovered_from(v, j);
    note_tree_edge(v, w);
    unsaid[v] = j + 1;
}

void on_finished(int v) {
    say_back_at(v);
    say_passed_over(v, unsaid[v], degree_of(v));
    note_finished(v);
    // The root's finish is not asked about: there is no parent to go back to.
    if (parent[v] == none) {
        say_no_undiscovered_neighbour_left(v, ", so it is finished (blue disc). It is the root, so there is no "
                                              "parent to go back to and the search is over.");
    } else {
        ask_discovered_from(v);
        answer_goes_back_from(v, parent[v]);
        say_no_undiscovered_neighbour_left(v, ", so it is finished (blue disc) and the search goes back to its "
                                              "parent %d; the colour for tree edges moves on one slot.", parent[v]);
    }
    say_stack();
    say_finished_so_far();
}

void on_search_over() {
    explain("Every vertex has its discovery number: the row at the bottom lists the %d vertices in the "
            "order the search discovered them. The %d coloured lines are the tree edges; the other %d edges "
            "led to vertices discovered already and stay grey.", discovery_count, tree_edge_count(),
            edge_count() - tree_edge_count());
    explain_list("Vertices by discovery number", discovery_order, discovery_count);
    say_discovery_numbers("number");
}
