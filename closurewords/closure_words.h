// The words that closure8 and closure12 both say about a reachability matrix of n vertices, kept
// row by row as n x n ints: how many 1s it has, which pairs a pass added, why a pass added none.
#pragma once

#include "kit.h"

#include <cstdio>

inline int ones_in(const int* cells, int n) {
    int ones = 0;
    for (int c = 0; c < n * n; c++) ones += cells[c];
    return ones;
}

// Appends "i->j" for every off-diagonal 1 of `cells` that is 0 in `before` (or every one when
// `before` is null), comma-separated, to `text` of size `size`; returns how many pairs it named.
inline int name_pairs(char* text, int size, const int* cells, const int* before, int n) {
    int named = 0;
    for (int i = 0; i < n; i++)
        for (int j = 0; j < n; j++) {
            const int c = i * n + j;
            if (i == j || cells[c] != 1 || (before && before[c] == 1)) continue;
            const int used = std::snprintf(nullptr, 0, "%s", text);
            std::snprintf(text + used, size - used, "%s%d->%d", named ? ", " : "", i, j);
            named++;
        }
    return named;
}

// Why a pass through k found nothing new, from the matrix as the pass found it; written into
// `text` of size `size`.
inline void why_nothing(char* text, int size, const int* before, int k, int n) {
    bool reached = false, reaches = false;
    for (int v = 0; v < n; v++) {
        if (v == k) continue;
        if (before[v * n + k]) reached = true;
        if (before[k * n + v]) reaches = true;
    }
    if (!reached && !reaches)
        std::snprintf(text, size, "no other vertex reaches %d and %d reaches no other", k, k);
    else if (!reached)
        std::snprintf(text, size, "no other vertex reaches %d by the paths found so far", k);
    else if (!reaches)
        std::snprintf(text, size, "%d reaches no other vertex by the paths found so far", k);
    else
        std::snprintf(text, size, "every vertex that reaches %d already reaches all that %d reaches", k, k);
}

// How many other vertices each vertex reaches by the matrix, as a table (n at most 16).
inline void explain_reach_table(const char* title, const int* closure, int n) {
    int reached[16] = {};
    for (int i = 0; i < n && i < 16; i++)
        for (int j = 0; j < n; j++)
            if (j != i) reached[i] += closure[i * n + j];
    explain_table(title, "vertex", "reaches", reached, n < 16 ? n : 16, -1);
}
