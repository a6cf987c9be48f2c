// --gif: the animated GIF decoded back, frame by frame as a viewer composes it, against the
// pictures that --record writes for the same show.
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
    long bytes = 0;
};

// Decodes the GIF and hands each frame, composed over the frames before it, to `frame`.
GifShow read_gif(const std::string& path, const std::function<void(const Picture&, int delay)>& frame) {
    GifShow show;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (gif == nullptr) {
        ADD_FAILURE() << "cannot open " << path << ": " << GifErrorString(error);
        return show;
    }
    if (DGifSlurp(gif) != GIF_OK) {
        ADD_FAILURE() << "cannot decode " << path << ": " << GifErrorString(gif->Error);
        DGifCloseFile(gif, &error);
        return show;
    }
    Picture canvas;
    canvas.width = gif->SWidth;
    canvas.height = gif->SHeight;
    canvas.pixels.assign(static_cast<std::size_t>(canvas.width) * canvas.height, Rgb{1, 2, 3});
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        for (int e = 0; e + 1 < image.ExtensionBlockCount; ++e) {
            const ExtensionBlock& block = image.ExtensionBlocks[e];
            const ExtensionBlock& next = image.ExtensionBlocks[e + 1];
            if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
                std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0 && next.ByteCount == 3)
                show.loops_forever = next.Bytes[0] == 1 && next.Bytes[1] == 0 && next.Bytes[2] == 0;
        }
        GraphicsControlBlock control{};
        EXPECT_EQ(DGifSavedExtensionToGCB(gif, i, &control), GIF_OK) << "frame " << i;
        EXPECT_EQ(control.DisposalMode, DISPOSE_DO_NOT) << "frame " << i;
        show.delays.push_back(control.DelayTime);

        const GifImageDesc& rect = image.ImageDesc;
        const ColorMapObject* map = rect.ColorMap != nullptr ? rect.ColorMap : gif->SColorMap;
        if (map == nullptr || rect.Left < 0 || rect.Top < 0 || rect.Left + rect.Width > canvas.width ||
            rect.Top + rect.Height > canvas.height) {
            ADD_FAILURE() << "frame " << i << " has no colour map or lies outside the picture";
            break;
        }
        for (int y = 0; y < rect.Height; ++y)
            for (int x = 0; x < rect.Width; ++x) {
                const int index = image.RasterBits[y * rect.Width + x];
                if (index == control.TransparentColor) continue;  // left as it was
                if (index >= map->ColorCount) {
                    ADD_FAILURE() << "frame " << i << " names colour " << index << " of " << map->ColorCount;
                    continue;
                }
                const GifColorType& c = map->Colors[index];
                canvas.pixels[static_cast<std::size_t>(rect.Top + y) * canvas.width + rect.Left + x] =
                    {c.Red, c.Green, c.Blue};
            }
        frame(canvas, control.DelayTime);
    }
    DGifCloseFile(gif, &error);
    struct stat info;
    if (stat(path.c_str(), &info) == 0) show.bytes = static_cast<long>(info.st_size);
    return show;
}

struct Show {
    ProgramRun run;
    std::string folder;  // holds pictures/step-NNN.png and show.gif
};

Show record_with_gif(const std::string& program, const std::string& extra_arguments = "") {
    Show show;
    show.folder = make_temp_folder();
    show.run = run_in(show.folder, "'" + program_path(program) + "' --record pictures --gif show.gif " +
                                       extra_arguments);
    return show;
}

std::string step_png(const Show& show, int step) {
    char name[32];
    std::snprintf(name, sizeof name, "/pictures/step-%03d.png", step);
    return show.folder + name;
}

bool exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

int steps_recorded(const Show& show) {
    int steps = 0;
    while (exists(step_png(show, steps + 1))) ++steps;
    return steps;
}

