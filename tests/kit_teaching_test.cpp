// What a program says about its algorithm as a whole (how it works, its numbered lines) and the
// lines each step carried out, with the neighbour lists that stand in every step: as a recorded
// show writes them into its transcript and its data, and as the worksheet prints them.
#include "window_show.h"
#include "worksheet_page.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::string slurp(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

int count_of(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

class TeachingShow : public WindowShow {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/graphsteps-teaching-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override {
        WindowShow::TearDown();
        fs::remove_all(folder);
    }
    std::string folder;
};

// Lists said at step 1 stand in steps 1 and 2 and are replaced from step 3 on; step 2 names its
// lines out of order and one twice, and they come out once each, in order, with their text.
TEST_F(TeachingShow, AlgorithmComesBeforeStepOneAndEachStepShowsItsLinesAndTheStandingLists) {
    start({"teaching", "a fixed graph", false}, {"--record", folder + "/show"});
    how_it_works("The search goes deep first.");
    how_it_works("It ends when the stack is empty.");
    algorithm_lines({"search(v):", "  discover v", "  for each w in v's list:", "    if w is undiscovered: search(w)"});
    constexpr int degree[3] = {2, 1, 1};
    constexpr int rows[3][2] = {{1, 2}, {0, 0}, {0, 0}};
    constexpr int other_rows[3][2] = {{2, 1}, {0, 0}, {0, 0}};
    explain_lists_from_now_on("Neighbour lists", 3, degree, rows[0], 2);
    explain("The graph.");
    explain_line(1);
    wait_step();
    explain("Vertex 0 is discovered.");
    explain_line(4);
    explain_line(2);
    explain_line(4);
    wait_step();
    explain_lists_from_now_on("Neighbour lists", 3, degree, other_rows[0], 2);
    explain("The lists changed.");
    explain_line(3);
    wait_step();

    const std::string text = slurp(folder + "/show/steps.txt");
    const std::size_t step_one = text.find("Step 1 of ");
    ASSERT_NE(step_one, std::string::npos) << text;
    EXPECT_LT(text.find("How it works: The search goes deep first. It ends when the stack is empty.\n"), step_one);
    EXPECT_LT(text.find("   1  search(v):\n   2    discover v\n   3    for each w in v's list:\n"), step_one);
    EXPECT_NE(text.find("Lines carried out:\n     2    discover v\n     4      if w is undiscovered: search(w)\n"),
              std::string::npos) << text;
    EXPECT_EQ(count_of(text, "    0:  1, 2\n"), 2) << text;
    EXPECT_EQ(count_of(text, "    0:  2, 1\n"), 1) << text;
    EXPECT_EQ(count_of(text, "Neighbour lists:\n"), 3) << text;

    const std::string json = slurp(folder + "/show/steps.json");
    EXPECT_NE(json.find("\"how\":\"The search goes deep first. It ends when the stack is empty.\",\"algorithm\":"
                        "[\"search(v):\",\"  discover v\","), std::string::npos) << json;
    EXPECT_NE(json.find("\"sentence\":\"Vertex 0 is discovered.\",\"lines\":[2,4],\"state\":[{\"kind\":\"lists\","
                        "\"title\":\"Neighbour lists\",\"rows\":[[1,2],[0],[0]]}]"), std::string::npos) << json;
    EXPECT_NE(json.find("\"rows\":[[2,1],[0],[0]]"), std::string::npos) << json;
}

// The sheet gives how the algorithm works and every list before the first question; the key gives
// the algorithm's lines, then each answer's lines by their numbers.
TEST(TeachingWorksheet, AlgorithmAndListsComeBeforeTheQuestionsAndTheKeyNamesTheLinesOfEachAnswer) {
    Worksheet sheet;
    sheet.program = "test";
    sheet.step_count = 3;
    sheet.command = "test --worksheet sheet";
    sheet.algorithm = Algorithm{"The search goes deep first.", {"search(v):", "  discover v", "  for each w in v's list:"}};
    StateItem lists{StateItem::Kind::lists, "Neighbour lists", "", "", {}, {}, 0, 0, {{1, 2}, {0}, {0, 1}}};
    sheet.lists = {lists};
    sheet.runs.emplace_back();
    sheet.runs.back().picture = "step-001.png";
    SheetQuestion asked;
    asked.step = 2;
    asked.question = Question{AnswerKind::vertex, "Which vertex comes next?", true, {1}, "1 is first in 0's list.", "", {}};
    asked.lines = {2, 3};
    sheet.runs.back().questions.push_back(asked);

    const std::string html = worksheet_page(sheet, Paper::a4).html;
    const std::size_t first_question = html.find("Which vertex comes next?</p><div class=\"room\">");
    ASSERT_NE(first_question, std::string::npos) << html;
    EXPECT_LT(html.find("<b>How it works.</b> The search goes deep first."), first_question);
    EXPECT_LT(html.find("<li>2: 0, 1</li>"), first_question) << html;
    const std::size_t key = html.find("<h2>Answer key</h2>");
    EXPECT_GT(html.find("<li style=\"padding-left: 5.0mm\">discover v</li>"), key) << html;
    EXPECT_GT(html.find("<li value=\"2\">discover v</li><li value=\"3\">for each w in v&#39;s list:</li>"), key) << html;
}

}  // namespace
