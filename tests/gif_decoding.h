// Decodes an animated GIF with giflib, frame by frame as a viewer composes it, into whatever
// picture type a test keeps: `paint(x, y, r, g, b)` for every pixel a frame gives (transparent
// ones are left as they were), then `frame_done(control)` once the frame is composed.
#pragma once

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

struct GifFile {
    int width = 0, height = 0;
    bool loops_forever = false;
    int frames = 0;
};

template <typename Paint, typename FrameDone>
GifFile decode_gif(const std::string& path, Paint paint, FrameDone frame_done) {
    GifFile file;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (gif == nullptr || DGifSlurp(gif) != GIF_OK) {
        ADD_FAILURE() << "cannot decode " << path << ": " << GifErrorString(gif ? gif->Error : error);
        if (gif != nullptr) DGifCloseFile(gif, &error);
        return file;
    }
    file.width = gif->SWidth;
    file.height = gif->SHeight;
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        for (int e = 0; e + 1 < image.ExtensionBlockCount; ++e) {
            const ExtensionBlock* block = &image.ExtensionBlocks[e];
            if (block[0].ByteCount == 11 && std::memcmp(block[0].Bytes, "NETSCAPE2.0", 11) == 0)
                file.loops_forever = block[1].ByteCount == 3 && std::memcmp(block[1].Bytes, "\1\0\0", 3) == 0;
        }
        GraphicsControlBlock control{};
        EXPECT_EQ(DGifSavedExtensionToGCB(gif, i, &control), GIF_OK) << "frame " << i;
        EXPECT_EQ(control.DisposalMode, DISPOSE_DO_NOT) << "frame " << i;

        const GifImageDesc& rect = image.ImageDesc;
        const ColorMapObject* map = rect.ColorMap != nullptr ? rect.ColorMap : gif->SColorMap;
        if (map == nullptr || rect.Left < 0 || rect.Top < 0 || rect.Left + rect.Width > file.width ||
            rect.Top + rect.Height > file.height) {
            ADD_FAILURE() << "frame " << i << " has no colour map or lies outside the picture";
            break;
        }
        for (int y = 0; y < rect.Height; ++y)
            for (int x = 0; x < rect.Width; ++x) {
                const int index = image.RasterBits[y * rect.Width + x];
                if (index == control.TransparentColor) continue;  // left as it was
                EXPECT_LT(index, map->ColorCount) << "frame " << i;
                const GifColorType& c = map->Colors[std::min(index, map->ColorCount - 1)];
                paint(rect.Left + x, rect.Top + y, c.Red, c.Green, c.Blue);
            }
        ++file.frames;
        frame_done(control);
    }
    DGifCloseFile(gif, &error);
    return file;
}
