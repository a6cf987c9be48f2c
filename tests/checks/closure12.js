// closure12's walks and closure are checked as closure8's are.
"use strict";
module.exports = require("./closure8.js");
