// components' rules for a user's graph and its random graphs. The random ones are drawn with the
// kit's random_number, so a seed gives the same graph on every platform.
#include "components_graph.h"

#include "component_colours.h"
#include "kit.h"

#include <string>

namespace {

constexpr int colourable_components = component_slots / 2;

// The lowest-numbered vertex of each component, in number order, as the outer loop meets them;
// returns how many components there are. `first` has room for graph.vertex_count entries.
int component_starts(const Graph& graph, int* first) {
    int label[graph_max_vertices], pending[graph_max_vertices];
    for (int v = 0; v < graph.vertex_count; ++v) label[v] = -1;
    int count = 0;
    for (int s = 0; s < graph.vertex_count; ++s) {
        if (label[s] >= 0) continue;
        first[count] = s;
        label[s] = count;
        int size = 0;
        pending[size++] = s;
        while (size > 0) {
            const int v = pending[--size];
            for (int j = 0; j < graph.degree[v]; ++j) {
                const int w = graph.adjacency[v][j];
                if (label[w] < 0) label[w] = count, pending[size++] = w;
            }
        }
        ++count;
    }
    return count;
}

// Each component is drawn in a pair of colours of its own, and there are pairs for four.
bool every_component_coloured(const Graph& graph, int& line, std::string& why) {
    int first[graph_max_vertices];
    const int count = component_starts(graph, first);
    if (count <= colourable_components) return true;
    const int v = first[colourable_components];
    line = graph.vertex_line[v];
    why = "the graph has " + std::to_string(count) + " connected components, and components colours at most " +
          std::to_string(colourable_components) + ": vertex " + std::to_string(v) + " begins component " +
          std::to_string(colourable_components + 1);
    return false;
}

int random_below(int n) { return random_number() % n; }

long squared_distance(int ax, int ay, int bx, int by) {
    const long dx = ax - bx, dy = ay - by;
    return dx * dx + dy * dy;
}

// ---- The random graph ------------------------------------------------------------------------

// A line drawn closer than this to a vertex it does not end at would seem to pass through it.
constexpr long clearance = 16;

struct Drawing {
    const int* x;
    const int* y;
    int count;
    int* degree;
    int (*adjacency)[graph_max_vertices];
    int edge_from[graph_max_edges], edge_to[graph_max_edges];
    int edges = 0;

    bool joined(int a, int b) const {
        for (int j = 0; j < degree[a]; ++j)
            if (adjacency[a][j] == b) return true;
        return false;
    }

    void add(int a, int b) {
        adjacency[a][degree[a]++] = b;
        adjacency[b][degree[b]++] = a;
        edge_from[edges] = a;
        edge_to[edges] = b;
        ++edges;
    }

    long length(int a, int b) const { return squared_distance(x[a], y[a], x[b], y[b]); }

    // Whether c lies within the clearance of the segment a-b.
    bool near_segment(int c, int a, int b) const {
        const long dx = x[b] - x[a], dy = y[b] - y[a];
        const long px = x[c] - x[a], py = y[c] - y[a];
        const long along = px * dx + py * dy, whole = dx * dx + dy * dy;
        if (along <= 0 || along >= whole) return false;  // beyond an end: the end's own disc is there
        const long cross = px * dy - py * dx;
        return cross * cross < clearance * clearance * whole;
    }

    static long turn(long ax, long ay, long bx, long by, long cx, long cy) {
        const long t = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
        return (t > 0) - (t < 0);
    }

    // Whether segments a-b and c-d cross at a point that is no end of either.
    bool crossing(int a, int b, int c, int d) const {
        if (a == c || a == d || b == c || b == d) return false;
        return turn(x[a], y[a], x[b], y[b], x[c], y[c]) * turn(x[a], y[a], x[b], y[b], x[d], y[d]) < 0 &&
               turn(x[c], y[c], x[d], y[d], x[a], y[a]) * turn(x[c], y[c], x[d], y[d], x[b], y[b]) < 0;
    }

