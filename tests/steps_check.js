// Checks a recorded show's steps.json (recorded with --predict) against what the words promise:
//   node steps_check.js STEPS_JSON
// - the show gives its algorithm in 6 to 14 lines and says how it works, and every step names at
//   least one of those lines and none other;
// - wherever a step shows the neighbour lists a depth-first search tries in order, every "which
//   vertex does the search discover next" answer is what a search of its own, run here on those
//   lists with an explicit stack, does next from that vertex: the first undiscovered vertex of its
//   list, or back to its parent when there is none; and "after vertex v, which vertex does it
//   enter next" is the vertex that search discovers after v; a row to fill (the discovery order,
//   the discovery numbers, the finishing order, the parents) and "will u be finished before w is
//   discovered" are what that search from 0 gives.
// - the program's result, by tests/checks/PROGRAM.js where there is one.
// Prints one line per failure and exits 1 when any failed.
"use strict";
const fs = require("fs");
const path = require("path");

const file = process.argv[2];
const data = JSON.parse(fs.readFileSync(file, "utf8"));
let failures = 0;
function fail(what) {
  failures += 1;
  console.log("FAILED " + file + ": " + what);
}

const lineCount = (data.algorithm || []).length;
if (lineCount < 6 || lineCount > 14) fail("the algorithm has " + lineCount + " lines, not 6 to 14");
if (!data.how) fail("no words on how the algorithm works");
data.steps.forEach((step) => {
  const lines = step.lines || [];
  if (!lines.length) fail("step " + step.step + " names no line of the algorithm");
  lines.forEach((line) => {
    if (!(line >= 1 && line <= lineCount)) fail("step " + step.step + " names line " + line + " of " + lineCount);
  });
});

// The moves of a depth-first search over the lists, in order: from vertex `from` it discovers
// `to`, or (to -1) goes back. Each vertex left undiscovered, in number order, starts a new search.
function searchMoves(lists) {
  const discovered = lists.map(() => false);
  const moves = [];
  moves.order = [];  // the vertices in the order discovered
  // Of the search from 0 alone: the vertices in the order finished, each vertex's parent (-1 for 0
  // and for a vertex it never reaches), and the moment of each discovery and finish on one clock.
  moves.finishedFromZero = [];
  moves.parent = lists.map(() => -1);
  moves.discoveredAt = lists.map(() => Infinity);
  moves.finishedAt = lists.map(() => Infinity);
  let clock = 0;
  lists.forEach((_, root) => {
    if (discovered[root]) return;
    discovered[root] = true;
    moves.order.push(root);
    if (root === 0) moves.discoveredAt[0] = clock++;
    const stack = [{ vertex: root, next: 0 }];
    while (stack.length) {
      const top = stack[stack.length - 1];
      const list = lists[top.vertex];
      while (top.next < list.length && discovered[list[top.next]]) top.next += 1;
      if (top.next < list.length) {
        const w = list[top.next];
        discovered[w] = true;
        moves.order.push(w);
        moves.push({ from: top.vertex, to: w });
        stack.push({ vertex: w, next: 0 });
        if (root === 0) moves.parent[w] = top.vertex, moves.discoveredAt[w] = clock++;
      } else {
        stack.pop();
        moves.push({ from: top.vertex, to: -1 });
        if (root === 0) moves.finishedFromZero.push(top.vertex), moves.finishedAt[top.vertex] = clock++;
      }
    }
  });
  moves.reachedFromZero = moves.finishedFromZero.length;
  return moves;
}

