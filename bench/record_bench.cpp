// What recording costs: capturing the surface, writing one step's picture as a PNG, a whole
// recorded program, and the whole gallery of ./demo --gallery. Real pictures: components' 24 steps
// are recorded once at start-up and read back.
#include "capture.h"
#include "kit.h"
#include "png_file.h"

#include <benchmark/benchmark.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string work;
std::vector<Picture> steps;

bool read_picture(const std::string& path, Picture& picture) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) return false;
    for (std::size_t i = 0; i < picture.pixels.size(); ++i)
        picture.pixels[i] = std::uint32_t(bytes[3 * i]) << 16 | std::uint32_t(bytes[3 * i + 1]) << 8 | bytes[3 * i + 2];
    return true;
}

// One step's picture written as recording writes it, cycling through components' steps.
void picture_write(benchmark::State& state) {
    const std::string path = work + "/bench.png";
    std::string why;
    std::size_t k = 0;
    for (auto _ : state) {
        if (!write_png(path, steps[k++ % steps.size()], why)) {
            state.SkipWithError(why.c_str());
            break;
        }
    }
}
BENCHMARK(picture_write)->Unit(benchmark::kMillisecond);

// The surface read into a picture when every row has changed (a step after a new page).
void capture_whole_surface(benchmark::State& state) {
    Capture capture;
    Uint32* pixels = static_cast<Uint32*>(screen->pixels);
    Uint32 colour = 0;
    for (auto _ : state) {
        for (int y = 0; y < screen_height; ++y) pixels[y * screen_width] = ++colour;  // every row differs
        capture.take(*screen);
        benchmark::DoNotOptimize(capture.picture().pixels.data());
    }
}
BENCHMARK(capture_whole_surface)->Unit(benchmark::kMicrosecond);

// A whole command, in wall-clock time since the work is done in children.
void command(benchmark::State& state, const std::string& line) {
    for (auto _ : state) {
        if (std::system((line + " >/dev/null").c_str()) != 0) {
            state.SkipWithError("the command did not finish cleanly");
            break;
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    char folder[] = "/tmp/record_bench.XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        std::perror("record_bench: cannot make a working folder");
        return 1;
    }
    work = folder;
    const std::string components = std::string(PROGRAM_DIR) + "/components --record " + work + "/components";
    if (std::system((components + " >/dev/null").c_str()) != 0) {
        std::fprintf(stderr, "record_bench: cannot record components\n");
        return 1;
    }
    for (int k = 1;; ++k) {
        char name[40];
        std::snprintf(name, sizeof name, "/components/step-%03d.png", k);
        Picture picture;
        if (!read_picture(work + name, picture)) break;
        steps.push_back(picture);
    }
    screen = SDL_CreateRGBSurface(SDL_SWSURFACE, screen_width, screen_height, 32, 0x00FF0000, 0x0000FF00,
                                  0x000000FF, 0);
    if (steps.empty() || screen == nullptr) {
        std::fprintf(stderr, "record_bench: no pictures to write\n");
        return 1;
    }

    benchmark::RegisterBenchmark("recorded_run/components", command, components)
        ->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("demo_gallery", command,
                                 "'" + std::string(SOURCE_DIR) + "/demo' --gallery '" + work + "/gallery'")
        ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SDL_FreeSurface(screen);
    std::filesystem::remove_all(work);
    return 0;
}
