#!/usr/bin/env bash
# The scope on a real rack, as a user works with it: place it from the palette, change rows of its
# sheet and apply them, give it an odd size with Shift+arrows, save through the dialog, quit,
# start again, load, and render the file with `moxrack render`. The screenshots and the rendered
# picture are kept to be looked at; the file must hold the changes and the scope's channel.
# Usage: scope_test.sh MOXBENCH MOXRACK SHOT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/moxbench.sh"
e2e_session "$@"
moxbench=$1
moxrack=$2
shots=$3
mkdir -p "$shots"
rack_file="$e2e_tmp/scope.res"
saved() { rack_value "$rack_file" "$1" "$2"; }

start_moxbench "$moxbench"
place Scope 8 8
until_ok atspi find scope1 "list item" >/dev/null || e2e_fail "the scope was not placed"
click_widget Properties "push button"
until_ok shown Scope || e2e_fail "the scope's sheet did not open"
edit_row "Grid spacing" 20
edit_row "Base line offset" 25
# A second scope at an odd size: a click on it gives the rack the keys back.
place Scope 8 140
until_ok atspi find scope2 "list item" >/dev/null || e2e_fail "the second scope was not placed"
click_rack 20 150
sleep 0.3
xdotool key --delay 50 shift+Left shift+Left shift+Left shift+Up
sleep 0.5
import -window root "$shots/scope_placed.png"

click_widget "Save rack as" "push button"
answer_file_dialog "Save As" "$rack_file"
until_ok title "Moxbench - scope.res" || e2e_fail "the rack was not saved"
quit_answering_yes "Moxbench - scope.res"

start_moxbench "$moxbench"
click_widget "Load rack" "push button"
answer_file_dialog "Open" "$rack_file"
until_ok title "Moxbench - scope.res" || e2e_fail "the rack was not loaded"
until_ok atspi find scope2 "list item" >/dev/null || e2e_fail "scope2 not on the loaded rack"
sleep 0.5
import -window root "$shots/scope_loaded.png"

[ "$(saved scope1 GridSize)" = 20 ] || e2e_fail "scope1.GridSize is $(saved scope1 GridSize)"
[ "$(saved scope1 BaseOffset)" = 25 ] || e2e_fail "scope1.BaseOffset is $(saved scope1 BaseOffset)"
[ "$(saved scope1 Interval)" = 1 ] || e2e_fail "scope1.Interval is $(saved scope1 Interval)"
[ "$(saved scope2 Width)" = 248 ] || e2e_fail "scope2.Width is $(saved scope2 Width)"
"$moxrack" totext "$rack_file" | tr -d '\r' | grep -q "^    Channels = <$" ||
  e2e_fail "scope1 has no channels in the file"
"$moxrack" render "$rack_file" "$shots/scope_render.png" >/dev/null ||
  e2e_fail "moxrack render failed"
echo "scopes edited, resized, saved, reloaded and rendered; pictures in $shots"
