// What users read against what the suite does: the README's and docs/programs.md's tables against
// the one list of the programs and the golden steps, every link of the documents against the files
// and headings it names, every option of every program's --help against docs/options.md, and every
// command the documents give against what ./demo and the programs take.
#include "recording.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> cells(const std::string& row) {
    std::vector<std::string> out;
    std::stringstream in(row);
    std::string cell;
    std::getline(in, cell, '|');  // before the first bar
    while (std::getline(in, cell, '|')) {
        const std::size_t first = cell.find_first_not_of(' '), last = cell.find_last_not_of(' ');
        out.push_back(first == std::string::npos ? "" : cell.substr(first, last - first + 1));
    }
    return out;
}

std::vector<std::string> lines_of(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    EXPECT_TRUE(in.good()) << "cannot read " << path;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// README.md, CONTRIBUTING.md and every docs/*.md.
std::vector<fs::path> documents() {
    std::vector<fs::path> found = {fs::path(SOURCE_DIR) / "README.md", fs::path(SOURCE_DIR) / "CONTRIBUTING.md"};
    for (const auto& entry : fs::directory_iterator(fs::path(SOURCE_DIR) / "docs"))
        if (entry.path().extension() == ".md") found.push_back(entry.path());
    return found;
}

struct Line {
    std::string text;
    bool code;  // a line of a code block: indented by four spaces or more after a blank line or code
};

std::vector<Line> marked_lines(const fs::path& document) {
    std::vector<Line> marked;
    bool code = false;
    for (const std::string& line : lines_of(document.string())) {
        const bool blank = line.find_first_not_of(' ') == std::string::npos;
        const bool indented = !blank && line.rfind("    ", 0) == 0;
        const bool after_break = marked.empty() || code || marked.back().text.find_first_not_of(' ') == std::string::npos;
        code = indented && after_break;
        marked.push_back({line, code});
    }
    return marked;
}

// A heading's anchor as the usual Markdown renderers make it: lower case, punctuation dropped,
// spaces as hyphens.
std::string anchor_of(const std::string& heading) {
    std::string anchor;
    for (const char c : heading) {
        if (std::isalnum(static_cast<unsigned char>(c))) anchor += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else if (c == ' ') anchor += '-';
        else if (c == '-' || c == '_') anchor += c;
    }
    return anchor;
}

std::set<std::string> anchors_of(const fs::path& document) {
    std::set<std::string> anchors;
    for (const std::string& line : lines_of(document.string())) {
        const std::size_t text = line.find_first_not_of('#');
        if (line.empty() || line[0] != '#' || text == std::string::npos || line[text] != ' ') continue;
        anchors.insert(anchor_of(line.substr(text + 1)));
    }
    return anchors;
}

// programs.list's description of each program: the rest of its line after name, seeds and steps.
std::map<std::string, std::string> listed_descriptions() {
    std::map<std::string, std::string> described;
    for (const std::string& line : lines_of(SOURCE_DIR "/programs.list")) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string name, seeds, steps, description;
        fields >> name >> seeds >> steps;
        std::getline(fields >> std::ws, description);
        if (!name.empty()) described[name] = description;
    }
    return described;
}

// The options a program's --help lists, as "--record", "--seed", ...
std::set<std::string> options_of(const std::string& program) {
    const ProgramRun help = run_in("/tmp", "'" + program_path(program) + "' --help");
    EXPECT_EQ(help.exit_status, 0) << program << " --help: " << help.err;
    std::set<std::string> options;
    static const std::regex option_line("^  (--[a-z0-9-]+)");
    std::istringstream lines(help.out);
    std::smatch match;
    for (std::string line; std::getline(lines, line);)
        if (std::regex_search(line, match, option_line)) options.insert(match[1]);
    EXPECT_FALSE(options.empty()) << program << " --help lists no option";
    return options;
}

