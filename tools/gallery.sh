# Sourced by ./demo: ./demo --gallery DIR records every program into DIR/PROGRAM (each with its own
# step page) and has gallery_index write DIR/index.html, which links them. The random programs use
# their first seed in programs.list, so that the gallery comes out the same every time.

# Records one program into $1/$2 with its first seed, from the build $3; on failure, says why on
# stderr and fails.
record_program() {
    local dir=$1 program=$2 build=$3
    local seeds=(${program_seeds[$program]}) seed=()
    [ ${#seeds[@]} -gt 0 ] && seed=(--seed "${seeds[0]}")
    # The program removes an earlier run's pictures in the folder itself.
    local folder="$dir/$program"
    "$build/bin/$program" --record "$folder" "${seed[@]}" >/dev/null || {
        echo "demo: recording $program into $folder failed" >&2
        return 1
    }
}

# ./demo --gallery DIR: as many programs recorded at once as there are cores.
record_gallery() {
    local dir=$1
    if ! mkdir -p -- "$dir" 2>/dev/null; then
        echo "demo: cannot make the gallery folder $dir" >&2
        return 1
    fi
    # A page of that name that the suite did not write is someone else's: refused before anything
    # is recorded.
    if { [ -e "$dir/index.html" ] || [ -L "$dir/index.html" ]; } &&
       { [ -L "$dir/index.html" ] || ! grep -qF "$generator_mark" "$dir/index.html" 2>/dev/null; }; then
        echo "demo: $dir holds an index.html that graphsteps did not write; choose another folder" >&2
        return 1
    fi
    if [ ! -w "$dir" ]; then
        echo "demo: cannot write in the gallery folder $dir" >&2
        return 1
    fi

    # GRAPHSTEPS_BUILD_DIR: the programs of a build made already (the tests' own, say).
    local build=${GRAPHSTEPS_BUILD_DIR:-$top/build/release}
    if [ -z "${GRAPHSTEPS_BUILD_DIR:-}" ]; then
        install_missing "${packages_needed[@]}" || return 1
        build_suite "$build" -DCMAKE_BUILD_TYPE=Release -DGRAPHSTEPS_TESTS=OFF || return 1
    fi

    echo "Recording ${#programs[@]} programs into $dir"
    local program failed=0 running=0 cores
    cores=$(nproc)
    for program in "${programs[@]}"; do
        if [ "$running" -ge "$cores" ]; then
            wait -n || failed=1
            running=$((running - 1))
        fi
        record_program "$dir" "$program" "$build" &
        running=$((running + 1))
    done
    while [ "$running" -gt 0 ]; do
        wait -n || failed=1
        running=$((running - 1))
    done
    [ "$failed" -eq 0 ] || return 1

    local listed=() seeds
    for program in "${programs[@]}"; do
        seeds=(${program_seeds[$program]})
        listed+=("$program" "${seeds[0]:--}" "${program_description[$program]}")
    done
    "$build/tools/gallery_index" "$dir" "${listed[@]}" || return 1
    echo "Gallery written: $dir/index.html"
}
