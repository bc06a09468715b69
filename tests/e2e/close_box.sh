#!/bin/bash
# The main window's close box: the program ends with it, unless a dialog is
# still open, in which case it ends when the last dialog closes.
source "$(dirname "$0")/e2e.sh"
start_x_server 1024x768x24

step "with no dialog open, closing the main window ends the program with status 0"
start_hueprobe
"$SEND_CLOSE" "$main"
expect_exit 0

step "with the version dialog open, the program runs on until that closes too"
start_hueprobe
version=$(open_version_dialog)
"$SEND_CLOSE" "$main"
eventually no_window '^Hueprobe$' || fail "the main window did not close"
expect_running
[ "$(window_count "$VersionTitle")" -eq 1 ] || fail "the version dialog closed with the main window"
"$SEND_CLOSE" "$version"
expect_exit 0

step "with both dialogs open, it ends when OK closes the last one"
start_hueprobe
version=$(open_version_dialog)
clip=$(open_clip_dialog)
"$SEND_CLOSE" "$main"
eventually no_window '^Hueprobe$' || fail "the main window did not close"
"$SEND_CLOSE" "$version"
expect_running
click_twips "$clip" 3127 2647 # OK
expect_exit 0
