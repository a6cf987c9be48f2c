// What depends on the desktop the programs run on: the display, the window, its events and
// caption, the signals that stop a program, the clock and where the executable lives. One file
// implements it (desktop.cpp); a build for another platform replaces that file.
#pragma once

#include "panel_layout.h"
#include "picture.h"

#include <SDL.h>

#include <cstdint>
#include <string>

#include <sys/types.h>

// Whether a display is named at all (DISPLAY, WAYLAND_DISPLAY or SDL_VIDEODRIVER).
bool platform_has_display();

enum class ScreenKind {
    offscreen,  // a surface in memory that nobody sees (--record, --gif)
    window,     // the window itself: what a program flips is what the window shows
    presented,  // a surface in memory, and a window that shows only what platform_present gives it
};
// How a `presented` screen's window shows the 800 x 600 picture: each pixel a scale x scale block,
// or, full screen, the largest whole scale that fits, centred on black; with `panel`, the teaching
// panel stands beside the picture, never on it.
struct WindowShape {
    int scale = 1;
    bool fullscreen = false;
    bool panel = false;
};
// Opens the 800 x 600 x 32 surface the programs draw on. Null, with the reason in `why`, when it
// cannot be had; a window that SDL could only give as text in the terminal, or not at all, is such
// a failure. A scale larger than the screen takes is brought down to the largest that fits, and
// `note` (when given) says so in a line; otherwise it is left empty.
SDL_Surface* platform_open_screen(ScreenKind kind, std::string& why, const WindowShape& shape = {},
                                  std::string* note = nullptr);
// Shows a picture in the window of a `presented` screen; the surface the programs draw on is not
// touched, so that the window can ask a question or show an earlier step in between.
void platform_present(const Picture& picture);

// The teaching panel beside the picture, for a window opened with one: the room for its lines in
// pixels and the height of a line; all 0 where there is no panel (none asked, or no such window).
struct PanelArea {
    int width = 0, height = 0, line_height = 0;
};
PanelArea platform_panel_area();
// The width of `text` in the panel's font for `style`.
int platform_panel_text_width(PanelStyle style, const std::string& text);
// Draws the lines in the panel, over what it showed before, and shows them.
void platform_show_panel(const PanelLayout& layout);

// SDL's dummy driver counts as a window: for tests that drive a window show with pushed events.
extern bool platform_accepts_dummy_window;

void platform_set_caption(const char* caption, const char* icon_name);

enum class WindowEvent {
    key,   // a key press, other than a modifier key on its own
    quit,  // the window's close button
    stop,  // a signal asked the program to stop (see platform_stop_signal)
    timeout,  // nothing came before the time the wait was given
};
// Which key was pressed, as far as the window's keys need to tell: `character` is a digit, a
// lower-case letter, a space or a comma, in `character`.
struct KeyPress {
    enum class Kind { character, backspace, enter, escape, left, right, up, down, page_up, page_down, home, end, f1, other };
    Kind kind = Kind::other;
    char character = 0;
};
// Blocks until a key press, the window's close or a stop signal; every other event, and a press of
// Shift, Ctrl, Alt, Super, Caps Lock or Num Lock on its own, is dropped. An error from the event
// queue counts as the window going away. With `key`, a key press is told there. With `until_us`
// (on the clock of platform_now_us), the wait ends then at the latest; 0: no such limit.
WindowEvent platform_wait_event(KeyPress* key = nullptr, std::int64_t until_us = 0);
// Takes the first key press (not a lone modifier) or close waiting in the queue; false when none.
bool platform_take_key_or_close();

// SIGINT, SIGTERM, SIGHUP and SIGPIPE are caught from here on (SDL would turn the first two into a
// close of the window; a pipe closed on standard output would end the program with its files
// unfinished); platform_stop_signal tells which arrived, 0 when none.
void platform_catch_stop_signals();
int platform_stop_signal();

// A second stop signal ends the program at once, in the signal handler.
// Ends the process as the signal would have: the usual 128 + N status.
[[noreturn]] void platform_end_by_signal(int signal);

std::int64_t platform_now_us();
void platform_sleep_us(std::int64_t microseconds);

// The folder holding the running program, or empty when it cannot be told.
std::string platform_executable_folder();

// A whole text file the user named (--graph FILE): on the desktop from the file system, in the
// browser from the page (Module.files, by name).
enum class FileRead { done, too_large, failed };
FileRead platform_read_text_file(const std::string& path, std::size_t largest, std::string& text);
// The graph the program runs on, in the format of --graph: the browser's page shows it in its
// field, to change and run again; the desktop has no such field.
void platform_show_graph_text(const std::string& text);
