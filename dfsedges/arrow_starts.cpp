// Start points of the dfsedges arrows, computed once at start-up.
#include "arrow_starts.h"

#include <cmath>

namespace {
constexpr float arrow_offset = 10.0f;
}

void compute_arrow_starts(int arrow_start_x[vertex_count][vertex_count],
                          int arrow_start_y[vertex_count][vertex_count]) {
    for (int i = 0; i < vertex_count; ++i) {
        for (int j = 0; j < degree[i]; ++j) {
            const int k = adjacency[i][j];
            const int dx = vertex_x[k] - vertex_x[i];
            const int dy = vertex_y[k] - vertex_y[i];
            // The length is held in single precision and everything after it in double: the
            // truncated start points depend on both choices.
            const float len = static_cast<float>(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
            // (-dy, dx) is the right-hand normal on a screen whose y axis points down.
            arrow_start_x[i][k] = static_cast<int>(vertex_x[i] + double{arrow_offset} * (-dy / double{len}));
            arrow_start_y[i][k] = static_cast<int>(vertex_y[i] + double{arrow_offset} * (dx / double{len}));
        }
    }
}
