// The window: at each step the caption says where the show is and the show waits for a key; the
// frames of an animated stage are paced to --fps, and a key or the close button skips the rest of
// the stage. Usually the picture is on screen already: the program flipped it. With --predict the
// window presents each picture itself, so that a question can come before the picture answers it;
// with --browse it keeps each step's picture to show it again, and with --autoplay a step goes on
// by itself after a while. With --explain or --predict it is a teaching window: a panel beside the
// picture holds the step's words and state in full, a question with what the student types, the
// verdict with its reason and the right answer, the legend on F1, and which keys do what.
#include "asking.h"
#include "controls.h"
#include "history.h"
#include "output.h"
#include "pacing.h"
#include "panel_words.h"
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

// The questions of the step to come, once put: what the student typed to each, if anything. All
// are asked before any is told; a close during one skips the rest.
std::vector<Asked> asked;
bool closed_while_asking = false;
int right_answers = 0, answered = 0, skipped = 0;
// How the question before the step to come went: for the caption (without a panel), and in full
// with the reason and the right answer for the panel; empty when none was put.
std::string verdict_caption, verdict_in_words;

// --browse and --autoplay: the kept pictures and what the caption said of each step.
bool browsing = false;
std::int64_t autoplay_us = 0;  // 0: no autoplay
Controls controls{false, false};
PictureHistory history;
std::vector<std::string> words_of_step;  // from step 1

// The teaching panel (--explain, --predict): what each step said, and the verdict before it, from
// step 1, so that an earlier step shown again is said in its own words.
bool teaching = false;
PanelMoment::Aside aside = PanelMoment::Aside::none;  // what F1 shows beside the step
std::vector<Narration> said_at_step;
std::vector<std::string> verdict_at_step;

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
    right_answers = answered = skipped = 0;
    verdict_caption.clear();
    verdict_in_words.clear();
    browsing = settings.browse;
    autoplay_us = static_cast<std::int64_t>(settings.autoplay_seconds * 1e6 + 0.5);
    controls = Controls{browsing, autoplay_us > 0};
    history.clear();
    words_of_step.clear();
    teaching = settings.window_teaches() && platform_panel_area().width > 0;
    aside = PanelMoment::Aside::none;
    said_at_step.clear();
    verdict_at_step.clear();
    platform_set_caption(program, program);
    return true;
}

// The panel laid out in the window's font and shown.
void show_panel(PanelMoment moment) {
    const PanelArea area = platform_panel_area();
    moment.aside = aside;
    const PanelLayout layout = lay_out_panel(panel_paragraphs(moment), area.width, area.height, area.line_height,
                                             platform_panel_text_width);
    platform_show_panel(layout);
}

// F1 shows the legend, then the algorithm's lines, then how it works (those the show has), then
// the step alone again.
PanelMoment::Aside aside_after(const ShowState& show, PanelMoment::Aside shown) {
    using Aside = PanelMoment::Aside;
    const bool has_lines = show.algorithm != nullptr && !show.algorithm->lines.empty();
    const bool has_how = show.algorithm != nullptr && !show.algorithm->how.empty();
    if (shown == Aside::none) return Aside::legend;
    if (shown == Aside::legend && has_lines) return Aside::algorithm;
    if ((shown == Aside::legend || shown == Aside::algorithm) && has_how) return Aside::how;
    return Aside::none;
}
void next_aside(const ShowState& show) { aside = aside_after(show, aside); }
std::string legend_key(const ShowState& show) {
    using Aside = PanelMoment::Aside;
    switch (aside_after(show, aside)) {
        case Aside::legend: return "F1: the legend";
        case Aside::algorithm: return "F1: the algorithm";
        case Aside::how: return "F1: how it works";
        case Aside::none: break;
    }
    return "F1: back to the step";
}

// The first sentence of what the step did, short enough for a title bar.
std::string short_sentence(const Narration& narration) {
    constexpr std::size_t longest = 110;
    const std::size_t end = narration.sentence.find(". ");
    std::string text = end == std::string::npos ? narration.sentence : narration.sentence.substr(0, end + 1);
    if (text.size() > longest) text = text.substr(0, text.rfind(' ', longest - 3)) + "...";
    return text;
}

