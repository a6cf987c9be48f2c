// The depth-first tree a view ends with (the Parents table of its last step), checked against the
// graph its steps show without running a depth-first search: the tree spans exactly the vertices
// connected to 0 (found by union-find over the edges), every parent is a neighbour, following
// parents leads back to 0, and every other edge between reached vertices joins a vertex and one of
// its ancestors: an undirected depth-first search leaves no edge across two branches. A random
// graph (--seed) is also held to what its generator promises.
"use strict";

const listsTitle = "Neighbour lists, in the order the search tries them";

function edgeKey(u, v) {
  return Math.min(u, v) + "-" + Math.max(u, v);
}

// Every edge once, from the rows that list each edge at both its ends.
function edgesOf(rows, fail) {
  const ends = new Map();
  rows.forEach((row, v) => row.forEach((w) => ends.set(edgeKey(v, w), (ends.get(edgeKey(v, w)) || 0) + 1)));
  const edges = [];
  ends.forEach((count, key) => {
    if (count !== 2) fail("edge " + key + " is listed " + count + " times, not once at each end");
    edges.push(key.split("-").map(Number));
  });
  return edges;
}

function components(n, edges) {
  const part = [...Array(n).keys()];
  const find = (v) => (part[v] === v ? v : (part[v] = find(part[v])));
  edges.forEach(([u, v]) => (part[find(u)] = find(v)));
  return find;
}

// A random graph: connected, 3 to 5 edges more than a spanning tree, each list by increasing number.
function checkRandomGraph(rows, edges, find, fail) {
  const n = rows.length;
  if (rows.some((_, v) => find(v) !== find(0))) fail("the random graph of seed is not connected");
  const cycles = edges.length - (n - 1);
  if (cycles < 3 || cycles > 5) fail("the random graph has " + cycles + " independent cycles, not 3 to 5");
  rows.forEach((row, v) => {
    if (row.some((w, j) => j > 0 && row[j - 1] >= w)) fail("the random graph's list of " + v + " is not by number");
  });
}

// Returns the graph and the tree for a view's own further checks, or null when there is none.
module.exports = function checkDepthFirstTree(data, fail) {
  const last = data.steps[data.steps.length - 1];
  const lists = last.state.find((item) => item.kind === "lists" && item.title === listsTitle);
  const parents = last.state.find((item) => item.kind === "table" && item.title === "Parents");
  if (!lists || !parents) {
    fail("the last step shows no neighbour lists or no parents");
    return null;
  }
  const rows = lists.rows;
  const n = rows.length;
  const parent = parents.values;
  if (parent.length !== n) fail("the parents are " + parent.length + " for " + n + " vertices");
  const edges = edgesOf(rows, fail);
  const find = components(n, edges);
  const reached = rows.map((_, v) => find(v) === find(0));
  if (data.seed !== null && data.seed !== undefined) checkRandomGraph(rows, edges, find, fail);

  const treeEdges = new Set();
  const depth = rows.map(() => -1);
  depth[0] = 0;
  rows.forEach((_, v) => {
    if (v === 0 || !reached[v]) {
      if (parent[v] !== parents.blank) fail("vertex " + v + " has parent " + parent[v] + ", but " +
                                            (v === 0 ? "it is the root" : "0 cannot reach it"));
      return;
    }
    if (!rows[v].includes(parent[v])) return fail("vertex " + v + "'s parent " + parent[v] + " is not its neighbour");
    treeEdges.add(edgeKey(v, parent[v]));
    // Up the parents, at most n steps, to the root.
    let steps = 0;
    for (let u = v; u !== 0 && steps <= n; u = parent[u]) steps += 1;
    if (steps > n) return fail("following parents from " + v + " never reaches 0");
    depth[v] = steps;
  });
  const isAncestor = (a, d) => {
    for (let u = d; u !== 0 && depth[u] > 0; u = parent[u]) if (parent[u] === a) return true;
    return false;
  };
  edges.forEach(([u, v]) => {
    if (!reached[u] || treeEdges.has(edgeKey(u, v))) return;
    if (!isAncestor(u, v) && !isAncestor(v, u))
      fail("edge " + u + "-" + v + " joins two branches of the depth-first tree: no depth-first search leaves that");
  });
  return { rows, edges, reached, parent, treeEdges, isAncestor, edgeKey };
};
