// components' words, said through the depth-first narrator, which keeps the stack and the parents
// (none for a vertex where a search starts); the components as said are kept here.
#include "components_words.h"

#include "component_colours.h"
#include "dfs_narrator.h"
#include "kit.h"

#include <cstdio>

using namespace depth_first;

namespace {

const char* const slot_name[] = {"black",       "red",        "green",  "blue", "light red",
                                 "light green", "light blue", "yellow", "grey", "white"};
int component[max_vertices];  // 0 before the vertex is discovered

void say_state() {
    say_stack();
    explain_table("Component of each vertex", "vertex", "component", component, vertex_count(), 0);
}

// Asked before the step that starts a search at v, when an earlier search has finished: the start
// is the lowest-numbered vertex that no search has reached, every lower one being in a component.
// (The first search starts at 0, which the opening step says already.)
void ask_next_start(int v, int k) {
    ask(AnswerKind::vertex, "Component %d is complete. Which vertex starts the next component?", k - 1);
    char lower[8 * max_vertices] = "";
    for (int w = 0, used = 0; w < v; ++w) used = join_words(lower, sizeof lower, used, w, v, w);
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
    explain("This graph has %d vertices. Taking the vertices in increasing order, a depth-first search "
            "starts from each one that no earlier search has reached; each search covers one connected "
            "component, drawn in its own pair of colours.", vertex_count());
    for (int v = 0; v < vertex_count(); ++v)
        for (int j = 0; j < degree_of(v); ++j) {
            const int w = neighbour(v, j);
            bool back = false;
            for (int i = 0; i < degree_of(w); ++i) back = back || neighbour(w, i) == v;
            if (!back)
                explain("The line %d-%d is listed only at vertex %d, so a search can follow it from %d "
                        "but never from %d.", w, v, v, v, w);
        }
}

void on_search_starts(int v, int k) {
    if (k > 1) ask_next_start(v, k);
}

void on_discovered(int v, int k) {
    component[v] = k;
    note_discovered(v);
    if (parent[v] == none)
        explain("Vertex %d has not been reached by any earlier search, so a new depth-first search starts "
                "there: it is discovered (%s disc) and begins component %d.", v, slot_name[discovered_slot(k)], k);
    else
        explain("Edge %d-%d leads to undiscovered vertex %d: a tree edge (thick line). The search goes "
                "down to %d, which is discovered (%s disc) and joins component %d.", parent[v], v, v, v,
                slot_name[discovered_slot(k)], k);
    say_state();
}

// The tree edge is said in w's own step, the one that shows its line with w's disc.
void on_tree_edge(int v, int w) { note_tree_edge(v, w); }

// Every neighbour but the parent was skipped or searched from v: none is undiscovered now.
void on_finished(int v) {
    note_finished(v);
    const int k = component[v];
    char others[8 * max_vertices] = "";
    int count = 0, used = 0;
    for (int j = 0; j < degree_of(v); ++j)
        if (neighbour(v, j) != parent[v]) ++count;
    for (int j = 0, i = 0; j < degree_of(v); ++j)
        if (neighbour(v, j) != parent[v]) used = join_words(others, sizeof others, used, i++, count, neighbour(v, j));
    if (count == 0)
        explain("Vertex %d has no neighbour besides its parent,", v);
    else
        say_no_undiscovered_neighbour_left(v, " (%s %s discovered),", others,
                                           count == 1 ? "is" : count == 2 ? "are both" : "are all");
    if (parent[v] != none) {
        explain("so it is finished (%s disc) and the search goes back to its parent %d.",
                slot_name[finished_slot(k)], parent[v]);
    } else {
        int size = 0;
        for (int w = 0; w < vertex_count(); ++w) size += component[w] == k;
        explain("so it is finished (%s disc). It is where this search started, so component %d is "
                "complete with %d vertices.", slot_name[finished_slot(k)], k, size);
    }
    say_state();
}

void on_search_over(int count) {
    ask(AnswerKind::number, "Component %d is complete. How many connected components does the graph have?", count);
    answer(count, "The graph has %d connected components: every vertex was reached by one of the %d "
                  "searches, so no vertex is left to start another.", count, count);
    char sets[32 * max_vertices] = "";
    int used = 0;
    for (int k = 1; k <= count; ++k) {
        const char* glue = k == 1 ? "" : k == count ? " and " : ", ";
        used += std::snprintf(sets + used, sizeof sets - used, "%s{", glue);
        for (int v = 0, i = 0; v < vertex_count(); ++v)
            if (component[v] == k) used += std::snprintf(sets + used, sizeof sets - used, "%s%d", i++ ? ", " : "", v);
        used += std::snprintf(sets + used, sizeof sets - used, "}");
    }
    explain("Every vertex is finished and belongs to a component: %d searches were started, so the "
            "graph has %d connected components, %s.", count, count, sets);
    explain_count("Number of connected components", count);
    explain_table("Component of each vertex", "vertex", "component", component, vertex_count(), 0);
}
