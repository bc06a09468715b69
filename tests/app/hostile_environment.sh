#!/bin/sh
# Hueprobe as a launcher, a session or another program may treat it: standard streams
# closed, no usable display, ending signals, a copy racing a quit, a long paste and a
# failing keeper. The copied colour outlives the program and a failure is one line.
# Usage: hostile_environment.sh HUEPROBE KEEPER
set -eu

hueprobe=$1
keeper=$2
work=$(mktemp -d)
# shellcheck source=tests/x-server.sh
. "$(dirname "$0")/../x-server.sh"

cleanup() {
    status=$?
    stop_x_server
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT INT TERM

# Qt's own word on a missing runtime folder would be a second line on stderr.
XDG_RUNTIME_DIR=$work/run
export XDG_RUNTIME_DIR
mkdir -m 700 "$XDG_RUNTIME_DIR"

put_on_clipboard() { printf '%s' "$1" | xclip -i -selection clipboard; }

# A second window of the program: the dialog the menu opened.
dialog_open() { [ "$(xdotool search --all --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -ge 2 ]; }
# The window of the Hueprobe started last: the one before may still be on screen.
own_window() { xdotool search --all --onlyvisible --pid "$pid" --name '^Hueprobe$' 2>/dev/null | grep .; }

# Starts the program with the caller's standard streams and finds its window; says
# why not on the test's own stderr (descriptor 3), as the caller's may be closed.
exec 3>&2
start() {
    "$@" &
    pid=$!
    window=$(eventually own_window) || fail "no window from: $*" 2>&3
}

# A click on the copy button; the copy is made once another program pastes it.
copy() {
    put_on_clipboard 'older text'
    xdotool mousemove --window "$window" 88 286 click 1
    eventually clipboard_is 000000 || fail "the copy button copied nothing"
}

# Alt+F opens the ファイル menu with 終わる highlighted; Return chooses it.
quit_from_menu() {
    xdotool windowfocus --sync "$window" key alt+f
    xdotool key Return
}

ends_with_status() {
    status=0
    wait "$pid" || status=$?
    [ "$status" -eq "$1" ] || fail "Hueprobe ended with status $status, not $1"
}

start_x_server
display_number=${DISPLAY#:}

echo "No usable display: one line, status 1, no abort (Qt alone would abort)"
while IFS='|' read -r variables arguments; do
    status=0
    # shellcheck disable=SC2086 # the words of the table are separate arguments
    env -u DISPLAY $variables "$hueprobe" $arguments 2>"$work/stderr" || status=$?
    if [ "$status" -ne 1 ] || [ "$(wc -l <"$work/stderr")" -ne 1 ] ||
        ! grep -q 'needs a graphical desktop' "$work/stderr"; then
        fail "$variables $arguments: status $status, said: $(cat "$work/stderr")"
    fi
done <<TABLE
DISPLAY=|
DISPLAY=$DISPLAY|-platform bogus
DISPLAY=$DISPLAY|-display :$(free_display_number)
DISPLAY=$DISPLAY QT_QPA_PLATFORM=bogus|
DISPLAY=$DISPLAY QT_QPA_PLATFORM=linuxfb|
DISPLAY=$DISPLAY QT_QPA_PLATFORM=eglfs|
WAYLAND_DISPLAY=/tmp/.X11-unix/X$display_number XDG_SESSION_TYPE=wayland|
TABLE

echo "Standard streams closed: the copy still outlives the program"
# Without a runtime folder Qt warns at once, which must not go into the X connection.
for closed in stderr output all; do
    case $closed in
    stderr) start env -u XDG_RUNTIME_DIR "$hueprobe" 2>&- ;;
    output) start env -u XDG_RUNTIME_DIR "$hueprobe" >&- 2>&- ;;
    all) start env -u XDG_RUNTIME_DIR "$hueprobe" <&- >&- 2>&- ;;
    esac
    copy
    quit_from_menu
    ends_with_status 0
    clipboard_is 000000 || fail "with $closed, pasted '$(xclip -o -selection clipboard)'"
done
put_on_clipboard 'older text'
printf ABC123 | "$keeper" 2>&- || fail "the keeper failed with stderr closed"
clipboard_is ABC123 || fail "the keeper with stderr closed serves nothing"

echo "Ending signals end the program as quit does, with a dialog open or not"
for signal in TERM INT HUP; do
    start "$hueprobe"
    copy
    if [ "$signal" != INT ]; then
        xdotool windowfocus --sync "$window" key alt+h Return
        eventually dialog_open || fail "no version dialog"
    fi
    kill -s "$signal" "$pid"
    ends_with_status 0
    clipboard_is 000000 || fail "after SIG$signal, pasted '$(xclip -o -selection clipboard)'"
done

echo "Another program copies while Hueprobe quits: the newer copy stays"
for run in 1 2 3 4 5; do
    start "$hueprobe"
    copy
    quit_from_menu
    put_on_clipboard "newer $run"
    ends_with_status 0
    sleep 0.2 # a keeper that went wrong takes the clipboard within this
    clipboard_is "newer $run" || fail "run $run: '$(xclip -o -selection clipboard)' won"
done

echo "A paste of any length into the chart field leaves a copy that outlives the program"
start "$hueprobe"
put_on_clipboard "$(yes 'あ' | head -n 30000 | tr -d '\n')"
xdotool mousemove --window "$window" 78 228 click 1 key ctrl+a ctrl+v ctrl+a ctrl+c
name=$(yes 'あ' | head -n 20 | tr -d '\n')
eventually clipboard_is "$name" || fail "the field kept more than a chart name"
quit_from_menu
ends_with_status 0
clipboard_is "$name" || fail "the field's text is gone after quit"

echo "A keeper that fails or crashes: Hueprobe says so in one line"
cp "$hueprobe" "$work/hueprobe"
for ending in 'exit 3' 'kill -SEGV $$'; do
    printf '#!/bin/sh\ncat >/dev/null\n%s\n' "$ending" >"$work/$(basename "$keeper")"
    chmod +x "$work/$(basename "$keeper")"
    start "$work/hueprobe" 2>"$work/stderr"
    copy
    quit_from_menu
    ends_with_status 0
    if [ "$(wc -l <"$work/stderr")" -ne 1 ] || ! grep -q 'not kept' "$work/stderr"; then
        fail "a keeper ending with '$ending': Hueprobe said: $(cat "$work/stderr")"
    fi
done
