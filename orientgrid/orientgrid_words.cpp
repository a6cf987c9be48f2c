// The words of orientgrid, read from the matrix, the numbers and the parents.
#include "orientgrid_words.h"

#include <algorithm>
#include <string>

#include "grid_search.h"
#include "kit.h"

namespace {

// The lines of algorithm_lines, by name, for explain_line.
namespace line {
constexpr int start = 1;
constexpr int search = 2;
constexpr int direct_tree = 3;
constexpr int direct_others = 4;
constexpr int cover = 5;
constexpr int number = 6;
constexpr int try_neighbours = 7;
constexpr int go_down = 8;
}  // namespace line

constexpr const char* lists_title = "Neighbour lists, in the order the search tries them";

std::string tree_arcs;
int tree_count;
int tree_from[graph_max_vertices];
int tree_to[graph_max_vertices];
std::string back_arcs;
int back_count;
int back_from[graph_max_vertices * graph_max_vertices];
int back_to[graph_max_vertices * graph_max_vertices];

std::string arc_text(int from, int to) { return std::to_string(from) + "->" + std::to_string(to); }

// The edge as a student finds it on the grid, smaller vertex number first.
std::string edge_text(int a, int b) { return std::to_string(std::min(a, b)) + "-" + std::to_string(std::max(a, b)); }

std::string list_text(int v) {
    std::string text;
    for (int j = 0; j < degree[v]; ++j) text += (j == 0 ? "" : ", ") + std::to_string(neighbours[v][j]);
    return text;
}

// "16 and 12": the vertices joined as a student reads them.
std::string joined(const int* vertices, int count) {
    char text[8 * graph_max_vertices];
    int used = 0;
    text[0] = '\0';
    for (int i = 0; i < count; ++i) used = join_words(text, sizeof text, used, i, count, vertices[i]);
    return text;
}

// Whether every list is in increasing vertex number, as a grid's always is.
bool lists_by_number() {
    for (int v = 0; v < vertex_count; ++v)
        for (int j = 1; j < degree[v]; ++j)
            if (neighbours[v][j] < neighbours[v][j - 1]) return false;
    return true;
}

// Says a text of several sentences one sentence at a time, joined as one explain would join
// them, so that none is cut however long the whole grows on a large graph.
void explain_sentences(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(". ", start);
        end = end == std::string::npos ? text.size() : end + 1;
        explain("%s", text.substr(start, end - start).c_str());
        start = end + 1;
    }
}

int widest_list() {
    int widest = 0;
    for (int v = 1; v < vertex_count; ++v)
        if (degree[v] > degree[widest]) widest = v;
    return widest;
}

// The longest list not in increasing order, the one that shows best that the order is the file's.
int widest_unsorted_list() {
    int widest = -1;
    for (int v = 0; v < vertex_count; ++v)
        for (int j = 1; j < degree[v]; ++j)
            if (neighbours[v][j] < neighbours[v][j - 1] && (widest < 0 || degree[v] > degree[widest])) widest = v;
    return widest;
}

// The edges of the full grid that a random grid leaves out, as "1-2, 9-13 and 17-18".
std::string grid_edges_left_out() {
    char text[16 * graph_max_vertices];
    int ends[2 * own_vertex_count][2], count = 0;
    for (int v = 0; v < vertex_count; ++v) {
        const int right = v % grid_columns + 1 < grid_columns ? v + 1 : -1;
        const int below = v + grid_columns < vertex_count ? v + grid_columns : -1;
        for (const int w : {right, below})
            if (w >= 0 && adjacency[v][w] != arc) ends[count][0] = v, ends[count++][1] = w;
    }
    int used = 0;
    text[0] = '\0';
    for (int i = 0; i < count; ++i)
        used = join_words(text, sizeof text, used, i, count, edge_text(ends[i][0], ends[i][1]).c_str());
    return text;
}

bool is_root(int v) { return dfs_number[v] == 1; }

int root() {
    int v = 0;
    while (!is_root(v)) ++v;
    return v;
}

// Whether a lies on the tree path from the root down to v, v included.
bool is_ancestor(int a, int v) {
    for (;; v = parent[v]) {
        if (v == a) return true;
        if (is_root(v)) return false;
    }
}

