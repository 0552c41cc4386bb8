#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages Moxbench needs, only when missing,
# so a second run does not touch apt at all.
set -euo pipefail

MOX_PACKAGES=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-base-dev-tools qt6-gtk-platformtheme
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth x11-utils imagemagick xdotool
  dbus dbus-daemon at-spi2-core python3-pyatspi python3-xlib
  locales
)

mox_missing_packages() {
  local missing=()
  for p in "${MOX_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  echo "${missing[@]:-}"
}

mox_install_dependencies() {
  local missing
  missing=$(mox_missing_packages)
  [ -z "$missing" ] && return 0
  echo "Installing missing packages: $missing"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

# Number conversion must not depend on the locale; the tests check that under a comma locale.
mox_ensure_test_locale() {
  locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "note: could not generate de_DE.UTF-8; the locale test will be skipped"
}

mox_root() { cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd; }
