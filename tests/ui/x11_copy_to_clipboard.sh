#!/bin/bash
# Copies the colour through the program's real windows on a virtual X server,
# once in each clipboard format, and reads the clipboard back with xclip, as
# another program would. The format is chosen in the clipboard dialog by
# mouse, as a person would choose it.
# Usage: x11_copy_to_clipboard.sh PATH-TO-HUEPROBE
set -u

program=$1
workdir=$(mktemp -d)
started=()

cleanup() {
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null
    done
    for pid in "${started[@]}"; do
        wait "$pid" 2>/dev/null
    done
    rm -rf "$workdir"
}
trap cleanup EXIT

passed=0
fail() {
    echo "not ok: $*"
    echo "$passed passed, 1 failed"
    exit 1
}

# Waits for a window whose title matches, up to 10 seconds, and prints its id.
window() {
    timeout 10 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

# Waits up to 10 seconds for no window with that title to be shown.
gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

# Waits up to 10 seconds for the clipboard to hold the text; prints what it holds.
clipboard_holds() {
    local text=""
    for _ in $(seq 50); do
        text=$(timeout 2 xclip -o -selection clipboard 2>/dev/null)
        [ "$text" = "$1" ] && break
        sleep 0.2
    done
    printf '%s' "$text"
}

# The X server takes the first free display and writes its number to the file.
exec {display_fd}>"$workdir/display"
Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -nolisten tcp 2>"$workdir/xvfb.log" &
started+=($!)
exec {display_fd}>&-
for _ in $(seq 100); do
    [ -s "$workdir/display" ] && break
    sleep 0.1
done
[ -s "$workdir/display" ] || fail "Xvfb did not start: $(cat "$workdir/xvfb.log")"
export DISPLAY=":$(head -n 1 "$workdir/display")"

QT_QPA_PLATFORM=xcb "$program" 2>"$workdir/program.log" &
started+=($!)
main=$(window '^Hueprobe$')
[ -n "$main" ] || fail "the main window did not appear: $(cat "$workdir/program.log")"

# No window manager runs, so the main window gets the focus by hand. The focus
# starts on the red scroll bar: End puts red at 255, Tab and Right green at 5.
xdotool windowfocus --sync "$main" || fail "the main window did not take the focus"
xdotool key End Tab Right Right Right Right Right

# The copy button's place: the menu bar's height above the client area.
eval "$(xdotool getwindowgeometry --shell "$main")"
menu_bar=$((HEIGHT - 316))
copy_x=$((16 + 145 / 2))
copy_y=$((menu_bar + 240 + 57 / 2))

# Chooses the format with option button INDEX, clicking it at its place in
# pixels within the dialog (inside the frame at 24, 16), then OK.
option_tops=(24 64 96)
choose_format() {
    xdotool windowfocus --sync "$main" || fail "the main window did not take the focus"
    xdotool key alt+h Left Return # the help menu, then the function menu to its left
    local dialog
    dialog=$(window '^Form1$')
    [ -n "$dialog" ] || fail "the clipboard dialog did not open"
    xdotool mousemove --window "$dialog" $((24 + 30)) $((16 + option_tops[$1] + 6)) click 1
    xdotool mousemove --window "$dialog" $((152 + 56)) $((160 + 16)) click 1
    gone '^Form1$' || fail "OK did not close the clipboard dialog"
}

check_copy() {
    local expected=$1 held
    xdotool mousemove --window "$main" "$copy_x" "$copy_y" click 1
    held=$(clipboard_holds "$expected")
    [ "$held" = "$expected" ] || fail "expected '$expected' on the clipboard, read '$held'"
    echo "ok: copied $expected"
    passed=$((passed + 1))
}

check_copy "FF0500"
choose_format 1
check_copy "#FF0500"
choose_format 2
check_copy "RGB(255,5,0)"

echo "$passed passed, 0 failed"
