// dfsedges: a depth-first search from vertex 0 drawn as paired arrows beside wide edge bands:
// green along every edge it takes, blue back along tree edges, red back along edges that close a cycle.
#include "arrow_starts.h"
#include "demo_graph.h"
#include "demo_words.h"
#include "kit.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int label_point_size = 20;
constexpr int band_half_width = 15;
constexpr int arrow_half_width = 2;
constexpr int arrow_head_length = 20;
constexpr int departure_dot_radius = 2;
constexpr int discovered_radius = 5;
constexpr int finished_radius = 7;
constexpr int label_dx = 15;
constexpr int label_dy = -2;
constexpr int no_parent = -1;

int arrow_start_x[vertex_count][vertex_count];
int arrow_start_y[vertex_count][vertex_count];
int parent[vertex_count];
int discovered[vertex_count];
int finished[vertex_count];

// For the words only, never for the picture: the path from the root to the vertex being searched,
// the parents as they are set (-1 before), the discovery numbers, the order of finishing, and the
// tree and back edges met so far as "u-v" texts.
constexpr int none = -1;
int stack[vertex_count];
int stack_size;
int parent_said[vertex_count] = {none, none, none, none, none, none, none, none};
int discovery[vertex_count];
int discovery_count;
int finish_order[vertex_count];
int finish_count;
constexpr int edge_text_size = 16 * vertex_count * vertex_count;
char tree_edges[edge_text_size];
int tree_edge_count;
char back_edges[edge_text_size];
int back_edge_count;

void add_edge_text(char* text, int& count, int u, int v) {
    const int used = static_cast<int>(std::strlen(text));
    std::snprintf(text + used, edge_text_size - used, "%s%d-%d", count == 0 ? "" : ", ", u, v);
    ++count;
}

// The edges from u to the neighbours adjacency[u][first .. last - 1] that visit() passed over
// because they end at a finished vertex: each was shown already, from its other end. (The edge to
// u's parent is passed over too, but it is the one u was reached by.)
int passed_over(int u, int first, int last, int ends[vertex_count]) {
    int count = 0;
    for (int j = first; j < last; ++j) {
        const int v = adjacency[u][j];
        if (v != parent_said[u]) ends[count++] = v;
    }
    return count;
}

void say_passed_over(int u, int first, int last) {
    int ends[vertex_count];
    const int count = passed_over(u, first, last, ends);
    if (count == 0) return;
    char edges[16 * vertex_count], names[16 * vertex_count];
    name_edges(u, ends, count, edges, names, static_cast<int>(sizeof edges));
    if (count == 1)
        explain("Edge %s needs no new arrow: %s is finished, so the edge was shown already from that end.",
                edges, names);
    else
        explain("Edges %s need no new arrows: %s are finished, so the edges were shown already from "
                "those ends.", edges, names);
}

// What the search is doing at u before it looks along the edge to adjacency[u][next], the
// neighbours from adjacency[u][unsaid] on not having been talked about yet.
void say_where(int u, bool& said_discovery, bool came_back, int unsaid, int next) {
    if (said_discovery) {
        int ends[vertex_count];
        const char* neighbours = passed_over(u, unsaid, next, ends) > 0 ? "neighbours" : "neighbour";
        if (came_back)
            explain("The search is back at vertex %d and looks at its next %s.", u, neighbours);
        else
            explain("The search is still at vertex %d and looks at its next %s.", u, neighbours);
        return;
    }
    if (parent_said[u] == none)
        explain("The search starts at vertex %d: it is discovered (red disc) and gets discovery number %d.",
                u, discovery[u]);
    else
        explain("Vertex %d is discovered (red disc) and gets discovery number %d.", u, discovery[u]);
    said_discovery = true;
}

// Asked before the step whose green arrow shows the search looking along edge u-v.
void ask_edge_kind(int u, int v) {
    ask(AnswerKind::edge_kind, "The search at %d now looks along edge %d-%d. Is it a tree edge or a back edge?",
        u, u, v);
}

void say_stack() { explain_list("Depth-first stack (bottom to top)", stack, stack_size); }

void say_parents() { explain_table("Parents", "vertex", "parent", parent_said, vertex_count, none); }

// White first, then the rest; every colour still lands in its shared slot.
void map_palette() {
    using namespace standard;
    map_standard_palette({white, black, red, purple, green, pale_green, blue, pale_blue, yellow, grey});
}

void show_step() {
    SDL_Flip(screen);
    wait_step();
}

