// What depends on the desktop the programs run on: the display, the window, its events and
// caption, the signals that stop a program, the clock and where the executable lives. One file
// implements it (desktop.cpp); a build for another platform replaces that file.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>

// Whether a display is named at all (DISPLAY, WAYLAND_DISPLAY or SDL_VIDEODRIVER).
bool platform_has_display();

// Opens the 800 x 600 x 32 surface the programs draw on: the window, or with `offscreen` one in
// memory that nobody sees. Null, with the reason in `why`, when it cannot be had; a window that
// SDL could only give as text in the terminal, or not at all, is such a failure.
SDL_Surface* platform_open_screen(bool offscreen, std::string& why);

// SDL's dummy driver counts as a window: for tests that drive a window show with pushed events.
extern bool platform_accepts_dummy_window;

void platform_set_caption(const char* caption, const char* icon_name);

enum class WindowEvent {
    key,   // a key press, other than a modifier key on its own
    quit,  // the window's close button
    stop,  // a signal asked the program to stop (see platform_stop_signal)
};
// Blocks until a key press, the window's close or a stop signal; every other event, and a press of
// Shift, Ctrl, Alt, Super, Caps Lock or Num Lock on its own, is dropped. An error from the event
// queue counts as the window going away.
WindowEvent platform_wait_event();
// Takes the first key press (not a lone modifier) or close waiting in the queue; false when none.
bool platform_take_key_or_close();

// SIGINT, SIGTERM and SIGHUP are caught from here on (SDL would turn the first two into a close of
// the window); platform_stop_signal tells which arrived, 0 when none.
void platform_catch_stop_signals();
int platform_stop_signal();
// Ends the process as the signal would have: the usual 128 + N status.
[[noreturn]] void platform_end_by_signal(int signal);

std::int64_t platform_now_us();
void platform_sleep_us(std::int64_t microseconds);

// The folder holding the running program, or empty when it cannot be told.
std::string platform_executable_folder();
