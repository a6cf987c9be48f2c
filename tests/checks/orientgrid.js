// orientgrid: the digraph the program ends with (its arcs leaving each vertex) is strongly
// connected, by a search from vertex 0 along the arcs and one against them; it gives every edge
// of the undirected lists exactly one direction and adds none; and each arc is a tree edge
// directed from parent to child, or another edge directed from the larger discovery number to
// the smaller.
"use strict";

module.exports = function (data, fail) {
  const last = data.steps[data.steps.length - 1];
  const find = (step, kind, title) => step.state.find((entry) => entry.kind === kind && entry.title === title);
  const lists = find(last, "lists", "Neighbour lists, in the order the search tries them");
  const arcs = find(last, "lists", "Arcs leaving each vertex, once every edge is directed");
  if (!lists || !arcs) return fail("the last step does not show the neighbour lists and the arcs leaving each vertex");
  const n = lists.rows.length;
  if (arcs.rows.length !== n) return fail("the arcs are given for " + arcs.rows.length + " vertices, the lists have " + n);

  // Every edge once, in one direction.
  const key = (a, b) => Math.min(a, b) + "-" + Math.max(a, b);
  const edges = new Set();
  lists.rows.forEach((row, v) => row.forEach((w) => edges.add(key(v, w))));
  const directed = new Map();
  arcs.rows.forEach((row, v) => row.forEach((w) => {
    const edge = key(v, w);
    if (!edges.has(edge)) fail("arc " + v + "->" + w + " is no edge of the graph");
    else if (directed.has(edge)) fail("edge " + edge + " is directed twice, " + directed.get(edge) + " and " + v + "->" + w);
    directed.set(edge, v + "->" + w);
  }));
  edges.forEach((edge) => {
    if (!directed.has(edge)) fail("edge " + edge + " is given no direction");
  });

  // Reached from 0 along the arcs, and reaching 0: against the arcs.
  const reverse = arcs.rows.map(() => []);
  arcs.rows.forEach((row, v) => row.forEach((w) => reverse[w].push(v)));
  const reach = (rows) => {
    const seen = rows.map(() => false);
    const pending = [0];
    seen[0] = true;
    while (pending.length) {
      const v = pending.pop();
      rows[v].forEach((w) => {
        if (!seen[w]) seen[w] = pending.push(w) > 0;
      });
    }
    return seen;
  };
  const missed = (seen) => seen.map((s, v) => (s ? -1 : v)).filter((v) => v >= 0);
  const unreached = missed(reach(arcs.rows));
  if (unreached.length) fail("vertex 0 has no path along the arcs to " + unreached.join(", "));
  const stranded = missed(reach(reverse));
  if (stranded.length) fail("no path along the arcs leads back to 0 from " + stranded.join(", "));

  // The rule: down the tree, up every other edge.
  const numbered = data.steps.find((step) => find(step, "table", "discovery numbers") && find(step, "table", "parents"));
  if (!numbered) return fail("no step shows the discovery numbers and the parents");
  const number = find(numbered, "table", "discovery numbers").values;
  const parent = find(numbered, "table", "parents").values;
  arcs.rows.forEach((row, v) => row.forEach((w) => {
    if (parent[w] === v || parent[v] === w) {
      if (parent[w] !== v) fail("tree edge " + key(v, w) + " is directed " + v + "->" + w + ", up the tree");
    } else if (number[v] < number[w]) {
      fail("edge " + key(v, w) + " is directed " + v + "->" + w + ", from discovery number " + number[v] + " to " + number[w]);
    }
  }));

  // The questions, against a numbering search of the check's own over the lists (recursive, from
  // vertex 0) and against the arcs of the last step.
  const ownNumber = lists.rows.map(() => 0);
  const ownParent = lists.rows.map(() => -1);
  let next = 1;
  const visit = (v) => {
    ownNumber[v] = next++;
    lists.rows[v].forEach((w) => {
      if (!ownNumber[w]) {
        ownParent[w] = v;
        visit(w);
      }
    });
  };
  visit(0);
  let checked = 0;
  data.steps.forEach((step) => (step.questions || []).forEach((question) => {
    const numberOf = /What depth-first number does vertex (\d+) get\?/.exec(question.text);
    const kindOf = /make edge (\d+)-(\d+) a tree edge or a back edge\?/.exec(question.text);
    const pointTo = /arrow on edge (\d+)-(\d+) point to\?/.exec(question.text);
    const pointFrom = /arrow on back edge (\d+)-(\d+) point from (\d+) to (\d+)\?/.exec(question.text);
    if (numberOf) {
      const v = Number(numberOf[1]);
      if (question.answer[0] !== ownNumber[v]) fail("vertex " + v + "'s number is answered " + question.answer[0] + ", the search gives " + ownNumber[v]);
    } else if (kindOf) {
      const a = Number(kindOf[1]), b = Number(kindOf[2]);
      const tree = ownParent[a] === b || ownParent[b] === a ? 0 : 1;
      if (question.answer[0] !== tree) fail("edge " + a + "-" + b + " is answered " + question.answer[0] + ", the search makes it " + (tree ? "a back edge" : "a tree edge"));
    } else if (pointTo) {
      const arc = directed.get(key(Number(pointTo[1]), Number(pointTo[2])));
      if (!arc || Number(arc.split("->")[1]) !== question.answer[0]) fail(question.text + " is answered " + question.answer[0] + ", the arcs have " + arc);
    } else if (pointFrom) {
      const arc = directed.get(key(Number(pointFrom[1]), Number(pointFrom[2])));
      const said = arc === pointFrom[3] + "->" + pointFrom[4] ? 1 : 0;
      if (question.answer[0] !== said) fail(question.text + " is answered " + question.answer[0] + ", the arcs have " + arc);
    } else {
      return;
    }
    checked += 1;
  }));
  const asked = data.steps.some((step) => (step.questions || []).length > 0);
  if (asked && checked < 3) fail("only " + checked + " questions were checked");
};
