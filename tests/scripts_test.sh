#!/usr/bin/env bash
# The shared script of ./demo and ./run-tests: it checks for what the build needs rather than for
# Debian's package names, never asks apt-get for what is already here (sdl12-compat's SDL 1.2, say),
# works without dpkg and apt-get, builds whatever CMAKE_GENERATOR says, and configures again after
# a configure that failed.
# Usage: scripts_test.sh SOURCE_DIR WORK_DIR
set -u
top=$1
work=$2
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

rm -rf "$work" && mkdir -p "$work/fake" "$work/bare" || exit 1
. "$top/tools/common.sh"

# dpkg and apt-get that know of nothing, and record being asked to install anything.
cat >"$work/fake/dpkg-query" <<'FAKE'
#!/bin/sh
exit 1
FAKE
cat >"$work/fake/apt-get" <<FAKE
#!/bin/sh
echo "\$*" >>"$work/apt-get.calls"
FAKE
chmod +x "$work/fake/dpkg-query" "$work/fake/apt-get"
said=$(PATH="$work/fake:$PATH" install_missing "${packages_needed[@]}" 2>&1) || fail "install_missing failed: $said"
[ ! -e "$work/apt-get.calls" ] || fail "apt-get was asked for what is here: $(cat "$work/apt-get.calls")"

# A machine with neither dpkg nor apt-get: every command but those.
for command in /usr/bin/* /bin/*; do
    name=${command##*/}
    case $name in dpkg | dpkg-query | apt-get | apt) continue ;; esac
    [ -e "$work/bare/$name" ] || ln -s "$command" "$work/bare/$name"
done
said=$(PATH="$work/bare" install_missing "${packages_needed[@]}" 2>&1) || fail "refused without dpkg: $said"
[ -z "$said" ] || fail "said something though all is here: $said"
said=$(PKG_CONFIG_LIBDIR="$work/none" PKG_CONFIG_PATH="" PATH="$work/bare" install_missing libsdl1.2-dev 2>&1) ||
    fail "a missing library without apt-get must be left to CMake to report: $said"
[[ $said == *"libsdl1.2-dev"* ]] || fail "did not say what is missing: $said"

# A build with the generator the user chose, not the one the script would take.
CMAKE_GENERATOR="Unix Makefiles" build_suite "$work/build" -DGRAPHSTEPS_TESTS=OFF >"$work/build.log" 2>&1 ||
    fail "the build failed with CMAKE_GENERATOR=Unix Makefiles: $(tail -5 "$work/build.log")"
[ -f "$work/build/Makefile" ] || fail "CMAKE_GENERATOR was not kept"
[ -x "$work/build/bin/components" ] || fail "CMAKE_GENERATOR=Unix Makefiles built no programs"

# A configure that failed is tried again next time, not skipped for its cache.
mkdir -p "$work/failed" && echo "CMAKE_HOME_DIRECTORY:INTERNAL=$top" >"$work/failed/CMakeCache.txt"
build_suite "$work/failed" -DGRAPHSTEPS_TESTS=OFF >"$work/failed.log" 2>&1 ||
    fail "a folder left by a failed configure stays broken: $(tail -3 "$work/failed.log")"

rm -rf "$work"
[ "$failures" -eq 0 ] && echo "scripts: every check passed"
[ "$failures" -eq 0 ]
