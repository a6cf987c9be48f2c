// The labels on the desktop, drawn by SDL_ttf. The label font: "times.ttf", looked for in the
// working directory first, then beside the program, then where `cmake --install` puts it (by
// absolute path, then relative to the program), and last Liberation Serif where Debian's
// fonts-liberation puts it, which is what the Debian package uses.
#include "kit.h"
#include "labels.h"
#include "platform.h"
#include "show.h"
#include "suite_font.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* font_name = "times.ttf";
// Under a data folder: /usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf on Debian.
constexpr const char* system_font = "fonts/truetype/liberation/LiberationSerif-Regular.ttf";

// The data folders of XDG_DATA_DIRS in order, /usr/local/share and /usr/share when it is unset or
// empty; a relative entry is no data folder and is passed over.
std::vector<std::string> data_folders() {
    const char* listed = std::getenv("XDG_DATA_DIRS");
    const std::string folders = listed != nullptr && listed[0] != '\0' ? listed : "/usr/local/share:/usr/share";
    std::vector<std::string> absolute;
    std::size_t start = 0;
    while (start <= folders.size()) {
        std::size_t end = folders.find(':', start);
        if (end == std::string::npos) end = folders.size();
        std::string folder = folders.substr(start, end - start);
        while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
        if (!folder.empty() && folder[0] == '/') absolute.push_back(folder);
        start = end + 1;
    }
    return absolute;
}

std::vector<std::string> font_places() {
    std::vector<std::string> places{font_name};
    const std::string beside = platform_executable_folder();
    if (!beside.empty()) places.push_back(beside + "/" + font_name);
    places.push_back(std::string(FONT_INSTALL_DIR) + "/" + font_name);
    // An installation moved to another prefix keeps the font at the same place relative to bin/.
    if (!beside.empty()) places.push_back(beside + "/../" + FONT_DATA_FOLDER + "/" + font_name);
    for (const std::string& folder : data_folders()) places.push_back(folder + "/" + system_font);
    return places;
}

// A solid text surface has 8-bit pixels: 0 is the transparent background, anything else ink.
bool draws_something(const SDL_Surface& text) {
    if (text.format->BytesPerPixel != 1 || text.w <= 0 || text.h <= 0) return false;
    for (int y = 0; y < text.h; ++y) {
        const Uint8* row = static_cast<const Uint8*>(text.pixels) + y * text.pitch;
        for (int x = 0; x < text.w; ++x)
            if (row[x] != 0) return true;
    }
    return false;
}

// The font at `place`, or null with the reason it cannot serve. Only a regular file is opened: a
// pipe under the font's name would block the program for ever.
TTF_Font* try_font(const std::string& place, int point_size, std::string& why) {
    struct stat info;
    if (stat(place.c_str(), &info) != 0) {
        why = errno == ENOENT ? "missing" : std::strerror(errno);
        return nullptr;
    }
    if (!S_ISREG(info.st_mode)) {
        why = "not a regular file";
        return nullptr;
    }
    if (access(place.c_str(), R_OK) != 0) {
        why = std::string("not readable: ") + std::strerror(errno);
        return nullptr;
    }
    TTF_Font* font = TTF_OpenFont(place.c_str(), point_size);
    if (font == nullptr) {
        why = std::string("not a font (") + TTF_GetError() + ")";
        return nullptr;
    }
    // A cut or damaged file can open and still draw nothing: every label would be missing.
    SDL_Surface* digits = TTF_RenderText_Solid(font, "0123456789", text_colour);
    const bool renders = digits != nullptr && draws_something(*digits);
    if (digits != nullptr) SDL_FreeSurface(digits);
    if (!renders) {
        why = "renders no text";
        TTF_CloseFont(font);
        return nullptr;
    }
    return font;
}

TTF_Font* open_font(int point_size) {
    std::string tried;
    for (const std::string& place : font_places()) {
        std::string why;
        if (TTF_Font* font = try_font(place, point_size, why)) return font;
        tried += (tried.empty() ? "" : "; ") + printable(place) + ": " + why;
    }
    fail_show(std::string("cannot load the font ") + font_name + " (" + tried +
              "); on Debian or Ubuntu, apt install fonts-liberation; elsewhere, copy LiberationSerif-Regular.ttf "
              "as " + font_name + " into the working folder or beside the program, or start the program with ./demo");
}

}  // namespace

TTF_Font* open_suite_font(int point_size) { return open_font(point_size); }

void open_labels(int point_size) {
    if (TTF_Init() != 0) fail_show(std::string("cannot start SDL_ttf: ") + TTF_GetError());
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

void put_label(int x, int y, const char* text) {
    if (label_font == nullptr) return;  // open_labels was never called: never render through null
    // SDL_ttf gives no surface for an empty text; there is nothing to blit then.
    SDL_Surface* line = TTF_RenderText_Solid(label_font, text, text_colour);
    if (line == nullptr) return;
    label_rect.x = static_cast<Sint16>(x);
    label_rect.y = static_cast<Sint16>(y);
    SDL_UpperBlit(line, nullptr, screen, &label_rect);
    SDL_FreeSurface(line);
}