// A table whose rows open with a picture: the programs of the list, in order, each with its
// picture, and its number of steps as in the list and the golden steps.
void expect_table_of_every_program(const std::string& document, const std::string& pictures, int steps_column,
                                   int description_column) {
    std::vector<std::string> listed;
    std::map<std::string, std::string> first_run;  // program -> its golden run name
    std::map<std::string, int> listed_steps;
    for (const ListedProgram& program : listed_programs()) {
        listed.push_back(program.name);
        listed_steps[program.name] = program.steps;
        first_run[program.name] = program.seeds.empty() ? program.name : program.name + "-" + program.seeds[0];
    }
    ASSERT_FALSE(listed.empty());
    const std::map<std::string, std::string> described = listed_descriptions();

    std::map<std::string, int> golden_steps;
    for (const std::string& line : lines_of(SOURCE_DIR "/tests/golden/digests.txt")) {
        if (line.empty() || line[0] == '#') continue;
        ++golden_steps[line.substr(0, line.find(' '))];
    }

    std::vector<std::string> tabled;
    for (const std::string& line : lines_of(std::string(SOURCE_DIR "/") + document)) {
        if (line.rfind("| ![", 0) != 0) continue;
        const std::vector<std::string> row = cells(line);
        ASSERT_GT(row.size(), std::size_t(std::max(steps_column, description_column))) << document << ": " << line;
        const std::string name = row[1].substr(1, row[1].size() - 2);  // `name`
        tabled.push_back(name);
        EXPECT_EQ(row[0], "![" + name + "](" + pictures + name + ".png)") << document;
        EXPECT_TRUE(fs::exists(SOURCE_DIR "/docs/" + name + ".png")) << name;
        EXPECT_EQ(row[steps_column], std::to_string(golden_steps[first_run[name]])) << name << ": steps in " << document;
        EXPECT_EQ(row[steps_column], std::to_string(listed_steps[name])) << name << ": steps in programs.list";
        if (description_column >= 0) {
            EXPECT_EQ(row[description_column], described.at(name)) << name << ": the description in " << document;
        }
    }
    EXPECT_EQ(tabled, listed) << document;
}

TEST(Readme, GalleryListsEveryProgramOfTheListInOrderWithItsDescriptionAndSteps) {
    expect_table_of_every_program("README.md", "docs/", 3, 2);
    expect_table_of_every_program("docs/programs.md", "", 3, -1);
}

TEST(Readme, EveryLinkAndPictureOfTheDocumentsLeadsToAFileAndItsHeading) {
    static const std::regex link("\\]\\(([^)\\s]+)\\)");
    int links = 0;
    for (const fs::path& document : documents()) {
        int number = 0;
        for (const Line& marked : marked_lines(document)) {
            ++number;
            if (marked.code) continue;
            const std::string& line = marked.text;
            for (std::sregex_iterator it(line.begin(), line.end(), link), end; it != end; ++it) {
                const std::string target = (*it)[1];
                if (target.find("://") != std::string::npos || target.rfind("mailto:", 0) == 0) continue;
                ++links;
                const std::size_t hash = target.find('#');
                const std::string file = target.substr(0, hash);
                const fs::path named = file.empty() ? document : document.parent_path() / file;
                const std::string where = document.filename().string() + ":" + std::to_string(number) + ": " + target;
                if (!fs::exists(named)) {
                    ADD_FAILURE() << where << ": no such file";
                    continue;
                }
                if (hash != std::string::npos && named.extension() == ".md") {
                    EXPECT_EQ(anchors_of(named).count(target.substr(hash + 1)), 1u) << where << ": no such heading";
                }
            }
        }
    }
    EXPECT_GT(links, 20) << "the documents' links were not found";
}

TEST(Readme, EveryOptionOfEveryProgramIsExplainedInTheOptionsPage) {
    const std::string page = slurp(SOURCE_DIR "/docs/options.md");
    ASSERT_FALSE(page.empty());
    for (const ListedProgram& program : listed_programs())
        for (const std::string& option : options_of(program.name))
            EXPECT_NE(page.find("`" + option), std::string::npos) << program.name << " " << option << " is not in docs/options.md";
}

