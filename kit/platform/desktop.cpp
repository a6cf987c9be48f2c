// The desktop platform: SDL 1.2 on X11 (or whatever driver SDL_VIDEODRIVER names), POSIX signals,
// the steady clock, and /proc for the executable's folder.
#include "platform.h"

#include "suite_font.h"
#include "window_layout.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

bool platform_accepts_dummy_window = false;

// Whether any display is named; platform_open_screen finds out whether it can be reached.
bool platform_has_display() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && value[0] != '\0') return true;
    }
    return false;
}

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The drivers that open no window a person can see: a window would then wait for keys nobody can
// give.
bool shows_no_picture(const char* driver) {
    if (std::strcmp(driver, "dummy") == 0) return !platform_accepts_dummy_window;
    return std::strcmp(driver, "aalib") == 0 || std::strcmp(driver, "caca") == 0;
}

constexpr const char* instead = "; run it on a desktop, or write the pictures with --record DIR";

// Chooses the driver for a window. Left to itself, SDL falls back from a display it cannot reach
// to drawing the window as coloured characters in the terminal, and waits there for ever; so with
// DISPLAY set the window is X11's or none. A driver named in SDL_VIDEODRIVER is taken at its word.
bool choose_window_driver(std::string& why) {
    if (!variable("SDL_VIDEODRIVER").empty()) return true;
    if (!variable("DISPLAY").empty()) {
        setenv("SDL_VIDEODRIVER", "x11", 1);
        return true;
    }
    why = "no X display to open a window on (WAYLAND_DISPLAY=" + variable("WAYLAND_DISPLAY") +
          " is set, but not DISPLAY, which SDL 1.2 needs, as Xwayland provides)" + instead;
    return false;
}

}  // namespace

namespace {

SDL_Surface* presented_window = nullptr;  // the window of a `presented` screen
SDL_Surface* presented_picture = nullptr; // what the programs draw on in that case: ours to free
WindowLayout window_layout;               // where the picture and the panel stand in that window

// The panel's font, regular and bold, the labels' face at 22 points (the programs' labels are 18 to
// 22, strongcomp's vertex numbers 25), scaled as the picture.
TTF_Font* panel_font = nullptr;
TTF_Font* panel_bold_font = nullptr;
constexpr int panel_point_size = 22, panel_margin = 10;

void close_panel_fonts() {
    if (panel_font != nullptr) TTF_CloseFont(panel_font);
    if (panel_bold_font != nullptr) TTF_CloseFont(panel_bold_font);
    if (panel_font != nullptr || panel_bold_font != nullptr) TTF_Quit();
    panel_font = panel_bold_font = nullptr;
}

// The window's size for the shape asked: the picture's own size, scaled, or the whole screen, with
// the panel beside the picture when there is one.
void choose_window_size(ScreenKind kind, const WindowShape& shape, int& width, int& height, Uint32& flags) {
    flags = SDL_HWSURFACE | SDL_DOUBLEBUF;
    window_layout = WindowLayout{};
    if (kind == ScreenKind::presented) {
        if (shape.fullscreen) flags |= SDL_FULLSCREEN;
        // Before the first SDL_SetVideoMode, SDL tells the desktop's size; 0 when it cannot.
        const SDL_VideoInfo* info = SDL_GetVideoInfo();
        window_layout = lay_out_window(shape.scale, shape.fullscreen, shape.panel, info != nullptr ? info->current_w : 0,
                                       info != nullptr ? info->current_h : 0);
    }
    width = window_layout.width;
    height = window_layout.height;
}

}  // namespace

