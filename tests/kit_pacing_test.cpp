// The pacing of animated stages, driven by a made-up clock: time moves only when the animation
// works or the pacing sleeps.
#include "pacing.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::int64_t fake_now = 0;
std::vector<std::int64_t> sleeps;
bool key_waiting = false;
int key_looks = 0;

std::int64_t fake_now_us() { return fake_now; }
void fake_sleep_us(std::int64_t microseconds) {
    sleeps.push_back(microseconds);
    fake_now += microseconds;
}
bool fake_skip_requested() {
    ++key_looks;
    const bool taken = key_waiting;
    key_waiting = false;  // the skip uses the key up
    return taken;
}
constexpr PacingClock fake_clock{fake_now_us, fake_sleep_us, fake_skip_requested};

class Pacer : public ::testing::Test {
protected:
    void SetUp() override {
        fake_now = 1000000;
        sleeps.clear();
        key_waiting = false;
        key_looks = 0;
    }
    // Draws `frames` frames that each take `work` microseconds, pacing after every flip; returns
    // the times of the flips.
    std::vector<std::int64_t> animate(int frames, std::int64_t work) {
        std::vector<std::int64_t> flips;
        for (int i = 0; i < frames; ++i) {
            fake_now += work;
            flips.push_back(fake_now);
            pace(pacing, fake_clock);
        }
        return flips;
    }
    static std::vector<std::int64_t> gaps(const std::vector<std::int64_t>& flips) {
        std::vector<std::int64_t> between;
        for (std::size_t i = 1; i < flips.size(); ++i) between.push_back(flips[i] - flips[i - 1]);
        return between;
    }
    Pacing pacing;
};

// The first frame of a stage waits a whole interval after its flip, then each frame's drawing
// starts one interval after the last, so the flips follow one another an interval apart.
TEST_F(Pacer, FramesAreSpacedASixtiethOfASecond) {
    const std::vector<std::int64_t> between = gaps(animate(20, 3000));
    EXPECT_EQ(between.front(), 16666 + 3000);
    for (std::size_t i = 1; i < between.size(); ++i) EXPECT_EQ(between[i], 16666) << i;
}

TEST_F(Pacer, RateFollowsTheSetting) {
    pacing.frames_per_second = 25;
    const std::vector<std::int64_t> between = gaps(animate(10, 1000));
    for (std::size_t i = 1; i < between.size(); ++i) EXPECT_EQ(between[i], 40000) << i;
}

TEST_F(Pacer, LateFramesAreNeitherDelayedNorMadeUpFor) {
    const std::vector<std::int64_t> between_slow = gaps(animate(10, 30000));
    EXPECT_EQ(sleeps.size(), 1u);  // only the stage's first frame, before any frame was late
    for (std::size_t i = 1; i < between_slow.size(); ++i) EXPECT_EQ(between_slow[i], 30000) << i;

    // One slow frame in a fast run: the frames after it keep their spacing, with no burst.
    sleeps.clear();
    Pacing fresh;
    pacing = fresh;
    std::vector<std::int64_t> flips = animate(3, 1000);
    fake_now += 100000;
    const std::vector<std::int64_t> after = animate(5, 1000);
    flips.insert(flips.end(), after.begin(), after.end());
    const std::vector<std::int64_t> between = gaps(flips);
    EXPECT_EQ(between[2], 16666 - 1000 + 100000 + 1000);  // the slow frame
    EXPECT_EQ(between[3], 1000);                          // drawn at once after it
    for (std::size_t i = 4; i < between.size(); ++i) EXPECT_EQ(between[i], 16666) << i;
}

TEST_F(Pacer, KeyRunsTheRestOfTheStageUnpacedAndIsUsedUp) {
    animate(3, 1000);
    const std::size_t paced_sleeps = sleeps.size();
    key_waiting = true;
    animate(1, 1000);
    EXPECT_FALSE(key_waiting);  // taken by the skip, not left for the wait after the stage
    const int looks = key_looks;
    animate(20, 1000);
    EXPECT_EQ(key_looks, looks);  // the queue is left alone for the rest of the stage
    EXPECT_EQ(sleeps.size(), paced_sleeps);
    EXPECT_TRUE(pacing.skipping);

    // The next stage is paced again from its start.
    end_stage(pacing);
    const std::vector<std::int64_t> next = gaps(animate(5, 1000));
    for (std::size_t i = 1; i < next.size(); ++i) EXPECT_EQ(next[i], 16666) << i;
}

TEST_F(Pacer, RateZeroNeverSleepsNorLooksAtTheQueue) {
    pacing.frames_per_second = 0;
    animate(50, 100);
    EXPECT_TRUE(sleeps.empty());
    EXPECT_EQ(key_looks, 0);
}

TEST_F(Pacer, NewStageDoesNotInheritTheLastSchedule) {
    animate(5, 1000);
    end_stage(pacing);
    fake_now += 5000000;  // the viewer looked at the picture for five seconds
    sleeps.clear();
    const std::vector<std::int64_t> flips = animate(3, 1000);
    ASSERT_EQ(sleeps.size(), 3u);
    EXPECT_EQ(sleeps.front(), 16666);  // not a catch-up of five seconds, not a wait of zero
}

}  // namespace
