// --gif FILE: the whole show as one animated GIF that loops forever. Each frame carries only the
// rectangle that changed since the frame before, with a colour map of exactly the colours in it,
// so the colours are the picture's own and a step that adds one arc costs a few hundred bytes.
#include "files.h"
#include "output.h"
#include "suite_files.h"

#include <gif_lib.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include <sys/stat.h>



namespace {

// Delays are in hundredths of a second.
constexpr int step_delay = 150;
constexpr int stage_duration = 800;
// An animated stage keeps at most this many frames: enough for a smooth 8 s, few enough to hold
// in memory and to stay clear of the shortest delay that viewers honour.
constexpr int stage_frame_bound = 80;
constexpr int max_colours = 256;

using Uint32 = std::uint32_t;
constexpr int screen_width = Picture::width;
constexpr int screen_height = Picture::height;

// 0xRRGGBB per pixel, row by row, as in a Picture.
using Canvas = std::vector<Uint32>;
// Matches no colour, so the first frame is the whole screen.
constexpr Uint32 no_colour = 0xFF000000u;

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

// One GIF frame: a rectangle of colour indices and its colour map. Pixels that the frame leaves as
// they were share one transparent index, which packs far better than their colours.
struct Patch {
    Rect rect;
    std::vector<Uint32> colours;
    std::vector<GifPixelType> indices;
    int unchanged = -1;  // the transparent index, or -1 when every pixel is given
};

std::string path;
// The GIF is written under a temporary name and renamed into place when complete, so that a
// failed run leaves no partial GIF and keeps a good one already there. A device or pipe named on
// the command line is written directly.
PendingFile pending;
bool direct = false;
std::FILE* file = nullptr;  // pending.file, or the device
GifFileType* gif = nullptr;
int write_errno = 0;  // why the last write to the file failed

// What the GIF shows after the last frame that was written or kept for the stage in progress.
Canvas latest;

// The change from one picture to the next: one frame, or several when the changed rectangle holds
// more colours than one GIF frame can name.
using Change = std::vector<Patch>;

// The animated stage in progress: what it started from, and the frames kept so far, each the
// change from the kept frame before it. Every `keep_every`-th frame offered is kept.
Canvas stage_start;
std::vector<Change> stage_frames;
int frames_offered = 0;
int keep_every = 1;

int write_bytes(GifFileType*, const GifByteType* bytes, int count) {
    const std::size_t written = std::fwrite(bytes, 1, static_cast<std::size_t>(count), file);
    if (written != static_cast<std::size_t>(count)) write_errno = errno;
    return static_cast<int>(written);
}

// The smallest rectangle that holds every pixel that differs. A GIF frame cannot be empty, so an
// unchanged picture gives one pixel.
Rect changed_rect(const Canvas& before, const Canvas& after) {
    int left = screen_width, right = -1, top = screen_height, bottom = -1;
    for (int y = 0; y < screen_height; ++y) {
        const Uint32* a = &before[static_cast<std::size_t>(y) * screen_width];
        const Uint32* b = &after[static_cast<std::size_t>(y) * screen_width];
        // Most rows are unchanged; memcmp says so fastest.
        if (std::memcmp(a, b, sizeof(Uint32) * screen_width) == 0) continue;
        int first = 0;
        while (a[first] == b[first]) ++first;
        int last = screen_width - 1;
        while (a[last] == b[last]) --last;
        if (first < left) left = first;
        if (last > right) right = last;
        if (top > y) top = y;
        bottom = y;
    }
    if (bottom < 0) return {0, 0, 1, 1};
    return {left, top, right - left + 1, bottom - top + 1};
}

// False when the rectangle holds more colours than one GIF frame can name. Unchanged pixels take
// the transparent index, unless the changed ones need all 256.
bool make_frame(const Canvas& before, const Canvas& after, const Rect& rect, Patch& frame,
                bool transparency = true) {
    frame.rect = rect;
    frame.colours.clear();
    frame.indices.resize(static_cast<std::size_t>(rect.width) * rect.height);
    frame.unchanged = -1;
    std::unordered_map<Uint32, GifPixelType> index_of;
    Uint32 last_rgb = no_colour;
    GifPixelType last_index = 0;
    bool any_unchanged = false;
    std::size_t i = 0;
    for (int y = rect.top; y < rect.top + rect.height; ++y)
        for (int x = rect.left; x < rect.left + rect.width; ++x, ++i) {
            const std::size_t at = static_cast<std::size_t>(y) * screen_width + x;
            if (transparency && before[at] == after[at]) {
                any_unchanged = true;  // its index is set below, once all colours are counted
                continue;
            }
            if (after[at] != last_rgb) {
                const auto found = index_of.find(after[at]);
                if (found != index_of.end()) {
                    last_index = found->second;
                } else {
                    if (frame.colours.size() == max_colours) return false;
                    last_index = static_cast<GifPixelType>(frame.colours.size());
                    index_of.emplace(after[at], last_index);
                    frame.colours.push_back(after[at]);
                }
                last_rgb = after[at];
            }
            frame.indices[i] = last_index;
        }
    if (!any_unchanged) return true;
    if (frame.colours.size() == max_colours) return make_frame(before, after, rect, frame, false);

    frame.unchanged = static_cast<int>(frame.colours.size());
    frame.colours.push_back(0);  // never shown
    i = 0;
    for (int y = rect.top; y < rect.top + rect.height; ++y)
        for (int x = rect.left; x < rect.left + rect.width; ++x, ++i) {
            const std::size_t at = static_cast<std::size_t>(y) * screen_width + x;
            if (before[at] == after[at]) frame.indices[i] = static_cast<GifPixelType>(frame.unchanged);
        }
    return true;
}

void paint(const Patch& frame, Canvas& canvas) {
    std::size_t i = 0;
    for (int y = frame.rect.top; y < frame.rect.top + frame.rect.height; ++y)
        for (int x = frame.rect.left; x < frame.rect.left + frame.rect.width; ++x, ++i)
            if (frame.indices[i] != frame.unchanged)
                canvas[static_cast<std::size_t>(y) * screen_width + x] = frame.colours[frame.indices[i]];
}

// The change from `before` to `after`. A rectangle with more than 256 colours is cut in two,
// across its longer side, until every piece fits in a colour map of its own.
void add_change(const Canvas& before, const Canvas& after, const Rect& rect, Change& change) {
    Patch frame;
    if (make_frame(before, after, rect, frame)) {
        change.push_back(std::move(frame));
        return;
    }
    Rect first = rect, second = rect;
    if (rect.height >= rect.width) {
        first.height = rect.height / 2;
        second.top += first.height;
        second.height -= first.height;
    } else {
        first.width = rect.width / 2;
        second.left += first.width;
        second.width -= first.width;
    }
    add_change(before, after, first, change);
    add_change(before, after, second, change);
}

Change change_between(const Canvas& before, const Canvas& after) {
    Change change;
    add_change(before, after, changed_rect(before, after), change);
    return change;
}

void paint(const Change& change, Canvas& canvas) {
    for (const Patch& frame : change) paint(frame, canvas);
}

// False when the file cannot take it.
bool write_frame(const Patch& frame, int delay) {
    // Graphic control: leave the frame in place, so that the next one draws over it.
    const bool transparent = frame.unchanged >= 0;
    const GifByteType control[4] = {static_cast<GifByteType>(1 << 2 | (transparent ? 1 : 0)),
                                    static_cast<GifByteType>(delay & 0xFF),
                                    static_cast<GifByteType>(delay >> 8),
                                    static_cast<GifByteType>(transparent ? frame.unchanged : 0)};
    int map_size = 2;
    while (map_size < static_cast<int>(frame.colours.size())) map_size *= 2;
    std::vector<GifColorType> colours(static_cast<std::size_t>(map_size), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < frame.colours.size(); ++i)
        colours[i] = {static_cast<GifByteType>(frame.colours[i] >> 16),
                      static_cast<GifByteType>(frame.colours[i] >> 8),
                      static_cast<GifByteType>(frame.colours[i])};
    ColorMapObject* map = GifMakeMapObject(map_size, colours.data());
    std::vector<GifPixelType> indices = frame.indices;  // giflib takes them as writable
    const bool written =
        map != nullptr && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, control) == GIF_OK &&
        EGifPutImageDesc(gif, frame.rect.left, frame.rect.top, frame.rect.width, frame.rect.height,
                         false, map) == GIF_OK &&
        EGifPutLine(gif, indices.data(), static_cast<int>(indices.size())) == GIF_OK;
    GifFreeMapObject(map);
    return written;
}

