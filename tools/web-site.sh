# Sourced by ./demo: ./demo --web DIR builds the thirteen programs for the browser with Debian's
# Emscripten and writes the static site into DIR: index.html, a page per program (PROGRAM.html,
# with PROGRAM.js beside it holding the WebAssembly), page.js and style.css. Nothing is fetched at
# run time, so the folder works from file:// as from any static server.

# Debian's emcc runs its JavaScript tools with node, which must find Debian's node modules (acorn)
# even when node itself comes from elsewhere.
web_environment() {
    export NODE_PATH=${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs
}

# Builds the programs for the browser into $2 from the desktop build $1, whose glyph_strips gave
# the label faces.
build_web_programs() {
    local native=$1 web=$2
    if [ ! -f "$native/label_strips.cpp" ]; then
        echo "demo: the desktop build in $native made no label_strips.cpp (is fonts-liberation installed?)" >&2
        return 1
    fi
    web_environment
    if [ ! -f "$web/build.ninja" ] && [ ! -f "$web/Makefile" ]; then
        local generator=()
        [ -z "${CMAKE_GENERATOR:-}" ] && command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
        # emcmake says on stderr how it runs cmake; only a failure is worth showing.
        local said
        said=$(emcmake cmake -S "$top" -B "$web" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
            -DGRAPHSTEPS_LABEL_STRIPS="$native/label_strips.cpp" 2>&1) || {
            echo "$said" >&2
            return 1
        }
    fi
    cmake --build "$web" -j "$(nproc)" >/dev/null || {
        cmake --build "$web" -j 1
        return 1
    }
}

# Writes the page of one program: $1 the folder, $2 the program.
write_program_page() {
    local dir=$1 program=$2 html description controls="" takes_graph=0 graph_form=""
    html_escape "${program_description[$program]}"
    description=$html
    # A program that runs on a graph takes a graph of the visitor's, and a seed for a random one.
    if "$native/bin/$program" --help 2>/dev/null | grep -q -- '--graph FILE'; then
        takes_graph=1
        graph_form='<form id="graph-form" class="graph"><label for="graph">Your graph, in the format of <code>'"$program"' --graph FILE</code>: a line <code>vertex V X Y</code> for each vertex, then <code>edge U V</code> (or <code>arc U V</code> for a digraph) for each edge; the field shows the graph on screen, to change and run</label><br><textarea id="graph" rows="10" cols="34" spellcheck="false" autocomplete="off" aria-describedby="graph-note"></textarea><br><button type="submit">Run on this graph</button><p id="graph-note" role="status"></p></form>'
    fi
    { [ -n "${program_seeds[$program]}" ] || [ $takes_graph -eq 1 ]; } &&
        controls+='<label>Seed <input id="seed" inputmode="numeric" pattern="[0-9]*" placeholder="from the clock" aria-describedby="seed-note"></label>'
    [ "$program" = gridtrees ] || [ "$program" = gridpath ] &&
        controls+='<label>Frames per second <input id="fps" inputmode="numeric" pattern="[0-9]*" placeholder="60"></label>'
    local seed_note=""
    { [ -n "${program_seeds[$program]}" ] || [ $takes_graph -eq 1 ]; } &&
        seed_note='<p class="note" id="seed-note">The caption names the seed of the graph shown. Restart with that seed, or open this page with <code>?seed=N</code> in its address, to show the same graph again, as <code>'"$program"' --seed N</code> does on the desktop.</p>'
    cat >"$dir/$program.html" <<PAGE
<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>$program</title>
<link rel="stylesheet" href="style.css">
</head><body data-program="$program">
<p><a href="index.html">All the programs</a></p>
<h1>$program</h1>
<p class="description">$description</p>
<p id="caption" role="status" aria-live="polite"></p>
<div class="stage">
<canvas id="screen" width="800" height="600" tabindex="0" aria-label="$program: any key goes on to the next step" aria-describedby="explanation"></canvas>
<div class="side">
<h2>What this step did</h2>
<pre id="explanation"></pre>
<details><summary>What the pictures show</summary><pre id="legend"></pre></details>
</div>
</div>
<div class="controls">$controls<label><input id="predict" type="checkbox"> Predict: a question before each step</label><button id="restart" type="button">Restart</button></div>
<p id="status" role="status"></p>
$graph_form
$seed_note
<p class="note">Keys: with the picture focused, any key goes on to the next step; during an animation a key skips to its end. Tab leaves the picture for the controls. With Predict on, type the answer and press Enter, or Escape to skip the question. The program runs here exactly as on the desktop and draws the same pixels, but a page cannot write files: for the pictures of every step (<code>--record DIR</code>) or an animated GIF (<code>--gif FILE</code>), run the desktop program.</p>
<script src="page.js"></script>
</body></html>
PAGE
}

# ./demo --web DIR
make_web_site() {
    local dir=$1
    local native=${GRAPHSTEPS_BUILD_DIR:-$top/build/release} web=${GRAPHSTEPS_WEB_BUILD_DIR:-$top/build/web}
    if [ -z "${GRAPHSTEPS_BUILD_DIR:-}" ]; then
        install_missing "${packages_needed[@]}" emscripten || return 1
        build_suite "$native" -DCMAKE_BUILD_TYPE=Release -DGRAPHSTEPS_TESTS=OFF || return 1
    else
        install_missing emscripten || return 1
    fi
    if ! command -v emcc >/dev/null 2>&1; then
        echo "demo: emcc not found: the browser build needs Emscripten (Debian: apt-get install emscripten)" >&2
        return 1
    fi
    echo "Building the programs for the browser in $web"
    build_web_programs "$native" "$web" || return 1
    if ! mkdir -p -- "$dir/pictures" 2>/dev/null; then
        echo "demo: cannot make the site folder $dir" >&2
        return 1
    fi
    local program html
    for program in "${programs[@]}"; do
        cp -f -- "$web/bin/$program.js" "$dir/$program.js" &&
            cp -f -- "$top/docs/$program.png" "$dir/pictures/$program.png" &&
            write_program_page "$dir" "$program" || { echo "demo: cannot write $program's page into $dir" >&2; return 1; }
    done
    cp -f -- "$top/web/page.js" "$top/web/style.css" "$dir/" || return 1
    {
        echo '<!DOCTYPE html>'
        echo '<html lang="en"><head><meta charset="utf-8">'
        echo '<meta name="viewport" content="width=device-width, initial-scale=1">'
        echo '<title>graphsteps in the browser</title><link rel="stylesheet" href="style.css">'
        echo '</head><body>'
        echo '<h1>graphsteps: graph algorithms step by step</h1>'
        echo '<p class="note">Each program shows one algorithm on a small graph, a key press per step, exactly as the desktop programs draw it. It runs in this page, offline: the folder can be copied anywhere and opened from the file system.</p>'
        echo '<ul class="programs">'
        for program in "${programs[@]}"; do
            html_escape "${program_description[$program]}"
            local steps=${program_steps[$program]} plural=s
            [ "$steps" -eq 1 ] && plural=""
            printf '<li><a href="%s.html"><img src="pictures/%s.png" alt=""><span class="name">%s</span></a><br>%s<br><span class="steps">%d step%s</span></li>\n' \
                "$program" "$program" "$program" "$html" "$steps" "$plural"
        done
        echo '</ul></body></html>'
    } >"$dir/index.html" || { echo "demo: cannot write $dir/index.html" >&2; return 1; }
    echo "Site written: $dir/index.html"
}
