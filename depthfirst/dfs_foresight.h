// The search as it will go, worked out by the narrator before the first step: the questions put
// before a picture ask about what the search does later (which vertex it discovers third, whose
// parent is whose, what is finished first), and their answers must be known when they are asked.
//
//     foresee_search();                         // once, from narrate_graph
//     foreseen_discovery(v);  foreseen_parent(v);  foreseen_finished_before(u, w);
//     ask_discovery_order_table();              // a row to fill, answered with its reason
//
// It is a search of its own over the same lists, so the program's search is the one the pictures
// show and this one only speaks for it ahead of time; tests/steps_check.js checks both against a
// third, with an explicit stack.
#pragma once

#include "dfs_narrator.h"

namespace depth_first {

void foresee_search();

int foreseen_discovery(int v);  // 0 for a vertex the search from 0 never reaches
int foreseen_parent(int v);     // none for the root and for a vertex never reached
int foreseen_depth(int v);      // tree edges from 0 down to v
int foreseen_children(int v);   // tree edges down from v
int foreseen_vertex_discovered(int k);  // the vertex with discovery number k, from 1
int foreseen_vertex_finished(int k);    // the k-th vertex finished, from 1
// Both on one clock that ticks at every discovery and every finish.
bool foreseen_finished_before_discovered(int u, int w);
int foreseen_finished_when_discovered(int w);  // how many vertices are finished by then
bool foreseen_ancestor(int u, int w);           // u is on the path of tree edges from 0 to w, u != w

// The search's walk in words, for a reason: "it goes 0, 1, 4, 3; finishes 3; goes from 4 to 6, 5;
// finishes 5, 6, 4 and 1; ...", up to the discovery of `until`, or to the end for none.
void say_walk(char* text, int size, int until = none);

// For a yes/no pair whose answers differ: the discovery number k of a step at which a vertex u on
// the stack (not the root) has one vertex discovered then or later `below` it in the tree and one
// `elsewhere`; of such steps, the one nearest the middle of the
// search, or the last of them when `latest`. 0 when there is none (the tree is a single path, say).
int foreseen_split_step(int& u, int& below, int& elsewhere, bool latest = false);
// The finishes in a row from v's on, into `run`, and the vertex discovered after them (none when the
// search is over by then). Returns how many.
int foreseen_climb(int v, int* run, int& next);
// The way back from w along the parents to be: "6 -> 5 -> 3 -> 4 -> 1 -> 0".
void name_way_back(int w, char* text, int size);
int foreseen_first_child(int v);  // none for a leaf
// "Will v be a leaf of the depth-first tree?", asked and answered.
void ask_leaf_question(int v);
// The pair for a tree with no vertex to split on: the last vertex discovered, a leaf, and the last
// one discovered third or later that is not; asked while both are undiscovered (by the step that
// discovers the third vertex), in an order the graph decides.
void ask_leaf_pair();

// Rows to fill, each asked and answered at once, with the walk as its reason. The columns run over
// the vertices the search reaches (by position) or over every vertex (by vertex number).
void ask_discovery_order_table();
void ask_discovery_number_table();
void ask_finish_order_table();
void ask_parent_table();

}  // namespace depth_first