// Puts the question while the window still shows the picture before the one that answers it: in
// the caption, or in full in the panel with what is typed and the step on screen below it.
void ask(const Posed& posed) {
    if (!predicting) return;
    if (posed.index == 0) {
        asked.clear();
        closed_while_asking = false;
        verdict_caption.clear();
        verdict_in_words.clear();
    }
    if (closed_while_asking) {
        asked.push_back({Asked::Ending::closed, ""});
        return;
    }
    std::string where_now = where(*posed.show, posed.step);
    if (posed.count > 1) where_now += " - question " + std::to_string(posed.index + 1) + " of " + std::to_string(posed.count);
    if (!teaching) {
        asked.push_back(put_question(where_now, *posed.question, caption_prompt(where_now, *posed.question)));
        closed_while_asking = asked.back().ending == Asked::Ending::closed;
        return;
    }
    const int on_screen = static_cast<int>(said_at_step.size());
    PanelMoment moment;
    moment.show = posed.show;
    moment.step = on_screen;
    moment.narration = on_screen > 0 ? &said_at_step.back() : nullptr;
    moment.waiting = posed.question;
    Prompt prompt;
    prompt.show = [&](const std::string& typed, const char* trouble) {
        moment.typed = typed;
        moment.trouble = trouble != nullptr ? std::string("Not an answer here: ") + answer_hint(*posed.question) + "." : "";
        moment.keys = "Type the answer, Enter: check it. Esc: skip. " + legend_key(*posed.show) + ".";
        show_panel(moment);
        const std::string caption = where(*posed.show, on_screen > 0 ? on_screen : 1) +
                                    " - a question: type the answer, Enter; Esc skips";
        platform_set_caption(caption.c_str(), posed.show->program);
    };
    prompt.f1 = [show = posed.show] { next_aside(*show); };
    asked.push_back(put_question(where_now, *posed.question, prompt));
    closed_while_asking = asked.back().ending == Asked::Ending::closed;
}

