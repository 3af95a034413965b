#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: unit tests offscreen, clipboard tests against a
# real X server, and the end-to-end tests of the real binary under their own X servers and tray host.
# The suite runs twice: on the GCC build, and on the clang build under the address, undefined-behaviour
# and leak sanitizers; the end-to-end runs of the real binary on real desktops, the longest part, run on the
# sanitizer build alone. CTest options pass through (scripts/test.sh -R MenuPanelView).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
scripts/build.sh gcc
scripts/build.sh clang
jobs="$(nproc)"
scripts/with-session.sh ctest --test-dir build --output-on-failure --parallel "$jobs" -E EndToEnd "$@"

here="$(pwd)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$here/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
scripts/with-session.sh ctest --test-dir build-clang --output-on-failure --parallel "$jobs" "$@"
