#!/usr/bin/env bash
# Times the icon finder's grid against the loopback fixture server (tests/data/iconify), at scale 1 and on a
# HiDPI scale of 2, offscreen. Usage: bench/icongrid.sh [RUNS]
set -euo pipefail
source "$(dirname "$0")/prepare.sh" tessellon_bench_icongrid
for scale in 1 2; do
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale build/tessellon_bench_icongrid "${1:-15}" 2>/dev/null
done
