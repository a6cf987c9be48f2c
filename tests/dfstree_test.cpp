// dfstree: each --predict answer against the disc that turns red in the step it comes before. The
// pictures themselves, and that --predict leaves them as they are, are the golden test's.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "recording.h"

namespace {

constexpr int vx[8] = {200, 100, 400, 300, 100, 400, 240, 200};
constexpr int vy[8] = {40, 200, 40, 400, 400, 200, 300, 200};

// With --predict the "after vertex v" question comes before a step that discovers a vertex: its
// answer turns red there and was black before, and the reason says where the search went back to.
// The yes/no pair on bands is what the last picture shows: a band is thick three pixels off the
// edge's middle, a thin edge is not. Each pair holds one yes and one no.
TEST(Dfstree, PredictedVertexTurnsRedAndPredictedBandsAreThickInTheEnd) {
    const Recording predicting = record("dfstree", "--predict");
    ASSERT_EQ(predicting.steps.size(), 10u) << predicting.run.err;
    const Picture& last = predicting.steps.back();
    int after = 0, yes = 0, no = 0;
    for (const RecordedQuestion& question : recorded_questions(predicting)) {
        int a = -1, b = -1;
        if (std::sscanf(question.text.c_str(), "Will edge %d-%d become a band of the tree?", &a, &b) == 2) {
            const double dx = vx[b] - vx[a], dy = vy[b] - vy[a], length = std::sqrt(dx * dx + dy * dy);
            const int x = (vx[a] + vx[b]) / 2 + static_cast<int>(std::lround(-3 * dy / length));
            const int y = (vy[a] + vy[b]) / 2 + static_cast<int>(std::lround(3 * dx / length));
            EXPECT_EQ(question.answer, last.at(x, y) == black_rgb ? "yes" : "no") << question.text;
            (question.answer == "yes" ? yes : no) += 1;
            continue;
        }
        if (question.text.rfind("After vertex ", 0) != 0) continue;
        ++after;
        EXPECT_NE(question.text.find(", which vertex does the search enter next? ("), std::string::npos) << question.text;
        const int v = std::stoi(question.answer);
        EXPECT_EQ(predicting.steps[question.step - 2].at(vx[v], vy[v]), black_rgb) << "step " << question.step;
        EXPECT_EQ(predicting.steps[question.step - 1].at(vx[v], vy[v]), red_rgb) << "step " << question.step;
        // From 7 the search goes back past 4 and 1 to 0, which discovers 2.
        EXPECT_EQ(question.answer, "2");
        EXPECT_NE(question.reason.find("goes back to 0, whose list is 1, 2, 5, 7"), std::string::npos) << question.reason;
    }
    EXPECT_EQ(after, 1);
    EXPECT_EQ(yes, 1);
    EXPECT_EQ(no, 1);
}

}  // namespace