// The verdict on the answer, before the step that answers the question is shown: with the reason
// and the right answer on standard output and in the panel, and the tally.
void tell_answer(const Posed& posed) {
    if (!predicting) return;
    const Question& question = *posed.question;
    const Asked typed_answer = std::size_t(posed.index) < asked.size() ? asked[std::size_t(posed.index)] : Asked{Asked::Ending::skipped, ""};
    // Each verdict joins those of the questions before it in this step.
    std::string caption;
    const bool given = typed_answer.ending == Asked::Ending::answered;
    bool right = false;
    if (!given) {
        ++skipped;
        if (question.answered) {
            caption = "skipped: the answer is " + answer_text(question);
            say_on_standard_output("  skipped: the answer is " + answer_text(question) + ". " + question.reason + "\n");
        }
    } else if (question.answered) {  // else the program gave no answer to judge by
        const Verdict verdict = judge(question, typed_answer.typed);
        ++answered;
        right = verdict.reading == Verdict::Reading::right;
        if (right) ++right_answers;
        say_on_standard_output("  you answered " + typed_answer.typed + ": " + verdict.feedback + "\n");
        caption = right ? "right" : verdict.feedback;
    }
    const std::string number = posed.count > 1 ? "Question " + std::to_string(posed.index + 1) + ": " : "";
    if (!caption.empty()) verdict_caption += (verdict_caption.empty() ? "" : "; ") + number + caption;
    verdict_in_words += (verdict_in_words.empty() ? "" : " ") + number + verdict_words(question, !given, typed_answer.typed, right);
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
// The panel at step `number` of those reached: its own words and the verdict before it.
void show_step_panel(const ShowState& show, int number, const std::string& score, const std::string& keys) {
    PanelMoment moment;
    moment.show = &show;
    moment.step = number;
    moment.narration = &said_at_step[std::size_t(number - 1)];
    moment.verdict = verdict_at_step[std::size_t(number - 1)];
    moment.score = score;
    moment.keys = keys + " " + legend_key(show) + ".";
    show_panel(moment);
}

// What the keys do at a step with --browse or --autoplay, for the panel.
std::string controlled_keys(const ShowState& show) {
    const bool at_the_end = controls.viewing() == controls.newest() && controls.newest() == show.step_count;
    std::string keys;
    if (browsing) {
        keys = at_the_end ? "Right: end." : "Right: next step.";
        if (controls.viewing() > 1) keys += " Left: back. Home, End: first, newest.";
    } else {
        keys = at_the_end ? "Any key: end." : "Any key: next step.";
    }
    if (controls.playing()) keys += at_the_end ? " Played to the end." : " Playing, Space: pause.";
    if (controls.paused()) keys += " Paused, Space: play.";
    return keys;
}

Outcome wait_with_controls(const ShowState& show, const std::string& score) {
    std::int64_t due = 0;
    auto restart_clock = [&] {
        const bool at_the_end = controls.viewing() == controls.newest() && controls.newest() == show.step_count;
        due = controls.playing() && !at_the_end ? platform_now_us() + autoplay_us : 0;
    };
    restart_clock();
    Picture earlier;
    for (;;) {
        if (teaching) {
            const int viewing = controls.viewing();
            show_step_panel(show, viewing, viewing == controls.newest() ? score : "", controlled_keys(show));
            set_caption(show, where(show, viewing) + (viewing < controls.newest() ? " (an earlier step)" : "") + " - " +
                                  controlled_keys(show));
        } else {
            set_caption(show, controlled_caption(show, score));
        }
        KeyPress key;
        const bool was_playing = controls.playing();
        const WindowEvent event = platform_wait_event(&key, due);
        if (event == WindowEvent::stop) return Outcome::go_on;  // the show ends
        if (event == WindowEvent::quit) return Outcome::quit;
        if (teaching && event == WindowEvent::key && key.kind == KeyPress::Kind::f1) {
            next_aside(show);
            continue;
        }
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
// can show the same graph again. Without the panel it says in a sentence what the step did (or,
// after a question, how the answer fared); with it, only what a key does: the panel says the rest.
Outcome step(const Step& step, std::string&) {
    end_stage(pacing);
    const bool last = step.number == step.show->step_count;
    const bool asked_here = predicting && !step.narration->questions.empty();
    if (presents) platform_present(*step.picture);

    const std::string verdict = asked_here ? verdict_caption : "";
    const std::string words = !verdict.empty() ? verdict : !step.narration->sentence.empty() ? short_sentence(*step.narration) : "";
    const std::string score = last && predicting && answered + skipped > 0 ? score_line(right_answers, answered, skipped) : "";
    said_at_step.resize(std::size_t(step.number));
    said_at_step.back() = *step.narration;
    verdict_at_step.resize(std::size_t(step.number));
    verdict_at_step.back() = asked_here ? verdict_in_words : "";
    const bool controlled = browsing || autoplay_us > 0;
    const std::string key_does = last ? "any key: end" : "any key: next";
    const char* const keys_at_a_step = last ? "Any key: end." : "Any key: next step.";
    if (!controlled) {
        // The panel first: once the caption names the step, the window shows all of it.
        if (teaching) show_step_panel(*step.show, step.number, score, keys_at_a_step);
        std::string caption = where(*step.show, step.number);
        if (!teaching && !words.empty()) caption += ": " + words;
        if (!teaching && !score.empty()) caption += " - " + score;
        set_caption(*step.show, caption + " - " + key_does);
    }
    // Closing the window during the question goes on past the step, as a close at the step would.
    if (asked_here && closed_while_asking) return Outcome::quit;
    if (!controlled) {
        for (;;) {
            KeyPress key;
            const WindowEvent event = platform_wait_event(&key);
            // F1 shows the legend, the algorithm or neither in the panel; every other key goes on,
            // as ever.
            if (teaching && event == WindowEvent::key && key.kind == KeyPress::Kind::f1) {
                next_aside(*step.show);
                show_step_panel(*step.show, step.number, score, keys_at_a_step);
                continue;
            }
            return event == WindowEvent::quit ? Outcome::quit : Outcome::go_on;
        }
    }

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
    // The caption says what the stage grows; the panel follows what it has grown so far as the
    // program says it, redrawn only when that changes.
    static std::string panel_words;
    const std::string growing = frame.stage != nullptr ? frame.stage : "animating";
    if (frame.number == 1) set_caption(*frame.show, where(*frame.show, frame.step) + ": " + growing + " - any key: skip to its end");
    const std::string grown = frame.grown != nullptr ? frame.grown : growing;
    if (frame.number == 1 || grown != panel_words) {
        panel_words = grown;
        if (teaching) {
            // "Step 2 of 3, as it grows: growing the depth-first tree from the centre."
            std::string heading = "Step " + std::to_string(frame.step);
            if (frame.show->step_count > 0) heading += " of " + std::to_string(frame.show->step_count);
            const PanelArea area = platform_panel_area();
            const std::vector<PanelParagraph> paragraphs{{PanelStyle::heading, heading + ", as it grows", {}},
                                                         {PanelStyle::text, "The show is " + grown + ".", {}},
                                                         {PanelStyle::keys, "Any key: skip to the end of it.", {}}};
            platform_show_panel(lay_out_panel(paragraphs, area.width, area.height, area.line_height, platform_panel_text_width));
        }
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

const Output window_output{"window", wanted, takes_pictures, start, step, frame, finish, discard, ask, tell_answer};
