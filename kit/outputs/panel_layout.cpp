// Wrapping and cutting the teaching window's words (see panel_layout.h).
#include "panel_layout.h"

#include <algorithm>

namespace {

// `text` in lines no wider than `width`: greedily at spaces, and a word that alone is wider at the
// last character that fits (at least one a line, so that every text ends).
std::vector<std::string> wrapped(PanelStyle style, const std::string& text, int width, const MeasureText& measure) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        std::size_t end = text.find(' ', at);
        if (end == std::string::npos) end = text.size();
        std::string word = text.substr(at, end - at);
        at = end;
        const std::string joined = line.empty() ? word : line + " " + word;
        if (measure(style, joined) <= width) {
            line = joined;
            continue;
        }
        if (!line.empty()) lines.push_back(line);
        line.clear();
        while (measure(style, word) > width && word.size() > 1) {
            std::size_t fits = 1;
            while (fits < word.size() && measure(style, word.substr(0, fits + 1)) <= width) ++fits;
            lines.push_back(word.substr(0, fits));
            word.erase(0, fits);
        }
        line = word;
    }
    if (!line.empty() || lines.empty()) lines.push_back(line);
    return lines;
}

// A table's rows in blocks of as many columns as fit beside its heading column.
std::vector<PanelLine> grid_lines(const PanelParagraph& grid, int width, const MeasureText& measure) {
    const int gap = measure(PanelStyle::grid, "  ");
    int heading_width = 0, cell_width = 0;
    std::size_t columns = 0;
    for (const std::vector<std::string>& row : grid.rows) {
        if (row.empty()) continue;
        heading_width = std::max(heading_width, measure(PanelStyle::grid, row[0]) + gap);
        for (std::size_t c = 1; c < row.size(); ++c) cell_width = std::max(cell_width, measure(PanelStyle::grid, row[c]) + gap);
        columns = std::max(columns, row.size() - 1);
    }
    const std::size_t per_block =
        cell_width == 0 ? std::max<std::size_t>(columns, 1)
                        : static_cast<std::size_t>(std::max(1, (width - heading_width) / std::max(cell_width, 1)));
    std::vector<PanelLine> lines;
    for (std::size_t first = 0; first < std::max<std::size_t>(columns, 1); first += per_block) {
        for (const std::vector<std::string>& row : grid.rows) {
            PanelLine line;
            line.style = PanelStyle::grid;
            line.heading_width = heading_width;
            line.cell_width = cell_width;
            if (!row.empty()) line.cells.push_back(row[0]);
            for (std::size_t c = first + 1; c < row.size() && c <= first + per_block; ++c) line.cells.push_back(row[c]);
            lines.push_back(line);
        }
    }
    return lines;
}

}  // namespace

PanelLayout lay_out_panel(const std::vector<PanelParagraph>& paragraphs, int width, int height, int line_height,
                          const MeasureText& measure) {
    const int gap = line_height / 2;
    // Each paragraph's lines, the keys apart.
    std::vector<std::vector<PanelLine>> body;
    std::vector<bool> tight;  // body[p] follows the one before without a gap
    std::vector<PanelLine> foot;
    for (const PanelParagraph& paragraph : paragraphs) {
        std::vector<PanelLine> lines;
        if (paragraph.style == PanelStyle::grid) {
            lines = grid_lines(paragraph, width, measure);
        } else {
            for (const std::string& text : wrapped(paragraph.style, paragraph.text, width, measure)) {
                PanelLine line;
                line.style = paragraph.style;
                line.text = text;
                lines.push_back(line);
            }
        }
        if (paragraph.style == PanelStyle::keys) {
            foot.insert(foot.end(), lines.begin(), lines.end());
        } else {
            body.push_back(lines);
            tight.push_back(paragraph.tight);
        }
    }

    PanelLayout layout;
    const int foot_top = height - static_cast<int>(foot.size()) * line_height;
    const int body_bottom = foot.empty() ? height : foot_top - gap;
    int top = 0;
    for (std::size_t p = 0; p < body.size() && !layout.cut; ++p) {
        if (p > 0 && !tight[p]) top += gap;
        for (PanelLine& line : body[p]) {
            if (top + line_height > body_bottom) {
                layout.cut = true;
                break;
            }
            line.top = top;
            layout.lines.push_back(line);
            top += line_height;
        }
    }
    if (layout.cut) {
        // The mark takes the place of the last line that fitted, or of none when nothing did.
        PanelLine mark;
        mark.style = PanelStyle::text;
        mark.text = panel_cut_mark;
        mark.top = 0;
        if (!layout.lines.empty()) {
            mark.top = layout.lines.back().top;
            layout.lines.pop_back();
        }
        layout.lines.push_back(mark);
    }
    for (std::size_t i = 0; i < foot.size(); ++i) {
        foot[i].top = foot_top + static_cast<int>(i) * line_height;
        layout.lines.push_back(foot[i]);
    }
    return layout;
}
