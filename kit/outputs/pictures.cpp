// --record DIR: every step's picture as DIR/step-NNN.png, and DIR/index.html to page through them,
// rewritten after each step so that it always lists exactly the pictures written so far.
#include "gallery_page.h"
#include "output.h"
#include "png_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>

namespace {

std::string folder;

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

bool wanted(const Settings& settings) { return !settings.record_folder.empty(); }

bool start(const Settings& settings, const char*, std::string& why) {
    folder = settings.record_folder;
    if (make_folders(folder, why)) return true;
    why = "cannot make the record folder " + why;
    return false;
}

Outcome step(const Step& step, std::string& why) {
    char name[32];
    std::snprintf(name, sizeof name, "/step-%03d.png", step.number);
    const std::string path = folder + name;
    if (!write_png(path, *step.picture, why)) {
        why = "cannot write the picture " + path + ": " + why;
        return Outcome::failed;
    }
    const std::string page = folder + "/index.html";
    if (!write_whole_file(page, gallery_page(step.program, step.seed_in_use, step.seed, step.number), why)) {
        why = "cannot write the gallery page " + page + ": " + why;
        return Outcome::failed;
    }
    return Outcome::go_on;
}

// Every picture and the page were complete when written.
bool finish(std::string&) { return true; }
void discard() {}

}  // namespace

const Output pictures_output{"pictures", wanted, true, start, step, nullptr, finish, discard};
