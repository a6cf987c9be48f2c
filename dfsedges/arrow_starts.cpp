// Start points of the dfsedges arrows, computed once at start-up.
#include "arrow_starts.h"

#include <cmath>

namespace {
constexpr float arrow_offset = 10.0f;
}

void compute_arrow_starts(int* arrow_start_x, int* arrow_start_y, int row_length) {
    for (int i = 0; i < graph.vertex_count; ++i) {
        for (int j = 0; j < graph.degree[i]; ++j) {
            const int k = graph.adjacency[i][j];
            const int dx = graph.x[k] - graph.x[i];
            const int dy = graph.y[k] - graph.y[i];
            // The length is held in single precision and everything after it in double: the
            // truncated start points depend on both choices.
            const float len = static_cast<float>(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
            // (-dy, dx) is the right-hand normal on a screen whose y axis points down.
            arrow_start_x[i * row_length + k] = static_cast<int>(graph.x[i] + double{arrow_offset} * (-dy / double{len}));
            arrow_start_y[i * row_length + k] = static_cast<int>(graph.y[i] + double{arrow_offset} * (dx / double{len}));
        }
    }
}
