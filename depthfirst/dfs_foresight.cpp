// The narrator's own depth-first search, run ahead of the program's, and the rows to fill that
// speak from it.
#include "dfs_foresight.h"

#include "dfs_narrator.h"
#include "kit.h"

#include <cstdio>
#include <cstdlib>

namespace depth_first {

namespace {

int discovery_of[max_vertices], parent_of[max_vertices], depth_of[max_vertices], children_of[max_vertices];
int discovered_at[max_vertices], finished_at[max_vertices];  // on the one clock
int order[max_vertices], finishes[max_vertices];
int discovered_count, finished_count, clock_ticks;
// The walk, move by move: a discovery (of `vertex`) or a finish.
struct Move {
    bool finish;
    int vertex;
};
Move moves[2 * max_vertices];
int move_count;

void foresee(int v) {
    discovery_of[v] = ++discovered_count;
    order[discovered_count - 1] = v;
    discovered_at[v] = ++clock_ticks;
    moves[move_count++] = {false, v};
    for (int j = 0; j < degree_of(v); ++j) {
        const int w = neighbour(v, j);
        if (discovery_of[w] != 0) continue;
        parent_of[w] = v;
        depth_of[w] = depth_of[v] + 1;
        ++children_of[v];
        foresee(w);
    }
    finished_at[v] = ++clock_ticks;
    finishes[finished_count++] = v;
    moves[move_count++] = {true, v};
}

// The rows' reasons name every vertex as it comes: "1, 4 and 3".
void name_vertices(const int* vertices, int count, char* text, int size) {
    text[0] = '\0';
    for (int i = 0, used = 0; i < count; ++i) used = join_words(text, size, used, i, count, vertices[i]);
}

}  // namespace

void foresee_search() {
    for (int v = 0; v < max_vertices; ++v)
        discovery_of[v] = 0, parent_of[v] = none, depth_of[v] = 0, children_of[v] = 0;
    discovered_count = finished_count = clock_ticks = move_count = 0;
    if (vertex_count() > 0) foresee(0);
}

int foreseen_discovery(int v) { return discovery_of[v]; }
int foreseen_parent(int v) { return parent_of[v]; }
int foreseen_depth(int v) { return depth_of[v]; }
int foreseen_children(int v) { return children_of[v]; }
int foreseen_vertex_discovered(int k) { return order[k - 1]; }
int foreseen_vertex_finished(int k) { return finishes[k - 1]; }

bool foreseen_finished_before_discovered(int u, int w) { return finished_at[u] < discovered_at[w]; }

int foreseen_finished_when_discovered(int w) {
    int count = 0;
    for (int i = 0; i < finished_count; ++i) count += finished_at[finishes[i]] < discovered_at[w];
    return count;
}

bool foreseen_ancestor(int u, int w) {
    for (int v = parent_of[w]; v != none; v = parent_of[v])
        if (v == u) return true;
    return false;
}

int foreseen_climb(int v, int* run, int& next) {
    int i = 0;
    while (i < move_count && !(moves[i].finish && moves[i].vertex == v)) ++i;
    int count = 0;
    for (; i < move_count && moves[i].finish; ++i) run[count++] = moves[i].vertex;
    next = i < move_count ? moves[i].vertex : none;
    return count;
}

void name_way_back(int w, char* text, int size) {
    int used = std::snprintf(text, size, "%d", w);
    for (int v = parent_of[w]; v != none && used < size; v = parent_of[v])
        used += std::snprintf(text + used, size - used, " -> %d", v);
}

void say_walk(char* text, int size, int until) {
    text[0] = '\0';
    int used = 0;
    int last = move_count;
    if (until != none)
        for (last = 0; moves[last].finish || moves[last].vertex != until; ++last) continue;
    if (until != none) ++last;
    for (int i = 0; i < last && used < size;) {
        if (used > 0) used += std::snprintf(text + used, size - used, "; ");
        if (!moves[i].finish) {
            const int v = moves[i++].vertex;
            if (parent_of[v] == none)
                used += std::snprintf(text + used, size - used, "it goes %d", v);
            else
                used += std::snprintf(text + used, size - used, "goes from %d to %d", parent_of[v], v);
            for (; i < last && !moves[i].finish && used < size; ++i)
                used += std::snprintf(text + used, size - used, ", %d", moves[i].vertex);
        } else {
            int run[max_vertices], count = 0;
            for (; i < last && moves[i].finish; ++i) run[count++] = moves[i].vertex;
            char names[8 * max_vertices];
            name_vertices(run, count, names, sizeof names);
            used += std::snprintf(text + used, size - used, "finishes %s", names);
        }
    }
}

void ask_discovery_order_table() {
    ask_table("vertex", "", 1, discovered_count,
              "Work the search through on the lists: in what order will it discover the vertices?");
    char walk[24 * max_vertices], names[8 * max_vertices];
    say_walk(walk, sizeof walk);
    name_vertices(order, discovered_count, names, sizeof names);
    answer_table(order, discovered_count, "From each vertex the search takes the first undiscovered vertex of its "
                 "list, and goes back only when there is none: %s. So the order is %s.", walk, names);
}

void ask_discovery_number_table() {
    ask_table("number", "vertex", 0, vertex_count(),
              "Work the search through on the lists: which discovery number will each vertex get?%s",
              discovered_count < vertex_count() ? " (\"-\" for a vertex it never reaches)" : "");
    int numbers[max_vertices];
    for (int v = 0; v < vertex_count(); ++v) numbers[v] = discovery_of[v] == 0 ? answers::none : discovery_of[v];
    char walk[24 * max_vertices], names[8 * max_vertices];
    say_walk(walk, sizeof walk);
    name_vertices(order, discovered_count, names, sizeof names);
    answer_table(numbers, vertex_count(), "From each vertex the search takes the first undiscovered vertex of its "
                 "list, and goes back only when there is none: %s. It discovers %s in that order, and that order "
                 "gives the numbers 1, 2, 3, ...", walk, names);
}

void ask_finish_order_table() {
    ask_table("vertex", "", 1, finished_count,
              "Work the search through on the lists: in what order will it finish the vertices?");
    char walk[24 * max_vertices], names[8 * max_vertices];
    say_walk(walk, sizeof walk);
    name_vertices(finishes, finished_count, names, sizeof names);
    answer_table(finishes, finished_count, "A vertex is finished once its list has nothing undiscovered left, and "
                 "only then does the search go back to its parent: %s. So the order is %s, with the root 0 last.",
                 walk, names);
}

void ask_parent_table() {
    ask_table("parent", "vertex", 0, vertex_count(),
              "Work the search through on the lists: what will each vertex's parent be? (\"-\" for the root 0%s)",
              discovered_count < vertex_count() ? " and for a vertex it never reaches" : "");
    char pairs[16 * max_vertices];
    pairs[0] = '\0';
    for (int k = 2, used = 0; k <= discovered_count; ++k) {
        char item[32];
        std::snprintf(item, sizeof item, k == 2 ? "%d's parent is %d" : "%d's is %d", order[k - 1], parent_of[order[k - 1]]);
        used = join_words(pairs, sizeof pairs, used, k - 2, discovered_count - 1, item);
    }
    char walk[24 * max_vertices];
    say_walk(walk, sizeof walk);
    answer_table(parent_of, vertex_count(), "A vertex's parent is the vertex from whose list the search discovers it: "
                 "%s; so %s, and the root 0 has none.", walk, discovered_count > 1 ? pairs : "no vertex but 0 is reached");
}

int foreseen_split_step(int& u, int& below, int& elsewhere, bool latest) {
    int best = 0;
    for (int k = 3; k <= discovered_count; ++k) {
        const int next = order[k - 1];
        for (int a = parent_of[next]; a != none && parent_of[a] != none; a = parent_of[a]) {
            int yes = none, no = none;
            for (int i = k - 1; i < discovered_count; ++i) (foreseen_ancestor(a, order[i]) ? no : yes) = order[i];
            if (yes == none || no == none) continue;
            // The middle of the search is where such a pair asks for the most working out.
            if (best == 0 || latest || std::abs(2 * k - discovered_count) < std::abs(2 * best - discovered_count))
                best = k, u = a, below = no, elsewhere = yes;
            break;
        }
    }
    return best;
}

int foreseen_first_child(int v) {
    for (int k = 1; k <= discovered_count; ++k)
        if (parent_of[order[k - 1]] == v) return order[k - 1];
    return none;
}

void ask_leaf_question(int v) {
    ask(AnswerKind::yes_no, "Will vertex %d be a leaf of the depth-first tree, with no tree edge down from it?", v);
    char list[8 * max_vertices];
    list_of(v, list, sizeof list);
    const int child = foreseen_first_child(v);
    if (child == none)
        answer(answers::yes, "Yes: by the time the search reaches %d, every vertex in its list (%s) is discovered "
               "already, so no tree edge goes down from %d.", v, list, v);
    else
        answer(answers::no, "No: when the search reaches %d, %d in its list (%s) is still undiscovered, so tree edge "
               "%d-%d goes down from it.", v, child, list, v, child);
}

void ask_leaf_pair() {
    const int leaf = order[discovered_count - 1];
    int inner = none;
    for (int k = 3; k < discovered_count; ++k)
        if (children_of[order[k - 1]] > 0) inner = order[k - 1];
    if (inner == none) return;
    const int first = leaf % 2 == 0 ? leaf : inner;
    ask_leaf_question(first);
    ask_leaf_question(first == leaf ? inner : leaf);
}

}  // namespace depth_first
