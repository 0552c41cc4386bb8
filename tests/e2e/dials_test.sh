#!/usr/bin/env bash
# The dial instruments on a real rack, as a user works with them: place an angular meter and a
# power meter from the palette, change a row of each one's sheet and apply it, give the power
# meter an odd size with Shift+arrows, save through the dialog, quit, start again, load, and
# render the file with `moxrack render`. The screenshots and the rendered picture are kept to be
# looked at; the file must hold the changes.
# Usage: dials_test.sh MOXBENCH MOXRACK SHOT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/moxbench.sh"
e2e_session "$@"
moxbench=$1
moxrack=$2
shots=$3
mkdir -p "$shots"
rack_file="$e2e_tmp/dials.res"

# The saved rack's value of property $2 of control $1.
saved() { rack_value "$rack_file" "$1" "$2"; }

start_moxbench "$moxbench"
place "Angular meter" 8 8
until_ok atspi find angular1 "list item" >/dev/null || e2e_fail "angular1 was not placed"
click_widget Properties "push button"
until_ok shown "Angular Meter" || e2e_fail "the angular meter's sheet did not open"
edit_row "Labels number" 5

place "Power meter" 360 8
until_ok atspi find pmeter1 "list item" >/dev/null || e2e_fail "pmeter1 was not placed"
click_widget Properties "push button"
until_ok shown "Power meter" || e2e_fail "the power meter's sheet did not open"
edit_row Value 75
# An odd size by keyboard: a click on the power meter gives the rack the keys back.
click_rack 370 50
sleep 0.3
xdotool mousemove $((rack_x + 430)) $((rack_y + 250))
xdotool key --delay 50 shift+Right shift+Right shift+Right shift+Up shift+Up shift+Up shift+Up shift+Up
sleep 0.5
import -window root "$shots/dials_placed.png"

click_widget "Save rack as" "push button"
answer_file_dialog "Save As" "$rack_file"
until_ok title "Moxbench - dials.res" || e2e_fail "the rack was not saved"
quit_answering_yes "Moxbench - dials.res"

start_moxbench "$moxbench"
click_widget "Load rack" "push button"
answer_file_dialog "Open" "$rack_file"
until_ok title "Moxbench - dials.res" || e2e_fail "the rack was not loaded"
until_ok atspi find pmeter1 "list item" >/dev/null || e2e_fail "pmeter1 not on the loaded rack"
sleep 0.5
import -window root "$shots/dials_loaded.png"

[ "$(saved angular1 Labels)" = 5 ] || e2e_fail "angular1.Labels is $(saved angular1 Labels)"
awk -v v="$(saved pmeter1 Value)" 'BEGIN {exit !(v == 75)}' ||
  e2e_fail "pmeter1.Value is $(saved pmeter1 Value)"
[ "$(saved pmeter1 Width)" = 53 ] || e2e_fail "pmeter1.Width is $(saved pmeter1 Width)"
"$moxrack" render "$rack_file" "$shots/dials_render.png" >/dev/null || e2e_fail "moxrack render failed"
pixel() { convert "$shots/dials_render.png" -format "%[hex:p{$1,$2}]" info:; }
# The angular meter is transparent over the rack: its green first zone shows, its black
# background does not. The dial's centre is at (8 + 155, 8 + 125), its ring 88 to 104 out;
# (83, 193) lies 100 out at 232.6°, clear of the long ticks.
[ "$(pixel 83 193)" = "008000" ] || e2e_fail "no green zone at (83, 193): $(pixel 83 193)"
[ "$(pixel 20 20)" != "000000" ] || e2e_fail "the transparent dial hides the rack"
echo "angular and power meter edited, resized, saved, reloaded and rendered; pictures in $shots"
