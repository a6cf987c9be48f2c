// dfstree: a depth-first search from vertex 0 that paints each vertex red as it is entered and
// redraws the tree edge it came by as a thick black band; one key per vertex.
#include "demo_graph.h"
#include "kit.h"

#include <cstdio>

namespace {

// Slots in the order the colours are mapped.
enum Slot { white, black, red };

int visited[vertex_count];

constexpr int graph_half_width = 1;
constexpr int tree_half_width = 4;
constexpr int vertex_radius = 4;
constexpr int entered_radius = 7;

// For the words only, never for the picture: the path from the root to the vertex being searched,
// the parents (-1 before a vertex is entered), and the order of entering.
constexpr int none = -1;
int stack[vertex_count];
int stack_size;
int parent[vertex_count] = {none, none, none, none, none, none, none, none};
int entered[vertex_count];
int entered_count;

// Names the edges from v to the neighbours adjacency[v][first .. last - 1] that the search passed
// over because they were entered already; the edge back to v's own parent, the band v came by, is
// left out. Returns how many were named.
int passed_over(int v, int first, int last, char* edges, int size) {
    int count = 0;
    for (int k = first; k < last; ++k)
        if (adjacency[v][k] != parent[v]) ++count;
    int used = 0, i = 0;
    edges[0] = '\0';
    char item[16];
    for (int k = first; k < last; ++k) {
        const int w = adjacency[v][k];
        if (w == parent[v]) continue;
        std::snprintf(item, sizeof item, "%d-%d", v, w);
        used = join_words(edges, size, used, i++, count, item);
    }
    return count;
}

// Said as it happens, between two pictures: edges passed over on the way to v's next tree edge.
void say_passed_over(int v, int first, int last) {
    char edges[16 * vertex_count];
    const int count = passed_over(v, first, last, edges, sizeof edges);
    if (count == 1)
        explain("Edge %s leads to a vertex already discovered, so it is no tree edge and stays thin.", edges);
    else if (count > 1)
        explain("Edges %s lead to vertices already discovered, so they are no tree edges and stay thin.",
                edges);
}

// Said as it happens: v is finished after its last neighbours were passed over.
void say_finished(int v, int first) {
    char edges[16 * vertex_count], why[24 * vertex_count] = "";
    const int count = passed_over(v, first, degree[v], edges, sizeof edges);
    if (count > 0)
        std::snprintf(why, sizeof why, " (%s %s %s to %s already discovered and %s thin)",
                      count == 1 ? "edge" : "edges", edges, count == 1 ? "leads" : "lead",
                      count == 1 ? "a vertex" : "vertices", count == 1 ? "stays" : "stay");
    if (parent[v] == none)
        explain("Vertex %d has no undiscovered neighbour left%s, so it is finished and the search is over.",
                v, why);
    else
        explain("Vertex %d has no undiscovered neighbour left%s, so it is finished and the search goes "
                "back to its parent %d.", v, why, parent[v]);
}

void say_state() {
    explain_list("Depth-first stack (bottom to top)", stack, stack_size);
    explain_table("Parents", "vertex", "parent", parent, vertex_count, none);
}

void map_palette() {
    palette[white] = SDL_MapRGB(screen->format, 255, 255, 255);
    palette[black] = SDL_MapRGB(screen->format, 0, 0, 0);
    palette[red] = SDL_MapRGB(screen->format, 255, 0, 0);
}

// Edges, then discs, then numbers, so that no edge crosses a disc or a number. Every edge is drawn
// twice, once from each end.
void draw_graph() {
    for (int v = 0; v < vertex_count; ++v) {
        for (int k = 0; k < degree[v]; ++k) {
            const int w = adjacency[v][k];
            draw_thick_line(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], graph_half_width,
                            palette[black]);
        }
    }
    for (int v = 0; v < vertex_count; ++v) fill_disc(vertex_x[v], vertex_y[v], vertex_radius, palette[black]);
    for (int v = 0; v < vertex_count; ++v) draw_label(vertex_x[v] + 15, vertex_y[v] - 2, "%d", v);
}

