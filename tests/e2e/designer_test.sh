#!/usr/bin/env bash
# Arranging controls with the mouse, as a user does: drag an edit box with grid snapping, clear
# the selection, catch the box with a rubber band. Screenshots are taken mid-drag and mid-band.
# Usage: designer_test.sh MOXBENCH SHOT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/moxbench.sh"
e2e_session "$@"
moxbench=$1
shots=$2
mkdir -p "$shots"
# The edit box is a window of its own: its place on the screen is its accessible extents.
edit_place() { atspi extents "" text; }

start_moxbench "$moxbench"
place Edit 40 40
until_ok edit_place >/dev/null || e2e_fail "no edit box on the rack"
before=$(edit_place)
[ "$before" = "$((rack_x + 40)) $((rack_y + 40))" ] || e2e_fail "edit box placed at $before"

# Drag it 20 right and 13 down: whole grid steps of 8, halves to the even step, give 16 and 16.
xdotool mousemove $((rack_x + 60)) $((rack_y + 48)) mousedown 1
sleep 0.2
xdotool mousemove $((rack_x + 70)) $((rack_y + 55))
sleep 0.2
xdotool mousemove $((rack_x + 80)) $((rack_y + 61))
sleep 0.4
import -window root "$shots/designer_mid_drag.png"
xdotool mouseup 1
until_ok test "$(edit_place)" = "$((rack_x + 56)) $((rack_y + 56))" ||
  e2e_fail "edit box at $(edit_place) after the drag, not at rack (56, 56)"
until_ok has_state Properties "push button" enabled || e2e_fail "the dragged box is not selected"

click_rack 300 200
until_ok lacks_state Properties "push button" enabled || e2e_fail "the selection was not cleared"

# A rubber band from the empty rack over part of the box selects it.
xdotool mousemove $((rack_x + 200)) $((rack_y + 150)) mousedown 1
sleep 0.2
xdotool mousemove $((rack_x + 150)) $((rack_y + 90))
sleep 0.2
xdotool mousemove $((rack_x + 20)) $((rack_y + 30))
sleep 0.4
import -window root "$shots/designer_mid_band.png"
xdotool mouseup 1
until_ok has_state Properties "push button" enabled || e2e_fail "the rubber band selected nothing"
sleep 0.3
import -window root "$shots/designer_band_selected.png"
echo "edit box dragged by whole grid steps and caught by a rubber band; screenshots in $shots"
