// The walks of walks: lattice walks that step right, left or up and never turn straight back,
// built level by level in fixed tables and drawn cell by cell, page by page.
#pragma once

#include <SDL.h>

constexpr int level_capacity = 10;     // levels 0..9; the program uses 1..7
constexpr int walks_per_level = 1000;  // level 7 holds 577
constexpr int last_level = 7;

// Move codes, the order of which is the order of the walks within a level.
enum Move { move_right = 0, move_left = 1, move_up = 2 };

// The palette of walks, by index. Only white, black and red are drawn; the others are mapped all
// the same so that the table keeps its place numbers.
namespace walk_colour {
enum Slot { white, black, red, purple, green, pale_green, blue, pale_blue, yellow, grey, slot_count };
}
void map_walk_palette();

// Level 1: the three single moves.
void set_up_first_level();
// Level n from level n - 1, which must already be built.
void build_level(int n);

// Reading the tables: 0 or -1 outside them.
int walks_at_level(int n);
int last_move(int n, int k);
int shorter_walk(int n, int k);  // the index in level n - 1 that walk k of level n extends

// Draws walk k of level n from the pen, moving the pen to the walk's end.
void draw_walk(int k, int n);

// Everything shown for one level: its number, its table, and its walks, presenting a page each
// time the next row would not fit and once more after the last walk.
void show_level(int n);
