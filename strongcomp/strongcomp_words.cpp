// The words of strongcomp, built from the passes' own state, never from the picture.
#include "strongcomp_words.h"

#include <string>

#include "kit.h"
#include "two_passes.h"

namespace {

std::string first_trees;   // the first pass's trees, as said with its picture
std::string second_trees;  // the second pass's trees, one component each

const char* const colour_name[] = {"black", "red", "green", "blue", "yellow", "grey"};

// The tree edges below v in the order the pass took them: a head whose tree parent is v was entered
// from v, and the lists are walked in the order the pass examined them.
void append_tree_edges(std::string& text, int v, const int (*lists)[vertex_count], const int* sizes) {
    for (int j = 0; j < sizes[v]; ++j) {
        const int w = lists[v][j];
        if (tree_parent[w] != v) continue;
        if (!text.empty()) text += ", ";
        text += std::to_string(v) + "->" + std::to_string(w);
        append_tree_edges(text, w, lists, sizes);
    }
}

std::string vertex_set(const int* in_set) {
    std::string text;
    for (int v = 0; v < vertex_count; ++v)
        if (in_set[v]) text += (text.empty() ? "" : ", ") + std::to_string(v);
    return "{" + text + "}";
}

std::string reversed_arcs() {
    std::string text;
    for (int w = 0; w < vertex_count; ++w)
        for (int j = 0; j < transposed_degree[w]; ++j)
            text += (text.empty() ? "" : ", ") + std::to_string(w) + "->" + std::to_string(transposed[w][j]);
    return text;
}

void explain_components_table() {
    explain_table("component of each vertex", "vertex", "component", component_of, vertex_count, 0);
}

// ---- Questions for --predict: one per pass, since each pass is shown whole ----

// The vertex that finishes first is the first one the pass reaches with no arc to an unvisited
// vertex. Everything visited by then lies on the path down to it, so each of its arcs leads back
// onto that path. Said once the first pass has run, before its picture is shown.
void answer_first_to_finish() {
    const int first = finish_order[vertex_count - 1];
    std::string path = std::to_string(first);
    for (int v = tree_parent[first]; v != -1; v = tree_parent[v]) path = std::to_string(v) + "->" + path;
    std::string arcs;
    for (int j = 0; j < degree[first]; ++j) {
        const char* glue = j == 0 ? "" : j + 1 == degree[first] ? " and " : ", ";
        arcs += glue + std::to_string(first) + "->" + std::to_string(adjacency[first][j]);
    }
    const std::string pass = tree_parent[first] == -1 ? "the pass starts at " + path : "the pass goes down " + path;
    if (degree[first] == 0)
        answer(first, "Vertex %d finishes first, at time 0: %s, and %d has no arc out.", first, pass.c_str(), first);
    else
        answer(first, "Vertex %d finishes first, at time 0: %s, and %s %s back to a vertex on that path, visited "
                      "already.", first, pass.c_str(), degree[first] == 1 ? "its only arc" : "its arcs",
               (arcs + (degree[first] == 1 ? " leads" : " lead")).c_str());
}

// The first tree of the second pass, from the vertex that finished last. Said once the second pass
// has run, before its picture is shown.
void answer_first_component() {
    const int start = finish_order[0];
    int members[vertex_count], in_first[vertex_count], count = 0;
    for (int v = 0; v < vertex_count; ++v) {
        in_first[v] = component_of[v] == 1;
        if (in_first[v]) members[count++] = v;
    }
    std::string edges;
    append_tree_edges(edges, start, transposed, transposed_degree);
    if (edges.empty())
        answer_vertices(members, count, "Component 1 is {%d} alone: along the reversed arcs there is no arc out of %d, "
                                        "so its tree holds nothing else.", start, start);
    else
        answer_vertices(members, count, "Component 1 is %s: from %d the second pass follows the reversed arcs %s, and "
                                        "no other reversed arc leads out of these vertices to an unvisited one.",
                        vertex_set(in_first).c_str(), start, edges.c_str());
}

}  // namespace

