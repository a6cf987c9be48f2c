// --record DIR: every step's picture as DIR/step-NNN.png, and DIR/index.html to page through them,
// rewritten after each step so that it always lists exactly the pictures written so far. The
// steps of an earlier recording in DIR are removed first, so that the folder never mixes two runs.
#include "files.h"
#include "gallery_page.h"
#include "output.h"
#include "png_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string folder;
std::vector<std::string> made_folders;  // by this run, outermost first
int steps_written = 0;

// step-001.png, step-1234.png: the names this output writes.
bool is_step_picture(const char* name) {
    if (std::strncmp(name, "step-", 5) != 0) return false;
    const char* digits = name + 5;
    std::size_t count = 0;
    while (digits[count] >= '0' && digits[count] <= '9') ++count;
    return count >= 3 && std::strcmp(digits + count, ".png") == 0;
}

// The page and the step data that a recording writes beside the pictures.
bool is_page(const char* name) {
    for (const char* page : {"index.html", "steps.txt", "steps.json", "steps.js"})
        if (std::strcmp(name, page) == 0) return true;
    return false;
}

// The pictures and pages of an earlier recording into the same folder: files (or links) of the
// names this output writes. Anything else of such a name is left for the write to fail on.
// Temporary files are left alone: another program may be writing into the folder right now.
bool remove_earlier_run(std::string& why) {
    DIR* listing = opendir(folder.c_str());
    if (listing == nullptr) {
        why = printable(folder) + ": " + std::strerror(errno);
        return false;
    }
    std::vector<std::string> stale;
    while (const dirent* entry = readdir(listing))
        if (is_step_picture(entry->d_name) || is_page(entry->d_name))
            stale.push_back(folder + "/" + entry->d_name);
    closedir(listing);
    for (const std::string& path : stale) {
        struct stat info;
        if (lstat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) continue;
        if (unlink(path.c_str()) != 0 && errno != ENOENT) {
            why = printable(path) + ": " + std::strerror(errno);
            return false;
        }
    }
    return true;
}

bool wanted(const Settings& settings) { return !settings.record_folder.empty(); }

bool start(const Settings& settings, const char*, std::string& why) {
    folder = settings.record_folder;
    made_folders.clear();
    steps_written = 0;
    if (!make_folders(folder, made_folders, why)) {
        why = "cannot make the record folder " + why;
        return false;
    }
    if (!remove_earlier_run(why)) {
        why = "cannot remove an earlier recording's picture " + why;
        return false;
    }
    return true;
}

Outcome step(const Step& step, std::string& why) {
    char name[32];
    std::snprintf(name, sizeof name, "/step-%03d.png", step.number);
    const std::string path = folder + name;
    if (!write_png(path, *step.picture, why)) {
        why = "cannot write the picture " + printable(path) + ": " + why;
        return Outcome::failed;
    }
    ++steps_written;
    const std::string page = folder + "/index.html";
    if (!write_whole_file(page, gallery_page(step.show->program, step.show->seed_in_use, step.show->seed, step.number), why)) {
        why = "cannot write the gallery page " + printable(page) + ": " + why;
        return Outcome::failed;
    }
    return Outcome::go_on;
}

// Every picture and the page were complete when written.
bool finish(std::string&) { return true; }

// A show that failed before its first picture leaves no empty folder of its own making behind.
void discard() {
    if (steps_written > 0) return;
    for (auto made = made_folders.rbegin(); made != made_folders.rend(); ++made) rmdir(made->c_str());
}

}  // namespace

const Output pictures_output{"pictures", wanted, always, start, step, nullptr, finish, discard};
