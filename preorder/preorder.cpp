// preorder: a depth-first search from vertex 0 that writes each vertex into a list below the graph
// as it is discovered; each downward run of tree edges has its own colour and width.
#include "demo_graph.h"
#include "demo_words.h"
#include "kit.h"

#include <cstdio>

namespace {

int visited[vertex_count];
int visit_count;
// Palette slot of the next tree edge. It moves on only at leaves of the search tree, so a vertex
// with several children draws its later tree edges in the colour left by the last leaf below it.
int colour_index;

constexpr int list_y = 450;

// For the words only, never for the picture: the path from the root to the vertex being searched,
// the parents (-1 before) and the list as it grows. Everything is said as it happens and gathers
// until the next picture.
constexpr int none = -1;
int stack[vertex_count];
int stack_size;
int parent[vertex_count] = {none, none, none, none, none, none, none, none};
int preorder[vertex_count];
int last_tree_colour = none;
int tree_edge_count;

// The edges passed over since the last words about them, because they led to vertices discovered
// already, and the vertices finished on the way back up that were not leaves: both are told at the
// next tree edge or at the end, so that a long climb reads as one or two sentences.
int passed_from[2 * vertex_count * vertex_count];
int passed_to[2 * vertex_count * vertex_count];
int passed_count;
int climbed[vertex_count];
int climbed_count;

// Keeps the edges from v to the neighbours adjacency[v][first .. last - 1]; the edge to v's own
// parent, the one v was reached by, is left out.
void pass_over(int v, int first, int last) {
    for (int j = first; j < last; ++j) {
        const int w = adjacency[v][j];
        if (w == parent[v]) continue;
        passed_from[passed_count] = v;
        passed_to[passed_count++] = w;
    }
}

void say_passed_over() {
    if (passed_count == 0) return;
    int ends[vertex_count];
    int end_count = 0;
    for (int i = 0; i < passed_count; ++i) {
        bool seen = false;
        for (int e = 0; e < end_count; ++e) seen = seen || ends[e] == passed_to[i];
        if (!seen) ends[end_count++] = passed_to[i];
    }
    char edges[16 * vertex_count * vertex_count], names[16 * vertex_count], item[16];
    int edges_used = 0, names_used = 0;
    for (int i = 0; i < passed_count; ++i) {
        std::snprintf(item, sizeof item, "%d-%d", passed_from[i], passed_to[i]);
        edges_used = join_words(edges, sizeof edges, edges_used, i, passed_count, item);
    }
    for (int e = 0; e < end_count; ++e) {
        std::snprintf(item, sizeof item, "%d", ends[e]);
        names_used = join_words(names, sizeof names, names_used, e, end_count, item);
    }
    explain("%s %s %s no line: %s %s discovered already, so %s.", passed_count == 1 ? "Edge" : "Edges", edges,
            passed_count == 1 ? "gets" : "get", names, end_count == 1 ? "is" : "are",
            passed_count == 1 ? "it is not a tree edge" : "they are not tree edges");
    passed_count = 0;
}

// The climb back up to v, said when the search goes on from v.
void say_climb(int v) {
    if (climbed_count == 0) return;
    char names[16 * vertex_count], item[16];
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

// Asked before the step that draws the tree edge v-w, w = adjacency[v][j]: which vertex follows the
// last one discovered. When that one is a leaf, the search has gone back up to v, past the vertices
// in climbed[], before it finds w. Said before say_climb, which empties climbed[].
void ask_discovered_after(int v, int j) {
    const int last = preorder[visit_count - 1];
    ask(AnswerKind::vertex, "After vertex %d, which vertex does the search discover next?", last);
    if (last == v) {
        answer_discovered_from(v, j);
        return;
    }
    const int w = adjacency[v][j];
    char climb[24 + 16 * vertex_count] = "", earlier[32 * vertex_count];
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
    explain_list("Depth-first stack (bottom to top)", stack, stack_size);
    explain_list("Preorder so far", preorder, visit_count);
}

void map_palette() {
    using namespace standard;
    map_standard_palette({white, black, red, purple, green, pale_green, blue, pale_blue, yellow, grey});
}

// Every edge is drawn twice, once from each end, and a vertex's number goes on before the edges of
// the later vertices, which may cross it.
void draw_graph() {
    for (int v = 0; v < vertex_count; ++v) {
        for (int j = 0; j < degree[v]; ++j) {
            const int w = adjacency[v][j];
            draw_thick_line(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], 1, palette[standard::grey]);
        }
        draw_label(vertex_x[v] + 15, vertex_y[v] - 2, "%d", v);
    }
}

// The list entry is not flipped here: it shows with the next tree edge drawn anywhere, or with the
// final flip for the last vertex discovered.
void visit(int v) {
    const int k = ++visit_count;
    visited[v] = 1;
    draw_label(20 * k + 30, list_y, "%d", v);
    preorder[k - 1] = v;
    stack[stack_size++] = v;
    if (parent[v] == none)
        explain("The search starts at vertex %d: it is discovered and written as entry %d of the list "
                "below the graph.", v, k);
    else
        explain("Vertex %d is discovered and written as entry %d of the list.", v, k);

    int tree_edges = 0;
    int unsaid = 0;  // v's neighbours from here on have not been talked about yet
    for (int j = 0; j < degree[v]; ++j) {
        const int w = adjacency[v][j];
        if (visited[w] == 1) continue;  // discovered, finished or not: a cycle edge gets no line
        ++tree_edges;
        draw_thick_line(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], colour_index + 1,
                        palette[colour_index]);
        ask_discovered_after(v, j);
        if (climbed_count > 0)
            say_climb(v);
        else if (tree_edges > 1)
            explain("The search is back at vertex %d.", v);
        pass_over(v, unsaid, j);
        say_passed_over();
        explain("Edge %d-%d leads to undiscovered vertex %d: a tree edge, drawn in %s with half-width %d.",
                v, w, w, standard::colour_names[colour_index], colour_index + 1);
        if (last_tree_colour != none && colour_index != last_tree_colour)
            explain("Its colour and width have moved on from %s because the search reached a leaf since "
                    "the last tree edge.", standard::colour_names[last_tree_colour]);
        last_tree_colour = colour_index;
        ++tree_edge_count;
        parent[w] = v;
        unsaid = j + 1;
        say_state();
        SDL_Flip(screen);
        wait_step();
        visit(w);
    }
    if (tree_edges == 0) ++colour_index;
    pass_over(v, unsaid, degree[v]);
    --stack_size;
    if (tree_edges == 0) {
        say_passed_over();
        explain("Vertex %d has no undiscovered neighbour, so it is a leaf of the search tree: it is "
                "finished and the colour for tree edges moves on one slot.", v);
    } else if (parent[v] == none) {
        if (climbed_count > 0)
            say_climb(v);
        else
            explain("The search is back at vertex %d.", v);
        say_passed_over();
        explain("Vertex %d has no undiscovered neighbour left, so it is finished. It is the root, so the "
                "search is over.", v);
    } else {
        climbed[climbed_count++] = v;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv, {"preorder", "depth-first search with the discovery-order list",
                             /*draws_random_graph=*/false});
    map_palette();
    SDL_FillRect(screen, nullptr, palette[standard::white]);
    open_labels(20);

