# Sourced by the end-to-end tests that drive Moxbench itself: starting it on a private display
# with the accessibility bus, finding its widgets by name and clicking them with the real pointer.
# Needs a D-Bus session of the test's own: a test script starts with e2e_session "$@".
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
e2e_lib_dir=$(dirname "${BASH_SOURCE[0]}")

# Runs the calling test again inside a D-Bus session of its own, where the accessibility bus lives.
e2e_session() {
  if [ -z "${MOX_E2E_DBUS:-}" ]; then
    MOX_E2E_DBUS=1 exec dbus-run-session -- bash "$0" "$@" 2> >(grep -v '^dbus-daemon' >&2)
  fi
}

atspi() { /usr/bin/python3 "$e2e_lib_dir/atspi.py" Moxbench "$@"; }
# Retries a query until the program answers it (windows map and register asynchronously; a
# sanitizer build on a busy machine takes its time).
until_ok() {
  for _ in $(seq 300); do
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

# Starts Moxbench ($1) and waits until its palette and rack are up and accessible.
# A second start reuses the display and the accessibility bus.
start_moxbench() {
  if [ -z "$xvfb" ]; then
    e2e_start_display 1024 768
    e2e_start_accessibility
  fi
  e2e_start_app "$1"
  until_ok geometry "Moxbench - untitled.res" >/dev/null || e2e_fail "the palette did not appear"
  until_ok geometry "My Rack" >/dev/null || e2e_fail "the rack did not appear"
  until_ok atspi find Label "check box" >/dev/null || e2e_fail "the palette's buttons are not accessible"
  sleep 0.5
}

# Whether a top-level window titled $1 exists; whether it is shown.
title() { xwininfo -name "$1" >/dev/null 2>&1; }
shown() { xwininfo -name "$1" 2>/dev/null | grep -q IsViewable; }
# Types a file name into the file dialog titled $1 and confirms it.
answer_file_dialog() {
  until_ok atspi find "$1" dialog >/dev/null || e2e_fail "no '$1' dialog"
  sleep 0.5
  xdotool type --delay 20 "$2"
  xdotool key Return
}

# Asks the window titled $1 to close, as its close box would.
close_window() { /usr/bin/python3 "$e2e_lib_dir/closewindow.py" "$1"; }
# Closes the palette titled $1, answers Yes to the question, and waits for Moxbench to end.
quit_answering_yes() {
  close_window "$1" || e2e_fail "the palette could not be asked to close"
  until_ok atspi find Yes "push button" >/dev/null || e2e_fail "closing did not ask first"
  click_widget Yes "push button"
  for _ in $(seq 300); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  wait "$app" || e2e_fail "Moxbench ended with status $?"
}
# The value of property $3 of control $2 in rack file $1, read through `$moxrack totext`.
rack_value() {
  "$moxrack" totext "$1" | tr -d '\r' |
    awk -v obj="object $2:" -v key="$3 =" '
      index($0, obj) {inside = 1; indent = index($0, "object"); next}
      inside && /^ *end$/ && index($0, "end") == indent {exit}
      inside && index($0, key) == indent + 2 {print $NF; exit}'
}

# The rack's client area on the screen (the rack is at 271, 175 without a window manager).
rack_x=271
rack_y=175
# Real pointer input at a point of the rack's client area.
click_rack() { xdotool mousemove $((rack_x + $1)) $((rack_y + $2)) click 1; }

# Chooses a kind on the palette and clicks on the rack at ($2, $3) to place it.
place() {
  click_widget "$1" "check box"
  until_ok has_state "$1" "check box" checked || e2e_fail "the $1 button did not stay down"
  click_rack "$2" "$3"
  until_ok lacks_state "$1" "check box" checked || e2e_fail "placing a $1 did not end"
}

# Types $2 into the value of the sheet row whose key is $1 and applies the sheet.
edit_row() {
  local xy
  xy=$(atspi find "$1" "table cell") || e2e_fail "no row '$1' in the sheet"
  # shellcheck disable=SC2086
  set -- $xy "$2"
  xdotool mousemove $(($1 + 101)) "$2" click 1
  sleep 0.3
  xdotool key ctrl+a
  xdotool type --delay 20 "$3"
  click_widget Apply "push button"
  sleep 0.5
}

# Picks entry $2 (counted from 0) from the drop-down list of the sheet row whose key is $1, with
# the mouse, and applies the sheet. The list's entries are not on the accessibility bus: they lie
# one under the other, 13 pixels apart, from 14 pixels below the row.
pick_row() {
  local xy
  xy=$(atspi find "$1" "table cell") || e2e_fail "no row '$1' in the sheet"
  # shellcheck disable=SC2086
  set -- $xy "$2"
  xdotool mousemove $(($1 + 101)) "$2" click 1
  sleep 0.5
  # The row's drop-down button, at the right end of the value.
  xdotool mousemove $(($1 + 148)) "$2" click 1
  sleep 0.5
  xdotool mousemove $(($1 + 101)) $(($2 + 14 + 13 * $3)) click 1
  sleep 0.3
  click_widget Apply "push button"
  sleep 0.5
}