// The pieces of one change follow each other at once; the change is held for `delay`.
bool write_change(const Change& change, int delay) {
    for (std::size_t i = 0; i < change.size(); ++i)
        if (!write_frame(change[i], i + 1 == change.size() ? delay : 0)) return false;
    return true;
}

// Halves the kept frames: those at odd positions go, and each one left is remade as the change
// from the one left before it.
void thin_stage() {
    Canvas replayed = stage_start;
    Canvas kept = stage_start;
    std::vector<Change> thinned;
    for (std::size_t i = 0; i < stage_frames.size(); ++i) {
        paint(stage_frames[i], replayed);
        if (i % 2 != 0) continue;
        thinned.push_back(change_between(kept, replayed));
        paint(thinned.back(), kept);
    }
    stage_frames = std::move(thinned);
    latest = std::move(kept);
    keep_every *= 2;
}

// Writes the kept frames of the stage in progress, spread over the stage's playing time.
bool flush_stage() {
    const int count = static_cast<int>(stage_frames.size());
    for (int i = 0; i < count; ++i) {
        const int delay = stage_duration * (i + 1) / count - stage_duration * i / count;
        if (!write_change(stage_frames[static_cast<std::size_t>(i)], delay)) return false;
    }
    stage_frames.clear();
    stage_start.clear();
    frames_offered = 0;
    keep_every = 1;
    return true;
}

