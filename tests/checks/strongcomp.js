// strongcomp's components, found again by mutual reachability: a search from every vertex over the
// out-lists the steps show, and two vertices share a component exactly when each reaches the
// other. The program's table of each vertex's component must give the same classes, the count of
// components must be theirs, and since the second pass finds them sources first, every arc between
// two components must lead from the lower number to the higher.
"use strict";

function reachedFrom(lists, start) {
  const reached = lists.map(() => false);
  const stack = [start];
  reached[start] = true;
  while (stack.length) {
    const v = stack.pop();
    lists[v].forEach((w) => {
      if (!reached[w]) {
        reached[w] = true;
        stack.push(w);
      }
    });
  }
  return reached;
}

module.exports = function (data, fail) {
  const items = (title) => data.steps.map((step) => step.state.find((item) => item.title === title)).filter((x) => x);
  const lists = items("Out-lists, in the order the first pass tries them")[0];
  const tables = items("component of each vertex");
  if (!lists) return fail("strongcomp: no step shows the out-lists");
  if (!tables.length) return fail("strongcomp: no step shows the component of each vertex");
  const rows = lists.rows;
  const reach = rows.map((_, v) => reachedFrom(rows, v));
  const classes = new Set();
  tables.forEach((table) => {
    const component = table.values;
    if (component.length !== rows.length) return fail("strongcomp: components for " + component.length + " of " + rows.length + " vertices");
    rows.forEach((_, u) => rows.forEach((__, v) => {
      const mutual = reach[u][v] && reach[v][u];
      if (mutual !== (component[u] === component[v]))
        fail("strongcomp: " + u + " and " + v + (mutual ? " reach each other but are in components " : " do not reach each other but share component ") +
             component[u] + (mutual ? " and " + component[v] : ""));
    }));
    rows.forEach((list, u) => list.forEach((w) => {
      if (component[u] > component[w])
        fail("strongcomp: arc " + u + "->" + w + " leads from component " + component[u] + " back to component " + component[w]);
    }));
    component.forEach((c) => classes.add(c));
  });
  const mutualClasses = new Set(rows.map((_, u) => rows.findIndex((__, v) => reach[u][v] && reach[v][u])));
  if (classes.size !== mutualClasses.size) fail("strongcomp: " + classes.size + " component numbers, " + mutualClasses.size + " classes of mutual reachability");
  items("strongly connected components").forEach((count) => {
    if (count.value !== mutualClasses.size) fail("strongcomp: says " + count.value + " components, mutual reachability gives " + mutualClasses.size);
  });

  // The component questions, against mutual reachability: a vertex's component, the count, and
  // whether two vertices share one.
  const mutual = (u, v) => reach[u][v] && reach[v][u];
  let checked = 0;
  data.steps.forEach((step) => (step.questions || []).forEach((question) => {
    const of = /component of vertex (\d+)/.exec(question.text);
    const pair = /^Do vertices (\d+) and (\d+) lie in one strongly connected component\?/.exec(question.text);
    if (question.kind === "vertices" && of) {
      checked += 1;
      const u = Number(of[1]);
      const members = rows.map((_, v) => v).filter((v) => mutual(u, v));
      if (JSON.stringify(question.answer) !== JSON.stringify(members))
        fail("strongcomp: the component of " + u + " is answered " + question.answer + ", mutual reachability gives " + members);
    } else if (question.kind === "number" && /How many strongly connected components/.test(question.text)) {
      checked += 1;
      if (question.answer[0] !== mutualClasses.size)
        fail("strongcomp: the count asked is answered " + question.answer[0] + ", mutual reachability gives " + mutualClasses.size);
    } else if (pair) {
      checked += 1;
      const same = mutual(Number(pair[1]), Number(pair[2])) ? 1 : 0;
      if (question.answer[0] !== same) fail("strongcomp: " + question.text + " is answered " + question.answer[0] + ", mutual reachability gives " + same);
    }
  }));
  const asked = data.steps.some((step) => (step.questions || []).length > 0);
  if (asked && checked < 2) fail("strongcomp: only " + checked + " component questions were checked");
};
