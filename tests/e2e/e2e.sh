# Shared steps of the real-window tests: each scenario sources this file, then
# drives the built program in its own X server as a person would, with the
# keyboard and the mouse (xdotool), and reads results only where any other
# program could: window titles, the clipboard (xclip), screen pixels and the
# program's exit status. No window manager runs, so windows get the keyboard
# focus only when asked, and a close box is a close request sent as a window
# manager sends it (send-close-request).
# Needs HUEPROBE (the program) and SEND_CLOSE (send-close-request) set.
set -euo pipefail

: "${HUEPROBE:?path of the hueprobe program}"
: "${SEND_CLOSE:?path of send-close-request}"

readonly ClientHeight=316 # the main window below its menu bar, in pixels
readonly ClipTitle='^Form1$'
readonly VersionTitle='^Hueprobe-バージョン情報'

work=$(mktemp -d)
app=""
main=""
. "$(dirname "${BASH_SOURCE[0]}")/../x-server.sh"

cleanup() {
    [ -z "$app" ] || kill "$app" 2>/dev/null || true
    stop_x_server
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ ! -s "$work/hueprobe.log" ] || sed 's/^/  hueprobe: /' "$work/hueprobe.log" >&2
    exit 1
}

step() { echo "-- $*"; }

start_hueprobe() {
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    "$HUEPROBE" 2>"$work/hueprobe.log" &
    app=$!
    main=$(eventually visible_window '^Hueprobe$') || fail "the main window did not appear"
    focus "$main"
    expect_swatch 000000 # drawn, and so ready for a person's hand
}

focus() { xdotool windowfocus --sync "$1"; }

keys() { xdotool key --clearmodifiers --delay 40 "$@"; }

# The top of the main window's client area, below the menu bar.
client_top() {
    local HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$main" | grep HEIGHT)"
    echo $((HEIGHT - ClientHeight))
}

# Clicks a window at a point given in twips (15 to a pixel) of its client area.
click_twips() {
    local window=$1 top=0
    [ "$window" != "$main" ] || top=$(client_top)
    xdotool mousemove --window "$window" $(($2 / 15)) $(($3 / 15 + top)) click 1
}

# The colour of the main window's pixel at a point in twips, as RRGGBB.
pixel_twips() {
    local X Y
    eval "$(xdotool getwindowgeometry --shell "$main" | grep -E '^[XY]=')"
    local x=$((X + $1 / 15)) y=$((Y + $2 / 15 + $(client_top)))
    import -window root -crop "1x1+$x+$y" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | tr -d '#'
}

# A point inside the swatch, clear of its code in the top right corner.
swatch_is() { [ "$(pixel_twips 3200 4200)" = "$1" ]; }

expect_swatch() {
    eventually swatch_is "$1" || fail "the swatch shows $(pixel_twips 3200 4200), not $1"
}

clipboard_is() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }

# A click on the copy button, and another program reads the clipboard.
copy_and_expect() {
    printf 'something else' | xclip -i -selection clipboard
    click_twips "$main" 1300 4000
    eventually clipboard_is "$1" ||
        fail "the clipboard holds '$(xclip -o -selection clipboard 2>&1)', not '$1'"
}

window_count() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }

no_window() { [ "$(window_count "$1")" -eq 0 ]; }

# An open menu is a window titled like the main window; it closes just after
# its item has run.
menus_closed() { [ "$(window_count '^Hueprobe$')" -le 1 ]; }

open_clip_dialog() {
    focus "$main"
    keys alt+f alt+f Return # File and Functions share F: the second press opens Functions
    eventually visible_window "$ClipTitle" || fail "the clipboard-format dialog did not open"
    eventually menus_closed || fail "the Functions menu stayed open"
}

open_version_dialog() {
    focus "$main"
    keys alt+h Return
    eventually visible_window "$VersionTitle" || fail "the version dialog did not open"
    eventually menus_closed || fail "the Help menu stayed open"
}

# Waits for the program to end and checks its exit status.
expect_exit() {
    local status=0
    eventually eval "! kill -0 $app 2>/dev/null" || fail "the program is still running"
    wait "$app" || status=$?
    app=""
    [ "$status" -eq "$1" ] || fail "the program ended with status $status, not $1"
}

expect_running() {
    sleep 0.5
    kill -0 "$app" 2>/dev/null || fail "the program has ended"
}
