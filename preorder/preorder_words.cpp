// preorder's words, said through the depth-first narrator. Everything is said as it happens and
// gathers until the next picture, which is the next tree edge drawn anywhere.
#include "preorder_words.h"

#include "dfs_narrator.h"
#include "kit.h"

#include <cstdio>

using namespace depth_first;

namespace {

int unsaid[max_vertices];    // v's neighbours from here on have not been talked about yet
int children[max_vertices];  // the tree edges from v so far
int last_tree_colour = none;

// The edges passed over since the last words about them, because they led to vertices discovered
// already, and the vertices finished on the way back up that were not leaves: both are told at the
// next tree edge or at the end, so that a long climb reads as one or two sentences.
constexpr int max_passed = 2 * max_vertices * max_vertices;
int passed_from[max_passed];
int passed_to[max_passed];
int passed_count;
char passed_names[16 * max_passed];  // too large for the browser build's stack
int climbed[max_vertices];
int climbed_count;

void pass_over(int v, int first, int last) {
    int ends[max_vertices];
    const int count = passed_over(v, first, last, ends);
    for (int i = 0; i < count; ++i) {
        passed_from[passed_count] = v;
        passed_to[passed_count++] = ends[i];
    }
}

void say_passed_over() {
    if (passed_count == 0) return;
    int ends[max_vertices];
    int end_count = 0;
    for (int i = 0; i < passed_count; ++i) {
        bool seen = false;
        for (int e = 0; e < end_count; ++e) seen = seen || ends[e] == passed_to[i];
        if (!seen) ends[end_count++] = passed_to[i];
    }
    char names[16 * max_vertices], item[16];
    int edges_used = 0, names_used = 0;
    for (int i = 0; i < passed_count; ++i) {
        std::snprintf(item, sizeof item, "%d-%d", passed_from[i], passed_to[i]);
        edges_used = join_words(passed_names, sizeof passed_names, edges_used, i, passed_count, item);
    }
    for (int e = 0; e < end_count; ++e) {
        std::snprintf(item, sizeof item, "%d", ends[e]);
        names_used = join_words(names, sizeof names, names_used, e, end_count, item);
    }
    explain("%s %s %s no line: %s %s discovered already, so %s.", passed_count == 1 ? "Edge" : "Edges",
            passed_names, passed_count == 1 ? "gets" : "get", names, end_count == 1 ? "is" : "are",
            passed_count == 1 ? "it is not a tree edge" : "they are not tree edges");
    passed_count = 0;
}

// The climb back up to v, said when the search goes on from v.
void say_climb(int v) {
    if (climbed_count == 0) return;
    char names[16 * max_vertices], item[16];
    int used = 0;
    for (int i = 0; i < climbed_count; ++i) {
        std::snprintf(item, sizeof item, "%d", climbed[i]);
        used = join_words(names, sizeof names, used, i, climbed_count, item);
    }
    if (climbed_count == 1)
        explain("Vertex %s has no undiscovered neighbour left, so it is finished too, and the search is "
                "back at vertex %d.", names, v);
    else
        explain("Vertices %s have no undiscovered neighbour left, so they are finished too, and the search "
                "is back at vertex %d.", names, v);
    climbed_count = 0;
}

// Asked before the step that draws the tree edge v-w, w = neighbour(v, j): which vertex follows the
// last one discovered. When that one is a leaf, the search has gone back up to v, past the vertices
// in climbed[], before it finds w. Said before say_climb, which empties climbed[].
void ask_discovered_after(int v, int j) {
    const int last = discovery_order[discovery_count - 1];
    ask(AnswerKind::vertex, "After vertex %d, which vertex does the search discover next?", last);
    if (last == v) {
        answer_discovered_from(v, j);
        return;
    }
    const int w = neighbour(v, j);
    char climb[24 + 16 * max_vertices] = "", earlier[32 * max_vertices];
    if (climbed_count > 0) {
        int used = std::snprintf(climb, sizeof climb, ", nor %s ", climbed_count == 1 ? "has" : "have");
        for (int i = 0; i < climbed_count; ++i)
            used = join_words(climb, sizeof climb, used, i, climbed_count, climbed[i]);
        std::snprintf(climb + used, sizeof climb - used, " on the way back");
    }
    name_earlier_neighbours(v, j, earlier, sizeof earlier);
    answer(w, "Vertex %d has no undiscovered neighbour%s, so the search goes back to %d, where %d is the first "
              "neighbour in its list that is still undiscovered%s.", last, climb, v, w, earlier);
}

void say_state() {
    say_stack();
    explain_list("Preorder so far", discovery_order, discovery_count);
}

}  // namespace

