// The page of one program of the suite in the browser: it starts the program (PROGRAM.js, the
// WebAssembly inside it) on the canvas with the seed and frame rate of the page's address, hands
// it the key presses, shows its caption above the canvas and what each step did beside it.
"use strict";
(function () {
    var body = document.body;
    var program = body.dataset.program;
    var canvas = document.getElementById("screen");
    var caption = document.getElementById("caption");
    var explanation = document.getElementById("explanation");
    var status = document.getElementById("status");
    var seedField = document.getElementById("seed");
    var fpsField = document.getElementById("fps");
    var parameters = new URLSearchParams(window.location.search);

    // The program's command line, from the address: ?seed=N (random programs, and a random graph
    // for a program that runs on a graph), ?graph=... (a graph of the visitor's), ?fps=N
    // (animated), ?predict=1.
    // A value the desktop program would refuse is said on the page and left out.
    var args = ["--explain"];
    var refused = [];
    var graphField = document.getElementById("graph");
    var graphNote = document.getElementById("graph-note");
    var graphName = "your-graph.txt";
    var graph = graphField ? parameters.get("graph") : null;
    var files = {};
    if (graph !== null) {
        graphField.value = decodeGraph(graph);
        files[graphName] = graphField.value;
        args.push("--graph", graphName);
    }
    var seed = parameters.get("seed");
    if (seed !== null && graph !== null) {
        refused.push("a graph of yours and a seed together: the page runs your graph, as the desktop takes one of them");
    } else if (seedField && seed !== null) {
        if (/^[0-9]{1,10}$/.test(seed) && Number(seed) <= 4294967295) {
            args.push("--seed", seed);
            seedField.value = seed;
        } else {
            refused.push("the seed must be a whole number from 0 to 4294967295, not '" + seed + "': the graph comes from the clock");
        }
    }
    var predictBox = document.getElementById("predict");
    if (parameters.get("predict") === "1") {
        args.push("--predict");
        predictBox.checked = true;
    }
    var fps = parameters.get("fps");
    if (fpsField && fps !== null) {
        if (/^[0-9]{1,4}$/.test(fps) && Number(fps) <= 1000) {
            args.push("--fps", fps);
            fpsField.value = fps;
        } else {
            refused.push("frames per second must be a whole number from 0 to 1000, not '" + fps + "': the animation runs at 60");
        }
    }
    if (refused.length > 0) status.textContent = refused.join("; ") + ".";

    // A graph in the address, short: "vertex 0 200 60" is v0.200.60, "edge 0 1" e0.1, "arc 0 1"
    // a0.1, the lines joined by "_"; a text with anything else (a comment, a blank line, another
    // word) goes as it is, after a "~", so that what the visitor wrote comes back as written.
    function encodeGraph(text) {
        var parts = [];
        var plain = text.replace(/\n+$/, "").split("\n").every(function (line) {
            var words = line.split(" ");
            if (words.length < 2 || line !== line.trim()) return false;
            var letter = { vertex: "v", edge: "e", arc: "a" }[words[0]];
            if (!letter || !words.slice(1).every(function (w) { return /^[0-9]{1,5}$/.test(w); })) return false;
            parts.push(letter + words.slice(1).join("."));
            return true;
        });
        return plain ? parts.join("_") : "~" + text;
    }
    function decodeGraph(value) {
        if (value === "") return "";
        if (value.charAt(0) === "~") return value.slice(1);
        var names = { v: "vertex", e: "edge", a: "arc" };
        return value.split("_").map(function (part) {
            return (names[part.charAt(0)] || part.charAt(0)) + " " + part.slice(1).split(".").join(" ");
        }).join("\n") + "\n";
    }

    // Restart: the same page with what the fields say, so that the address names the graph: the
    // field's graph after Run, a seed typed in its field, or on the page of a graph that graph.
    function restart(withGraph) {
        var next = new URLSearchParams();
        var seedTyped = seedField && seedField.value.trim() !== "";
        if (seedTyped && !withGraph) next.set("seed", seedField.value.trim());
        else if (withGraph || graph !== null) next.set("graph", encodeGraph(graphField.value));
        if (fpsField && fpsField.value.trim() !== "") next.set("fps", fpsField.value.trim());
        if (predictBox.checked) next.set("predict", "1");
        var query = next.toString() === "" ? "" : "?" + next.toString();
        if (query === window.location.search) window.location.reload();
        else window.location.search = query;
    }
    document.getElementById("restart").addEventListener("click", function () { restart(false); });
    if (graphField) {
        document.getElementById("graph-form").addEventListener("submit", function (event) {
            event.preventDefault();
            if (!/^\s*(vertex|edge|arc)\b/m.test(graphField.value)) {
                graphNote.textContent = "Your graph is empty: write a line 'vertex V X Y' for each vertex, then its edges.";
                graphField.setAttribute("aria-invalid", "true");
                return;
            }
            restart(true);
        });
    }

    // Keys as the desktop's window takes them, one number each: 256 times the kind (a character,
    // Backspace, Enter, Escape, the arrows, Page Up and Down, Home, End, another key) plus the
    // character. A held key's repeats and lone modifier keys are no steps, as on the desktop; Tab
    // and the browser's own shortcuts are left to the browser. The kinds' numbers are their places
    // in KeyPress::Kind (kit/platform/platform.h), where 12 is F1: tests/shared_rules/keys.txt
    // holds this table to that order.
    var named = { Backspace: 1, Enter: 2, Escape: 3, ArrowLeft: 4, ArrowRight: 5, ArrowUp: 6, ArrowDown: 7,
                  PageUp: 8, PageDown: 9, Home: 10, End: 11 };
    var otherKey = 13;
    var modifiers = ["Shift", "Control", "Alt", "AltGraph", "Meta", "OS", "CapsLock", "NumLock", "ScrollLock",
                     "Compose", "Fn", "Hyper", "Super"];
    var keys = [];
    canvas.addEventListener("keydown", function (event) {
        if (event.repeat || event.ctrlKey || event.metaKey || event.altKey) return;
        if (event.key === "Tab" || /^F[0-9]+$/.test(event.key) || modifiers.indexOf(event.key) >= 0) return;
        var code = otherKey * 256;
        if (named[event.key] !== undefined) code = named[event.key] * 256;
        else if (event.key.length === 1 && /[0-9a-zA-Z ,-]/.test(event.key)) code = event.key.toLowerCase().charCodeAt(0);
        keys.push(code);
        event.preventDefault();
    });
    canvas.addEventListener("mousedown", function () { canvas.focus(); });

    // What the program prints with --explain: the legend, then a block per step, shown a step at a
    // time.
    var lines = [], legend = [], inLegend = true;
    function print(line) {
        if (/^Step [0-9]+ of [0-9]+/.test(line)) {
            inLegend = false;
            lines = [line];
        } else if (inLegend) {
            legend.push(line);
            document.getElementById("legend").textContent = legend.join("\n");
            return;
        } else {
            lines.push(line);
        }
        explanation.textContent = lines.join("\n");
    }

    window.Module = {
        canvas: canvas,
        arguments: args,
        keys: keys,
        print: print,
        files: files,
        // The graph on screen, from the program: the field shows it, unless it holds the visitor's.
        showGraph: function (text) {
            if (graphField && graph === null) graphField.value = text;
        },
        printErr: function (line) {
            // A graph the program refuses is said beside the field: "your-graph.txt:3: ..." is line 3 of it.
            if (graphNote && line.indexOf(graphName) === 0) {
                graphNote.textContent = "Your graph" + line.slice(graphName.length).replace(/^:([0-9]+):/, ", line $1:");
                graphField.setAttribute("aria-invalid", "true");
            }
            status.textContent = line;
            if (window.console) console.error(line);
        },
        setCaption: function (text) {
            caption.textContent = text;
            document.title = text;
        },
        onExit: function (code) {
            status.textContent = code === 0 ? "The show has ended: Restart shows it again."
                                            : "The program ended with status " + code + ".";
            body.dataset.ended = String(code);
        },
        onAbort: function (what) {
            status.textContent = "The program stopped: " + what;
            body.dataset.ended = "abort";
        },
    };
    canvas.focus();
    var script = document.createElement("script");
    script.src = program + ".js";
    script.onerror = function () { status.textContent = program + ".js could not be loaded beside this page."; };
    document.body.appendChild(script);
})();
