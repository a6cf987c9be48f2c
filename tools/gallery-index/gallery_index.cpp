// gallery_index DIR [PROGRAM SEED DESCRIPTION]...: writes DIR/index.html, the gallery of the
// programs recorded into DIR/PROGRAM (SEED "-" for a fixed graph), for ./demo --gallery. The page
// appears whole or not at all.
#include "files.h"
#include "gallery_index.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2 || (argc - 2) % 3 != 0) {
        std::fprintf(stderr, "usage: gallery_index DIR [PROGRAM SEED DESCRIPTION]...\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::vector<GalleryProgram> programs;
    for (int i = 2; i < argc; i += 3)
        programs.push_back({argv[i], argv[i + 2], std::string(argv[i + 1]) == "-" ? "" : argv[i + 1]});
    std::string page, why;
    if (!gallery_index(folder, programs, page, why)) {
        std::fprintf(stderr, "demo: %s\n", why.c_str());
        return 1;
    }
    const std::string path = folder + "/index.html";
    if (!write_whole_file(path, page, why)) {
        std::fprintf(stderr, "demo: cannot write the gallery page %s (%s)\n", path.c_str(), why.c_str());
        return 1;
    }
    return 0;
}
