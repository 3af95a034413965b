#!/usr/bin/env bash
# The glyph search beyond the catalogue: the first search that loads the character names, the slowest later
# keystroke (both until the tiles in view have painted), the memory the first search adds and the part of it
# that is the names; medians over RUNS fresh processes (default 9), offscreen. Usage: bench/glyphsearch.sh [RUNS]
set -euo pipefail
source "$(dirname "$0")/prepare.sh" tessellon_bench_glyphsearch
runs="${1:-9}"
for ((i = 0; i < runs; i++)); do QT_QPA_PLATFORM=offscreen build/tessellon_bench_glyphsearch 2>/dev/null; done |
    awk '{ f[NR] = $2; l[NR] = $4; r[NR] = $6 }
         function median(a, n,   i, j, t) { for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
                                            return a[int((n + 1) / 2)] }
         END { printf "first search %d ms, later keystroke %d ms, RSS +%d KiB (medians of %d runs)\n", median(f, NR), median(l, NR), median(r, NR), NR }'
for ((i = 0; i < runs; i++)); do QT_QPA_PLATFORM=offscreen build/tessellon_bench_glyphsearch names 2>/dev/null; done |
    sort -n -k2 | awk '{ v[NR] = $2 } END { printf "the names alone: RSS +%d KiB (median)\n", v[int((NR + 1) / 2)] }'
