// --gif: the animated GIF decoded back, frame by frame as a viewer composes it, against the
// pictures that --record writes for the same show.
#include "gif_decoding.h"
#include "recording.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <sys/stat.h>

namespace {

struct GifShow {
    std::vector<int> delays;  // per frame, in hundredths of a second
    bool loops_forever = false;
};

// Decodes the GIF and hands each frame, composed over the frames before it, to `frame`.
GifShow read_gif(const std::string& path, const std::function<void(const Picture&, int delay)>& frame) {
    GifShow show;
    Picture canvas{800, 600, {}};
    canvas.pixels.assign(800 * 600, Rgb{1, 2, 3});
    const GifFile file = decode_gif(
        path,
        [&](int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
            canvas.pixels[static_cast<std::size_t>(y) * canvas.width + x] = {r, g, b};
        },
        [&](const GraphicsControlBlock& control) {
            show.delays.push_back(control.DelayTime);
            frame(canvas, control.DelayTime);
        });
    EXPECT_EQ(file.width, 800);
    EXPECT_EQ(file.height, 600);
    show.loops_forever = file.loops_forever;
    return show;
}

long file_size(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 ? static_cast<long>(info.st_size) : -1;
}

std::string step_path(const std::string& folder, int step) {
    char name[32];
    std::snprintf(name, sizeof name, "/pictures/step-%03d.png", step);
    return folder + name;
}

Picture step_picture(const std::string& folder, int step) { return read_png(step_path(folder, step)); }

// Records the program into pictures/ and show.gif of a fresh folder; returns the folder.
std::string record_with_gif(const std::string& program, const std::string& extra_arguments, int& steps) {
    const std::string folder = make_temp_folder();
    const ProgramRun run =
        run_in(folder, "'" + program_path(program) + "' --record pictures --gif show.gif " + extra_arguments);
    EXPECT_EQ(run.exit_status, 0) << program << ": " << run.err;
    steps = 0;
    while (file_size(step_path(folder, steps + 1)) > 0) ++steps;
    return folder;
}

TEST(GifAnimation, EveryStepIsOneFrameWithTheRecordedPictureHeldForASecondAndAHalf) {
    int steps = 0;
    const std::string folder = record_with_gif("components", "", steps);
    ASSERT_EQ(steps, 24);
    int frame = 0;
    const GifShow gif = read_gif(folder + "/show.gif", [&](const Picture& picture, int) {
        if (++frame <= steps) {
            EXPECT_TRUE(picture.pixels == step_picture(folder, frame).pixels) << frame;
        }
    });
    EXPECT_EQ(gif.delays, std::vector<int>(steps, 150));
    EXPECT_TRUE(gif.loops_forever);
    EXPECT_LT(file_size(folder + "/show.gif"), 20000);  // only what changed is stored
}

TEST(GifAnimation, AnimatedStagesAreSampledToPlayInAFewSecondsBetweenTheRecordedSteps) {
    // gridtrees grows two trees of 1088 edges between its steps; gridpath opens with its search.
    for (const std::string program : {"gridtrees", "gridpath"}) {
        int steps = 0;
        const std::string folder = record_with_gif(program, program == "gridpath" ? "--seed 7" : "", steps);
        ASSERT_GT(steps, 0) << program;
        int steps_seen = 0;
        Picture first, last;
        const GifShow gif = read_gif(folder + "/show.gif", [&](const Picture& picture, int delay) {
            if (first.pixels.empty()) first = picture;
            last = picture;
            if (delay == 150 && ++steps_seen <= steps) {
                EXPECT_TRUE(picture.pixels == step_picture(folder, steps_seen).pixels) << program << steps_seen;
            }
        });
        EXPECT_EQ(steps_seen, steps) << program;
        EXPECT_TRUE(last.pixels == step_picture(folder, steps).pixels) << program;
        EXPECT_EQ(first.pixels == step_picture(folder, 1).pixels, program == "gridtrees") << program;
        // A stage is the run of frames between two steps.
        std::vector<int> stages{0};
        for (int delay : gif.delays) {
            if (delay != 150) stages.back() += delay;
            else if (stages.back() > 0) stages.push_back(0);
        }
        if (stages.back() == 0) stages.pop_back();
        EXPECT_EQ(stages.size(), program == "gridtrees" ? 2u : 1u) << program;
        for (int length : stages) {
            EXPECT_GE(length, 500) << program;
            EXPECT_LE(length, 1000) << program;
        }
        EXPECT_LT(gif.delays.size(), 250u) << program;
        EXPECT_LT(file_size(folder + "/show.gif"), 300000) << program;
    }
}

TEST(GifFailures, UnwritableGifIsOneClearLineAndAFailure) {
    const std::string folder = make_temp_folder();
    std::ofstream(folder + "/plain-file") << "not a folder";
    ASSERT_EQ(mkdir((folder + "/in-the-way.gif").c_str(), 0777), 0);
    const std::string components = "'" + program_path("components") + "'";
    for (const std::string path : {"missing-folder/show.gif", "plain-file/show.gif", "in-the-way.gif"}) {
        const ProgramRun run = run_in(folder, components + " --gif " + path);
        EXPECT_EQ(run.exit_status, 1) << path;
        EXPECT_EQ(run.err.rfind("components: cannot write the GIF " + path + ": ", 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    // A device that refuses every byte: the show runs, and its end is not taken for success.
    if (file_size("/dev/full") >= 0) {
        const ProgramRun full = run_in(folder, components + " --gif /dev/full");
        EXPECT_EQ(full.exit_status, 1);
        EXPECT_NE(full.err.find("cannot write the GIF /dev/full: No space left on device"), std::string::npos)
            << full.err;
    }
}

}  // namespace
