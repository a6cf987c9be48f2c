// The graph that the five depth-first views walk in this run: the demo graph (demo_graph.h), the
// user's (--graph FILE) or a random one on the demo graph's places (--seed N). One source for all
// five, so that a class given one seed gets the same graph in every view:
//
//     start_frame(argc, argv, {"numbering", "...", false, false, demo_graph_rules(9, 470)});
//     use_chosen_graph();
//     draw_thick_line(graph.x[v], graph.y[v], graph.x[w], graph.y[w], ...);  // w = graph.adjacency[v][j]
//
// Only the places and the neighbour lists (vertex_count, x, y, degree, adjacency) are set: the views
// need nothing else.
#pragma once

#include "demo_graph.h"
#include "kit.h"

// The demo graph until use_chosen_graph says otherwise.
extern Graph graph;

// What a view can draw: undirected, 2 to max_vertices vertices standing inside the window with
// room for their discs and number labels, above y = `bottom` (what is below is the view's own:
// a row of entries, or the labels' room at the window's edge); vertex 0, where the search starts,
// must have an edge.
GraphRules demo_graph_rules(int max_vertices, int bottom);

// After start_frame: the file's graph with --graph, a random one with --seed, else the demo graph;
// said to the kit (--print-graph).
void use_chosen_graph();

// A random connected graph on the demo graph's 8 places, drawn from the kit's random numbers
// (seed_random first): a random spanning tree plus 3 to 5 more edges, so 3 to 5 independent
// cycles, and no edge passing close by a vertex it does not join. Each list is in increasing
// vertex number, as the demo graph's are.
void draw_random_graph(Graph& drawn);
