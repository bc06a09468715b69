# Shared steps of the real-window tests: each scenario sources this file, then
# drives the built program in its own X server as a person would, with the
# keyboard and the mouse (xdotool), and reads results only where any other
# program could: window titles, the clipboard (xclip) and screen pixels.
# Needs HUEPROBE (the program) and SEND_CLOSE (send-close-request) set.
set -euo pipefail

: "${HUEPROBE:?path of the hueprobe program}"
: "${SEND_CLOSE:?path of send-close-request}"

readonly ClientWidth=540 ClientHeight=316 # the main window below its menu bar
work=$(mktemp -d)
started=()
app=""
main=""

cleanup() {
    local pid
    for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/hueprobe.log" ] && sed 's/^/  hueprobe: /' "$work/hueprobe.log" >&2
    exit 1
}

step() { echo "-- $*"; }

# Waits up to five seconds for a command to succeed.
eventually() {
    local try
    for try in $(seq 50); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

start_x() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    started+=($!)
    eventually test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(cat "$work/display")"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}

# The id of the visible window whose title matches the pattern, once it is there.
window_named() {
    timeout 5 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

start_hueprobe() {
    "$HUEPROBE" 2>"$work/hueprobe.log" &
    app=$!
    started+=("$app")
    main=$(window_named '^Hueprobe$') || fail "the main window did not appear"
    [ -n "$main" ] || fail "the main window did not appear"
    focus "$main"
}

# No window manager runs here, so a window gets the keyboard only when asked.
focus() { xdotool windowfocus --sync "$1"; }

keys() { xdotool key --clearmodifiers --delay 40 "$@"; }

# The top of the main window's client area, below the menu bar.
client_top() {
    local HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$main" | grep HEIGHT)"
    echo $((HEIGHT - ClientHeight))
}

# Clicks the main window at a point given in twips of its client area.
click_twips() {
    local x=$(($1 / 15)) y=$(($2 / 15 + $(client_top)))
    xdotool mousemove --window "$main" "$x" "$y" click 1
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

copy_and_expect() {
    click_twips 1300 4000 # the copy button
    eventually clipboard_is "$1" ||
        fail "the clipboard holds '$(xclip -o -selection clipboard 2>&1)', not '$1'"
}

# Waits for the program to end and checks its exit status.
expect_exit() {
    local status=0
    eventually bash -c "! kill -0 $app 2>/dev/null" || fail "the program is still running"
    wait "$app" || status=$?
    [ "$status" -eq "$1" ] || fail "the program ended with status $status, not $1"
}

expect_running() {
    sleep 0.5
    kill -0 "$app" 2>/dev/null || fail "the program has ended"
}
