# Shared by ./demo and ./run-tests: the Debian packages the suite needs, installed when missing.

packages_needed=(cmake g++ ninja-build pkg-config libsdl1.2-dev libsdl-ttf2.0-dev libpng-dev libgif-dev
                 fonts-liberation)

# Installs whatever of the given packages is missing: as root with apt-get, else through sudo,
# else prints the exact command to run and fails.
install_missing() {
    local missing=() installed package
    # One query for all of them: each dpkg-query start costs tens of milliseconds.
    installed=" $(dpkg-query -W -f='${Package}:${Status}\n' "$@" 2>/dev/null |
                  sed -n 's/^\([^:]*\):install ok installed$/\1/p' | tr '\n' ' ') "
    for package in "$@"; do
        [[ $installed == *" $package "* ]] || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

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
    if [ ! -f "$folder/CMakeCache.txt" ]; then
        # Ninja tells that an up-to-date build is up to date in a few milliseconds.
        cmake -S "$top" -B "$folder" -G Ninja "$@" >/dev/null || return 1
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
    while read -r name seeds steps description; do
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
