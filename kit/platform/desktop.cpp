// The desktop platform: SDL 1.2 on X11 (or whatever driver SDL_VIDEODRIVER names), the steady
// clock, and /proc for the executable's folder.
#include "platform.h"

#include <chrono>
#include <climits>
#include <cstdlib>
#include <thread>

#include <unistd.h>

// Without a display SDL falls back to drawing the window as coloured characters in the terminal,
// which is no picture at all. A driver named in SDL_VIDEODRIVER (a framebuffer, say) is taken at
// its word.
bool platform_has_display() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && value[0] != '\0') return true;
    }
    return false;
}

SDL_Surface* platform_open_screen(bool offscreen, std::string& why) {
    // Offscreen, SDL draws into a plain surface in memory and nothing reads the keyboard.
    if (offscreen) setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        why = std::string("cannot start SDL video (is there a display?): ") + SDL_GetError();
        return nullptr;
    }
    // SDL 1.2 has no main wrapper on this platform to shut it down at exit.
    static bool quit_registered = false;
    if (!quit_registered) std::atexit(SDL_Quit);
    quit_registered = true;
    // Mouse motion never steps a show; left in the queue it could fill it during an animation and
    // crowd out the key press that should end the next wait.
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);

    SDL_Surface* surface = SDL_SetVideoMode(800, 600, 32, SDL_HWSURFACE | SDL_DOUBLEBUF);
    if (surface == nullptr) why = std::string("cannot open the 800 x 600 window: ") + SDL_GetError();
    return surface;
}

void platform_set_caption(const char* caption, const char* icon_name) {
    SDL_WM_SetCaption(caption, icon_name);
}

WindowEvent platform_wait_event() {
    SDL_Event event;
    for (;;) {
        // An error would return at once, again and again: count it as the window going away.
        if (SDL_WaitEvent(&event) == 0) return WindowEvent::quit;
        if (event.type == SDL_KEYDOWN) return WindowEvent::key;
        if (event.type == SDL_QUIT) return WindowEvent::quit;
    }
}

bool platform_key_pending() {
    // Brings the window system's events into SDL's queue first.
    SDL_PumpEvents();
    SDL_Event event;
    return SDL_PeepEvents(&event, 1, SDL_PEEKEVENT, SDL_KEYDOWNMASK) > 0;
}

std::int64_t platform_now_us() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void platform_sleep_us(std::int64_t microseconds) {
    std::this_thread::sleep_for(std::chrono::microseconds(microseconds));
}

std::string platform_executable_folder() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return "";
    const std::string exe(path, static_cast<std::size_t>(length));
    const std::size_t slash = exe.rfind('/');
    return slash == std::string::npos ? "" : exe.substr(0, slash);
}
