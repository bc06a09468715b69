#!/bin/sh
# Taking a colour from the screen of a wlroots desktop, by keyboard alone: over a
# desktop of one colour, then over a tiled pattern of 16 colours in each 4x4
# square, on which every arrow key reaches a colour of its own, at scale 1 and 2;
# Escape cancelling; the desktop's portal asked first where it offers PickColor;
# and grim missing or failing, and an output taken away mid-pick, each with a
# message and the colour as it was.
# Usage: screen_pick.sh HUEPROBE PORTAL_STANDIN PRIVATE_BUS_CONFIG
set -eu
# shellcheck source=tests/wayland/sway-session.sh
. "$(dirname "$0")/sway-session.sh"
need_sway_session
need_command convert imagemagick
need_command dbus-daemon dbus-daemon
trap stop_sway EXIT

readonly AppId=io.github.hueprobe.Hueprobe
# Hueprobe's main window floats in the top left corner, clear of the middle of
# the output, where a pick by keyboard alone starts.
readonly Aside='for_window [title="^Hueprobe$"] floating enable, move position 0 0'
work=$(mktemp -d /tmp/screen-pick.XXXXXX)
chmod 755 "$work"
app="" bus="" portal=""
trap 'kill $app $bus $portal 2>/dev/null || true; stop_sway; rm -rf "$work"' EXIT

step() { echo "-- $*"; }
hueprobe_log() { cat "$sway_runtime/hueprobe.log"; }
clipboard_is() { [ "$(as_sway_user wl-paste --no-newline 2>/dev/null)" = "$1" ]; }

# What Hueprobe shows, from sway's tree: "overlay" (its picker, full screen, has
# the keyboard), "message" (a second window has it), or "main" (its main window alone).
showing() {
    as_sway_user swaymsg -t get_tree | python3 -c '
import json, sys
def nodes(node):
    yield node
    for child in node["nodes"] + node["floating_nodes"]:
        yield from nodes(child)
ours = [n for n in nodes(json.load(sys.stdin)) if n.get("app_id") == sys.argv[1]]
focused = [n for n in ours if n["focused"]]
if any(n.get("fullscreen_mode") == 1 for n in focused):
    print("overlay")
elif len(ours) == 2 and focused:
    print("message")
elif len(ours) == 1:
    print("main")' "$AppId"
}
shows() { [ "$(showing)" = "$1" ]; }
expect_showing() { eventually shows "$1" || fail "$2: Hueprobe shows '$(showing)', not $1: $(hueprobe_log)"; }

# start_hueprobe [NAME=VALUE...]: Hueprobe in that environment, black, with the
# copy button focused.
start_hueprobe() {
    spawn_as_sway_user env "$@" "$hueprobe" 2>"$sway_runtime/hueprobe.log"
    app=$spawned
    expect_showing main "at start"
    # The red bar has the focus; four tabs on, the copy button.
    sway_keys -k Tab -k Tab -k Tab -k Tab -k space
    eventually clipboard_is 000000 || fail "the first copy did not reach the clipboard"
}
stop_hueprobe() {
    kill "$app"
    wait "$app" || fail "Hueprobe ended with status $?: $(hueprobe_log)"
    app=""
}

# The colour in force, copied by the copy button (which keeps the focus).
expect_colour() {
    as_sway_user wl-copy --clear
    sway_keys -k space
    eventually clipboard_is "$1" ||
        fail "the colour is '$(as_sway_user wl-paste --no-newline 2>&1)', not '$1'"
}

open_picker() { sway_keys -M ctrl -M shift -k c -m shift -m ctrl; }

# pick COLOUR KEY...: the picker opened by Ctrl+Shift+C, the keys typed (wtype's
# names), then the colour in force.
pick() {
    colour=$1
    shift
    open_picker
    expect_showing overlay "after Ctrl+Shift+C"
    keys="$*"
    for key; do set -- "$@" -k "$key" && shift; done
    sway_keys "$@"
    expect_showing main "after $keys"
    expect_colour "$colour"
}