void say_legend() {
    legend("grey line: an edge of the graph; the number beside a vertex is its vertex number");
    legend("thick coloured line: a tree edge; the tree edges of one downward run share a colour, and after "
           "each leaf of the search tree the next one takes the next colour (red, green, blue, ...) and "
           "is one pixel wider on each side");
    legend("row of numbers below the graph: the vertices in the order the search discovered them, its "
           "preorder");
}

void on_graph_drawn() {
    explain("This is an undirected graph of %d vertices and %d edges, drawn in grey. A depth-first search "
            "will start at vertex 0 and write each vertex it discovers into a list below the graph; the "
            "tree edges it goes down are drawn thick.", vertex_count(), edge_count());
}

// The list entry shows with the next tree edge drawn anywhere, or with the final picture.
void on_discovered(int v) {
    note_discovered(v);
    if (parent[v] == none)
        explain("The search starts at vertex %d: it is discovered and written as entry %d of the list "
                "below the graph.", v, discovery[v]);
    else
        explain("Vertex %d is discovered and written as entry %d of the list.", v, discovery[v]);
}

void on_tree_edge(int v, int w, int colour) {
    const int j = position_in_row(v, w, unsaid[v]);
    ++children[v];
    ask_discovered_after(v, j);
    if (climbed_count > 0)
        say_climb(v);
    else if (children[v] > 1)
        explain("The search is back at vertex %d.", v);
    pass_over(v, unsaid[v], j);
    say_passed_over();
    explain("Edge %d-%d leads to undiscovered vertex %d: a tree edge, drawn in %s with half-width %d.",
            v, w, w, standard::colour_names[colour], colour + 1);
    if (last_tree_colour != none && colour != last_tree_colour)
        explain("Its colour and width have moved on from %s because the search reached a leaf since "
                "the last tree edge.", standard::colour_names[last_tree_colour]);
    last_tree_colour = colour;
    note_tree_edge(v, w);
    unsaid[v] = j + 1;
    say_state();
}

// A vertex finished on the way back up is told with the next tree edge, or at the root.
void on_finished(int v) {
    pass_over(v, unsaid[v], degree_of(v));
    note_finished(v);
    if (children[v] == 0) {
        say_passed_over();
        explain("Vertex %d has no undiscovered neighbour, so it is a leaf of the search tree: it is "
                "finished and the colour for tree edges moves on one slot.", v);
    } else if (parent[v] == none) {
        if (climbed_count > 0)
            say_climb(v);
        else
            explain("The search is back at vertex %d.", v);
        say_passed_over();
        say_no_undiscovered_neighbour_left(v, ", so it is finished. It is the root, so the search is over.");
    } else {
        climbed[climbed_count++] = v;
    }
}

void on_search_over() {
    explain("The list now holds all %d vertices in the order the search discovered them: the preorder of "
            "the depth-first search. The %d thick lines are the tree edges; the other %d edges led to "
            "vertices discovered already and stay grey.", discovery_count, tree_edge_count(),
            edge_count() - tree_edge_count());
    explain_list("Preorder", discovery_order, discovery_count);
    say_parents();
}
