// --predict: how a typed answer is read and judged, and a predicting show in a window on SDL's
// dummy driver, answered with pushed key presses: right, not quite, skipped, and a question put
// before an animated stage.
#include "questions.h"
#include "window_show.h"

namespace {

Question question_of(AnswerKind kind, std::vector<int> answer) {
    return Question{kind, "Which?", true, std::move(answer), "Because.", "", {}};
}

Verdict::Reading reading(const Question& question, const std::string& typed) {
    return judge(question, typed).reading;
}

constexpr Verdict::Reading right = Verdict::Reading::right;
constexpr Verdict::Reading not_quite = Verdict::Reading::not_quite;
constexpr Verdict::Reading unreadable = Verdict::Reading::unreadable;

TEST(Answers, AreReadLenientlyButAnythingElseIsAskedAgainNotCountedWrong) {
    const Question vertex = question_of(AnswerKind::vertex, {4});
    EXPECT_EQ(judge(vertex, " 4,").feedback, "right: Because.");
    EXPECT_EQ(judge(vertex, "5").feedback, "not quite: Because.");
    for (const char* typed : {"", "  ", "4 5", "b", "four", "-4", "99999999"})
        EXPECT_EQ(reading(vertex, typed), unreadable) << typed;

    const Question goes_back = question_of(AnswerKind::vertex_or_back, {answers::goes_back});
    EXPECT_EQ(reading(goes_back, "b"), right);
    EXPECT_EQ(reading(goes_back, "back"), right);
    EXPECT_EQ(reading(goes_back, "3"), not_quite);
    EXPECT_EQ(reading(question_of(AnswerKind::vertex_or_back, {3}), "b"), not_quite);

    // A set in any order, repeated or not, with spaces or commas; a part of it is not the set.
    const Question set = question_of(AnswerKind::vertices, {1, 3, 5});
    EXPECT_EQ(reading(set, "5 1,3"), right);
    EXPECT_EQ(reading(set, "1 3 5 5"), right);
    EXPECT_EQ(reading(set, "1 3"), not_quite);
    EXPECT_EQ(reading(set, "1 3 5 7"), not_quite);
    EXPECT_EQ(reading(set, "1 x"), unreadable);

    const Question yes = question_of(AnswerKind::yes_no, {answers::yes});
    EXPECT_EQ(reading(yes, "y"), right);
    EXPECT_EQ(reading(yes, "no"), not_quite);
    EXPECT_EQ(reading(yes, "maybe"), unreadable);

    const Question back_edge = question_of(AnswerKind::edge_kind, {answers::back_edge});
    EXPECT_EQ(reading(back_edge, "b"), right);
    EXPECT_EQ(reading(back_edge, "t"), not_quite);
    EXPECT_EQ(judge(back_edge, "x").feedback, answer_hint(back_edge));
}

// A table is judged cell by cell: the verdict names where the filled-in row first goes wrong.
TEST(Answers, ATableNamesItsFirstWrongCellAndSaysHowManyTheHintAsks) {
    Question parents = question_of(AnswerKind::table, {answers::none, 0, 0, 1});
    parents.row_title = "parent";
    parents.columns = {"vertex 0", "vertex 1", "vertex 2", "vertex 3"};
    EXPECT_EQ(reading(parents, "- 0 0 1"), right);
    EXPECT_EQ(judge(parents, "- 0 1 2").feedback, "not quite: vertex 2 is 0, not 1 (and 1 more cell differs after it). Because.");
    EXPECT_EQ(judge(parents, "0 0 0 1").feedback, "not quite: vertex 0 is -, not 0. Because.");
    EXPECT_EQ(judge(parents, "- 0 0").feedback,
              "type 4 entries separated by spaces, one for each of vertex 0 to vertex 3 in order, - for none");
    EXPECT_EQ(answer_text(parents), "-, 0, 0, 1");
    EXPECT_TRUE(may_type(AnswerKind::table, '-'));
    EXPECT_FALSE(may_type(AnswerKind::table, 'b'));
}

TEST(Answers, OnlyTheKeysAnAnswerOfItsKindTakesAreEchoed) {
    EXPECT_TRUE(may_type(AnswerKind::vertex, '7'));
    EXPECT_FALSE(may_type(AnswerKind::vertex, 'b'));
    EXPECT_FALSE(may_type(AnswerKind::number, ' '));
    EXPECT_TRUE(may_type(AnswerKind::vertex_or_back, 'b'));
    EXPECT_FALSE(may_type(AnswerKind::vertex_or_back, 't'));
    EXPECT_TRUE(may_type(AnswerKind::vertices, ','));
    EXPECT_TRUE(may_type(AnswerKind::yes_no, 'n'));
    EXPECT_FALSE(may_type(AnswerKind::yes_no, '1'));
    EXPECT_TRUE(may_type(AnswerKind::edge_kind, 't'));
    EXPECT_FALSE(may_type(AnswerKind::edge_kind, 'y'));
}

TEST(Answers, TheKeyAndTheScoreReadAsSentences) {
    EXPECT_EQ(answer_text(question_of(AnswerKind::vertices, {1, 3, 5})), "1, 3 and 5");
    EXPECT_EQ(answer_text(question_of(AnswerKind::vertices, {2})), "2");
    EXPECT_EQ(answer_text(question_of(AnswerKind::vertex_or_back, {answers::goes_back})), "none: the search goes back");
    EXPECT_EQ(answer_text(question_of(AnswerKind::vertex_or_back, {0})), "0");
    EXPECT_EQ(answer_text(question_of(AnswerKind::yes_no, {answers::no})), "no");
    EXPECT_EQ(answer_text(question_of(AnswerKind::edge_kind, {answers::tree_edge})), "a tree edge");
    EXPECT_EQ(answer_text(Question{AnswerKind::number, "How many?", false, {}, "", "", {}}), "");  // never answered
    EXPECT_EQ(score_line(7, 9, 0), "7 of 9 right");
    EXPECT_EQ(score_line(1, 2, 1), "1 of 2 right, 1 skipped");
    EXPECT_EQ(score_line(0, 0, 2), "none answered, 2 skipped");
}

void press(SDLKey key) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

class PredictingShow : public WindowShow {};

// The keys are all in the queue before the wait: the question takes what it needs, and the key
// after Enter ends the step's own wait. The window's panel has the words; standard output has the
// question, then the verdict with its reason (and after a skip the answer), before the step.
TEST_F(PredictingShow, AnswersAreJudgedWithTheirReasonAndTheLastStepGivesTheScore) {
    start({"dfstree", "a fixed graph", false}, {"--predict"});
    testing::internal::CaptureStdout();
    ask(AnswerKind::vertex, "Which vertex does the search discover next?");
    answer(3, "Vertex 3 is the first neighbour of 0 not yet discovered.");
    for (SDLKey key : {SDLK_5, SDLK_BACKSPACE, SDLK_3, SDLK_RETURN, SDLK_SPACE}) press(key);
    EXPECT_EQ(wait_step(), 0);
    EXPECT_EQ(caption(), "dfstree - step 1 of 3 - any key: next");

    ask(AnswerKind::vertex, "Which vertex does the search discover next?");
    answer(2, "Vertex 2 is the first neighbour of 3 not yet discovered.");
    for (SDLKey key : {SDLK_b, SDLK_7, SDLK_RETURN, SDLK_SPACE}) press(key);  // b is not a vertex
    wait_step();

    // A letter is not echoed, so the Enter after it is empty and skips; the skip is counted.
    ask(AnswerKind::number, "How many tree edges?");
    answer(2, "Two.");
    explain("The search ends.");
    for (SDLKey key : {SDLK_x, SDLK_RETURN, SDLK_SPACE}) press(key);
    wait_step();
    EXPECT_EQ(caption(), "dfstree - step 3 of 3 - any key: end");
    end_show();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "dfstree - step 1 of 3 - question: Which vertex does the search discover next?\n"
              "  (type a vertex number, then press Enter in the window; Escape skips it)\n"
              "  you answered 3: right: Vertex 3 is the first neighbour of 0 not yet discovered.\n"
              "dfstree - step 2 of 3 - question: Which vertex does the search discover next?\n"
              "  (type a vertex number, then press Enter in the window; Escape skips it)\n"
              "  you answered 7: not quite: Vertex 2 is the first neighbour of 3 not yet discovered.\n"
              "dfstree - step 3 of 3 - question: How many tree edges?\n"
              "  (type a number, then press Enter in the window; Escape skips it)\n"
              "  skipped: the answer is 2. Two.\n"
              "1 of 2 right, 1 skipped\n");
}

