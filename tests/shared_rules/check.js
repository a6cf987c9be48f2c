// The browser's half of the rules that the C++ also holds, run over the same case files as
// tests/kit_shared_rules_test.cpp runs the C++ half:
//   node check.js answers answers.txt kit/outputs/pages/step_page.js
//   node check.js keys keys.txt web/page.js kit/platform/platform.h
//   node check.js options options.txt web/page.js
// The scripts are run as they ship. Prints one line per failed case and exits 1 when any failed.
"use strict";
const fs = require("fs");
const vm = require("vm");

const [rule, caseFile, script, header] = process.argv.slice(2);
const cases = fs.readFileSync(caseFile, "utf8").split("\n").filter((line) => line !== "" && !line.startsWith("#"));
let failures = 0;
function expect(what, seen, wanted) {
  if (seen === wanted) return;
  failures += 1;
  console.log("FAILED " + what + ": " + seen + ", not " + wanted);
}

// The step page's readAnswer, taken from the page's script: it lives inside the page's closure.
function stepPageReader(source) {
  const start = source.indexOf("  function readAnswer(question, typed) {");
  const end = source.indexOf("\n  }\n", start);
  if (start < 0 || end < 0) throw new Error(script + " has no readAnswer(question, typed)");
  return vm.runInNewContext(source.slice(start, end + 4) + "; readAnswer");
}

// web/page.js on a page of stand-ins for the elements it uses, opened at `search`; what it hands
// the program (window.Module) and its canvas's keydown handler.
function openProgramPage(source, search) {
  const elements = {};
  const element = (id) => elements[id] || (elements[id] = {
    id, value: "", checked: false, textContent: "", listeners: {},
    addEventListener(type, handler) { this.listeners[type] = handler; }, focus() {},
  });
  const window = { location: { search } };
  const document = {
    body: { dataset: { program: "dfstree" }, appendChild() {} },
    getElementById: element,
    createElement: () => ({}),
  };
  window.document = document;
  vm.runInNewContext(source, { window, document, URLSearchParams, console });
  return { module: window.Module, keydown: elements.screen.listeners.keydown };
}

const source = fs.readFileSync(script, "utf8");
if (rule === "answers") {
  const readAnswer = stepPageReader(source);
  for (const line of cases) {
    const [kind, typed, wanted] = line.split("|");
    // "table/3": a row of three columns to fill.
    const [name, columns] = kind.split("/");
    const read = readAnswer({ kind: name, columns: new Array(Number(columns || 0)).fill("c") }, typed);
    expect(kind + " '" + typed + "'", read === null ? "unreadable" : read.join(" "), wanted);
  }
} else if (rule === "keys") {
  // The kinds in the order the program reads them back.
  const kinds = /enum class Kind \{([^}]*)\}/.exec(fs.readFileSync(header, "utf8"))[1].split(",").map((k) => k.trim());
  const { module, keydown } = openProgramPage(source, "");
  for (const line of cases) {
    const [name, wanted, character] = line.split(" ").map((word) => (word === "Space" ? " " : word));
    const before = module.keys.length;
    keydown({ key: name, repeat: false, preventDefault() {} });
    let seen = "none";
    if (module.keys.length > before) {
      const code = module.keys.pop();
      seen = kinds[code >> 8] + (code >> 8 === 0 ? " " + String.fromCharCode(code & 0xff) : "");
    }
    expect("the key '" + name + "'", seen, wanted + (character !== undefined ? " " + character : ""));
  }
} else if (rule === "options") {
  for (const line of cases) {
    const [option, value, wanted] = line.split(" ");
    const { module } = openProgramPage(source, "?" + option.slice(2) + "=" + encodeURIComponent(value));
    const at = module.arguments.indexOf(option);
    const taken = at >= 0 && module.arguments[at + 1] === value;
    expect(option + " " + value, taken ? "taken" : "refused", wanted);
  }
} else {
  throw new Error("no rule called " + rule);
}
console.log((failures ? "FAILED " : "ok ") + rule + ": " + (cases.length - failures) + " of " + cases.length + " cases as the C++ reads them");
process.exit(failures ? 1 : 0);
