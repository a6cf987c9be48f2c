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
const ShowState* show = nullptr;  // as the last step said it

bool wanted(const Settings& settings) { return settings.explain || !settings.record_folder.empty(); }

bool start(const Settings& settings, const char*, std::string&) {
    to_terminal = settings.explain;
    with_questions = settings.predict;
    questions_to_terminal = settings.predict && settings.unattended();
    folder = settings.record_folder;
    transcript.clear();
    steps.clear();
    show = nullptr;
    return true;
}

bool write_file(const std::string& name, const std::string& text, std::string& why) {
    const std::string path = folder + "/" + name;
    if (write_whole_file(path, text, why)) return true;
    why = "cannot write " + printable(path) + ": " + why;
    return false;
}

// The three files with the steps so far. They say that they are unfinished until the show has
// ended well (`complete`): a program stopped half way (Ctrl+C, or a pipe closed on its --explain)
// leaves a recording that says so, in steps.json and steps.js and in steps.txt's last line.
bool write_files(bool complete, std::string& why) {
    std::string text = transcript_mark + transcript;
    if (!complete) {
        text += "(Unfinished: the program was stopped after step " + std::to_string(steps.size()) +
                (show->step_count > 0 ? " of " + std::to_string(show->step_count) : "") + ", or is still running.)\n";
    }
    const std::string json = steps_json(*show, steps, complete, with_questions);
    return write_file("steps.txt", text, why) && write_file("steps.json", json, why) &&
           write_file("steps.js", "window.graphstepsSteps = " + json + ";\n", why);
}

Outcome step(const Step& step, std::string& why) {
    show = step.show;
    const std::string legend = step.number == 1 ? legend_text(*step.show) : "";
    const std::string question = with_questions ? question_text(step) : "";
    const std::string block = step_text(step);
    // The files first: a standard output that fails ends the show with them as far as its pictures.
    if (!folder.empty()) {
        transcript += legend + question + block;
        steps.push_back(*step.narration);
        if (!write_files(false, why)) return Outcome::failed;
    }
    if (to_terminal && !write_standard_output(legend + (questions_to_terminal ? question : "") + block, why))
        return Outcome::failed;
    return Outcome::go_on;
}

bool finish(std::string& why) { return folder.empty() || show == nullptr || write_files(true, why); }
void discard() {}

}  // namespace

const Output transcript_output{"transcript", wanted, never, start, step, nullptr, finish, discard};
