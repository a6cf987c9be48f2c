// The fixed undirected graph of 8 vertices and 12 edges that the five depth-first search views
// (dfsedges, numbering, backtrack, preorder, dfstree) all walk: the same coordinates and the same
// neighbour order, so that the five shows can be compared step by step.
#pragma once

constexpr int vertex_count = 8;

constexpr int vertex_x[vertex_count] = {200, 100, 400, 300, 100, 400, 240, 200};
constexpr int vertex_y[vertex_count] = {40, 200, 40, 400, 400, 200, 300, 200};

// Row v lists the neighbours of v in the order the search examines them; every edge stands in both
// rows of its end vertices.
constexpr int degree[vertex_count] = {4, 3, 1, 3, 4, 3, 3, 3};
constexpr int adjacency[vertex_count][vertex_count] = {
    {1, 2, 5, 7}, {0, 4, 7}, {0}, {4, 5, 6}, {1, 3, 6, 7}, {0, 3, 6}, {3, 4, 5}, {0, 1, 4},
};
