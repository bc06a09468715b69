#!/bin/bash
# The main window in a real X session: start state, the scroll bars by keys and
# clicks, chart picks by keyboard, and the quit item.
source "$(dirname "$0")/e2e.sh"
start_x_server 1024x768x24
start_hueprobe

step "start state: black swatch, titled Hueprobe"
[ "$(xdotool getwindowname "$main")" = Hueprobe ] || fail "title '$(xdotool getwindowname "$main")'"
expect_swatch 000000

step "scroll bars by keys: the red bar has the focus at start"
keys End
expect_swatch FF0000
keys Tab Right Right Right
expect_swatch FF0300
keys Tab End Left
expect_swatch FF03FE
keys Home Next # PageDown
expect_swatch FF030A

step "scroll bars by clicks on an arrow and on the track"
click_twips "$main" 6250 1330 # green's right arrow
expect_swatch FF040A
click_twips "$main" 5600 1330 # green's track, right of the thumb
expect_swatch FF0E0A
click_twips "$main" 1250 410 # red's left arrow
expect_swatch FE0E0A

step "chart picks by keyboard on the closed list"
focus "$main"
click_twips "$main" 1000 3100 # into the chart's text field
keys Down
expect_swatch FFFFFF
keys Down
expect_swatch FFFAFA
keys Up
expect_swatch FFFFFF

step "the quit item ends the program with status 0"
keys alt+f Return
expect_exit 0
