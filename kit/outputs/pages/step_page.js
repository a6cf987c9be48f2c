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
    if (item.kind === "lists") {
      var lists = element("table");
      lists.appendChild(element("caption", item.title));
      item.rows.forEach(function (row, v) {
        var tr = element("tr");
        tr.appendChild(element("th", String(v))).setAttribute("scope", "row");
        tr.appendChild(element("td", row.length ? row.join(", ") : "none", "list"));
        lists.appendChild(tr);
      });
      return lists;
    }
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
    markLines(said.lines || []);
    return said.sentence;
  }

  // A recording whose program was stopped half way (or is still running) says so.
  if (data && data.complete === false) {
    var unfinished = document.getElementById("unfinished");
    unfinished.textContent = "Unfinished: the program was stopped after step " + count +
        (data.step_count ? " of " + data.step_count : "") + ", or is still running.";
    unfinished.hidden = false;
  }

  // The algorithm's lines, those the step on screen carried out marked: in bold with a bar for
  // the eye, and in words for a screen reader.
  var algorithmLines = [];
  function markLines(lines) {
    algorithmLines.forEach(function (line, k) {
      var current = lines.indexOf(k + 1) >= 0;
      line.item.className = current ? "current" : "";
      line.mark.textContent = current ? " (carried out in this step)" : "";
      if (current) line.item.setAttribute("aria-current", "step");
      else line.item.removeAttribute("aria-current");
    });
    if (!algorithmLines.length) return;
    document.getElementById("algorithm-note").textContent = lines.length ?
        "This step carried out line" + (lines.length > 1 ? "s " : " ") + lines.join(", ") + "." :
        "This step carried out none of its lines.";
  }

  if (data && data.algorithm && data.algorithm.length) {
    var list = document.getElementById("algorithm");
    data.algorithm.forEach(function (text) {
      var item = element("li");
      var code = text.replace(/^ +/, "");
      // Two spaces of the text are one level of indent.
      item.style.paddingLeft = (text.length - code.length) * 0.75 + "em";
      item.appendChild(element("code", code));
      var mark = element("span", "", "visually-hidden");
      item.appendChild(mark);
      list.appendChild(item);
      algorithmLines.push({ item: item, mark: mark });
    });
    document.getElementById("algorithm-section").hidden = false;
  }
  if (data && data.how) {
    document.getElementById("how").textContent = data.how;
    document.getElementById("how-section").hidden = false;
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
  var askingIndex = 0; // which of that step's questions: all are asked before the step is shown
  var verdicts = [];   // of that step's questions answered so far
  var put = {};        // steps whose questions were put already
  var tally = { right: 0, answered: 0, skipped: 0 };

  function questionsOf(k) {
    var said = data && data.steps[k - 1];
    return said && said.questions && said.questions.length ? said.questions : null;
  }

  // Read as the window reads a typed answer: spaces and commas around it, "yes" for "y", a set
  // of vertices in any order; null when it is no answer of that kind.
  function readAnswer(question, typed) {
    var kind = question.kind;
    var text = typed.replace(/^[\s,]+|[\s,]+$/g, "").toLowerCase();
    if (!text) return null;
    if (kind === "table") {
      var cells = text.split(/[\s,]+/);
      if (cells.length !== question.columns.length || !cells.every(function (c) { return /^(-|[0-9]+)$/.test(c); })) return null;
      return cells.map(function (c) { return c === "-" ? -1 : parseInt(c, 10); });
    }
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

  function openQuestion(k, index) {
    var all = questionsOf(k), question = all[index];
    asking = k;
    askingIndex = index;
    if (index === 0) verdicts = [];
    put[k] = true;
    var which = all.length > 1 ? "Question " + (index + 1) + " of " + all.length + " before step " : "Before step ";
    questionText.textContent = which + k + " of " + count + ": " + question.text;
    if (all.length === 1) which = "Question before step ";
    answerHint.textContent = "(" + question.hint + ", then Enter; Escape skips)";
    answerField.value = "";
    answerField.removeAttribute("aria-invalid");
    feedback.textContent = "";
    feedback.className = "";
    questionSection.hidden = false;
    buttons.next.disabled = buttons.last.disabled = true;
    answerField.focus();
    live.textContent = which + k + ": " + question.text + " " + question.hint + ".";
  }

  function closeQuestion(typed) {
    var k = asking, all = questionsOf(k), question = all[askingIndex];
    var number = all.length > 1 ? "Question " + (askingIndex + 1) + ": " : "";
    if (typed === null) {
      tally.skipped += 1;
    } else {
      var right = sameAnswer(readAnswer(question, typed), question.answer);
      tally.answered += 1;
      if (right) tally.right += 1;
      verdicts.push({ right: right, number: number, typed: "You answered " + typed.trim() + ". ",
                      words: (right ? "Right: " : "Not quite: ") + question.reason });
    }
    showScore();
    // The step's picture would answer the questions still to come: they are asked first.
    if (predictSwitch.checked && askingIndex + 1 < all.length) return openQuestion(k, askingIndex + 1);
    asking = 0;
    questionSection.hidden = true;
    var verdict = verdicts.map(function (v) { return v.number + v.words; }).join(" ");
    feedback.textContent = verdicts.map(function (v) { return v.number + v.typed + v.words; }).join(" ");
    feedback.className = !verdicts.length ? "" : verdicts.every(function (v) { return v.right; }) ? "right" : "not-quite";
    show(k, verdict);
    (buttons.next.disabled ? buttons.previous : buttons.next).focus();
  }

  questionForm.addEventListener("submit", function (event) {
    event.preventDefault();
    var question = questionsOf(asking)[askingIndex];
    if (!answerField.value.trim()) return closeQuestion(null);
    if (readAnswer(question, answerField.value) === null) {
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
    if (predictSwitch.checked && questionsOf(k) && !put[k]) openQuestion(k, 0);
    else show(k);
  }

  if (data && data.steps.some(function (said) { return said.questions; })) {
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