// The back arc that covers tree edge parent[c]->c: its tail in c's subtree, its head at parent[c] or
// above; the one that climbs highest. Returns its index in back_from / back_to, or -1.
int covering_back_arc(int c) {
    int best = -1;
    for (int k = 0; k < back_count; ++k)
        if (is_ancestor(c, back_from[k]) && dfs_number[back_to[k]] <= dfs_number[parent[c]] &&
            (best < 0 || dfs_number[back_to[k]] < dfs_number[back_to[best]]))
            best = k;
    return best;
}

// The way back from v to the root: down v's subtree to the tail of the back arc covering the tree
// edge above v, up that arc, and again from where it lands, which is strictly higher each time.
// Returns false when some tree edge on the way is covered by no back arc.
bool way_to_root(int v, std::string& arcs) {
    while (!is_root(v)) {
        const int k = covering_back_arc(v);
        if (k < 0) return false;
        int down[graph_max_vertices], count = 0;
        for (int x = back_from[k]; x != v; x = parent[x]) down[count++] = x;
        for (int at = v; count > 0; at = down[count]) {
            count -= 1;
            arcs += (arcs.empty() ? "" : ", ") + arc_text(at, down[count]);
        }
        arcs += (arcs.empty() ? "" : ", ") + arc_text(back_from[k], back_to[k]);
        v = back_to[k];
    }
    return true;
}

int count_edges() {
    int ends = 0;
    for (int i = 0; i < vertex_count; ++i)
        for (int j = 0; j < vertex_count; ++j) ends += adjacency[i][j] == arc;
    return ends / 2;
}

// The rows whose two middle vertices are not joined, as "0, 2 and 4"; returns how many.
int name_rows_without_middle_edge(char* text, int size) {
    constexpr int rows = own_vertex_count / grid_columns;
    constexpr int middle = grid_columns / 2 - 1;  // the middle edge joins this column to the next
    bool missing[rows];
    int count = 0;
    for (int r = 0; r < rows; ++r) {
        const int v = r * grid_columns + middle;
        missing[r] = adjacency[v][v + 1] != arc;
        count += missing[r];
    }
    int used = 0, named = 0;
    text[0] = '\0';
    for (int r = 0; r < rows; ++r)
        if (missing[r]) used = join_words(text, size, used, named++, count, r);
    return count;
}

// The parents with the root, which has none, left blank.
void explain_parents() {
    int parents[graph_max_vertices];
    for (int i = 0; i < vertex_count; ++i) parents[i] = is_root(i) ? -1 : parent[i];
    explain_table("parents", "vertex", "parent", parents, vertex_count, -1);
}

// The numbering search as runs of vertices, each run going straight down the tree, and at each break
// the dead end, the vertices it backs up through and the vertex it goes on from, with their lists.
std::string search_in_words(const int* visit_order) {
    std::string text = "Starting at " + std::to_string(visit_order[0]) + ", it goes down " +
                       std::to_string(visit_order[0]);
    for (int k = 1; k <= vertex_count; ++k) {
        if (k < vertex_count && parent[visit_order[k]] == visit_order[k - 1]) {
            text += ", " + std::to_string(visit_order[k]);
            continue;
        }
        const int dead_end = visit_order[k - 1];
        text += ". " + std::to_string(dead_end) + "'s list, " + list_text(dead_end) + ", holds only numbered vertices";
        if (k == vertex_count) {
            text += ", so the search backs up all the way to " + std::to_string(visit_order[0]) +
                    " and stops: every vertex is numbered.";
            break;
        }
        const int next = visit_order[k], resume = parent[next];
        int through[graph_max_vertices], count = 0;
        for (int v = parent[dead_end]; v != resume; v = parent[v]) through[count++] = v;
        text += ", so the search backs up";
        if (count > 0) text += " through " + joined(through, count) + ", whose lists hold nothing unnumbered either,";
        text += " to " + std::to_string(resume) + ", whose list " + list_text(resume) + " still holds unnumbered " +
                std::to_string(next) + "; it goes down " + std::to_string(next);
    }
    return text;
}

