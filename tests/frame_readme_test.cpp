// The README's table of programs against the one list of them and the golden steps: the same
// programs in the same order, each with its picture and its real number of steps.
#include "recording.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

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

TEST(Readme, TableListsEveryProgramOfTheListInOrderWithItsSteps) {
    std::vector<std::string> listed;
    std::map<std::string, std::string> first_run;  // program -> its golden run name
    std::map<std::string, int> listed_steps;
    for (const ListedProgram& program : listed_programs()) {
        listed.push_back(program.name);
        listed_steps[program.name] = program.steps;
        first_run[program.name] = program.seeds.empty() ? program.name : program.name + "-" + program.seeds[0];
    }
    ASSERT_FALSE(listed.empty());

    std::map<std::string, int> golden_steps;
    std::ifstream golden(SOURCE_DIR "/tests/golden/digests.txt");
    for (std::string line; std::getline(golden, line);) {
        if (line.empty() || line[0] == '#') continue;
        ++golden_steps[line.substr(0, line.find(' '))];
    }

    std::vector<std::string> tabled;
    std::ifstream readme(SOURCE_DIR "/README.md");
    for (std::string line; std::getline(readme, line);) {
        if (line.rfind("| ![", 0) != 0) continue;
        const std::vector<std::string> row = cells(line);
        ASSERT_GE(row.size(), 5u) << line;
        const std::string name = row[1].substr(1, row[1].size() - 2);  // `name`
        tabled.push_back(name);
        EXPECT_EQ(row[0], "![" + name + "](docs/" + name + ".png)");
        EXPECT_TRUE(std::filesystem::exists(SOURCE_DIR "/docs/" + name + ".png")) << name;
        EXPECT_EQ(row[3], std::to_string(golden_steps[first_run[name]])) << name << ": steps in the README";
        EXPECT_EQ(row[3], std::to_string(listed_steps[name])) << name << ": steps in programs.list";
    }
    EXPECT_EQ(tabled, listed);
}

}  // namespace
