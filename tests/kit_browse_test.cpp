// Going back and forth through the steps shown (--browse) and the autoplay (--autoplay): what each
// key does, the pictures kept for it, and a window show on SDL's dummy driver driven by key presses
// pushed into its queue.
#include "controls.h"
#include "history.h"
#include "kit.h"
#include "platform.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Kind = KeyPress::Kind;
using Move = Controls::Move;

KeyPress press(Kind kind) { return {kind, 0}; }
KeyPress typed(char c) { return {Kind::character, c}; }

// ---- The keys ------------------------------------------------------------------------------

TEST(BrowseKeys, BackAndNextWalkTheKeptStepsAndNextFromTheNewestGoesOn) {
    Controls controls{true, false};
    for (int step = 1; step <= 4; ++step) controls.reached(step);
    for (const Kind back : {Kind::left, Kind::backspace, Kind::page_up}) {
        EXPECT_EQ(controls.key(press(back)), Move::show);
        EXPECT_EQ(controls.newest(), 4);
    }
    EXPECT_EQ(controls.viewing(), 1);
    EXPECT_EQ(controls.key(press(Kind::left)), Move::stay) << "there is nothing before the first step";
    EXPECT_EQ(controls.note(), "this is the first step");
    EXPECT_EQ(controls.viewing(), 1);
    EXPECT_EQ(controls.key(press(Kind::right)), Move::show);
    EXPECT_TRUE(controls.note().empty()) << "a note is about the key just pressed";
    EXPECT_EQ(controls.key(typed(' ')), Move::show);
    EXPECT_EQ(controls.key(press(Kind::page_down)), Move::show);
    EXPECT_EQ(controls.viewing(), 4);
    EXPECT_EQ(controls.key(press(Kind::enter)), Move::go_on) << "the newest step left forwards";
    controls.reached(5);
    EXPECT_EQ(controls.viewing(), 5);
    EXPECT_EQ(controls.newest(), 5);
}

TEST(BrowseKeys, HomeEndAndTypedStepNumbersJumpOnlyToStepsReached) {
    Controls controls{true, false};
    for (int step = 1; step <= 12; ++step) controls.reached(step);
    EXPECT_EQ(controls.key(press(Kind::home)), Move::show);
    EXPECT_EQ(controls.viewing(), 1);
    EXPECT_EQ(controls.key(press(Kind::home)), Move::stay);
    EXPECT_EQ(controls.key(press(Kind::end)), Move::show);
    EXPECT_EQ(controls.viewing(), 12);

    for (const char c : {'1', '7'}) EXPECT_EQ(controls.key(typed(c)), Move::stay);
    EXPECT_EQ(controls.typed(), "17");
    EXPECT_EQ(controls.key(press(Kind::enter)), Move::stay);
    EXPECT_EQ(controls.note(), "step 17 is not reached yet");
    EXPECT_EQ(controls.viewing(), 12);
    EXPECT_TRUE(controls.typed().empty());

    // Backspace takes back a digit while one is typed, and only then goes back a step.
    for (const char c : {'1', '7'}) controls.key(typed(c));
    EXPECT_EQ(controls.key(press(Kind::backspace)), Move::stay);
    EXPECT_EQ(controls.typed(), "1");
    EXPECT_EQ(controls.key(typed('0')), Move::stay);
    EXPECT_EQ(controls.key(press(Kind::enter)), Move::show);
    EXPECT_EQ(controls.viewing(), 10);
    controls.key(typed('0'));
    EXPECT_EQ(controls.key(press(Kind::enter)), Move::stay);
    EXPECT_EQ(controls.note(), "the steps count from 1");
    controls.key(typed('3'));
    EXPECT_EQ(controls.key(press(Kind::escape)), Move::stay) << "Escape forgets the number";
    EXPECT_EQ(controls.key(press(Kind::enter)), Move::show) << "Enter on nothing typed is the next step";
    EXPECT_EQ(controls.viewing(), 11);
    EXPECT_EQ(controls.key(press(Kind::backspace)), Move::show);
    EXPECT_EQ(controls.viewing(), 10);
    // A step number is at most four digits: a fifth is not taken.
    for (const char c : {'0', '0', '0', '0', '3'}) controls.key(typed(c));
    EXPECT_EQ(controls.typed(), "0000");
}

