// dfsedges' result: every edge the search reaches is exactly one tree edge or one back edge. The
// tree edges are the last step's parents (a depth-first tree, by depth_first_tree.js), the back
// edges those the closing sentence names; each back edge joins a vertex to an ancestor other than
// its parent, and every edge its questions call a tree or a back edge is one.
"use strict";
const checkDepthFirstTree = require("./depth_first_tree.js");

function namedEdges(text) {
  return text ? text.split(", ").map((pair) => pair.split("-").map(Number)) : [];
}

module.exports = function (data, fail) {
  const tree = checkDepthFirstTree(data, fail);
  if (!tree) return;
  const { edges, reached, parent, treeEdges, isAncestor, edgeKey } = tree;
  const asked = [];
  data.steps.forEach((step) => (step.questions || []).forEach((question) => {
    if (question.kind === "edge_kind") asked.push({ step: step.step, question });
  }));
  const backEdges = new Set();
  asked.forEach((step) => {
    const edge = /looks along edge (\d+)-(\d+)/.exec(step.question.text);
    if (!edge) return fail("step " + step.step + " asks about an edge without naming it");
    const [u, v] = [Number(edge[1]), Number(edge[2])];
    const key = edgeKey(u, v);
    if (/back edge/.test(step.question.answer_text)) {
      if (backEdges.has(key) || treeEdges.has(key)) fail("step " + step.step + ": edge " + key + " is met twice");
      if (!isAncestor(v, u) || parent[u] === v) fail("step " + step.step + ": back edge " + u + "-" + v + " does not lead to an ancestor of " + u + " other than its parent");
      backEdges.add(key);
    } else if (!treeEdges.has(key)) {
      fail("step " + step.step + ": tree edge " + key + " is not a parent's edge");
    }
  });
  const said = /found (\d+) tree edges? \(([-0-9, ]*)\) and (?:(\d+) back edges? \(([-0-9, ]*)\)|no back edge)/.exec(
    data.steps[data.steps.length - 1].sentence);
  if (!said) return fail("the last step does not name the tree and back edges");
  const saidTree = namedEdges(said[2]), saidBack = namedEdges(said[4]);
  if (Number(said[1]) !== saidTree.length || Number(said[3] || 0) !== saidBack.length) fail("the counts said are not the edges named");
  const sameSet = (pairs, set) => pairs.length === set.size && pairs.every(([u, v]) => set.has(edgeKey(u, v)));
  if (!sameSet(saidTree, treeEdges)) fail("the tree edges said, " + said[2] + ", are not the parents' edges");
  const saidBackKeys = new Set(saidBack.map(([u, v]) => edgeKey(u, v)));
  backEdges.forEach((key) => {
    if (!saidBackKeys.has(key)) fail("back edge " + key + " asked about is not among those said, " + said[4]);
  });
  data.steps.forEach((step) => (step.questions || []).forEach((question) => {
    if (/^How many back edges will the search have found/.test(question.text) && question.answer[0] !== saidBack.length)
      fail("step " + step.step + ": " + question.answer[0] + " back edges in all, but the end names " + saidBack.length);
  }));
  saidBack.forEach(([u, v]) => {
    if (!isAncestor(v, u) || parent[u] === v) fail("back edge " + u + "-" + v + " said does not lead to an ancestor of " + u + " other than its parent");
  });
  edges.forEach(([u, v]) => {
    const key = edgeKey(u, v);
    if (reached[u] && !treeEdges.has(key) && !saidBackKeys.has(key)) fail("edge " + key + " is neither a tree nor a back edge");
  });
};
