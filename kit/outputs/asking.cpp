// The student answers from the keyboard alone: digits (and the letters an answer of its kind
// takes), Backspace, Enter; Escape or an empty Enter skips. There is no timer.
#include "asking.h"

#include "platform.h"
#include "questions.h"
#include "show.h"


namespace {

// Long enough for every vertex of the largest graph as a set; more is not taken.
constexpr std::size_t longest_answer = 100;  // a table of 24 vertices, each one to two digits

}  // namespace

Prompt caption_prompt(const std::string& where, const Question& question) {
    Prompt prompt;
    prompt.show = [where, &question](const std::string& typed, const char* trouble) {
        std::string caption = where + " - question: " + question.text + " (" + answer_hint(question);
        caption += trouble != nullptr ? std::string(" - ") + trouble : "";
        caption += ", then Enter; Esc skips) - answer: " + typed + "_";
        platform_set_caption(caption.c_str(), question.text.c_str());
    };
    return prompt;
}

Asked put_question(const std::string& where, const Question& question, const Prompt& prompt) {
    say_on_standard_output(where + " - question: " + question.text + "\n  (" + answer_hint(question) +
                           ", then press Enter in the window; Escape skips it)\n");
    std::string typed;
    const char* trouble = nullptr;
    for (;;) {
        prompt.show(typed, trouble);
        trouble = nullptr;
        KeyPress key;
        const WindowEvent event = platform_wait_event(&key);
        if (event == WindowEvent::stop) return {Asked::Ending::stopped, typed};
        if (event == WindowEvent::quit) return {Asked::Ending::closed, ""};
        switch (key.kind) {
            case KeyPress::Kind::escape:
                return {Asked::Ending::skipped, ""};
            case KeyPress::Kind::f1:
                if (prompt.f1) prompt.f1();
                break;
            case KeyPress::Kind::backspace:
                if (!typed.empty()) typed.pop_back();
                break;
            case KeyPress::Kind::enter:
                if (typed.find_first_not_of(" ,") == std::string::npos) return {Asked::Ending::skipped, ""};
                if (judge(question, typed).reading != Verdict::Reading::unreadable) return {Asked::Ending::answered, typed};
                trouble = "that is not an answer here";
                break;
            case KeyPress::Kind::character:
                if (may_type(question.kind, key.character) && typed.size() < longest_answer) typed += key.character;
                break;
            default:
                break;
        }
    }
}
