#include "recording.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>
#include <sys/stat.h>
#include <sys/wait.h>

int Picture::count(Rgb colour) const {
    int n = 0;
    for (const Rgb& p : pixels) n += p == colour;
    return n;
}

int Picture::count_around(int x, int y, int half, Rgb colour) const {
    int n = 0;
    for (int dy = -half; dy <= half; ++dy)
        for (int dx = -half; dx <= half; ++dx) n += at(x + dx, y + dy) == colour;
    return n;
}

Picture read_png(const std::string& path) {
    Picture picture;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        ADD_FAILURE() << "cannot read " << path << ": " << image.message;
        return picture;
    }
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> bytes(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) {
        ADD_FAILURE() << "cannot decode " << path << ": " << image.message;
        return picture;
    }
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.pixels.resize(bytes.size() / 3);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i)
        picture.pixels[i] = {bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]};
    return picture;
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

ProgramRun chromium_dom(const std::string& folder, const std::string& address, const std::string& extra_flags) {
    // A fresh profile, and nothing that reaches out to the network.
    return run_in(folder, "timeout 120 /usr/bin/chromium --headless --no-sandbox --disable-gpu --no-first-run"
                          " --disable-background-networking --disable-component-update --disable-sync"
                          " --user-data-dir='" + folder + "/profile' --allow-file-access-from-files " + extra_flags +
                          " --dump-dom '" + address + "'");
}

namespace {
bool exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}
}  // namespace

namespace {
// Every temporary folder this test program made. They go when it ends with every test passed; a
// failed test's are kept, to look at.
std::vector<std::string> temporary_folders;

void remove_temporary_folders() {
    if (!::testing::UnitTest::GetInstance()->Passed()) return;
    std::error_code ignored;
    for (const std::string& folder : temporary_folders) std::filesystem::remove_all(folder, ignored);
}
}  // namespace

std::string make_temp_folder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/graphsteps-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot make a temporary folder";
    if (temporary_folders.empty()) std::atexit(remove_temporary_folders);
    temporary_folders.push_back(pattern);
    return pattern;
}

ProgramRun run_in(const std::string& directory, const std::string& command) {
    const std::string out = make_temp_folder();
    const std::string full = "cd '" + directory + "' && " + command + " >'" + out + "/stdout' 2>'" + out + "/stderr' </dev/null";
    const int status = std::system(full.c_str());
    ProgramRun run;
    run.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = slurp(out + "/stdout");
    run.err = slurp(out + "/stderr");
    std::filesystem::remove_all(out);
    return run;
}

std::string program_path(const std::string& name) { return std::string(PROGRAM_DIR) + "/" + name; }

Recording record(const std::string& program, const std::string& extra_arguments) {
    const std::string folder = make_temp_folder();
    Recording recording;
    recording.run = run_in(folder, "'" + program_path(program) + "' --record pictures " + extra_arguments);
    for (int step = 1;; ++step) {
        char name[32];
        std::snprintf(name, sizeof name, "/pictures/step-%03d.png", step);
        if (!exists(folder + name)) break;
        recording.steps.push_back(read_png(folder + name));
    }
    recording.transcript = slurp(folder + "/pictures/steps.txt");
    recording.data = slurp(folder + "/pictures/steps.json");
    recording.page = slurp(folder + "/pictures/index.html");
    std::filesystem::remove_all(folder);  // every picture is in memory now
    return recording;
}

std::vector<RecordedQuestion> recorded_questions(const Recording& recording) {
    std::vector<RecordedQuestion> questions;
    std::istringstream lines(recording.transcript);
    // "Question before step 4 of 9: ..." or, one of several, "Question 2 of 3 before step 4 of 9: ...".
    const std::string opening = "Question ", before = "before step ", answer_opening = "  Answer: ";
    for (std::string line; std::getline(lines, line);) {
        if (line.compare(0, opening.size(), opening) != 0) continue;
        const std::size_t step_at = line.find(before);
        if (step_at == std::string::npos || step_at > line.find(": ")) continue;
        RecordedQuestion question;
        question.step = std::atoi(line.c_str() + step_at + before.size());
        const std::size_t text_start = line.find(": ") + 2, hint_start = line.rfind(" (");
        question.text = line.substr(text_start, hint_start - text_start);
        std::string answer_line;
        std::getline(lines, answer_line);
        if (answer_line.compare(0, 2, "  ") == 0 && answer_line.compare(0, answer_opening.size(), answer_opening) != 0)
            std::getline(lines, answer_line);  // a table's columns come before its answer
        EXPECT_EQ(answer_line.compare(0, answer_opening.size(), answer_opening), 0) << line;
        const std::string rest = answer_line.substr(std::min(answer_line.size(), answer_opening.size()));
        const std::size_t stop = rest.find(". ");
        question.answer = rest.substr(0, stop);
        if (stop != std::string::npos) question.reason = rest.substr(stop + 2);
        questions.push_back(question);
    }
    return questions;
}

std::vector<ListedProgram> listed_programs() {
    std::vector<ListedProgram> programs;
    std::ifstream list(SOURCE_DIR "/programs.list");
    EXPECT_TRUE(list.good()) << "cannot read " SOURCE_DIR "/programs.list";
    for (std::string line; std::getline(list, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        ListedProgram program;
        std::string seeds;
        fields >> program.name >> seeds >> program.steps;
        if (program.name.empty()) continue;  // a line of spaces
        std::istringstream each(seeds);
        for (std::string seed; std::getline(each, seed, ',');)
            if (seed != "-") program.seeds.push_back(seed);
        programs.push_back(program);
    }
    return programs;
}

const std::string without_system_font = "XDG_DATA_DIRS=/nonexistent/graphsteps-no-fonts ";

std::string lone_copy_of(const std::string& program, const std::string& folder) {
    const ProgramRun copy = run_in(folder, "mkdir -p bin work && cp '" + program_path(program) + "' bin/");
    EXPECT_EQ(copy.exit_status, 0) << copy.err;
    return folder + "/bin/" + program;
}
