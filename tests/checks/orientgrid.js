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
};
