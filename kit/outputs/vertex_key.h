// The key of vertex numbers a worksheet prints beside its pictures: the graph in use drawn small
// and plain, each vertex a ring with its number inside at the place the pictures give it, so that
// a number a disc or a band half covers in a picture (or that grey printing makes hard to read)
// can be read off the key. Laid out here once, drawn by the PDF writer and the HTML page alike.
#pragma once

#include "narration.h"

#include <vector>

struct VertexKey {
    double width = 0, height = 0;  // the whole key, rings included, in the caller's unit
    double ring = 0;               // each vertex's ring's radius
    std::vector<double> x, y;      // vertex v's centre, from the key's top-left corner
};

// The key of `places` at most `most_width` by `most_height`, each ring of radius `ring`, the
// places scaled alike in both directions; empty (width 0) when there are no places.
VertexKey vertex_key(const GraphPlaces& places, double most_width, double most_height, double ring);
