#!/usr/bin/env bash
# bench/question-balance.sh BUILD_BIN [SEEDS] [PROGRAM...]: runs each program with --predict
# --record on seeds 1 to SEEDS (100 unless given; once for a program that draws the same graph
# every time) and says, with tests/question_balance.js, how much one fixed guess typed to every
# question would get right, on each sheet at worst and over the class set.
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:?usage: bench/question-balance.sh BUILD_BIN [SEEDS] [PROGRAM...]}
seeds=${2:-100}
shift $(( $# >= 2 ? 2 : $# ))
programs=("$@")
[ ${#programs[@]} -gt 0 ] || mapfile -t programs < <(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$top/programs.list" | awk '{print $1}')
for program in "${programs[@]}"; do
    [ -f "$bin/$program" ] && [ -x "$bin/$program" ] && continue
    echo "bench/question-balance.sh: no program $program in $bin (give the build's bin folder, e.g. build/release/bin)" >&2
    exit 2
done
work=$(mktemp -d)
trap 'rm -rf -- "$work"' EXIT
status=0
for program in "${programs[@]}"; do
    sheets=()
    if "$bin/$program" --help | grep -q -- '--seed N'; then
        for ((seed = 1; seed <= seeds; seed++)); do
            "$bin/$program" --predict --record "$work/$program-$seed" --seed "$seed" >/dev/null || { echo "$program --seed $seed failed"; status=1; }
            sheets+=("$work/$program-$seed/steps.json")
        done
    else
        "$bin/$program" --predict --record "$work/$program" >/dev/null || { echo "$program failed"; status=1; }
        sheets+=("$work/$program/steps.json")
    fi
    said=$(node "$top/tests/question_balance.js" "${sheets[@]}") || status=1
    worst=$(grep -v '^TOO EASY all\|^all ' <<<"$said" | sed -n 's/.*(\([0-9]*\) %)$/\1/p' | sort -n | tail -1)
    fewest=$(grep -v '^TOO EASY all\|^all ' <<<"$said" | sed -n 's/.*: \([0-9]*\) questions,.*/\1/p' | sort -n | head -1)
    printf '%-11s %3d sheet(s): at least %s questions a sheet; best fixed guess at worst %s %% of a sheet; %s\n' \
        "$program" "${#sheets[@]}" "$fewest" "$worst" "$(tail -1 <<<"$said" | sed 's/^TOO EASY //; s/^all [0-9]* sheets: //')"
done
exit $status
