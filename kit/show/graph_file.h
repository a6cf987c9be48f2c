// A graph of the user's own (--graph FILE): the plain text a teacher or student writes, read into
// fixed-size tables and checked against what the program can draw. Nothing here touches SDL, so
// the reading is tested on its own.
//
//     # the graph of my lecture: a vertex line each, then an edge (or arc) line each
//     vertex 0 200 40        vertex NUMBER [X Y]: its place in the 800 x 600 picture
//     vertex 1 100 200
//     vertex 2 400 40
//     edge 0 1               edge U V: undirected; arc U V: from U to V, for a digraph
//     edge 0 2
//
// The vertices are 0, 1, ... with none left out, in any order. Either every vertex has its place or
// none has: then they stand evenly on a circle inside the area the program's pictures use. A
// vertex's neighbours are tried in the order its edges come in the file. Blank lines and
// everything after a # are comments.
#pragma once

#include <string>

struct Graph;

// What a program can run on: the kind of graph, how many vertices its pictures have room for, and
// where the vertices may stand.
struct GraphRules {
    bool accepted = false;  // the program takes --graph FILE and, for a graph of its own, --seed N
    bool directed = false;  // arcs, not edges
    int min_vertices = 1, max_vertices = 0;
    int left = 0, top = 0, right = 0, bottom = 0;  // the area the vertices stand in, inclusive
    // The program's own test of a graph it cannot show (not connected, a bridge, ...): false with
    // the line of the file that makes it so (0 for the file as a whole) and why, in a few words.
    bool (*check)(const Graph& graph, int& line, std::string& why) = nullptr;
    // The algorithm tries a vertex's neighbours in the order of its list (a matrix algorithm does not).
    bool order_tried = true;
};

constexpr int graph_max_vertices = 64;
constexpr int graph_max_edges = graph_max_vertices * (graph_max_vertices - 1);

struct Graph {
    int vertex_count = 0;
    bool directed = false;
    bool placed = false;  // the file gave the places; else laid out on a circle
    int x[graph_max_vertices] = {}, y[graph_max_vertices] = {};
    // Row v: the neighbours of v (for a digraph, the heads of its arcs) in the order of the file.
    int degree[graph_max_vertices] = {};
    int adjacency[graph_max_vertices][graph_max_vertices] = {};
    // The edges or arcs as the file gives them, each with its line.
    int edge_count = 0;
    int edge_from[graph_max_edges] = {}, edge_to[graph_max_edges] = {}, edge_line[graph_max_edges] = {};
    int vertex_line[graph_max_vertices] = {};
};

// Reads `text` (the file `name`) into `graph` under `rules`. False with one line "NAME:LINE: what is
// wrong" (or "NAME: what is wrong" for the file as a whole) in `why`.
bool read_graph(const std::string& text, const std::string& name, const GraphRules& rules, Graph& graph,
                std::string& why);

// Reads the file at `path` as read_graph does; a file that cannot be read, or of more than a
// megabyte, is refused with "PATH: why".
bool read_graph_file(const std::string& path, const GraphRules& rules, Graph& graph, std::string& why);