TEST(BrowseKeys, OtherKeysDoNothingWhileBrowsingAndEverythingGoesOnWithout) {
    Controls browsing{true, false};
    browsing.reached(1);
    browsing.reached(2);
    for (const KeyPress key : {typed('x'), press(Kind::up), press(Kind::down), press(Kind::other)})
        EXPECT_EQ(browsing.key(key), Move::stay);
    EXPECT_EQ(browsing.viewing(), 2);

    Controls plain{false, false};
    plain.reached(1);
    for (const KeyPress key : {press(Kind::left), press(Kind::home), typed(' '), typed('3'), press(Kind::other)})
        EXPECT_EQ(plain.key(key), Move::go_on);
}

TEST(AutoplayKeys, SpacePausesAndPlaysAndTheTimeGoesOnAsTheNextKeyWould) {
    Controls alone{false, true};
    alone.reached(1);
    EXPECT_TRUE(alone.playing());
    EXPECT_EQ(alone.key(typed(' ')), Move::stay);
    EXPECT_TRUE(alone.paused());
    EXPECT_EQ(alone.key(typed(' ')), Move::stay);
    EXPECT_TRUE(alone.playing());
    EXPECT_EQ(alone.key(press(Kind::left)), Move::go_on) << "without --browse any other key is the next step";
    EXPECT_EQ(alone.time_is_up(), Move::go_on);

    Controls both{true, true};
    for (int step = 1; step <= 3; ++step) both.reached(step);
    both.key(press(Kind::home));
    both.key(typed('2'));
    EXPECT_EQ(both.key(typed(' ')), Move::stay) << "Space is the pause, not the next step";
    EXPECT_TRUE(both.paused());
    EXPECT_EQ(both.typed(), "2");
    EXPECT_EQ(both.time_is_up(), Move::show) << "the time replays the kept steps";
    EXPECT_EQ(both.viewing(), 2);
    EXPECT_TRUE(both.typed().empty());
    EXPECT_EQ(both.time_is_up(), Move::show);
    EXPECT_EQ(both.time_is_up(), Move::go_on);

    Controls none{true, false};
    EXPECT_FALSE(none.playing());
    EXPECT_FALSE(none.paused());
}

// ---- The kept pictures ---------------------------------------------------------------------

// Reads a PNG into a picture; an empty one when it cannot.
bool read_picture(const std::string& path, Picture& picture) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
    if (image.width != Picture::width || image.height != Picture::height ||
        !png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    for (std::size_t i = 0; i < picture.pixels.size(); ++i)
        picture.pixels[i] = std::uint32_t(bytes[3 * i]) << 16 | std::uint32_t(bytes[3 * i + 1]) << 8 | bytes[3 * i + 2];
    return true;
}

TEST(KeptPictures, EveryPictureComesBackExactlyWhateverItsRunsAndColours) {
    Picture blank, noise, long_runs;
    std::uint32_t state = 12345;
    for (std::uint32_t& pixel : noise.pixels) pixel = (state = state * 1664525u + 1013904223u) >> 8;
    for (int y = 0; y < Picture::height; ++y)
        for (int x = 0; x < Picture::width; ++x) long_runs.at(x, y) = x < 300 ? 0xFF0000 : x < 557 ? 0x0000FA : 0x000000;
    PictureHistory history;
    for (const Picture* picture : {&blank, &noise, &long_runs}) history.keep(*picture);
    ASSERT_EQ(history.count(), 3);
    Picture shown;
    history.show(2, shown);
    EXPECT_EQ(shown.pixels, noise.pixels);
    history.show(3, shown);
    EXPECT_EQ(shown.pixels, long_runs.pixels);
    history.show(1, shown);
    EXPECT_EQ(shown.pixels, blank.pixels);
}

