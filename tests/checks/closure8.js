// The closures' result, found again by a search from every vertex over the digraph the steps show
// (the reachability matrix at the start: a 1 for each edge and on the diagonal): the final matrix
// must hold a 1 exactly where the search from the row's vertex arrives, and the tables of how many
// other vertices each vertex (or each walk) reaches must count the same. The questions are held to
// searches that may stop only at vertices up to k, which is what the matrix knows after pass k:
// whether a vertex reaches another, a row, how many 1s, what a pass adds and whether it sets a cell.
// closure12 shares it.
"use strict";

module.exports = function (data, fail) {
  const name = data.program;
  const matrices = data.steps.map((step) => step.state.filter((item) => item.kind === "matrix")).flat();
  const start = matrices.find((item) => item.title === "reachability matrix at the start");
  if (!start) return fail(name + ": no step shows the reachability matrix at the start");
  const n = start.size;
  const edge = (i, j) => start.cells[i * n + j] === 1;
  // reachThrough(k)[s][w]: a path from s to w stops only at vertices up to k (k = -1: an edge).
  const reachThrough = (k) => {
    const rows = [];
    for (let s = 0; s < n; s += 1) {
      const seen = new Array(n).fill(false);
      const queue = [s];
      seen[s] = true;
      while (queue.length) {
        const v = queue.shift();
        if (v !== s && v > k) continue;
        for (let w = 0; w < n; w += 1)
          if (edge(v, w) && !seen[w]) {
            seen[w] = true;
            queue.push(w);
          }
      }
      rows.push(seen);
    }
    return rows;
  };
  const reach = reachThrough(n - 1);
  const last = matrices[matrices.length - 1];
  if (last === start) return fail(name + ": no matrix after the start");
  if (last.size !== n) return fail(name + ": the final matrix is " + last.size + " x " + last.size + ", the digraph has " + n + " vertices");
  for (let i = 0; i < n; i += 1)
    for (let j = 0; j < n; j += 1)
      if ((last.cells[i * n + j] === 1) !== reach[i][j])
        fail(name + ": the final matrix has " + last.cells[i * n + j] + " at row " + i + ", column " + j + ", but " + i +
             (reach[i][j] ? " reaches " : " does not reach ") + j);
  const others = reach.map((row, i) => row.filter((r, j) => r && j !== i).length);
  data.steps.forEach((step) => step.state.forEach((item) => {
    if (item.kind !== "table" || !/how many other vertices/.test(item.title)) return;
    if (JSON.stringify(item.values) !== JSON.stringify(others))
      fail(name + ": step " + step.step + " says " + item.title + " is " + item.values + ", the searches give " + others);
  }));

  const ones = (rows) => rows.flat().filter(Boolean).length;
  const said = (question, expected) => {
    if (JSON.stringify(question.answer) !== JSON.stringify(expected))
      fail(name + ": \"" + question.text + "\" is answered " + question.answer + ", the searches give " + expected);
  };
  let asked = 0;
  data.steps.forEach((step) => (step.questions || []).forEach((question) => {
    const text = question.text;
    let m;
    asked += 1;
    if ((m = /does vertex (\d+) reach vertex (\d+)\?/.exec(text)))
      said(question, [reach[+m[1]][+m[2]] ? 1 : 0]);
    else if ((m = /^Fill in row (\d+) of the closure/.exec(text)))
      said(question, reach[+m[1]].map(Number));
    else if (/^How many 1s will the closure have/.test(text))
      said(question, [ones(reach)]);
    else if ((m = /^How many new 1s will pass (\d+)/.exec(text)))
      said(question, [ones(reachThrough(+m[1])) - ones(reachThrough(+m[1] - 1))]);
    else if ((m = /^Row (\d+), column (\d+) is 0 now\. Will pass (\d+)/.exec(text)))
      said(question, [reachThrough(+m[3])[+m[1]][+m[2]] && !reachThrough(+m[3] - 1)[+m[1]][+m[2]] ? 1 : 0]);
    else if ((m = /^Fill in row (\d+) as it will be after pass (\d+)/.exec(text)))
      said(question, reachThrough(+m[2])[+m[1]].map(Number));
    else if ((m = /^Row (\d+), column (\d+) is 0 at the start and 1 in the closure/.exec(text)))
      said(question, [[...Array(n).keys()].find((k) => reachThrough(k)[+m[1]][+m[2]])]);
    else asked -= 1, fail(name + ": no search here answers \"" + text + "\"");
  }));
  if (data.steps.some((step) => (step.questions || []).length) && asked === 0) fail(name + ": no question checked");
};
