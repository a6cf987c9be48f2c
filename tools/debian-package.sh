# Sourced by ./demo: ./demo --package builds the suite for release and makes its Debian package
# with CPack, build/release/package/graphsteps_VERSION_ARCH.deb.

make_debian_package() {
    # dpkg-shlibdeps names the libraries' packages and CPack runs `file`; man-db is not needed to
    # make the package.
    install_missing "${packages_needed[@]}" dpkg-dev file || return 1
    local build="$top/build/release" deb
    build_suite "$build" -DCMAKE_BUILD_TYPE=Release -DGRAPHSTEPS_TESTS=OFF || return 1
    rm -f "$build"/package/graphsteps_*.deb
    echo "Making the Debian package with CPack"
    (cd "$build" && cpack -G DEB) >>"$log_file" 2>&1 || {
        echo "demo: CPack could not make the package:" >&2
        show_log_tail 20
        return 1
    }
    for deb in "$build"/package/graphsteps_*.deb; do
        echo "Package written: $deb"
        echo "Install it with:  sudo apt install $deb"
    done
}
