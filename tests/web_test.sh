#!/usr/bin/env bash
# The browser build against the desktop: builds the site with ./demo --web from this build's
# programs and glyph strips, records the desktop's pictures of every program with its first seed,
# and has headless Chromium step through every program and compare every canvas picture.
#   web_test.sh SOURCE_DIR BUILD_DIR
# Exit 77 (skipped) when Emscripten, node, playwright-core or Chromium is not there.
set -u
source_dir=$1 build=$2
skip() {
    echo "skipped: $1"
    exit 77
}
command -v emcc >/dev/null 2>&1 || skip "emcc is not installed (Debian: apt-get install emscripten; ./run-tests installs it)"
command -v node >/dev/null 2>&1 || skip "node is not installed"
playwright=$build/axe/node_modules/playwright-core
[ -d "$playwright" ] || skip "playwright-core is not installed in $build/axe (./run-tests installs it)"
chromium=${CHROMIUM:-/usr/bin/chromium}
[ -x "$chromium" ] || skip "$chromium is not installed (./run-tests installs it)"

work=$build/web-test
rm -rf -- "$work/site" "$work/desktop"
mkdir -p -- "$work/desktop" || exit 1
started=$SECONDS
GRAPHSTEPS_BUILD_DIR=$build GRAPHSTEPS_WEB_BUILD_DIR=$work/programs "$source_dir/demo" --web "$work/site" || {
    echo "web_test: ./demo --web failed"
    exit 1
}
echo "the site built in $((SECONDS - started)) s"
while read -r name seeds _; do
    case $name in '' | '#'*) continue ;; esac
    seed=()
    [ "$seeds" != - ] && seed=(--seed "${seeds%%,*}")
    "$build/bin/$name" --record "$work/desktop/$name" "${seed[@]}" >/dev/null || {
        echo "web_test: recording $name on the desktop failed"
        exit 1
    }
done <"$source_dir/programs.list"
# A teacher's graph, for the page's "Your graph".
"$build/bin/numbering" --graph "$source_dir/examples/undirected-lecture.txt" --record "$work/desktop/numbering-lecture" >/dev/null || {
    echo "web_test: recording numbering on examples/undirected-lecture.txt on the desktop failed"
    exit 1
}
CHROMIUM=$chromium node "$source_dir/tests/web_compare.js" "$playwright" "$work/site" "$work/desktop" "$source_dir/programs.list"
