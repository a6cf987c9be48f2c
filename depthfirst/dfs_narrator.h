// The depth-first narrator: the words every depth-first view says alike, and the state that only
// those words need (the stack as said, the parents as said, discovery numbers, the finishing order,
// the tree and back edges met). A view's own words file says what its picture shows and calls it:
//
//     narrate_graph(vertex_count, degree, adjacency[0], vertex_count);  // once, before the search
//     note_discovered(v);  note_tree_edge(v, w);  note_finished(v);     // as the search goes
//     say_stack();  ask_discovered_from(v);  answer_discovered_from(v, j);
//
// The graph is any graph of at most max_vertices vertices, given as rows of neighbours in the
// order the search examines them. From the first step on, every step shows those rows as the
// neighbour lists, and the legend says in what order they are.
#pragma once

namespace depth_first {

constexpr int max_vertices = 64;
constexpr int none = -1;  // a parent not said yet, or a root's

// ---- The graph the words are about ----------------------------------------------------------
// Row v of `adjacency` starts at adjacency[v * row_length] and holds degree[v] neighbours. The
// narrator keeps the pointers: the rows must outlive the show. Said before the first step.
void narrate_graph(int vertex_count, const int* degree, const int* adjacency, int row_length);
// The title of the neighbour lists in every step's state.
constexpr const char* lists_title = "Neighbour lists, in the order the search tries them";
// "which here is by increasing vertex number", or "which is not always by number".
const char* neighbour_order_words();
// v's list as "1, 4, 7".
void list_of(int v, char* text, int size);
// Vertices each with its list, as "6 (list 3, 4, 5), 5 (list 0, 3, 6) and 3 (list 4, 5, 6)".
void name_with_lists(const int* vertices, int count, char* text, int size);
int vertex_count();
int degree_of(int v);
int neighbour(int v, int j);
// The position of w in v's row at `from` or after it: where the search found w.
int position_in_row(int v, int w, int from);
// The number of undirected edges, each listed at both its ends.
int edge_count();
// "edge" for one, else "edges" (a user's graph may be a single edge, or a tree with no edge left
// over).
const char* edges_word(int count);

// ---- What a search from 0 can reach -----------------------------------------------------------
// Worked out in narrate_graph, for the words said before the search: a graph of the user's need not
// be connected, and the search from 0 discovers only the vertices a path of edges leads to.
bool all_reachable();
int reachable_count();
int reachable_edge_count();  // the edges between two reachable vertices: all the search looks along
// "these 8 vertices and 12 edges", or "the 5 vertices and 6 edges that can be reached from 0".
void name_searched_part(char* text, int size);
// With the first step, when some vertex cannot be reached from 0: which, and that the search will
// never discover it. Nothing otherwise.
void say_unreachable();
// From the state as said: the edges between two discovered vertices, and, said at the end when the
// search left some vertex undiscovered, which and how many edges it never looked along.
int discovered_edge_count();
void say_left_undiscovered();
// The edges between discovered vertices that are not tree edges, for a view that leaves them grey:
// "the other 5 edges led to vertices discovered already and stay grey", "the other edge led to a
// vertex discovered already and stays grey" or "no other edge is left grey" (with "between them"
// after "edge" or "edges" when some vertex was left undiscovered).
void name_edges_left_grey(char* text, int size);

// ---- The state as said ----------------------------------------------------------------------
extern int stack[max_vertices];  // the path from the root to the vertex being searched
extern int stack_size;
extern int parent[max_vertices];     // none until a tree edge reaches the vertex
extern int discovery[max_vertices];  // 0 before the vertex is discovered
extern int discovery_count;
extern int discovery_order[max_vertices];  // the vertices by discovery number, from 1
extern int finish_order[max_vertices];
extern int finish_count;
extern bool finished[max_vertices];

void note_discovered(int v);        // a discovery number, and v on top of the stack
void note_tree_edge(int u, int v);  // u becomes v's parent
void note_back_edge(int u, int v);
void note_finished(int v);          // v leaves the stack and joins the finishing order

int tree_edge_count();
int back_edge_count();
// "0-1, 1-4, 4-3", in the order the search went down them (or met them).
void name_tree_edges(char* text, int size);
void name_back_edges(char* text, int size);

// ---- Shared words ---------------------------------------------------------------------------
// The ends of the edges from u to its neighbours from position `first` up to `last`, which the
// search passed over because they were discovered already; the edge to u's own parent, the one u
// was reached by, is left out. Returns how many.
int passed_over(int u, int first, int last, int* ends);
// The edges from v to `ends` named as "4-6 and 4-7", and their ends as "6 and 7"; each text has
// room for `size` characters.
void name_edges(int v, const int* ends, int count, char* edges, char* names, int size);
// Both at once for the edges from u that the search passed over between positions `first` and
// `last`: "4-6 and 4-7" into `edges`, "6 and 7" into `names`. Returns how many.
int name_passed_over(int u, int first, int last, char* edges, char* names, int size);
// The sentence every view says when the search leaves v: "Vertex v has no undiscovered neighbour
// left" followed by the rest, formatted.
void say_no_undiscovered_neighbour_left(int v, const char* rest_format, ...)
    __attribute__((format(printf, 2, 3)));

void say_stack();
void say_parents();
void say_discovery_numbers(const char* value_heading);
void say_finished_so_far();

// ---- Questions for --predict: where the search goes from a vertex ----------------------------
// The neighbours before neighbour(v, j), all discovered by the time the search looks at it, as
// " (0 and 5, before it in the list, are discovered already)"; "" when it is the first.
void name_earlier_neighbours(int v, int j, char* text, int size);
// Asked before the step that shows where the search goes from v: down a tree edge to a vertex it
// discovers there, or back to v's parent.
void ask_discovered_from(int v);
// The answer when it discovers neighbour(v, j), the first neighbour in v's list still undiscovered.
void answer_discovered_from(int v, int j);
// The answer when v has no undiscovered neighbour left and the search goes back to its parent.
void answer_goes_back_from(int v, int parent);

}  // namespace depth_first
