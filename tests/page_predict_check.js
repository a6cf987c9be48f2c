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
  await page.keyboard.press("ArrowRight");  // step 2 asks nothing
  check("a step without a question is shown at once", (await text("#counter")) === "step 2 of 10", await text("#counter"));

  await page.keyboard.press("ArrowRight");  // the question of step 3
  check("the question comes before the picture", (await text("#counter")) === "step 2 of 10", await text("#counter"));
  check("the question is shown", await visible("#question-section"), "hidden");
  check("the question names its step", (await text("#question-text")).startsWith("Before step 3 of 10: After vertex 0, which vertex"),
        await text("#question-text"));
  check("the answer field has the focus", await page.evaluate(() => document.activeElement.id === "answer"),
        await page.evaluate(() => document.activeElement.id));
  check("the live region announces the question", (await text("#live")).startsWith("Question before step 3"), await text("#live"));
  const open = await violations();
  check("no axe violation while a question is open", open.length === 0, open);

  await page.keyboard.type("x1");  // a letter is no vertex number: the field takes it, Enter refuses it
  await page.keyboard.press("Enter");
  check("an unreadable answer is not taken", (await text("#counter")) === "step 2 of 10" &&
        (await page.getAttribute("#answer", "aria-invalid")) === "true", await text("#live"));
  await page.fill("#answer", "");
  await page.keyboard.type("1");
  await page.keyboard.press("Enter");
  check("Enter reveals the step", (await text("#counter")) === "step 3 of 10", await text("#counter"));
  check("a right answer says so", (await text("#feedback")).startsWith("You answered 1. Right: 0's list is 1, 2, 5, 7; 1 is the first"), await text("#feedback"));
  check("the live region announces the feedback and the step", /^Right: .*Step 3 of 10\./.test(await text("#live")), await text("#live"));

  await page.keyboard.press("ArrowRight");
  await page.keyboard.type("7");
  await page.keyboard.press("Enter");
  check("a wrong answer gets the reason", (await text("#feedback")).startsWith("You answered 7. Not quite: 1's list is 0, 4, 7; 4 is the first"),
        await text("#feedback"));

  await page.keyboard.press("ArrowRight");
  await page.keyboard.press("Escape");
  check("Escape skips the question and shows the step", (await text("#counter")) === "step 5 of 10" &&
        (await text("#feedback")) === "", await text("#counter"));
  check("the score counts right, answered and skipped", (await text("#score")) === "Your predictions: 1 of 2 right, 1 skipped.",
        await text("#score"));

  await page.keyboard.press("ArrowLeft");
  await page.keyboard.press("ArrowRight");
  check("a question put once is not put again", (await text("#counter")) === "step 5 of 10", await text("#counter"));
  // The lines of the algorithm that step 5 carried out are the ones marked, for the eye and in
  // words; the neighbour lists the search tries stand in the state.
  const lines = await page.evaluate(() => window.graphstepsSteps.steps[4].lines);
  const marked = await page.$$eval("#algorithm li", (items) => items.map((item, k) =>
    item.className === "current" && item.getAttribute("aria-current") === "step" &&
    item.textContent.endsWith("(carried out in this step)") ? k + 1 : 0).filter((k) => k));
  check("the lines step 5 carried out are marked", lines.length > 0 && JSON.stringify(marked) === JSON.stringify(lines),
        { marked: marked, lines: lines });
  check("the neighbour lists stand in the state",
        (await page.$$eval("#state caption", (captions) => captions.map((c) => c.textContent)))
          .includes("Neighbour lists, in the order the search tries them"), await text("#state"));
  check("how the algorithm works is on the page", (await text("#how")).length > 100, await text("#how"));
  const after = await violations();
  check("no axe violation after the feedback", after.length === 0, after);
  check("no request left the page", outside.length === 0, outside);
  await browser.close();
  process.exit(failures === 0 ? 0 : 1);
})().catch((error) => {
  console.log("FAILED the browser run: " + error.message);
  process.exit(1);
});