// The digraph as drawn in the end: the heads of the arcs leaving each vertex, tree and back arcs
// alike, by increasing vertex number.
void explain_orientation() {
    static int heads[graph_max_vertices][graph_max_vertices];
    int out_degree[graph_max_vertices] = {};
    bool leaves[graph_max_vertices][graph_max_vertices] = {};
    for (int k = 0; k < tree_count; ++k) leaves[tree_from[k]][tree_to[k]] = true;
    for (int k = 0; k < back_count; ++k) leaves[back_from[k]][back_to[k]] = true;
    for (int v = 0; v < vertex_count; ++v)
        for (int w = 0; w < vertex_count; ++w)
            if (leaves[v][w]) heads[v][out_degree[v]++] = w;
    explain_lists_from_now_on("Arcs leaving each vertex, once every edge is directed", vertex_count, out_degree,
                              &heads[0][0], graph_max_vertices);
}

void say_how_it_works() {
    char text[text_buffer_size];
    std::snprintf(text, sizeof text,
                  "A depth-first search from vertex 0 numbers the %d vertices in the order it discovers them, trying "
                  "each vertex's neighbours in the order of its list, and each vertex's tree edge joins it to the "
                  "parent it was discovered from. In an undirected graph every other edge joins a vertex to one of "
                  "its ancestors, a back edge, because the search never backs up from a vertex while a neighbour of "
                  "it is unnumbered. Each tree edge is directed down, from parent to child, so the root reaches "
                  "every vertex; each back edge is directed up, from the larger number to the smaller. A tree edge "
                  "p->c is covered when some back edge leads from c's subtree to p or above: then the vertices of "
                  "c's subtree can climb back above c. If every tree edge is covered, every vertex gets back to the root, "
                  "each time going down to a covering back edge and up it to a strictly higher vertex, and so every "
                  "vertex reaches every other through the root: the digraph is strongly connected; an uncovered tree "
                  "edge would be a bridge, and a graph with a bridge has no strong orientation. Kept as a %d x %d "
                  "matrix, the graph costs the search one look at each of its %d entries, and directing the edges "
                  "one look more.",
                  vertex_count, vertex_count, vertex_count, vertex_count * vertex_count);
    how_it_works(text);
}

}  // namespace

void give_orientgrid_legend() {
    say_how_it_works();
    algorithm_lines({
        "every vertex unnumbered; next = 1",
        "number(0)",
        "for each tree edge p-c: direct it p -> c, down the tree",
        "for each other edge v-w with number(v) > number(w): direct it v -> w, up to the ancestor",
        "for each tree edge p -> c: find a back edge from c's subtree up to p or above (it covers p -> c)",
        "number(v): number of v = next; next = next + 1",
        "  for each neighbour w in v's list, in order:",
        "    if w is unnumbered: parent of w = v; number(w)",
    });
    legend("small black disc with a ringed number beside it: a vertex and its vertex number");
    legend("thin black line with a head at each end: an undirected edge, drawn once in each direction");
    legend("number below the ring (second picture on): the vertex's discovery number in the depth-first search");
    legend("thick red line, half-width 2: a tree edge of the depth-first search, joining a vertex to its parent");
    legend("thick red arrow, half-width 3: an edge given its direction");
    legend("green disc and the caption STRONGLY CONNECTED GRAPH (last picture): every edge is directed and the digraph is strongly connected");
    if (lists_by_number())
        legend("neighbour lists (with every step): the search tries each vertex's neighbours in the order of its "
               "list, which here is by increasing vertex number, the order of the matrix row");
    else
        legend("neighbour lists (with every step): the search tries each vertex's neighbours in the order of its "
               "list, which here is the order the file gives the edges, not always by number");
}

void say_grid() {
    const int edge_count = count_edges();
    std::string drawn;
    if (graph_kind == GraphKind::own_grid) {
        char rows[40];
        const int short_rows = name_rows_without_middle_edge(rows, sizeof rows);
        drawn = "The undirected grid graph is drawn: " + std::to_string(vertex_count) + " vertices with their numbers and " +
                std::to_string(edge_count) + " edges; " + (short_rows == 1 ? "row " : "rows ") + rows +
                (short_rows == 1 ? " misses its" : " miss their") + " middle edge.";
    } else if (graph_kind == GraphKind::random_grid) {
        drawn = "The undirected grid graph is drawn: " + std::to_string(vertex_count) + " vertices with their numbers and " +
                std::to_string(edge_count) + " edges, the full grid of " + std::to_string(grid_columns) + " columns and " +
                std::to_string(vertex_count / grid_columns) + " rows less the edges " + grid_edges_left_out() + ".";
    } else {
        drawn = "The undirected graph is drawn: " + std::to_string(vertex_count) + " vertices with their numbers and " +
                std::to_string(edge_count) + " edges.";
    }
    const bool by_number = lists_by_number();
    const int example = by_number ? widest_list() : widest_unsorted_list();
    explain("%s A depth-first search from vertex 0 will number the vertices, and the numbers will then give every edge a "
            "direction so that each vertex can reach every other. The search tries a vertex's neighbours in the "
            "order of its list, shown with every step, which here is %s (%d's list is %s).",
            drawn.c_str(), by_number ? "by increasing vertex number" : "the order the file gives the edges, not always by number",
            example, list_text(example).c_str());
    explain_line(line::start);
    explain_lists_from_now_on(lists_title, vertex_count, degree, &neighbours[0][0], graph_max_vertices);
    explain_count("edges", edge_count);
}

