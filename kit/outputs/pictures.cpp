// --record DIR: every step's picture as DIR/step-NNN.png, and DIR/index.html to page through them,
// rewritten after each step so that it always lists exactly the pictures written so far. The
// files of an earlier recording (or worksheet) in DIR are removed before the first step's picture
// is written, so that the folder never mixes two runs; a file there that the suite did not write
// stops the run at its start, and is neither removed nor replaced (see suite_files.h).
#include "files.h"
#include "gallery_page.h"
#include "output.h"
#include "png_file.h"
#include "suite_files.h"

#include <cstdio>
#include <vector>

namespace {

std::string folder;
std::vector<std::string> made_folders;  // by this run, outermost first
int steps_written = 0;
bool earlier_run_removed = false;

bool wanted(const Settings& settings) { return !settings.record_folder.empty(); }

bool start(const Settings& settings, const char*, std::string& why) {
    folder = settings.record_folder;
    made_folders.clear();
    steps_written = 0;
    earlier_run_removed = false;
    if (!make_folders(folder, made_folders, why)) {
        why = "cannot make the record folder " + why;
        remove_made_folders(made_folders);
        return false;
    }
    if (!check_earlier_run(folder, why)) {
        remove_made_folders(made_folders);
        return false;
    }
    return true;
}

Outcome step(const Step& step, std::string& why) {
    if (!earlier_run_removed) {
        if (!remove_earlier_run(folder, why)) return Outcome::failed;
        earlier_run_removed = true;
    }
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
    if (steps_written == 0) remove_made_folders(made_folders);
}

}  // namespace

const Output pictures_output{"pictures", wanted, always, start, step, nullptr, finish, discard};
