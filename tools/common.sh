# Shared by ./demo, ./run-tests and tools/: what the suite needs, installed when missing, and the
# one list of the programs.

# Named by the Debian packages that provide them.
# (FreeType's headers: the build lays out the browser's glyph strips with it. Cairo and pango: the
# worksheets' PDFs.)
packages_needed=(cmake g++ ninja-build pkg-config libsdl1.2-dev libsdl-ttf2.0-dev libfreetype-dev libpng-dev
                 libgif-dev libcairo2-dev libpango1.0-dev fonts-liberation)
# What makes the Debian package (dpkg-deb, dpkg-shlibdeps; CPack asks `file` what each file is)
# and checks it.
packages_for_the_package=(dpkg-dev file lintian man-db appstream)

# What the tools the scripts run say goes into this file, named when a phase fails; each script
# sets it. The user sees one line per phase.
log_file=/dev/null

# Starts the log of a script: $1 the folder, $2 the script's name.
start_log() {
    mkdir -p -- "$1" 2>/dev/null && log_file="$1/$2.log" && : >"$log_file" 2>/dev/null || log_file=/dev/null
}

# The mark of the pages the suite writes: a page without it is someone else's, never replaced.
generator_mark='<meta name="generator" content="graphsteps">'

# Says that a phase failed, with the lines of the log that say why ($1 of them) and where the rest is.
show_log_tail() {
    [ "$log_file" = /dev/null ] && return 0
    tail -n "$1" "$log_file" | sed 's/^/  /' >&2
    echo "The whole output is in $log_file" >&2
}

# Text into `html` for an HTML page: & < > " ' as character references. The replacements are
# quoted: in bash 5.2 an unquoted & in one stands for the matched text.
html_escape() {
    html=${1//&/"&amp;"}
    html=${html//</"&lt;"}
    html=${html//>/"&gt;"}
    html=${html//\"/"&quot;"}
    html=${html//\'/"&#39;"}
}

# Whether the header is there: in the usual folders, else wherever the compiler finds it.
has_header() {
    [ -f "/usr/include/$1" ] || [ -f "/usr/local/include/$1" ] ||
        printf '#include <%s>\n' "$1" | "${CXX:-c++}" -E -x c++ - >/dev/null 2>&1
}

# Whether what a Debian package provides is here, asked of the thing itself rather than of dpkg:
# sdl12-compat's SDL 1.2, a library built by hand or a machine without dpkg count as well.
provided() {
    case $1 in
        cmake | pkg-config | make | chromium | xdotool) command -v "$1" ;;
        g++) command -v "${CXX:-c++}" ;;
        ninja-build) command -v ninja ;;
        libsdl1.2-dev) pkg-config --exists sdl ;;
        libsdl-ttf2.0-dev) pkg-config --exists SDL_ttf ;;
        libfreetype-dev) pkg-config --exists freetype2 ;;
        libpng-dev) pkg-config --exists libpng ;;
        libcairo2-dev) pkg-config --exists cairo-pdf ;;
        libpango1.0-dev) pkg-config --exists pangocairo ;;
        libgif-dev) has_header gif_lib.h ;;
        fonts-liberation) [ -f /usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf ] ||
                              [ -f /usr/share/fonts/liberation/LiberationSerif-Regular.ttf ] ;;
        googletest | libgtest-dev) has_header gtest/gtest.h ;;
        libbenchmark-dev) has_header benchmark/benchmark.h ;;
        desktop-file-utils) command -v desktop-file-validate ;;
        imagemagick) convert -version | grep -q ImageMagick ;;
        xvfb) command -v Xvfb ;;
        dpkg-dev) command -v dpkg-shlibdeps && command -v dpkg-deb ;;
        file) command -v file ;;
        lintian) command -v lintian ;;
        man-db) command -v man ;;
        appstream) command -v appstreamcli ;;
        emscripten) command -v emcc ;;
        npm) command -v npm ;;
        libx11-dev) has_header X11/Xlib.h ;;
        poppler-utils) command -v pdfinfo && command -v pdftotext ;;
        *) dpkg-query -W -f='${Status}' "$1" | grep -q 'install ok installed' ;;
    esac >/dev/null 2>&1
}