TEST(GifAnimation, EveryStepIsOneFrameWithTheRecordedPictureHeldForASecondAndAHalf) {
    const Show show = record_with_gif("components");
    ASSERT_EQ(show.run.exit_status, 0) << show.run.err;
    const int steps = steps_recorded(show);
    ASSERT_EQ(steps, 24);
    int frame = 0;
    const GifShow gif = read_gif(show.folder + "/show.gif", [&](const Picture& picture, int) {
        ++frame;
        if (frame <= steps) {
            EXPECT_TRUE(picture.pixels == read_png(step_png(show, frame)).pixels) << "frame " << frame;
        }
    });
    EXPECT_EQ(gif.delays, std::vector<int>(steps, 150));
    EXPECT_TRUE(gif.loops_forever);
    // Only what changed is stored: far less than 24 full pictures.
    EXPECT_LT(gif.bytes, 20000);
}

// An animated stage is the run of frames between two steps that are not held for a step.
std::vector<int> stage_lengths(const std::vector<int>& delays) {
    std::vector<int> stages;
    int length = 0;
    for (int delay : delays) {
        if (delay != 150) {
            length += delay;
        } else if (length > 0) {
            stages.push_back(length);
            length = 0;
        }
    }
    if (length > 0) stages.push_back(length);
    return stages;
}

TEST(GifAnimation, AnimatedStagesAreSampledToPlayInAFewSecondsBetweenTheRecordedSteps) {
    // gridtrees grows two trees of 1088 edges between its steps; gridpath opens with its search.
    for (const char* program : {"gridtrees", "gridpath"}) {
        const Show show = record_with_gif(program, program == std::string("gridpath") ? "--seed 7" : "");
        ASSERT_EQ(show.run.exit_status, 0) << program << ": " << show.run.err;
        const int steps = steps_recorded(show);
        int frames = 0, steps_seen = 0;
        Picture first, last;
        const GifShow gif = read_gif(show.folder + "/show.gif", [&](const Picture& picture, int delay) {
            if (++frames == 1) first = picture;
            last = picture;
            if (delay == 150 && ++steps_seen <= steps) {
                EXPECT_TRUE(picture.pixels == read_png(step_png(show, steps_seen)).pixels)
                    << program << " step " << steps_seen;
            }
        });
        EXPECT_EQ(steps_seen, steps) << program;
        EXPECT_TRUE(last.pixels == read_png(step_png(show, steps)).pixels) << program;
        if (program == std::string("gridtrees")) {
            EXPECT_TRUE(first.pixels == read_png(step_png(show, 1)).pixels);
        }
        const std::vector<int> stages = stage_lengths(gif.delays);
        EXPECT_EQ(stages.size(), program == std::string("gridtrees") ? 2u : 1u) << program;
        for (int length : stages) {
            EXPECT_GE(length, 500) << program;
            EXPECT_LE(length, 1000) << program;
        }
        EXPECT_LT(frames, 250) << program;
        EXPECT_LT(gif.bytes, 300000) << program;
    }
}

TEST(GifFailures, UnwritableGifIsOneClearLineAndAFailure) {
    const std::string folder = make_temp_folder();
    std::ofstream(folder + "/plain-file") << "not a folder";
    ASSERT_EQ(mkdir((folder + "/in-the-way.gif").c_str(), 0777), 0);
    const std::string components = "'" + program_path("components") + "'";
    for (const char* path : {"missing-folder/show.gif", "plain-file/show.gif", "in-the-way.gif"}) {
        const ProgramRun run = run_in(folder, components + " --gif " + path);
        EXPECT_EQ(run.exit_status, 1) << path;
        EXPECT_EQ(run.err.rfind("components: cannot write the GIF " + std::string(path) + ": ", 0), 0u)
            << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_FALSE(exists(folder + "/missing-folder"));
    // A device that refuses every byte: the show runs, and its end is not taken for success.
    if (exists("/dev/full")) {
        const ProgramRun full = run_in(folder, components + " --gif /dev/full");
        EXPECT_EQ(full.exit_status, 1);
        EXPECT_NE(full.err.find("cannot write the GIF /dev/full: No space left on device"), std::string::npos)
            << full.err;
    }
}

}  // namespace
