#!/bin/bash
# Both dialogs through the menus' access keys: one window each however often
# they are asked for, how each one closes, and the quit item with both open.
source "$(dirname "$0")/e2e.sh"
start_x_server 1024x768x24
start_hueprobe

step "the version dialog: one window however often it is asked for"
version=$(open_version_dialog)
open_version_dialog >/dev/null
[ "$(window_count "$VersionTitle")" -eq 1 ] || fail "$(window_count "$VersionTitle") version dialogs"
[ "$(xdotool getwindowname "$version")" = 'Hueprobe-バージョン情報　(背景：80FF80)' ] ||
    fail "the version dialog is titled '$(xdotool getwindowname "$version")'"

step "Escape leaves it open; Enter presses its OK"
focus "$version"
keys Escape
sleep 0.3
[ "$(window_count "$VersionTitle")" -eq 1 ] || fail "Escape closed the version dialog"
keys Return
eventually no_window "$VersionTitle" || fail "Enter did not close the version dialog"

step "the clipboard-format dialog: one window, titled Form1"
open_clip_dialog >/dev/null
open_clip_dialog >/dev/null
[ "$(window_count "$ClipTitle")" -eq 1 ] || fail "$(window_count "$ClipTitle") clipboard dialogs"

step "the main window stays usable while both dialogs are open"
version=$(open_version_dialog)
xdotool windowmove "$version" 600 0 # off the swatch, which is read from the screen
focus "$main"
keys End
expect_swatch FF0000

step "the quit item ends the program with both dialogs open"
focus "$main"
keys alt+f Return
expect_exit 0
no_window "$ClipTitle" && no_window "$VersionTitle" || fail "a dialog outlived the program"
