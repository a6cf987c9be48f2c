// The random numbers of the programs that draw a random graph: the additive feedback generator of
// the GNU C library's rand (its default, 34 words of state of which 31 feed back), written out so
// that a seed draws the same graph on every platform, whatever that platform's own rand does.
#include "kit.h"

#include <cstdint>

namespace {

constexpr int degree = 31;     // the words of state that feed back
constexpr int separation = 3;  // the second tap: word i is word i - 31 plus word i - 3
constexpr int discarded = 310; // draws spent after seeding, so that a small seed is forgotten

std::int32_t state[degree];
bool seeded = false;
int front = separation;  // the word that receives the next sum
int rear = 0;            // the word it is summed with

std::int32_t next_word() {
    // Unsigned, as the library adds: the sum wraps rather than overflowing.
    const std::uint32_t sum = std::uint32_t(state[front]) + std::uint32_t(state[rear]);
    state[front] = static_cast<std::int32_t>(sum);
    front = (front + 1) % degree;
    rear = (rear + 1) % degree;
    return static_cast<std::int32_t>(sum >> 1);
}

}  // namespace

void seed_random(unsigned int seed) {
    // Seed 0 is taken as 1, as the library takes it.
    std::int32_t word = seed == 0 ? 1 : static_cast<std::int32_t>(seed);
    state[0] = word;
    // The Park-Miller minimal standard generator fills the rest: 16807 * word mod (2^31 - 1),
    // by Schrage's method so that no product overflows.
    for (int i = 1; i < degree; ++i) {
        const std::int64_t high = word / 127773, low = word % 127773;
        word = static_cast<std::int32_t>(16807 * low - 2836 * high);
        if (word < 0) word += 2147483647;
        state[i] = word;
    }
    front = separation;
    rear = 0;
    seeded = true;
    for (int i = 0; i < discarded; ++i) next_word();
}

int random_number() {
    if (!seeded) seed_random(1);  // unseeded, the library's rand draws as if seeded with 1
    return next_word();
}