// Asked before the step that enters v. The vertex entered just before is the one the search stands
// on, unless it had nothing new left and the search went back first.
void ask_which_is_entered(int v) {
    ask(AnswerKind::vertex, "Which vertex does the search discover next?");
    const int from = parent[v], last = entered[entered_count - 2];
    if (from == last)
        answer(v, "Vertex %d is the first undiscovered neighbour of %d, in the order of %d's list.", v, from, from);
    else
        answer(v, "Vertex %d has no undiscovered neighbour left, so the search goes back along the tree to %d, whose "
                  "first undiscovered neighbour is %d.", last, from, v);
}

// The band is drawn over the red disc of v, which it partly blackens, and is shown by the flip in
// w's own step, after w's disc has gone on top of its other end.
void depth_first_search(int v) {
    visited[v] = 1;
    fill_disc(vertex_x[v], vertex_y[v], entered_radius, palette[red]);
    entered[entered_count++] = v;
    stack[stack_size++] = v;
    if (parent[v] != none) ask_which_is_entered(v);
    if (parent[v] == none)
        explain("The search starts at vertex %d and enters it (red disc): discovery number %d.", v,
                entered_count);
    else
        explain("Edge %d-%d leads to undiscovered vertex %d: a tree edge, now a thick black band. The "
                "search goes down to %d (red disc), whose parent is %d: discovery number %d.",
                parent[v], v, v, v, parent[v], entered_count);
    say_state();
    SDL_Flip(screen);
    wait_step();
    int unsaid = 0;  // v's neighbours from here on have not been talked about yet
    for (int k = 0; k < degree[v]; ++k) {
        const int w = adjacency[v][k];
        if (visited[w] != 0) continue;
        draw_thick_line(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], tree_half_width, palette[black]);
        say_passed_over(v, unsaid, k);
        unsaid = k + 1;
        parent[w] = v;
        depth_first_search(w);
    }
    say_finished(v, unsaid);
    --stack_size;
}

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv, {"dfstree", "depth-first search with thick tree edges",
                             /*draws_random_graph=*/false});
    map_palette();
    SDL_FillRect(screen, nullptr, palette[white]);
    open_labels(22);
    legend("thin black line and small black disc: an edge and a vertex of the graph; the number beside "
           "a vertex is its vertex number");
    legend("large red disc: a vertex the search has entered (discovered)");
    legend("thick black band: a tree edge, along which the search went to a new vertex");

    draw_graph();
    explain("This is an undirected graph of %d vertices. A depth-first search will start at vertex 0 "
            "and stop at each vertex it enters; the edge it came by becomes a thick band of the "
            "depth-first tree.", vertex_count);
    SDL_Flip(screen);
    wait_step();

    depth_first_search(0);

    {
        char tree[8 * vertex_count] = "", thin[8 * vertex_count] = "";
        int tree_used = 0, thin_used = 0, tree_edges = 0, edges = 0;
        for (int i = 0; i < entered_count; ++i)
            if (parent[entered[i]] != none) {
                tree_used += std::snprintf(tree + tree_used, sizeof tree - tree_used, "%s%d-%d",
                                           tree_used ? ", " : "", parent[entered[i]], entered[i]);
                ++tree_edges;
            }
        for (int v = 0; v < vertex_count; ++v)
            for (int k = 0; k < degree[v]; ++k) {
                const int w = adjacency[v][k];
                if (w < v || parent[w] == v || parent[v] == w) continue;
                thin_used += std::snprintf(thin + thin_used, sizeof thin - thin_used, "%s%d-%d",
                                           thin_used ? ", " : "", v, w);
                ++edges;
            }
        explain("All %d vertices were entered. The %d thick bands %s form the depth-first tree; the %d "
                "thin edges %s are not in it.", entered_count, tree_edges, tree, edges, thin);
        explain_list("Order of entering", entered, entered_count);
        explain_table("Parents", "vertex", "parent", parent, vertex_count, none);
    }
    SDL_Flip(screen);
    wait_step();
    close_labels();
    return end_show();
}
