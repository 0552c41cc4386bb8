#!/usr/bin/env bash
# The spinner, power button and check LED live on a form, clicked with the real pointer: quick
# clicks (no pause between press and release) step the spinner once each, a held arrow repeats,
# the power button toggles and the check LED checks. A screenshot is kept.
# Usage: buttons_demo_test.sh DEMO SHOT.png
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
demo=$1
shot=$2

e2e_start_display 640 400
e2e_start_app "$demo"
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name "Moxbench buttons demo" 2>/dev/null | head -n1) && [ -n "$window" ] && break
  kill -0 "$app" 2>/dev/null || e2e_fail "demo ended before its window appeared"
  sleep 0.1
done
[ -n "$window" ] || e2e_fail "demo window did not appear"
sleep 0.5
said() { grep -c "^$1 " "$app_out" || true; }

# The up arrow's centre is at (20 + 17, 20 + 10), the down arrow's at (37, 50).
xdotool mousemove --window "$window" 37 30
for _ in 1 2 3 4 5; do xdotool click 1; sleep 0.15; done
xdotool mousemove --window "$window" 37 50 click 1
sleep 0.5
[ "$(said up)" = 5 ] || e2e_fail "five quick clicks on the up arrow gave $(said up) steps"
[ "$(said down)" = 1 ] || e2e_fail "one click on the down arrow gave $(said down) steps"

# Held for about 1.2 s: repeats from 400 ms, every 100 ms, plus the click at the release.
xdotool mousemove --window "$window" 37 30 mousedown 1
sleep 1.2
xdotool mouseup 1
sleep 0.3
held=$(($(said up) - 5))
[ "$held" -ge 5 ] && [ "$held" -le 11 ] || e2e_fail "a held arrow gave $held steps"
# Once released, nothing more comes.
before=$(said up)
sleep 0.5
[ "$(said up)" = "$before" ] || e2e_fail "the arrow went on repeating after the release"

# The horizontal spinner's right arrow at (20 + 45, 100 + 15).
xdotool mousemove --window "$window" 65 115 click 1
sleep 0.3
[ "$(said right)" = 1 ] || e2e_fail "the right arrow gave $(said right) steps"

xdotool mousemove --window "$window" 180 32 click 1
sleep 0.3
grep -q "^power 1" "$app_out" || e2e_fail "the power button did not switch on"
# The check LED's box: the layout centres box and caption; the box is left of the caption.
led_box_x=165
xdotool mousemove --window "$window" "$led_box_x" 83 click 1
sleep 0.5
mkdir -p "$(dirname "$shot")"
import -window root "$shot"
grep -q "^checked 1" "$app_out" || e2e_fail "the check LED was not checked"
echo "spinner stepped once per quick click and repeated while held; power and LED clicked; screenshot in $shot"