const listsTitle = "Neighbour lists, in the order the search tries them";
const shown = data.steps.map((step) => step.state.find((item) => item.kind === "lists" && item.title === listsTitle));
const withLists = shown.find((item) => item);
if (withLists) {
  shown.forEach((item, k) => {
    if (!item) fail("step " + (k + 1) + " does not show the neighbour lists the search tries");
    else if (JSON.stringify(item.rows) !== JSON.stringify(withLists.rows)) fail("step " + (k + 1) + " shows other lists");
  });
  const moves = searchMoves(withLists.rows);
  const discoveryOrder = moves.order;
  let at = 0;
  let asked = 0;
  // Every question put, with the step it comes before; several may come before one step.
  const puts = [];
  let handedOn = 0;  // rows left to the program's own check
  data.steps.forEach((step) => (step.questions || []).forEach((question) => puts.push({ step: step.step, question })));
  puts.forEach((step) => {
    const question = step.question;
    // "After vertex 6, which vertex does the search enter next?": the next in discovery order.
    const after = question && question.kind === "vertex" && /^After vertex (\d+), which vertex/.exec(question.text);
    if (after) {
      asked += 1;
      const next = discoveryOrder[discoveryOrder.indexOf(parseInt(after[1], 10)) + 1];
      if (question.answer[0] !== next)
        fail("step " + step.step + ": after " + after[1] + " the answer is " + question.answer[0] + ", the lists give " + next);
      return;
    }
    const ancestors = (w) => {
      const up = [];
      for (let u = moves.parent[w]; u !== -1; u = moves.parent[u]) up.push(u);
      return up;
    };
    // A row to fill: the discovery order, each vertex's discovery number, the finishing order or each
    // vertex's parent, all of the search from 0 ("-", -1, for a root's parent or a vertex not reached).
    if (question.kind === "table") {
      const reached = moves.order.slice(0, moves.reachedFromZero);
      const rows = [
        [/in what order will it discover/, reached],
        [/which discovery number will each vertex get/, withLists.rows.map((_, v) => (reached.indexOf(v) < 0 ? -1 : reached.indexOf(v) + 1))],
        [/in what order will it finish/, moves.finishedFromZero],
        [/what will each vertex's parent be/, moves.parent],
        [/how many bands will lead down from 0 to each vertex/, withLists.rows.map((_, v) => (v === 0 ? 0 : moves.parent[v] === -1 ? -1 : ancestors(v).length))],
      ];
      const row = rows.find(([pattern]) => pattern.test(question.text));
      if (!row) {
        // A row of the program's own (components' component of each vertex) is its own check's to
        // compute; without one it would go unchecked.
        const own = path.join(__dirname, "checks", path.basename(String(data.program)) + ".js");
        if (!fs.existsSync(own)) fail("step " + step.step + " asks for a row the lists cannot check: " + question.text);
        handedOn += 1;
        return;
      }
      asked += 1;
      if (JSON.stringify(question.answer) !== JSON.stringify(row[1]))
        fail("step " + step.step + ": " + question.text + " is answered " + question.answer + ", the lists give " + row[1]);
      return;
    }
    // "Will u be finished before w is discovered?" and "when the search discovers w, how many are
    // finished?", on the clock of the same search.
    const before = /^Will vertex (\d+) be finished before vertex (\d+) is discovered/.exec(question.text);
    if (before) {
      asked += 1;
      const yes = moves.finishedAt[Number(before[1])] < moves.discoveredAt[Number(before[2])];
      if (question.answer[0] !== (yes ? 1 : 0)) fail("step " + step.step + ": " + question.text + " the lists give " + (yes ? "yes" : "no"));
      return;
    }
    const finishedBy = /^When the search discovers vertex (\d+), how many vertices will be finished/.exec(question.text);
    if (finishedBy) {
      asked += 1;
      const at = moves.discoveredAt[Number(finishedBy[1])];
      const count = moves.finishedAt.filter((time) => time < at).length;
      if (question.answer[0] !== count) fail("step " + step.step + ": " + question.text + " the lists give " + count);
      return;
    }
    // Questions on the tree to come: a leaf, a way back to 0 through u, a run of return arrows.
    const leaf = /^Will vertex (\d+) be a leaf of the depth-first tree/.exec(question.text);
    const through = /will the parent pointers lead from (\d+) back to 0 through (\d+)\?/.exec(question.text);
    const climb = /How many return arrows in a row will the search follow, starting with (\d+)'s/.exec(question.text);
    const depth = /^How many tree edges will the path from 0 down to vertex (\d+) have/.exec(question.text);
    const parentOf = /^Vertex (\d+) is not entered yet\. Which vertex will its band come from/.exec(question.text);
    const children = /When it is over, how many bands will lead down from (\d+) to vertices below it/.exec(question.text);
    const band = /^Will edge (\d+)-(\d+) become a band of the tree/.exec(question.text);
    if (parentOf || children || band) {
      asked += 1;
      const right = parentOf ? moves.parent[Number(parentOf[1])]
                  : children ? moves.parent.filter((p) => p === Number(children[1])).length
                  : moves.parent[Number(band[1])] === Number(band[2]) || moves.parent[Number(band[2])] === Number(band[1]) ? 1 : 0;
      if (question.answer[0] !== right) fail("step " + step.step + ": " + question.text + " the lists give " + right);
      return;
    }
    if (depth) {
      asked += 1;
      if (question.answer[0] !== ancestors(Number(depth[1])).length)
        fail("step " + step.step + ": " + question.text + " the lists give " + ancestors(Number(depth[1])).length);
      return;
    }
    if (leaf || through || climb) {
      asked += 1;
      let right;
      if (leaf) right = moves.parent.includes(Number(leaf[1])) ? 0 : 1;
      else if (through) right = ancestors(Number(through[1])).includes(Number(through[2])) ? 1 : 0;
      else {
        let i = moves.findIndex((move) => move.from === Number(climb[1]) && move.to === -1);
        right = 0;
        for (; i < moves.length && moves[i].to === -1 && moves[i].from !== 0; i += 1) right += 1;
      }
      if (question.answer[0] !== right) fail("step " + step.step + ": " + question.text + " the lists give " + right);
      return;
    }
    if (!question || question.kind !== "vertex_or_back") return;
    const from = /[Ff]rom vertex (\d+)/.exec(question.text);
    if (!from) return fail("step " + step.step + " asks where the search goes without naming the vertex");
    const v = parseInt(from[1], 10);
    // A question may skip moves: the step it comes before places its move, by the discovery
    // numbers, parents or finished vertices that step shows once the move is made.
    const shownAfter = data.steps[step.step - 1].state;
    const placed = (i) => {
      const downs = moves.slice(0, i + 1).filter((move) => move.to !== -1).length;
      const backs = i + 1 - downs;
      return shownAfter.every((item) => {
        if (item.title === "Discovery numbers") return item.values.filter((x) => x !== item.blank).length === downs + 1;
        if (item.title === "Parents") return item.values.filter((x) => x !== item.blank).length === downs;
        if (/^Finished so far/.test(item.title)) return item.values.length === backs;
        return true;
      });
    };
    while (at < moves.length && (moves[at].from !== v || !placed(at))) at += 1;
    if (at === moves.length) return fail("step " + step.step + ": the search never moves on from " + v + " here");
    asked += 1;
    if (question.answer[0] !== moves[at].to)
      fail("step " + step.step + ": from " + v + " the answer is " + question.answer[0] + ", the lists give " + moves[at].to);
    at += 1;
  });
  // The vertices as the program says it discovered them are the order the shown lists give.
  data.steps.forEach((step) => step.state.forEach((item) => {
    if (item.kind !== "list" || !/discovery order|by discovery number|order of entering|^preorder/i.test(item.title)) return;
    asked += 1;
    if (JSON.stringify(item.values) !== JSON.stringify(discoveryOrder.slice(0, item.values.length)))
      fail("step " + step.step + ": " + item.title + " is " + item.values + ", the lists give " + discoveryOrder);
  }));
  if (!asked && !handedOn && puts.some((put) => put.question.kind === "vertex_or_back" || put.question.kind === "table"))
    fail("no question was checked");
}
// A program's own result, checked by tests/checks/PROGRAM.js where there is one: a function of the
// data and `fail` that computes the result again, in a way of its own, from the graph the steps
// show.
const ownCheck = path.join(__dirname, "checks", path.basename(String(data.program)) + ".js");
if (fs.existsSync(ownCheck)) require(ownCheck)(data, fail);

if (failures) process.exit(1);
console.log("ok " + file);