void give_strongcomp_legend() {
    legend("small black disc with its number: a vertex of the digraph");
    legend("thin black line with a head seven tenths of the way along: an arc, pointing from its tail to its head");
    legend("red disc and thick red line (second picture): a vertex visited by the first pass and the tree edge it was entered by");
    legend("label (v t) under the graph: vertex v has finishing time t; the row below it lists the vertices in decreasing finishing time");
    legend("third and fourth pictures: the digraph with every arc reversed, drawn with tiny discs and no numbers");
    legend("discs and thick lines in red, green, blue, yellow, grey (fourth and sixth pictures): components 1, 2, 3, 4, 5 in the order the second pass found them");
}

void say_digraph() {
    int arc_count = 0;
    for (int i = 0; i < vertex_count; ++i) arc_count += degree[i];
    explain("This is a digraph of %d vertices and %d arcs. Two depth-first passes will find its strongly connected "
            "components: the first records finishing times, the second searches the reversed arcs.",
            vertex_count, arc_count);
    explain_count("arcs", arc_count);
}

void say_first_tree(int start) {
    std::string edges;
    append_tree_edges(edges, start, adjacency, degree);
    first_trees += first_trees.empty() ? "The first pass starts at vertex " : " It starts again at unvisited vertex ";
    first_trees += std::to_string(start);
    first_trees += edges.empty() ? ", which reaches no unvisited vertex and is a tree by itself."
                                 : " and follows the tree edges " + edges + ".";
}

void ask_first_to_finish() {
    ask(AnswerKind::vertex, "The first pass starts at vertex 0. Which vertex finishes first, with finishing time 0?");
    answer_first_to_finish();
}

void say_first_pass() {
    explain("%s A vertex gets its finishing time once all its arcs are examined: %d finishes first (time 0) and %d "
            "last (time %d). The lower row lists the vertices in decreasing finishing time.",
            first_trees.c_str(), finish_order[vertex_count - 1], finish_order[0], vertex_count - 1);
    explain_table("finishing times", "vertex", "finishing time", finish_time, vertex_count, -1);
    explain_list("vertices in decreasing finishing time", finish_order, vertex_count);
}

void say_reversed_arcs() {
    explain("Now every arc is reversed: an arc v->w becomes w->v. The reversed arcs are %s.",
            reversed_arcs().c_str());
    explain_list("start order for the second pass", finish_order, vertex_count);
}

void say_component_found(int start) {
    int members[vertex_count];
    for (int i = 0; i < vertex_count; ++i) members[i] = component_of[i] == component_number;
    std::string edges;
    append_tree_edges(edges, start, transposed, transposed_degree);
    second_trees += " From " + std::to_string(start);
    second_trees += edges.empty() ? " it reaches nothing new" : " it follows " + edges;
    second_trees += ", so component " + std::to_string(component_number) + " (" +
                    colour_name[component_slot(component_number)] + ") is " + vertex_set(members) + ".";
}

void ask_first_component() {
    ask(AnswerKind::vertices, "The second pass starts at vertex %d, which finished last. Which vertices form the "
                              "first component it finds?", finish_order[0]);
    answer_first_component();
}

void say_second_pass() {
    explain("The second pass searches the reversed arcs, taking as each new start the unvisited vertex with the latest "
            "finishing time; each of its trees is one strongly connected component.%s",
            second_trees.c_str());
    explain_components_table();
    explain_count("components", component_number - 1);
}

void say_back_to_digraph() {
    explain("Back to the original digraph, to mark its %d components on it.", component_number - 1);
}

void say_components() {
    explain("Each vertex now carries the colour of its component. Within a component every vertex can reach every "
            "other along the arcs; the digraph has %d strongly connected components.",
            component_number - 1);
    explain_components_table();
    explain_count("strongly connected components", component_number - 1);
}
