#!/usr/bin/env bash
# Times the worksheets against their targets, from a Release build: one sheet of closure8 (seed 4),
# dfstree and dfsedges, each under 0.2 s; a class of 30 closure8 sheets under 5 s; a class of 200
# under 30 s. Prints each figure with its target; exits 1 when one is missed.
#
#   bench/worksheets.sh [BUILD_DIR]     (default build/release, configured and built when missing)
set -u
top=$(cd -- "$(dirname -- "$0")/.." && pwd)
build=${1:-$top/build/release}
if [ ! -x "$build/bin/closure8" ]; then
    cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DGRAPHSTEPS_TESTS=OFF >/dev/null &&
        cmake --build "$build" -j1 >/dev/null || { echo "worksheets.sh: cannot build $build" >&2; exit 1; }
fi
grep -q 'CMAKE_BUILD_TYPE:STRING=Release' "$build/CMakeCache.txt" 2>/dev/null ||
    echo "worksheets.sh: $build is not a Release build; the figures say little" >&2

work=$(mktemp -d "${TMPDIR:-/tmp}/graphsteps-bench-XXXXXX") || exit 1
trap 'rm -rf -- "$work"' EXIT
missed=0

now() { date +%s%N; }

# $1 the label, $2 the target in ms, $3 the start in ns: prints the figure and counts a miss.
report() {
    local took=$((($(now) - $3) / 1000000))
    local verdict=ok
    [ "$took" -ge "$2" ] && { verdict=SLOW; missed=1; }
    printf '%-44s %7d ms   (target under %d ms)  %s\n' "$1" "$took" "$2" "$verdict"
}

# The slowest of three runs of one sheet: a target for every run, not for the lucky one.
sheet() {
    local label=$1 slowest=0 run start took
    shift
    for run in 1 2 3; do
        rm -rf -- "$work/sheet"
        start=$(now)
        "$@" --worksheet "$work/sheet" >/dev/null || { echo "worksheets.sh: $label failed" >&2; exit 1; }
        took=$((($(now) - start) / 1000000))
        [ "$took" -gt "$slowest" ] && slowest=$took
    done
    local verdict=ok
    [ "$slowest" -ge 200 ] && { verdict=SLOW; missed=1; }
    printf '%-44s %7d ms   (target under %d ms)  %s\n' "one sheet: $label (slowest of 3)" "$slowest" 200 "$verdict"
}

sheet "closure8 --seed 4" "$build/bin/closure8" --seed 4
sheet "dfstree" "$build/bin/dfstree"
sheet "dfsedges" "$build/bin/dfsedges"

export GRAPHSTEPS_BUILD_DIR=$build
start=$(now)
"$top/demo" --worksheets closure8 30 "$work/class30" >/dev/null || { echo "worksheets.sh: the class of 30 failed" >&2; exit 1; }
report "./demo --worksheets closure8 30" 5000 "$start"
start=$(now)
"$top/demo" --worksheets closure8 200 "$work/class200" 1 >/dev/null || { echo "worksheets.sh: the class of 200 failed" >&2; exit 1; }
report "./demo --worksheets closure8 200 (seeds from 1)" 30000 "$start"
printf 'class of 200: %s pages of questions, %s of answers (A4)\n' \
    "$(pdfinfo "$work/class200/questions-a4.pdf" | sed -n 's/^Pages: *//p')" \
    "$(pdfinfo "$work/class200/answers-a4.pdf" | sed -n 's/^Pages: *//p')"
exit $missed
