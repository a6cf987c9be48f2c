// numbering: a depth-first search from vertex 0 that numbers the vertices in the order it finds
// them; each branch of the search tree is drawn in a colour of its own, wider as the count grows.
#include "demo_graph.h"
#include "demo_words.h"
#include "kit.h"

#include <cstdio>

namespace {

constexpr int label_point_size = 20;
constexpr int graph_half_width = 1;
constexpr int graph_disc_radius = 5;
constexpr int discovered_radius = 8;
constexpr int finished_radius = 10;
constexpr int label_dx = 15;
constexpr int label_dy = -2;
constexpr int order_row_y = 500;
constexpr int order_step_x = 50;
constexpr int order_start_x = 20;
constexpr int first_tree_colour = standard::red;

int visited[vertex_count];
int visit_count;
int colour_index;

// For the words only, never for the picture: the path from the root to the vertex being searched,
// the parents (-1 before), the discovery numbers (0 before), the order of finishing, and the colour
// and vertex count of the last tree edge drawn.
constexpr int none = -1;
int stack[vertex_count];
int stack_size;
int parent[vertex_count] = {none, none, none, none, none, none, none, none};
int discovery[vertex_count];
int finish_order[vertex_count];
int finish_count;
int last_tree_colour = none;
int finished_at_last_tree_edge;
int tree_edge_count;

// Said as it happens: the edges from v to the neighbours adjacency[v][first .. last - 1] that the
// search passed over because they were discovered already; the edge to v's own parent, the one v
// was reached by, is left out.
void say_passed_over(int v, int first, int last) {
    int ends[vertex_count];
    int count = 0;
    for (int j = first; j < last; ++j) {
        const int w = adjacency[v][j];
        if (w != parent[v]) ends[count++] = w;
    }
    if (count == 0) return;
    char edges[16 * vertex_count], names[16 * vertex_count];
    name_edges(v, ends, count, edges, names, static_cast<int>(sizeof edges));
    if (count == 1)
        explain("Edge %s gets no line: %s is discovered already, so it is not a tree edge.", edges, names);
    else
        explain("Edges %s get no line: %s are discovered already, so they are not tree edges.", edges,
                names);
}

// Said as it happens: the tree edge v-w, drawn in slot colour with the given half-width.
void say_tree_edge(int v, int w, int colour, int half_width) {
    explain("Edge %d-%d leads to undiscovered vertex %d: a tree edge, drawn in %s with half-width %d "
            "(one more than half the number of vertices discovered so far, %d, rounded down).", v, w, w,
            standard::colour_names[colour], half_width, visit_count);
    const int finished_since = finish_count - finished_at_last_tree_edge;
    if (last_tree_colour != none && colour != last_tree_colour)
        explain("Its colour has moved on from %s, one slot for each of the %d vertices finished since the "
                "last tree edge.", standard::colour_names[last_tree_colour], finished_since);
    last_tree_colour = colour;
    finished_at_last_tree_edge = finish_count;
    ++tree_edge_count;
}

void say_stack() { explain_list("Depth-first stack (bottom to top)", stack, stack_size); }

// White first, then the rest; every colour still lands in its shared slot, which matters because
// the tree edges pick their slot by a running index.
void map_palette() {
    using namespace standard;
    map_standard_palette({white, black, red, purple, green, pale_green, blue, pale_blue, yellow, grey});
}

void show_step() {
    SDL_Flip(screen);
    wait_step();
}

// The grey disc is laid again after every line of v, so each line's end at v stays under it.
void draw_graph() {
    for (int v = 0; v < vertex_count; ++v) {
        for (int j = 0; j < degree[v]; ++j) {
            const int w = adjacency[v][j];
            draw_thick_line(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], graph_half_width,
                            palette[standard::grey]);
            fill_disc(vertex_x[v], vertex_y[v], graph_disc_radius, palette[standard::grey]);
        }
        draw_label(vertex_x[v] + label_dx, vertex_y[v] + label_dy, "%d", v);
    }
}

