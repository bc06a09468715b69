#!/bin/bash
# The main window's close box ends the program when no dialog is open.
source "$(dirname "$0")/e2e.sh"
start_x
start_hueprobe

step "a close request to the main window ends the program with status 0"
"$SEND_CLOSE" "$main"
expect_exit 0
