#!/bin/sh
# The Debian package, built as cpack builds it into a folder of its own: its fields,
# and what dpkg -x unpacks.
# Usage: package-contents.sh BUILD_DIR PACKAGE_DIR APP_ID VERSION
set -eu

build=$1 dir=$2 id=$3 version=$4
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# shellcheck source-path=SCRIPTDIR source=install-manifest.sh
. "$(dirname "$0")/install-manifest.sh"
rm -rf "$dir"
keeping_install_manifest "$build" env -u DESTDIR cpack --config "$build/CPackConfig.cmake" -B "$dir" \
    >"$dir.log" 2>&1 || fail "cpack failed: $(cat "$dir.log")"

set -- "$dir"/hueprobe_"$version"_*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then fail "expected one hueprobe_${version}_*.deb in $dir, found: $*"; fi
deb=$1

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = hueprobe ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
depends=$(field Depends)
# The font by name; the libraries as dpkg-shlibdeps found them in the programs (since
# Debian 13 the Qt libraries' packages carry the suffix t64, for their 64-bit time).
for package in fonts-ipafont-gothic libqt6widgets6 libqt6gui6 libqt6core6 libxcb1 libc6; do
    echo "$depends" | tr ',' '\n' | grep -Eq "^ *$package(t64)?( |$)" ||
        fail "Depends lacks $package: $depends"
done
# What the Wayland paths run: Qt's Wayland platform, the keeper, the screen image.
recommends=$(field Recommends)
for package in qt6-wayland wl-clipboard grim; do
    echo "$recommends" | tr ',' '\n' | grep -Eq "^ *$package( |$)" ||
        fail "Recommends lacks $package: $recommends"
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg -x "$deb" "$unpacked"
for file in usr/bin/hueprobe usr/libexec/hueprobe-clipboard-keeper \
    "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
    "usr/share/icons/hicolor/32x32/apps/$id.png" "usr/share/icons/hicolor/256x256/apps/$id.png" \
    usr/share/doc/hueprobe/copyright; do
    [ -f "$unpacked/$file" ] || fail "$file is not in the package"
done
# Compressed as Debian wants: gzip -9 (flags byte 02) without a name or a time.
for file in doc/hueprobe/changelog man/man1/hueprobe.1 man/man1/hueprobe-clipboard-keeper.1; do
    header=$(od -An -tx1 -N9 "$unpacked/usr/share/$file.gz" | tr -d ' \n')
    [ "$header" = 1f8b08000000000002 ] || fail "$file.gz is not gzip -9n: $header"
done
for program in usr/bin/hueprobe usr/libexec/hueprobe-clipboard-keeper; do
    [ -x "$unpacked/$program" ] || fail "$program is not executable"
    file "$unpacked/$program" | grep -q ', stripped' || fail "$program is not stripped"
    ! readelf -S "$unpacked/$program" | grep -q ' \.comment\| \.note ' ||
        fail "$program keeps the compiler's notes"
done
