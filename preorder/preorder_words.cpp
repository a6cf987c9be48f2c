// preorder's words, said through the depth-first narrator. A step shows the entry of the vertex
// discovered last and the next tree edge drawn anywhere, so the words of a step gather as the search
// goes (the discovery, the finishes on the way back, the tree edge) and are said with that edge, or
// at the end. How a tree edge's colour and width follow the leaves is the legend's to say once.
#include "preorder_words.h"

#include "dfs_foresight.h"
#include "dfs_narrator.h"
#include "kit.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace depth_first;

namespace {

// The lines of the algorithm as algorithm_lines says them, counted from 1.
namespace line {
constexpr int start = 1;
constexpr int search_from_0 = 2;
constexpr int over = 3;
constexpr int append_v = 5;
constexpr int each_neighbour = 6;
constexpr int if_undiscovered = 7;
constexpr int tree_edge = 8;
constexpr int search_w = 9;
constexpr int finish = 10;
}  // namespace line

int unsaid[max_vertices];  // v's neighbours from here on have not been looked at in the words yet
// Since the last picture: the vertex discovered (its entry is the one the next picture adds) and the
// vertices finished after it, in order; the first of those is a leaf, the rest were climbed past.
int just_discovered = none;
int finished_since[max_vertices];
int finished_since_count;

// The lines a step carried out while the search looked along v's list from `first` to `last`: the
// loop, and the test for every neighbour it looked at.
void name_lines_looked_along(int first, int last) {
    explain_line(line::each_neighbour);
    if (first < last) explain_line(line::if_undiscovered);
}

// How the vertex discovered since the last picture got there.
void say_discovery() {
    const int v = just_discovered;
    if (parent[v] == none)
        explain("The search starts at vertex %d, the first vertex discovered.", v);
    else
        explain("The search went down edge %d-%d and discovered %d.", parent[v], v, v);
}

// The leaf and the vertices finished after it, each with its list.
void say_finished_since() {
    if (finished_since_count == 0) return;
    const int leaf = finished_since[0];
    char list[8 * max_vertices];
    list_of(leaf, list, sizeof list);
    if (degree_of(leaf) == 1)
        explain("The only vertex in %d's list, %s, is discovered already, so %d is a leaf of the search tree and "
                "is finished.", leaf, list, leaf);
    else
        explain("Every vertex in %d's list, %s, is discovered already, so %d is a leaf of the search tree and is "
                "finished.", leaf, list, leaf);
    if (finished_since_count == 1) return;
    char names[32 * max_vertices * 2];
    const int climbed = finished_since_count - 1;
    name_with_lists(finished_since + 1, climbed, names, sizeof names);
    explain("On the way back, %s %s finished too, since every vertex in %s is discovered already.", names,
            climbed == 1 ? "is" : "are", climbed == 1 ? "its list" : "their lists");
}

// Asked before the step that draws the tree edge v-w, w = neighbour(v, j): which vertex follows the
// last one discovered. When that one is a leaf, the search has gone back up to v, past the vertices
// finished after it, before it finds w.
void ask_discovered_after(int v, int j) {
    const int last = discovery_order[discovery_count - 1];
    char list[8 * max_vertices];
    list_of(last, list, sizeof list);
    ask(AnswerKind::vertex, "After vertex %d, which vertex does the search discover next? (%d's list: %s)", last,
        last, list);
    if (last == v) {
        answer_discovered_from(v, j);
        return;
    }
    const int w = neighbour(v, j);
    char climb[24 + 16 * max_vertices] = "", earlier[32 * max_vertices], v_list[8 * max_vertices];
    if (finished_since_count > 1) {
        const int climbed = finished_since_count - 1;
        int used = std::snprintf(climb, sizeof climb, ", nor %s ", climbed == 1 ? "has" : "have");
        for (int i = 0; i < climbed; ++i) used = join_words(climb, sizeof climb, used, i, climbed, finished_since[i + 1]);
        std::snprintf(climb + used, sizeof climb - used, " on the way back");
    }
    list_of(v, v_list, sizeof v_list);
    name_earlier_neighbours(v, j, earlier, sizeof earlier);
    answer(w, "Vertex %d has no undiscovered neighbour%s, so the search goes back to %d, whose list is %s; %d is the "
              "first neighbour in it still undiscovered%s.", last, climb, v, v_list, w, earlier);
}

// The sheet's questions, chosen when the search starts from the search foreseen, by the discovery
// number of the vertex whose tree edge the step draws: which vertex follows the last one written,
// once straight down and once after a climb back; how deep the deepest vertex will be; and a pair
// on which of two vertices will be leaves.
int straight_step, climb_step, depth_step, deepest, pair_step, pair_leaf, pair_inner;

// Of the steps whose vertex hangs straight below the one written before it (from the third on), the
// one nearest to `target` and not `other`.
int straight_down_near(int target, int other) {
    int best = 0;
    for (int k = 3; k <= reachable_count(); ++k)
        if (k != other && foreseen_parent(foreseen_vertex_discovered(k)) == foreseen_vertex_discovered(k - 1) &&
            (best == 0 || std::abs(k - target) < std::abs(best - target)))
            best = k;
    return best;
}

void choose_questions() {
    const int reached = reachable_count();
    climb_step = 0;
    for (int k = reached; k >= 3; --k)
        if (foreseen_parent(foreseen_vertex_discovered(k)) != foreseen_vertex_discovered(k - 1)) climb_step = k;
    straight_step = straight_down_near(reached / 3 + 1, 0);
    if (climb_step == 0) climb_step = straight_down_near(2 * reached / 3 + 1, straight_step);
    deepest = none;
    for (int k = 4; k <= reached; ++k)
        if (deepest == none || foreseen_depth(foreseen_vertex_discovered(k)) > foreseen_depth(deepest))
            deepest = foreseen_vertex_discovered(k);
    // The last vertex found is a leaf; the last one found before it with a tree edge down from it.
    pair_leaf = foreseen_vertex_discovered(reached), pair_inner = none;
    for (int k = 3; k < reached; ++k)
        if (foreseen_children(foreseen_vertex_discovered(k)) > 0) pair_inner = foreseen_vertex_discovered(k);
    pair_step = pair_inner == none ? 0 : foreseen_discovery(pair_inner);
    // As late as the deepest vertex allows, on a step of its own where there is one.
    depth_step = 0;
    if (deepest != none)
        for (int k = 3; k <= foreseen_discovery(deepest); ++k)
            if (depth_step == 0 || (k != straight_step && k != climb_step && k != pair_step)) depth_step = k;
}

void ask_depth_of_deepest() {
    char way[8 * max_vertices], walk[24 * max_vertices];
    name_way_back(deepest, way, sizeof way);
    say_walk(walk, sizeof walk, deepest);
    ask(AnswerKind::number, "How many tree edges will the path from 0 down to vertex %d have?", deepest);
    answer(foreseen_depth(deepest), "%d: the search %s; so %d hangs below %d, and the path up from it is %s.",
           foreseen_depth(deepest), walk + 3, deepest, foreseen_parent(deepest), way);
}

}  // namespace

