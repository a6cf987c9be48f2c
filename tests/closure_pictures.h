// What the closure8 and closure12 tests share: the reachability a search finds, and the reading of
// their recorded pictures (labels, printed matrices, arrows drawn by the kit on a window of our
// own). "digraph.h" is the one of the program under test, so vertex_count and grid_columns are its
// own. Each test program includes this header once.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "digraph.h"
#include "kit.h"
#include "recording.h"

using Matrix = std::array<std::array<int, vertex_count>, vertex_count>;

// Who reaches whom when only vertices below `limit` may be passed through: the matrix after pass
// limit - 1. Found by a search from every vertex rather than by Warshall's rule.
inline Matrix reach_through(const Matrix& edges, int limit) {
    Matrix reach{};
    for (int s = 0; s < vertex_count; s++) {
        std::vector<int> stack{s};
        std::array<bool, vertex_count> expanded{};
        reach[s][s] = 1;
        while (!stack.empty()) {
            const int u = stack.back();
            stack.pop_back();
            if (expanded[u]) continue;
            expanded[u] = true;
            for (int j = 0; j < vertex_count; j++) {
                if (edges[u][j] != 1) continue;
                reach[s][j] = 1;
                if (j < limit) stack.push_back(j);
            }
        }
    }
    return reach;
}

inline Matrix full_closure(const Matrix& edges) { return reach_through(edges, vertex_count); }

// The label texts as the font sets them, to hold against what the program drew. Kept for the whole
// run and given back at exit.
class RenderedTexts {
public:
    RenderedTexts() = default;
    RenderedTexts(const RenderedTexts&) = delete;
    RenderedTexts& operator=(const RenderedTexts&) = delete;
    ~RenderedTexts() {
        for (auto& entry : texts_) SDL_FreeSurface(entry.second);
        for (auto& entry : fonts_) TTF_CloseFont(entry.second);
        if (TTF_WasInit()) TTF_Quit();
    }

    SDL_Surface* get(const std::string& text, int point_size) {
        auto found = texts_.find({text, point_size});
        if (found != texts_.end()) return found->second;
        if (!TTF_WasInit()) TTF_Init();
        TTF_Font*& font = fonts_[point_size];
        if (font == nullptr) font = TTF_OpenFont((std::string(PROGRAM_DIR) + "/times.ttf").c_str(), point_size);
        if (font == nullptr) return nullptr;
        SDL_Surface* surface = TTF_RenderText_Solid(font, text.c_str(), SDL_Color{0, 0, 0, 0});
        texts_[{text, point_size}] = surface;
        return surface;
    }

private:
    std::map<std::pair<std::string, int>, SDL_Surface*> texts_;
    std::map<int, TTF_Font*> fonts_;
};

inline SDL_Surface* rendered(const std::string& text, int point_size) {
    static RenderedTexts texts;
    return texts.get(text, point_size);
}

// Whether `text` in `point_size` type stands with its top-left corner at (x, y): every inked pixel
// of the text is drawn on (black, or something drawn over it) and nothing else in its box is black.
inline bool label_at(const Picture& picture, int x, int y, const std::string& text, int point_size) {
    SDL_Surface* glyphs = rendered(text, point_size);
    if (glyphs == nullptr) return false;
    for (int row = 0; row < glyphs->h; row++) {
        for (int column = 0; column < glyphs->w; column++) {
            const int px = x + column, py = y + row;
            if (px >= picture.width || py >= picture.height) continue;
            const bool inked = static_cast<Uint8*>(glyphs->pixels)[row * glyphs->pitch + column] != 0;
            const Rgb seen = picture.at(px, py);
            if (inked ? seen == white_rgb : seen == black_rgb) return false;
        }
    }
    return true;
}

// The matrix printed with its cell (0, 0) at (x, y), in 18-point type; -1 marks a cell that is
// neither a 0 nor a 1.
inline Matrix matrix_at(const Picture& picture, int x, int y) {
    Matrix cells{};
    for (int i = 0; i < vertex_count; i++)
        for (int j = 0; j < vertex_count; j++) {
            const int cx = x + 20 * j, cy = y + 20 * i;
            const bool one = label_at(picture, cx, cy, "1", 18), zero = label_at(picture, cx, cy, "0", 18);
            cells[i][j] = one == zero ? -1 : one ? 1 : 0;
        }
    return cells;
}

struct Area {
    int left, top, right, bottom;  // right and bottom excluded
};
constexpr Area whole_window{0, 0, screen_width, screen_height};

// An 800 x 600 window of our own for the kit to draw the expected arrows and rings on.
class ExpectedPicture {
public:
    ExpectedPicture() {
        surface_ = SDL_CreateRGBSurface(SDL_SWSURFACE, screen_width, screen_height, 32, 0x00FF0000,
                                        0x0000FF00, 0x000000FF, 0);
        SDL_FillRect(surface_, nullptr, 0x00FFFFFF);
    }
    ~ExpectedPicture() { SDL_FreeSurface(surface_); }
    ExpectedPicture(const ExpectedPicture&) = delete;
    ExpectedPicture& operator=(const ExpectedPicture&) = delete;

    // The arrows i -> j (i != j) of `cells`, vertex v standing at
    // (x, y) + spacing (v mod grid_columns, v div grid_columns).
    void arrows(const Matrix& cells, int x, int y, int spacing, Rgb colour) {
        SDL_Surface* window = screen;
        screen = surface_;
        for (int i = 0; i < vertex_count; i++)
            for (int j = 0; j < vertex_count; j++)
                if (cells[i][j] == 1 && i != j)
                    draw_arrow(x + spacing * (i % grid_columns), y + spacing * (i / grid_columns),
                               x + spacing * (j % grid_columns), y + spacing * (j / grid_columns), value(colour));
        screen = window;
    }

    void ring(int cx, int cy, int r, Rgb colour) {
        SDL_Surface* window = screen;
        screen = surface_;
        draw_circle(cx, cy, r, value(colour));
        screen = window;
    }

    Rgb at(int x, int y) const {
        const Uint32 p = static_cast<const Uint32*>(surface_->pixels)[x + y * surface_->w];
        return {Uint8(p >> 16), Uint8(p >> 8), Uint8(p)};
    }

private:
    static Uint32 value(Rgb colour) { return (Uint32{colour.r} << 16) | (Uint32{colour.g} << 8) | colour.b; }
    SDL_Surface* surface_;
};

// Counts the pixels of the area where the picture has `colour` and the expectation has not, or the
// other way round, and describes the first of them. With `only_missing`, extra pixels of the
// colour in the picture are allowed.
inline int colour_mismatches(const Picture& picture, const ExpectedPicture& expected, Rgb colour, Area area,
                             std::string& first, bool only_missing = false) {
    int count = 0;
    for (int y = area.top; y < area.bottom; y++)
        for (int x = area.left; x < area.right; x++) {
            const bool drawn = picture.at(x, y) == colour, wanted = expected.at(x, y) == colour;
            if (drawn == wanted || (only_missing && drawn)) continue;
            if (count++ == 0)
                first = "(" + std::to_string(x) + ", " + std::to_string(y) + ") " +
                        (wanted ? "is missing" : "should not be there");
        }
    return count;
}

// The pictures of `program` run with --seed `seed`, recorded once per seed and kept for the run.
inline const Recording& recording_for(const std::string& program, unsigned seed) {
    static std::map<std::pair<std::string, unsigned>, Recording> made;
    auto found = made.find({program, seed});
    if (found == made.end())
        found = made.emplace(std::make_pair(program, seed), record(program, "--seed " + std::to_string(seed))).first;
    return found->second;
}
