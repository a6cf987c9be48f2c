// Building the walk tables and drawing their walks in cells laid out page by page.
#include "walk_routines.h"

#include <cstdio>

#include "kit.h"

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

// ---- Words for the pages: they read the tables and the layout, and draw nothing ----

const char* move_name(int move) {
    switch (move) {
    case move_right: return "right";
    case move_left: return "left";
    case move_up: return "up";
    default: return "?";
    }
}

// Walk k of level n as its moves from first to last, "right, up, left", appended to text.
void spell_walk(int k, int n, char* text, int size) {
    if (n > 1) spell_walk(walk_parent[n][k], n - 1, text, size);
    const int used = snprintf(nullptr, 0, "%s", text);
    snprintf(text + used, size - used, "%s%s", n > 1 ? ", " : "", move_name(walk_move[n][k]));
}

// How many pages level n fills: the layout of show_level, run without drawing.
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

// What a page of level n holds: walks first..last (from 0) of the level, on page `page` of `pages`.
void explain_page(int n, int first, int last, int page, int pages) {
    if (page == 1) {
        if (n == 2)
            explain("Each cell shows one lattice walk, starting at its red dot, whose steps go right, left or up "
                    "and never turn straight back, so no walk visits a point twice. The walks are built level by "
                    "level, each level from the one a step shorter, and shown page by page.");
        int ending[3] = {0, 0, 0};
        for (int l = 0; l < walk_count[n - 1]; ++l) ending[walk_move[n - 1][l]]++;
        // From the third level on the student has seen how a level grows from the one before.
        if (n >= 3) {
            ask(AnswerKind::number, "The next page starts level %d, the walks of %d steps: each is a walk of %d steps "
                                    "with one more step that does not turn straight back. How many walks does level "
                                    "%d have?", n, n, n - 1, n);
            answer(walk_count[n], "Level %d has %d walks: of the %d walks of %d steps, %d end right and %d end left, "
                                  "which can go on two ways each (the same way or up), and %d end up, which can go "
                                  "on three ways, so %d x 2 + %d x 2 + %d x 3 = %d.",
                   n, walk_count[n], walk_count[n - 1], n - 1, ending[move_right], ending[move_left], ending[move_up],
                   ending[move_right], ending[move_left], ending[move_up], walk_count[n]);
        }
        explain("Level %d: the walks of %d steps, built from the %d walk%s of %d step%s. A walk ending with a "
                "right step gets one more right or up step, one ending left gets left or up, and one ending up "
                "gets right, left or up. Of the shorter walks, %d end%s right, %d left and %d up, so level %d has "
                "%d x 2 + %d x 2 + %d x 3 = %d walks.",
                n, n, walk_count[n - 1], walk_count[n - 1] == 1 ? "" : "s", n - 1, n - 1 == 1 ? "" : "s",
                ending[move_right], ending[move_right] == 1 ? "s" : "", ending[move_left], ending[move_up], n,
                ending[move_right], ending[move_left], ending[move_up], walk_count[n]);
    } else {
        explain("Level %d, the walks of %d steps, continued.", n, n);
    }
    char first_moves[100] = "";
    char last_moves[100] = "";
    spell_walk(first, n, first_moves, sizeof first_moves);
    spell_walk(last, n, last_moves, sizeof last_moves);
    explain("Page %d of %d shows walks %d to %d of the %d, in order of their moves with right before left before "
            "up: from %s to %s.",
            page, pages, first + 1, last + 1, walk_count[n], first_moves, last_moves);
    explain_count("walks at this level", walk_count[n]);
    explain_count("walks on this page", last - first + 1);
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
            explain_page(n, page_first, l, page, pages);
            ++page;
            page_first = l + 1;
            present_page();
            x = first_cell_x;
            y = first_cell_y;
        }
    }
    if (page_first < walk_count[n]) {
        explain_page(n, page_first, walk_count[n] - 1, page, pages);
    } else {
        explain("Level %d is complete; this page is blank.", n);
    }
    present_page();
}