void say_numbering() {
    int visit_order[graph_max_vertices];
    for (int i = 0; i < vertex_count; ++i) visit_order[dfs_number[i] - 1] = i;
    explain("Each vertex's discovery number is written below its ring, and the %d tree edges are drawn in red, each "
            "from a vertex to the parent it was discovered from: vertex %d got 1 and vertex %d, reached last, got %d.",
            vertex_count - 1, visit_order[0], visit_order[vertex_count - 1], vertex_count);
    explain("The search goes each time to the first unnumbered vertex on the current vertex's list (%d's list is %s, "
            "so %d is next).", visit_order[0], list_text(visit_order[0]).c_str(), visit_order[1]);
    explain_sentences(search_in_words(visit_order));
    explain_line(line::search);
    explain_line(line::number);
    explain_line(line::try_neighbours);
    explain_line(line::go_down);
    explain_list("vertices in discovery order", visit_order, vertex_count);
    explain_table("discovery numbers", "vertex", "discovery number", dfs_number, vertex_count, 0);
    explain_parents();
}

// The edges that are not tree edges, each once, from the larger discovery number to the smaller:
// found from the numbering alone, before or after the tree edges are directed.
int other_edges(int* from, int* to) {
    int count = 0;
    for (int i = 0; i < vertex_count; ++i)
        for (int j = 0; j < vertex_count; ++j)
            if (adjacency[i][j] != self && i != j && (adjacency[i][j] == arc || adjacency[j][i] == arc) &&
                parent[j] != i && parent[i] != j && dfs_number[i] > dfs_number[j]) {
                from[count] = i;
                to[count] = j;
                count += 1;
            }
    return count;
}

int edge_total() {
    int count = 0;
    for (int v = 0; v < vertex_count; ++v) count += degree[v];
    return count / 2;
}

// The discovery order, as "0, 1, 2, 6 and 5".
std::string discovery_sequence(int count) {
    int visit_order[graph_max_vertices];
    for (int i = 0; i < vertex_count; ++i) visit_order[dfs_number[i] - 1] = i;
    return joined(visit_order, count);
}

// Asked from the bare graph and its lists: one vertex's discovery number (neither the first nor the
// last, chosen by the graph) and, in an order the graph chooses, a tree edge and an edge that is not.
void ask_numbering_questions() {
    if (vertex_count < 3) return;
    int visit_order[graph_max_vertices];
    for (int i = 0; i < vertex_count; ++i) visit_order[dfs_number[i] - 1] = i;
    const int number = 2 + edge_total() % (vertex_count - 2);
    const int v = visit_order[number - 1];
    ask(AnswerKind::number, "The search starts at vertex %d with number 1. What depth-first number does vertex %d get?",
        root(), v);
    answer(number, "Vertex %d gets number %d: going each time to the first unnumbered vertex on the current vertex's "
                   "list, and back to the parent when there is none, the search numbers %s, so %d is number %d.",
           v, number, discovery_sequence(number).c_str(), v, number);

    int from[graph_max_vertices * graph_max_vertices], to[graph_max_vertices * graph_max_vertices];
    const int others = other_edges(from, to);
    if (others == 0) return;
    // The back edge that climbs least looks most like a tree edge: its ends are numbered closest.
    int back = 0;
    for (int k = 1; k < others; ++k)
        if (dfs_number[from[k]] - dfs_number[to[k]] < dfs_number[from[back]] - dfs_number[to[back]]) back = k;
    const int child = visit_order[vertex_count / 2];
    const int p = parent[child];
    for (int turn = 0; turn < 2; ++turn) {
        if ((turn == 0) == (edge_total() % 2 == 0)) {
            const std::string edge = edge_text(child, p);
            ask(AnswerKind::edge_kind, "Does the numbering search make edge %s a tree edge or a back edge?", edge.c_str());
            answer(answers::tree_edge, "Edge %s is a tree edge: %d is still unnumbered when the search, at %d (number %d), "
                                       "comes to it on %d's list (%s), so the search goes down to %d and numbers it %d.",
                   edge.c_str(), child, p, dfs_number[p], p, list_text(p).c_str(), child, dfs_number[child]);
        } else {
            const int u = from[back], w = to[back];
            const std::string edge = edge_text(u, w);
            ask(AnswerKind::edge_kind, "Does the numbering search make edge %s a tree edge or a back edge?", edge.c_str());
            answer(answers::back_edge, "Edge %s is a back edge: %d (number %d) is an ancestor of %d (number %d) but not "
                                       "its parent, so when the search at %d comes to %d on %d's list (%s), %d is "
                                       "numbered already and the search does not go along the edge.", edge.c_str(), w,
                   dfs_number[w], u, dfs_number[u], u, w, u, list_text(u).c_str(), w);
        }
    }
}

