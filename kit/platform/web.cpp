// The browser platform, for the WebAssembly build: the programs draw on a surface in memory, which
// the page's canvas shows; the keys come from the page, the caption goes to it, and the clock and
// sleep are the browser's (a sleep gives the browser back its turn, so that it paints and reads
// keys). There is no file system to find the program in, and no signals.
//
// The programs make a few SDL 1.2 calls of their own: SDL_MapRGB, SDL_FillRect, SDL_Flip and
// SDL_Delay. Emscripten's emulation of SDL draws fills and flips on a canvas of its own rather
// than in the surface's pixels, so they are defined here, as SDL 1.2 does them on a surface in
// memory; the linker then takes these instead of the emulation's.
#include "platform.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

bool platform_accepts_dummy_window = false;

// The page's canvas is always there.
bool platform_has_display() { return true; }

namespace {

// In the canvas's own byte order (red, green, blue, alpha in memory), so that a flip copies the
// pixels as they are.
SDL_PixelFormat format_of_the_page() {
    SDL_PixelFormat format{};
    format.BitsPerPixel = 32;
    format.BytesPerPixel = 4;
    format.Rmask = 0x000000FFu;
    format.Gmask = 0x0000FF00u;
    format.Bmask = 0x00FF0000u;
    format.Amask = 0xFF000000u;
    format.Rshift = 0;
    format.Gshift = 8;
    format.Bshift = 16;
    format.Ashift = 24;
    return format;
}

SDL_PixelFormat page_format = format_of_the_page();
std::vector<Uint32> page_pixels;
SDL_Surface page_surface{};
bool flips_show = false;  // SDL_Flip of the surface shows it (not for a `presented` screen)
std::vector<Uint32> presented_pixels;

void show_on_canvas(const Uint32* pixels) {
    // clang-format off
    EM_ASM({
        var canvas = Module['canvas'];
        if (!canvas) return;
        var context = canvas.getContext('2d');
        if (!Module['shownImage']) Module['shownImage'] = context.createImageData(800, 600);
        var image = Module['shownImage'];
        image.data.set(HEAPU8.subarray($0, $0 + 800 * 600 * 4));
        context.putImageData(image, 0, 0);
    }, pixels);
    // clang-format on
}

// The browser paints only when the program gives it its turn, in a sleep or a wait: a flip is
// copied to the canvas then, once, however many flips came in between (an animation that runs
// unpaced to its end would otherwise copy every frame that nobody sees).
bool flipped = false;

void show_what_was_flipped() {
    if (!flipped) return;
    flipped = false;
    show_on_canvas(page_pixels.data());
}

void give_the_browser_its_turn(unsigned int milliseconds) {
    show_what_was_flipped();
    emscripten_sleep(milliseconds);
}

}  // namespace

// The page shows the canvas at whole multiples of its size itself, so a window's shape (--scale,
// --fullscreen) asks nothing of the program here.
SDL_Surface* platform_open_screen(ScreenKind kind, std::string&, const WindowShape&, std::string* note) {
    if (note != nullptr) note->clear();
    page_pixels.assign(800 * 600, 0);
    page_surface.format = &page_format;
    page_surface.w = 800;
    page_surface.h = 600;
    page_surface.pitch = 800 * 4;
    page_surface.pixels = page_pixels.data();
    page_surface.clip_rect = SDL_Rect{0, 0, 800, 600};
    page_surface.refcount = 1;
    flips_show = kind == ScreenKind::window;
    flipped = false;
    // What the program flipped after its last wait is shown when it ends.
    static bool exit_registered = false;
    if (!exit_registered) std::atexit(show_what_was_flipped);
    exit_registered = true;
    // White, as every program's pictures start, rather than black until the first one.
    SDL_FillRect(&page_surface, nullptr, SDL_MapRGB(&page_format, 255, 255, 255));
    if (kind != ScreenKind::offscreen) show_on_canvas(page_pixels.data());
    return &page_surface;
}

void platform_present(const Picture& picture) {
    presented_pixels.resize(std::size_t(Picture::width) * Picture::height);
    for (std::size_t i = 0; i < presented_pixels.size(); ++i) {
        const std::uint32_t rgb = picture.pixels[i];
        presented_pixels[i] = red_of(rgb) | green_of(rgb) << 8 | blue_of(rgb) << 16 | 0xFF000000u;
    }
    show_on_canvas(presented_pixels.data());
}

// The page has a panel of its own beside the canvas.
PanelArea platform_panel_area() { return {}; }
int platform_panel_text_width(PanelStyle, const std::string&) { return 0; }
void platform_show_panel(const PanelLayout&) {}

void platform_set_caption(const char* caption, const char*) {
    // clang-format off
    EM_ASM({
        var text = UTF8ToString($0);
        if (Module['setCaption']) Module['setCaption'](text); else document.title = text;
    }, caption);
    // clang-format on
}

