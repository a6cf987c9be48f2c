// The rules that both the C++ and the browser's scripts hold, each run over one file of cases in
// tests/shared_rules/ through both: the C++ here, the scripts as they ship through node
// (tests/shared_rules/check.js). A fault in either copy fails its case.
#include "questions.h"
#include "settings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string rules = SOURCE_DIR "/tests/shared_rules/";

// The cases of a file: its lines but the comments and blank ones.
std::vector<std::string> cases_of(const std::string& file) {
    std::ifstream in(rules + file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    EXPECT_FALSE(lines.empty()) << "no cases in " << rules + file;
    return lines;
}

std::vector<std::string> split(const std::string& line, char separator) {
    std::vector<std::string> parts(1);
    for (const char c : line) {
        if (c == separator) parts.emplace_back();
        else parts.back() += c;
    }
    return parts;
}

// check.js on one rule's cases; skipped where there is no node.
void expect_scripts_agree(const std::string& arguments) {
    if (std::system("command -v node >/dev/null 2>&1") != 0) GTEST_SKIP() << "node is not installed";
    const std::string command = "cd " SOURCE_DIR " && timeout 60 node tests/shared_rules/check.js " + arguments + " 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string said;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) said += buffer;
    EXPECT_EQ(pclose(pipe), 0) << said;
}

constexpr struct {
    const char* name;  // as steps.json and the step page name it
    AnswerKind kind;
} answer_kinds[] = {{"vertex", AnswerKind::vertex},       {"vertex_or_back", AnswerKind::vertex_or_back},
                    {"vertices", AnswerKind::vertices},   {"number", AnswerKind::number},
                    {"yes_no", AnswerKind::yes_no},       {"edge_kind", AnswerKind::edge_kind}};

TEST(SharedRules, ATypedAnswerIsReadAlikeByTheWindowAndTheStepPage) {
    for (const std::string& line : cases_of("answers.txt")) {
        const std::vector<std::string> fields = split(line, '|');
        ASSERT_EQ(fields.size(), 3u) << line;
        Question question{AnswerKind::number, "Which?", true, {}, "Because.", "cell", {}};
        bool known = false;
        for (const auto& kind : answer_kinds)
            if (fields[0] == kind.name) question.kind = kind.kind, known = true;
        if (fields[0].compare(0, 6, "table/") == 0) {  // a row of N columns to fill
            question.kind = AnswerKind::table, known = true;
            question.columns.assign(std::size_t(std::stoi(fields[0].substr(6))), "column");
        }
        ASSERT_TRUE(known) << line;
        if (fields[2] == "unreadable") {
            EXPECT_EQ(judge(question, fields[1]).reading, Verdict::Reading::unreadable) << line;
            continue;
        }
        // Right against exactly the values of the case, and only against them.
        std::istringstream values(fields[2]);
        for (int value; values >> value;) question.answer.push_back(value);
        EXPECT_EQ(judge(question, fields[1]).reading, Verdict::Reading::right) << line;
        question.answer.back() += 1000;
        EXPECT_EQ(judge(question, fields[1]).reading, Verdict::Reading::not_quite) << line;
    }
    expect_scripts_agree("answers tests/shared_rules/answers.txt kit/outputs/pages/step_page.js");
}

TEST(SharedRules, TheSeedAndFrameRatesThePagePassesOnAreThoseTheProgramsTake) {
    const ProgramInfo program{"components", "Shows.", true, true};
    for (const std::string& line : cases_of("options.txt")) {
        const std::vector<std::string> fields = split(line, ' ');
        ASSERT_EQ(fields.size(), 3u) << line;
        const char* argv[] = {"components", fields[0].c_str(), fields[1].c_str()};
        Settings settings;
        std::string complaint;
        const Parsed parsed = parse_arguments(3, argv, program, settings, complaint);
        EXPECT_EQ(parsed == Parsed::run ? "taken" : "refused", fields[2]) << line << ": " << complaint;
    }
    expect_scripts_agree("options tests/shared_rules/options.txt web/page.js");
}

// The program reads a key's kind back by its place in KeyPress::Kind, which the script reads from
// the header itself.
TEST(SharedRules, TheKeysThePageQueuesAreTheKindsTheProgramReadsBack) {
    expect_scripts_agree("keys tests/shared_rules/keys.txt web/page.js kit/platform/platform.h");
}

}  // namespace
