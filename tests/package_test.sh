#!/usr/bin/env bash
# The Debian package, as a person installing it meets it. One check per call:
#   package_test.sh build BUILD_DIR WORK_DIR CPACK   make the package into WORK_DIR and unpack it
#   package_test.sh lintian|install|man|metainfo BUILD_DIR WORK_DIR
# A check whose tool is missing says which and exits 77, which ctest reports as skipped.
set -u
check=$1
build=$2
work=$3
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
skip() { echo "SKIPPED: $*"; exit 77; }
need() { command -v "$1" >/dev/null 2>&1 || skip "$1 is not installed (Debian: $2)"; }
finish() {
    [ "$failures" -eq 0 ] && { echo "passed"; exit 0; }
    exit 1
}

programs=()
while read -r name _; do
    case $name in '' | '#'*) continue ;; esac
    programs+=("$name")
done <"$(dirname "$0")/../programs.list"

# The one package the build made, unpacked into $work/root.
package() {
    shopt -s nullglob
    local found=("$work"/graphsteps_*.deb)
    shopt -u nullglob
    [ ${#found[@]} -eq 1 ] || { echo "FAILED: no one package in $work (the build check makes it)"; exit 1; }
    deb=${found[0]}
    root=$work/root
}

case $check in
build)
    cpack=$4
    need dpkg-deb dpkg
    need dpkg-shlibdeps dpkg-dev
    rm -rf "$work" && mkdir -p "$work" || exit 1
    log=$("$cpack" --config "$build/CPackConfig.cmake" -B "$work/cpack" 2>&1) || { echo "$log"; fail "cpack failed"; finish; }
    mv "$work"/cpack/graphsteps_*.deb "$work"/ || fail "cpack made no graphsteps_*.deb: $log"
    package
    dpkg-deb -x "$deb" "$root" || fail "dpkg-deb cannot unpack $deb"
    for program in "${programs[@]}"; do
        [ -x "$root/usr/bin/$program" ] || fail "no /usr/bin/$program"
        [ -f "$root/usr/share/man/man1/$program.1.gz" ] || fail "no manual page $program(1)"
        [ -f "$root/usr/share/applications/graphsteps-$program.desktop" ] || fail "no menu entry for $program"
    done
    [ -f "$root/usr/share/man/man1/graphsteps.1.gz" ] || fail "no manual page graphsteps(1)"
    [ -f "$root/usr/share/doc/graphsteps/copyright" ] || fail "no copyright file"
    # Debian packages a font once, in its own package: no copy of it here.
    fonts=$(dpkg-deb -c "$deb" | grep -i -E '\.(ttf|otf)$')
    [ -z "$fonts" ] || fail "the package carries a font of its own: $fonts"
    depends=$(dpkg-deb -f "$deb" Depends)
    [[ ", $depends," == *", fonts-liberation,"* ]] || fail "Depends lacks fonts-liberation: $depends"
    # From the programs' own libraries, by dpkg-shlibdeps, with their versions.
    for library in libsdl1.2debian libsdl-ttf2.0-0 libpng16-16 libgif7 libc6; do
        [[ $depends == *"$library"* ]] || fail "Depends lacks $library, which the programs load: $depends"
    done
    version=$("$build/bin/components" --version)
    [ "$(dpkg-deb -f "$deb" Version)" = "${version##* }" ] || fail "the package's version is not the programs': $version"
    finish
    ;;
lintian)
    need lintian lintian
    package
    # lintian leaves a temporary file of its own behind: in a folder of this test's, removed after.
    mkdir -p "$work/lintian-tmp" || exit 1
    said=$(TMPDIR="$work/lintian-tmp" lintian --pedantic -I "$deb" 2>&1)
    rm -rf -- "$work/lintian-tmp"
    echo "$said"
    errors=$(grep -E '^E: ' <<<"$said")
    [ -z "$errors" ] || fail "lintian found errors"
    # The warnings and notes are listed above; an error stops the package.
    grep -q -E '^[WE]: .*(no-manual-page|no-copyright-file|no-changelog|unstripped-binary)' <<<"$said" &&
        fail "lintian misses what the package is meant to carry"
    finish
    ;;
