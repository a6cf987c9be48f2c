// The label font: "times.ttf", looked for in the working directory first, then beside the program,
// then where `cmake --install` puts it (by absolute path, then relative to the program).
#include "kit.h"
#include "platform.h"
#include "show.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr const char* font_name = "times.ttf";

std::vector<std::string> font_places() {
    std::vector<std::string> places{font_name};
    const std::string beside = platform_executable_folder();
    if (!beside.empty()) places.push_back(beside + "/" + font_name);
    places.push_back(std::string(FONT_INSTALL_DIR) + "/" + font_name);
    // An installation moved to another prefix keeps the font at the same place relative to bin/.
    if (!beside.empty()) places.push_back(beside + "/../" + FONT_DATA_FOLDER + "/" + font_name);
    return places;
}

TTF_Font* open_font(int point_size) {
    const std::vector<std::string> places = font_places();
    for (const std::string& place : places) {
        if (TTF_Font* font = TTF_OpenFont(place.c_str(), point_size)) return font;
    }
    std::string tried;
    for (const std::string& place : places) tried += (tried.empty() ? "" : ", ") + place;
    std::fprintf(stderr,
                 "%s: cannot load the font %s (tried %s); install fonts-liberation and copy "
                 "LiberationSerif-Regular.ttf there as %s, or start the program with ./demo\n",
                 program_name, font_name, tried.c_str(), font_name);
    std::exit(1);
}

}  // namespace

void open_labels(int point_size) {
    if (TTF_Init() != 0) {
        std::fprintf(stderr, "%s: cannot start SDL_ttf: %s\n", program_name, TTF_GetError());
        std::exit(1);
    }
    label_font = open_font(point_size);
}

void change_label_size(int point_size) {
    TTF_Font* replaced = label_font;
    label_font = open_font(point_size);
    if (replaced != nullptr) TTF_CloseFont(replaced);
}

void close_labels() {
    if (label_font != nullptr) TTF_CloseFont(label_font);
    label_font = nullptr;
    TTF_Quit();
}
