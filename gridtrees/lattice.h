// The square lattice of gridtrees and the centre both of its searches start from.
#pragma once

constexpr int side = 33;
constexpr int vertex_count = side * side;
constexpr int centre = 544;  // row 16, column 16
