#!/bin/bash
# Taking a colour from an X11 screen by click and keys, cancelling by Escape and
# right click, at scale 1 and 2. The desktop is a checkerboard of single pixels in
# two colours, below the main window: a pick one pixel off shows the other colour,
# and each row changes the colour, or would if it picked by mistake.
set -euo pipefail
: "${HUEPROBE:?path of the hueprobe program}"
readonly ClientHeight=316 # the main window below its menu bar, in pixels
work=$(mktemp -d)
app=""
# shellcheck source=tests/x-server.sh
. "$(dirname "$0")/../x-server.sh"
trap '[ -z "$app" ] || kill "$app" 2>/dev/null; stop_x_server; rm -rf "$work"' EXIT

step() { echo "-- $*"; }
focus() { xdotool windowfocus --sync "$1"; }
keys() { xdotool key --clearmodifiers --delay 40 "$@"; }
clipboard_is() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }
# The picker is the program's one window beside the main window (titles in
# Japanese cannot be matched in every locale).
picker_closed() { [ "$(xdotool search --all --onlyvisible --pid "$app" 2>/dev/null | wc -l)" -le 1 ]; }
picker_open() { ! picker_closed; }
start_hueprobe() {
    "$HUEPROBE" 2>"$work/hueprobe.log" &
    app=$!
    main=$(eventually window_of "$app") || fail "the main window did not appear"
    focus "$main"
}

X_SCREEN=1280x1024x24 start_x_server
unset XDG_SESSION_TYPE
readonly Even=3366CC Odd=CC6633 # where x + y is even, and odd
printf '#define c_width 2\n#define c_height 2\nstatic unsigned char c_bits[] = {\n 0x01, 0x02 };\n' >"$work/c.xbm"
xsetroot -bitmap "$work/c.xbm" -fg "#$Even" -bg "#$Odd"

# Copies with the copy button of a main window drawn at the given scale.
copy_and_expect_at() {
    local HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$main" | grep HEIGHT)"
    printf 'something else' | xclip -i -selection clipboard
    xdotool mousemove --window "$main" $((1300 * $1 / 15)) $(((4000 / 15 - ClientHeight) * $1 + HEIGHT)) click 1
    eventually clipboard_is "$2" || fail "the clipboard holds '$(xclip -o -selection clipboard)', not '$2'"
}

# pick SCALE X Y ACTION COLOUR: the picker opened with the pointer at X,Y, the
# action taken (xdotool's words joined by commas), the colour in force afterwards.
pick() {
    xdotool mousemove "$2" "$3"
    printf 'untouched' | xclip -i -selection clipboard
    focus "$main"
    keys ctrl+shift+c
    eventually picker_open || fail "the picker did not open"
    IFS=, read -ra action <<<"$4"
    xdotool "${action[@]}"
    eventually picker_closed || fail "the picker stayed open after $4"
    clipboard_is untouched || fail "picking changed the clipboard"
    copy_and_expect_at "$1" "$5"
}

start_hueprobe
copy_and_expect_at 1 000000 # drawn, and so ready for a person's hand
while read -r x y action colour; do
    step "$action from $x,$y: $colour"
    pick 1 "$x" "$y" "$action" "$colour"
done <<END
600 800 click,1 $Even
601 800 click,1 $Odd
600 800 key,Right,Return $Odd
600 800 key,Left,Up,space $Even
600 800 key,Down,KP_Enter $Odd
600 800 key,Escape $Odd
600 802 click,3 $Odd
END
keys alt+f Return
wait "$app" || fail "quit ended the program with status $?"

step "at scale 2 the pixel under the pointer, not a neighbour"
QT_SCALE_FACTOR=2 "$HUEPROBE" 2>"$work/hueprobe.log" &
app=$!
main=$(eventually window_of "$app") || fail "the main window did not appear"
copy_and_expect_at 2 000000
pick 2 601 800 click,1 $Odd
pick 2 601 800 key,Right,Return $Even
pick 2 601 801 key,Up,Return $Odd