    // A line a-b that a student reads as it is: it passes by every other vertex and crosses no
    // line drawn before.
    bool clear(int a, int b) const {
        for (int c = 0; c < count; ++c)
            if (c != a && c != b && near_segment(c, a, b)) return false;
        for (int e = 0; e < edges; ++e)
            if (crossing(a, b, edge_from[e], edge_to[e])) return false;
        return true;
    }
};

// Grows a tree over the `size` members of one cluster from its first: each time a random member
// not yet in the tree, among those with a clear line to it, joins the nearest tree vertex it has a
// clear line to; when no member has one, the shortest line of all is drawn.
void grow_tree(Drawing& drawing, const int* members, int size) {
    bool in_tree[graph_max_vertices] = {};
    in_tree[members[0]] = true;
    for (int added = 1; added < size; ++added) {
        int ready[graph_max_vertices], partner[graph_max_vertices], ready_count = 0;
        int short_from = -1, short_to = -1;
        for (int i = 0; i < size; ++i) {
            const int b = members[i];
            if (in_tree[b]) continue;
            int nearest = -1;
            for (int k = 0; k < size; ++k) {
                const int a = members[k];
                if (!in_tree[a]) continue;
                if (short_from < 0 || drawing.length(a, b) < drawing.length(short_from, short_to))
                    short_from = a, short_to = b;
                if (drawing.clear(a, b) && (nearest < 0 || drawing.length(a, b) < drawing.length(nearest, b)))
                    nearest = a;
            }
            if (nearest >= 0) ready[ready_count] = b, partner[ready_count++] = nearest;
        }
        if (ready_count > 0) {
            const int pick = random_below(ready_count);
            short_from = partner[pick];
            short_to = ready[pick];
        }
        drawing.add(short_from, short_to);
        in_tree[short_to] = true;
    }
}

// One more line inside the cluster, closing a cycle: one of its three shortest clear lines not
// drawn yet, or, when none is clear, the shortest of all. False when every pair is joined.
bool close_a_cycle(Drawing& drawing, const int* members, int size, bool only_clear) {
    int from[3], to[3], found = 0;
    for (;;) {
        int best_a = -1, best_b = -1;
        for (int i = 0; i < size; ++i)
            for (int k = i + 1; k < size; ++k) {
                const int a = members[i], b = members[k];
                if (drawing.joined(a, b) || (only_clear && !drawing.clear(a, b))) continue;
                bool taken = false;
                for (int f = 0; f < found; ++f) taken |= from[f] == a && to[f] == b;
                if (!taken && (best_a < 0 || drawing.length(a, b) < drawing.length(best_a, best_b))) best_a = a, best_b = b;
            }
        if (best_a < 0 || found == 3) break;
        from[found] = best_a;
        to[found++] = best_b;
    }
    if (found == 0) return only_clear && close_a_cycle(drawing, members, size, false);
    const int pick = random_below(found);
    drawing.add(from[pick], to[pick]);
    return true;
}

}  // namespace

// The vertices stand where each keeps its finished disc (radius 11) and its number (from 25
// pixels left of it, two digits of the 20-point font, 20 x 23 pixels from 2 above it) inside the
// picture and above the count written at (20, 450) in the last step. On the circle those bounds
// give vertices that are not placed (centre (405, 220), radius 200), 24 vertices stand 52 pixels
// apart, and each one's number stays clear of its neighbours' discs whichever way round the
// circle they lie; at 30 the numbers on the slants already run under the next disc.
GraphRules component_graph_rules() {
    GraphRules rules;
    rules.accepted = true;
    rules.directed = false;
    rules.min_vertices = 2;
    rules.max_vertices = 24;
    rules.left = 30;
    rules.right = 780;
    rules.top = 20;
    rules.bottom = 420;
    rules.check = every_component_coloured;
    return rules;
}

void draw_random_components(const int* x, const int* y, int count, int* degree, int (*adjacency)[graph_max_vertices]) {
    static Drawing drawing;
    drawing = Drawing{x, y, count, degree, adjacency, {}, {}, 0};
    for (int v = 0; v < count; ++v) degree[v] = 0;

    // Shuffled places; the first few are the centres of the clusters, each place joins the
    // nearest centre, so every component is a group of places near each other.
    int order[graph_max_vertices];
    for (int v = 0; v < count; ++v) order[v] = v;
    for (int i = count - 1; i > 0; --i) {
        const int k = random_below(i + 1);
        const int kept = order[i];
        order[i] = order[k];
        order[k] = kept;
    }
    const int clusters = 2 + random_below(colourable_components - 1);
    int members[colourable_components][graph_max_vertices], size[colourable_components] = {};
    for (int i = 0; i < count; ++i) {
        const int v = order[i];
        int nearest = 0;
        for (int c = 1; c < clusters && i >= clusters; ++c)
            if (squared_distance(x[v], y[v], x[order[c]], y[order[c]]) <
                squared_distance(x[v], y[v], x[order[nearest]], y[order[nearest]]))
                nearest = c;
        const int cluster = i < clusters ? i : nearest;
        members[cluster][size[cluster]++] = v;
    }

    int largest = 0;
    for (int c = 1; c < clusters; ++c)
        if (size[c] > size[largest]) largest = c;
    for (int c = 0; c < clusters; ++c) grow_tree(drawing, members[c], size[c]);
    for (int c = 0; c < clusters; ++c) {
        if (size[c] < 3) continue;
        const int extra = c == largest ? 1 + random_below(2) : random_below(2);
        for (int e = 0; e < extra; ++e) close_a_cycle(drawing, members[c], size[c], true);
    }
}
