// Words that the depth-first views of the demo graph share: the edges from one vertex to some of
// its neighbours, named as "4-6 and 4-7", and those neighbours as "6 and 7".
#pragma once

#include "demo_graph.h"
#include "kit.h"

#include <cstdio>

// Each of `edges` and `names` has room for `size` characters.
inline void name_edges(int v, const int* ends, int count, char* edges, char* names, int size) {
    edges[0] = names[0] = '\0';
    int edges_used = 0, names_used = 0;
    char item[16];
    for (int i = 0; i < count; ++i) {
        std::snprintf(item, sizeof item, "%d-%d", v, ends[i]);
        edges_used = join_words(edges, size, edges_used, i, count, item);
        names_used = join_words(names, size, names_used, i, count, ends[i]);
    }
}

// ---- Questions for --predict: where the search goes from a vertex ----------------------------

// The neighbours before adjacency[v][j] in v's list, all discovered by the time the search looks at
// adjacency[v][j], as " (0 and 5, before it in the list, are discovered already)"; "" when it is the first.
inline void name_earlier_neighbours(int v, int j, char* text, int size) {
    text[0] = '\0';
    if (j == 0) return;
    char names[16 * vertex_count];
    names[0] = '\0';
    int used = 0;
    for (int i = 0; i < j; ++i) used = join_words(names, sizeof names, used, i, j, adjacency[v][i]);
    std::snprintf(text, size, " (%s, before it in the list, %s discovered already)", names, j == 1 ? "is" : "are");
}

// Asked before the step that shows where the search goes from v: down a tree edge to a vertex it
// discovers there, or back to v's parent.
inline void ask_discovered_from(int v) {
    ask(AnswerKind::vertex_or_back, "From vertex %d, which vertex does the search discover next?", v);
}

// The answer when it discovers adjacency[v][j], the first neighbour in v's list still undiscovered.
inline void answer_discovered_from(int v, int j) {
    const int w = adjacency[v][j];
    char earlier[32 * vertex_count];
    name_earlier_neighbours(v, j, earlier, sizeof earlier);
    answer(w, "Vertex %d is the first neighbour of %d in its list that is still undiscovered%s, so edge %d-%d "
              "is the next tree edge.", w, v, earlier, v, w);
}

// The answer when v has no undiscovered neighbour left and the search goes back to its parent.
inline void answer_goes_back_from(int v, int parent) {
    char names[16 * vertex_count];
    names[0] = '\0';
    int used = 0;
    for (int i = 0; i < degree[v]; ++i) used = join_words(names, sizeof names, used, i, degree[v], adjacency[v][i]);
    if (degree[v] == 1)
        answer(answers::goes_back, "The only neighbour of %d, %s, is discovered already, so %d is finished "
                                   "and the search goes back to its parent %d.", v, names, v, parent);
    else
        answer(answers::goes_back, "Every neighbour of %d (%s) is discovered already, so %d is finished "
                                   "and the search goes back to its parent %d.", v, names, v, parent);
}
