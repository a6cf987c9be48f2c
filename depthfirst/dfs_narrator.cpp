// The depth-first narrator's state and the words the depth-first views share.
#include "dfs_narrator.h"

#include "dfs_foresight.h"

#include "kit.h"

#include <cstdarg>
#include <cstdio>

namespace depth_first {

namespace {

int graph_vertex_count;
const int* graph_degree;
const int* graph_adjacency;
int graph_row_length;

constexpr int max_edges = max_vertices * max_vertices;
int tree_from[max_vertices], tree_to[max_vertices];
int tree_edges;
int back_from[max_edges], back_to[max_edges];
int back_edges;
void name_pairs(const int* from, const int* to, int count, char* text, int size) {
    text[0] = '\0';
    int used = 0;
    for (int i = 0; i < count && used < size; ++i)
        used += std::snprintf(text + used, size - used, "%s%d-%d", i == 0 ? "" : ", ", from[i], to[i]);
}

}  // namespace

int stack[max_vertices];
int stack_size;
int parent[max_vertices];
int discovery[max_vertices];
int discovery_count;
int discovery_order[max_vertices];
int finish_order[max_vertices];
int finish_count;
bool finished[max_vertices];

void narrate_graph(int vertex_count, const int* degree, const int* adjacency, int row_length) {
    graph_vertex_count = vertex_count;
    graph_degree = degree;
    graph_adjacency = adjacency;
    graph_row_length = row_length;
    for (int v = 0; v < max_vertices; ++v) parent[v] = none;
    foresee_search();
    explain_lists_from_now_on(lists_title, vertex_count, degree, adjacency, row_length);
    char entry[300];
    std::snprintf(entry, sizeof entry, "neighbour lists (with every step): the search tries each vertex's neighbours "
                  "in the order of its list, %s", neighbour_order_words());
    legend(entry);
}

const char* neighbour_order_words() {
    for (int v = 0; v < graph_vertex_count; ++v)
        for (int j = 1; j < graph_degree[v]; ++j)
            if (neighbour(v, j) < neighbour(v, j - 1)) return "which is not always by number";
    return "which here is by increasing vertex number";
}

void name_with_lists(const int* vertices, int count, char* text, int size) {
    text[0] = '\0';
    int used = 0;
    for (int i = 0; i < count; ++i) {
        char list[8 * max_vertices], item[16 + 8 * max_vertices];
        list_of(vertices[i], list, sizeof list);
        std::snprintf(item, sizeof item, "%d (list %s)", vertices[i], list);
        used = join_words(text, size, used, i, count, item);
    }
}

void list_of(int v, char* text, int size) {
    text[0] = '\0';
    int used = 0;
    for (int j = 0; j < degree_of(v) && used < size; ++j)
        used += std::snprintf(text + used, static_cast<std::size_t>(size - used), "%s%d", j == 0 ? "" : ", ", neighbour(v, j));
}

int vertex_count() { return graph_vertex_count; }
int degree_of(int v) { return graph_degree[v]; }
int neighbour(int v, int j) { return graph_adjacency[v * graph_row_length + j]; }

int position_in_row(int v, int w, int from) {
    int j = from;
    while (j < degree_of(v) && neighbour(v, j) != w) ++j;
    return j;
}

int edge_count() {
    int ends = 0;
    for (int v = 0; v < graph_vertex_count; ++v) ends += graph_degree[v];
    return ends / 2;
}

// What the search from 0 reaches is what it discovers: the foreseen search says it.
bool all_reachable() { return reachable_count() == graph_vertex_count; }
int reachable_count() {
    int count = 0;
    for (int v = 0; v < graph_vertex_count; ++v) count += foreseen_discovery(v) != 0;
    return count;
}

int reachable_edge_count() {
    int ends = 0;
    for (int v = 0; v < graph_vertex_count; ++v)
        if (foreseen_discovery(v) != 0) ends += graph_degree[v];
    return ends / 2;
}

void name_searched_part(char* text, int size) {
    if (all_reachable())
        std::snprintf(text, size, "these %d vertices and %d %s", graph_vertex_count, edge_count(),
                      edges_word(edge_count()));
    else
        std::snprintf(text, size, "the %d vertices and %d %s that can be reached from 0", reachable_count(),
                      reachable_edge_count(), edges_word(reachable_edge_count()));
}

void say_unreachable() {
    if (all_reachable()) return;
    char names[8 * max_vertices];
    names[0] = '\0';
    const int count = graph_vertex_count - reachable_count();
    for (int v = 0, i = 0, used = 0; v < graph_vertex_count; ++v)
        if (foreseen_discovery(v) == 0) used = join_words(names, sizeof names, used, i++, count, v);
    explain("No path of edges leads from 0 to %s %s, so the search from 0 will never discover %s: it stays "
            "with the %d vertices it can reach.", count == 1 ? "vertex" : "vertices", names,
            count == 1 ? "it" : "them", reachable_count());
}

int discovered_edge_count() {
    int ends = 0;
    for (int v = 0; v < graph_vertex_count; ++v)
        for (int j = 0; j < graph_degree[v]; ++j)
            if (discovery[v] != 0 && discovery[neighbour(v, j)] != 0) ++ends;
    return ends / 2;
}

void say_left_undiscovered() {
    const int count = graph_vertex_count - discovery_count;
    if (count == 0) return;
    char names[8 * max_vertices];
    names[0] = '\0';
    for (int v = 0, i = 0, used = 0; v < graph_vertex_count; ++v)
        if (discovery[v] == 0) used = join_words(names, sizeof names, used, i++, count, v);
    const int edges = edge_count() - discovered_edge_count();
    char looked[64] = "";
    if (edges > 0)
        std::snprintf(looked, sizeof looked, " and never looked along %s %d %s", count == 1 ? "its" : "their", edges,
                      edges == 1 ? "edge" : "edges");
    explain("%s %s %s no discovery number: no path of edges leads to %s from 0, so the search never reached %s%s.",
            count == 1 ? "Vertex" : "Vertices", names, count == 1 ? "has" : "have", count == 1 ? "it" : "them",
            count == 1 ? "it" : "them", looked);
}

const char* edges_word(int count) { return count == 1 ? "edge" : "edges"; }

void name_edges_left_grey(char* text, int size) {
    const int other = discovered_edge_count() - tree_edges;
    const char* between = graph_vertex_count == discovery_count ? "" : " between them";
    if (other == 0)
        std::snprintf(text, size, "no other edge%s is left grey", between);
    else if (other == 1)
        std::snprintf(text, size, "the other edge%s led to a vertex discovered already and stays grey", between);
    else
        std::snprintf(text, size, "the other %d edges%s led to vertices discovered already and stay grey", other,
                      between);
}

void note_discovered(int v) {
    discovery[v] = ++discovery_count;
    discovery_order[discovery_count - 1] = v;
    stack[stack_size++] = v;
}

void note_tree_edge(int u, int v) {
    parent[v] = u;
    tree_from[tree_edges] = u;
    tree_to[tree_edges++] = v;
}

void note_back_edge(int u, int v) {
    back_from[back_edges] = u;
    back_to[back_edges++] = v;
}

void note_finished(int v) {
    finish_order[finish_count++] = v;
    finished[v] = true;
    --stack_size;
}

int tree_edge_count() { return tree_edges; }
int back_edge_count() { return back_edges; }
void name_tree_edges(char* text, int size) { name_pairs(tree_from, tree_to, tree_edges, text, size); }
void name_back_edges(char* text, int size) { name_pairs(back_from, back_to, back_edges, text, size); }

int passed_over(int u, int first, int last, int* ends) {
    int count = 0;
    for (int j = first; j < last; ++j) {
        const int v = neighbour(u, j);
        if (v != parent[u]) ends[count++] = v;
    }
    return count;
}

void name_edges(int v, const int* ends, int count, char* edges, char* names, int size) {
    edges[0] = names[0] = '\0';
    int edges_used = 0, names_used = 0;
    char item[16];
    for (int i = 0; i < count; ++i) {
        std::snprintf(item, sizeof item, "%d-%d", v, ends[i]);
        edges_used = join_words(edges, size, edges_used, i, count, item);
        names_used = join_words(names, size, names_used, i, count, ends[i]);
    }
}

int name_passed_over(int u, int first, int last, char* edges, char* names, int size) {
    int ends[max_vertices];
    const int count = passed_over(u, first, last, ends);
    name_edges(u, ends, count, edges, names, size);
    return count;
}

void say_no_undiscovered_neighbour_left(int v, const char* rest_format, ...) {
    char rest[1024];
    va_list arguments;
    va_start(arguments, rest_format);
    std::vsnprintf(rest, sizeof rest, rest_format, arguments);
    va_end(arguments);
    explain("Vertex %d has no undiscovered neighbour left%s", v, rest);
}

void say_stack() { explain_list("Depth-first stack (bottom to top)", stack, stack_size); }

void say_parents() { explain_table("Parents", "vertex", "parent", parent, graph_vertex_count, none); }

void say_discovery_numbers(const char* value_heading) {
    explain_table("Discovery numbers", "vertex", value_heading, discovery, graph_vertex_count, 0);
}

void say_finished_so_far() { explain_list("Finished so far, in order", finish_order, finish_count); }

void name_earlier_neighbours(int v, int j, char* text, int size) {
    text[0] = '\0';
    if (j == 0) return;
    char names[16 * max_vertices];
    names[0] = '\0';
    int used = 0;
    for (int i = 0; i < j; ++i) used = join_words(names, sizeof names, used, i, j, neighbour(v, i));
    std::snprintf(text, size, " (%s, before it in the list, %s discovered already)", names, j == 1 ? "is" : "are");
}

void ask_discovered_from(int v) {
    char list[8 * max_vertices];
    list_of(v, list, sizeof list);
    ask(AnswerKind::vertex_or_back, "From vertex %d, which vertex does the search discover next? (%d's list: %s)", v, v,
        list);
}

void answer_discovered_from(int v, int j) {
    const int w = neighbour(v, j);
    char list[8 * max_vertices], earlier[32 * max_vertices];
    list_of(v, list, sizeof list);
    name_earlier_neighbours(v, j, earlier, sizeof earlier);
    answer(w, "%d's list is %s; %d is the first neighbour in it that is still undiscovered%s, so edge %d-%d is "
              "the next tree edge.", v, list, w, earlier, v, w);
}

void answer_goes_back_from(int v, int parent) {
    char list[8 * max_vertices];
    list_of(v, list, sizeof list);
    if (degree_of(v) == 1)
        answer(answers::goes_back, "%d's list is just %s, which is discovered already, so %d is finished "
                                   "and the search goes back to its parent %d.", v, list, v, parent);
    else
        answer(answers::goes_back, "%d's list is %s, and every vertex in it is discovered already, so %d is "
                                   "finished and the search goes back to its parent %d.", v, list, v, parent);
}

}  // namespace depth_first
