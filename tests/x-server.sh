# shellcheck shell=sh
# A private X server for the tests and tools that source this: start_x_server sets
# DISPLAY, stop_x_server ends it. Needs a folder in $work for its files.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Retries a check until it holds, for at most about 20 seconds (a bound, not a timing).
eventually() {
    tries=0
    until "$@"; do
        tries=$((tries + 1))
        [ "$tries" -lt 200 ] || return 1
        sleep 0.1
    done
}

# A display number with neither a lock file nor a socket (abstract ones included).
free_display_number() {
    number=$((500 + $$ % 1000))
    while [ -e "/tmp/.X$number-lock" ] || grep -q "/tmp/.X11-unix/X$number\$" /proc/net/unix; do
        number=$((number + 1))
    done
    echo "$number"
}

# The screen is 1024x768x24 unless X_SCREEN names another size.
start_x_server() {
    : "${work:?a folder for the X server files}"
    mkfifo "$work/displayfd"
    Xvfb ":$(free_display_number)" -displayfd 3 -nolisten tcp -noreset -screen 0 "${X_SCREEN:-1024x768x24}" \
        3>"$work/displayfd" >"$work/xvfb.log" 2>&1 &
    x_server=$!
    read -r number <"$work/displayfd" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    DISPLAY=:$number
    export DISPLAY
    unset WAYLAND_DISPLAY
    QT_QPA_PLATFORM=xcb
    export QT_QPA_PLATFORM
}

stop_x_server() {
    [ -z "${x_server:-}" ] || kill "$x_server" 2>/dev/null || true
    [ -z "${x_server:-}" ] || wait "$x_server" 2>/dev/null || true
    x_server=""
}

# True while another program pastes TEXT from the clipboard.
clipboard_is() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }

# copy_and_expect COLOUR [SCALE]: a click on the copy button of Hueprobe's main
# window $main, drawn at SCALE (1 unless given), then COLOUR on the clipboard. The
# button's middle is (1300, 4000) twips into the window's 316 pixels below its menu bar.
copy_and_expect() {
    eval "$(xdotool getwindowgeometry --shell "${main:?the main window}" | grep HEIGHT)"
    printf 'something else' | xclip -i -selection clipboard
    xdotool mousemove --window "$main" $((1300 * ${2:-1} / 15)) $(((4000 / 15 - 316) * ${2:-1} + HEIGHT)) click 1
    eventually clipboard_is "$1" || fail "the clipboard holds '$(xclip -o -selection clipboard)', not '$1'"
}

# The first visible window of a process.
window_of() {
    xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1 | grep .
}
