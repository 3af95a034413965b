#!/usr/bin/env bash
# Fuzzes one target for longer than the test suite's pass over the seed corpus, to find new inputs.
#   scripts/fuzz.sh TARGET [SECONDS]   TARGET: text_operations, color_text, placeholder_input, glyph_query, text_transforms,
#                                      icon_search_reply, settings_file; SECONDS: 600 unless given
# It builds the clang build with the sanitizers and the fuzzer's coverage (in build-fuzz/), grows a scratch
# copy of the target's corpus, and leaves any failing input in fuzz-artifacts/. A new failing input, once fixed, belongs in tests/fuzz/corpus/.
set -euo pipefail
cd "$(dirname "$0")/.."
target="${1:?usage: scripts/fuzz.sh TARGET [SECONDS]}"
seconds="${2:-600}"
scripts/deps.sh test
scripts/build.sh fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "tests/fuzz/corpus/$target" "$work/corpus"
mkdir -p fuzz-artifacts
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$(pwd)/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
"build-fuzz/tests/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -artifact_prefix=fuzz-artifacts/ \
    "$work/corpus"
