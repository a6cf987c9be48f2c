// The teaching window's panel laid out on made-up text, with a made-up font of 10 pixels a
// character: every line fits, no word is lost or reordered, a table too wide comes in blocks that
// each repeat its heading column, and what does not fit is cut with a mark above the keys; and the
// window that holds the panel, on the screens a class has.
#include "panel_layout.h"
#include "window_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int char_width = 10;

int measure(PanelStyle, const std::string& text) { return static_cast<int>(text.size()) * char_width; }

std::string joined_text(const PanelLayout& layout, PanelStyle style) {
    std::string text;
    for (const PanelLine& line : layout.lines)
        if (line.style == style) text += (text.empty() ? "" : " ") + line.text;
    return text;
}

TEST(Panel, WrapsAtSpacesBreaksOverlongWordsAndKeepsEveryWordInOrderAtAnyScale) {
    const std::string sentence = "Edge 5-0 leads to vertex 0, which is discovered but not finished: it is on the "
                                 "stack, an ancestor of 5. So 5-0 is a back edge and closes the cycle 0-1-4-3-5-0.";
    const std::string question = "Which vertex does the search discover next? 0123456789012345678901234567890123456789";
    for (const int scale : {1, 2}) {
        const int width = 224 * scale;
        const PanelLayout layout = lay_out_panel({{PanelStyle::text, sentence, {}}, {PanelStyle::strong, question, {}}},
                                                 width, 600 * scale, 24 * scale,
                                                 [scale](PanelStyle style, const std::string& text) {
                                                     return measure(style, text) * scale;
                                                 });
        EXPECT_FALSE(layout.cut);
        int last_top = -1;
        for (const PanelLine& line : layout.lines) {
            EXPECT_LE(measure(line.style, line.text) * scale, width) << line.text;
            EXPECT_GT(line.top, last_top);
            last_top = line.top;
        }
        EXPECT_EQ(joined_text(layout, PanelStyle::text), sentence);
        // The overlong "word" is broken where it reaches the edge, the rest of the question kept.
        std::string strong;
        for (const PanelLine& line : layout.lines)
            if (line.style == PanelStyle::strong) strong += line.text + "|";
        EXPECT_EQ(strong, "Which vertex does the|search discover next?|0123456789012345678901|234567890123456789|");
    }
}

TEST(Panel, TableTooWideComesInBlocksEachWithItsHeadingColumn) {
    PanelParagraph table{PanelStyle::grid, "", {{"vertex"}, {"parent"}}};
    for (int v = 0; v < 12; ++v) {
        table.rows[0].push_back(std::to_string(v));
        table.rows[1].push_back(v == 0 ? "-" : std::to_string(v - 1));
    }
    const PanelLayout layout = lay_out_panel({table}, 224, 600, 24, measure);
    ASSERT_FALSE(layout.cut);
    std::vector<std::string> vertices;
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        const PanelLine& line = layout.lines[i];
        ASSERT_EQ(line.style, PanelStyle::grid);
        ASSERT_FALSE(line.cells.empty());
        EXPECT_EQ(line.cells[0], i % 2 == 0 ? "vertex" : "parent");
        EXPECT_LE(line.heading_width + line.cell_width * static_cast<int>(line.cells.size() - 1), 224);
        if (i % 2 == 0) {
            vertices.insert(vertices.end(), line.cells.begin() + 1, line.cells.end());
        } else {
            EXPECT_EQ(line.cells.size(), layout.lines[i - 1].cells.size()) << "a block's rows differ in length";
        }
    }
    EXPECT_GT(layout.lines.size(), 2u) << "twelve columns fit 224 pixels";
    ASSERT_EQ(vertices.size(), 12u);
    for (int v = 0; v < 12; ++v) EXPECT_EQ(vertices[static_cast<std::size_t>(v)], std::to_string(v));
}

TEST(Panel, WhatDoesNotFitIsCutWithAMarkAndTheKeysStayAtTheFoot) {
    std::vector<PanelParagraph> paragraphs{{PanelStyle::heading, "Step 3 of 15", {}}};
    for (int i = 0; i < 30; ++i) paragraphs.push_back({PanelStyle::text, "line " + std::to_string(i), {}});
    paragraphs.push_back({PanelStyle::keys, "Any key: next step. F1: legend", {}});
    const int height = 300, line_height = 24;
    const PanelLayout layout = lay_out_panel(paragraphs, 400, height, line_height, measure);
    ASSERT_TRUE(layout.cut);
    const PanelLine& keys = layout.lines.back();
    EXPECT_EQ(keys.style, PanelStyle::keys);
    EXPECT_EQ(keys.top + line_height, height);
    const PanelLine& mark = layout.lines[layout.lines.size() - 2];
    EXPECT_EQ(mark.text, panel_cut_mark);
    for (const PanelLine& line : layout.lines) {
        if (line.style != PanelStyle::keys) {
            EXPECT_LE(line.top + line_height, keys.top) << line.text << " over the keys";
        }
    }
    EXPECT_EQ(layout.lines.front().text, "Step 3 of 15");
    EXPECT_EQ(layout.lines[1].text, "line 0") << "the first paragraphs are the ones kept";
}

}  // namespace

namespace {

// The window with its panel on the screens a class has: the picture whole at a whole scale, the
// panel beside it in what the screen leaves, and a scale brought down only with a note.
TEST(WindowLayout, PictureAndPanelFitTheScreenAtTheLargestWholeScale) {
    struct Case {
        int scale;
        bool fullscreen;
        int screen_width, screen_height;
        int shown_scale, width, panel_width;
        bool noted;
    };
    for (const Case& c : {Case{1, false, 1920, 1080, 1, 1200, 400, false}, Case{1, false, 1024, 768, 1, 1024, 224, false},
                          Case{2, false, 1024, 768, 1, 1024, 224, true}, Case{2, false, 2048, 1536, 2, 2048, 448, false},
                          Case{1, true, 1024, 768, 1, 1024, 224, false}, Case{1, true, 2048, 1536, 2, 2048, 448, false},
                          Case{1, true, 1920, 1080, 1, 1920, 1120, false}, Case{3, false, 0, 0, 3, 3600, 1200, false}}) {
        const WindowLayout layout = lay_out_window(c.scale, c.fullscreen, true, c.screen_width, c.screen_height);
        const std::string name = std::to_string(c.scale) + (c.fullscreen ? " full screen on " : " on ") +
                                 std::to_string(c.screen_width) + "x" + std::to_string(c.screen_height);
        EXPECT_EQ(layout.scale, c.shown_scale) << name;
        EXPECT_EQ(layout.width, c.width) << name;
        EXPECT_EQ(layout.panel_width, c.panel_width) << name;
        EXPECT_EQ(layout.panel_left, 800 * layout.scale) << name << ": the panel over the picture";
        EXPECT_EQ(layout.picture_left, 0) << name;
        EXPECT_GE(layout.picture_top, 0) << name;
        EXPECT_LE(layout.picture_top + 600 * layout.scale, layout.height) << name;
        EXPECT_EQ(!layout.note.empty(), c.noted) << name << ": " << layout.note;
    }
    // Without a panel the picture stands alone, centred full screen, as it always has.
    const WindowLayout alone = lay_out_window(1, true, false, 1024, 768);
    EXPECT_EQ(alone.panel_width, 0);
    EXPECT_EQ(alone.picture_left, 112);
    EXPECT_EQ(alone.picture_top, 84);
}

}  // namespace
