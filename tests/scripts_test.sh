#!/usr/bin/env bash
# The shared script of ./demo and ./run-tests: it checks for what the build needs rather than for
# Debian's package names, never asks apt-get for what is already here (sdl12-compat's SDL 1.2, say),
# works without dpkg and apt-get, builds whatever CMAKE_GENERATOR says, configures again after
# a configure that failed; names the Debian package of a missing library; escapes HTML; and pins the
# browser tests' npm packages to versions that run on Debian 12's Node 18.
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

# FreeType's headers missing alone (the SDL packages do not bring them in), or the worksheets'
# cairo or pango: apt-get is asked for that package alone.
for missing in "freetype2 libfreetype-dev" "cairo-pdf libcairo2-dev" "pangocairo libpango1.0-dev"; do
    module=${missing% *}
    package=${missing#* }
    cat >"$work/fake/pkg-config" <<FAKE
#!/bin/sh
case "\$*" in *$module*) exit 1 ;; esac
exec /usr/bin/pkg-config "\$@"
FAKE
    chmod +x "$work/fake/pkg-config"
    if [ "$(id -u)" -eq 0 ]; then
        PATH="$work/fake:$PATH" install_missing "${packages_needed[@]}" >/dev/null 2>&1
        grep -qx "install -y --no-install-recommends $package" "$work/apt-get.calls" 2>/dev/null ||
            fail "without $module, apt-get was asked: $(cat "$work/apt-get.calls" 2>/dev/null)"
        rm -f "$work/apt-get.calls"
    fi
    rm "$work/fake/pkg-config"
done

# A user who is neither root nor allowed sudo is told only the command to run as root.
printf '#!/bin/sh\necho 1000\n' >"$work/fake/id"
printf '#!/bin/sh\nexit 1\n' >"$work/fake/sudo"
chmod +x "$work/fake/id" "$work/fake/sudo"
said=$(PATH="$work/fake:$PATH" install_missing no-such-package-here 2>&1) && fail "a user who cannot install was not refused"
[[ $said == "Missing packages; as root, run:  apt-get update && apt-get install -y --no-install-recommends no-such-package-here" ]] ||
    fail "a user who cannot install was told: $said"
rm "$work/fake/id" "$work/fake/sudo"

# A missing library is named with its Debian package, from CMake's own words.
said=$(PKG_CONFIG_LIBDIR="$work/none" PKG_CONFIG_PATH="" build_suite "$work/nolibs" -DGRAPHSTEPS_TESTS=OFF 2>&1) &&
    fail "a build without SDL's pkg-config module configured"
[[ $said == *"sdl"*"Debian package: libsdl1.2-dev"* ]] || fail "the missing library's package was not named: $said"

# Text into a page: every character that means something there.
html_escape "1->0 <b> & \"q\" 'a'"
[ "$html" = "1-&gt;0 &lt;b&gt; &amp; &quot;q&quot; &#39;a&#39;" ] || fail "html_escape gave: $html"

# The browser tests' npm packages: exact versions, the lockfile's, that Debian 12's Node 18 runs.
said=$(node - "$top/tests/node" <<'CHECK' 2>&1
const [folder] = process.argv.slice(2);
const wanted = require(folder + "/package.json").dependencies;
const locked = require(folder + "/package-lock.json").packages;
for (const [name, version] of Object.entries(wanted)) {
    if (!/^\d+\.\d+\.\d+$/.test(version)) console.log(name + " is not pinned: " + version);
    if ((locked["node_modules/" + name] || {}).version !== version) console.log(name + " is not the lockfile's " + version);
}
for (const [path, entry] of Object.entries(locked)) {
    const least = /^>=\s*(\d+)/.exec((entry.engines || {}).node || ">=0");
    if (!least || Number(least[1]) > 18) console.log(path + " needs Node " + (entry.engines || {}).node);
}
CHECK
)
[ -z "$said" ] || fail "tests/node: $said"

# ./demo --version and --help say what ./demo is, rather than looking for a program of that name.
for option in --version --help; do
    said=$("$top/demo" $option 2>&1) || fail "./demo $option failed: $said"
    [[ $said == *graphsteps* ]] || fail "./demo $option did not say what it is: $said"
done

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

# A build with the generator the user chose, not the one the script would take, and a configure
# that failed tried again next time rather than skipped for its cache. The configure is CMake's
# own; the build that would follow is only noted, since the generators' builds are CMake's.
cat >"$work/fake/cmake" <<FAKE
#!/bin/sh
if [ "\$1" = --build ]; then echo "\$*" >>"$work/cmake-build.calls"; exit 0; fi
exec "$(command -v cmake)" "\$@"
FAKE
chmod +x "$work/fake/cmake"
PATH="$work/fake:$PATH" CMAKE_GENERATOR="Unix Makefiles" build_suite "$work/build" -DGRAPHSTEPS_TESTS=OFF >"$work/build.log" 2>&1 ||
    fail "the build failed with CMAKE_GENERATOR=Unix Makefiles: $(tail -5 "$work/build.log")"
[ -f "$work/build/Makefile" ] && [ ! -f "$work/build/build.ninja" ] || fail "CMAKE_GENERATOR was not kept"
grep -q -- "--build $work/build " "$work/cmake-build.calls" 2>/dev/null || fail "the configured folder was not built"

mkdir -p "$work/failed" && echo "CMAKE_HOME_DIRECTORY:INTERNAL=$top" >"$work/failed/CMakeCache.txt"
PATH="$work/fake:$PATH" build_suite "$work/failed" -DGRAPHSTEPS_TESTS=OFF >"$work/failed.log" 2>&1 ||
    fail "a folder left by a failed configure stays broken: $(tail -3 "$work/failed.log")"
[ -f "$work/failed/build.ninja" ] || [ -f "$work/failed/Makefile" ] || fail "a failed configure was not tried again"

# ./demo --gallery refuses a folder whose index.html someone else wrote, before recording anything.
mkdir -p "$work/gallery" && echo '<p>mine</p>' >"$work/gallery/index.html"
said=$(GRAPHSTEPS_BUILD_DIR="$work/none" "$top/demo" --gallery "$work/gallery" 2>&1) &&
    fail "./demo --gallery took a folder with someone else's index.html"
[[ $said == *"index.html that graphsteps did not write"* ]] || fail "./demo --gallery did not say why: $said"
[ "$(cat "$work/gallery/index.html")" = '<p>mine</p>' ] && [ ! -e "$work/gallery/components" ] ||
    fail "./demo --gallery changed the folder it refused"

rm -rf "$work"
[ "$failures" -eq 0 ] && echo "scripts: every check passed"
[ "$failures" -eq 0 ]
