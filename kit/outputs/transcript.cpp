// --explain: every step's words and state on standard output as the show runs, the legend first.
// With --record, the same transcript is DIR/steps.txt, and DIR/steps.json holds it as data
// (DIR/steps.js too, for the step page to read from file:// without a fetch). The files are
// rewritten after each step, so that they always hold exactly the steps shown so far.
#include "files.h"
#include "output.h"
#include "step_text.h"

#include <cstdio>
#include <vector>

namespace {

bool to_terminal = false;
std::string folder;  // empty: no files
std::string transcript;
std::vector<Narration> steps;

bool wanted(const Settings& settings) { return settings.explain || !settings.record_folder.empty(); }

bool start(const Settings& settings, const char*, std::string&) {
    to_terminal = settings.explain;
    folder = settings.record_folder;
    transcript.clear();
    steps.clear();
    return true;
}

bool write_file(const std::string& name, const std::string& text, std::string& why) {
    const std::string path = folder + "/" + name;
    if (write_whole_file(path, text, why)) return true;
    why = "cannot write " + printable(path) + ": " + why;
    return false;
}

Outcome step(const Step& step, std::string& why) {
    std::string block = step_text(step);
    if (step.number == 1) block = legend_text(*step.show) + block;
    if (to_terminal) {
        std::fputs(block.c_str(), stdout);
        std::fflush(stdout);
    }
    if (folder.empty()) return Outcome::go_on;
    transcript += block;
    steps.push_back(*step.narration);
    const std::string json = steps_json(*step.show, steps);
    if (!write_file("steps.txt", transcript, why) || !write_file("steps.json", json, why) ||
        !write_file("steps.js", "window.graphstepsSteps = " + json + ";\n", why))
        return Outcome::failed;
    return Outcome::go_on;
}

bool finish(std::string&) { return true; }
void discard() {}

}  // namespace

const Output transcript_output{"transcript", wanted, false, start, step, nullptr, finish, discard};
