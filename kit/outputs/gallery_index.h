// The index of a gallery (./demo --gallery DIR): DIR/index.html, one entry per program recorded
// into DIR/PROGRAM, with its last picture, its step count, the seed its graph came from, and the
// first step's sentence and the legend from the transcript beside its pictures.
#pragma once

#include <string>
#include <vector>

struct GalleryProgram {
    std::string name;         // the folder it was recorded into, under the gallery's
    std::string description;  // from programs.list, as plain text
    std::string seed;         // the seed it was recorded with; empty for a fixed graph
};

// The page for the programs recorded into `folder`; false, with one line in `why`, when one of
// them left no pictures there.
bool gallery_index(const std::string& folder, const std::vector<GalleryProgram>& programs,
                   std::string& page, std::string& why);