// Every command the documents give to ./demo or to a program, in a code block or a code span, asks
// only for what `./demo --help` and the program's --help offer; and the README gives the two
// commands the suite is run with, ./demo PROGRAM and ./run-tests (which CI runs as it stands).
TEST(Readme, EveryCommandOfTheDocumentsTakesOnlyWhatItsProgramOffers) {
    const std::string temporary = make_temp_folder();
    // ./demo writes its log under GRAPHSTEPS_BUILD_DIR: a folder of the test's own.
    const ProgramRun demo_help = run_in(temporary, "GRAPHSTEPS_BUILD_DIR='" + temporary + "' '" SOURCE_DIR "/demo' --help");
    fs::remove_all(temporary);
    ASSERT_EQ(demo_help.exit_status, 0) << demo_help.err;
    std::set<std::string> demo_modes;
    static const std::regex mode("\\./demo (--[a-z-]+)");
    for (std::sregex_iterator it(demo_help.out.begin(), demo_help.out.end(), mode), end; it != end; ++it)
        demo_modes.insert((*it)[1]);
    ASSERT_TRUE(demo_modes.count("--web")) << demo_help.out;
    demo_modes.insert({"--help", "--version"});  // what every command takes

    std::map<std::string, std::set<std::string>> options;
    for (const ListedProgram& program : listed_programs()) {
        options[program.name] = options_of(program.name);
        // PROGRAM, as the documents write any of them: an option that one of them takes.
        options["PROGRAM"].insert(options[program.name].begin(), options[program.name].end());
    }

    std::set<std::string> readme_commands;
    int commands = 0;
    static const std::regex span("`([^`]+)`");
    for (const fs::path& document : documents()) {
        for (const Line& marked : marked_lines(document)) {
            const std::string& line = marked.text;
            std::vector<std::string> texts;
            if (marked.code) {
                texts.push_back(line.substr(0, line.find(" #")));
            } else {
                for (std::sregex_iterator it(line.begin(), line.end(), span), end; it != end; ++it) texts.push_back((*it)[1]);
            }
            for (const std::string& text : texts) {
                std::istringstream in(text);
                std::vector<std::string> words;
                for (std::string word; in >> word;) words.push_back(word);
                if (words.empty()) continue;
                std::size_t next = 0;
                if (words[0] == "./demo" || words[0] == "./run-tests") {
                    if (document.filename() == "README.md" && marked.code) readme_commands.insert(words[0]);
                    if (words[0] == "./run-tests") continue;
                    next = 1;
                    if (next < words.size() && words[next].rfind("--", 0) == 0) {
                        EXPECT_TRUE(demo_modes.count(words[next])) << document.filename().string() << ": " << text << ": ./demo --help offers no "
                                                                  << words[next];
                        if (words[next] != "--plain" && words[next] != "--worksheets") {
                            ++commands;
                            continue;
                        }
                        ++next;
                    }
                    if (next >= words.size()) continue;
                    EXPECT_TRUE(options.count(words[next])) << document.filename().string() << ": " << text << ": no program " << words[next];
                }
                if (!options.count(words[next])) continue;  // not a command of a program
                ++commands;
                for (std::size_t i = next + 1; i < words.size(); ++i) {
                    if (words[i].rfind("--", 0) != 0) continue;
                    EXPECT_TRUE(options[words[next]].count(words[i]))
                        << document.filename().string() << ": " << text << ": " << words[next] << " takes no " << words[i];
                }
            }
        }
    }
    EXPECT_GT(commands, 10) << "the documents' commands were not found";
    EXPECT_EQ(readme_commands, (std::set<std::string>{"./demo", "./run-tests"})) << "the README's two commands";
}

}  // namespace