// Every step of every program, kept as the window keeps it: each comes back exactly, and the
// longest show's pictures together take far less than one picture's 1.9 MB.
TEST(KeptPictures, TheGoldenStepsComeBackExactlyAndStaySmall) {
    namespace fs = std::filesystem;
    const fs::path golden = fs::path(SOURCE_DIR) / "tests" / "golden";
    std::size_t most = 0;
    std::string most_by;
    int runs = 0;
    for (const fs::directory_entry& run : fs::directory_iterator(golden)) {
        if (!run.is_directory()) continue;
        std::vector<Picture> steps;
        for (int k = 1;; ++k) {
            char name[32];
            std::snprintf(name, sizeof name, "step-%03d.png", k);
            Picture picture;
            if (!fs::exists(run.path() / name)) break;
            ASSERT_TRUE(read_picture((run.path() / name).string(), picture)) << run.path() / name;
            steps.push_back(std::move(picture));
        }
        ASSERT_FALSE(steps.empty()) << run.path();
        PictureHistory history;
        for (const Picture& picture : steps) history.keep(picture);
        Picture shown;
        for (std::size_t k = 0; k < steps.size(); ++k) {
            history.show(static_cast<int>(k + 1), shown);
            ASSERT_EQ(shown.pixels, steps[k].pixels) << run.path() << " step " << k + 1;
        }
        if (history.bytes() > most) most = history.bytes(), most_by = run.path().filename().string();
        ++runs;
    }
    EXPECT_GE(runs, 13);
    std::printf("the most kept: %zu bytes, by %s\n", most, most_by.c_str());
    EXPECT_LT(most, std::size_t(1) << 20) << most_by;
}

// ---- A window show with pushed keys --------------------------------------------------------

void push_key(SDLKey key) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

std::string caption() {
    char* title = nullptr;
    char* icon = nullptr;
    SDL_WM_GetCaption(&title, &icon);
    return title != nullptr ? title : "";
}

// How many key presses still wait in the queue.
int keys_left() {
    SDL_PumpEvents();
    SDL_Event events[64];
    return SDL_PeepEvents(events, 64, SDL_PEEKEVENT, SDL_KEYDOWNMASK);
}

// Step k of these shows is the whole picture in colour k.
constexpr Uint8 step_colours[][3] = {{255, 0, 0}, {0, 250, 0}, {0, 0, 250}};

class BrowseShow : public ::testing::Test {
protected:
    void start(std::vector<std::string> arguments) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        platform_accepts_dummy_window = true;
        arguments.insert(arguments.begin(), "components");
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        start_frame(static_cast<int>(argv.size()), argv.data(), {"components", "a fixed graph", false});
    }
    void TearDown() override {
        EXPECT_EQ(end_show(), 0);
        SDL_Quit();
        screen = nullptr;
        platform_accepts_dummy_window = false;
    }
    // Draws step `k` (from 1) and waits at it.
    int show_step(int k) {
        const Uint8* c = step_colours[k - 1];
        SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, c[0], c[1], c[2]));
        SDL_Flip(screen);
        explain("Step %d was drawn.", k);
        return wait_step();
    }
    // The colour the window shows at (x, y) of the picture, as the number of the step drawn in it;
    // 0 for none of them.
    static int step_in_window(int x = 400, int y = 300) {
        SDL_Surface* window = SDL_GetVideoSurface();
        const Uint32 pixel = static_cast<const Uint32*>(window->pixels)[std::size_t(y) * (window->pitch / 4) + x];
        Uint8 r, g, b;
        SDL_GetRGB(pixel, window->format, &r, &g, &b);
        for (int k = 0; k < 3; ++k)
            if (r == step_colours[k][0] && g == step_colours[k][1] && b == step_colours[k][2]) return k + 1;
        return 0;
    }
};

