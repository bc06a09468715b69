#!/bin/sh
# `cmake --install` puts in place the program, its clipboard keeper, the desktop entry,
# the metainfo and the icons, named after the application id, and nothing else.
# Usage: installed-files.sh BUILD_DIR STAGE APP_ID BINDIR LIBEXECDIR DATADIR ICON_SIZES...
set -eu
build=$1 stage=$2 id=$3 bindir=$4 libexecdir=$5 datadir=$6
shift 6
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# shellcheck source=tests/packaging/install-manifest.sh
. "$(dirname "$0")/install-manifest.sh"
rm -rf "$stage"
keeping_install_manifest "$build" cmake --install "$build" --prefix "$stage" >/dev/null

{
    printf '%s\n' "$bindir/hueprobe" "$libexecdir/hueprobe-clipboard-keeper" \
        "$datadir/applications/$id.desktop" "$datadir/metainfo/$id.metainfo.xml" \
        "$datadir/doc/hueprobe/copyright"
    for size in "$@"; do echo "$datadir/icons/hicolor/${size}x$size/apps/$id.png"; done
} | sort >"$stage.expected"
(cd "$stage" && find . -type f | sed 's|^\./||' | sort) >"$stage.installed"
diff -u "$stage.expected" "$stage.installed" >&2 || fail "the installed files differ from the expected ones"
for program in "$bindir/hueprobe" "$libexecdir/hueprobe-clipboard-keeper"; do
    [ -x "$stage/$program" ] || fail "$program is not executable"
done
grep -qx "Icon=$id" "$stage/$datadir/applications/$id.desktop" || fail "the desktop entry does not name the icon $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$stage/$datadir/metainfo/$id.metainfo.xml" ||
    fail "the metainfo does not launch $id.desktop"
