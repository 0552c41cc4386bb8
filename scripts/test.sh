#!/usr/bin/env bash
# Installs what is missing, builds everything with ASan+UBSan into build-asan/ and runs every
# test through ctest. Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
root=$(mox_root)
mox_install_dependencies
mox_ensure_test_locale

build="$root/build-asan"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMOX_SANITIZE=ON >/dev/null
cmake --build "$build"

export QT_QPA_PLATFORM=offscreen
# No strict_string_checks: libxkbcommon legally strndup()s unterminated buffers when Qt connects
# to an X server, and that check would stop every end-to-end test at start-up.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