TEST_F(BrowseShow, KeysGoBackAndForthAndOnlyLeavingTheNewestStepGoesOn) {
    start({"--browse"});
    push_key(SDLK_RIGHT);
    EXPECT_EQ(show_step(1), 0);
    EXPECT_EQ(keys_left(), 0);
    // At step 2: back to 1, forward to 2 (shown again), then on; the last Right is for step 3.
    for (const SDLKey key : {SDLK_LEFT, SDLK_PAGEDOWN, SDLK_SPACE, SDLK_RIGHT}) push_key(key);
    EXPECT_EQ(show_step(2), 0);
    EXPECT_EQ(keys_left(), 1) << "a key was taken for a step it did not reach";
    SDL_Event pending;
    SDL_PumpEvents();
    ASSERT_EQ(SDL_PeepEvents(&pending, 1, SDL_GETEVENT, SDL_KEYDOWNMASK), 1);  // the Right left from step 2
    // At step 3: "1" Enter jumps to step 1, "9" Enter goes nowhere, End comes back, Home goes to
    // step 1, Backspace finds nothing before it, End, Left and PageDown come back again: only the
    // last Enter, at the newest step, ends the wait. A key taken wrongly as the way on would leave
    // keys in the queue.
    for (const SDLKey key : {SDLK_1, SDLK_RETURN, SDLK_9, SDLK_RETURN, SDLK_END, SDLK_HOME, SDLK_BACKSPACE, SDLK_END,
                             SDLK_LEFT, SDLK_PAGEDOWN, SDLK_RETURN})
        push_key(key);
    EXPECT_EQ(show_step(3), 0);
    EXPECT_EQ(keys_left(), 0);
    EXPECT_EQ(step_in_window(), 3) << "the newest step is on screen as the show goes on";
    EXPECT_EQ(caption(), "components - step 3 of 3: Step 3 was drawn. - Right: end, Left: back");
}

TEST_F(BrowseShow, TheWindowShowsTheKeptStepAndTheCaptionSaysItIsAnEarlierOne) {
    start({"--browse"});
    push_key(SDLK_RIGHT);
    show_step(1);
    push_key(SDLK_RIGHT);
    show_step(2);
    // At step 3, back twice and then the window is closed: the close ends the wait where it is,
    // as it does without --browse, and the window still shows step 1.
    push_key(SDLK_LEFT);
    push_key(SDLK_PAGEUP);
    SDL_Event close{};
    close.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&close), 0);
    EXPECT_EQ(show_step(3), 1);
    EXPECT_EQ(step_in_window(), 1);
    EXPECT_EQ(caption(), "components - step 1 of 3 (an earlier step; the newest is step 3): Step 1 was drawn. - Right: next");
}

TEST_F(BrowseShow, AQuestionIsAskedOnlyTheFirstTimeItsStepIsReached) {
    start({"--browse", "--predict"});
    push_key(SDLK_RIGHT);
    show_step(1);
    ask(AnswerKind::number, "How many steps will have been drawn?");
    answer(2, "Two steps: this one and the first.");
    // Escape skips the question before step 2; back to step 1 and forward to step 2 again asks
    // nothing, so the next Right goes on. Were the question put again, it would take the Rights
    // and the close after them would end the wait.
    for (const SDLKey key : {SDLK_ESCAPE, SDLK_LEFT, SDLK_RIGHT, SDLK_RIGHT}) push_key(key);
    SDL_Event close{};
    close.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&close), 0);
    EXPECT_EQ(show_step(2), 0);
    EXPECT_EQ(keys_left(), 0);
    EXPECT_EQ(show_step(3), 1) << "the close waits for the next step";
}

TEST_F(BrowseShow, AutoplayGoesOnByItselfAndSpaceHoldsIt) {
    start({"--autoplay", "0.5"});
    const std::int64_t began = platform_now_us();
    EXPECT_EQ(show_step(1), 0);
    const std::int64_t waited = platform_now_us() - began;
    EXPECT_GE(waited, 480000);
    EXPECT_LT(waited, 3000000);
    EXPECT_EQ(caption(), "components - step 1 of 3: Step 1 was drawn. - playing, Space: pause - any key: next");
    // Paused, the step waits for a key; a key pressed then goes on.
    push_key(SDLK_SPACE);
    push_key(SDLK_a);
    EXPECT_EQ(show_step(2), 0);
    EXPECT_EQ(keys_left(), 0);
    EXPECT_EQ(caption(), "components - step 2 of 3: Step 2 was drawn. - paused, Space: play - any key: next");
    // The last step does not end the show by itself.
    push_key(SDLK_SPACE);
    push_key(SDLK_RIGHT);
    EXPECT_EQ(show_step(3), 0);
    EXPECT_EQ(caption(), "components - step 3 of 3: Step 3 was drawn. - played to the end - any key: end");
}

}  // namespace
