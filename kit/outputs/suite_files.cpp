// Which files in a --record or --worksheet folder the suite wrote, by the marks they carry (see
// suite_files.h), and the removal of an earlier run's.
#include "suite_files.h"

#include "show.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// At least `least` digits, skipped.
bool digits(const char*& at, std::size_t least) {
    std::size_t count = 0;
    while (at[count] >= '0' && at[count] <= '9') ++count;
    at += count;
    return count >= least;
}

// step-001.png, step-1234.png, step-001-frame-0001.png.
bool is_step_picture(const char* name) {
    if (std::strncmp(name, "step-", 5) != 0) return false;
    const char* at = name + 5;
    if (!digits(at, 3)) return false;
    if (std::strncmp(at, "-frame-", 7) == 0) {
        at += 7;
        if (!digits(at, 4)) return false;
    }
    if (std::strncmp(at, "-cropped", 8) == 0) at += 8;  // the worksheet's
    return std::strcmp(at, ".png") == 0;
}

bool ends_with(const std::string& text, const char* end) {
    const std::size_t size = std::strlen(end);
    return text.size() >= size && text.compare(text.size() - size, size, end) == 0;
}

bool starts_with(const std::string& text, const char* start) { return text.compare(0, std::strlen(start), start) == 0; }

// Up to `most` bytes from the start of `path` when it is a plain file; false when it is anything
// else or cannot be read. It never follows a link, nor waits on a pipe put in the file's place.
bool read_start(const std::string& path, std::size_t most, std::string& bytes) {
    const int descriptor = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return false;
    struct stat info;
    bool plain = fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode);
    bytes.clear();
    char buffer[8192];
    while (plain && bytes.size() < most) {
        const ssize_t got = read(descriptor, buffer, std::min(sizeof buffer, most - bytes.size()));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) plain = false;
        if (got <= 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    close(descriptor);
    return plain;
}

