#!/bin/bash
# The copy button in each clipboard format, the format chosen in its dialog by
# mouse and by keys; the close box and a copy made while the dialog is open;
# the copied text still there after the program quits.
source "$(dirname "$0")/e2e.sh"
start_x_server 1024x768x24
start_hueprobe

# Places in the clipboard-format dialog, in twips: each option inside its frame,
# and OK.
readonly Hex=(920 690) HashHex=(920 1290) Rgb=(920 1770) Ok=(3127 2647)

step "the start state copies as six digits"
copy_and_expect 000000

step "after edits, six digits, then twice the same"
keys Tab End Tab Right Right Right Right Right # red 255, green 5
expect_swatch FF0500
copy_and_expect FF0500
copy_and_expect FF0500

step "'#' and six digits, chosen by mouse and confirmed with OK"
clip=$(open_clip_dialog)
click_twips "$clip" "${HashHex[@]}"
click_twips "$clip" "${Ok[@]}"
eventually no_window "$ClipTitle" || fail "OK did not close the dialog"
copy_and_expect '#FF0500'

step "the dialog opens on the format in force: OK alone keeps it"
clip=$(open_clip_dialog)
click_twips "$clip" "${Ok[@]}"
eventually no_window "$ClipTitle" || fail "OK did not close the dialog"
copy_and_expect '#FF0500'

step "a choice not yet confirmed changes nothing, nor does the close box"
clip=$(open_clip_dialog)
focus "$clip"
keys Down # from the option in force to the next, RGB
copy_and_expect '#FF0500'
"$SEND_CLOSE" "$clip"
eventually no_window "$ClipTitle" || fail "the close box did not close the dialog"
copy_and_expect '#FF0500'

step "decimal RGB, chosen with the keys"
clip=$(open_clip_dialog)
focus "$clip"
keys Down
click_twips "$clip" "${Ok[@]}"
eventually no_window "$ClipTitle" || fail "OK did not close the dialog"
copy_and_expect 'RGB(255,5,0)'
focus "$main"
keys Tab Home # from the copy button round to red: 0
copy_and_expect 'RGB(0,5,0)'

step "six digits again"
clip=$(open_clip_dialog)
click_twips "$clip" "${Hex[@]}"
click_twips "$clip" "${Ok[@]}"
eventually no_window "$ClipTitle" || fail "OK did not close the dialog"
copy_and_expect 000500

step "the copied text outlives the program"
keys alt+f Return
expect_exit 0
clipboard_is 000500 || fail "after quit the clipboard holds '$(xclip -o -selection clipboard 2>&1)'"
