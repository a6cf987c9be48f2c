// The window: at each step the caption says where the show is and the show waits for a key; the
// frames of an animated stage are paced to --fps, and a key or the close button skips the rest of
// the stage. Usually the picture is on screen already: the program flipped it. With --predict the
// window presents each picture itself, so that a question can come before the picture answers it.
#include "asking.h"
#include "output.h"
#include "pacing.h"
#include "platform.h"
#include "questions.h"

#include <cstdio>
#include <string>

namespace {

constexpr PacingClock desktop_clock{platform_now_us, platform_sleep_us, platform_take_key_or_close};

Pacing pacing{0};
bool presents = false;   // shows the pictures it is handed
bool predicting = false; // --predict

// The question of the step to come, once put: what the student typed, if anything.
bool question_put = false;
Asked asked{Asked::Ending::skipped, ""};
int right_answers = 0, answered = 0, skipped = 0;

// "closure8 - step 2 of 3 - seed 17", or without what is not known.
std::string where(const ShowState& show, int step) {
    std::string text = std::string(show.program) + " - step " + std::to_string(step);
    if (show.step_count > 0) text += " of " + std::to_string(show.step_count);
    if (show.seed_in_use) text += " - seed " + std::to_string(show.seed);
    return text;
}

void set_caption(const ShowState& show, const std::string& caption) {
    platform_set_caption(caption.c_str(), show.program);
}

bool wanted(const Settings& settings) { return !settings.unattended(); }
bool takes_pictures(const Settings& settings) { return settings.window_presents(); }

bool start(const Settings& settings, const char* program, std::string&) {
    pacing = Pacing{settings.frames_per_second};
    presents = settings.window_presents();
    predicting = settings.predict;
    question_put = false;
    right_answers = answered = skipped = 0;
    platform_set_caption(program, program);
    return true;
}

// The first sentence of what the step did, short enough for a title bar.
std::string short_sentence(const Narration& narration) {
    constexpr std::size_t longest = 110;
    const std::size_t end = narration.sentence.find(". ");
    std::string text = end == std::string::npos ? narration.sentence : narration.sentence.substr(0, end + 1);
    if (text.size() > longest) text = text.substr(0, text.rfind(' ', longest - 3)) + "...";
    return text;
}

// Puts the question while the window still shows the picture before the one that answers it.
void put(const ShowState& show, int step, const Question& question) {
    asked = put_question(where(show, step), question);
    question_put = true;
}

// What the caption says of the student's answer once the step is shown, and the tally; empty when
// nothing was answered.
std::string verdict_on(const Question& question) {
    if (asked.ending != Asked::Ending::answered) {
        ++skipped;
        return "";
    }
    if (!question.answered) return "";  // the program gave no answer to judge by
    const Verdict verdict = judge(question, asked.typed);
    ++answered;
    if (verdict.reading == Verdict::Reading::right) ++right_answers;
    std::printf("  you answered %s: %s\n", asked.typed.c_str(), verdict.feedback.c_str());
    std::fflush(stdout);
    return verdict.reading == Verdict::Reading::right ? "right" : verdict.feedback;
}

// The title bar names the program and the step, and the seed of a random graph, so that `--seed`
// can show the same graph again, and says in a sentence what the step did (or, after a question,
// how the answer fared).
Outcome step(const Step& step, std::string&) {
    end_stage(pacing);
    const bool last = step.number == step.show->step_count;
    const Question* question = predicting && !step.narration->question.text.empty() ? &step.narration->question : nullptr;
    if (question != nullptr && !question_put) put(*step.show, step.number, *question);
    question_put = false;
    if (question != nullptr && asked.ending == Asked::Ending::stopped) return Outcome::go_on;  // the show ends
    if (presents) platform_present(*step.picture);

    std::string caption = where(*step.show, step.number);
    const std::string verdict = question != nullptr ? verdict_on(*question) : "";
    if (!verdict.empty())
        caption += ": " + verdict;
    else if (!step.narration->sentence.empty())
        caption += ": " + short_sentence(*step.narration);
    if (last && predicting && answered + skipped > 0) caption += " - " + score_line(right_answers, answered, skipped);
    set_caption(*step.show, caption + (last ? " - any key: end" : " - any key: next"));
    // Closing the window during the question goes on past the step, as a close at the step would.
    if (question != nullptr && asked.ending == Asked::Ending::closed) return Outcome::quit;
    return platform_wait_event() == WindowEvent::quit ? Outcome::quit : Outcome::go_on;
}

bool frame(const Frame& frame, std::string&) {
    if (predicting && frame.question != nullptr && !question_put) put(*frame.show, frame.step, *frame.question);
    if (question_put && asked.ending == Asked::Ending::stopped) return true;  // the show ends
    if (frame.number == 1) {
        const std::string growing = frame.stage != nullptr ? frame.stage : "animating";
        set_caption(*frame.show, where(*frame.show, frame.step) + ": " + growing + " - any key: skip to its end");
    }
    if (presents) platform_present(*frame.picture);
    pace(pacing, desktop_clock);
    return true;
}

bool finish(std::string&) {
    if (predicting && answered + skipped > 0) {
        std::printf("%s\n", score_line(right_answers, answered, skipped).c_str());
        std::fflush(stdout);
    }
    return true;
}
void discard() {}

}  // namespace

const Output window_output{"window", wanted, takes_pictures, start, step, frame, finish, discard};
