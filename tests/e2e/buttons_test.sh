#!/usr/bin/env bash
# The spinner, the power button and the check LED on a real rack, as a user works with them:
# place a numeric display and each of the three from the palette, assign the display to the
# spinner in its sheet, retitle the power button and rename the check LED through theirs, give the
# spinner an odd size with Shift+arrows, save through the dialog, quit, start again, load, and
# render the file with `moxrack render`. The screenshots and the rendered picture are kept.
# Usage: buttons_test.sh MOXBENCH MOXRACK SHOT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/moxbench.sh"
e2e_session "$@"
moxbench=$1
moxrack=$2
shots=$3
mkdir -p "$shots"
rack_file="$e2e_tmp/buttons.res"

# Places kind $1 at ($2, $3), waits for control $4 and opens its sheet, titled $5.
place_and_open() {
  place "$1" "$2" "$3"
  until_ok atspi find "$4" "list item" >/dev/null || e2e_fail "$4 was not placed"
  click_widget Properties "push button"
  until_ok shown "$5" || e2e_fail "the sheet of $4 did not open"
}
saved() { rack_value "$rack_file" "$1" "$2"; }

start_moxbench "$moxbench"
place Numeric 100 8
until_ok atspi find num1 "list item" >/dev/null || e2e_fail "num1 was not placed"
place_and_open Spinner 8 8 spinner1 Spinner
pick_row "Assigned num" 0  # num1
place_and_open "Power button" 200 8 pbutton1 Pbutton
edit_row Text Mains
place_and_open CheckLed 8 100 checkled1 CheckLed
edit_row Name ready
# An odd size by keyboard: a click on the spinner selects it and gives the rack the keys back.
click_rack 20 20
sleep 0.3
xdotool mousemove $((rack_x + 430)) $((rack_y + 250))
xdotool key --delay 50 shift+Right shift+Right shift+Right shift+Down shift+Down shift+Down
sleep 0.5
import -window root "$shots/buttons_placed.png"

click_widget "Save rack as" "push button"
answer_file_dialog "Save As" "$rack_file"
until_ok title "Moxbench - buttons.res" || e2e_fail "the rack was not saved"
quit_answering_yes "Moxbench - buttons.res"

start_moxbench "$moxbench"
click_widget "Load rack" "push button"
answer_file_dialog "Open" "$rack_file"
until_ok title "Moxbench - buttons.res" || e2e_fail "the rack was not loaded"
until_ok atspi find spinner1 "list item" >/dev/null || e2e_fail "spinner1 not on the loaded rack"
until_ok atspi find ready "list item" >/dev/null || e2e_fail "ready not on the loaded rack"
sleep 0.5
import -window root "$shots/buttons_loaded.png"

[ "$(saved spinner1 Hint)" = "'num1'" ] || e2e_fail "spinner1.Hint is $(saved spinner1 Hint)"
[ "$(saved pbutton1 Caption)" = "'Mains'" ] || e2e_fail "pbutton1.Caption is $(saved pbutton1 Caption)"
[ "$(saved spinner1 Width)x$(saved spinner1 Height)" = 38x43 ] ||
  e2e_fail "spinner1 is $(saved spinner1 Width)x$(saved spinner1 Height)"
[ "$(saved ready TabStop)" = True ] || e2e_fail "ready.TabStop is $(saved ready TabStop)"
"$moxrack" render "$rack_file" "$shots/buttons_render.png" >/dev/null ||
  e2e_fail "moxrack render failed"
pixel() { convert "$shots/buttons_render.png" -format "%[hex:p{$1,$2}]" info:; }
# The power button's unlit lamp and the check LED's unlit box are green.
grep -q "00800" <<<"$(for x in $(seq 205 2 260); do pixel "$x" 20; done)" ||
  e2e_fail "no unlit lamp on the power button"
echo "spinner, power button and check LED edited, resized, saved, reloaded and rendered; pictures in $shots"
