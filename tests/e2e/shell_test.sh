#!/usr/bin/env bash
# A user's first minutes with Moxbench, black-box: the program starts with its palette and rack
# where they belong, and a label is placed on the rack with real pointer clicks.
# Usage: shell_test.sh MOXBENCH SHOT_DIR
set -euo pipefail
# The accessibility bus lives on a D-Bus session of the test's own.
if [ -z "${MOX_E2E_DBUS:-}" ]; then
  MOX_E2E_DBUS=1 exec dbus-run-session -- bash "$0" "$@" 2> >(grep -v '^dbus-daemon' >&2)
fi
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/xvfb.sh"
moxbench=$1
shots=$2
mkdir -p "$shots"
atspi() { /usr/bin/python3 "$here/atspi.py" Moxbench "$@"; }
# Retries a query until the program answers it (windows map and register asynchronously).
until_ok() {
  for _ in $(seq 100); do
    "$@" && return 0
    kill -0 "$app" 2>/dev/null || e2e_fail "Moxbench ended unexpectedly"
    sleep 0.1
  done
  return 1
}
# "WIDTHxHEIGHT+X+Y" of the top-level window titled $1.
geometry() {
  xwininfo -name "$1" 2>/dev/null | awk '
    /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF}
    END {if (w) printf "%sx%s+%s+%s\n", w, h, x, y; else exit 1}'
}
has_state() {
  local states
  states=$(atspi state "$1" "$2") || return 1
  grep -qx "$3" <<<"$states"
}
lacks_state() {
  local states
  states=$(atspi state "$1" "$2") || return 1
  ! grep -qx "$3" <<<"$states"
}
click_widget() {
  local xy
  xy=$(atspi find "$1" "$2") || e2e_fail "no $2 '$1' to click"
  # shellcheck disable=SC2086
  xdotool mousemove $xy click 1
}

e2e_start_display 1024 768
e2e_start_accessibility
e2e_start_app "$moxbench"

until_ok geometry "Moxbench - untitled.res" >/dev/null || e2e_fail "the palette did not appear"
until_ok geometry "My Rack" >/dev/null || e2e_fail "the rack did not appear"
until_ok atspi find Label "check box" >/dev/null || e2e_fail "the palette's buttons are not accessible"
sleep 0.5
[ "$(geometry "Moxbench - untitled.res")" = "792x106+3+3" ] ||
  e2e_fail "palette at $(geometry "Moxbench - untitled.res"), not 792x106+3+3"
[ "$(geometry "My Rack")" = "442x266+271+175" ] ||
  e2e_fail "rack at $(geometry "My Rack"), not 442x266+271+175"
has_state Properties "push button" enabled && e2e_fail "Properties is enabled with nothing selected"
import -window root "$shots/shell_start.png"

# Choose "Label", then click on the rack 13 pixels right and 21 down from its client corner.
click_widget Label "check box"
until_ok has_state Label "check box" checked || e2e_fail "the Label button did not stay down"
xdotool mousemove $((271 + 13)) $((175 + 21)) click 1
until_ok has_state Label "check box" enabled || e2e_fail "the palette stopped answering"
until_ok has_state Properties "push button" enabled ||
  e2e_fail "Properties stayed disabled after a control was placed and selected"
has_state Label "check box" checked && e2e_fail "the Label button is still down after placing"
until_ok atspi find label1 "combo box" >/dev/null ||
  e2e_fail "the rack properties list does not show label1"

# A click on the empty rack clears the selection, and the commands that need one follow.
xdotool mousemove $((271 + 300)) $((175 + 200)) click 1
until_ok lacks_state Properties "push button" enabled ||
  e2e_fail "Properties stayed enabled after the selection was cleared"
sleep 0.3
import -window root "$shots/shell_label_placed.png"

# The label sits at the snapped point (16, 24): its text darkens pixels off the grid's dots.
rack_x=271
rack_y=175
dark=$(convert "$shots/shell_label_placed.png" -crop "40x14+$((rack_x + 16))+$((rack_y + 24))" \
  -colorspace Gray -threshold 50% txt:- |
  awk -F'[,: ]+' 'NR > 1 && $0 ~ /black|#000000/ && ($1 % 8 != 0 || $2 % 8 != 0) {n++} END {print n + 0}')
[ "$dark" -gt 20 ] || e2e_fail "no label text at (16, 24) on the rack ($dark dark pixels)"
echo "palette and rack in place; label1 placed ($dark text pixels); screenshots in $shots"