# Installs whatever of the given packages is not provided yet: as root with apt-get, else through
# sudo, else prints the exact command to run and fails. Without apt-get it says what is missing
# and leaves CMake to report what the build cannot do without.
install_missing() {
    local missing=() package
    for package in "$@"; do
        provided "$package" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    if ! command -v apt-get >/dev/null 2>&1; then
        echo "Not found here (as Debian names their packages): ${missing[*]}; trying to build anyway" >&2
        return 0
    fi
    local command=(apt-get install -y --no-install-recommends "${missing[@]}") as=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1 || ! sudo -n true 2>/dev/null; then
            echo "Missing packages; as root, run:  apt-get update && ${command[*]}" >&2
            return 1
        fi
        as=(sudo)
    fi
    local plural=s
    [ ${#missing[@]} -eq 1 ] && plural=""
    echo "Installing ${#missing[@]} Debian package$plural with apt-get (${missing[*]}); this can take some minutes"
    if ! { "${as[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update &&
           "${as[@]}" env DEBIAN_FRONTEND=noninteractive "${command[@]}"; } >>"$log_file" 2>&1; then
        echo "apt-get could not install ${missing[*]}:" >&2
        show_log_tail 15
        return 1
    fi
}

# Configures (when needed) and builds the given build folder; cmake --build does nothing when the
# build is up to date and rebuilds what changed when it is stale. On a failure, shows CMake's or
# the compiler's own lines: a missing library is named with the Debian package that provides it.
build_suite() {
    local folder=$1
    shift
    # Configured only once it has a build system: a configure that failed leaves a cache behind.
    if [ ! -f "$folder/build.ninja" ] && [ ! -f "$folder/Makefile" ]; then
        echo "Configuring and building $folder (a few minutes the first time, on two cores)"
        # Ninja tells that an up-to-date build is up to date in a few milliseconds; a generator
        # the user chose in CMAKE_GENERATOR is kept.
        local generator=()
        [ -z "${CMAKE_GENERATOR:-}" ] && command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
        local said
        if ! said=$(cmake -S "$top" -B "$folder" "${generator[@]}" "$@" 2>&1); then
            printf '%s\n' "$said" >>"$log_file"
            echo "CMake could not configure $folder:" >&2
            # CMake's error blocks, each from its "CMake Error" line to the blank line after it.
            printf '%s\n' "$said" | awk '/^CMake Error/ { show = 1 } show { print "  " $0 } show && /^$/ { show = 0 }' >&2
            [ "$log_file" != /dev/null ] && echo "The whole output is in $log_file" >&2
            return 1
        fi
        printf '%s\n' "$said" >>"$log_file"
    fi
    if ! cmake --build "$folder" -j "$(nproc)" >>"$log_file" 2>&1; then
        echo "The build in $folder failed:" >&2
        if [ "$log_file" = /dev/null ]; then
            cmake --build "$folder" -j 1 >&2
        else
            show_log_tail 30
        fi
        return 1
    fi
}

# Reads programs.list, the one list of the programs: `programs` in order, and for each its seeds
# (`program_seeds[NAME]`, space-separated, empty for a fixed graph), `program_steps[NAME]` and
# `program_description[NAME]`.
# A name without a folder of its own is an error.
declare -a programs=()
declare -A program_seeds=() program_steps=() program_description=()
read_program_list() {
    local name seeds steps description
    programs=()
    while read -r name seeds steps description || [ -n "$name" ]; do
        case $name in '' | '#'*) continue ;; esac
        if [ -z "$description" ] || [[ ! $seeds =~ ^(-|[0-9]+(,[0-9]+)*)$ ]] || [[ ! $steps =~ ^[0-9]+$ ]]; then
            echo "programs.list: cannot read the line for '$name'" >&2
            return 1
        fi
        if [ ! -f "$top/$name/CMakeLists.txt" ]; then
            echo "programs.list names $name, but there is no $name/CMakeLists.txt" >&2
            return 1
        fi
        programs+=("$name")
        [ "$seeds" = - ] && seeds=""
        program_seeds[$name]=${seeds//,/ }
        program_steps[$name]=$steps
        program_description[$name]=$description
    done <"$top/programs.list"
}
