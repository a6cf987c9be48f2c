// The keys of --browse and --autoplay.
#include "controls.h"

namespace {
constexpr std::size_t longest_step_number = 4;
}

void Controls::reached(int step) {
    newest_ = viewing_ = step;
    typed_.clear();
    note_.clear();
}

Controls::Move Controls::key(const KeyPress& key) {
    using Kind = KeyPress::Kind;
    note_.clear();
    const bool space = key.kind == Kind::character && key.character == ' ';
    if (autoplay_ && space) {
        playing_ = !playing_;
        return Move::stay;
    }
    if (!browse_) return Move::go_on;  // any other key, as without --autoplay
    switch (key.kind) {
        case Kind::character:
            if (space) return next();
            if (key.character >= '0' && key.character <= '9' && typed_.size() < longest_step_number)
                typed_ += key.character;
            return Move::stay;
        case Kind::backspace:
            if (typed_.empty()) return back();
            typed_.pop_back();
            return Move::stay;
        case Kind::enter:
            if (typed_.empty()) return next();
            return go_to(std::stoi(typed_));
        case Kind::escape:
            typed_.clear();
            return Move::stay;
        case Kind::left:
        case Kind::page_up:
            return back();
        case Kind::right:
        case Kind::page_down:
            return next();
        case Kind::home:
            return go_to(1);
        case Kind::end:
            return go_to(newest_);
        default:
            return Move::stay;
    }
}

Controls::Move Controls::time_is_up() {
    if (!browse_) return Move::go_on;
    typed_.clear();
    return next();
}

Controls::Move Controls::back() {
    typed_.clear();
    if (viewing_ <= 1) {
        note_ = "this is the first step";
        return Move::stay;
    }
    --viewing_;
    return Move::show;
}

Controls::Move Controls::next() {
    typed_.clear();
    if (viewing_ >= newest_) return Move::go_on;
    ++viewing_;
    return Move::show;
}

Controls::Move Controls::go_to(int step) {
    typed_.clear();
    if (step < 1) {
        note_ = "the steps count from 1";
        return Move::stay;
    }
    if (step > newest_) {
        note_ = "step " + std::to_string(step) + " is not reached yet";
        return Move::stay;
    }
    if (step == viewing_) return Move::stay;
    viewing_ = step;
    return Move::show;
}
