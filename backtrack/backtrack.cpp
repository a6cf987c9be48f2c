// backtrack: a depth-first search from vertex 0 that records each vertex's parent, draws a red arrow
// down every tree edge and a second one back beside it when the vertex is finished; one key per step.
#include "demo_graph.h"
#include "demo_words.h"
#include "kit.h"

#include <cstdio>

namespace {

int visited[vertex_count];
// Never set for the root, so parent[0] keeps its 0: the root is its own parent and its return
// arrow has zero length, which draws the single pixel at (207, 47) and no head.
int parent[vertex_count];

// Return arrows run this far right and down of the tree arrow, whatever the edge's direction.
constexpr int return_shift = 7;
constexpr int discovery_radius = 4;
constexpr int finish_radius = 8;

// For the words only, never for the picture: the path from the root to the vertex being searched,
// the parents as they are set (-1 before), discovery numbers and the order of finishing.
constexpr int none = -1;
int stack[vertex_count];
int stack_size;
int parent_said[vertex_count] = {none, none, none, none, none, none, none, none};
int discovery[vertex_count];
int discovery_count;
int finish_order[vertex_count];
int finish_count;
bool finished[vertex_count];

// One sentence for the neighbours adjacency[v][first .. last - 1] that visit() skipped because
// they were discovered already; the parent, whose edge v was just reached by, is left out.
void say_skipped(int v, int first, int last) {
    int skipped[vertex_count];
    int count = 0;
    bool any_finished = false, any_open = false;
    for (int j = first; j < last; ++j) {
        const int w = adjacency[v][j];
        if (w == parent_said[v]) continue;
        skipped[count++] = w;
        (finished[w] ? any_finished : any_open) = true;
    }
    if (count == 0) return;
    char edges[16 * vertex_count], ends[16 * vertex_count];
    name_edges(v, skipped, count, edges, ends, static_cast<int>(sizeof edges));
    const char* state = any_finished && any_open ? "discovered (some finished)"
                        : any_finished            ? "finished"
                                                  : "discovered";
    if (count == 1)
        explain("Edge %s is not a tree edge and gets no arrow: %s is already %s.", edges, ends, state);
    else
        explain("Edges %s are not tree edges and get no arrow: %s are already %s.", edges, ends, state);
}

void say_state() {
    explain_list("Depth-first stack (bottom to top)", stack, stack_size);
    explain_table("Parents", "vertex", "parent", parent_said, vertex_count, none);
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

// The discovery ring is not flipped here: it shows with the vertex's first tree arrow, or, for a
// vertex with no undiscovered neighbour, together with its return arrow.
void visit(int v) {
    const Uint32 red = palette[standard::red];
    visited[v] = 1;
    draw_circle(vertex_x[v], vertex_y[v], discovery_radius, red);
    discovery[v] = ++discovery_count;
    stack[stack_size++] = v;
    bool said_discovery = false;
    int unsaid = 0;  // v's neighbours from here on have not been talked about yet
    for (int j = 0; j < degree[v]; ++j) {
        const int w = adjacency[v][j];
        if (visited[w] == 1) continue;  // discovered, finished or not: a cycle edge gets no arrow
        parent[w] = v;
        draw_arrow_far(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], red);
        if (!said_discovery) {
            if (parent_said[v] == none)
                explain("The search starts at vertex %d: it is discovered (small red circle) and gets "
                        "discovery number %d.", v, discovery[v]);
            else
                explain("Vertex %d is discovered (small red circle) and gets discovery number %d.", v,
                        discovery[v]);
            said_discovery = true;
        } else {
            explain("The search is back at vertex %d and looks at its next neighbours.", v);
        }
        say_skipped(v, unsaid, j);
        explain("Edge %d-%d leads to undiscovered vertex %d: a tree edge, so %d becomes the parent of "
                "%d and the search goes down the red arrow %d->%d.", v, w, w, v, w, v, w);
        ask_discovered_from(v);
        answer_discovered_from(v, j);
        parent_said[w] = v;
        unsaid = j + 1;
        say_state();
        SDL_Flip(screen);
        wait_step();
        visit(w);
    }
    const int p = parent[v];
    draw_arrow_far(vertex_x[v] + return_shift, vertex_y[v] + return_shift, vertex_x[p] + return_shift,
                   vertex_y[p] + return_shift, red);
    draw_circle(vertex_x[v], vertex_y[v], finish_radius, red);
    if (!said_discovery)
        explain("Vertex %d is discovered (small red circle) and gets discovery number %d.", v, discovery[v]);
    else if (unsaid < degree[v])
        explain("The search is back at vertex %d and looks at its last neighbours.", v);
    say_skipped(v, unsaid, degree[v]);
    finish_order[finish_count++] = v;
    finished[v] = true;
    --stack_size;
    // The root's finish is not asked about: there is no parent to go back to.
    if (parent_said[v] != none) {
        ask_discovered_from(v);
        answer_goes_back_from(v, p);
    }
    if (parent_said[v] == none)
        explain("Vertex %d has no undiscovered neighbour left, so it is finished (large red circle). It "
                "is the root: there is no parent to go back to, so its return arrow has zero length and "
                "shows as a single red dot.", v);
    else
        explain("Vertex %d has no undiscovered neighbour left, so it is finished (large red circle) and "
                "the search goes back to its parent %d along the return arrow %d->%d.", v, p, v, p);
    say_state();
    explain_list("Finished so far, in order", finish_order, finish_count);
    SDL_Flip(screen);
    wait_step();
}

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv, {"backtrack", "depth-first search with parent pointers and return arrows",
                             /*draws_random_graph=*/false});
    map_palette();
    SDL_FillRect(screen, nullptr, palette[standard::white]);
    open_labels(20);
    legend("grey line: an edge of the graph; the number beside a vertex is its vertex number");
    legend("small red circle: a discovered vertex");
    legend("large red circle: a finished vertex");
    legend("red arrow from a vertex to a neighbour: a tree edge, drawn when the search goes down it "
           "from the parent to the child");
    legend("second red arrow beside it, shifted right and down: the search going back from a finished "
           "vertex to its parent");

    draw_graph();
    explain("This is an undirected graph of %d vertices. A depth-first search will start at vertex 0; "
            "each vertex it discovers remembers its parent, the vertex it was reached from, and when a "
            "vertex is finished the search goes back to that parent.", vertex_count);
    SDL_Flip(screen);
    wait_step();

    visit(0);
    {
        int edges = 0;
        for (int v = 0; v < vertex_count; ++v) edges += degree[v];
        edges /= 2;
        // The tree edges in the order the search went down them.
        char tree[8 * vertex_count] = "";
        int used = 0, tree_edges = 0;
        for (int d = 1; d <= discovery_count; ++d)
            for (int v = 0; v < vertex_count; ++v)
                if (discovery[v] == d && parent_said[v] != none) {
                    used += std::snprintf(tree + used, sizeof tree - used, "%s%d-%d", used ? ", " : "",
                                          parent_said[v], v);
                    ++tree_edges;
                }
        explain("The search is over: all %d vertices were reached from 0. The %d tree edges %s each carry "
                "a pair of arrows, down to the child and back to the parent; the other %d edges closed "
                "cycles and got none.", finish_count, tree_edges, tree, edges - tree_edges);
        explain_table("Parents", "vertex", "parent", parent_said, vertex_count, none);
        explain_table("Discovery numbers", "vertex", "discovery", discovery, vertex_count, 0);
    }
    SDL_Flip(screen);
    wait_step();

    close_labels();
    return end_show();
}
