// PNG writing with libpng. Most of the time of a plain RGB PNG goes into filtering and deflating
// three bytes a pixel; a palette picture deflates one byte a pixel with no filter, which is what
// the few-coloured pictures of the suite compress best with anyway.
#include "png_file.h"

#include "files.h"
#include "suite_files.h"

#include <png.h>
#include <zlib.h>

#include <cerrno>
#include <csetjmp>
#include <string>
#include <cstdio>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace {

constexpr int max_palette = 256;

// libpng reports an error by calling error_fn, which must not return: it keeps the reason and
// jumps back to encode. The bytes go out through write_bytes, which keeps errno of a failed write.
struct PngWriter {
    std::FILE* file = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::string error;  // why libpng stopped
    int write_errno = 0;
    ~PngWriter() {
        if (png != nullptr) png_destroy_write_struct(&png, info != nullptr ? &info : nullptr);
    }
};

void png_failed(png_structp png, png_const_charp message) {
    auto* writer = static_cast<PngWriter*>(png_get_error_ptr(png));
    writer->error = message;
    png_longjmp(png, 1);
}

void png_warned(png_structp, png_const_charp) {}

void write_bytes(png_structp png, png_bytep bytes, png_size_t count) {
    auto* writer = static_cast<PngWriter*>(png_get_io_ptr(png));
    if (std::fwrite(bytes, 1, count, writer->file) != count) {
        writer->write_errno = errno;
        png_error(png, "write error");
    }
}

void flush_bytes(png_structp png) {
    auto* writer = static_cast<PngWriter*>(png_get_io_ptr(png));
    if (std::fflush(writer->file) != 0) {
        writer->write_errno = errno;
        png_error(png, "write error");
    }
}

// The picture as palette indices, or false when it has more colours than a palette holds.
bool index_colours(const CroppedPicture& picture, std::vector<png_byte>& indices, std::vector<png_color>& colours) {
    indices.resize(picture.pixels.size());
    colours.clear();
    std::unordered_map<std::uint32_t, png_byte> index_of;
    std::uint32_t last = ~picture.pixels[0];
    png_byte last_index = 0;
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        const std::uint32_t rgb = picture.pixels[i];
        if (rgb != last) {
            const auto found = index_of.find(rgb);
            if (found != index_of.end()) {
                last_index = found->second;
            } else {
                if (colours.size() == max_palette) return false;
                last_index = static_cast<png_byte>(colours.size());
                index_of.emplace(rgb, last_index);
                colours.push_back({static_cast<png_byte>(red_of(rgb)), static_cast<png_byte>(green_of(rgb)),
                                   static_cast<png_byte>(blue_of(rgb))});
            }
            last = rgb;
        }
        indices[i] = last_index;
    }
    return true;
}

// The rows as libpng takes them: one byte a pixel with the palette, else three.
struct Rows {
    std::vector<png_byte> bytes;
    std::vector<png_color> colours;  // empty: RGB
    std::size_t row_bytes = 0;
    int width = 0, height = 0;
};

Rows rows_of(const CroppedPicture& picture) {
    Rows rows;
    rows.width = picture.width;
    rows.height = picture.height;
    if (index_colours(picture, rows.bytes, rows.colours)) {
        rows.row_bytes = std::size_t(picture.width);
        return rows;
    }
    rows.colours.clear();
    rows.bytes.resize(picture.pixels.size() * 3);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        rows.bytes[3 * i] = static_cast<png_byte>(red_of(picture.pixels[i]));
        rows.bytes[3 * i + 1] = static_cast<png_byte>(green_of(picture.pixels[i]));
        rows.bytes[3 * i + 2] = static_cast<png_byte>(blue_of(picture.pixels[i]));
    }
    rows.row_bytes = std::size_t(picture.width) * 3;
    return rows;
}

// libpng's errors come back here by longjmp; nothing but `out` lives in this frame.
bool encode(std::FILE* file, const Rows& rows, std::string& why) {
    PngWriter out;
    out.file = file;
    out.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &out, png_failed, png_warned);
    if (out.png != nullptr) out.info = png_create_info_struct(out.png);
    if (out.info == nullptr) {
        why = "libpng could not start";
        return false;
    }
    if (setjmp(png_jmpbuf(out.png))) {
        why = out.write_errno != 0 ? std::strerror(out.write_errno) : "libpng: " + out.error;
        return false;
    }
    png_set_write_fn(out.png, &out, write_bytes, flush_bytes);
    const bool indexed = !rows.colours.empty();
    png_set_IHDR(out.png, out.info, static_cast<png_uint_32>(rows.width), static_cast<png_uint_32>(rows.height), 8,
                 indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (indexed) {
        png_set_PLTE(out.png, out.info, rows.colours.data(), static_cast<int>(rows.colours.size()));
        png_set_filter(out.png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
        // Long runs of one index: run-length matching finds them fastest, and packs as tight.
        png_set_compression_strategy(out.png, Z_RLE);
    }
    // The suite's mark, before the pixels: a later run in the folder knows the picture for its own.
    png_text mark{};
    mark.compression = PNG_TEXT_COMPRESSION_NONE;
    mark.key = const_cast<png_charp>(png_software_key);
    mark.text = const_cast<png_charp>(png_software);
    png_set_text(out.png, out.info, &mark, 1);
    png_write_info(out.png, out.info);
    for (int y = 0; y < rows.height; ++y)
        png_write_row(out.png, &rows.bytes[static_cast<std::size_t>(y) * rows.row_bytes]);
    png_write_end(out.png, nullptr);
    return true;
}

}  // namespace

bool write_png(const std::string& path, const Picture& picture, std::string& why) {
    return write_png(path, CroppedPicture{Picture::width, Picture::height, picture.pixels}, why);
}

bool write_png(const std::string& path, const CroppedPicture& picture, std::string& why) {
    PendingFile pending;
    if (!open_pending(path, pending, why)) return false;
    if (!encode(pending.file, rows_of(picture), why)) {
        abandon_pending(pending);
        return false;
    }
    return commit_pending(pending, why);
}
