#!/usr/bin/env bash
# Keyboard editing and the alignment palette, as a user does them: place three edit boxes,
# select them with the mouse, open the alignment palette from the designer's menu, align their
# left edges and space them equally with real clicks on its buttons, nudge one box with
# Ctrl+Right, widen it with Shift+Right, Tab to the next and move that one with Ctrl+Down; then
# save and read the positions back from the file.
# Usage: keyboard_test.sh MOXBENCH MOXRACK SHOT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/moxbench.sh"
e2e_session "$@"
moxbench=$1
moxrack=$2
shots=$3
mkdir -p "$shots"
rack_file="$e2e_tmp/aligned.res"

# The saved rack's value of property $2 of control $1.
saved() { rack_value "$rack_file" "$1" "$2"; }
# The palette's buttons are known by their hints.
click_palette() {
  click_widget "$1" "push button"
  sleep 0.5
}
key() {
  xdotool mousemove $((rack_x + 300)) $((rack_y + 250))  # keys go where the pointer is
  xdotool key "$@"
  sleep 0.4
}

start_moxbench "$moxbench"
place Edit 40 40
place Edit 120 96
place Edit 64 200

# The designer's menu on a box opens the palette; its last item is "Alignment Palette".
xdotool mousemove $((rack_x + 45)) $((rack_y + 45)) click 3
sleep 1
xdotool key Up Return
until_ok shown Align || e2e_fail "the alignment palette did not open"
import -window root "$shots/keyboard_palette.png"

click_rack 45 45
xdotool keydown shift
click_rack 125 101
click_rack 69 205
xdotool keyup shift
sleep 0.5
click_palette "Align left edges"
click_palette "Space equally, vertically"
import -window root "$shots/keyboard_aligned.png"

# A click on a box of a multiple selection keeps the selection: clear it first.
click_rack 300 250
sleep 0.3
click_rack 45 125  # edit2 alone, now at (40, 120)
sleep 0.3
key ctrl+Right
key shift+Right
key Tab
key ctrl+Down
import -window root "$shots/keyboard_moved.png"

click_widget "Save rack as" "push button"
answer_file_dialog "Save As" "$rack_file"
until_ok title "Moxbench - aligned.res" || e2e_fail "the rack was not saved"
for expect in "edit1 Left 40" "edit1 Top 40" "edit2 Left 41" "edit2 Top 120" "edit3 Left 40" \
  "edit3 Top 201"; do
  set -- $expect
  got=$(saved "$1" "$2")
  [ "$got" = "$3" ] || e2e_fail "$1.$2 is $got, expected $3"
done
width=$(saved edit2 Width)
[ "$width" = "$(($(saved edit1 Width) + 1))" ] || e2e_fail "edit2 is $width wide, not one wider"
echo "aligned, spaced, nudged, widened and tabbed by keyboard; screenshots in $shots"
