#!/usr/bin/env bash
# Times the icon finder's grid against the loopback fixture server (tests/data/iconify), at scale 1 and on a
# HiDPI scale of 2, offscreen. Usage: bench/icongrid.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target tessellon_bench_icongrid >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work/runtime}"
for scale in 1 2; do
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale build/tessellon_bench_icongrid "${1:-15}" 2>/dev/null
done
