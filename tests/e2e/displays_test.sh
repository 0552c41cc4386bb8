#!/usr/bin/env bash
# The digit and lamp displays on a real rack, as a user works with them: place an LCD panel, a
# level bar, a numeric display and an LED from the palette, change a row of each one's sheet and
# apply it, give three of them odd sizes with Shift+arrows, save through the dialog, quit,
# start again, load, and render the file with `moxrack render`. The screenshots and the rendered
# picture are kept to be looked at; the file must hold the changes.
# Usage: displays_test.sh MOXBENCH MOXRACK SHOT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/moxbench.sh"
e2e_session "$@"
moxbench=$1
moxrack=$2
shots=$3
mkdir -p "$shots"
rack_file="$e2e_tmp/displays.res"

# Places kind $1 at ($2, $3), waits for control $4 and opens its sheet, titled $5.
place_and_open() {
  place "$1" "$2" "$3"
  until_ok atspi find "$4" "list item" >/dev/null || e2e_fail "$4 was not placed"
  click_widget Properties "push button"
  until_ok shown "$5" || e2e_fail "the sheet of $4 did not open"
}
saved() { rack_value "$rack_file" "$1" "$2"; }

start_moxbench "$moxbench"
place_and_open "Level bar" 8 8 lbar1 "Level Bar"
edit_row "Max value" 400
place_and_open Numeric 300 8 num1 Numeric
edit_row Digits 6
place_and_open Led 300 60 led1 Led
pick_row Type 1  # Rectangle
place_and_open "Lcd" 8 40 lcd1 "Display"
edit_row Name panel1
# Odd sizes by keyboard: a click on a control selects it and gives the rack the keys back.
resize() {
  click_rack "$1" "$2"
  sleep 0.3
  shift 2
  xdotool key --delay 50 "$@"
  sleep 0.5
}
resize 60 60 shift+Right shift+Right shift+Right shift+Down
resize 312 72 shift+Right shift+Right shift+Right shift+Down shift+Down
resize 100 16 shift+Down shift+Down shift+Down shift+Down shift+Down
import -window root "$shots/displays_placed.png"

click_widget "Save rack as" "push button"
answer_file_dialog "Save As" "$rack_file"
until_ok title "Moxbench - displays.res" || e2e_fail "the rack was not saved"
quit_answering_yes "Moxbench - displays.res"

start_moxbench "$moxbench"
click_widget "Load rack" "push button"
answer_file_dialog "Open" "$rack_file"
until_ok title "Moxbench - displays.res" || e2e_fail "the rack was not loaded"
until_ok atspi find panel1 "list item" >/dev/null || e2e_fail "panel1 not on the loaded rack"
sleep 0.5
import -window root "$shots/displays_loaded.png"

[ "$(saved lbar1 MaxValue)" = 400 ] || e2e_fail "lbar1.MaxValue is $(saved lbar1 MaxValue)"
[ "$(saved num1 Digits)" = 6 ] || e2e_fail "num1.Digits is $(saved num1 Digits)"
[ "$(saved led1 LedType)" = ltRectangle ] || e2e_fail "led1.LedType is $(saved led1 LedType)"
[ "$(saved led1 Width)x$(saved led1 Height)" = 28x27 ] ||
  e2e_fail "led1 is $(saved led1 Width)x$(saved led1 Height)"
[ "$(saved lbar1 Height)" = 21 ] || e2e_fail "lbar1.Height is $(saved lbar1 Height)"
[ "$(saved panel1 Width)" = 220 ] || e2e_fail "panel1.Width is $(saved panel1 Width)"
[ "$(saved panel1 Height)" = 50 ] || e2e_fail "panel1.Height is $(saved panel1 Height)"
"$moxrack" render "$rack_file" "$shots/displays_render.png" >/dev/null ||
  e2e_fail "moxrack render failed"
echo "displays edited, resized, saved, reloaded and rendered; pictures in $shots"
