#!/usr/bin/env bash
# Installs what is missing, builds Release into build/ and starts Moxbench.
# Without a display it starts Moxbench on a private Xvfb display and saves a screenshot.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
root=$(mox_root)
mox_install_dependencies

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMOX_BUILD_TESTS=OFF -DMOX_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build" --target moxbench moxrack

app="$root/build/app/moxbench"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$app" "$@"
fi

# Headless: pick a free display number, start Xvfb there and Moxbench on it.
display=99
while [ -e "/tmp/.X${display}-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do xdpyinfo -display ":$display" >/dev/null 2>&1 && break; sleep 0.1; done

DISPLAY=":$display" "$app" "$@" >/dev/null 2>&1 &
app_pid=$!
shot="$root/build/moxbench-screenshot.png"
for _ in $(seq 100); do
  DISPLAY=":$display" xdotool search --onlyvisible --name "Moxbench" >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1
DISPLAY=":$display" import -window root "$shot"
cat <<MSG
No display was available, so Moxbench runs on the virtual display :$display.
  Screenshot of its windows: $shot
  Stop it with:              kill $app_pid $xvfb_pid
MSG
