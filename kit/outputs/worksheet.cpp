// --worksheet DIR: the show's questions on paper. DIR/worksheet.html has, on its first pages, the
// picture on screen when each question is put (the step before it, or the frame of an animated
// stage it is asked on) with room to answer, and on pages of its own the answer key with each step
// that answers one; DIR/worksheet-a4.pdf and DIR/worksheet-letter.pdf are the same sheet drawn by
// the program itself (worksheet_pdf.cpp), and DIR/answers.html with DIR/answers-a4.pdf and
// DIR/answers-letter.pdf the answers alone. Each picture is cropped to what the step drew, into
// a file of its own (step-NNN-cropped.png), never the recording's step-NNN.png beside it. The questions are the ones
// --predict asks, whether or not it is given. The files of an earlier worksheet (or recording) in
// DIR are removed before this run writes its first file, a file there that the suite did not write
// stops the run at its start (see suite_files.h), and every file appears whole or not at all.
#include "files.h"
#include "output.h"
#include "png_file.h"
#include "suite_files.h"
#include "worksheet_page.h"
#include "worksheet_pdf.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include <unistd.h>

namespace {

std::string folder;
std::vector<std::string> made_folders;  // by this run, outermost first
std::vector<std::string> pictures;      // written by this run
bool earlier_run_removed = false;
Worksheet sheet;
std::string command;
// The picture last handed on, which is on screen when the next question is put.
Picture last_picture;
std::string last_picture_name;
int last_question_step = 0;  // the step the question put last is answered by; 0: none yet
const ShowState* show = nullptr;  // the show's name, seed and legend, as the steps say them

// A name the shell reads back as it is: quoted when it holds anything but the plain characters.
std::string shell_word(const std::string& word) {
    bool plain = !word.empty();
    for (const char c : word)
        plain &= (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                 std::strchr("_./-+=:,@%", c) != nullptr;
    if (plain) return word;
    std::string quoted = "'";
    for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Before this run's first file: the earlier run's files go, so that the folder never mixes two
// runs: a sheet of another seed beside PDFs of this one would give the wrong key.
bool ready_folder(std::string& why) {
    if (!earlier_run_removed) earlier_run_removed = remove_earlier_run(folder, why);
    return earlier_run_removed;
}

// The cropped picture, kept for the PDFs as well.
bool write_picture(const std::string& name, const Picture& picture, std::string& why) {
    const std::string path = folder + "/" + name;
    if (!ready_folder(why)) return false;
    CroppedPicture& kept = sheet.pictures[name] = cropped(picture);
    if (!write_png(path, kept, why)) {
        why = "cannot write the worksheet's picture " + printable(path) + ": " + why;
        return false;
    }
    pictures.push_back(path);
    return true;
}

std::string picture_name(int step) {
    char name[32];
    std::snprintf(name, sizeof name, "step-%03d-cropped.png", step);
    return name;
}

// The questions of `step` are put now, with the last picture on screen. Questions right after
// others are asked from that one's picture: the picture in between answers them.
bool put(int step, const std::vector<Question>& questions, std::string& why) {
    if (step == last_question_step) return true;
    if (sheet.runs.empty() || last_question_step != step - 1) {
        sheet.runs.emplace_back();
        if (!last_picture_name.empty()) {
            if (!write_picture(last_picture_name, last_picture, why)) return false;
            sheet.runs.back().picture = last_picture_name;
        }
    }
    for (const Question& question : questions) {
        SheetQuestion asked;
        asked.step = step;
        asked.question = question;
        sheet.runs.back().questions.push_back(asked);
    }
    last_question_step = step;
    return true;
}

bool wanted(const Settings& settings) { return !settings.worksheet_folder.empty(); }

bool start(const Settings& settings, const char* program, std::string& why) {
    folder = settings.worksheet_folder;
    made_folders.clear();
    pictures.clear();
    sheet = Worksheet{};
    last_picture_name.clear();
    last_question_step = 0;
    show = nullptr;
    command = std::string(program) + " --worksheet " + shell_word(folder);
    if (settings.seed_given) command += " --seed " + std::to_string(settings.seed);
    if (!settings.graph_path.empty()) command += " --graph " + shell_word(settings.graph_path);
    if (settings.safe_palette) command += " --palette safe";
    earlier_run_removed = false;
    if (!make_folders(folder, made_folders, why)) {
        why = "cannot make the worksheet folder " + why;
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
    show = step.show;
    for (const StateItem& item : step.narration->state) {
        if (item.kind == StateItem::Kind::matrix) sheet.matrix_size = std::max(sheet.matrix_size, item.size);
        if (item.kind != StateItem::Kind::lists) continue;
        const bool known = std::any_of(sheet.lists.begin(), sheet.lists.end(),
                                       [&](const StateItem& kept) { return kept.title == item.title; });
        if (!known) sheet.lists.push_back(item);
    }
    const std::vector<Question>& questions = step.narration->questions;
    if (!questions.empty()) {
        if (!put(step.number, questions, why)) return Outcome::failed;
        if (!write_picture(picture_name(step.number), *step.picture, why)) return Outcome::failed;
        // The answers may come only now, after an animated stage.
        std::vector<SheetQuestion>& asked = sheet.runs.back().questions;
        const std::size_t first = asked.size() - questions.size();
        for (std::size_t k = 0; k < questions.size(); ++k) {
            asked[first + k].question = questions[k];
            asked[first + k].lines = step.narration->lines;
            asked[first + k].answer_picture = picture_name(step.number);
        }
    }
    last_picture = *step.picture;
    last_picture_name = picture_name(step.number);
    return Outcome::go_on;
}

bool frame(const Frame& frame, std::string& why) {
    if (frame.questions != nullptr && !put(frame.step, *frame.questions, why)) return false;
    char name[40];
    std::snprintf(name, sizeof name, "step-%03d-frame-%04d-cropped.png", frame.step, frame.number);
    last_picture = *frame.picture;
    last_picture_name = name;
    return true;
}

// One page to a file, whole or not at all.
bool write_page(const std::string& name, const std::string& html, std::string& why) {
    const std::string path = folder + "/" + name;
    if (!ready_folder(why)) return false;
    if (write_whole_file(path, html, why)) return true;
    why = "cannot write " + printable(path) + ": " + why;
    return false;
}

// The command that makes the sheet again names the seed in use, as the steps tell it: a random
// graph drawn from the time needs it as much as one given with --seed, or the sheet made again is
// of another graph. It stands after the folder, where --seed N puts it.
std::string remaking_command() {
    if (!show->seed_in_use) return command;
    const std::size_t after_folder = (std::string(show->program) + " --worksheet " + shell_word(folder)).size();
    const std::string seed = " --seed " + std::to_string(show->seed);
    if (command.compare(after_folder, seed.size(), seed) == 0) return command;  // given so
    return command.substr(0, after_folder) + seed + command.substr(after_folder);
}

bool finish(std::string& why) {
    if (show == nullptr) {
        why = "the show ended before its first step, so there is no worksheet";
        remove_made_folders(made_folders);
        return false;
    }
    sheet.program = show->program;
    sheet.seed_in_use = show->seed_in_use;
    sheet.seed = show->seed;
    sheet.step_count = show->step_count;
    if (show->legend != nullptr) sheet.legend = *show->legend;
    if (show->algorithm != nullptr) sheet.algorithm = *show->algorithm;
    if (show->places != nullptr) sheet.places = *show->places;
    sheet.command = remaking_command();
    const WorksheetPage page = worksheet_page(sheet, Paper::any);
    if (!write_page("worksheet.html", page.html, why) || !write_page("answers.html", answers_page(sheet, Paper::any), why))
        return false;

    PdfPages pdf;
    if (!ready_folder(why) || !write_worksheet_pdfs(folder + "/worksheet", sheet, pdf, why) ||
        !write_answers_pdfs(folder + "/answers", sheet, why))
        return false;
    const std::string html_path = printable(folder + "/worksheet.html");
    // The sheet is whole whether or not the line goes out; a line lost is said by end_show.
    say_on_standard_output("Worksheet written: " + html_path + " (" + std::to_string(pdf.sheet_pages) + " page" +
                           (pdf.sheet_pages == 1 ? "" : "s") + " of questions, " + std::to_string(pdf.key_pages) +
                           " of answers) and its PDFs, A4 and US Letter\n");
    return true;
}

void discard() {
    for (const std::string& path : pictures) unlink(path.c_str());
    pictures.clear();
    remove_made_folders(made_folders);
}

}  // namespace

const Output worksheet_output{"worksheet", wanted, always, start, step, frame, finish, discard};