// Each band is drawn twice, once from each end; the second pass lays its strokes from the other end.
void draw_bands_and_numbers() {
    for (int i = 0; i < vertex_count; ++i) {
        for (int j = 0; j < degree[i]; ++j) {
            const int k = adjacency[i][j];
            draw_thick_line(vertex_x[i], vertex_y[i], vertex_x[k], vertex_y[k], band_half_width,
                            palette[standard::yellow]);
        }
    }
    for (int i = 0; i < vertex_count; ++i) {
        draw_label(vertex_x[i] + label_dx, vertex_y[i] + label_dy, "%d", i);
    }
}

// The arrow ends at v's own start point toward u mirrored through v's centre, so it runs parallel
// to the edge on u's right-hand side, and the arrow v -> u lies on the other side of the band.
void draw_edge_arrow(int u, int v, Uint32 colour) {
    draw_thick_arrow(arrow_start_x[u][v], arrow_start_y[u][v], 2 * vertex_x[v] - arrow_start_x[v][u],
                     2 * vertex_y[v] - arrow_start_y[v][u], arrow_half_width, colour, arrow_head_length);
}

void draw_departure(int u, int v) {
    fill_disc(arrow_start_x[u][v], arrow_start_y[u][v], departure_dot_radius, palette[standard::green]);
    draw_edge_arrow(u, v, palette[standard::green]);
}

