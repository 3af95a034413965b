#!/usr/bin/env bash
# Times the text tools operations on generated 1 MB and 20 MB texts beside the nearest command-line tools on
# the same files, and prints each pair with their ratio (ours / theirs; below 1 is faster).
# Our times are the operation alone on text already in memory, as in the editor; the tools' times are whole
# runs (read the file, write to /dev/null). Medians of 5 runs. Usage: bench/texttools.sh
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
for size in 1 20; do
    file="$work/text-$size.txt"
    build/tessellon_bench_texttools generate "$size" "$file"
    echo "== $size MB: $(wc -l <"$file") lines, $(wc -c <"$file") bytes"
    declare -A ours=()
    while read -r name ms; do ours[$name]=$ms; done < <(build/tessellon_bench_texttools run "$file")
    declare -A theirs=(
        [strip]="tr -d ',.;' < '$file'"
        [dedupe]="awk '!seen[\$0]++' '$file'"
        [removeBlankLines]="grep -v '^[[:space:]]*\$' '$file'"
        [trim]="sed -E 's/[ \t]+/ /g; s/ \$//' '$file'"
        [sortAlphabetical]="sort -s -f '$file'"
        [sortByLength]="awk '{ print length, \$0 }' '$file' | sort -n -s"
    )
    printf '%-18s %10s %10s %7s   %s\n' operation "ours ms" "tool ms" ratio tool
    for name in strip dedupe removeBlankLines trim sortAlphabetical sortByLength; do
        tool_ms=$(median_ms "${theirs[$name]}")
        ratio=$(awk -v a="${ours[$name]}" -v b="$tool_ms" 'BEGIN { printf "%.2f", a / b }')
        printf '%-18s %10s %10s %7s   %s\n' "$name" "${ours[$name]}" "$tool_ms" "$ratio" "${theirs[$name]//$file/FILE}"
    done
    unset ours theirs
done