// A tree edge, chosen by the graph among those whose child has the smaller vertex number and those
// whose child has the larger, so that the answer is not always the larger or the smaller number.
void ask_tree_edge_direction() {
    int lower_child = -1, higher_child = -1;
    for (int i = 0; i < vertex_count; ++i) {
        if (is_root(i)) continue;
        if (parent[i] > i && lower_child < 0) lower_child = i;
        if (parent[i] < i) higher_child = i;
    }
    int child = edge_total() % 2 == 1 ? lower_child : higher_child;
    if (child < 0) child = lower_child < 0 ? higher_child : lower_child;
    if (child < 0) return;
    const int p = parent[child];
    const std::string edge = edge_text(child, p);
    ask(AnswerKind::vertex, "Which vertex will the arrow on edge %s point to?", edge.c_str());
    answer(child, "Edge %s is a tree edge and %d was discovered from its parent %d (discovery numbers %d and %d), so "
                  "it is directed from parent to child: the arrow points to %d.",
           edge.c_str(), child, p, dfs_number[child], dfs_number[p], child);
}

void said_tree_arc(int from, int to) {
    tree_arcs += (tree_count == 0 ? "" : ", ") + arc_text(from, to);
    tree_from[tree_count] = from;
    tree_to[tree_count] = to;
    tree_count += 1;
}

void say_tree_arcs() {
    explain("The %d tree edges are drawn as red arrows from parent to child, away from the root: %s.", tree_count,
            tree_arcs.c_str());
    explain("Vertex %d now reaches every vertex along the tree, but every arc so far points away from it, so no other "
            "vertex can get back up yet.", root());
    explain_line(line::direct_tree);
    explain_count("tree edges directed", tree_count);
}

// The back edge that climbs furthest among those whose ancestor has the larger vertex number (so
// that the answer is not the smaller number by habit), then a yes/no pair on two other back edges:
// one asked the way it will point, one the other way, in an order the graph chooses.
void ask_back_edge_direction() {
    int from[graph_max_vertices * graph_max_vertices], to[graph_max_vertices * graph_max_vertices];
    const int others = other_edges(from, to);
    if (others == 0) return;  // a tree has no other edges
    int chosen = -1;
    for (int pass = 0; pass < 2 && chosen < 0; ++pass)
        for (int k = 0; k < others; ++k)
            if ((pass == 1 || to[k] > from[k]) &&
                (chosen < 0 || dfs_number[from[k]] - dfs_number[to[k]] > dfs_number[from[chosen]] - dfs_number[to[chosen]]))
                chosen = k;
    {
        const std::string edge = edge_text(from[chosen], to[chosen]);
        ask(AnswerKind::vertex, "Which vertex will the arrow on edge %s point to?", edge.c_str());
        answer(to[chosen], "Edge %s is a back edge: %d (discovery number %d) is an ancestor of %d (number %d), and a "
                           "back edge is directed from the larger discovery number to the smaller, up to the ancestor: "
                           "the arrow points to %d.", edge.c_str(), to[chosen], dfs_number[to[chosen]], from[chosen],
               dfs_number[from[chosen]], to[chosen]);
    }
    if (others < 3) return;
    // Two back edges other than the one just asked, a third of the way round the list apart.
    const int first = (chosen + 1 + edge_total() % (others - 1)) % others;
    int second = (first + 1 + others / 3) % others;
    if (second == chosen) second = (second + 1) % others;
    if (second == first) return;
    const bool yes_first = (others + vertex_count) % 2 == 0;
    for (int turn = 0; turn < 2; ++turn) {
        const bool yes = (turn == 0) == yes_first;
        const int k = yes ? first : second;
        const int tail = yes ? from[k] : to[k], head = yes ? to[k] : from[k];
        ask(AnswerKind::yes_no, "Will the arrow on back edge %s point from %d to %d?", edge_text(tail, head).c_str(),
            tail, head);
        if (yes)
            answer(answers::yes, "Yes: %d has discovery number %d and %d has %d, and a back edge points from the larger "
                                 "number to the smaller, up to the ancestor: %s.", tail, dfs_number[tail], head,
                   dfs_number[head], arc_text(tail, head).c_str());
        else
            answer(answers::no, "No: %d has discovery number %d and %d has %d, and a back edge points from the larger "
                                "number to the smaller, up to the ancestor: %s, from %d to %d.", tail, dfs_number[tail],
                   head, dfs_number[head], arc_text(head, tail).c_str(), head, tail);
    }
}