// The disc drawn here shows with the next flip, together with the first arrow that leaves u (or,
// for a vertex with nowhere new to go, under its own blue disc).
void visit(int u) {
    discovered[u] = 1;
    fill_disc(vertex_x[u], vertex_y[u], discovered_radius, palette[standard::red]);
    discovery[u] = ++discovery_count;
    stack[stack_size++] = u;
    bool said_discovery = false;
    bool came_back = false;
    int unsaid = 0;  // u's neighbours from here on have not been talked about yet
    for (int j = 0; j < degree[u]; ++j) {
        const int v = adjacency[u][j];
        // Where the search has just come to u, down a tree edge or back from a child, the question
        // is where it goes; where it stays at u after a back edge, the kind of the next edge.
        const bool just_came = !said_discovery || came_back;
        if (discovered[v] == 0) {
            draw_departure(u, v);
            parent[v] = u;
            if (just_came) {
                ask_discovered_from(u);
                answer_discovered_from(u, j);
            } else {
                ask_edge_kind(u, v);
                answer(answers::tree_edge, "Edge %d-%d is a tree edge: %d is still undiscovered, so the search "
                                           "goes along it and %d becomes the parent of %d.", u, v, v, u, v);
            }
            say_where(u, said_discovery, came_back, unsaid, j);
            say_passed_over(u, unsaid, j);
            explain("Edge %d-%d leads to undiscovered vertex %d: a tree edge. The search goes along it "
                    "(green arrow %d->%d), and %d becomes the parent of %d.", u, v, v, u, v, u, v);
            parent_said[v] = u;
            add_edge_text(tree_edges, tree_edge_count, u, v);
            unsaid = j + 1;
            say_stack();
            say_parents();
            show_step();
            visit(v);
            came_back = true;
        } else if (finished[v] == 0 && v != parent[u]) {
            draw_departure(u, v);
            say_where(u, said_discovery, came_back, unsaid, j);
            say_passed_over(u, unsaid, j);
            // The cycle runs from v down the stack to u and back to v.
            char cycle[8 * vertex_count + 8];
            int used = 0;
            int from = stack_size - 1;
            while (stack[from] != v) --from;
            for (int i = from; i < stack_size; ++i)
                used += std::snprintf(cycle + used, sizeof cycle - used, "%d-", stack[i]);
            std::snprintf(cycle + used, sizeof cycle - used, "%d", v);
            ask_edge_kind(u, v);
            answer(answers::back_edge, "Edge %d-%d is a back edge: %d is discovered but not finished, an ancestor "
                                       "of %d on the stack, so the edge closes the cycle %s.", u, v, v, u, cycle);
            explain("Edge %d-%d leads to vertex %d, which is discovered but not finished: it is on the "
                    "stack, an ancestor of %d. So %d-%d is a back edge and closes the cycle %s. The search "
                    "looks along it (green arrow %d->%d) but does not enter %d.",
                    u, v, v, u, u, v, cycle, u, v, v);
            add_edge_text(back_edges, back_edge_count, u, v);
            unsaid = j + 1;
            say_stack();
            show_step();
            draw_edge_arrow(v, u, palette[standard::red]);
            explain("Vertex %d is not entered a second time: the search turns back along back edge %d-%d "
                    "(red arrow %d->%d) and stays at %d.", v, u, v, v, u, u);
            say_stack();
            show_step();
            came_back = false;
        }
        // A finished neighbour or the parent has been shown already, from the other end.
    }
    finished[u] = 1;
    fill_disc(vertex_x[u], vertex_y[u], finished_radius, palette[standard::blue]);
    finish_order[finish_count++] = u;
    --stack_size;
    int ends[vertex_count];
    const int left_over = passed_over(u, unsaid, degree[u], ends);
    if (!said_discovery)  // its red disc is under the blue one before anything is shown
        explain("Vertex %d is discovered and gets discovery number %d.", u, discovery[u]);
    else if (left_over > 0 && came_back)
        explain("The search is back at vertex %d and looks at its last %s.", u,
                left_over > 1 ? "neighbours" : "neighbour");
    else if (left_over > 0)
        explain("The search is still at vertex %d and looks at its last %s.", u,
                left_over > 1 ? "neighbours" : "neighbour");
    say_passed_over(u, unsaid, degree[u]);
    // The root has no way back; its blue disc shows with the last screen of main.
    if (parent[u] == no_parent) {
        explain("Vertex %d has no undiscovered neighbour left, so it is finished (blue disc). It is the "
                "root, so there is no parent to go back to and the search is over.", u);
        return;
    }
    draw_edge_arrow(u, parent[u], palette[standard::blue]);
    ask_discovered_from(u);
    answer_goes_back_from(u, parent[u]);
    if (!said_discovery && degree[u] == 1)
        explain("Its only edge leads back to its parent %d, so it has no undiscovered neighbour: it is "
                "finished at once (the blue disc covers the red one) and the search goes back to %d along "
                "tree edge %d-%d (blue arrow %d->%d).", parent[u], parent[u], u, parent[u], u, parent[u]);
    else if (!said_discovery)
        explain("It has no undiscovered neighbour, so it is finished at once (the blue disc covers the "
                "red one) and the search goes back to its parent %d along tree edge %d-%d (blue arrow "
                "%d->%d).", parent[u], u, parent[u], u, parent[u]);
    else
        explain("Vertex %d has no undiscovered neighbour left, so it is finished (blue disc) and the "
                "search goes back to its parent %d along tree edge %d-%d (blue arrow %d->%d).",
                u, parent[u], u, parent[u], u, parent[u]);
    say_stack();
    explain_list("Finished so far, in order", finish_order, finish_count);
    show_step();
}

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv,
                {"dfsedges", "depth-first search from vertex 0 with tree and back edges as paired arrows",
                 /*draws_random_graph=*/false});
    map_palette();
    SDL_FillRect(screen, nullptr, palette[standard::white]);
    open_labels(label_point_size);

    legend("yellow band: an edge of the graph; the number beside a vertex is its vertex number");
    legend("small red disc: a discovered vertex, not finished yet");
    legend("large blue disc: a finished vertex");
    legend("green arrow with a green dot at its start: the search looking along an edge, from the vertex "
           "at the dot; every arrow runs on the right-hand side of the band as it travels");
    legend("blue arrow on the other side of a green one: a tree edge, the search going back from a "
           "finished vertex to its parent");
    legend("red arrow on the other side of a green one: a back edge, the search turning back from a "
           "vertex that is on the stack already");

    draw_bands_and_numbers();
    compute_arrow_starts(arrow_start_x, arrow_start_y);
    int edge_count = 0;
    for (int i = 0; i < vertex_count; ++i) edge_count += degree[i];
    explain("This is an undirected graph of %d vertices and %d edges, each drawn as a yellow band. A "
            "depth-first search will start at vertex 0. Each time it looks along an edge it draws a green "
            "arrow beside the band; coming back along the same edge it draws a second arrow on the other "
            "side: blue for a tree edge, red for a back edge.", vertex_count, edge_count / 2);
    show_step();

    parent[0] = no_parent;
    visit(0);
    explain("The search found %d tree edges (%s), each with a green and a blue arrow, and %d back edges "
            "(%s), each with a green and a red arrow: every one of the %d edges was shown exactly once.",
            tree_edge_count, tree_edges, back_edge_count, back_edges, tree_edge_count + back_edge_count);
    say_parents();
    explain_list("Finished, in order", finish_order, finish_count);
    show_step();

    close_labels();
    return end_show();
}
