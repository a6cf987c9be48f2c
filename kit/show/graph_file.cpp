// Reading a graph file (see graph_file.h): a line at a time, every complaint naming its line.
#include "graph_file.h"

#include "platform.h"
#include "show.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <vector>

namespace {

constexpr std::size_t largest_file = 1 << 20;
constexpr int largest_coordinate = 99999;

// A vertex number or coordinate: digits only, not too many of them; -1 when it is none.
int number_of(const std::string& word) {
    if (word.empty() || word.size() > 5) return -1;
    int value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value <= largest_coordinate ? value : -1;
}

// The word as it may stand in a one-line complaint: at most 20 characters, nothing but printable ASCII.
std::string quoted(const std::string& word) {
    std::string shown;
    for (const char c : word.substr(0, 20)) shown += c >= ' ' && c <= '~' ? c : '?';
    return "'" + shown + (word.size() > 20 ? "...'" : "'");
}

struct Reader {
    const std::string& name;
    const GraphRules& rules;
    Graph& graph;
    std::string& why;
    bool given[graph_max_vertices] = {};
    bool placed[graph_max_vertices] = {};
    int placed_line = 0, unplaced_line = 0;  // the first vertex line with a place, and without

    bool refuse(int line, const std::string& what) {
        why = name + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + what;
        return false;
    }

    bool vertex(int line, const std::vector<std::string>& words) {
        if (words.size() != 2 && words.size() != 4)
            return refuse(line, "a vertex line is 'vertex NUMBER' or 'vertex NUMBER X Y'");
        const int v = number_of(words[1]);
        if (v < 0) return refuse(line, quoted(words[1]) + " is not a vertex number (0, 1, 2, ...)");
        const int most = std::min(rules.max_vertices, graph_max_vertices);
        if (v >= most)
            return refuse(line, "vertex " + std::to_string(v) + ": this program draws at most " + std::to_string(most) +
                                    " vertices, 0 to " + std::to_string(most - 1));
        if (given[v])
            return refuse(line, "vertex " + std::to_string(v) + " is given twice (first on line " +
                                    std::to_string(graph.vertex_line[v]) + ")");
        given[v] = true;
        graph.vertex_line[v] = line;
        if (words.size() == 2) {
            if (unplaced_line == 0) unplaced_line = line;
            return true;
        }
        const int x = number_of(words[2]), y = number_of(words[3]);
        if (x < 0 || y < 0) return refuse(line, "the place of vertex " + std::to_string(v) + " is two whole numbers, X and Y");
        if (x < rules.left || x > rules.right || y < rules.top || y > rules.bottom)
            return refuse(line, "vertex " + std::to_string(v) + " at " + std::to_string(x) + " " + std::to_string(y) +
                                    " is outside the area this program draws its vertices in, x " +
                                    std::to_string(rules.left) + " to " + std::to_string(rules.right) + " and y " +
                                    std::to_string(rules.top) + " to " + std::to_string(rules.bottom));
        for (int other = 0; other < graph_max_vertices; ++other)
            if (other != v && given[other] && graph.vertex_line[other] != 0 && placed[other] && graph.x[other] == x &&
                graph.y[other] == y)
                return refuse(line, "vertex " + std::to_string(v) + " stands where vertex " + std::to_string(other) +
                                        " does (line " + std::to_string(graph.vertex_line[other]) +
                                        "): give each vertex a place of its own");
        graph.x[v] = x;
        graph.y[v] = y;
        placed[v] = true;
        if (placed_line == 0) placed_line = line;
        return true;
    }

    bool edge(int line, const std::vector<std::string>& words) {
        const bool arc = words[0] == "arc";
        if (arc != rules.directed)
            return refuse(line, rules.directed ? "this program runs on a digraph: write 'arc U V', an arc from U to V"
                                               : "this program runs on an undirected graph: write 'edge U V'");
        if (words.size() != 3) return refuse(line, "an " + words[0] + " line is '" + words[0] + " U V'");
        const int u = number_of(words[1]), v = number_of(words[2]);
        if (u < 0 || v < 0) return refuse(line, "an " + words[0] + " joins two vertex numbers (0, 1, 2, ...)");
        if (u == v) return refuse(line, words[0] + " " + words[1] + " " + words[2] + " joins a vertex to itself");
        for (int f = 0; f < graph.edge_count; ++f) {
            const bool same = (graph.edge_from[f] == u && graph.edge_to[f] == v) ||
                              (!rules.directed && graph.edge_from[f] == v && graph.edge_to[f] == u);
            if (same)
                return refuse(line, words[0] + " " + std::to_string(u) + " " + std::to_string(v) + " is given twice (first on line " +
                                        std::to_string(graph.edge_line[f]) + ")");
        }
        if (graph.edge_count == graph_max_edges) return refuse(line, "more edges than any graph of this program can have");
        graph.edge_from[graph.edge_count] = u;
        graph.edge_to[graph.edge_count] = v;
        graph.edge_line[graph.edge_count] = line;
        ++graph.edge_count;
        return true;
    }

