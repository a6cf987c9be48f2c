# Sourced by ./demo: ./demo --worksheets PROGRAM COUNT DIR [FIRST_SEED] makes a class's worksheets,
# each sheet in a folder of its own that this run creates (DIR/sheet-SEED, or DIR/sheet for a
# program whose graph is always the same), then DIR/answers.html with the answers of every sheet,
# and for each paper the answers of every sheet (DIR/answers-a4.pdf) and the question pages of
# every sheet (DIR/questions-a4.pdf) in one PDF. The sheets' programs draw their PDFs themselves;
# poppler-utils only takes pages out and joins files, which keeps each sheet's pages exactly as
# its program laid them out.
#
# What the run wrote is listed with its checksums in DIR/.graphsteps-class.md5. The next class
# made into DIR removes exactly those files, and only while they are unchanged, then every sheet
# folder that is empty after that: a teacher's file beside them, or a folder of a similar name,
# is never touched. A name the class needs that holds something else is refused before anything
# is removed.

class_manifest=.graphsteps-class.md5
# The class's own pages in DIR.
class_pages=(answers.html answers-a4.pdf answers-letter.pdf questions-a4.pdf questions-letter.pdf)

# Whether $1, a path in a class's manifest, is one a class set writes: a class page, or a file of a
# sheet folder (a name without a slash in it).
is_class_file() {
    local page
    for page in "${class_pages[@]}"; do [ "$1" = "$page" ] && return 0; done
    [[ $1 =~ ^sheet(-[0-9]+)?/[^/]+$ ]] && [[ ${1#*/} != .* ]]
}

# Reads DIR's manifest into `earlier_files`: the files an earlier class wrote that are still as it
# wrote them (plain files, not links, with the same checksum). Anything else is not ours.
earlier_files=()
read_earlier_class() {
    local dir=$1 sum path line
    earlier_files=()
    [ -f "$dir/$class_manifest" ] && [ ! -L "$dir/$class_manifest" ] || return 0
    while IFS= read -r line; do
        sum=${line%%  *}
        path=${line#*  }
        [[ $sum =~ ^[0-9a-f]{32}$ ]] && is_class_file "$path" || continue
        [ -f "$dir/$path" ] && [ ! -L "$dir/$path" ] || continue
        [ "$(md5sum <"$dir/$path")" = "$sum  -" ] && earlier_files+=("$path")
    done <"$dir/$class_manifest"
}

# Whether $1 is among the earlier class's files.
is_earlier_file() {
    local file
    for file in "${earlier_files[@]}"; do [ "$file" = "$1" ] && return 0; done
    return 1
}

# Removes the earlier class from DIR: its unchanged files, then each of its sheet folders that is
# empty after that. Before anything goes, refuses (one line, false) when a page this class writes
# into DIR, or the fixed program's DIR/sheet ($2 = 1), holds something an earlier class did not
# write.
remove_earlier_class() {
    local dir=$1 fixed=$2 page entry
    read_earlier_class "$dir"
    for page in "${class_pages[@]}"; do
        if { [ -e "$dir/$page" ] || [ -L "$dir/$page" ]; } && ! is_earlier_file "$page"; then
            echo "demo: $dir/$page was not written by graphsteps; choose another folder (nothing was removed)" >&2
            return 1
        fi
    done
    if [ "$fixed" -eq 1 ] && { [ -e "$dir/sheet" ] || [ -L "$dir/sheet" ]; }; then
        local others=0
        if [ -d "$dir/sheet" ] && [ ! -L "$dir/sheet" ]; then
            for entry in "$dir/sheet"/* "$dir/sheet"/.[!.]*; do
                [ -e "$entry" ] || [ -L "$entry" ] || continue
                is_earlier_file "sheet/${entry##*/}" || others=1
            done
        else
            others=1
        fi
        if [ $others -eq 1 ]; then
            echo "demo: $dir/sheet holds files that graphsteps did not write; choose another folder (nothing was removed)" >&2
            return 1
        fi
    fi
    local folders=() file folder
    for file in "${earlier_files[@]}"; do
        rm -f -- "$dir/$file" || return 1
        [[ $file == */* ]] && folders+=("${file%%/*}")
    done
    rm -f -- "$dir/$class_manifest"
    for folder in $(printf '%s\n' "${folders[@]}" | sort -u); do
        rmdir -- "$dir/$folder" 2>/dev/null ||
            echo "demo: kept $dir/$folder: it holds files that graphsteps did not write"
    done
    return 0
}

# The files a sheet's program writes into its folder, by name.
sheet_files() {
    local folder=$1
    printf '%s\n' "$folder"/worksheet.html "$folder"/answers.html "$folder"/worksheet-a4.pdf \
        "$folder"/worksheet-letter.pdf "$folder"/answers-a4.pdf "$folder"/answers-letter.pdf \
        "$folder"/step-[0-9][0-9][0-9]*.png
}

# Removes a sheet folder that this run created, with what its program wrote in it; a file put
# there by someone else meanwhile keeps the folder.
remove_new_sheet() {
    local folder=$1 file
    while IFS= read -r file; do
        [ -f "$file" ] && rm -f -- "$file"
    done < <(sheet_files "$folder")
    rmdir -- "$folder" 2>/dev/null
}

# State of the class being made, for its end by a signal.
class_dir=""
class_work=""
class_jobs=()
class_made=()
class_written=()  # the class's own pages in DIR, as each is written

# Stops the sheets being made, removes everything this run wrote, and ends the script.
stop_class() {
    trap '' INT TERM HUP
    local job folder
    for job in "${class_jobs[@]}"; do kill -TERM "$job" 2>/dev/null; done
    for job in "${class_jobs[@]}"; do wait "$job" 2>/dev/null; done
    for folder in "${class_made[@]}"; do remove_new_sheet "$folder"; done
    for folder in "${class_written[@]}"; do rm -f -- "$folder"; done
    [ -n "$class_work" ] && rm -rf -- "$class_work"
    echo "demo: stopped; the sheets made so far are removed" >&2
    exit 130
}

# A page of the class, whole or not at all: $2 is written to a temporary file, then moved to $1.
class_page_from() {
    local final=$1 temporary=$2
    chmod 644 "$temporary" && mv -fT -- "$temporary" "$final" && class_written+=("$final")
}

# The answers of every sheet on one page, DIR/answers.html, from each sheet's own answers.html
# (the head of the first, then what each holds between its markers), and in one PDF per paper,
# DIR/answers-a4.pdf and DIR/answers-letter.pdf, each sheet's answers from a page of its own, as
# its program drew them.
combine_answers() {
    local dir=$1
    shift
    local page="$class_work/answers.html" sheet paper
    {
        sed -n '1,/<!-- begin answers -->/p' "$1/answers.html" | sed '$d'
        for sheet in "$@"; do
            sed -n '/<!-- begin answers -->/,/<!-- end answers -->/p' "$sheet/answers.html"
        done
        echo '</body></html>'
    } >"$page" && class_page_from "$dir/answers.html" "$page" || {
        echo "demo: cannot write $dir/answers.html" >&2
        return 1
    }
    for paper in a4 letter; do
        local parts=()
        for sheet in "$@"; do parts+=("$sheet/answers-$paper.pdf"); done
        if ! pdfunite "${parts[@]}" "$class_work/answers-$paper.pdf" ||
           ! class_page_from "$dir/answers-$paper.pdf" "$class_work/answers-$paper.pdf"; then
            echo "demo: cannot put the answers together into $dir/answers-$paper.pdf" >&2
            return 1
        fi
    done
}

# The question pages of every sheet, without their keys, as one PDF for each paper to print for
# the class: DIR/questions-a4.pdf and DIR/questions-letter.pdf. A sheet's PDF says in its subject
# how many of its pages are questions ("3 pages of questions, 2 of answers").
combine_questions() {
    local dir=$1
    shift
    local paper job status=0 jobs=()
    # The two papers at once, each in a work folder of its own. Each is written in a subshell, so
    # its name is counted as written here, for a stop to remove (the name held nothing of anyone
    # else's: remove_earlier_class saw to that).
    class_written+=("$dir/questions-a4.pdf" "$dir/questions-letter.pdf")
    for paper in a4 letter; do
        combine_question_pages "$dir" "$paper" "$@" &
        jobs+=($!)
        class_jobs+=($!)  # ended by stop_class too
    done
    for job in "${jobs[@]}"; do wait "$job" || status=1; done
    return $status
}

# One paper's question pages of every sheet into DIR/questions-PAPER.pdf.
combine_question_pages() {
    local dir=$1 paper=$2
    shift 2
    local sheet pages work="$class_work/questions-$paper"
    rm -rf -- "$work" && mkdir -- "$work" || return 1
    local parts=() k=0 page
    for sheet in "$@"; do
        pages=$(pdfinfo -- "$sheet/worksheet-$paper.pdf" 2>/dev/null |
                sed -n 's/^Subject: *\([0-9][0-9]*\) pages* of questions, .*/\1/p')
        k=$((k + 1))
        # The pattern of the pages' names is read for %d: it is given inside the work folder,
        # whose path may hold a % of its own.
        if [ -z "$pages" ] || ! (pdf=$(realpath -- "$sheet/worksheet-$paper.pdf") && cd -- "$work" &&
              pdfseparate -f 1 -l "$pages" "$pdf" "$k-%d.pdf"); then
            echo "demo: cannot take the question pages out of $sheet/worksheet-$paper.pdf" >&2
            return 1
        fi
        for ((page = 1; page <= pages; page++)); do parts+=("$work/$k-$page.pdf"); done
    done
    if ! pdfunite "${parts[@]}" "$work/all.pdf" || ! class_page_from "$dir/questions-$paper.pdf" "$work/all.pdf"; then
        echo "demo: cannot put the question pages together into $dir/questions-$paper.pdf" >&2
        return 1
    fi
    rm -rf -- "$work"
}

# DIR/.graphsteps-class.md5: every file this class wrote, with its checksum, so that the next class
# made here removes exactly these.
write_class_manifest() {
    local dir=$1 list="$class_work/manifest" file
    shift
    (
        cd -- "$dir" || exit 1
        # One md5sum for them all: a class of 200 has some 2000 files.
        local files=() sheet
        for file in "${class_pages[@]}"; do [ -f "$file" ] && files+=("$file"); done
        for sheet in "$@"; do
            while IFS= read -r file; do
                [ -f "$file" ] && files+=("$file")
            done < <(sheet_files "${sheet##*/}")
        done
        [ ${#files[@]} -eq 0 ] || md5sum -- "${files[@]}"
    ) >"$list" && class_page_from "$dir/$class_manifest" "$list" || {
        echo "demo: cannot write $dir/$class_manifest" >&2
        return 1
    }
}

# One sheet into FOLDER, which this run has just created, in the background (its pid in
# `class_jobs`), its messages kept to be shown once it ends.
start_sheet() {
    local program=$1 folder=$2
    shift 2
    "$program" --worksheet "$folder" "$@" >/dev/null 2>"$class_work/${folder##*/}.said" &
    class_jobs+=($!)
}

# What a sheet's program said.
show_sheet_said() {
    cat -- "$class_work/${1##*/}.said" >&2
}

# COUNT sheets of one program into DIR/sheet-SEED (DIR/sheet for a program that takes no --seed),
# two graphs never the same: a seed whose graph an earlier sheet has already is passed over, and so
# is one whose folder is there already.
make_worksheets() {
    local program=$1 count=$2 dir=$3 first=$4
    local build=${GRAPHSTEPS_BUILD_DIR:-$top/build/release}
    if [ -z "${GRAPHSTEPS_BUILD_DIR:-}" ]; then
        install_missing "${packages_needed[@]}" poppler-utils || return 1
        build_suite "$build" -DCMAKE_BUILD_TYPE=Release -DGRAPHSTEPS_TESTS=OFF || return 1
    fi
    if ! command -v pdfunite >/dev/null 2>&1 || ! command -v pdfseparate >/dev/null 2>&1 || ! command -v pdfinfo >/dev/null 2>&1; then
        echo "demo: the class's PDFs are put together with poppler-utils, which is not installed (Debian: apt install poppler-utils)" >&2
        return 1
    fi
    if ! mkdir -p -- "$dir" 2>/dev/null; then
        echo "demo: cannot make the worksheet folder $dir" >&2
        return 1
    fi
    # A program draws a graph of its own for every seed when it takes --seed: every random program,
    # and every program whose algorithm runs on a graph.
    local fixed=0
    "$build/bin/$program" --help 2>/dev/null | grep -q -- '--seed N' || fixed=1
    remove_earlier_class "$dir" $fixed || return 1
    class_dir=$dir
    if ! class_work=$(mktemp -d "$dir/.class-XXXXXX" 2>/dev/null); then
        echo "demo: cannot write in the worksheet folder $dir" >&2
        return 1
    fi
    trap stop_class INT TERM HUP
    trap 'rm -rf -- "$class_work"' EXIT

    local kept=()
    if [ $fixed -eq 1 ]; then
        [ "$count" -gt 1 ] && echo "$program draws the same graph every time: one sheet, to print $count times"
        mkdir -- "$dir/sheet" 2>/dev/null || { echo "demo: cannot make $dir/sheet" >&2; return 1; }
        class_made+=("$dir/sheet")
        start_sheet "$build/bin/$program" "$dir/sheet"
        wait "${class_jobs[0]}" || { show_sheet_said "$dir/sheet"; remove_new_sheet "$dir/sheet"; return 1; }
        show_sheet_said "$dir/sheet"
        kept=("$dir/sheet")
    else
        local -A seen=()
        local seed=$first tries=0 cores
        cores=$(nproc)
        echo "Making $count worksheets of $program into $dir"
        while [ ${#kept[@]} -lt "$count" ]; do
            if [ $tries -ge $((count * 20 + 50)) ]; then
                echo "demo: $program gave only ${#kept[@]} different graphs from $tries seeds" >&2
                for sheet in "${class_made[@]}"; do remove_new_sheet "$sheet"; done
                return 1
            fi
            # Four to a core at once, so that a core is seldom idle waiting for the slowest of a
            # batch; a graph is compared once its sheet is made, in the order of the seeds.
            local batch=() failed=0 sheet job
            class_jobs=()
            while [ ${#batch[@]} -lt $((4 * cores)) ] && [ $((${#kept[@]} + ${#batch[@]})) -lt "$count" ] &&
                  [ $tries -lt $((count * 20 + 50)) ]; do
                [ "$seed" -gt 4294967295 ] && seed=0
                sheet="$dir/sheet-$seed"
                seed=$((seed + 1))
                tries=$((tries + 1))
                # Only into a folder of this run's own making.
                mkdir -- "$sheet" 2>/dev/null || continue
                class_made+=("$sheet")
                batch+=("$sheet")
                start_sheet "$build/bin/$program" "$sheet" --seed "${sheet##*/sheet-}"
            done
            for job in "${class_jobs[@]}"; do wait "$job" || failed=1; done
            for sheet in "${batch[@]}"; do
                show_sheet_said "$sheet"
                [ -f "$sheet/worksheet.html" ] || failed=1
            done
            if [ $failed -ne 0 ]; then
                echo "demo: making the worksheets of $program into $dir failed" >&2
                for sheet in "${class_made[@]}"; do remove_new_sheet "$sheet"; done
                return 1
            fi
            for sheet in "${batch[@]}"; do
                # The pictures a sheet shows and answers with are its graph and its key.
                local print
                print=$(cat "$sheet"/step-*.png | md5sum)
                if [ -n "${seen[$print]:-}" ]; then
                    remove_new_sheet "$sheet"
                else
                    seen[$print]=$sheet
                    kept+=("$sheet")
                fi
            done
        done
    fi
    class_jobs=()
    if ! combine_answers "$dir" "${kept[@]}" || ! combine_questions "$dir" "${kept[@]}" ||
       ! write_class_manifest "$dir" "${kept[@]}"; then
        for sheet in "${kept[@]}"; do remove_new_sheet "$sheet"; done
        rm -f -- "$dir"/answers.html "$dir"/answers-{a4,letter}.pdf "$dir"/questions-{a4,letter}.pdf
        return 1
    fi
    trap - INT TERM HUP
    if [ $fixed -eq 1 ]; then
        echo "Worksheet written: $dir/sheet/worksheet.html; answers: $dir/answers.html"
    else
        echo "Worksheets written: $dir/sheet-SEED/worksheet.html for the seeds ${kept[*]##*/sheet-}"
        echo "The answers of all ${#kept[@]}: $dir/answers.html"
    fi
}
