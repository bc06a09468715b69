#!/bin/sh
# Taking a colour from the screen of a wlroots desktop by keyboard alone, as only a
# real compositor shows it: Hueprobe's overlay gets the keys, and over a tiled
# pattern of 16 colours in each 4x4 square, grim's image is in device pixels and
# each arrow key moves one of them, at scale 1 and 2; Escape cancels; an output
# taken away mid-pick brings a message. What each key means, grim's failures and
# the portal asked first are proven offscreen (tests/ui).
# Usage: screen_pick.sh HUEPROBE
set -eu
# shellcheck source=tests/wayland/sway-session.sh
. "$(dirname "$0")/sway-session.sh"
need_sway_session
need_command convert imagemagick

readonly AppId=io.github.hueprobe.Hueprobe
# Hueprobe's main window floats in the top left corner, clear of the middle of
# the output, where a pick by keyboard alone starts.
readonly Aside='for_window [title="^Hueprobe$"] floating enable, move position 0 0'
program=$1
work=$(mktemp -d /tmp/screen-pick.XXXXXX)
chmod 755 "$work"
app=""
trap 'kill $app 2>/dev/null || true; stop_sway; rm -rf "$work"' EXIT

step() { echo "-- $*"; }
hueprobe_log() { cat "$sway_runtime/hueprobe.log"; }

# Hueprobe's picker has the keyboard: the focused window is its full-screen overlay.
overlay_focused() {
    as_sway_user swaymsg -t get_tree | python3 -c '
import json, sys
def focused(node):
    return node if node["focused"] else next(filter(None, map(focused, node["nodes"] + node["floating_nodes"])), None)
node = focused(json.load(sys.stdin)) or {}
sys.exit(node.get("app_id") != sys.argv[1] or node.get("fullscreen_mode") != 1)' "$AppId"
}
# Hueprobe shows its main window alone.
windows() { as_sway_user swaymsg -t get_tree | grep -c "\"app_id\": \"$AppId\""; }
main_alone() { [ "$(windows)" -eq 1 ]; }
# Hueprobe shows a second window, not its overlay, and it has the keyboard.
message_focused() { [ "$(windows)" -eq 2 ] && ! overlay_focused; }
expect() { eventually "$1" || fail "$2: not $1: $(hueprobe_log)"; }

# The colour in force, copied by the copy button (which keeps the focus).
expect_colour() {
    as_sway_user wl-copy --clear
    sway_keys -k space
    eventually clipboard_is "$1" ||
        fail "the colour is '$(pasted)', not '$1'"
}

# pick COLOUR KEY...: the picker opened by Ctrl+Shift+C, the keys typed (wtype's
# names), then the colour in force.
pick() {
    colour=$1
    shift
    sway_keys -M ctrl -M shift -k c -m shift -m ctrl
    expect overlay_focused "after Ctrl+Shift+C"
    keys="$*"
    for key; do set -- "$@" -k "$key" && shift; done
    sway_keys "$@"
    expect main_alone "after $keys"
    expect_colour "$colour"
}

# 16 colours in each 4x4 square: red by column, green by row. The middle of a
# 1280x800 output is the device pixel (639, 399), the last of its square both ways.
colour_at() { printf '%02X%02X80' $((16 + 64 * ($1 % 4))) $((16 + 64 * ($2 % 4))); }
{
    echo "P3 4 4 255"
    for y in 0 1 2 3; do
        for x in 0 1 2 3; do
            echo "$((16 + 64 * x)) $((16 + 64 * y)) 128"
        done
    done
} >"$work/tile.ppm"
convert "$work/tile.ppm" "$work/tile.png"
chmod 644 "$work/tile.png"

# pattern SCALE: over the pattern shown at that scale, the arrow keys reach colours
# of their own, one device pixel away.
pattern() {
    step "the pattern at scale $1"
    middle_x=$((640 * $1 - 1)) middle_y=$((400 * $1 - 1))
    # A loaded machine's sway has once left its background unpainted: the session
    # (not Hueprobe) gets a second start before the test gives up.
    for attempt in 1 2; do
        stop_sway
        SWAY_MODE=$((1280 * $1))x$((800 * $1)) SWAY_SCALE=$1 start_sway '#000000' \
            "output * bg $work/tile.png tile" "$Aside"
        eventually [ "$(pixel_at 639 399)" = "$(colour_at $middle_x $middle_y)" ] && break
        [ "$attempt" -eq 1 ] || fail "the pattern is not shown"
    done
    hueprobe=$(sway_program "$program") # a new session has a runtime folder of its own
    spawn_as_sway_user "$hueprobe" 2>"$sway_runtime/hueprobe.log"
    app=$spawned
    expect main_alone "at start"
    # The red bar has the focus; four tabs on, the copy button.
    sway_keys -k Tab -k Tab -k Tab -k Tab -k space
    eventually clipboard_is 000000 || fail "the first copy did not reach the clipboard"
    while read -r dx dy keys; do
        echo "$keys"
        # shellcheck disable=SC2086 # one word a key
        pick "$(colour_at $((middle_x + dx)) $((middle_y + dy)))" $keys
    done <<END
0 0 Return
-2 -1 Left Left Up space
1 4 Right Down Down Down Down KP_Enter
END
    # Where Escape would have picked, the colour differs from the one in force.
    pick "$(colour_at $((middle_x + 1)) $((middle_y + 4)))" Left Escape
    kill "$app"
    wait "$app" || fail "Hueprobe ended with status $?: $(hueprobe_log)"
    app=""
}

pattern 1
pattern 2

step "an output taken away mid-pick: a message, and the colour as it was"
spawn_as_sway_user "$hueprobe" 2>"$sway_runtime/hueprobe.log"
app=$spawned
expect main_alone "at start"
sway_keys -k Tab -k Tab -k Tab -k Tab
as_sway_user swaymsg create_output >/dev/null
sway_keys -M ctrl -M shift -k c -m shift -m ctrl
expect overlay_focused "over two outputs"
# sway 1.7 (Debian 12) can only disable an output, which leaves it to its clients.
if as_sway_user swaymsg output HEADLESS-2 unplug >/dev/null 2>&1; then
    expect message_focused "when an output went"
    sway_keys -k Escape
    expect main_alone "after the message"
    expect_colour 000000
else
    echo "sway $(sway --version | cut -d' ' -f3) cannot take an output away: not checked"
fi