    legend("grey line: an edge of the graph; the number beside a vertex is its vertex number");
    legend("thick coloured line: a tree edge; the tree edges of one downward run share a colour, and after "
           "each leaf of the search tree the next one takes the next colour (red, green, blue, ...) and "
           "is one pixel wider on each side");
    legend("row of numbers below the graph: the vertices in the order the search discovered them, its "
           "preorder");

    draw_graph();
    int edge_count = 0;
    for (int v = 0; v < vertex_count; ++v) edge_count += degree[v];
    explain("This is an undirected graph of %d vertices and %d edges, drawn in grey. A depth-first search "
            "will start at vertex 0 and write each vertex it discovers into a list below the graph; the "
            "tree edges it goes down are drawn thick.", vertex_count, edge_count / 2);
    SDL_Flip(screen);
    wait_step();

    colour_index = standard::red;
    visit(0);
    explain("The list now holds all %d vertices in the order the search discovered them: the preorder of "
            "the depth-first search. The %d thick lines are the tree edges; the other %d edges led to "
            "vertices discovered already and stay grey.", visit_count, tree_edge_count,
            edge_count / 2 - tree_edge_count);
    explain_list("Preorder", preorder, visit_count);
    explain_table("Parents", "vertex", "parent", parent, vertex_count, none);
    SDL_Flip(screen);
    wait_step();

    close_labels();
    return end_show();
}
