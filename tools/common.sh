# Shared by ./demo, ./run-tests and tools/: what the suite needs, installed when missing, and the
# one list of the programs.

# Named by the Debian packages that provide them.
packages_needed=(cmake g++ ninja-build pkg-config libsdl1.2-dev libsdl-ttf2.0-dev libpng-dev libgif-dev
                 fonts-liberation)
# What makes the Debian package (dpkg-deb, dpkg-shlibdeps) and checks it.
packages_for_the_package=(dpkg-dev lintian man-db appstream)

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
        libpng-dev) pkg-config --exists libpng ;;
        libgif-dev) has_header gif_lib.h ;;
        fonts-liberation) [ -f /usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf ] ||
                              [ -f /usr/share/fonts/liberation/LiberationSerif-Regular.ttf ] ;;
        googletest | libgtest-dev) has_header gtest/gtest.h ;;
        libbenchmark-dev) has_header benchmark/benchmark.h ;;
        desktop-file-utils) command -v desktop-file-validate ;;
        imagemagick) convert -version | grep -q ImageMagick ;;
        xvfb) command -v Xvfb ;;
        dpkg-dev) command -v dpkg-shlibdeps && command -v dpkg-deb ;;
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
    local command=(apt-get install -y --no-install-recommends "${missing[@]}")
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -eq 0 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
            DEBIAN_FRONTEND=noninteractive "${command[@]}" -qq
    elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
        sudo DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
            sudo DEBIAN_FRONTEND=noninteractive "${command[@]}" -qq
    else
        echo "Missing packages; as root, run:  apt-get update && ${command[*]}" >&2
        return 1
    fi
}

# Configures (when needed) and builds the given build folder; cmake --build does nothing when the
# build is up to date and rebuilds what changed when it is stale.
build_suite() {
    local folder=$1
    shift
    # Configured only once it has a build system: a configure that failed leaves a cache behind.
    if [ ! -f "$folder/build.ninja" ] && [ ! -f "$folder/Makefile" ]; then
        # Ninja tells that an up-to-date build is up to date in a few milliseconds; a generator
        # the user chose in CMAKE_GENERATOR is kept.
        local generator=()
        [ -z "${CMAKE_GENERATOR:-}" ] && command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
        cmake -S "$top" -B "$folder" "${generator[@]}" "$@" >/dev/null || return 1
    fi
    cmake --build "$folder" -j "$(nproc)" >/dev/null || {
        # Show what failed.
        cmake --build "$folder" -j 1
        return 1
    }
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
