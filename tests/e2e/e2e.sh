#!/bin/sh
# The real program on a real X server: the keyboard reaches the main window, which
# carries the program's icon, another program reads what the copy button put on the
# clipboard, and still reads it after Hueprobe has quit (the keeper).
# Usage: e2e.sh HUEPROBE
set -eu
work=$(mktemp -d)
# shellcheck source=tests/x-server.sh
. "$(dirname "$0")/../x-server.sh"
trap 'stop_x_server; rm -rf "$work"' EXIT

keys() { xdotool key --clearmodifiers --delay 50 "$@"; }
ended() { ! kill -0 "$app" 2>/dev/null; }
expect_clipboard() { eventually clipboard_is "$1" || fail "$2: the clipboard holds '$(xclip -o -selection clipboard 2>&1)'"; }

start_x_server
"$1" 2>"$work/hueprobe.log" &
app=$!
main=$(eventually window_of "$app") || fail "no main window"
xprop -id "$main" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "the window has no 32 x 32 icon"

# The red bar has the focus: End takes it to 255; then green one up, and Tab on to the copy button.
xdotool windowfocus --sync "$main"
keys End Tab Right Tab Tab Tab space
expect_clipboard FF0100 "after the copy button"

# A style sheet's colour that another program copied comes in by Ctrl+V (the focus
# is on the copy button, not in a text field) and goes out again by the button.
printf '  hsl(120deg 100%% 25%%);\n' | xclip -i -selection clipboard
keys ctrl+v space
expect_clipboard 008000 "after reading hsl() from the clipboard"

keys alt+f Return # File, then its only item: quit
eventually ended || fail "quit did not end the program"
wait "$app" || fail "the program ended with status $?: $(cat "$work/hueprobe.log")"
expect_clipboard 008000 "after quit"
