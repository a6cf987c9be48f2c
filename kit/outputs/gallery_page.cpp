// The gallery page of a recording: index.html beside the step pictures, rewritten after every step
// so that it always lists exactly the pictures written so far. One file with its style and script
// inline, so that it works from file:// with no network and can be copied with the pictures.
#include "gallery_page.h"

#include "html_text.h"
#include "suite_files.h"

#include <string>

namespace {

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
button:focus-visible, a:focus-visible { outline: 3px solid #1a5fb4; outline-offset: 2px; }
figure { margin: 0; }
figcaption { max-width: 800px; margin: 8px 0; font-size: 18px; color: #111; }
h2 { font-size: 17px; margin: 14px 0 6px; }
table { border-collapse: collapse; margin: 0 0 10px; background: #fff; }
caption { text-align: left; font-weight: bold; padding: 2px 0; }
th, td { border: 1px solid #888; padding: 2px 8px; text-align: right; }
.changed { font-weight: bold; }
.state-line { font-size: 16px; color: #111; }
#question-section { max-width: 800px; margin: 8px 0; padding: 8px 12px; background: #fff; border: 2px solid #1a5fb4; }
#question-section label { display: block; font-size: 18px; margin-bottom: 6px; }
#answer { font: inherit; width: 16em; }
#feedback { font-size: 18px; color: #111; max-width: 800px; }
#unfinished { font-size: 16px; color: #111; max-width: 800px; border-left: 6px solid #9a6700; padding-left: 8px; }
#feedback.right { border-left: 6px solid #1a7f37; padding-left: 8px; }
#feedback.not-quite { border-left: 6px dashed #9a6700; padding-left: 8px; }
input:focus-visible { outline: 3px solid #1a5fb4; outline-offset: 2px; }
.visually-hidden { position: absolute; width: 1px; height: 1px; overflow: hidden; clip: rect(0 0 0 0);
                   white-space: nowrap; }
</style>
)";

// Steps count from 1; the picture names follow record_step's step-%03d.png.
const char* const page_script = R"page(<script>
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

  // The words and state of each step, from steps.js beside the page: a script, not a fetch, so
  // that the page works opened straight from its folder.
  var data = window.graphstepsSteps || null;
  var sentence = document.getElementById("sentence");
  var state = document.getElementById("state");
  var live = document.getElementById("live");

  function element(tag, text, className) {
    var node = document.createElement(tag);
    if (text !== undefined) node.textContent = text;
    if (className) node.className = className;
    return node;
  }

  function stateItem(item) {
    if (item.kind === "count") return element("p", item.title + ": " + item.value, "state-line");
    if (item.kind === "list")
      return element("p", item.title + ": " + (item.values.length ? item.values.join(", ") : "none"), "state-line");
    var table = element("table");
    var caption = element("caption", item.title);
    table.appendChild(caption);
    var head = element("tr");
    if (item.kind === "table") {
      head.appendChild(element("th", item.key)).setAttribute("scope", "col");
      head.appendChild(element("th", item.value)).setAttribute("scope", "col");
      table.appendChild(head);
      item.values.forEach(function (value, k) {
        var row = element("tr");
        row.appendChild(element("th", String(k))).setAttribute("scope", "row");
        row.appendChild(element("td", value === item.blank ? "-" : String(value)));
        table.appendChild(row);
      });
      return table;
    }
    // A matrix: rows and columns by vertex; a changed cell is marked with * and in bold.
    if (item.before) caption.textContent = item.title + " (* marks a cell that changed)";
    head.appendChild(element("td", ""));
    for (var j = 0; j < item.size; ++j) head.appendChild(element("th", String(j))).setAttribute("scope", "col");
    table.appendChild(head);
    for (var i = 0; i < item.size; ++i) {
      var row = element("tr");
      row.appendChild(element("th", String(i))).setAttribute("scope", "row");
      for (var c = 0; c < item.size; ++c) {
        var at = i * item.size + c;
        var changed = item.before && item.before[at] !== item.cells[at];
        row.appendChild(element("td", item.cells[at] + (changed ? "*" : ""), changed ? "changed" : ""));
      }
      table.appendChild(row);
    }
    return table;
  }

  function narrate(k) {
    if (!data || !data.steps[k - 1]) return "";
    var said = data.steps[k - 1];
    sentence.textContent = said.sentence;
    while (state.firstChild) state.removeChild(state.firstChild);
    said.state.forEach(function (item) { state.appendChild(stateItem(item)); });
    return said.sentence;
  }

  // A recording whose program was stopped half way (or is still running) says so.
  if (data && data.complete === false) {
    var unfinished = document.getElementById("unfinished");
    unfinished.textContent = "Unfinished: the program was stopped after step " + count +
        (data.step_count ? " of " + data.step_count : "") + ", or is still running.";
    unfinished.hidden = false;
  }

  if (data) {
    var legend = document.getElementById("legend");
    data.legend.forEach(function (entry) { legend.appendChild(element("li", entry)); });
    document.getElementById("legend-section").hidden = data.legend.length === 0;
    document.getElementById("state-section").hidden = false;
  }

  function show(k, verdict) {
    k = Math.max(1, Math.min(count, k));
    if (k === step || asking) return;
    if (!verdict) {
      feedback.textContent = "";
      feedback.className = "";
    }
    var first = step === 0;
    step = k;
    var text = "step " + step + " of " + count;
    picture.src = pictureName(step);
    picture.alt = "Picture of " + text;
    counter.textContent = text;
    var words = narrate(step);
    // Said to a screen reader when the reader moves, not on opening the page.
    if (!first) live.textContent = (verdict ? verdict + " " : "") + "Step " + step + " of " + count + ". " + words;
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

  // Predict mode: before a step with a question, the question comes first, with the picture of
  // the step before still shown; the answer reveals the step and says how it fared. The answers
  // and the score stay in this page: nothing is stored or sent anywhere.
  var predictSwitch = document.getElementById("predict-switch");
  var questionSection = document.getElementById("question-section");
  var questionForm = document.getElementById("question-form");
  var questionText = document.getElementById("question-text");
  var answerField = document.getElementById("answer");
  var answerHint = document.getElementById("answer-hint");
  var feedback = document.getElementById("feedback");
  var score = document.getElementById("score");
  var asking = 0;      // the step whose question is open, 0 when none
  var put = {};        // steps whose question was put already
  var tally = { right: 0, answered: 0, skipped: 0 };

  function questionOf(k) {
    var said = data && data.steps[k - 1];
    return said && said.question ? said.question : null;
  }

  // Read as the window reads a typed answer: spaces and commas around it, "yes" for "y", a set
  // of vertices in any order; null when it is no answer of that kind.
  function readAnswer(kind, typed) {
    var text = typed.replace(/^[\s,]+|[\s,]+$/g, "").toLowerCase();
    if (!text) return null;
    if (kind === "yes_no") return text === "y" || text === "yes" ? [1] : text === "n" || text === "no" ? [0] : null;
    if (kind === "edge_kind") return text === "t" || text === "tree" ? [0] : text === "b" || text === "back" ? [1] : null;
    if (kind === "vertex_or_back" && (text === "b" || text === "back")) return [-1];
    if (!/^[0-9][0-9\s,]*$/.test(text)) return null;
    var numbers = text.split(/[\s,]+/).map(function (n) { return parseInt(n, 10); });
    if (kind !== "vertices") return numbers.length === 1 ? numbers : null;
    return numbers.sort(function (a, b) { return a - b; }).filter(function (n, i, all) { return i === 0 || all[i - 1] !== n; });
  }

  function sameAnswer(a, b) {
    return a.length === b.length && a.every(function (n, i) { return n === b[i]; });
  }

  function showScore() {
    var line = tally.answered ? tally.right + " of " + tally.answered + " right" : "none answered";
    if (tally.skipped) line += ", " + tally.skipped + " skipped";
    score.textContent = tally.answered + tally.skipped ? "Your predictions: " + line + "." : "";
  }

  function openQuestion(k) {
    var question = questionOf(k);
    asking = k;
    put[k] = true;
    questionText.textContent = "Before step " + k + " of " + count + ": " + question.text;
    answerHint.textContent = "(" + question.hint + ", then Enter; Escape skips)";
    answerField.value = "";
    answerField.removeAttribute("aria-invalid");
    feedback.textContent = "";
    feedback.className = "";
    questionSection.hidden = false;
    buttons.next.disabled = buttons.last.disabled = true;
    answerField.focus();
    live.textContent = "Question before step " + k + ": " + question.text + " " + question.hint + ".";
  }

  function closeQuestion(typed) {
    var k = asking, question = questionOf(k);
    asking = 0;
    questionSection.hidden = true;
    var verdict = "";
    if (typed === null) {
      tally.skipped += 1;
    } else {
      var right = sameAnswer(readAnswer(question.kind, typed), question.answer);
      tally.answered += 1;
      if (right) tally.right += 1;
      verdict = (right ? "Right: " : "Not quite: ") + question.reason;
      feedback.textContent = "You answered " + typed.trim() + ". " + verdict;
      feedback.className = right ? "right" : "not-quite";
    }
    showScore();
    show(k, verdict);
    (buttons.next.disabled ? buttons.previous : buttons.next).focus();
  }

  questionForm.addEventListener("submit", function (event) {
    event.preventDefault();
    var question = questionOf(asking);
    if (!answerField.value.trim()) return closeQuestion(null);
    if (readAnswer(question.kind, answerField.value) === null) {
      answerField.setAttribute("aria-invalid", "true");
      live.textContent = "That is not an answer here: " + question.hint + ".";
      return;
    }
    closeQuestion(answerField.value);
  });
  document.getElementById("skip").onclick = function () { closeQuestion(null); };
  answerField.addEventListener("keydown", function (event) {
    if (event.key === "Escape" || event.key === "Esc") {
      event.preventDefault();
      closeQuestion(null);
    }
  });

  function forward() {
    var k = step + 1;
    if (k > count) return;
    if (predictSwitch.checked && questionOf(k) && !put[k]) openQuestion(k);
    else show(k);
  }

  if (data && data.steps.some(function (said) { return said.question; })) {
    document.getElementById("predict-control").hidden = false;
    // "?predict" in the address opens the page in predict mode, for a projector.
    predictSwitch.checked = /[?&]predict\b/.test(location.search);
  }
  predictSwitch.addEventListener("change", function () {
    if (!predictSwitch.checked && asking) closeQuestion(null);
  });

  buttons.first.onclick = function () { show(1); };
  buttons.previous.onclick = function () { show(step - 1); };
  buttons.next.onclick = forward;
  buttons.last.onclick = function () { show(count); };
  document.addEventListener("keydown", function (event) {
    // Alt+Left is the browser's Back; leave every modified key to the browser.
    if (event.altKey || event.ctrlKey || event.metaKey || event.shiftKey) return;
    // While a question is open its field takes the keys; Escape there skips it.
    if (asking) return;
    if (event.key === "ArrowRight" || event.key === "Right") {
      event.preventDefault();
      return forward();
    }
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
)page";

}  // namespace

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
    page += page_style;
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
    page += page_script;
    page += "</body>\n</html>\n";
    return page;
}