namespace {

// The page queues each key press as one number: 256 times its kind (KeyPress::Kind's order) plus
// its character, or -1 for none waiting. Held keys that the browser repeats and lone modifier
// keys never reach the queue, as SDL 1.2 on the desktop gives neither.
int next_key_code() {
    // clang-format off
    return EM_ASM_INT({
        var keys = Module['keys'];
        return keys && keys.length > 0 ? keys.shift() : -1;
    });
    // clang-format on
}

KeyPress key_of(int code) {
    KeyPress key;
    const int kind = code >> 8;
    if (kind >= 0 && kind <= static_cast<int>(KeyPress::Kind::other)) key.kind = static_cast<KeyPress::Kind>(kind);
    if (key.kind == KeyPress::Kind::character) key.character = static_cast<char>(code & 0xFF);
    return key;
}

}  // namespace

WindowEvent platform_wait_event(KeyPress* key, std::int64_t until_us) {
    show_what_was_flipped();
    // Counted on the page, which can tell from it that a step stands on the canvas, waiting, and
    // how long after the page opened the first one stood there.
    EM_ASM({
        if (!Module['waits']) Module['firstStepAt'] = performance.now();
        Module['waits'] = (Module['waits'] || 0) + 1;
    });
    for (;;) {
        const int code = next_key_code();
        if (code >= 0) {
            if (key != nullptr) *key = key_of(code);
            return WindowEvent::key;
        }
        if (until_us != 0 && platform_now_us() >= until_us) return WindowEvent::timeout;
        give_the_browser_its_turn(10);
    }
}

bool platform_take_key_or_close() { return next_key_code() >= 0; }

// A page has no signals to catch: closing it ends the program with it.
void platform_catch_stop_signals() {}
int platform_stop_signal() { return 0; }
void platform_end_by_signal(int signal) { std::exit(128 + signal); }

std::int64_t platform_now_us() { return static_cast<std::int64_t>(emscripten_get_now() * 1000.0); }

void platform_sleep_us(std::int64_t microseconds) {
    if (microseconds <= 0) return;
    give_the_browser_its_turn(static_cast<unsigned int>((microseconds + 999) / 1000));
}

std::string platform_executable_folder() { return ""; }

namespace {

// The text the page put in Module.files under `name`, a character at a time (this Emscripten has
// no call of its own that hands C++ a new string): its length, or -1 when there is none.
// clang-format off
EM_JS(int, page_file_length, (const char* name), {
    var files = Module['files'] || {};
    var key = UTF8ToString(name);
    return Object.prototype.hasOwnProperty.call(files, key) ? String(files[key]).length : -1;
});
EM_JS(int, page_file_character, (const char* name, int at), {
    return String(Module['files'][UTF8ToString(name)]).charCodeAt(at);
});
// clang-format on

}  // namespace

void platform_show_graph_text(const std::string& text) {
    // clang-format off
    EM_ASM({
        if (Module['showGraph']) Module['showGraph'](UTF8ToString($0));
    }, text.c_str());
    // clang-format on
}

// A graph file is plain ASCII: any other character stands as '?', for the reading to refuse.
FileRead platform_read_text_file(const std::string& path, std::size_t largest, std::string& text) {
    const int length = page_file_length(path.c_str());
    if (length < 0) return FileRead::failed;
    if (static_cast<std::size_t>(length) > largest) return FileRead::too_large;
    text.clear();
    for (int at = 0; at < length; ++at) {
        const int c = page_file_character(path.c_str(), at);
        text += c < 128 ? static_cast<char>(c) : '?';
    }
    return FileRead::done;
}

// ---- The SDL 1.2 calls the programs make, on the surface in memory --------------------------

Uint32 SDL_MapRGB(const SDL_PixelFormat* format, Uint8 r, Uint8 g, Uint8 b) {
    return Uint32(r >> format->Rloss) << format->Rshift | Uint32(g >> format->Gloss) << format->Gshift |
           Uint32(b >> format->Bloss) << format->Bshift | format->Amask;
}

int SDL_FillRect(SDL_Surface* surface, const SDL_Rect* rect, Uint32 colour) {
    // The rectangle is cut to the surface's clipping rectangle, as SDL 1.2 cuts it.
    const SDL_Rect& clip = surface->clip_rect;
    int x0 = clip.x, y0 = clip.y, x1 = clip.x + clip.w, y1 = clip.y + clip.h;
    if (rect != nullptr) {
        x0 = std::max(x0, rect->x);
        y0 = std::max(y0, rect->y);
        x1 = std::min(x1, rect->x + rect->w);
        y1 = std::min(y1, rect->y + rect->h);
    }
    for (int y = y0; y < y1; ++y) {
        Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + std::size_t(y) * surface->pitch);
        for (int x = x0; x < x1; ++x) row[x] = colour;
    }
    return 0;
}

int SDL_Flip(SDL_Surface* surface) {
    if (surface == &page_surface && flips_show) flipped = true;
    return 0;
}

void SDL_Delay(Uint32 milliseconds) {
    if (milliseconds > 0) give_the_browser_its_turn(milliseconds);
}
