#!/usr/bin/env bash
# A user's first minutes with Moxbench, black-box: the program starts with its palette and rack
# where they belong, and a label is placed on the rack with real pointer clicks.
# Usage: shell_test.sh MOXBENCH SHOT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/moxbench.sh"
e2e_session "$@"
moxbench=$1
shots=$2
mkdir -p "$shots"

start_moxbench "$moxbench"
[ "$(geometry "Moxbench - untitled.res")" = "792x106+3+3" ] ||
  e2e_fail "palette at $(geometry "Moxbench - untitled.res"), not 792x106+3+3"
[ "$(geometry "My Rack")" = "442x266+271+175" ] ||
  e2e_fail "rack at $(geometry "My Rack"), not 442x266+271+175"
has_state Properties "push button" enabled && e2e_fail "Properties is enabled with nothing selected"
import -window root "$shots/shell_start.png"

# Choose "Label", then click on the rack 13 pixels right and 21 down from its client corner.
click_widget Label "check box"
until_ok has_state Label "check box" checked || e2e_fail "the Label button did not stay down"
click_rack 13 21
until_ok has_state Properties "push button" enabled ||
  e2e_fail "Properties stayed disabled after a control was placed and selected"
has_state Label "check box" checked && e2e_fail "the Label button is still down after placing"
until_ok atspi find label1 "combo box" >/dev/null ||
  e2e_fail "the rack properties list does not show label1"

# A click on the empty rack clears the selection, and the commands that need one follow.
click_rack 300 200
until_ok lacks_state Properties "push button" enabled ||
  e2e_fail "Properties stayed enabled after the selection was cleared"
sleep 0.3
import -window root "$shots/shell_label_placed.png"

# The label sits at the snapped point (16, 24): its text darkens pixels off the grid's dots.
dark=$(convert "$shots/shell_label_placed.png" -crop "40x14+$((rack_x + 16))+$((rack_y + 24))" \
  -colorspace Gray -threshold 50% txt:- |
  awk -F'[,: ]+' 'NR > 1 && $0 ~ /black|#000000/ && ($1 % 8 != 0 || $2 % 8 != 0) {n++} END {print n + 0}')
[ "$dark" -gt 20 ] || e2e_fail "no label text at (16, 24) on the rack ($dark dark pixels)"
echo "palette and rack in place; label1 placed ($dark text pixels); screenshots in $shots"
