// Steps through every program of the site in headless Chromium, a key press per step, and compares
// the canvas at every step with the desktop's --record picture of that step, pixel by pixel.
//
//   node web_compare.js PLAYWRIGHT_CORE SITE_DIR RECORDINGS_DIR PROGRAMS_LIST
//
// RECORDINGS_DIR/PROGRAM/step-NNN.png are the desktop's pictures, recorded with the program's first
// seed in programs.list. Prints a line per program, then "N passed, M failed" over all the steps;
// exits 0 only when every step of every program matched and each show ended by itself.
"use strict";
const fs = require("fs");
const http = require("http");
const path = require("path");

const [playwrightPath, siteDir, recordingsDir, listPath] = process.argv.slice(2);
const { chromium } = require(playwrightPath);

// programs.list: name, seeds ("-" for none), steps, description.
const programs = fs.readFileSync(listPath, "utf8").split("\n")
    .filter((line) => line.trim() !== "" && !line.startsWith("#"))
    .map((line) => {
        const [name, seeds, steps] = line.trim().split(/\s+/);
        return { name, seed: seeds === "-" ? null : seeds.split(",")[0], steps: Number(steps) };
    });

// The site and the recordings from one origin, so that the page may read both pictures.
const types = { ".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".png": "image/png" };
function serve(request, response) {
    const url = decodeURIComponent(request.url.split("?")[0]);
    const [, area, ...rest] = url.split("/");
    const root = area === "site" ? siteDir : area === "native" ? recordingsDir : null;
    const file = root && path.join(root, ...rest);
    if (!file || !file.startsWith(path.resolve(root)) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
        response.writeHead(404);
        response.end();
        return;
    }
    response.writeHead(200, { "Content-Type": types[path.extname(file)] || "application/octet-stream" });
    fs.createReadStream(file).pipe(response);
}

// In the page: how many pixels of the canvas differ from the picture at `url`, -1 when the
// picture cannot be read.
async function differingPixels(url) {
    const response = await fetch(url);
    if (!response.ok) return -1;
    const bitmap = await createImageBitmap(await response.blob());
    if (bitmap.width !== 800 || bitmap.height !== 600) return -1;
    const scratch = document.createElement("canvas");
    scratch.width = 800;
    scratch.height = 600;
    const context = scratch.getContext("2d");
    context.drawImage(bitmap, 0, 0);
    const expected = context.getImageData(0, 0, 800, 600).data;
    const actual = document.getElementById("screen").getContext("2d").getImageData(0, 0, 800, 600).data;
    let differing = 0;
    for (let i = 0; i < expected.length; i += 4)
        if (expected[i] !== actual[i] || expected[i + 1] !== actual[i + 1] || expected[i + 2] !== actual[i + 2]) ++differing;
    return differing;
}

// What the keys do as on the desktop, beyond the pictures: a key during an animation skips to its
// end, and a held key that the browser repeats is one step. Returns how many of these failed.
async function checkBehaviour(browser, origin) {
    let failures = 0;
    const report = (ok, what) => {
        console.log(`${ok ? "as on the desktop" : "NOT as on the desktop"}: ${what}`);
        if (!ok) ++failures;
    };
    const waitsOf = (page) => page.evaluate(() => window.Module.waits || 0);
    const waitForWaits = (page, k, timeout) =>
        page.waitForFunction((n) => window.Module && window.Module.waits >= n, k, { timeout }).then(() => true, () => false);

    // gridtrees at its own 60 frames a second: its depth-first growth has 1089 frames, some 18 s.
    let page = await browser.newPage();
    await page.goto(`${origin}/site/gridtrees.html`);
    await waitForWaits(page, 1, 20000);
    await page.focus("#screen");
    await page.keyboard.press("Space");
    await page.waitForTimeout(500);
    const midway = await waitsOf(page);
    const skipped = Date.now();
    await page.keyboard.press("Space");
    const ended = await waitForWaits(page, 2, 6000);
    const differing = ended ? await page.evaluate(differingPixels, `${origin}/native/gridtrees/step-002.png`) : -1;
    report(midway === 1 && ended && differing === 0,
           `a key during gridtrees' animation skips to its end (${ended ? `the finished tree after ${Date.now() - skipped} ms` : "never finished"}, ` +
           `${differing === 0 ? "the desktop's picture" : `${differing} pixels differ`})`);
    await page.close();

    // dfsedges: a key held down is one step, however often the browser repeats it.
    page = await browser.newPage();
    await page.goto(`${origin}/site/dfsedges.html`);
    await waitForWaits(page, 1, 20000);
    await page.focus("#screen");
    for (let i = 0; i < 5; ++i) await page.keyboard.down("Space");
    await page.keyboard.up("Space");
    await waitForWaits(page, 2, 5000);
    await page.waitForTimeout(300);
    const after = await waitsOf(page);
    report(after === 2, `a key held down through five repeats is one step (the show went from step 1 to step ${after})`);
    // Tab leaves the picture for the page's controls rather than stepping the show.
    await page.keyboard.press("Tab");
    await page.waitForTimeout(300);
    report(await waitsOf(page) === 2, "Tab moves the focus off the picture without a step");
    await page.close();

    // dfstree with questions: while the question before step 2 (a row to fill) waits, nothing of
    // step 2 is on the page; after Escape the question, the answer, then step 2's words, in that order.
    page = await browser.newPage();
    await page.addInitScript(() => {
        let module;
        window.printed = [];
        Object.defineProperty(window, "Module", {
            configurable: true,
            get: () => module,
            set: (value) => {
                const print = value.print;
                value.print = (line) => { window.printed.push(line); print(line); };
                module = value;
            },
        });
    });
    await page.goto(`${origin}/site/dfstree.html?predict=1`);
    await waitForWaits(page, 1, 20000);
    await page.focus("#screen");
    await page.keyboard.press("Space");
    const asked = await page.waitForFunction(() => /question:/.test(document.title), null, { timeout: 5000 })
        .then(() => true, () => false);
    const whileAsked = await page.evaluate(() => document.getElementById("explanation").textContent);
    report(asked && !/Step 2 of 10/.test(whileAsked), `the question before step 2 comes before anything of step 2 (${asked ? "asked" : "never asked"})`);
    await page.keyboard.press("Escape");
    await waitForWaits(page, 2, 5000);
    await page.waitForTimeout(300);
    const printed = await page.evaluate(() => window.printed);
    const questionAt = printed.findIndex((line) => /step 2 of 10 - question:/.test(line));
    const answerAt = printed.findIndex((line) => /skipped: the answer is 0, 1, /.test(line));
    const stepAt = printed.findIndex((line) => /^Step 2 of 10/.test(line));
    report(questionAt >= 0 && answerAt > questionAt && stepAt > answerAt,
           `the question, then the answer after Escape, then step 2's words (lines ${questionAt}, ${answerAt}, ${stepAt})`);
    await page.close();

    // A teacher's graph in the address, short, draws what --graph draws on the desktop; a graph the
    // program refuses is said beside the field, by its line.
    const lecture = fs.readFileSync(path.join(__dirname, "..", "examples", "undirected-lecture.txt"), "utf8")
        .split("\n").map((line) => line.replace(/#.*/, "").trim().split(/\s+/).filter(Boolean)).filter((words) => words.length)
        .map((words) => words[0][0] + words.slice(1).join(".")).join("_");
    page = await browser.newPage();
    await page.goto(`${origin}/site/numbering.html?graph=${lecture}`);
    const drawn = await waitForWaits(page, 1, 20000);
    const lectureDiffering = drawn ? await page.evaluate(differingPixels, `${origin}/native/numbering-lecture/step-001.png`) : -1;
    report(lectureDiffering === 0, `numbering on a graph in the address draws the desktop's --graph picture (${drawn ? `${lectureDiffering} pixels differ` : "nothing drawn"})`);
    await page.close();
    page = await browser.newPage();
    await page.goto(`${origin}/site/numbering.html?graph=v0_v1_x1`);
    const note = await page.waitForFunction(() => document.getElementById("graph-note").textContent, null, { timeout: 20000 })
        .then((handle) => handle.jsonValue(), () => "");
    report(note === "Your graph, line 3: 'x' is not 'vertex', 'edge' or 'arc'", `a refused graph is said beside the field ("${note}")`);
    await page.close();
    return failures;
}

async function main() {
    const server = http.createServer(serve);
    await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
    const origin = `http://127.0.0.1:${server.address().port}`;
    const browser = await chromium.launch({ executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
                                            args: ["--no-sandbox"] });
    let passed = 0, failed = 0;
    const firstPictures = [];
    const started = Date.now();
    for (const program of programs) {
        const page = await browser.newPage({ viewport: { width: 1300, height: 900 } });
        const errors = [];
        page.on("pageerror", (error) => errors.push(String(error)));
        // Unpaced (?fps=0): an animation runs straight to the picture its step waits on.
        const query = new URLSearchParams({ fps: "0" });
        if (program.seed !== null) query.set("seed", program.seed);
        await page.goto(`${origin}/site/${program.name}.html?${query}`);
        const wrong = [];
        for (let step = 1; step <= program.steps; ++step) {
            const name = `step-${String(step).padStart(3, "0")}.png`;
            try {
                await page.waitForFunction((k) => (window.Module && window.Module.waits >= k) || document.body.dataset.ended,
                                           step, { timeout: 60000 });
            } catch (error) {
                wrong.push(`${name}: never shown`);
                failed += program.steps - step + 1;
                break;
            }
            // How long after the page was opened the first step stood on the canvas, for the
            // programs whose first step is not the end of an animation.
            if (step === 1 && !(await page.$("#fps"))) firstPictures.push(await page.evaluate(() => window.Module.firstStepAt));
            const differing = await page.evaluate(differingPixels, `${origin}/native/${program.name}/${name}`);
            if (differing === 0) ++passed;
            else {
                ++failed;
                wrong.push(differing < 0 ? `${name}: no desktop picture` : `${name}: ${differing} pixels differ`);
            }
            await page.focus("#screen");
            await page.keyboard.press("Space");
        }
        let ended = "";
        try {
            await page.waitForFunction(() => document.body.dataset.ended !== undefined, null, { timeout: 20000 });
            ended = await page.evaluate(() => document.body.dataset.ended);
        } catch (error) {
            ended = "never";
        }
        if (ended !== "0") wrong.push(`the show did not end by itself after its last step (${ended})`);
        if (errors.length > 0) wrong.push(`page errors: ${errors.join("; ")}`);
        const seed = program.seed !== null ? ` --seed ${program.seed}` : "";
        console.log(`${program.name}${seed}: ${wrong.length === 0 ? (program.steps === 1 ? "its one step" : `all ${program.steps} steps`) + " equal to the desktop's"
                                                                : wrong.join(", ")}`);
        if (ended !== "0" || errors.length > 0) process.exitCode = 1;
        await page.close();
    }
    const behaviourFailures = await checkBehaviour(browser, origin);
    if (behaviourFailures > 0) process.exitCode = 1;
    await browser.close();
    server.close();
    firstPictures.sort((a, b) => a - b);
    const ms = (t) => `${Math.round(t)} ms`;
    console.log(`the first picture ${ms(firstPictures[0])} to ${ms(firstPictures[firstPictures.length - 1])} after the page ` +
                `opened (median ${ms(firstPictures[Math.floor(firstPictures.length / 2)])}); every step of every program in ` +
                `${((Date.now() - started) / 1000).toFixed(1)} s`);
    console.log(`${passed} passed, ${failed} failed`);
    if (failed > 0) process.exitCode = 1;
}

main().catch((error) => {
    console.error(`web_compare: ${error.message}`);
    process.exit(1);
});
