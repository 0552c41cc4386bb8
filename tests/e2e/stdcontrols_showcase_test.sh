#!/usr/bin/env bash
# Starts the standard controls showcase on a private X display, keeps a screenshot, then clicks
# its push button, a tool bar check button and the grid's ellipsis button with the real pointer.
# Usage: stdcontrols_showcase_test.sh SHOWCASE SHOT.png
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
showcase=$1
shot=$2

e2e_start_display 640 480
e2e_start_app "$showcase"
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name "Moxbench standard controls" 2>/dev/null | head -n1) && [ -n "$window" ] && break
  kill -0 "$app" 2>/dev/null || e2e_fail "showcase ended before its window appeared"
  sleep 0.1
done
[ -n "$window" ] || e2e_fail "showcase window did not appear"
for _ in $(seq 50); do
  grep -q "^where ellipsis " "$app_out" && break
  sleep 0.1
done
grep -q "^where ellipsis " "$app_out" || e2e_fail "showcase did not say where its targets are"
sleep 0.3

# The shot shows the window as it opened, before any click changes it.
mkdir -p "$(dirname "$shot")"
import -window root "$shot"

click() {
  local x y
  read -r _ _ x y < <(grep "^where $1 " "$app_out" | tail -n1)
  xdotool mousemove --window "$window" "$x" "$y" click 1
  sleep 0.3
}
click button
click led
click ellipsis
sleep 0.3

grep -q "^clicked Press$" "$app_out" || e2e_fail "button click not seen"
grep -q "^checked Led down$" "$app_out" || e2e_fail "tool bar check button not checked"
grep -q "^ellipsis Font$" "$app_out" || e2e_fail "ellipsis click not seen"
echo "showcase clicked; screenshot in $shot"
