#!/usr/bin/env bash
# The faults a new user ran into, tried again with real clicks: a sheet left open while the rack
# changes under it, question boxes answered with the mouse while a kind is armed, fast clicks
# that alternate between controls and the palette, a cancelled load followed by Save rack, and a
# right click on an edit box.
# Usage: mends_test.sh MOXBENCH MOXRACK SHOT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/moxbench.sh"
e2e_session "$@"
moxbench=$1
moxrack=$2
shots=$3
mkdir -p "$shots"
rack_file="$e2e_tmp/mends.res"
# The colour of one screen pixel, as ImageMagick names it ("black", "srgb(…)").
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | awk 'NR == 2 {print $NF}'; }
is_black() { [ "$(pixel "$1" "$2")" = "black" ]; }
# The first grab handle of a control whose top-left corner is at ($1, $2) on the rack, just off
# the grid dot at that corner.
handle_at() { is_black $((rack_x + $1 - 1)) $((rack_y + $2 - 1)); }
# The rack properties list names the selected control, also while a sheet hides the dialog.
selected() { atspi state "$1" "combo box" >/dev/null; }
# A right click at ($1, $2) on the rack, then a pick in the pop-up menu by keys ($3: Down for
# the first item, Up for the last). The designer's menu is Properties, Delete, Align to Grid,
# Send To Back; an edit box's own menu would start with Undo and end with Select All.
pick_from_menu() {
  xdotool mousemove $((rack_x + $1)) $((rack_y + $2)) click 3
  sleep 1
  # shellcheck disable=SC2086
  xdotool key $3 Return
}
rack_text() { "$moxrack" totext "$rack_file"; }

start_moxbench "$moxbench"
place Edit 40 40
place Memo 40 120
until_ok selected memo1 || e2e_fail "the memo is not selected after placing it"

# The memo's sheet stays open while a label is placed and the edit box goes to the back; its
# Apply renames the memo and nothing else.
click_widget Properties "push button"
until_ok shown Memo || e2e_fail "the memo's sheet did not open"
place Label 240 40
pick_from_menu 60 44 "Up Up"  # Send To Back on the edit box
sleep 0.5
shown Memo || e2e_fail "the memo's sheet closed"
xy=$(atspi find Name "table cell")
# shellcheck disable=SC2086
set -- $xy
xdotool mousemove $(($1 + 101)) "$2" click 1
xdotool key ctrl+a
xdotool type --delay 20 notes
click_widget Apply "push button"
sleep 0.5
import -window root "$shots/mends_sheet_applied.png"
click_widget "Save rack as" "push button"
answer_file_dialog "Save As" "$rack_file"
until_ok title "Moxbench - mends.res" || e2e_fail "the rack was not saved"
rack_text | grep -q "object notes: TMemo" || e2e_fail "the sheet did not rename the memo: $(rack_text)"
rack_text | grep -q "object edit1: TEdit" || e2e_fail "the sheet renamed the edit box: $(rack_text)"
rack_text | grep -q "object label1: TLabel" || e2e_fail "the label was renamed: $(rack_text)"

# A right click on the edit box opens the designer's menu, never the edit box's own: its
# first item opens the edit box's sheet.
pick_from_menu 60 44 Down
until_ok shown Edit || e2e_fail "the designer's menu did not open"
shown Memo && e2e_fail "the memo's sheet is still open"
import -window root "$shots/mends_edit_sheet.png"

# Fast clicks, each right after the palette was the active window: the control clicked is
# selected, with its handles, and no drag is left behind.
for i in $(seq 50); do
  if [ $((i % 2)) -eq 0 ]; then
    name=edit1 corner="40 40" at="60 44"
  else
    name=label1 corner="240 40" at="245 44"
  fi
  # shellcheck disable=SC2086
  set -- $at
  xdotool mousemove $((rack_x + $1)) $((rack_y + $2)) click 1
  until_ok selected "$name" || e2e_fail "fast click $i did not select $name"
  # shellcheck disable=SC2086
  until_ok handle_at $corner || {
    import -window root "$shots/mends_fast_click_failed.png"
    e2e_fail "fast click $i left $name without its handles"
  }
  xdotool mousemove 780 20 click 1  # the palette's empty toolbar area
done
import -window root "$shots/mends_fast_clicks.png"

# The close question over the rack, answered No and then the load question answered Yes
# with a kind armed: the clicks answer the boxes and place nothing.
place Image 300 150
close_window "Moxbench - mends.res" || e2e_fail "the palette could not be asked to close"
until_ok atspi find No "push button" >/dev/null || e2e_fail "closing did not ask first"
import -window root "$shots/mends_close_question.png"
click_widget No "push button"
sleep 0.5
kill -0 "$app" 2>/dev/null || e2e_fail "No ended the program"
click_widget Image "check box"
until_ok has_state Image "check box" checked || e2e_fail "the Image button did not stay down"
close_window "Moxbench - mends.res" || e2e_fail "the palette could not be asked to close"
until_ok atspi find No "push button" >/dev/null || e2e_fail "closing did not ask the second time"
click_widget No "push button"
sleep 0.5
atspi find image2 "list item" >/dev/null && e2e_fail "clicking No placed an image"

# Load rack, Yes, then the open dialog cancelled: the rack stays, and Save rack writes it to
# its own file unchanged.
click_widget "Save rack" "push button"
sleep 0.5
cp "$rack_file" "$e2e_tmp/before.res"
click_widget "Load rack" "push button"
until_ok atspi find Yes "push button" >/dev/null || e2e_fail "loading did not ask first"
click_widget Yes "push button"
until_ok atspi find Open dialog >/dev/null || e2e_fail "no open dialog"
sleep 0.5
click_widget Cancel "push button"
sleep 0.5
until_ok atspi find image1 "list item" >/dev/null || e2e_fail "cancelling the load emptied the rack"
# The Image kind is still armed: the next click on the rack places the second image.
click_rack 360 200
until_ok atspi find image2 "list item" >/dev/null || e2e_fail "the armed kind was lost"
click_widget "Save rack" "push button"
sleep 0.5
rack_text | grep -q "object image2: TImage" || e2e_fail "Save rack did not write the rack"
"$moxrack" totext "$e2e_tmp/before.res" | grep -q "object image1: TImage" ||
  e2e_fail "the saved rack lost its image"
import -window root "$shots/mends_end.png"
echo "sheet, questions, 50 fast clicks, cancelled load and right click behave; screenshots in $shots"