std::string last_error() {
    if (write_errno != 0) return std::strerror(write_errno);
    return GifErrorString(gif->Error);
}

std::string failure(const std::string& why) { return "cannot write the GIF " + printable(path) + ": " + why; }

// Closes what is open and removes the unfinished file; a device is left alone.
void close_and_remove() {
    if (gif != nullptr) {
        int ignored = 0;
        EGifCloseFile(gif, &ignored);
        gif = nullptr;
    }
    if (direct && file != nullptr) std::fclose(file);
    if (!direct) abandon_pending(pending);
    file = nullptr;
    stage_frames.clear();
}

// A character device or a pipe, or a link to one (/dev/stdout), which is written as it is. A
// link to a plain file is replaced, never followed.
bool is_device(const std::string& name) {
    struct stat info;
    return stat(name.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
}

bool wanted(const Settings& settings) { return !settings.gif_path.empty(); }

// The GIF would take a name that --record or --worksheet writes (or removes) in its folder: one
// output of the run would clobber another's file. Says which in `why`.
bool takes_a_folders_name(const Settings& settings, std::string& why) {
    const std::size_t slash = path.rfind('/');
    const std::string parent = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    if (!is_suite_name(path.substr(slash + 1))) return false;
    for (const auto& [option, folder] :
         {std::pair{"--record", &settings.record_folder}, std::pair{"--worksheet", &settings.worksheet_folder}})
        if (!folder->empty() && same_folder(*folder, parent)) {
            why = failure(std::string("the name is one that ") + option + " " + printable(*folder) +
                          " uses; give the GIF a name of its own");
            return true;
        }
    return false;
}

bool start(const Settings& settings, const char*, std::string& why) {
    path = settings.gif_path;
    write_errno = 0;
    direct = is_device(path);
    if (!direct && takes_a_folders_name(settings, why)) return false;
    if (direct) {
        file = std::fopen(path.c_str(), "wb");
        if (file == nullptr) {
            why = failure(std::strerror(errno));
            return false;
        }
    } else {
        if (!open_pending(path, pending, why)) {
            why = failure(why);
            return false;
        }
        file = pending.file;
    }
    int error = 0;
    gif = EGifOpen(nullptr, write_bytes, &error);
    if (gif == nullptr) {
        why = failure(GifErrorString(error));
        close_and_remove();
        return false;
    }
    latest.assign(static_cast<std::size_t>(screen_width) * screen_height, no_colour);
    frames_offered = 0;
    keep_every = 1;
    EGifSetGifVersion(gif, true);
    // NETSCAPE2.0 with a loop count of 0: play forever.
    const GifByteType loop[3] = {1, 0, 0};
    if (EGifPutScreenDesc(gif, screen_width, screen_height, 8, 0, nullptr) != GIF_OK ||
        EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) != GIF_OK ||
        EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") != GIF_OK ||
        EGifPutExtensionBlock(gif, 3, loop) != GIF_OK || EGifPutExtensionTrailer(gif) != GIF_OK) {
        why = failure(last_error());
        close_and_remove();
        return false;
    }
    return true;
}

Outcome step(const Step& step, std::string& why) {
    if (!flush_stage() || !write_change(change_between(latest, step.picture->pixels), step_delay)) {
        why = failure(last_error());
        return Outcome::failed;
    }
    latest = step.picture->pixels;
    return Outcome::go_on;
}

bool frame(const Frame& shown, std::string&) {
    const Picture* picture = shown.picture;
    const bool keep = frames_offered % keep_every == 0;
    if (frames_offered == 0) stage_start = latest;
    ++frames_offered;
    if (!keep) return true;
    stage_frames.push_back(change_between(latest, picture->pixels));
    latest = picture->pixels;
    if (static_cast<int>(stage_frames.size()) > stage_frame_bound) thin_stage();
    return true;
}

// Writes the rest of the file and closes it; a file that could not be completed is removed.
bool finish(std::string& why) {
    bool written = flush_stage();
    if (!written) why = last_error();
    int error = 0;
    if (EGifCloseFile(gif, &error) != GIF_OK && written) {
        written = false;
        why = write_errno != 0 ? std::strerror(write_errno) : GifErrorString(error);
    }
    gif = nullptr;
    if (!written) {
        why = failure(why);
        close_and_remove();
        return false;
    }
    if (!direct) {
        file = nullptr;
        if (commit_pending(pending, why)) return true;
        why = failure(why);
        return false;
    }
    // A full disk shows only when the buffered bytes go out.
    if (std::fflush(file) != 0 || std::ferror(file) != 0) {
        written = false;
        why = failure(std::strerror(errno));
    }
    if (std::fclose(file) != 0 && written) {
        written = false;
        why = failure(std::strerror(errno));
    }
    file = nullptr;
    return written;
}

}  // namespace

const Output gif_output{"gif", wanted, always, start, step, frame, finish, close_and_remove};