    // Once every line is read: the vertices are 0 to n - 1, every edge joins two of them once, and
    // the places are all given or none.
    bool complete() {
        int count = 0;
        while (count < graph_max_vertices && given[count]) ++count;
        for (int v = count; v < graph_max_vertices; ++v)
            if (given[v])
                return refuse(graph.vertex_line[v], "vertex " + std::to_string(v) + " is given, but vertex " +
                                                        std::to_string(count) + " is not: the vertices are 0, 1, 2, ... with none left out");
        if (count < rules.min_vertices)
            return refuse(0, "the graph has " + std::to_string(count) + " vertices; this program needs at least " +
                                 std::to_string(rules.min_vertices));
        if (placed_line != 0 && unplaced_line != 0)
            return refuse(std::max(placed_line, unplaced_line),
                          "give every vertex its place (vertex NUMBER X Y), or none: line " +
                              std::to_string(std::min(placed_line, unplaced_line)) + " does otherwise");
        graph.vertex_count = count;
        graph.directed = rules.directed;
        graph.placed = placed_line != 0;
        const char* kind = rules.directed ? "arc" : "edge";
        for (int e = 0; e < graph.edge_count; ++e) {
            const int u = graph.edge_from[e], v = graph.edge_to[e];
            for (const int end : {u, v})
                if (end >= count) return refuse(graph.edge_line[e], std::string(kind) + " " + std::to_string(u) + " " +
                                                                      std::to_string(v) + ": there is no vertex " + std::to_string(end));
            graph.adjacency[u][graph.degree[u]++] = v;
            if (!rules.directed) graph.adjacency[v][graph.degree[v]++] = u;
        }
        if (!graph.placed) lay_out_on_a_circle();
        return true;
    }

    // Evenly on the largest circle the area holds, vertex 0 at the top and the rest clockwise.
    void lay_out_on_a_circle() {
        const double centre_x = (rules.left + rules.right) / 2.0, centre_y = (rules.top + rules.bottom) / 2.0;
        const double radius = std::min(rules.right - rules.left, rules.bottom - rules.top) / 2.0;
        const double pi = std::acos(-1.0);
        for (int v = 0; v < graph.vertex_count; ++v) {
            const double angle = 2 * pi * v / graph.vertex_count;
            graph.x[v] = static_cast<int>(std::lround(centre_x + radius * std::sin(angle)));
            graph.y[v] = static_cast<int>(std::lround(centre_y - radius * std::cos(angle)));
        }
    }
};

}  // namespace

bool read_graph(const std::string& text, const std::string& name, const GraphRules& rules, Graph& graph,
                std::string& why) {
    graph = Graph{};
    Reader reader{name, rules, graph, why};
    std::istringstream lines(text);
    std::string line_text;
    int line = 0;
    while (std::getline(lines, line_text)) {
        ++line;
        const std::size_t comment = line_text.find('#');
        if (comment != std::string::npos) line_text.erase(comment);
        std::istringstream words_in(line_text);
        std::vector<std::string> words;
        for (std::string word; words_in >> word;) words.push_back(word);
        if (words.empty()) continue;
        if (words[0] == "vertex") {
            if (!reader.vertex(line, words)) return false;
        } else if (words[0] == "edge" || words[0] == "arc") {
            if (!reader.edge(line, words)) return false;
        } else {
            return reader.refuse(line, quoted(words[0]) + " is not 'vertex', 'edge' or 'arc'");
        }
    }
    if (!reader.complete()) return false;
    int bad_line = 0;
    std::string bad;
    if (rules.check != nullptr && !rules.check(graph, bad_line, bad)) return reader.refuse(bad_line, bad);
    return true;
}

bool read_graph_file(const std::string& path, const GraphRules& rules, Graph& graph, std::string& why) {
    std::string text;
    switch (platform_read_text_file(path, largest_file, text)) {
        case FileRead::done: return read_graph(text, printable(path), rules, graph, why);
        case FileRead::too_large: why = printable(path) + ": more than a megabyte, too large for a graph file"; return false;
        case FileRead::failed: break;
    }
    why = printable(path) + ": cannot be read";
    return false;
}