SDL_Surface* platform_open_screen(ScreenKind kind, std::string& why, const WindowShape& shape, std::string* note) {
    const bool offscreen = kind == ScreenKind::offscreen;
    // Offscreen, SDL draws into a plain surface in memory and nothing reads the keyboard.
    if (offscreen) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
    } else if (!choose_window_driver(why)) {
        return nullptr;
    }
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        const std::string display = variable("DISPLAY");
        why = (display.empty() ? "cannot start SDL video with SDL_VIDEODRIVER=" + variable("SDL_VIDEODRIVER")
                               : "cannot open a window on DISPLAY=" + display) +
              ": " + SDL_GetError() + instead;
        return nullptr;
    }
    // SDL 1.2 has no main wrapper on this platform to shut it down at exit.
    static bool quit_registered = false;
    if (!quit_registered) std::atexit(SDL_Quit);
    quit_registered = true;
    platform_catch_stop_signals();

    char driver[32] = "";
    SDL_VideoDriverName(driver, sizeof driver);
    if (!offscreen && shows_no_picture(driver)) {
        why = std::string("SDL's '") + driver + "' video driver shows no window" + instead;
        return nullptr;
    }
    // Mouse motion never steps a show; left in the queue it could fill it during an animation and
    // crowd out the key press that should end the next wait.
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);

    int width = 800, height = 600;
    Uint32 flags = 0;
    choose_window_size(kind, shape, width, height, flags);
    if (note != nullptr) *note = window_layout.note;
    SDL_Surface* surface = SDL_SetVideoMode(width, height, 32, flags);
    if (surface == nullptr) {
        why = "cannot open the " + std::to_string(width) + " x " + std::to_string(height) +
              (flags & SDL_FULLSCREEN ? " full screen: " : " window: ") + SDL_GetError();
        return nullptr;
    }
    if (kind == ScreenKind::presented) {
        // SDL may give another size than asked, full screen: the picture is fitted to what it gave.
        if (surface->w < 800 || surface->h < 600 || surface->format->BytesPerPixel != 4) {
            why = "SDL gave a " + std::to_string(surface->w) + " x " + std::to_string(surface->h) +
                  " screen, too small for the 800 x 600 picture";
            return nullptr;
        }
        if (surface->w != width || surface->h != height)
            window_layout = lay_out_window(1, true, shape.panel, surface->w, surface->h);
    }
    const int picture_left = window_layout.picture_left, picture_top = window_layout.picture_top;
    const int presented_scale = window_layout.scale;
    if (!offscreen) {
        // White, as every program's pictures start, rather than black until the first one; a
        // larger screen is black around the picture.
        if (surface->w != 800 || surface->h != 600) SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
        SDL_Rect picture{static_cast<Sint16>(picture_left), static_cast<Sint16>(picture_top),
                         static_cast<Uint16>(800 * presented_scale), static_cast<Uint16>(600 * presented_scale)};
        SDL_FillRect(surface, &picture, SDL_MapRGB(surface->format, 255, 255, 255));
        SDL_Flip(surface);
    }
    // A screen opened again (the tests do) replaces the picture in memory of the one before.
    if (presented_picture != nullptr) SDL_FreeSurface(presented_picture);
    presented_picture = nullptr;
    if (kind != ScreenKind::presented) return surface;
    // The programs draw in memory, in the window's own pixel format, so that their pixels are the
    // ones they would have drawn in the window; SDL_Flip of such a surface shows nothing.
    presented_window = surface;
    const SDL_PixelFormat& format = *surface->format;
    SDL_Surface* drawn = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, format.Rmask, format.Gmask, format.Bmask, 0);
    if (drawn == nullptr) {
        why = std::string("cannot make the 800 x 600 picture in memory: ") + SDL_GetError();
        return nullptr;
    }
    SDL_FillRect(drawn, nullptr, SDL_MapRGB(drawn->format, 255, 255, 255));
    presented_picture = drawn;
    return drawn;
}

void platform_present(const Picture& picture) {
    SDL_Surface* window = presented_window;
    if (window == nullptr || SDL_LockSurface(window) != 0) return;
    const SDL_PixelFormat& format = *window->format;
    const int scale = window_layout.scale, picture_left = window_layout.picture_left,
              picture_top = window_layout.picture_top;
    const std::size_t row_bytes = sizeof(Uint32) * Picture::width * scale;
    for (int y = 0; y < Picture::height; ++y) {
        const std::uint32_t* from = picture.row(y);
        Uint8* first_line = static_cast<Uint8*>(window->pixels) + std::size_t(picture_top + y * scale) * window->pitch;
        Uint32* to = reinterpret_cast<Uint32*>(first_line) + picture_left;
        for (int x = 0; x < Picture::width; ++x) {
            const Uint32 pixel = red_of(from[x]) << format.Rshift | green_of(from[x]) << format.Gshift | blue_of(from[x]) << format.Bshift;
            for (int i = 0; i < scale; ++i) *to++ = pixel;
        }
        // The other lines of the row's blocks are copies of its first.
        for (int i = 1; i < scale; ++i)
            std::memcpy(first_line + std::size_t(i) * window->pitch + sizeof(Uint32) * picture_left,
                        first_line + sizeof(Uint32) * picture_left, row_bytes);
    }
    SDL_UnlockSurface(window);
    SDL_Flip(window);
}

