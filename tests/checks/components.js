// components: the component the program gives each vertex, and the count, against a union-find of
// the edges its neighbour lists show (an edge listed at one end only is still a line of the
// picture, and joins its ends like any other).
"use strict";

module.exports = function (data, fail) {
  const last = data.steps[data.steps.length - 1];
  const item = (kind, title) => last.state.find((entry) => entry.kind === kind && entry.title === title);
  const lists = item("lists", "Neighbour lists, in the order the search tries them");
  const table = item("table", "Component of each vertex");
  const count = item("count", "Number of connected components");
  if (!lists || !table || !count) return fail("the last step does not show the lists, the component of each vertex and the count");

  const n = lists.rows.length;
  const leader = lists.rows.map((_, v) => v);
  const find = (v) => {
    while (leader[v] !== v) {
      leader[v] = leader[leader[v]];
      v = leader[v];
    }
    return v;
  };
  lists.rows.forEach((row, v) => row.forEach((w) => {
    leader[find(v)] = find(w);
  }));

  const given = table.values;
  if (given.length !== n) return fail("the component table has " + given.length + " vertices, the lists " + n);
  // Components are numbered 1, 2, ... as the outer loop meets them, at their lowest vertex.
  const numberOfSet = new Map();
  for (let v = 0; v < n; v += 1) {
    const set = find(v);
    if (!numberOfSet.has(set)) numberOfSet.set(set, numberOfSet.size + 1);
    if (given[v] !== numberOfSet.get(set))
      fail("vertex " + v + " is given component " + given[v] + ", the union of the listed edges makes it " + numberOfSet.get(set));
  }
  if (count.value !== numberOfSet.size)
    fail("the count is " + count.value + ", the union of the listed edges leaves " + numberOfSet.size + " sets");

  // The questions asked before the first search, against the same union: the count, the row of each
  // vertex's component, and each "are u and v in one component?".
  const questions = [];
  data.steps.forEach((step) => (step.questions || []).forEach((question) => questions.push(question)));
  let checked = 0;
  questions.forEach((question) => {
    const pair = /^Are vertices (\d+) and (\d+) in one connected component\?/.exec(question.text);
    if (question.kind === "number" && /How many connected components/.test(question.text)) {
      checked += 1;
      if (question.answer[0] !== numberOfSet.size) fail("the count asked is answered " + question.answer[0] + ", the union gives " + numberOfSet.size);
    } else if (question.kind === "table") {
      checked += 1;
      const row = lists.rows.map((_, v) => numberOfSet.get(find(v)));
      if (JSON.stringify(question.answer) !== JSON.stringify(row)) fail("the component row asked is answered " + question.answer + ", the union gives " + row);
    } else if (pair) {
      checked += 1;
      const same = find(Number(pair[1])) === find(Number(pair[2])) ? 1 : 0;
      if (question.answer[0] !== same) fail(question.text + " is answered " + question.answer[0] + ", the union gives " + same);
    }
  });
  if (numberOfSet.size > 1 && checked < 4) fail("only " + checked + " of the opening questions were checked");
};
