// The gallery page of a recording: index.html beside the step pictures, rewritten after every step
// so that it always lists exactly the pictures written so far. One file with its style and script
// inline (pages/step_page.js and .css), so that it works from file:// with no network and can be
// copied with the pictures.
#include "gallery_page.h"

#include "html_text.h"
#include "pages/page_files.h"
#include "suite_files.h"

#include <string>

std::string gallery_page(const char* program, bool seed_in_use, unsigned int seed_used, int steps) {
    const std::string name = escape_html(program);
    std::string seed;
    if (seed_in_use) seed = "seed " + std::to_string(seed_used);
    const std::string heading = seed.empty() ? name : name + " - " + seed;
    const std::string first_counter = "step 1 of " + std::to_string(steps);

    std::string page =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n" + std::string(generator_meta) +
        "\n<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    page += "<title>" + heading + "</title>\n";
    page += std::string("<style>\n") + step_page_style + "</style>\n";
    page += "</head>\n<body data-steps=\"" + std::to_string(steps) + "\">\n";
    page += "<header><h1 id=\"program\">" + name + "</h1>";
    if (!seed.empty()) page += "<span id=\"seed\">" + seed + "</span>";
    page += "</header>\n<p id=\"unfinished\" hidden></p>\n<nav>\n"
            "<button type=\"button\" id=\"first\" title=\"Home\">|&lt; first</button>\n"
            "<button type=\"button\" id=\"previous\" title=\"Left\">&lt; previous</button>\n"
            "<button type=\"button\" id=\"next\" title=\"Right\">next &gt;</button>\n"
            "<button type=\"button\" id=\"last\" title=\"End\">last &gt;|</button>\n";
    page += "<span id=\"counter\">" + first_counter + "</span>\n";
    // Shown by the script when the recording has questions (--predict).
    page += "<span id=\"predict-control\" hidden><input type=\"checkbox\" id=\"predict-switch\"> "
            "<label for=\"predict-switch\">predict: a question before each step</label></span>\n</nav>\n";
    // Without the script the page still shows the first step.
    page += "<main>\n<figure>\n<img id=\"picture\" src=\"step-001.png\" width=\"800\" height=\"600\" "
            "alt=\"Picture of " + first_counter + "\">\n<figcaption id=\"sentence\"></figcaption>\n</figure>\n";
    // Under the picture, so that the picture stays where it is while a question is open.
    page += "<section id=\"question-section\" aria-labelledby=\"question-text\" hidden>\n"
            "<form id=\"question-form\"><label for=\"answer\" id=\"question-text\"></label>\n"
            "<input id=\"answer\" autocomplete=\"off\" aria-describedby=\"answer-hint\"> "
            "<button type=\"submit\">check</button> <button type=\"button\" id=\"skip\">skip</button>\n"
            "<p id=\"answer-hint\"></p></form>\n</section>\n";
    page += "<p id=\"feedback\"></p>\n<p id=\"score\"></p>\n";
    page += "<div id=\"live\" class=\"visually-hidden\" aria-live=\"polite\"></div>\n";
    page += "<section id=\"state-section\" aria-labelledby=\"state-heading\" hidden>"
            "<h2 id=\"state-heading\">The algorithm's state</h2><div id=\"state\"></div></section>\n";
    page += "<section id=\"algorithm-section\" aria-labelledby=\"algorithm-heading\" hidden>"
            "<h2 id=\"algorithm-heading\">The algorithm</h2><p id=\"algorithm-note\"></p>"
            "<ol id=\"algorithm\"></ol></section>\n";
    page += "<section id=\"how-section\" aria-labelledby=\"how-heading\" hidden>"
            "<h2 id=\"how-heading\">How it works</h2><p id=\"how\"></p></section>\n";
    page += "<section id=\"legend-section\" aria-labelledby=\"legend-heading\" hidden>"
            "<h2 id=\"legend-heading\">What the picture shows</h2><ul id=\"legend\"></ul></section>\n";
    page += "<p>Keys: Left and Right step back and forth, Home and End go to the first and last "
            "step. With predict on, Right first asks the question of the next step: type the answer "
            "and press Enter, or Escape to skip it.";
    if (!seed.empty())
        page += " <code>" + name + " --seed " + std::to_string(seed_used) +
                "</code> shows this graph again.";
    page += "</p>\n</main>\n";
    // The words and state of every step, written beside the page by the transcript output.
    page += "<script src=\"steps.js\"></script>\n";
    page += std::string("<script>\n") + step_page_script + "</script>\n";
    page += "</body>\n</html>\n";
    return page;
}
