#!/usr/bin/env bash
# A rack survives a save, a restart and a load, black-box: place a label and an edit box, save
# through the save dialog, quit answering the close question, start again, load the file through
# the open dialog, and find the same controls; `moxrack check` accepts the file.
# Usage: save_load_test.sh MOXBENCH MOXRACK SHOT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/moxbench.sh"
e2e_session "$@"
moxbench=$1
moxrack=$2
shots=$3
mkdir -p "$shots"
rack_file="$e2e_tmp/bench one.res"
edit_place() { atspi extents "" text; }

start_moxbench "$moxbench"
place Label 16 16
place Edit 40 80
until_ok edit_place >/dev/null || e2e_fail "no edit box on the rack"
edit_before=$(edit_place)

click_widget "Save rack as" "push button"
answer_file_dialog "Save As" "$rack_file"
until_ok title "Moxbench - bench one.res" || e2e_fail "the palette caption did not follow the save"
[ -s "$rack_file" ] || e2e_fail "no rack file written"
import -window root "$shots/save_load_saved.png"

# Closing with controls on the rack asks first; Yes ends the program.
close_window "Moxbench - bench one.res" || e2e_fail "the palette could not be asked to close"
until_ok atspi find Yes "push button" >/dev/null || e2e_fail "closing did not ask first"
import -window root "$shots/save_load_close_question.png"
click_widget Yes "push button"
for _ in $(seq 300); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && e2e_fail "Moxbench did not end after Yes"
wait "$app" || e2e_fail "Moxbench ended with status $?"

start_moxbench "$moxbench"
click_widget "Load rack" "push button"
answer_file_dialog "Open" "$rack_file"
until_ok title "Moxbench - bench one.res" || e2e_fail "the palette caption did not follow the load"
until_ok atspi find label1 "list item" >/dev/null || e2e_fail "label1 not on the loaded rack"
until_ok atspi find edit1 "list item" >/dev/null || e2e_fail "edit1 not on the loaded rack"
until_ok edit_place >/dev/null || e2e_fail "no edit box on the loaded rack"
[ "$(edit_place)" = "$edit_before" ] || e2e_fail "edit box at $(edit_place), saved at $edit_before"
sleep 0.3
import -window root "$shots/save_load_loaded.png"

check=$("$moxrack" check "$rack_file") || e2e_fail "moxrack check refused the file: $check"
grep -q '^ok' <<<"$check" || e2e_fail "moxrack check said: $check"
echo "saved, reloaded after a restart, and checked: $check; screenshots in $shots"
