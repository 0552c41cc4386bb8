#!/usr/bin/env bash
# Starts the toolkit demo on a private X display, clicks its windowed button and its painted gauge
# with the real pointer, and keeps a screenshot. Usage: toolkit_demo_test.sh DEMO SHOT.png
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
demo=$1
shot=$2

e2e_start_display 640 400
e2e_start_app "$demo"
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name "Moxbench toolkit demo" 2>/dev/null | head -n1) && [ -n "$window" ] && break
  kill -0 "$app" 2>/dev/null || e2e_fail "demo ended before its window appeared"
  sleep 0.1
done
[ -n "$window" ] || e2e_fail "demo window did not appear"
sleep 0.5

# The button's client rectangle is (170, 60) 110 x 40; the gauge (20, 20) 120 x 120.
xdotool mousemove --window "$window" 225 80 click 1
xdotool mousemove --window "$window" 80 80 click 1
sleep 0.5
mkdir -p "$(dirname "$shot")"
import -window root "$shot"

grep -q "clicked Press" "$app_out" || e2e_fail "button click not seen"
grep -q "gauge clicked" "$app_out" || e2e_fail "gauge click not seen"
echo "demo clicked; screenshot in $shot"