TEST_F(PredictingShow, StepsWithoutAQuestionAndEscapeGoStraightOn) {
    start({"components", "a fixed graph", false}, {"--predict"});
    explain("Nothing to predict.");
    press(SDLK_SPACE);
    wait_step();
    EXPECT_EQ(caption(), "components - step 1 of 3 - any key: next");
    ask(AnswerKind::yes_no, "Is vertex 2 in the first component?");
    answer(answers::no, "No.");
    press(SDLK_ESCAPE);
    push(SDL_QUIT);  // closing the window at the step goes on, as it always does
    EXPECT_EQ(wait_step(), 1);
    SDL_Event left;
    EXPECT_EQ(SDL_PollEvent(&left), 0);
    press(SDLK_SPACE);
    wait_step();
    EXPECT_EQ(caption(), "components - step 3 of 3 - any key: end");
}

// Asked before an animated stage, the question is put before its first frame and judged when the
// finished picture is shown.
TEST_F(PredictingShow, QuestionBeforeAStageIsPutBeforeItsFirstFrame) {
    start({"gridpath", "a random lattice", true}, {"--predict", "--seed", "3"});
    EXPECT_EQ(random_seed(), 3u);
    ask(AnswerKind::number, "How long is the shortest path?");
    begin_stage("searching");
    for (SDLKey key : {SDLK_1, SDLK_2, SDLK_RETURN}) press(key);
    pace_frame();
    EXPECT_EQ(caption(), "gridpath - step 1 of 3 - seed 3: searching - any key: skip to its end");
    SDL_Event left;
    EXPECT_EQ(SDL_PollEvent(&left), 0);  // the answer used up every key
    pace_frame();
    answer(12, "The path has 12 edges.");
    press(SDLK_SPACE);
    testing::internal::CaptureStdout();
    wait_step();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "  you answered 12: right: The path has 12 edges.\n");
    EXPECT_EQ(caption(), "gridpath - step 1 of 3 - seed 3 - any key: next");
}

