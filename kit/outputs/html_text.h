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
