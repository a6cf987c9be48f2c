// --record: the picture on screen at each wait is written as an 8-bit RGB PNG instead of waiting.
#include "frame_state.h"
#include "kit.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <sys/stat.h>

std::string record_folder;

namespace {

// mkdir -p: every missing folder on the way is made.
bool make_folders(const std::string& path, std::string& why) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        if (!prefix.empty() && mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST) {
            why = prefix + ": " + std::strerror(errno);
            return false;
        }
        if (slash == std::string::npos) break;
    }
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        why = path + ": not a folder";
        return false;
    }
    return true;
}

struct PngFile {
    std::FILE* file = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngFile() {
        if (png != nullptr) png_destroy_write_struct(&png, info != nullptr ? &info : nullptr);
        if (file != nullptr) std::fclose(file);
    }
};

}  // namespace

void prepare_record_folder() {
    std::string why;
    if (!make_folders(record_folder, why)) {
        std::fprintf(stderr, "%s: cannot make the record folder %s\n", program_name, why.c_str());
        std::exit(1);
    }
}

bool write_screen_png(const std::string& path, std::string& why) {
    std::vector<png_byte> rows(static_cast<std::size_t>(screen_width) * screen_height * 3);
    for (int y = 0; y < screen_height; ++y)
        for (int x = 0; x < screen_width; ++x) {
            png_byte* rgb = &rows[(static_cast<std::size_t>(y) * screen_width + x) * 3];
            SDL_GetRGB(get_pixel(x, y), screen->format, &rgb[0], &rgb[1], &rgb[2]);
        }

    PngFile out;
    out.file = std::fopen(path.c_str(), "wb");
    if (out.file == nullptr) {
        why = std::strerror(errno);
        return false;
    }
    out.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (out.png != nullptr) out.info = png_create_info_struct(out.png);
    if (out.info == nullptr) {
        why = "libpng could not start";
        return false;
    }
    if (setjmp(png_jmpbuf(out.png))) {
        why = "libpng failed to write it";
        return false;
    }
    png_init_io(out.png, out.file);
    png_set_IHDR(out.png, out.info, screen_width, screen_height, 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(out.png, out.info);
    for (int y = 0; y < screen_height; ++y)
        png_write_row(out.png, &rows[static_cast<std::size_t>(y) * screen_width * 3]);
    png_write_end(out.png, nullptr);

    // A full disk shows only when the buffered bytes go out.
    std::FILE* file = out.file;
    out.file = nullptr;
    if (std::fflush(file) != 0 || std::ferror(file) != 0) {
        why = std::strerror(errno);
        std::fclose(file);
        return false;
    }
    if (std::fclose(file) != 0) {
        why = std::strerror(errno);
        return false;
    }
    return true;
}

void record_step() {
    char name[32];
    std::snprintf(name, sizeof name, "/step-%03d.png", steps_shown);
    const std::string path = record_folder + name;
    std::string why;
    if (!write_screen_png(path, why)) {
        std::fprintf(stderr, "%s: cannot write the picture %s: %s\n", program_name, path.c_str(),
                     why.c_str());
        std::exit(1);
    }
    if (!write_gallery_page(why)) {
        std::fprintf(stderr, "%s: cannot write the gallery page %s/index.html: %s\n", program_name,
                     record_folder.c_str(), why.c_str());
        std::exit(1);
    }
}
