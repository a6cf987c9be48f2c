// The gallery's index page, from what each program's recording left in its folder: the pictures
// (step-NNN.png) and the transcript (steps.txt). Nothing is read from the pages themselves.
#include "gallery_index.h"

#include "html_text.h"
#include "pages/page_files.h"
#include "suite_files.h"

#include <algorithm>
#include <dirent.h>
#include <fstream>

namespace {

// The step pictures in `folder`, by name; their three digits make the names' order the steps'.
std::vector<std::string> step_pictures(const std::string& folder) {
    std::vector<std::string> names;
    DIR* listing = opendir(folder.c_str());
    if (listing == nullptr) return names;
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        const bool step = name.size() == 12 && name.compare(0, 5, "step-") == 0 &&
                          name.compare(8, 4, ".png") == 0 &&
                          std::all_of(name.begin() + 5, name.begin() + 8, [](char c) { return c >= '0' && c <= '9'; });
        if (step) names.push_back(name);
    }
    closedir(listing);
    std::sort(names.begin(), names.end());
    return names;
}

// The first step's sentence and the legend's lines ("  - ..."), as HTML, from the transcript; a
// recording without one shows neither.
void read_transcript(const std::string& path, std::string& first, std::string& legend) {
    std::ifstream transcript(path);
    std::string line;
    while (std::getline(transcript, line)) {
        if (line.compare(0, 4, "  - ") == 0) {
            legend += "<li>" + escape_html(line.substr(4)) + "</li>";
        } else if (line.compare(0, 7, "Step 1 ") == 0) {
            const std::size_t colon = line.find(": ");
            first = escape_html(colon == std::string::npos ? line : line.substr(colon + 2));
            break;
        }
    }
}

}  // namespace

bool gallery_index(const std::string& folder, const std::vector<GalleryProgram>& programs,
                   std::string& page, std::string& why) {
    page = "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n" +
           std::string(generator_meta) + "\n<title>graphsteps gallery</title>\n<style>\n" + gallery_index_style +
           "</style></head><body>\n<h1>graphsteps: every program, step by step</h1>\n<ul>\n";
    for (const GalleryProgram& program : programs) {
        const std::string recorded = folder + "/" + program.name;
        const std::vector<std::string> steps = step_pictures(recorded);
        if (steps.empty()) return why = program.name + " recorded no pictures into " + recorded, false;
        std::string first, legend;
        read_transcript(recorded + "/steps.txt", first, legend);
        const std::string name = escape_html(program.name);
        page += "<li><a href=\"" + name + "/index.html\"><img src=\"" + name + "/" + steps.back() +
                "\" width=\"800\" height=\"600\" alt=\"\"><span class=\"name\">" + name + "</span></a><br>" +
                escape_html(program.description) + "<br><span class=\"steps\">" + std::to_string(steps.size()) +
                (steps.size() == 1 ? " step" : " steps") + (program.seed.empty() ? "" : ", seed " + program.seed) +
                "</span>";
        if (!first.empty()) page += "<p class=\"first\">" + first + "</p>";
        if (!legend.empty())
            page += "<details><summary>What the pictures show</summary><ul class=\"legend\">" + legend + "</ul></details>";
        page += "</li>\n";
    }
    page += "</ul>\n</body></html>\n";
    return true;
}