install)
    need dpkg dpkg
    package
    # Installed into an empty root of its own, as dpkg installs it; dpkg --root needs root for the
    # files' owners, else the unpacked files serve as they are.
    target=$work/installed
    rm -rf "$target" && mkdir -p "$target/var/lib/dpkg/info" "$target/var/lib/dpkg/updates" || exit 1
    : >"$target/var/lib/dpkg/status"
    if [ "$(id -u)" -eq 0 ]; then
        # The root holds none of the packages it depends on: those are checked on this system below.
        said=$(dpkg --root="$target" --force-depends --force-script-chrootless --log=/dev/null -i "$deb" 2>&1) ||
            fail "dpkg --root could not install the package: $said"
        status=$(dpkg --root="$target" -s graphsteps 2>/dev/null | grep '^Status:')
        [[ $status == *"installed"* ]] || fail "dpkg does not list graphsteps as installed: $status"
    else
        echo "not root: the package is unpacked with dpkg-deb -x instead of installed with dpkg --root"
        dpkg-deb -x "$deb" "$target" || fail "dpkg-deb cannot unpack $deb"
    fi
    # What Depends names is installed here, as apt would install it, and is what the programs load.
    if command -v dpkg-query >/dev/null 2>&1; then
        IFS=',' read -r -a dependencies <<<"$(dpkg-deb -f "$deb" Depends)"
        for dependency in "${dependencies[@]}"; do
            name=${dependency%%(*}
            name=${name// /}
            dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'install ok installed' ||
                fail "the package depends on $name, which is not installed here"
        done
    fi
    # apt takes the package as it is, with what it depends on available here.
    if command -v apt-get >/dev/null 2>&1; then
        said=$(apt-get install -s -q --no-install-recommends "$deb" 2>&1) ||
            fail "apt-get install (simulated) refuses the package: $said"
        [[ $said == *"Inst graphsteps "* ]] || fail "apt-get would not install graphsteps: $said"
    fi
    # Run from another folder, which has no font: Liberation Serif comes from fonts-liberation.
    elsewhere=$work/elsewhere
    rm -rf "$elsewhere" && mkdir -p "$elsewhere" || exit 1
    (cd "$elsewhere" && env -u XDG_DATA_DIRS "$target/usr/bin/components" --record installed >/dev/null) ||
        fail "the installed components could not record its pictures"
    (cd "$elsewhere" && "$build/bin/components" --record built >/dev/null) || fail "the built components failed"
    # Without fonts-liberation's font it has none: the package carries no copy to fall back on.
    said=$(cd "$elsewhere" && XDG_DATA_DIRS=/nonexistent "$target/usr/bin/components" --record none 2>&1)
    if [ ! -e "${FONT_INSTALL_DIR:?names the installed data folder}/times.ttf" ]; then
        [[ $said == *"cannot load the font"*"apt install fonts-liberation"* ]] ||
            fail "without the system's font the installed components says: $said"
    fi
    count=0
    for picture in "$elsewhere"/built/step-*.png; do
        count=$((count + 1))
        cmp -s "$picture" "$elsewhere/installed/${picture##*/}" || fail "${picture##*/} differs from the build's"
    done
    [ "$count" -eq 24 ] || fail "the built components recorded $count steps, not 24"
    [ "$(ls "$elsewhere/installed" | grep -c '^step-')" -eq "$count" ] || fail "the installed one recorded other steps"
    for program in "${programs[@]}"; do
        exec_line=$(grep '^Exec=' "$target/usr/share/applications/graphsteps-$program.desktop")
        [ "$exec_line" = "Exec=\"/usr/bin/$program\"" ] || fail "the menu entry of $program says $exec_line"
        version=$("$target/usr/bin/$program" --version) && [[ $version == "$program (graphsteps) "* ]] ||
            fail "$program --version says '$version'"
    done
    if command -v desktop-file-validate >/dev/null 2>&1; then
        said=$(desktop-file-validate "$target"/usr/share/applications/*.desktop 2>&1)
        [ -z "$said" ] || fail "desktop-file-validate: $said"
    fi
    finish
    ;;
man)
    need man man-db
    package
    for page in "$root"/usr/share/man/man1/*.1.gz; do
        name=${page##*/}
        name=${name%.1.gz}
        LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 "$page" >/dev/null 2>"$work/man-warnings"
        [ -s "$work/man-warnings" ] && fail "$name(1) renders with warnings: $(cat "$work/man-warnings")"
        # Wide enough for a paragraph to stay on one line, unbroken and unhyphenated.
        flat=$(MANWIDTH=1000 man -l "$page" 2>/dev/null | col -bx | tr -s ' ' ' ')
        [[ $flat == *"NAME"*" $name - "*"SEE ALSO"* ]] || fail "$name(1) has no NAME or SEE ALSO: $flat"
        [ "$name" = graphsteps ] && continue
        # Every option of --help is on the page, with its argument, and its words.
        while IFS= read -r line; do
            [[ $line =~ ^\ \ (-[^ ]*( [A-Z]+)?)\ \ +(.*)$ ]] || continue
            option=${BASH_REMATCH[1]} words=${BASH_REMATCH[3]}
            [[ $flat == *" $option"* ]] || fail "$name(1) lacks the option $option"
            [[ $flat == *"$words"* ]] || fail "$name(1) lacks the words of $option: $words"
        done < <("$build/bin/$name" --help)
    done
    pages=("$root"/usr/share/man/man1/*.1.gz)
    [ ${#pages[@]} -eq $((${#programs[@]} + 1)) ] || fail "${#pages[@]} pages for ${#programs[@]} programs and the suite"
    overview=$(MANWIDTH=1000 man -l "$root/usr/share/man/man1/graphsteps.1.gz" 2>/dev/null | col -bx)
    for program in "${programs[@]}"; do
        summary=$("$build/bin/$program" --help | head -1)
        [[ $overview == *"${summary#"$program: "}"* ]] || fail "graphsteps(1) lacks the summary of $program"
    done
    [[ $overview == *"/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf"* ]] ||
        fail "graphsteps(1) does not say where the font is on Debian"
    finish
    ;;
metainfo)
    need appstreamcli appstream
    package
    infos=("$root"/usr/share/metainfo/*.metainfo.xml)
    [ ${#infos[@]} -eq 1 ] || fail "not one metainfo file: ${infos[*]}"
    info=${infos[0]}
    said=$(appstreamcli validate --no-net --pedantic "$info" 2>&1) || fail "appstreamcli validate: $said"
    echo "$said"
    id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$info")
    [ "${info##*/}" = "$id.metainfo.xml" ] || fail "the file ${info##*/} is not named after its id $id"
    for program in "${programs[@]}"; do
        grep -q "<launchable type=\"desktop-id\">graphsteps-$program.desktop</launchable>" "$info" ||
            fail "no launchable for $program's menu entry"
        grep -q "<binary>$program</binary>" "$info" || fail "$program is not among the binaries it provides"
    done
    grep -q '<screenshot type="default">' "$info" || fail "no screenshot"
    grep -q '<project_license>' "$info" || fail "no project licence"
    finish
    ;;
*)
    echo "package_test.sh: no check called '$check'" >&2
    exit 2
    ;;
esac
