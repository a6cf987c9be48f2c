# Shared by ./demo and ./run-tests: the Debian packages the suite needs, installed when missing.

packages_needed=(cmake g++ make pkg-config libsdl1.2-dev libsdl-ttf2.0-dev libpng-dev libgif-dev
                 fonts-liberation)

# Installs whatever of the given packages is missing: as root with apt-get, else through sudo,
# else prints the exact command to run and fails.
install_missing() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
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
        cmake -S "$top" -B "$folder" "$@" >/dev/null || return 1
    fi
    cmake --build "$folder" -j "$(nproc)" -- --no-print-directory >/dev/null || {
        # Show what failed.
        cmake --build "$folder" -j 1
        return 1
    }
}
