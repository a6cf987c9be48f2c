// Text that the pages written beside the pictures (the step page, the worksheet) put into HTML.
#pragma once

#include <string>

// Nothing in the text may open a tag or an entity, or end an attribute's quotes.
inline std::string escape_html(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            default: out += c;
        }
    }
    return out;
}

// The text escaped, each word that holds a hyphen between `open` and `close`, which keep it on one
// line: an edge "11->3" or a cycle "0-1-4-0" broken after a hyphen reads as two words. HTML and
// pango's markup escape alike, so both the worksheet's page and its PDF say their words with it.
inline std::string words_kept_whole(const std::string& text, const std::string& open, const std::string& close) {
    std::string out;
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t space = text.find(' ', at);
        if (space == std::string::npos) space = text.size();
        const std::string word = text.substr(at, space - at);
        if (at > 0) out += ' ';
        out += word.find('-') == std::string::npos ? escape_html(word) : open + escape_html(word) + close;
        at = space + 1;
    }
    return out;
}
