#!/bin/sh
# The real program on a headless sway, whose compositor keeps nothing of a program
# that quits: Hueprobe starts on Qt's Wayland platform by itself, another Wayland
# program reads what its copy button put on the clipboard, and still reads it after
# Hueprobe has quit or been ended by a signal (wl-copy serves it), with no window
# left behind. A later copy by another program always wins, and a copy that cannot
# be kept is one line on stderr.
# Usage: clipboard.sh HUEPROBE
set -eu
# shellcheck source=tests/wayland/sway-session.sh
. "$(dirname "$0")/sway-session.sh"
need_sway_session
trap stop_sway EXIT

start_sway '#000000'
hueprobe=$(sway_program "$1")
log=$sway_runtime/hueprobe.log

expect_clipboard() { eventually clipboard_is "$1" || fail "$2: the clipboard holds '$(pasted)'"; }
put_on_clipboard() { # wl-copy's child must not hold a pipe the test waits on
    as_sway_user wl-copy "$1" </dev/null >/dev/null 2>&1
    expect_clipboard "$1" "after wl-copy"
}
clipboard_changed() { ! clipboard_is 'older text'; }
no_window_open() { ! as_sway_user swaymsg -t get_tree | grep -q '"app_id"'; }

# start [ENV_ASSIGNMENT...]: Hueprobe on its own, with these variables set.
start() {
    spawn_as_sway_user env "$@" "$hueprobe" 2>"$log"
    app=$spawned
    eventually sway_has_window io.github.hueprobe.Hueprobe || fail "no Wayland window: $(cat "$log")"
}

# The red bar has the focus: End takes it to 255; then green one up, and Tab on to
# the copy button. Whatever colour the program starts with, the copy is new text.
copy() {
    put_on_clipboard 'older text'
    sway_keys -k End -k Tab -k Right -k Tab -k Tab -k Tab -k space
    eventually clipboard_changed || fail "the copy button copied nothing"
    copied=$(pasted)
}

# Alt+F opens the ファイル menu with 終わる highlighted; Return chooses it.
quit_by() { # menu or a signal's name
    if [ "$1" = menu ]; then
        sway_keys -M alt -k f -m alt -k Return
    else
        kill -s "$1" "$app"
    fi
    eventually process_ended "$app" || fail "quit by $1 did not end Hueprobe"
    status=0
    wait "$app" || status=$?
    [ "$status" -eq 0 ] || fail "quit by $1: status $status: $(cat "$log")"
}

echo "No platform named, a Wayland display set: Hueprobe is a Wayland window"
echo "that takes nothing from the clipboard at start: its owner still serves it"
spawn_as_sway_user wl-copy --foreground 'before start' </dev/null >/dev/null 2>&1
owner=$spawned
expect_clipboard 'before start' "after wl-copy"
start
! process_ended "$owner" || fail "the clipboard was taken at start: '$(pasted)'"
kill "$owner"
echo "The copy button's text is read by wl-paste while Hueprobe runs"
copy
expect_clipboard FF0100 "after the copy button"
quit_by menu

echo "The copy outlives Hueprobe, by menu or signal; GNOME and KDE keep it themselves"
while read -r ending desktop kept; do
    start XDG_CURRENT_DESKTOP="$desktop"
    copy
    quit_by "$ending"
    [ "$kept" = kept ] || copied="No selection"
    expect_clipboard "$copied" "on '$desktop' after quit by $ending"
    no_window_open || fail "on '$desktop', a window is left after quit by $ending"
    # (Qt notes on the typing tool's keyboard, which comes and goes, are no concern.)
    ! grep -q '^hueprobe:' "$log" || fail "on '$desktop', Hueprobe said: $(cat "$log")"
done <<TABLE
menu sway kept
TERM sway kept
menu KDE gone
TERM ubuntu:GNOME gone
TABLE

echo "Another program's later copy is never replaced: before the quit or after it"
start
copy
put_on_clipboard 'newer text'
quit_by menu
expect_clipboard 'newer text' "after a copy while Hueprobe ran"
start
copy
quit_by TERM
put_on_clipboard 'newest text'
sleep 0.5 # a keeper that went wrong takes the clipboard back within this
clipboard_is 'newest text' || fail "after a copy once Hueprobe ended, '$(pasted)' won"

echo "Without wl-copy the copy is lost, and Hueprobe says so in one line"
start PATH=/nonexistent
copy
quit_by menu
grep -v '^qt\.qpa\.wayland:' "$log" >"$log.own" || true
if [ "$(wc -l <"$log.own")" -ne 1 ] || ! grep -q 'install wl-clipboard' "$log.own"; then
    fail "without wl-copy, Hueprobe said: $(cat "$log")"
fi
