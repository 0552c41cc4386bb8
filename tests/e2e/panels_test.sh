#!/usr/bin/env bash
# The matrix display and the border and gradient panels on a real rack, as a user works with
# them: place each from the palette, change a row of each one's sheet and apply it, give the
# gradient an odd size with Shift+arrows, save through the dialog, quit, start again, load, and
# render the file with `moxrack render`. The screenshots and the rendered picture are kept to be
# looked at; the file must hold the changes.
# Usage: panels_test.sh MOXBENCH MOXRACK SHOT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/moxbench.sh"
e2e_session "$@"
moxbench=$1
moxrack=$2
shots=$3
mkdir -p "$shots"
rack_file="$e2e_tmp/panels.res"

# Places kind $1 at ($2, $3), waits for control $4 and opens its sheet, titled $5.
place_and_open() {
  place "$1" "$2" "$3"
  until_ok atspi find "$4" "list item" >/dev/null || e2e_fail "$4 was not placed"
  click_widget Properties "push button"
  until_ok shown "$5" || e2e_fail "the sheet of $4 did not open"
}
saved() { rack_value "$rack_file" "$1" "$2"; }

start_moxbench "$moxbench"
place_and_open "Matrix led" 8 8 matrix1 "Matrix led"
edit_row Text Hello
place_and_open Gradient 8 80 gradient1 Gradient
pick_row Direction 2  # LeftRight
place_and_open Border 200 80 border1 Border
edit_row Name frame1
# An odd size by keyboard: a click on the gradient gives the rack the keys back.
click_rack 20 90
sleep 0.3
xdotool key --delay 50 shift+Right shift+Right shift+Right shift+Down
sleep 0.5
import -window root "$shots/panels_placed.png"

click_widget "Save rack as" "push button"
answer_file_dialog "Save As" "$rack_file"
until_ok title "Moxbench - panels.res" || e2e_fail "the rack was not saved"
quit_answering_yes "Moxbench - panels.res"

start_moxbench "$moxbench"
click_widget "Load rack" "push button"
answer_file_dialog "Open" "$rack_file"
until_ok title "Moxbench - panels.res" || e2e_fail "the rack was not loaded"
until_ok atspi find frame1 "list item" >/dev/null || e2e_fail "frame1 not on the loaded rack"
sleep 0.5
import -window root "$shots/panels_loaded.png"

[ "$(saved matrix1 Text)" = "'Hello'" ] || e2e_fail "matrix1.Text is $(saved matrix1 Text)"
[ "$(saved gradient1 Direction)" = gdLeftRight ] ||
  e2e_fail "gradient1.Direction is $(saved gradient1 Direction)"
"$moxrack" render "$rack_file" "$shots/panels_render.png" >/dev/null ||
  e2e_fail "moxrack render failed"
echo "matrix and panels edited, resized, saved, reloaded and rendered; pictures in $shots"