void say_legend() {
    legend("grey line: an edge of the graph; the number beside a vertex is its vertex number");
    char entry[500];
    std::snprintf(entry, sizeof entry,
                  "thick coloured line: a tree edge. The first is %s, with a half-width of %d pixels; after each "
                  "leaf of the search tree (a vertex with no tree edge down from it) the next tree edge takes the "
                  "next colour (%s, %s, %s, ...) and is one pixel wider on each side, so the tree edges of one "
                  "downward run share a colour and width", standard::colour_names[standard::red], standard::red + 1,
                  standard::colour_names[standard::red], standard::colour_names[standard::green],
                  standard::colour_names[standard::blue]);
    legend(entry);
    legend("row of numbers below the graph: the preorder, the vertices in the order the search discovered "
           "them; an entry appears with the next tree edge drawn, or at the end");
}

void on_graph_drawn() {
    algorithm_lines({
        "the preorder is empty; every vertex is undiscovered",
        "search(0)",
        "done: the preorder holds the vertices in the order discovered",
        "search(v):",
        "  v is discovered: append v to the preorder",
        "  for each neighbour w in v's list, in order:",
        "    if w is undiscovered:",
        "      v-w is a tree edge",
        "      search(w)",
        "  v is finished: go back to v's parent",
    });
    char how[1200], part[80];
    name_searched_part(part, sizeof part);
    std::snprintf(how, sizeof how,
                  "A depth-first search goes as deep as it can before it turns back: from the vertex it stands on "
                  "it takes the first neighbour in that vertex's list that is still undiscovered, and only when "
                  "the list has nothing undiscovered left is the vertex finished and the search goes back to its "
                  "parent. Writing each vertex down the moment it is discovered gives the preorder: a vertex comes "
                  "before every vertex below it in the search tree. What stays true: the preorder so far holds "
                  "each discovered vertex once, in the order discovered, and the vertices not finished are the "
                  "path of tree edges from 0 to the vertex being searched, the depth-first stack. Every vertex that "
                  "can be reached from 0 gets into the preorder, because a vertex is finished only when every "
                  "vertex in its list is discovered. On %s the search looks at each "
                  "edge once from each end: its cost grows with the vertices plus the edges.",
                  part);
    how_it_works(how);
    explain_line(line::start);
    explain("The graph before the search: %d vertices and %d %s, all grey, and the preorder below it is "
            "empty. A depth-first search will start at vertex 0 and write each vertex it discovers into the "
            "preorder. From every vertex it tries the neighbours in the order of that vertex's list, shown below "
            "these words, %s.", vertex_count(), edge_count(), edges_word(edge_count()), neighbour_order_words());
    say_unreachable();
}

