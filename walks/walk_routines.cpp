// Building the walk tables and drawing their walks in cells laid out page by page.
#include "walk_routines.h"

#include "kit.h"
#include "walks_words.h"

namespace {

int walk_move[level_capacity][walks_per_level];
int walk_parent[level_capacity][walks_per_level];
int walk_count[level_capacity];

int pen_x;
int pen_y;
int step_length;

constexpr Uint8 walk_rgb[walk_colour::slot_count][3] = {
    {255, 255, 255}, {0, 0, 0},       {255, 0, 0},     {150, 50, 150},  {0, 250, 0},
    {150, 200, 150}, {0, 0, 250},     {150, 150, 200}, {255, 255, 0},   {200, 200, 200},
};

constexpr int first_cell_x = 60;
constexpr int first_cell_y = 70;
constexpr int last_cell_x = 750;    // a cell origin past this starts the next row
constexpr int last_row_y = 560;     // a row origin past this starts the next page
constexpr int walk_reach = 60;      // step_length is this divided by the level

bool in_table(int n, int k) {
    return n >= 1 && n < level_capacity && k >= 0 && k < walk_count[n];
}

void append(int n, int& k, int parent, Move move) {
    // Levels past 7 would outgrow the table; they are cut at its capacity instead of spilling.
    if (k >= walks_per_level) return;
    walk_move[n][k] = move;
    walk_parent[n][k] = parent;
    ++k;
}

// How many pages level n fills, for "page 2 of 3": the layout of show_level, run without drawing.
int pages_of_level(int n, int cell_width, int row_height) {
    int pages = 1;
    int x = first_cell_x;
    int y = first_cell_y;
    for (int l = 0; l < walk_count[n]; ++l) {
        x += cell_width;
        if (x > last_cell_x) {
            x = first_cell_x;
            y += row_height;
        }
        if (y > last_row_y) {
            ++pages;
            x = first_cell_x;
            y = first_cell_y;
        }
    }
    return pages;
}

void present_page() {
    SDL_Flip(screen);
    wait_step();
    SDL_FillRect(screen, nullptr, palette[walk_colour::white]);
}

}  // namespace

void map_walk_palette() {
    for (int i = 0; i < walk_colour::slot_count; ++i)
        palette[i] = SDL_MapRGB(screen->format, walk_rgb[i][0], walk_rgb[i][1], walk_rgb[i][2]);
}

void set_up_first_level() {
    walk_move[1][0] = move_right;
    walk_move[1][1] = move_left;
    walk_move[1][2] = move_up;
    walk_count[1] = 3;
}

void build_level(int n) {
    if (n < 2 || n >= level_capacity) return;
    int k = 0;
    for (int l = 0; l < walk_count[n - 1]; ++l) {
        // A right move is never followed by a left one nor a left by a right, so no walk can
        // come back to a point it has left.
        switch (walk_move[n - 1][l]) {
        case move_right:
            append(n, k, l, move_right);
            append(n, k, l, move_up);
            break;
        case move_left:
            append(n, k, l, move_left);
            append(n, k, l, move_up);
            break;
        case move_up:
            append(n, k, l, move_right);
            append(n, k, l, move_left);
            append(n, k, l, move_up);
            break;
        }
    }
    walk_count[n] = k;
}

int walks_at_level(int n) {
    return n >= 1 && n < level_capacity ? walk_count[n] : 0;
}

int last_move(int n, int k) {
    return in_table(n, k) ? walk_move[n][k] : -1;
}

int shorter_walk(int n, int k) {
    return in_table(n, k) && n > 1 ? walk_parent[n][k] : -1;
}

void draw_walk(int k, int n) {
    if (n > 1) draw_walk(walk_parent[n][k], n - 1);
    const Uint32 black = palette[walk_colour::black];
    switch (walk_move[n][k]) {
    case move_right:
        draw_thick_line(pen_x, pen_y, pen_x + step_length, pen_y, 1, black);
        fill_disc(pen_x + step_length, pen_y, 2, black);
        pen_x += step_length;
        break;
    case move_left:
        draw_thick_line(pen_x, pen_y, pen_x - step_length, pen_y, 1, black);
        fill_disc(pen_x - step_length, pen_y, 2, black);
        pen_x -= step_length;
        break;
    case move_up:
        draw_thick_line(pen_x, pen_y, pen_x, pen_y - step_length, 1, black);
        fill_disc(pen_x, pen_y - step_length, 2, black);
        pen_y -= step_length;
        break;
    default:
        break;
    }
}

void show_level(int n) {
    step_length = walk_reach / n;
    // Drawn once per level, so only the level's first page carries its number.
    draw_label(10, 10, "%d", n);
    build_level(n);

    // Short walks get wider gaps; from five steps on, the narrower gap fits nine or ten a row.
    const int cell_width = n * step_length + (n <= 4 ? 40 : 20);
    const int row_height = n * step_length + 15;
    int x = first_cell_x;
    int y = first_cell_y;
    const int pages = pages_of_level(n, cell_width, row_height);
    int page = 1;
    int page_first = 0;
    for (int l = 0; l < walk_count[n]; ++l) {
        pen_x = x;
        pen_y = y;
        fill_disc(x, y, 3, palette[walk_colour::red]);
        draw_walk(l, n);
        x += cell_width;
        if (x > last_cell_x) {
            x = first_cell_x;
            y += row_height;
        }
        if (y > last_row_y) {
            say_page(n, page_first, l, page, pages);
            ++page;
            page_first = l + 1;
            present_page();
            x = first_cell_x;
            y = first_cell_y;
        }
    }
    if (page_first < walk_count[n])
        say_page(n, page_first, walk_count[n] - 1, page, pages);
    else
        say_blank_page(n);
    present_page();
}
