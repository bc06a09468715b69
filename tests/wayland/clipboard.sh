#!/bin/sh
# The real program on a headless sway: it starts on Qt's Wayland platform by itself,
# and another Wayland program reads what its copy button put on the clipboard.
# Usage: clipboard.sh HUEPROBE
set -eu
# shellcheck source=tests/wayland/sway-session.sh
. "$(dirname "$0")/sway-session.sh"
need_sway_session
trap stop_sway EXIT

start_sway '#000000'
hueprobe=$(sway_program "$1")

clipboard_is() { [ "$(as_sway_user wl-paste --no-newline 2>/dev/null)" = "$1" ]; }
expect_clipboard() {
    eventually clipboard_is "$1" || fail "$2: the clipboard holds '$(as_sway_user wl-paste 2>&1)'"
}

echo "No platform named, a Wayland display set: Hueprobe is a Wayland window"
spawn_as_sway_user "$hueprobe" 2>"$sway_runtime/hueprobe.log"
app=$spawned
eventually sway_has_window io.github.hueprobe.Hueprobe ||
    fail "no Wayland window: $(cat "$sway_runtime/hueprobe.log")"

echo "The copy button's text is read by wl-paste while Hueprobe runs"
# The red bar has the focus: End takes it to 255; then green one up, and Tab on to the copy button.
sway_keys -k End -k Tab -k Right -k Tab -k Tab -k Tab -k space
expect_clipboard FF0100 "after the copy button"
kill "$app"
wait "$app" || fail "Hueprobe ended with status $?: $(cat "$sway_runtime/hueprobe.log")"
