#!/usr/bin/env bash
# Times the text tools operations on generated texts (log lines of 1 MB and 20 MB, 20 MB of log lines where
# a quarter of the words are in other scripts, and 20 MB where three quarters are) beside the nearest
# command-line tools on the same files, and prints each pair with their ratio (ours / theirs; below 1 is
# faster). Then drives the tab itself on the 20 MB mixed text: for the paste and each button, the whole wait
# and the longest the event loop stood still (the target: under 50 ms).
# Our times are the operation alone on text already in memory, as in the editor; the tools' times are whole
# runs (read the file, write to /dev/null). Medians of 5 runs. tr's upper case is not Unicode's: under
# C.UTF-8 it leaves every non-ASCII letter as it is and never writes ß as SS; ours does both.
# Usage: bench/texttools.sh
set -euo pipefail
source "$(dirname "$0")/prepare.sh" tessellon_bench_texttools

# Median wall time of a shell command over 5 runs, in milliseconds.
median_ms() {
    local times=()
    for _ in 1 2 3 4 5; do
        local start end
        start=$(date +%s%N)
        bash -c "$1" >/dev/null
        end=$(date +%s%N)
        times+=($(((end - start) / 1000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n 3p | awk '{ printf "%.1f", $1 / 1000 }'
}

export LC_ALL=C.UTF-8
for text in "1 log" "20 log" "20 mixed" "20 multilingual"; do
    read -r size kind <<<"$text"
    file="$work/text-$size-$kind.txt"
    build/tessellon_bench_texttools generate "$size" "$file" "$kind"
    echo "== $size MB $kind: $(wc -l <"$file") lines, $(wc -c <"$file") bytes"
    declare -A ours=()
    while read -r name ms; do ours[$name]=$ms; done < <(build/tessellon_bench_texttools run "$file")
    declare -A theirs=(
        [strip]="tr -d ',.;' < '$file'"
        [dedupe]="awk '!seen[\$0]++' '$file'"
        [removeBlankLines]="grep -v '^[[:space:]]*\$' '$file'"
        [trim]="sed -E 's/[ \t]+/ /g; s/ \$//' '$file'"
        [sortAlphabetical]="sort -s -f '$file'"
        [sortByLength]="awk '{ print length, \$0 }' '$file' | sort -n -s"
        [naturalSort]="sort -V '$file'"
        [reverseLines]="tac '$file'"
        [shuffleLines]="shuf '$file'"
        [joinLines]="paste -sd, '$file'"
        [upperCase]="tr '[:lower:]' '[:upper:]' < '$file'"
    )
    printf '%-18s %10s %10s %7s   %s\n' operation "ours ms" "tool ms" ratio tool
    for name in strip dedupe removeBlankLines trim sortAlphabetical sortByLength naturalSort reverseLines \
        shuffleLines joinLines upperCase; do
        tool_ms=$(median_ms "${theirs[$name]}")
        ratio=$(awk -v a="${ours[$name]}" -v b="$tool_ms" 'BEGIN { printf "%.2f", a / b }')
        printf '%-18s %10s %10s %7s   %s\n' "$name" "${ours[$name]}" "$tool_ms" "$ratio" "${theirs[$name]//$file/FILE}"
    done
    unset ours theirs
done
echo "== the tab on 20 MB mixed"
build/tessellon_bench_texttools editor "$work/text-20-mixed.txt" 2>/dev/null
