#!/usr/bin/env bash
# Starts the toolkit demo on a private X display, clicks its windowed button and its painted gauge
# with the real pointer, and keeps a screenshot. Usage: toolkit_demo_test.sh DEMO SHOT.png
set -euo pipefail
demo=$1
shot=$2
out=$(mktemp)

display=$((200 + RANDOM % 400))
while [ -e "/tmp/.X${display}-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 640x400x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "$app" "$xvfb" 2>/dev/null || true; rm -f "$out"; }
trap cleanup EXIT
export DISPLAY=":$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$demo" >"$out" 2>/dev/null &
app=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name "Moxbench toolkit demo" 2>/dev/null | head -n1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "demo window did not appear"; exit 1; }
sleep 0.5

# The button's client rectangle is (170, 60) 110 x 40; the gauge (20, 20) 120 x 120.
xdotool mousemove --window "$window" 225 80 click 1
xdotool mousemove --window "$window" 80 80 click 1
sleep 0.5
mkdir -p "$(dirname "$shot")"
import -window root "$shot"

grep -q "clicked Press" "$out" || { echo "button click not seen"; cat "$out"; exit 1; }
grep -q "gauge clicked" "$out" || { echo "gauge click not seen"; cat "$out"; exit 1; }
echo "demo clicked; screenshot in $shot"
