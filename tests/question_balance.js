// How far a student who guesses can get: for each sheet (one steps.json of a --predict --record
// run) and for the sheets together, the share of questions that one fixed guess typed to every
// question gets right. The guesses are everything a question can be answered with by one word: y,
// n, t (a tree edge), b (a back edge, or "the search goes back") and each number, read as each
// question reads it (a number answers a vertex, a count, a set of one vertex or a row of one cell).
//   node question_balance.js [--most SHARE] steps.json...
// prints the best guess of each sheet and of all of them, and fails (exit 1) when one scores more
// than SHARE (0.5 unless given) on a sheet or over all the sheets together.
"use strict";
const fs = require("fs");

const argv = process.argv.slice(2);
let most = 0.5;
if (argv[0] === "--most") {
  most = Number(argv[1]);
  argv.splice(0, 2);
}

// Whether typing `guess` answers `question` rightly, as the window would judge it.
function rightly(question, guess) {
  const answer = question.answer;
  switch (question.kind) {
    case "yes_no": return (guess === "y" && answer[0] === 1) || (guess === "n" && answer[0] === 0);
    case "edge_kind": return (guess === "t" && answer[0] === 0) || (guess === "b" && answer[0] === 1);
    case "vertex_or_back": return guess === "b" ? answer[0] === -1 : String(answer[0]) === guess;
    case "table":
    case "vertices": return answer.length === 1 && String(answer[0]) === guess;
    default: return String(answer[0]) === guess;
  }
}

function guessesFor(questions) {
  const guesses = new Set(["y", "n", "t", "b"]);
  for (const question of questions) for (const value of question.answer) if (value >= 0) guesses.add(String(value));
  return [...guesses];
}

function best(questions) {
  let top = { guess: "", right: 0 };
  for (const guess of guessesFor(questions)) {
    const right = questions.filter((question) => rightly(question, guess)).length;
    if (right > top.right) top = { guess, right };
  }
  return { ...top, asked: questions.length, share: questions.length ? top.right / questions.length : 0 };
}

const all = [];
let failed = false;
for (const file of argv) {
  const data = JSON.parse(fs.readFileSync(file, "utf8"));
  const questions = [];
  for (const step of data.steps) for (const question of step.questions || []) questions.push(question);
  all.push(...questions);
  const sheet = best(questions);
  const over = sheet.share > most;
  failed = failed || over;
  console.log((over ? "TOO EASY " : "") + file + ": " + sheet.asked + " questions, best fixed guess '" + sheet.guess +
              "' gets " + sheet.right + " right (" + Math.round(100 * sheet.share) + " %)");
}
const together = best(all);
const over = together.share > most;
console.log((over ? "TOO EASY " : "") + "all " + argv.length + " sheets: " + together.asked + " questions, best fixed guess '" +
            together.guess + "' gets " + together.right + " right (" + (100 * together.share).toFixed(1) + " %)");
process.exit(failed || over ? 1 : 0);
