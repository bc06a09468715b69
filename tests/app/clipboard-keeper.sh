#!/bin/sh
# The copied text outlives the program that copied it. Under a private X server with
# no clipboard manager: copy, quit, and another program still pastes the text; once
# another program copies, or the X server ends, no keeper of ours is left.
# Where a clipboard manager runs, Qt hands it the text and no keeper starts.
# Usage: clipboard-keeper.sh HUEPROBE COPIER KEEPER FAKE_CLIPBOARD_MANAGER
set -eu

hueprobe=$1
copier=$2
keeper=$(readlink -f "$3")
manager=$4
work=$(mktemp -d)
. "$(dirname "$0")/../x-server.sh"

# Process ids of keepers serving our display, found by program and environment.
keepers() {
    for dir in /proc/[0-9]*; do
        [ "$(readlink "$dir/exe" 2>/dev/null)" = "$keeper" ] || continue
        if tr '\0' '\n' <"$dir/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY"; then
            echo "${dir#/proc/}"
        fi
    done
}

cleanup() {
    status=$?
    pids=$(keepers)
    [ -z "$pids" ] || kill $pids 2>/dev/null || true
    stop_x_server
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT INT TERM

clipboard_is() {
    [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]
}

keeper_count_is() {
    [ "$(keepers | wc -l)" -eq "$1" ]
}

# The copy as a person makes it: a click on the copier's one button, after which it
# quits the way Hueprobe does.
copy_and_quit() {
    "$copier" "$1" &
    copier_pid=$!
    window=$(eventually visible_window '^clipboard copier$') || fail "no copier window"
    xdotool mousemove --window "$window" 100 50 click 1
    wait "$copier_pid" || fail "the copier ended with status $?"
}

# Alt+F opens the ファイル menu with 終わる highlighted; Return chooses it.
quit_from_menu() {
    xdotool windowfocus --sync "$1" key alt+f
    xdotool key Return
}

start_x_server

echo "Hueprobe opens on a display that answers, and quits from its menu"
"$hueprobe" &
hueprobe_pid=$!
window=$(eventually visible_window '^Hueprobe$') || fail "Hueprobe showed no window"
quit_from_menu "$window"
wait "$hueprobe_pid" || fail "Hueprobe ended with status $?"
keeper_count_is 0 || fail "a keeper started although nothing was copied"

echo "A clipboard manager runs: Qt hands the text to it, and no keeper starts"
"$manager" >"$work/manager.out" &
manager_pid=$!
eventually grep -q ready "$work/manager.out" || fail "the clipboard manager did not start"
copy_and_quit '#123456'
keeper_count_is 0 || fail "a keeper started beside the clipboard manager: $(keepers)"
kill "$manager_pid"
wait "$manager_pid" 2>/dev/null || true

echo "The copied text outlives the program"
copy_and_quit '#00FFAA'
clipboard_is '#00FFAA' || fail "pasted '$(xclip -o -selection clipboard)' after quit"
[ "$(xclip -o -selection clipboard -t STRING)" = '#00FFAA' ] || fail "no STRING form"
keeper_count_is 1 || fail "expected one keeper, found: $(keepers)"

echo "Another program copies: the keeper ends"
printf 'other text' | xclip -i -selection clipboard
eventually keeper_count_is 0 || fail "the keeper outlived another program's copy"
clipboard_is 'other text' || fail "the other program's text is not on the clipboard"

echo "Text beyond ASCII is kept as it was copied"
copy_and_quit 'RGB(0,255,170) 赤'
clipboard_is 'RGB(0,255,170) 赤' || fail "pasted '$(xclip -o -selection clipboard)'"

echo "A second copy and quit replaces the first keeper"
copy_and_quit '#FF7F50'
clipboard_is '#FF7F50' || fail "pasted '$(xclip -o -selection clipboard)'"
eventually keeper_count_is 1 || fail "expected one keeper, found: $(keepers)"

echo "The X server ends: so does the keeper"
stop_x_server
eventually keeper_count_is 0 || fail "the keeper outlived its X server"
