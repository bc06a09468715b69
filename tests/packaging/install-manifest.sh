# shellcheck shell=sh
# Sourced by the tests that install: each install rewrites the build folder's
# install_manifest.txt, which a person's uninstall reads; keep theirs.
# keeping_install_manifest BUILD_DIR COMMAND...
keeping_install_manifest() {
    manifest=$1/install_manifest.txt
    shift
    [ ! -e "$manifest" ] || cp "$manifest" "$manifest.kept"
    status=0
    "$@" || status=$?
    if [ -e "$manifest.kept" ]; then mv "$manifest.kept" "$manifest"; else rm -f "$manifest"; fi
    return "$status"
}
