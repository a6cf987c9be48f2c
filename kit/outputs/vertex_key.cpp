#include "vertex_key.h"

#include <algorithm>

VertexKey vertex_key(const GraphPlaces& places, double most_width, double most_height, double ring) {
    VertexKey key;
    if (places.x.empty()) return key;
    const auto [left, right] = std::minmax_element(places.x.begin(), places.x.end());
    const auto [top, bottom] = std::minmax_element(places.y.begin(), places.y.end());
    // A graph all in one row or column has no height or width: only the other direction scales it.
    const double across = std::max(1, *right - *left), down = std::max(1, *bottom - *top);
    double scale = std::min((most_width - 2 * ring) / across, (most_height - 2 * ring) / down);
    if (*bottom == *top) scale = (most_width - 2 * ring) / across;
    if (*right == *left) scale = (most_height - 2 * ring) / down;
    scale = std::max(0.0, scale);
    key.ring = ring;
    key.width = (*right - *left) * scale + 2 * ring;
    key.height = (*bottom - *top) * scale + 2 * ring;
    for (std::size_t v = 0; v < places.x.size(); ++v) {
        key.x.push_back(ring + (places.x[v] - *left) * scale);
        key.y.push_back(ring + (places.y[v] - *top) * scale);
    }
    return key;
}
