// --explain: every step's words and state on standard output as the show runs, the legend first.
// With --record, the same transcript is DIR/steps.txt, and DIR/steps.json holds it as data
// (DIR/steps.js too, for the step page to read from file:// without a fetch); with --predict, each
// step's question and answer come before it. The files are
// rewritten after each step, so that they always hold exactly the steps shown so far. steps.txt
// opens with a line of its own that marks it as the suite's (suite_files.h).
#include "files.h"
#include "output.h"
#include "step_text.h"
#include "suite_files.h"

#include <cstdio>
#include <vector>

namespace {

bool to_terminal = false;
bool with_questions = false;  // --predict: each step's question before it
// In a window the answer must not be on the terminal before the student gives it: the window
// prints the question there itself.
bool questions_to_terminal = false;
std::string folder;  // empty: no files
std::string transcript;
std::vector<Narration> steps;

bool wanted(const Settings& settings) { return settings.explain || !settings.record_folder.empty(); }

bool start(const Settings& settings, const char*, std::string&) {
    to_terminal = settings.explain;
    with_questions = settings.predict;
    questions_to_terminal = settings.predict && settings.unattended();
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
    const std::string legend = step.number == 1 ? legend_text(*step.show) : "";
    const std::string question = with_questions ? question_text(step) : "";
    const std::string block = step_text(step);
    if (to_terminal) {
        std::fputs((legend + (questions_to_terminal ? question : "") + block).c_str(), stdout);
        std::fflush(stdout);
    }
    if (folder.empty()) return Outcome::go_on;
    transcript += legend + question + block;
    steps.push_back(*step.narration);
    const std::string json = steps_json(*step.show, steps, with_questions);
    if (!write_file("steps.txt", transcript_mark + transcript, why) || !write_file("steps.json", json, why) ||
        !write_file("steps.js", "window.graphstepsSteps = " + json + ";\n", why))
        return Outcome::failed;
    return Outcome::go_on;
}

bool finish(std::string&) { return true; }
void discard() {}

}  // namespace

const Output transcript_output{"transcript", wanted, never, start, step, nullptr, finish, discard};
