# shellcheck shell=sh
# Sourced by the tests that install: an install, staged or packaged, rewrites the build
# folder's install_manifest.txt, the list a person's uninstall reads. Keep theirs.

# keeping_install_manifest BUILD_DIR COMMAND...
keeping_install_manifest() {
    manifest=$1/install_manifest.txt
    shift
    kept=$(mktemp)
    had_manifest=false
    if [ -e "$manifest" ]; then
        cp "$manifest" "$kept"
        had_manifest=true
    fi
    status=0
    "$@" || status=$?
    if $had_manifest; then
        cp "$kept" "$manifest"
    else
        rm -f "$manifest"
    fi
    rm -f "$kept"
    return "$status"
}
