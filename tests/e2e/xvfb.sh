# Sourced by the end-to-end test scripts: a private X display for this test, and the program's
# error output shown when a test fails (a sanitizer report or a Qt fatal message says why).
#   e2e_start_display WIDTH HEIGHT   -> exports DISPLAY
#   e2e_start_app PROGRAM [ARGS...]  -> runs it in the background in a process group of its own;
#                                       $app is its pid, $app_out and $app_err hold its output
#   e2e_start_accessibility          -> the accessibility bus, before the program starts (needs a
#                                       D-Bus session: run the test under dbus-run-session)
#   e2e_fail MESSAGE                 -> prints MESSAGE and the program's output, exits 1

e2e_tmp=$(mktemp -d)
app=""
xvfb=""
a11y=""
e2e_cleanup() {
  # Everything is stopped even when something already ended on its own (errexit is on).
  if [ -n "$app" ]; then kill -- "-$app" 2>/dev/null || true; fi
  if [ -n "$a11y" ]; then kill "$a11y" 2>/dev/null || true; fi
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
  rm -rf "$e2e_tmp"
}
trap e2e_cleanup EXIT

e2e_start_display() {
  # -displayfd lets the server pick a free display and say which once it accepts connections.
  exec 9>"$e2e_tmp/display"
  Xvfb -displayfd 9 -screen 0 "${1}x${2}x24" -nolisten tcp -noreset >"$e2e_tmp/xvfb.log" 2>&1 &
  xvfb=$!
  exec 9>&-
  for _ in $(seq 100); do
    [ -s "$e2e_tmp/display" ] && break
    sleep 0.1
  done
  [ -s "$e2e_tmp/display" ] || { cat "$e2e_tmp/xvfb.log"; echo "Xvfb did not start"; exit 1; }
  export DISPLAY=":$(head -n1 "$e2e_tmp/display")"
  export QT_QPA_PLATFORM=xcb
}

e2e_start_app() {
  app_out="$e2e_tmp/app.out"
  app_err="$e2e_tmp/app.err"
  setsid "$@" >"$app_out" 2>"$app_err" &
  app=$!
}

e2e_start_accessibility() {
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  a11y=$!
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

e2e_fail() {
  echo "$1"
  # What the screen showed, to be looked at when a run fails.
  [ -n "${shots:-}" ] && import -window root "$shots/failed_$(basename "$0" .sh).png" 2>/dev/null
  echo "--- program output ---"
  cat "$app_out" 2>/dev/null
  echo "--- program errors ---"
  tail -n 60 "$app_err" 2>/dev/null
  exit 1
}
