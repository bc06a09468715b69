#!/bin/bash
# A colour another program put on the clipboard, taken by the menu item's
# Ctrl+V with the focus on a scroll bar, then copied out again.
source "$(dirname "$0")/e2e.sh"
start_x_server 1024x768x24
start_hueprobe

step "a style sheet's hsl() with its semicolon becomes the current colour"
printf '  hsl(120deg 100%% 25%%);\n' | xclip -i -selection clipboard
keys ctrl+v
expect_swatch 008000
copy_and_expect 008000
