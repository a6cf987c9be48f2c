// The closures' result, found again by a search from every vertex over the digraph the steps show
// (the reachability matrix at the start: a 1 for each edge and on the diagonal): the final matrix
// must hold a 1 exactly where the search from the row's vertex arrives, and the tables of how many
// other vertices each vertex (or each walk) reaches must count the same. closure12 shares it.
"use strict";

module.exports = function (data, fail) {
  const name = data.program;
  const matrices = data.steps.map((step) => step.state.filter((item) => item.kind === "matrix")).flat();
  const start = matrices.find((item) => item.title === "reachability matrix at the start");
  if (!start) return fail(name + ": no step shows the reachability matrix at the start");
  const n = start.size;
  const edge = (i, j) => start.cells[i * n + j] === 1;
  const reach = [];
  for (let s = 0; s < n; s += 1) {
    const seen = new Array(n).fill(false);
    const queue = [s];
    seen[s] = true;
    while (queue.length) {
      const v = queue.shift();
      for (let w = 0; w < n; w += 1)
        if (edge(v, w) && !seen[w]) {
          seen[w] = true;
          queue.push(w);
        }
    }
    reach.push(seen);
  }
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
};