// Several questions before one step are all asked before any is told, so that the verdict on the
// first cannot give the second away; the verdicts then come in the order asked, with the step.
TEST_F(PredictingShow, SeveralQuestionsBeforeOneStepAreAllAskedThenToldInOrder) {
    start({"dfstree", "a fixed graph", false}, {"--predict"});
    testing::internal::CaptureStdout();
    ask(AnswerKind::yes_no, "Does 0 reach 2?");
    ask_table("parent", "vertex", 0, 3, "Fill in each vertex's parent.");
    answer(answers::yes, "Yes: edge 0-2.");
    const int parents[] = {answers::none, 0, 0};
    answer_table(parents, 3, "0 is the root.");
    for (SDLKey key : {SDLK_y, SDLK_RETURN, SDLK_MINUS, SDLK_SPACE, SDLK_0, SDLK_SPACE, SDLK_1, SDLK_RETURN, SDLK_SPACE})
        press(key);
    EXPECT_EQ(wait_step(), 0);
    end_show();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "dfstree - step 1 of 3 - question 1 of 2 - question: Does 0 reach 2?\n"
              "  (type y or n, then press Enter in the window; Escape skips it)\n"
              "dfstree - step 1 of 3 - question 2 of 2 - question: Fill in each vertex's parent.\n"
              "  (type 3 entries separated by spaces, one for each of vertex 0 to vertex 2 in order, - for none, "
              "then press Enter in the window; Escape skips it)\n"
              "  you answered y: right: Yes: edge 0-2.\n"
              "  you answered - 0 1: not quite: vertex 2 is 0, not 1. 0 is the root.\n"
              "1 of 2 right\n");
}

}  // namespace
