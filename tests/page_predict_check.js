// Drives a step page recorded with --predict in Debian's Chromium with real key presses (through
// playwright-core) and runs axe-core on it while a question is open and after the feedback.
//   node page_predict_check.js RECORDING_FOLDER MODULES_FOLDER
// RECORDING_FOLDER holds dfstree --predict --record; MODULES_FOLDER has node_modules with
// playwright-core and axe-core. Prints one line per check, "ok ..." or "FAILED ...", and exits 1
// when any failed.
"use strict";
const path = require("path");
const [folder, modules] = process.argv.slice(2);
const { chromium } = require(path.join(modules, "node_modules", "playwright-core"));
const axePath = path.join(modules, "node_modules", "axe-core", "axe.min.js");

let failures = 0;
function check(what, good, seen) {
  if (good) console.log("ok " + what);
  else {
    failures += 1;
    console.log("FAILED " + what + ": " + JSON.stringify(seen));
  }
}

(async () => {
  const browser = await chromium.launch({ executablePath: "/usr/bin/chromium", args: ["--no-sandbox"] });
  const page = await browser.newPage();
  // Nothing may leave the page: every request but the recording's own files is refused.
  const outside = [];
  await page.route("**/*", (route) => {
    const url = route.request().url();
    if (url.startsWith("file://")) return route.continue();
    outside.push(url);
    return route.abort();
  });
  await page.goto("file://" + path.resolve(folder, "index.html") + "?predict");
  const text = (selector) => page.$eval(selector, (node) => node.textContent);
  const visible = (selector) => page.$eval(selector, (node) => !node.hidden && node.offsetParent !== null);
  const violations = async () => {
    await page.addScriptTag({ path: axePath });
    return page.evaluate(async () => {
      const rules = { runOnly: { type: "tag", values: ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa"] } };
      const result = await window.axe.run(document, rules);
      return result.violations.map((v) => v.id);
    });
  };

  check("the predict switch is on from ?predict", await page.isChecked("#predict-switch"), "unchecked");
  // The steps and their questions as the recording has them: the checks follow whatever the
  // program asks, a row to fill or several questions before one step among them.
  const steps = await page.evaluate(() => window.graphstepsSteps.steps);
  const count = steps.length;
  const questionsOf = (k) => steps[k - 1].questions || [];
  const askedAt = steps.map((_, k) => k + 1).filter((k) => questionsOf(k).length > 0);
  const typedRightly = (question) => question.answer.map((value) => (value === -1 ? (question.kind === "table" ? "-" : "b") : String(value))).join(" ")
    .replace(/^1$/, question.kind === "yes_no" ? "y" : "1").replace(/^0$/, question.kind === "yes_no" ? "n" : question.kind === "edge_kind" ? "t" : "0")
    .replace(/^1$/, question.kind === "edge_kind" ? "b" : "1");
  // Right on to the step before k: a step without a question is shown at once.
  let quietStepSeen = false;
  const upTo = async (k) => {
    while (Number((await text("#counter")).split(" ")[1]) < k - 1) {
      const next = Number((await text("#counter")).split(" ")[1]) + 1;
      await page.keyboard.press("ArrowRight");
      if (!quietStepSeen && questionsOf(next).length === 0) {
        quietStepSeen = true;
        check("a step without a question is shown at once", (await text("#counter")) === "step " + next + " of " + count, await text("#counter"));
      }
    }
  };
  const opening = (k, index) => (questionsOf(k).length > 1 ? "Question " + (index + 1) + " of " + questionsOf(k).length + " before step " : "Before step ") + k;

  // The first questions: an answer that is no answer, then each answered rightly.
  const first = askedAt[0];
  await upTo(first);
  await page.keyboard.press("ArrowRight");
  check("the question comes before the picture", (await text("#counter")) === "step " + (first - 1) + " of " + count, await text("#counter"));
  check("the question is shown", await visible("#question-section"), "hidden");
  check("the question names its step", (await text("#question-text")).startsWith(opening(first, 0) + " of " + count + ": " + questionsOf(first)[0].text),
        await text("#question-text"));
  check("the answer field has the focus", await page.evaluate(() => document.activeElement.id === "answer"),
        await page.evaluate(() => document.activeElement.id));
  check("the live region announces the question", (await text("#live")).startsWith(questionsOf(first).length > 1 ? opening(first, 0) : "Question before step " + first),
        await text("#live"));
  const open = await violations();
  check("no axe violation while a question is open", open.length === 0, open);

  await page.keyboard.type("x1");  // a letter is no answer of any kind: the field takes it, Enter refuses it
  await page.keyboard.press("Enter");
  check("an unreadable answer is not taken", (await text("#counter")) === "step " + (first - 1) + " of " + count &&
        (await page.getAttribute("#answer", "aria-invalid")) === "true", await text("#live"));
  for (const question of questionsOf(first)) {
    await page.fill("#answer", "");
    await page.keyboard.type(typedRightly(question));
    await page.keyboard.press("Enter");
  }
  const firstQuestion = questionsOf(first)[0], several = questionsOf(first).length > 1;
  check("Enter reveals the step once every question of it is answered", (await text("#counter")) === "step " + first + " of " + count, await text("#counter"));
  check("a right answer says so", (await text("#feedback")).startsWith((several ? "Question 1: " : "") + "You answered " + typedRightly(firstQuestion) +
        ". Right: " + firstQuestion.reason.slice(0, 30)), await text("#feedback"));
  check("the live region announces the feedback and the step", new RegExp("^(Question 1: )?Right: .*Step " + first + " of " + count + "\\.").test(await text("#live")),
        await text("#live"));

  // A wrong answer, to a step of one question, gets the reason.
  const second = askedAt.find((k) => k > first && questionsOf(k).length === 1 && questionsOf(k)[0].kind !== "table");
  const asked = questionsOf(second)[0];
  const wrong = { yes_no: asked.answer[0] === 1 ? "n" : "y", edge_kind: asked.answer[0] === 1 ? "t" : "b" }[asked.kind] || "99";
  await upTo(second);
  await page.keyboard.press("ArrowRight");
  await page.keyboard.type(wrong);
  await page.keyboard.press("Enter");
  check("a wrong answer gets the reason", (await text("#feedback")).startsWith("You answered " + wrong + ". Not quite: " + asked.reason.slice(0, 30)),
        await text("#feedback"));

  // Escape skips each question of the next step that asks, and shows the step.
  const third = askedAt.find((k) => k > second);
  await upTo(third);
  await page.keyboard.press("ArrowRight");
  for (let k = 0; k < questionsOf(third).length; ++k) await page.keyboard.press("Escape");
  check("Escape skips the question and shows the step", (await text("#counter")) === "step " + third + " of " + count &&
        (await text("#feedback")) === "", await text("#counter"));
  const right = questionsOf(first).length, skipped = questionsOf(third).length;
  check("the score counts right, answered and skipped", (await text("#score")) === "Your predictions: " + right + " of " + (right + 1) + " right, " +
        skipped + " skipped.", await text("#score"));

  await page.keyboard.press("ArrowLeft");
  await page.keyboard.press("ArrowRight");
  check("a question put once is not put again", (await text("#counter")) === "step " + third + " of " + count, await text("#counter"));
  // The lines of the algorithm that this step carried out are the ones marked, for the eye and in
  // words; the neighbour lists the search tries stand in the state.
  const lines = steps[third - 1].lines;
  const marked = await page.$$eval("#algorithm li", (items) => items.map((item, k) =>
    item.className === "current" && item.getAttribute("aria-current") === "step" &&
    item.textContent.endsWith("(carried out in this step)") ? k + 1 : 0).filter((k) => k));
  check("the lines the step carried out are marked", lines.length > 0 && JSON.stringify(marked) === JSON.stringify(lines),
        { marked: marked, lines: lines });
  check("the neighbour lists stand in the state",
        (await page.$$eval("#state caption", (captions) => captions.map((c) => c.textContent)))
          .includes("Neighbour lists, in the order the search tries them"), await text("#state"));
  check("how the algorithm works is on the page", (await text("#how")).length > 100, await text("#how"));
  const after = await violations();
  check("no axe violation after the feedback", after.length === 0, after);
  // Every step so far asked: on, skipping what is asked, to the first that asks nothing.
  const quiet = steps.map((_, k) => k + 1).find((k) => k > third && questionsOf(k).length === 0);
  if (!quietStepSeen && quiet) {
    for (let k = third + 1; k < quiet; ++k) {
      await page.keyboard.press("ArrowRight");
      for (const _ of questionsOf(k)) await page.keyboard.press("Escape");
    }
    await page.keyboard.press("ArrowRight");
    check("a step without a question is shown at once", (await text("#counter")) === "step " + quiet + " of " + count, await text("#counter"));
  }
  check("no request left the page", outside.length === 0, outside);
  await browser.close();
  process.exit(failures === 0 ? 0 : 1);
})().catch((error) => {
  console.log("FAILED the browser run: " + error.message);
  process.exit(1);
});
