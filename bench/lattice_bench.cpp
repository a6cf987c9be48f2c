// Timings of the rasterisers that the lattice programs lean on (the wide band, the short bands of
// the lattice trees, discs and lines), of whole recorded runs of gridtrees and gridpath, and the
// frame rate that a paced animation stage achieves.
#include "kit.h"
#include "platform.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr Uint32 band_colour = 0x00FF0000;
std::string record_root;

LineRoutine routine_of(const benchmark::State& state) {
    return state.range(0) == 0 ? LineRoutine::clipped : LineRoutine::unclipped;
}

// A band 300 pixels long and 31 across, horizontal (range 1 = 0) or diagonal (range 1 = 1).
void wide_band(benchmark::State& state) {
    use_line_routine(routine_of(state));
    const int x1 = state.range(1) == 0 ? 400 : 312, y1 = state.range(1) == 0 ? 300 : 512;
    for (auto _ : state) draw_thick_line(100, 300, x1, y1, 15, band_colour);
    benchmark::ClobberMemory();
}
BENCHMARK(wide_band)->ArgNames({"unclipped", "diagonal"})->ArgsProduct({{0, 1}, {0, 1}});

// The tree edge of gridtrees: 18 pixels, half-width 1, on the unclipped line routine.
void lattice_edge_band(benchmark::State& state) {
    use_line_routine(LineRoutine::unclipped);
    const bool vertical = state.range(0) == 1;
    for (auto _ : state)
        draw_thick_line(298, 298, vertical ? 298 : 316, vertical ? 316 : 298, 1, band_colour);
    benchmark::ClobberMemory();
}
BENCHMARK(lattice_edge_band)->ArgName("vertical")->Arg(0)->Arg(1);

void disc(benchmark::State& state) {
    const int r = static_cast<int>(state.range(0));
    for (auto _ : state) fill_disc(400, 300, r, band_colour);
    benchmark::ClobberMemory();
}
BENCHMARK(disc)->ArgName("radius")->Arg(0)->Arg(2)->Arg(5)->Arg(50);

// A clipped line of 300 pixels along its major axis, gentle and steep.
void line(benchmark::State& state) {
    const bool steep = state.range(0) == 1;
    for (auto _ : state) draw_line(100, 100, steep ? 250 : 400, steep ? 400 : 250, band_colour);
    benchmark::ClobberMemory();
}
BENCHMARK(line)->ArgName("steep")->Arg(0)->Arg(1);

// A paced stage of gridtrees: each frame draws one tree edge and is paced as in a window at 60
// frames per second. The "frames_per_second" counter is the rate the stage achieves.
void paced_tree_stage(benchmark::State& state) {
    use_line_routine(LineRoutine::unclipped);
    int edge = 0;
    for (auto _ : state) {
        const int y = 10 + (edge++ % 32) * 18;
        draw_thick_line(10, y, 28, y, 1, band_colour);
        pace_frame();
    }
    state.counters["frames_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(paced_tree_stage)->Iterations(300)->Unit(benchmark::kMillisecond)->UseRealTime();

// A whole run as a child process, without a window: start-up, every animation frame, the PNGs.
// Wall-clock time, since the work is done in the child.
void recorded_run(benchmark::State& state, const char* program, const char* arguments) {
    const std::string folder = record_root + "/" + program;
    const std::string command = std::string(PROGRAM_DIR) + "/" + program + " --record " + folder +
                                " " + arguments + " >/dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("the program did not finish cleanly");
            break;
        }
    }
}
BENCHMARK_CAPTURE(recorded_run, gridtrees, "gridtrees", "")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(recorded_run, gridpath, "gridpath", "--seed 1")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char* argv[]) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    // A show in a window that nobody sees, paced as a real one at 60 frames per second.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    platform_accepts_dummy_window = true;
    char name[] = "lattice_bench", fps[] = "--fps", rate[] = "60";
    char* show_arguments[] = {name, fps, rate};
    start_frame(3, show_arguments, {"lattice_bench", "benchmarks", false, true});
    char folder[] = "/tmp/lattice_bench.XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        std::perror("lattice_bench: cannot make a folder for the recorded runs");
        return 1;
    }
    record_root = folder;

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(record_root);
    return end_show();
}
