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