namespace {

// The panel's fonts, opened the first time the panel is drawn.
bool panel_fonts_open() {
    if (panel_font != nullptr) return true;
    if (TTF_Init() != 0) return false;
    panel_font = open_suite_font(panel_point_size * window_layout.scale);
    panel_bold_font = open_suite_font(panel_point_size * window_layout.scale);
    TTF_SetFontStyle(panel_bold_font, TTF_STYLE_BOLD);
    static bool close_registered = false;
    if (!close_registered) std::atexit(close_panel_fonts);
    close_registered = true;
    return true;
}

TTF_Font* panel_font_for(PanelStyle style) {
    return style == PanelStyle::heading || style == PanelStyle::strong ? panel_bold_font : panel_font;
}

void put_panel_text(TTF_Font* font, const std::string& text, SDL_Color colour, int x, int y) {
    if (text.empty()) return;
    SDL_Surface* line = TTF_RenderUTF8_Blended(font, text.c_str(), colour);
    if (line == nullptr) return;
    SDL_Rect where{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(line, nullptr, presented_window, &where);
    SDL_FreeSurface(line);
}

}  // namespace

PanelArea platform_panel_area() {
    if (presented_window == nullptr || window_layout.panel_width == 0 || !panel_fonts_open()) return {};
    const int margin = panel_margin * window_layout.scale;
    return {window_layout.panel_width - 2 * margin, window_layout.panel_height - 2 * margin,
            TTF_FontLineSkip(panel_font)};
}

int platform_panel_text_width(PanelStyle style, const std::string& text) {
    int width = 0, height = 0;
    if (panel_font == nullptr || TTF_SizeUTF8(panel_font_for(style), text.c_str(), &width, &height) != 0) return 0;
    return width;
}

void platform_show_panel(const PanelLayout& layout) {
    SDL_Surface* window = presented_window;
    if (window == nullptr || window_layout.panel_width == 0 || panel_font == nullptr) return;
    const int scale = window_layout.scale, margin = panel_margin * scale;
    const SDL_PixelFormat* format = window->format;
    // A grey rule between the picture and the panel, then the panel's paper.
    SDL_Rect panel{static_cast<Sint16>(window_layout.panel_left), 0, static_cast<Uint16>(window_layout.panel_width),
                   static_cast<Uint16>(window_layout.panel_height)};
    SDL_FillRect(window, &panel, SDL_MapRGB(format, 120, 120, 120));
    panel.x = static_cast<Sint16>(panel.x + 2 * scale);
    panel.w = static_cast<Uint16>(panel.w - 2 * scale);
    SDL_FillRect(window, &panel, SDL_MapRGB(format, 250, 250, 246));
    const SDL_Color ink{0, 0, 0, 0}, keys_ink{60, 60, 60, 0};
    const int left = window_layout.panel_left + margin;
    for (const PanelLine& line : layout.lines) {
        const int top = margin + line.top;
        if (line.style == PanelStyle::grid) {
            for (std::size_t c = 0; c < line.cells.size(); ++c) {
                const int x = c == 0 ? left : left + line.heading_width + static_cast<int>(c - 1) * line.cell_width;
                put_panel_text(panel_font, line.cells[c], ink, x, top);
            }
            continue;
        }
        put_panel_text(panel_font_for(line.style), line.text, line.style == PanelStyle::keys ? keys_ink : ink, left, top);
    }
    SDL_Flip(window);
}

void platform_set_caption(const char* caption, const char* icon_name) {
    SDL_WM_SetCaption(caption, icon_name);
}

namespace {

volatile std::sig_atomic_t stop_signal = 0;

// The second stop signal: the program ends at once, as the signal would have ended it.
[[noreturn]] void end_at_once(int signal) {
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    raise(signal);
    _exit(128 + signal);
}

// Only notes the signal: the show removes its unfinished files and ends at the next step, frame or
// event. A second signal ends the program at once: an unfinished file stays under its temporary
// name, never under its final one. SIGPIPE comes with each write to a pipe that nobody reads any
// more (the write fails too, with EPIPE): only the first counts, and it is never the second that
// ends the program at once.
extern "C" void note_stop_signal(int signal) {
    const int saved_errno = errno;
    if (signal == SIGPIPE) {
        if (stop_signal == 0) stop_signal = signal;
        errno = saved_errno;
        return;
    }
    if (stop_signal != 0) end_at_once(signal);
    stop_signal = signal;
    errno = saved_errno;
}

constexpr int stop_signals[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};

// Shift, Ctrl, Alt, Meta, Super, Alt Gr, Compose and the lock keys: pressed on their own (to
// switch windows, or as the start of Ctrl+C) they are never meant as the next step.
bool is_modifier(SDLKey key) { return key >= SDLK_NUMLOCK && key <= SDLK_COMPOSE; }

bool counts(const SDL_Event& event) {
    if (event.type == SDL_QUIT) return true;
    return event.type == SDL_KEYDOWN && !is_modifier(event.key.keysym.sym);
}

KeyPress key_of(const SDL_keysym& symbol) {
    using Kind = KeyPress::Kind;
    const SDLKey key = symbol.sym;
    if (key >= SDLK_0 && key <= SDLK_9) return {Kind::character, static_cast<char>('0' + (key - SDLK_0))};
    if (key >= SDLK_KP0 && key <= SDLK_KP9) return {Kind::character, static_cast<char>('0' + (key - SDLK_KP0))};
    if (key >= SDLK_a && key <= SDLK_z) return {Kind::character, static_cast<char>('a' + (key - SDLK_a))};
    switch (key) {
        case SDLK_SPACE: return {Kind::character, ' '};
        case SDLK_COMMA: return {Kind::character, ','};
        case SDLK_MINUS:
        case SDLK_KP_MINUS: return {Kind::character, '-'};  // a table's empty cell
        case SDLK_BACKSPACE: return {Kind::backspace, 0};
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return {Kind::enter, 0};
        case SDLK_ESCAPE: return {Kind::escape, 0};
        case SDLK_LEFT: return {Kind::left, 0};
        case SDLK_RIGHT: return {Kind::right, 0};
        case SDLK_UP: return {Kind::up, 0};
        case SDLK_DOWN: return {Kind::down, 0};
        case SDLK_PAGEUP: return {Kind::page_up, 0};
        case SDLK_PAGEDOWN: return {Kind::page_down, 0};
        case SDLK_HOME: return {Kind::home, 0};
        case SDLK_END: return {Kind::end, 0};
        case SDLK_F1: return {Kind::f1, 0};
        default: return {Kind::other, 0};
    }
}

}  // namespace

void platform_catch_stop_signals() {
    struct sigaction action {};
    action.sa_handler = note_stop_signal;
    sigemptyset(&action.sa_mask);
    for (const int signal : stop_signals) {
        // A signal ignored from the start (nohup, a background job of a script) stays ignored; SDL
        // leaves such a signal ignored too.
        struct sigaction current {};
        if (sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) continue;
        sigaction(signal, &action, nullptr);
    }
}

int platform_stop_signal() { return stop_signal; }

void platform_end_by_signal(int signal) {
    SDL_Quit();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    _exit(128 + signal);
}

WindowEvent platform_wait_event(KeyPress* key, std::int64_t until_us) {
    SDL_Event event;
    // SDL_WaitEvent itself polls every 10 ms; polling here as well lets a signal end the wait.
    for (;;) {
        if (stop_signal != 0) return WindowEvent::stop;
        if (until_us != 0 && platform_now_us() >= until_us) return WindowEvent::timeout;
        const int pending = SDL_PollEvent(&event);
        if (pending < 0) return WindowEvent::quit;  // an error: the window is going away
        if (pending == 0) {
            SDL_Delay(10);
            continue;
        }
        if (!counts(event)) continue;
        if (event.type == SDL_QUIT) return WindowEvent::quit;
        if (key != nullptr) *key = key_of(event.key.keysym);
        return WindowEvent::key;
    }
}

bool platform_take_key_or_close() {
    SDL_PumpEvents();
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_KEYDOWNMASK | SDL_QUITMASK) > 0)
        if (counts(event)) return true;
    return false;
}

std::int64_t platform_now_us() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void platform_sleep_us(std::int64_t microseconds) {
    std::this_thread::sleep_for(std::chrono::microseconds(microseconds));
}

void platform_show_graph_text(const std::string&) {}

FileRead platform_read_text_file(const std::string& path, std::size_t largest, std::string& text) {
    // Only a plain file: a FIFO without a writer would wait for ever, a device never end.
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return FileRead::failed;
    std::ifstream in(path, std::ios::binary);
    if (!in) return FileRead::failed;
    text.clear();
    char block[4096];
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        text.append(block, static_cast<std::size_t>(in.gcount()));
        if (text.size() > largest) return FileRead::too_large;
    }
    return in.bad() ? FileRead::failed : FileRead::done;
}

std::string platform_executable_folder() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return "";
    const std::string exe(path, static_cast<std::size_t>(length));
    const std::size_t slash = exe.rfind('/');
    return slash == std::string::npos ? "" : exe.substr(0, slash);
}
