// dfstree: each --predict answer against the disc that turns red in the step it comes before. The
// pictures themselves, and that --predict leaves them as they are, are the golden test's.
#include <gtest/gtest.h>

#include "recording.h"

namespace {

constexpr int vx[8] = {200, 100, 400, 300, 100, 400, 240, 200};
constexpr int vy[8] = {40, 200, 40, 400, 400, 200, 300, 200};

// With --predict a question comes before each step that discovers a vertex but the first; each
// answer is what the step it comes before shows: the vertex named turns red there and was black
// before.
TEST(Dfstree, PredictedVertexIsTheOneWhoseDiscTurnsRedInTheStepItComesBefore) {
    const Recording predicting = record("dfstree", "--predict");
    ASSERT_EQ(predicting.steps.size(), 10u) << predicting.run.err;
    const std::vector<RecordedQuestion> questions = recorded_questions(predicting);
    ASSERT_EQ(questions.size(), 7u);
    for (int i = 0; i < 7; ++i) {
        const RecordedQuestion& question = questions[i];
        EXPECT_EQ(question.step, i + 3);
        EXPECT_EQ(question.text.rfind("After vertex ", 0), 0u) << question.text;
        EXPECT_NE(question.text.find(", which vertex does the search enter next? ("), std::string::npos) << question.text;
        const int v = std::stoi(question.answer);
        EXPECT_EQ(predicting.steps[question.step - 2].at(vx[v], vy[v]), black_rgb) << "step " << question.step;
        EXPECT_EQ(predicting.steps[question.step - 1].at(vx[v], vy[v]), red_rgb) << "step " << question.step;
        const bool named = question.reason.find(" " + question.answer + " ") != std::string::npos ||
                           question.reason.find(" " + question.answer + ".") != std::string::npos;
        EXPECT_TRUE(named) << question.reason;
    }
    // From 6 the search goes back to 4, which discovers 7: the reason says where it went back to.
    EXPECT_EQ(questions[5].answer, "7");
    EXPECT_NE(questions[5].reason.find("goes back to 4, whose list is 1, 3, 6, 7"), std::string::npos)
        << questions[5].reason;
}

}  // namespace
