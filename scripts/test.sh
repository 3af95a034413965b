#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: unit tests offscreen, clipboard tests against a
# real X server, and the end-to-end tests of the real binary under their own X servers and tray host.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
scripts/build.sh
exec scripts/with-session.sh ctest --test-dir build --output-on-failure "$@"
