#!/usr/bin/env bash
# The first instruments on a real rack: place an analog meter and a slider, save, quit, start
# again, load, and render the saved file with `moxrack render`. The screenshot and the rendered
# picture are kept to be looked at; the render must be the same twice over.
# Usage: instruments_test.sh MOXBENCH MOXRACK SHOT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/moxbench.sh"
e2e_session "$@"
moxbench=$1
moxrack=$2
shots=$3
mkdir -p "$shots"
rack_file="$e2e_tmp/instruments.res"

start_moxbench "$moxbench"
place "Analog meter" 13 21
place Slider 300 21
until_ok atspi find slider1 "list item" >/dev/null || e2e_fail "slider1 was not placed"
click_widget "Save rack as" "push button"
answer_file_dialog "Save As" "$rack_file"
until_ok title "Moxbench - instruments.res" || e2e_fail "the rack was not saved"
quit_answering_yes "Moxbench - instruments.res"

start_moxbench "$moxbench"
click_widget "Load rack" "push button"
answer_file_dialog "Open" "$rack_file"
until_ok title "Moxbench - instruments.res" || e2e_fail "the rack was not loaded"
until_ok atspi find ameter1 "list item" >/dev/null || e2e_fail "ameter1 not on the loaded rack"
until_ok atspi find slider1 "list item" >/dev/null || e2e_fail "slider1 not on the loaded rack"
click_rack 400 250
sleep 0.5
import -window root "$shots/instruments_loaded.png"

"$moxrack" render "$rack_file" "$shots/instruments_render.png" >/dev/null ||
  e2e_fail "moxrack render failed"
"$moxrack" render "$rack_file" "$e2e_tmp/again.png" >/dev/null
cmp -s "$shots/instruments_render.png" "$e2e_tmp/again.png" || e2e_fail "rendering is not deterministic"
size=$(identify -format '%wx%h' "$shots/instruments_render.png")
[ "$size" = "442x266" ] || e2e_fail "rendered $size, not the rack's 442x266 client area"
# The meter's black face and the slider's green ticks are in the picture, and no grid dots on the
# bare rack (a grid dot would be black on the light face colour).
pixel() { convert "$shots/instruments_render.png" -format "%[hex:p{$1,$2}]" info:; }
[ "$(pixel 60 60)" = "000000" ] || e2e_fail "no meter face at (60, 60): $(pixel 60 60)"
[ "$(pixel 400 200)" != "000000" ] || e2e_fail "grid dots in the rendered rack"
[ "$(pixel 400 200)" = "$(pixel 401 201)" ] || e2e_fail "the bare rack is not plain"
echo "meter and slider saved, reloaded and rendered ($size); pictures in $shots"
