#!/bin/bash
# Dragging the red scroll bar's thumb with a real pointer: while the button is
# held the thumb moves but the colour stays as it was; on release the colour
# takes the thumb's new value. The swatch is read from the screen mid-drag, as a
# person sees it, and the colour afterwards by the copy button and the clipboard.
set -euo pipefail
: "${HUEPROBE:?path of the hueprobe program}"
readonly ClientHeight=316 # the main window below its menu bar, in pixels
readonly Bar=(80 24 341 33) # the red scroll bar: left, top, width, height
readonly Swatch=(200 290)     # a pixel of the swatch beside its text
work=$(mktemp -d)
app=""
# shellcheck source=tests/x-server.sh
. "$(dirname "$0")/../x-server.sh"
trap '[ -z "$app" ] || kill "$app" 2>/dev/null; stop_x_server; rm -rf "$work"' EXIT

step() { echo "-- $*"; }

# The main window's pixels below its menu bar, as an image file.
client_shot() {
    local HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$main" | grep HEIGHT)"
    import -window "$main" -crop "540x$ClientHeight+0+$((HEIGHT - ClientHeight))" +repage "$1"
}
# pixel IMAGE X Y: its colour as six hexadecimal digits.
pixel() { convert "$1" -format '%[hex:p{'"$2,$3"'}]' info:- | cut -c1-6; }
bar_of() { convert "$1" -crop "${Bar[2]}x${Bar[3]}+${Bar[0]}+${Bar[1]}" -format '%#' info:-; }
bar_changed() { client_shot "$work/now.png" && [ "$(bar_of "$work/now.png")" != "$(bar_of "$work/before.png")" ]; }
to_client() { # X Y in the client area to the screen
    local X Y HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$main")"
    echo "$((X + $1)) $((Y + HEIGHT - ClientHeight + $2))"
}

start_x_server
"$HUEPROBE" 2>"$work/hueprobe.log" &
app=$!
main=$(eventually window_of "$app") || fail "the main window did not appear"
xdotool windowfocus --sync "$main"
copy_and_expect 000000 # drawn, and so ready for a person's hand
client_shot "$work/before.png"
[ "$(pixel "$work/before.png" "${Swatch[@]}")" = 000000 ] || fail "the swatch is not black at first"

step "the thumb held and moved: the colour stays"
# At 0 the thumb sits at the bar's left end, just right of its arrow button.
read -r x y < <(to_client $((Bar[0] + 22)) $((Bar[1] + Bar[3] / 2)))
xdotool mousemove "$x" "$y" mousedown 1
for dx in 10 20 40 80 120 160; do xdotool mousemove "$((x + dx))" "$y"; done
eventually bar_changed || fail "the thumb did not follow the pointer"
client_shot "$work/held.png"
held=$(pixel "$work/held.png" "${Swatch[@]}")
xdotool mouseup 1
[ "$held" = 000000 ] || fail "the colour changed to $held while the thumb was held"

step "released: the colour takes the thumb's value"
swatch_red() { client_shot "$work/after.png" && [ "$(pixel "$work/after.png" "${Swatch[@]}")" != 000000 ]; }
eventually swatch_red || fail "the colour did not change on release"
after=$(pixel "$work/after.png" "${Swatch[@]}")
[[ "$after" =~ ^[0-9A-F]{2}0000$ ]] || fail "the swatch shows $after, not a red"
copy_and_expect "$after"
