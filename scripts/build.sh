#!/usr/bin/env bash
# Configures and builds Tessellon and its tests in build/ (warnings are errors).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSELLON_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build --parallel