void visit(int v) {
    visit_count += 1;
    const int k = visit_count;
    fill_disc(vertex_x[v], vertex_y[v], discovered_radius, palette[standard::red]);
    visited[v] = 1;
    draw_label(order_step_x * k + order_start_x, order_row_y, "(%d : %d) ", k, v);
    discovery[v] = k;
    stack[stack_size++] = v;
    if (parent[v] == none)
        explain("The search starts at vertex %d: it is discovered (red disc) and gets discovery number %d, "
                "written as (%d : %d) in the row at the bottom.", v, k, k, v);
    else
        explain("Vertex %d is discovered (red disc) and gets discovery number %d, written as (%d : %d) in "
                "the row at the bottom.", v, k, k, v);
    say_stack();
    explain_table("Discovery numbers", "vertex", "number", discovery, vertex_count, 0);
    show_step();

    int unsaid = 0;  // v's neighbours from here on have not been talked about yet
    for (int j = 0; j < degree[v]; ++j) {
        const int w = adjacency[v][j];
        if (visited[w] == 1) {
            continue;
        }
        // The width follows the global discovery count, not the depth, so it never narrows when
        // the search climbs back up. The line shows with w's disc and label.
        draw_thick_line(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], visit_count / 2 + 1,
                        palette[colour_index]);
        if (unsaid > 0) explain("The search is back at vertex %d.", v);
        say_passed_over(v, unsaid, j);
        say_tree_edge(v, w, colour_index, visit_count / 2 + 1);
        ask_discovered_from(v);
        answer_discovered_from(v, j);
        parent[w] = v;
        unsaid = j + 1;
        visit(w);
    }

    // Moving on only when a vertex is finished keeps one colour along each downward run, and the
    // next branch skips one slot per vertex finished in between.
    colour_index += 1;
    fill_disc(vertex_x[v], vertex_y[v], finished_radius, palette[standard::blue]);
    if (unsaid > 0) explain("The search is back at vertex %d.", v);
    say_passed_over(v, unsaid, degree[v]);
    finish_order[finish_count++] = v;
    --stack_size;
    // The root's finish is not asked about: there is no parent to go back to.
    if (parent[v] != none) {
        ask_discovered_from(v);
        answer_goes_back_from(v, parent[v]);
    }
    if (parent[v] == none)
        explain("Vertex %d has no undiscovered neighbour left, so it is finished (blue disc). It is the "
                "root, so there is no parent to go back to and the search is over.", v);
    else
        explain("Vertex %d has no undiscovered neighbour left, so it is finished (blue disc) and the "
                "search goes back to its parent %d; the colour for tree edges moves on one slot.", v,
                parent[v]);
    say_stack();
    explain_list("Finished so far, in order", finish_order, finish_count);
    show_step();
}

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv,
                {"numbering", "depth-first search from vertex 0 with discovery numbers and a colour per branch",
                 /*draws_random_graph=*/false});
    map_palette();
    SDL_FillRect(screen, nullptr, palette[standard::white]);
    open_labels(label_point_size);

    legend("grey line and small grey disc: an edge and a vertex of the graph; the number beside a "
           "vertex is its vertex number");
    legend("red disc: a discovered vertex, not finished yet");
    legend("larger blue disc: a finished vertex");
    legend("thick coloured line: a tree edge; its colour moves on one palette slot (red, green, blue, "
           "purple, pale green, pale blue, yellow) each time a vertex is finished, and it is wider the "
           "more vertices have been discovered");
    legend("label (k : v) in the row at the bottom: vertex v got discovery number k");

    draw_graph();
    int edge_count = 0;
    for (int v = 0; v < vertex_count; ++v) edge_count += degree[v];
    explain("This is an undirected graph of %d vertices and %d edges, drawn in grey. A depth-first search "
            "will start at vertex 0 and give each vertex a discovery number, 1, 2, 3, ..., in the order it "
            "reaches them; the tree edges it goes down are drawn thick, in a new colour after each vertex "
            "it finishes.", vertex_count, edge_count / 2);
    show_step();

    colour_index = first_tree_colour;
    visit(0);
    int by_number[vertex_count];
    for (int v = 0; v < vertex_count; ++v)
        if (discovery[v] > 0) by_number[discovery[v] - 1] = v;
    explain("Every vertex has its discovery number: the row at the bottom lists the %d vertices in the "
            "order the search discovered them. The %d thick lines are the tree edges; the other %d edges "
            "led to vertices discovered already and stay grey.", visit_count, tree_edge_count,
            edge_count / 2 - tree_edge_count);
    explain_list("Vertices by discovery number", by_number, visit_count);
    explain_table("Discovery numbers", "vertex", "number", discovery, vertex_count, 0);
    show_step();

    close_labels();
    return end_show();
}