// Said with the next picture: the entry shows with the next tree edge drawn anywhere, or at the end.
void on_discovered(int v) {
    note_discovered(v);
    explain_line(line::append_v);
    explain_line(parent[v] == none ? line::search_from_0 : line::search_w);
    just_discovered = v;
}

void on_tree_edge(int v, int w, int colour) {
    const int j = position_in_row(v, w, unsaid[v]);
    const int last = just_discovered;
    name_lines_looked_along(unsaid[v], j + 1);
    explain_line(line::tree_edge);
    const int k = discovery_count + 1;  // w's discovery number, its entry in the preorder
    if (k == 2) {
        choose_questions();
        ask_discovery_order_table();
    }
    if (k == straight_step || k == climb_step) ask_discovered_after(v, j);
    if (k == depth_step) ask_depth_of_deepest();
    if (k == pair_step) {
        const int first = (pair_leaf + pair_inner) % 2 == 0 ? pair_leaf : pair_inner;
        ask_leaf_question(first);
        ask_leaf_question(first == pair_leaf ? pair_inner : pair_leaf);
    }
    explain("Vertex %d is written as entry %d of the preorder, and tree edge %d-%d is drawn (the new %s line).", last,
            discovery[last], v, w, standard::colour_names[colour]);
    say_discovery();
    say_finished_since();
    char list[8 * max_vertices], earlier[32 * max_vertices];
    list_of(v, list, sizeof list);
    name_earlier_neighbours(v, j, earlier, sizeof earlier);
    if (unsaid[v] > 0 || finished_since_count > 0)
        explain("Back at %d, the search goes on along its list, %s: %d is the first neighbour in it still "
                "undiscovered%s, so edge %d-%d is the next tree edge.", v, list, w, earlier, v, w);
    else
        explain("%d's list is %s; %d is the first neighbour in it still undiscovered%s, so edge %d-%d is the next "
                "tree edge.", v, list, w, earlier, v, w);
    finished_since_count = 0;
    note_tree_edge(v, w);
    unsaid[v] = j + 1;
    say_stack();
    explain_list("Preorder so far", discovery_order, discovery_count);
}

void on_finished(int v) {
    name_lines_looked_along(unsaid[v], degree_of(v));
    explain_line(line::finish);
    unsaid[v] = degree_of(v);
    finished_since[finished_since_count++] = v;
    note_finished(v);
}

void on_search_over() {
    explain_line(line::over);
    const int last = just_discovered;
    explain("Vertex %d is written as entry %d of the preorder, and nothing else is drawn: the search is over.", last,
            discovery[last]);
    say_discovery();
    say_finished_since();
    char grey[120];
    name_edges_left_grey(grey, sizeof grey);
    explain("The root %d has no parent to go back to. The preorder now holds %s %d vertices %sin the order the search "
            "discovered them.", discovery_order[0], all_reachable() ? "all" : "the", discovery_count,
            all_reachable() ? "" : "reached from 0 ");
    if (tree_edge_count() == 1)
        explain("The thick line is the one tree edge; %s.", grey);
    else
        explain("The %d thick lines are the tree edges; %s.", tree_edge_count(), grey);
    say_left_undiscovered();
    explain_list("Preorder", discovery_order, discovery_count);
    say_parents();
}
