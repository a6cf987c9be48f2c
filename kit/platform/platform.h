// What depends on the desktop the programs run on: the display, the window, its events and
// caption, the clock and where the executable lives. One file implements it (desktop.cpp); a build
// for another platform replaces that file.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>

// Whether there is a display to open a window on.
bool platform_has_display();

// Opens the 800 x 600 x 32 surface the programs draw on: the window, or with `offscreen` one in
// memory that nobody sees. Null, with the reason in `why`, when it cannot be had.
SDL_Surface* platform_open_screen(bool offscreen, std::string& why);

void platform_set_caption(const char* caption, const char* icon_name);

enum class WindowEvent { key, quit };
// Blocks until a key press or the window's close; every other event is dropped. An error from the
// event queue counts as the window going away.
WindowEvent platform_wait_event();
// Looks for a key press waiting in the queue, without taking it.
bool platform_key_pending();

std::int64_t platform_now_us();
void platform_sleep_us(std::int64_t microseconds);

// The folder holding the running program, or empty when it cannot be told.
std::string platform_executable_folder();
