#!/bin/bash
# Taking a colour from an X11 screen by click and keys, cancelling by Escape and
# right click, at scale 1 and 2. The desktop, below the main window, is grey with
# one marked pixel in each 4x4 tile, at (1,1): each arrow key is tried from the
# one neighbour of a mark from which only that key reaches it, so a key moving
# the wrong way, or by more than one pixel, picks grey. Each row changes the
# colour, or would if it picked by mistake.
set -euo pipefail
: "${HUEPROBE:?path of the hueprobe program}"
work=$(mktemp -d)
app=""
# shellcheck source=tests/x-server.sh
. "$(dirname "$0")/../x-server.sh"
trap '[ -z "$app" ] || kill "$app" 2>/dev/null; stop_x_server; rm -rf "$work"' EXIT

step() { echo "-- $*"; }
focus() { xdotool windowfocus --sync "$1"; }
keys() { xdotool key --clearmodifiers --delay 40 "$@"; }
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
readonly Mark=CC3366 Grey=808080 # where x % 4 = y % 4 = 1, and elsewhere
printf '#define t_width 4\n#define t_height 4\nstatic unsigned char t_bits[] = {\n 0x00, 0x02, 0x00, 0x00 };\n' >"$work/t.xbm"
xsetroot -bitmap "$work/t.xbm" -fg "#$Mark" -bg "#$Grey"

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
    copy_and_expect "$5" "$1"
}

start_hueprobe
copy_and_expect 000000 # drawn, and so ready for a person's hand
while read -r x y action colour; do
    step "$action from $x,$y: $colour"
    pick 1 "$x" "$y" "$action" "$colour"
done <<END
601 801 click,1 $Mark
602 801 click,1 $Grey
600 801 key,Right,Return $Mark
600 800 key,Escape $Mark
600 800 click,3 $Mark
600 800 click,1 $Grey
602 801 key,Left,space $Mark
601 801 key,Right,Return $Grey
601 800 key,Down,KP_Enter $Mark
601 801 key,Up,Return $Grey
601 802 key,Up,Return $Mark
601 801 key,Down,Return $Grey
602 802 key,Left,Up,Return $Mark
END
keys alt+f Return
wait "$app" || fail "quit ended the program with status $?"

step "at scale 2 the pixel under the pointer, not a neighbour"
QT_SCALE_FACTOR=2 "$HUEPROBE" 2>"$work/hueprobe.log" &
app=$!
main=$(eventually window_of "$app") || fail "the main window did not appear"
copy_and_expect 000000 2
pick 2 601 801 click,1 $Mark
pick 2 602 801 click,1 $Grey
pick 2 600 801 key,Right,Return $Mark
