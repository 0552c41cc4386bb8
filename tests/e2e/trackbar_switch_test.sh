#!/usr/bin/env bash
# The track bar and the switch on a real rack, as a user works with them: place one of each from
# the palette, change a row of each one's sheet and apply it, give the track bar an odd size and
# try to stretch the switch along its slots with Shift+arrows, save through the dialog, quit,
# start again, load, and render the file with `moxrack render`. The screenshots and the rendered
# picture are kept to be looked at; the file must hold the changes.
# Usage: trackbar_switch_test.sh MOXBENCH MOXRACK SHOT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/moxbench.sh"
e2e_session "$@"
moxbench=$1
moxrack=$2
shots=$3
mkdir -p "$shots"
rack_file="$e2e_tmp/selectors.res"

# Places kind $1 at ($2, $3), waits for control $4 and opens its sheet, titled $5.
place_and_open() {
  place "$1" "$2" "$3"
  until_ok atspi find "$4" "list item" >/dev/null || e2e_fail "$4 was not placed"
  click_widget Properties "push button"
  until_ok shown "$5" || e2e_fail "the sheet of $4 did not open"
}
saved() { rack_value "$rack_file" "$1" "$2"; }
# A click on a control selects it and gives the rack the keys back.
keys_on() {
  click_rack "$1" "$2"
  sleep 0.3
  shift 2
  xdotool key --delay 50 "$@"
  sleep 0.5
}

start_moxbench "$moxbench"
place_and_open TrackBar 8 8 tbar1 "Track Bar"
edit_row "Max value" 400
edit_row "Ticks frequency" 50
place_and_open Switch 300 8 switch1 Switch
edit_row Positions 5
keys_on 100 40 shift+Right shift+Right shift+Right shift+Down shift+Down
# The switch sizes itself along its slots: only the width takes the keys.
keys_on 310 30 shift+Right shift+Right shift+Down shift+Down shift+Down
import -window root "$shots/trackbar_switch_placed.png"

click_widget "Save rack as" "push button"
answer_file_dialog "Save As" "$rack_file"
until_ok title "Moxbench - selectors.res" || e2e_fail "the rack was not saved"
quit_answering_yes "Moxbench - selectors.res"

start_moxbench "$moxbench"
click_widget "Load rack" "push button"
answer_file_dialog "Open" "$rack_file"
until_ok title "Moxbench - selectors.res" || e2e_fail "the rack was not loaded"
until_ok atspi find switch1 "list item" >/dev/null || e2e_fail "switch1 not on the loaded rack"
sleep 0.5
import -window root "$shots/trackbar_switch_loaded.png"

[ "$(saved tbar1 MaxValue)" = 400 ] || e2e_fail "tbar1.MaxValue is $(saved tbar1 MaxValue)"
[ "$(saved tbar1 Frequency)" = 50 ] || e2e_fail "tbar1.Frequency is $(saved tbar1 Frequency)"
[ "$(saved tbar1 Color)" = clSilver ] || e2e_fail "tbar1.Color is $(saved tbar1 Color)"
[ "$(saved tbar1 Width)x$(saved tbar1 Height)" = 178x47 ] ||
  e2e_fail "tbar1 is $(saved tbar1 Width)x$(saved tbar1 Height)"
[ "$(saved switch1 Positions)" = 5 ] || e2e_fail "switch1.Positions is $(saved switch1 Positions)"
[ "$(saved switch1 Width)x$(saved switch1 Height)" = 31x62 ] ||
  e2e_fail "switch1 is $(saved switch1 Width)x$(saved switch1 Height)"
"$moxrack" render "$rack_file" "$shots/trackbar_switch_render.png" >/dev/null ||
  e2e_fail "moxrack render failed"
echo "track bar and switch edited, resized, saved, reloaded and rendered; pictures in $shots"