# expect_message WHY COLOUR: the picker opened, a message instead of an overlay,
# which Escape closes, and the colour as it was.
expect_message() {
    open_picker
    expect_showing message "$1"
    sway_keys -k Escape
    expect_showing main "after the message $1"
    expect_colour "$2"
}

start_sway '#3366CC' "$Aside"
program=$1
hueprobe=$(sway_program "$program")
standin=$(sway_program "$2")

step "one colour: Enter picks the middle of the output, Escape cancels"
start_hueprobe
pick 3366CC Return
pick 3366CC Left Escape
stop_hueprobe

step "no grim: a message, and the colour as it was"
start_hueprobe PATH=/nonexistent
expect_message "without grim" 000000
stop_hueprobe

step "grim failing: a message, and the colour as it was"
mkdir "$work/failing"
printf '#!/bin/sh\necho "compositor does not support wlr-screencopy-unstable-v1" >&2\nexit 1\n' >"$work/failing/grim"
chmod 755 "$work/failing" "$work/failing/grim"
start_hueprobe PATH="$work/failing:$PATH"
expect_message "when grim fails" 000000
stop_hueprobe

step "an output taken away mid-pick: a message, and the colour as it was"
start_hueprobe
as_sway_user swaymsg create_output >/dev/null
open_picker
expect_showing overlay "over two outputs"
# sway 1.7 (Debian 12) can only disable an output, which leaves it to its
# clients; later ones take a headless output away.
if as_sway_user swaymsg output HEADLESS-2 unplug >/dev/null 2>&1; then
    expect_showing message "when an output went"
    sway_keys -k Escape
    expect_showing main "after the message"
    expect_colour 000000
else
    echo "sway $(sway --version | cut -d' ' -f3) cannot take an output away: not checked"
    sway_keys -k Escape
    expect_showing main "after Escape"
fi
stop_hueprobe

step "the portal asked first where it offers PickColor, grim where it does not"
# sway's user reads the bus's settings from here: the source tree may sit in a
# folder of root's own.
cp "$3" "$work/private-bus.conf"
chmod 644 "$work/private-bus.conf"
spawn_as_sway_user dbus-daemon --nofork --print-address=3 --config-file="$work/private-bus.conf" 3>"$work/bus"
bus=$spawned
eventually [ -s "$work/bus" ] || fail "no private session bus"
bus_address=$(head -n 1 "$work/bus")
for behaviour in colour old ended; do
    spawn_as_sway_user env DBUS_SESSION_BUS_ADDRESS="$bus_address" "$standin" "$behaviour" >"$work/standin"
    portal=$spawned
    eventually grep -q ready "$work/standin" || fail "the stand-in portal did not start: $(cat "$work/standin")"
    start_hueprobe DBUS_SESSION_BUS_ADDRESS="$bus_address"
    if [ "$behaviour" = colour ]; then
        open_picker
        eventually grep -q answered "$work/standin" || fail "the portal was not asked"
        expect_colour 8033FF
    else
        pick 3366CC Return
    fi
    stop_hueprobe
    kill "$portal"
    wait "$portal" 2>/dev/null || true
    portal=""
done
kill "$bus"
wait "$bus" 2>/dev/null || true
bus=""

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

# pattern SCALE: over the pattern shown at that scale, each arrow key reaches a
# colour of its own, one device pixel away.
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
    start_hueprobe
    while read -r dx dy keys; do
        echo "$keys"
        # shellcheck disable=SC2086 # one word a key
        pick "$(colour_at $((middle_x + dx)) $((middle_y + dy)))" $keys
    done <<END
0 0 Return
-1 0 Left Return
1 0 Right Return
0 -1 Up space
0 1 Down KP_Enter
-2 -1 Left Left Up Return
1 4 Right Down Down Down Down Return
END
    # Where Escape would have picked, the colour differs from the one in force.
    pick "$(colour_at $((middle_x + 1)) $((middle_y + 4)))" Left Escape
    stop_hueprobe
}

pattern 1
pattern 2
