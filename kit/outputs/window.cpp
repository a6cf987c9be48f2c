// The window: at each step the caption says where the show is and the show waits for a key; the
// frames of an animated stage are paced to --fps, and a key or the close button skips the rest of
// the stage. Usually the picture is on screen already: the program flipped it. With --predict the
// window presents each picture itself, so that a question can come before the picture answers it;
// with --browse it keeps each step's picture to show it again, and with --autoplay a step goes on
// by itself after a while.
#include "asking.h"
#include "controls.h"
#include "history.h"
#include "output.h"
#include "pacing.h"
#include "platform.h"
#include "questions.h"
#include "show.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr PacingClock desktop_clock{platform_now_us, platform_sleep_us, platform_take_key_or_close};

Pacing pacing{0};
bool presents = false;   // shows the pictures it is handed
bool predicting = false; // --predict

// The question of the step to come, once put: what the student typed, if anything.
bool question_put = false;
Asked asked{Asked::Ending::skipped, ""};
int right_answers = 0, answered = 0, skipped = 0;

// --browse and --autoplay: the kept pictures and what the caption said of each step.
bool browsing = false;
std::int64_t autoplay_us = 0;  // 0: no autoplay
Controls controls{false, false};
PictureHistory history;
std::vector<std::string> words_of_step;  // from step 1

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
    browsing = settings.browse;
    autoplay_us = static_cast<std::int64_t>(settings.autoplay_seconds * 1e6 + 0.5);
    controls = Controls{browsing, autoplay_us > 0};
    history.clear();
    words_of_step.clear();
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
    say_on_standard_output("  you answered " + asked.typed + ": " + verdict.feedback + "\n");
    return verdict.reading == Verdict::Reading::right ? "right" : verdict.feedback;
}

// The caption with --browse or --autoplay: the step on screen, and when it is not the newest one
// reached, so; its words; and what the keys do there.
std::string controlled_caption(const ShowState& show, const std::string& score) {
    const int viewing = controls.viewing(), newest = controls.newest();
    const bool at_the_end = viewing == newest && newest == show.step_count;
    std::string caption = where(show, viewing);
    if (viewing < newest) caption += " (an earlier step; the newest is step " + std::to_string(newest) + ")";
    const std::string& words = words_of_step.empty() ? std::string() : words_of_step[std::size_t(viewing - 1)];
    if (!words.empty()) caption += ": " + words;
    if (viewing == newest && !score.empty()) caption += " - " + score;
    if (!controls.note().empty()) caption += " - " + controls.note();
    if (!controls.typed().empty()) caption += " - go to step " + controls.typed() + "_, Enter";
    if (controls.playing()) caption += at_the_end ? " - played to the end" : " - playing, Space: pause";
    if (controls.paused()) caption += " - paused, Space: play";
    if (!browsing) return caption + (at_the_end ? " - any key: end" : " - any key: next");
    caption += at_the_end ? " - Right: end" : " - Right: next";
    if (viewing > 1) caption += ", Left: back";
    return caption;
}

// Waits at a step with --browse or --autoplay until the show goes on from its newest step: the
// kept steps are shown again meanwhile, and the autoplay's time for each starts when it is shown.
Outcome wait_with_controls(const ShowState& show, const std::string& score) {
    std::int64_t due = 0;
    auto restart_clock = [&] {
        const bool at_the_end = controls.viewing() == controls.newest() && controls.newest() == show.step_count;
        due = controls.playing() && !at_the_end ? platform_now_us() + autoplay_us : 0;
    };
    restart_clock();
    Picture earlier;
    for (;;) {
        set_caption(show, controlled_caption(show, score));
        KeyPress key;
        const bool was_playing = controls.playing();
        const WindowEvent event = platform_wait_event(&key, due);
        if (event == WindowEvent::stop) return Outcome::go_on;  // the show ends
        if (event == WindowEvent::quit) return Outcome::quit;
        const Controls::Move move = event == WindowEvent::timeout ? controls.time_is_up() : controls.key(key);
        if (move == Controls::Move::go_on) return Outcome::go_on;
        if (move == Controls::Move::show) {
            history.show(controls.viewing(), earlier);
            platform_present(earlier);
            restart_clock();
        } else if (controls.playing() != was_playing) {
            restart_clock();
        }
    }
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
    const std::string words = !verdict.empty() ? verdict : !step.narration->sentence.empty() ? short_sentence(*step.narration) : "";
    if (!words.empty()) caption += ": " + words;
    const std::string score = last && predicting && answered + skipped > 0 ? score_line(right_answers, answered, skipped) : "";
    if (!score.empty()) caption += " - " + score;
    const bool controlled = browsing || autoplay_us > 0;
    if (!controlled) set_caption(*step.show, caption + (last ? " - any key: end" : " - any key: next"));
    // Closing the window during the question goes on past the step, as a close at the step would.
    if (question != nullptr && asked.ending == Asked::Ending::closed) return Outcome::quit;
    if (!controlled) return platform_wait_event() == WindowEvent::quit ? Outcome::quit : Outcome::go_on;

    // An earlier step is shown again as it was first shown, and said in the same words.
    if (browsing) {
        history.keep(*step.picture);
    }
    words_of_step.resize(std::size_t(step.number));
    words_of_step.back() = words;
    controls.reached(step.number);
    return wait_with_controls(*step.show, score);
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
    if (predicting && answered + skipped > 0) say_on_standard_output(score_line(right_answers, answered, skipped) + "\n");
    return true;
}
void discard() {}

}  // namespace

const Output window_output{"window", wanted, takes_pictures, start, step, frame, finish, discard};
