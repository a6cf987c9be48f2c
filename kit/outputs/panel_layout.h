// The words beside the picture in the teaching window (--explain, --predict), laid out in lines
// that fit the panel. Nothing here touches SDL: the window measures the text with its font, the
// tests with a made-up width, so that wrapping and cutting are tested without a window.
#pragma once

#include <functional>
#include <string>
#include <vector>

enum class PanelStyle {
    heading,  // "Step 3 of 10"
    text,     // a sentence, wrapped at spaces
    strong,   // a question or a verdict: wrapped, drawn in bold
    grid,     // a table: its first column heads the rows, the others stand at fixed columns
    keys,     // which keys do what: always at the foot of the panel
};

struct PanelParagraph {
    PanelStyle style = PanelStyle::text;
    std::string text;                              // text, strong, heading, keys
    std::vector<std::vector<std::string>> rows;    // grid: the rows, each headed by its first cell
    bool tight = false;  // no gap above it: one line of a listing, as a line of the algorithm
};

// One line as it is drawn, its top in pixels from the panel's: its text, or for a grid row its
// heading cell at the left edge and its other cells at `cell_width` apart after `heading_width`.
struct PanelLine {
    PanelStyle style = PanelStyle::text;
    std::string text;
    std::vector<std::string> cells;
    int top = 0;
    int heading_width = 0, cell_width = 0;
};

struct PanelLayout {
    std::vector<PanelLine> lines;
    bool cut = false;  // something did not fit: the last line above the keys says so
};

// The width in pixels of `text` drawn in `style`.
using MeasureText = std::function<int(PanelStyle, const std::string&)>;

// The mark that ends a panel whose words do not all fit.
constexpr const char* panel_cut_mark = "... (more than fits here)";

// Lays the paragraphs out in a panel `width` x `height`, `line_height` per line and half that
// between paragraphs: text wrapped at spaces (a word wider than the panel at a character), a grid
// at columns as wide as its widest cell, in blocks of as many columns as fit, each block with the
// heading column again; the keys at the foot. What does not fit above the keys is cut, and its
// last line is then the cut mark.
PanelLayout lay_out_panel(const std::vector<PanelParagraph>& paragraphs, int width, int height, int line_height,
                          const MeasureText& measure);
