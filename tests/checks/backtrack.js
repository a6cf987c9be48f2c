// The parent pointers the search leaves: a depth-first tree of the vertices 0 reaches.
"use strict";
module.exports = require("./depth_first_tree.js");