void said_back_arc(int from, int to) {
    back_arcs += (back_count == 0 ? "" : ", ") + arc_text(from, to);
    back_from[back_count] = from;
    back_to[back_count] = to;
    back_count += 1;
}

// Every tree edge checked for a covering back arc, from the root down in discovery order.
void say_back_arcs() {
    if (back_count == 1)
        explain("The other edge is drawn as a red arrow, a back edge between a vertex and one of its ancestors, "
                "directed from the larger discovery number to the smaller, up to the ancestor: %s; the vertices turn "
                "green under the caption that the digraph is strongly connected.",
                back_arcs.c_str());
    else
        explain("The %d other edges are drawn as red arrows, each a back edge between a vertex and one of its ancestors, "
                "directed from the larger discovery number to the smaller, up to the ancestor: %s; the vertices turn "
                "green under the caption that the digraph is strongly connected.",
                back_count, back_arcs.c_str());
    std::string covered, uncovered;
    int covered_count = 0, uncovered_count = 0;
    int visit_order[graph_max_vertices];
    for (int v = 0; v < vertex_count; ++v) visit_order[dfs_number[v] - 1] = v;
    for (int i = 1; i < vertex_count; ++i) {
        const int c = visit_order[i];
        const int k = covering_back_arc(c);
        const std::string tree_arc = arc_text(parent[c], c);
        if (k < 0) {
            uncovered += (uncovered.empty() ? "" : ", ") + tree_arc;
            uncovered_count += 1;
            continue;
        }
        covered += (covered.empty() ? "tree edge " : "; ") + tree_arc + " is covered by back edge " +
                   arc_text(back_from[k], back_to[k]);
        covered_count += 1;
    }
    explain("Why it is strongly connected: each tree edge p->c needs a back edge from c's subtree to p or above, so that the vertices "
            "below it can climb back out: %s.", covered.c_str());
    int deepest = 0;
    for (int v = 0; v < vertex_count; ++v)
        if (dfs_number[v] > dfs_number[deepest]) deepest = v;
    std::string way;
    if (uncovered_count > 0) {
        explain("But tree edge%s %s %s covered by no back edge: %s a bridge, no vertex below it gets back above it, "
                "and the digraph is not strongly connected, whatever the caption says.",
                uncovered_count == 1 ? "" : "s", uncovered.c_str(), uncovered_count == 1 ? "is" : "are",
                uncovered_count == 1 ? "it is" : "each is");
    } else if (way_to_root(deepest, way)) {
        explain("So every vertex climbs back to the root: down its subtree to a covering back edge, up it to a strictly "
                "higher vertex, and again; %d, numbered last, goes %s. And the root reaches every vertex down the "
                "tree, so every vertex reaches every other through it: the digraph is strongly connected.",
                deepest, way.c_str());
    }
    explain_line(line::direct_others);
    explain_line(line::cover);
    explain_count("tree edges", tree_count);
    explain_count("back edges", back_count);
    explain_count("tree edges covered by a back edge", covered_count);
    explain_orientation();
}