std::uint32_t big_endian(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// A PNG with the chunk tEXt "Software" "graphsteps" among those before its pixels (png_file.cpp).
bool png_marked(const std::string& bytes) {
    if (bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return false;
    const std::string mark = std::string(png_software_key) + '\0' + png_software;
    for (std::size_t at = 8; at + 8 <= bytes.size();) {
        const std::uint32_t length = big_endian(bytes, at);
        const std::string type = bytes.substr(at + 4, 4);
        if (type == "IDAT" || type == "IEND") return false;
        if (type == "tEXt" && length == mark.size() && bytes.compare(at + 8, mark.size(), mark) == 0) return true;
        at += 12 + std::size_t(length);  // length, type, data, CRC
    }
    return false;
}

// The title that worksheet_pdf.cpp gives the sheet's PDFs: "PROGRAM worksheet, seed N" or
// "PROGRAM worksheet, the same graph every time", and "answers" for "worksheet" in the answers'.
bool is_worksheet_title(const std::string& title) {
    const std::size_t space = title.find(' ');
    if (space == std::string::npos || space == 0) return false;
    std::string rest;
    for (const char* kind : {" worksheet, ", " answers, "})
        if (title.compare(space, std::strlen(kind), kind) == 0) rest = title.substr(space + std::strlen(kind));
    if (rest.empty()) return false;
    if (rest == "the same graph every time") return true;
    if (!starts_with(rest, "seed ") || rest.size() == 5) return false;
    return rest.find_first_not_of("0123456789", 5) == std::string::npos;
}

// A PDF whose document information names a worksheet of the suite. Cairo writes a title of
// printable ASCII as a literal string, with ( ) and \ escaped.
bool pdf_marked(const std::string& bytes) {
    if (!starts_with(bytes, "%PDF-")) return false;
    for (std::size_t at = bytes.find("/Title ("); at != std::string::npos; at = bytes.find("/Title (", at + 1)) {
        std::string title;
        std::size_t i = at + 8;
        for (; i < bytes.size() && bytes[i] != ')' && title.size() < 200; ++i) {
            if (bytes[i] == '\\' && i + 1 < bytes.size()) ++i;
            title += bytes[i];
        }
        if (i < bytes.size() && bytes[i] == ')' && is_worksheet_title(title)) return true;
    }
    return false;
}

// The steps as step_text.cpp writes them: {"program":"NAME","seed":...,"step_count":N,"legend":[
bool steps_marked(const std::string& bytes) {
    if (!starts_with(bytes, "{\"program\":\"")) return false;
    const std::size_t seed = bytes.find("\",\"seed\":");
    const std::size_t count = bytes.find(",\"step_count\":", seed);
    return seed != std::string::npos && count != std::string::npos && bytes.find(",\"legend\":[", count) != std::string::npos;
}

std::string article(const std::string& name) {
    return !name.empty() && std::strchr("aeiouAEIOU", name[0]) != nullptr ? "an " : "a ";
}

struct FolderId {
    dev_t device;
    ino_t inode;
    bool operator==(const FolderId& other) const { return device == other.device && inode == other.inode; }
};

bool folder_id(const std::string& folder, FolderId& id) {
    struct stat info;
    if (stat(folder.c_str(), &info) != 0) return false;
    if (!S_ISDIR(info.st_mode)) {
        errno = ENOTDIR;
        return false;
    }
    id = {info.st_dev, info.st_ino};
    return true;
}

// The folders whose earlier run this process has removed since their last check.
std::vector<FolderId> cleaned;

// The files of suite names in `folder`: the suite's in `ours`; false, with why, when one is not.
bool scan(const std::string& folder, std::vector<std::string>& ours, std::string& why) {
    DIR* listing = opendir(folder.c_str());
    if (listing == nullptr) {
        why = "cannot read the folder " + printable(folder) + ": " + std::strerror(errno);
        return false;
    }
    std::vector<std::string> names;
    while (const dirent* entry = readdir(listing))
        if (is_suite_name(entry->d_name)) names.push_back(entry->d_name);
    closedir(listing);
    std::sort(names.begin(), names.end());  // the same file named whatever the listing's order
    ours.clear();
    for (const std::string& name : names) {
        const std::string path = folder + "/" + name;
        struct stat info;
        if (lstat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) continue;  // gone, or a folder
        if (!written_by_suite(path)) {
            // Another run into the folder may have removed it meanwhile: then it blocks nothing.
            if (lstat(path.c_str(), &info) != 0 && errno == ENOENT) continue;
            why = printable(folder) + " holds " + article(name) + printable(name) +
                  " that graphsteps did not write; choose an empty folder";
            return false;
        }
        ours.push_back(path);
    }
    return true;
}

}  // namespace

bool is_suite_name(const std::string& name) {
    for (const char* page : {"index.html", "steps.txt", "steps.json", "steps.js", "worksheet.html", "answers.html",
                             "worksheet-a4.pdf", "worksheet-letter.pdf",
                             "answers-a4.pdf", "answers-letter.pdf"})
        if (name == page) return true;
    return is_step_picture(name.c_str());
}

bool written_by_suite(const std::string& path) {
    std::string bytes;
    if (ends_with(path, ".png")) return read_start(path, 16384, bytes) && png_marked(bytes);
    if (ends_with(path, ".html")) return read_start(path, 1024, bytes) && bytes.find(generator_meta) != std::string::npos;
    if (ends_with(path, "/steps.json")) return read_start(path, 512, bytes) && steps_marked(bytes);
    if (ends_with(path, "/steps.js"))
        return read_start(path, 512, bytes) && starts_with(bytes, "window.graphstepsSteps = ") && steps_marked(bytes.substr(25));
    if (ends_with(path, "/steps.txt")) return read_start(path, 256, bytes) && starts_with(bytes, transcript_mark);
    if (ends_with(path, ".pdf")) return read_start(path, std::size_t(64) << 20, bytes) && pdf_marked(bytes);
    return false;
}

bool check_earlier_run(const std::string& folder, std::string& why) {
    FolderId id{};
    if (folder_id(folder, id)) cleaned.erase(std::remove(cleaned.begin(), cleaned.end(), id), cleaned.end());
    std::vector<std::string> ours;
    return scan(folder, ours, why);
}

bool remove_earlier_run(const std::string& folder, std::string& why) {
    FolderId id{};
    if (!folder_id(folder, id)) {
        why = printable(folder) + ": " + std::strerror(errno);
        return false;
    }
    if (std::find(cleaned.begin(), cleaned.end(), id) != cleaned.end()) return true;
    std::vector<std::string> ours;
    if (!scan(folder, ours, why)) return false;
    for (const std::string& path : ours)
        if (unlink(path.c_str()) != 0 && errno != ENOENT) {
            why = "cannot remove the earlier run's " + printable(path) + ": " + std::strerror(errno);
            return false;
        }
    cleaned.push_back(id);
    return true;
}

bool same_folder(const std::string& a, const std::string& b) {
    FolderId first{}, second{};
    return folder_id(a, first) && folder_id(b, second) && first == second;
}
