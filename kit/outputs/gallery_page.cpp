// The gallery page of a recording: index.html beside the step pictures, rewritten after every step
// so that it always lists exactly the pictures written so far. One file with its style and script
// inline, so that it works from file:// with no network and can be copied with the pictures.
#include "gallery_page.h"

#include <string>

namespace {

// The program's name goes into the page as text; nothing in it may open a tag or an entity.
std::string escape_html(const std::string& text) {
    std::string out;
    for (char c : text) {
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

const char* const page_style = R"(<style>
body { margin: 0; padding: 12px; font: 16px/1.4 sans-serif; background: #eee; color: #111; }
header { display: flex; flex-wrap: wrap; gap: 4px 16px; align-items: baseline; }
h1 { margin: 0; font-size: 22px; }
nav { display: flex; flex-wrap: wrap; gap: 6px; align-items: center; margin: 8px 0; }
button { font: inherit; min-width: 5.5em; }
#counter { margin-left: 8px; font-weight: bold; }
/* The picture at its own 800 x 600; a narrow window scales it down rather than cropping it. */
#picture { display: block; width: 800px; max-width: 100%; height: auto; background: #fff;
           outline: 1px solid #999; }
p { margin: 8px 0; color: #444; font-size: 14px; }
</style>
)";

// Steps count from 1; the picture names follow record_step's step-%03d.png.
const char* const page_script = R"(<script>
(function () {
  "use strict";
  var count = document.body.getAttribute("data-steps") | 0;
  var step = 0;
  var picture = document.getElementById("picture");
  var counter = document.getElementById("counter");
  var buttons = {};
  ["first", "previous", "next", "last"].forEach(function (id) {
    buttons[id] = document.getElementById(id);
  });
  var title = document.title;

  function pictureName(k) {
    var digits = String(k);
    while (digits.length < 3) digits = "0" + digits;
    return "step-" + digits + ".png";
  }

  function show(k) {
    k = Math.max(1, Math.min(count, k));
    if (k === step) return;
    step = k;
    var text = "step " + step + " of " + count;
    picture.src = pictureName(step);
    picture.alt = text;
    counter.textContent = text;
    document.title = title + " - " + text;
    buttons.first.disabled = buttons.previous.disabled = step === 1;
    buttons.next.disabled = buttons.last.disabled = step === count;
    if (location.hash !== "#" + step) location.replace("#" + step);
    // The next picture is usually wanted next; fetch it while this one is looked at.
    if (step < count) new Image().src = pictureName(step + 1);
  }

  // "#3" opens the page at step 3, so that a step can be bookmarked or sent.
  function stepFromHash() {
    var k = parseInt(location.hash.slice(1), 10);
    return k >= 1 && k <= count ? k : 0;
  }

  buttons.first.onclick = function () { show(1); };
  buttons.previous.onclick = function () { show(step - 1); };
  buttons.next.onclick = function () { show(step + 1); };
  buttons.last.onclick = function () { show(count); };
  document.addEventListener("keydown", function (event) {
    // Alt+Left is the browser's Back; leave every modified key to the browser.
    if (event.altKey || event.ctrlKey || event.metaKey || event.shiftKey) return;
    var moves = { ArrowLeft: step - 1, Left: step - 1, ArrowRight: step + 1, Right: step + 1,
                  Home: 1, End: count };
    if (!Object.prototype.hasOwnProperty.call(moves, event.key)) return;
    event.preventDefault();
    show(moves[event.key]);
  });
  window.addEventListener("hashchange", function () {
    var k = stepFromHash();
    if (k) show(k);
  });
  if (count > 0) show(stepFromHash() || 1);
})();
</script>
)";

}  // namespace

std::string gallery_page(const char* program, bool seed_in_use, unsigned int seed_used, int steps) {
    const std::string name = escape_html(program);
    std::string seed;
    if (seed_in_use) seed = "seed " + std::to_string(seed_used);
    const std::string heading = seed.empty() ? name : name + " - " + seed;
    const std::string first_counter = "step 1 of " + std::to_string(steps);

    std::string page =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    page += "<title>" + heading + "</title>\n";
    page += page_style;
    page += "</head>\n<body data-steps=\"" + std::to_string(steps) + "\">\n";
    page += "<header><h1 id=\"program\">" + name + "</h1>";
    if (!seed.empty()) page += "<span id=\"seed\">" + seed + "</span>";
    page += "</header>\n<nav>\n"
            "<button type=\"button\" id=\"first\" title=\"Home\">|&lt; first</button>\n"
            "<button type=\"button\" id=\"previous\" title=\"Left\">&lt; previous</button>\n"
            "<button type=\"button\" id=\"next\" title=\"Right\">next &gt;</button>\n"
            "<button type=\"button\" id=\"last\" title=\"End\">last &gt;|</button>\n";
    page += "<span id=\"counter\">" + first_counter + "</span>\n</nav>\n";
    // Without the script the page still shows the first step.
    page += "<img id=\"picture\" src=\"step-001.png\" width=\"800\" height=\"600\" alt=\"" +
            first_counter + "\">\n";
    page += "<p>Keys: Left and Right step back and forth, Home and End go to the first and last "
            "step.";
    if (!seed.empty())
        page += " <code>" + name + " --seed " + std::to_string(seed_used) +
                "</code> shows this graph again.";
    page += "</p>\n";
    page += page_script;
    page += "</body>\n</html>\n";
    return page;
}
