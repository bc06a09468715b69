#!/bin/sh
# `cmake --install` puts Hueprobe in place as a desktop application: the program, the
# clipboard keeper where the program looks for it, the desktop entry, the metainfo and
# the icons, each named after the application id, the changelog and the manual pages,
# and nothing else.
# Usage: installed-files.sh BUILD_DIR STAGE APP_ID BINDIR LIBEXECDIR DATADIR ICON_SIZES...
set -eu

build=$1 stage=$2 id=$3 bindir=$4 libexecdir=$5 datadir=$6
shift 6

# shellcheck source-path=SCRIPTDIR source=install-manifest.sh
. "$(dirname "$0")/install-manifest.sh"
rm -rf "$stage"
keeping_install_manifest "$build" cmake --install "$build" --prefix "$stage" >/dev/null

expected=$(
    {
        echo "$bindir/hueprobe"
        echo "$libexecdir/hueprobe-clipboard-keeper"
        echo "$datadir/applications/$id.desktop"
        echo "$datadir/metainfo/$id.metainfo.xml"
        echo "$datadir/doc/hueprobe/copyright"
        echo "$datadir/doc/hueprobe/changelog.gz"
        echo "$datadir/man/man1/hueprobe.1.gz"
        echo "$datadir/man/man1/hueprobe-clipboard-keeper.1.gz"
        for size in "$@"; do
            echo "$datadir/icons/hicolor/${size}x$size/apps/$id.png"
        done
    } | sort
)
installed=$(cd "$stage" && find . -type f | sed 's|^\./||' | sort)
if [ "$installed" != "$expected" ]; then
    echo "FAIL: the installed files differ from the expected ones:" >&2
    diff -u "$(printf '%s\n' "$expected" >"$stage.expected" && echo "$stage.expected")" \
        "$(printf '%s\n' "$installed" >"$stage.installed" && echo "$stage.installed")" >&2 || true
    exit 1
fi
for program in "$bindir/hueprobe" "$libexecdir/hueprobe-clipboard-keeper"; do
    [ -x "$stage/$program" ] || { echo "FAIL: $program is not executable" >&2; exit 1; }
done
grep -qx "Icon=$id" "$stage/$datadir/applications/$id.desktop" ||
    { echo "FAIL: the desktop entry does not name the icon $id" >&2; exit 1; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$stage/$datadir/metainfo/$id.metainfo.xml" ||
    { echo "FAIL: the metainfo does not launch $id.desktop" >&2; exit 1; }
