#!/usr/bin/env bash
# Measures, on a private Xvfb with a tint2 tray:
#   - the time from launching Tessellon to its tray icon being mapped (median of RUNS launches);
#   - its resident memory at idle with the panel never opened, then after one opening, then closed again.
# Usage: bench/startup.sh [RUNS]   (after scripts/build.sh; run it inside scripts/with-session.sh or not)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-10}"
app=build/tessellon
probe=build/tests/tray_probe
source scripts/xsession.sh

WORK=$(mktemp -d)
trap 'end_session; rm -rf "$WORK"' EXIT
use_private_home "$WORK"

start_xserver
start_tray_host tests/e2e/tint2rc "$probe"

icon_mapped() { [[ -n "$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null)" ]]; }
rss_kib() { awk '/^VmRSS/ {print $2}' "/proc/$APP_PID/status"; }
settle() { # lets the process finish whatever the last step started
    local before after
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        before=$(rss_kib); sleep 0.3; after=$(rss_kib)
        [[ "$before" == "$after" ]] && return
    done
}

times=()
for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    "$app" &
    APP_PID=$!
    until icon_mapped; do sleep 0.005; done
    times+=($((($(date +%s%N) - start) / 1000000)))
    if ((i < runs - 1)); then
        kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true
    fi
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
median=$(echo "$sorted" | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}')
echo "launch to tray icon: median ${median} ms over ${runs} runs (min $(echo "$sorted" | head -1), max $(echo "$sorted" | tail -1))"

settle
echo "resident memory, idle, panel never opened: $(rss_kib) KiB"
"$app" # a second launch asks the running one to open its panel
until [[ $(xdotool search --onlyvisible --pid "$APP_PID" | wc -l) -ge 2 ]]; do sleep 0.02; done
settle
echo "resident memory, panel open: $(rss_kib) KiB"
xdotool key Escape
settle
echo "resident memory, after one opening, panel closed: $(rss_kib) KiB"
