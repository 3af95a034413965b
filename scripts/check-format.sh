#!/usr/bin/env bash
# Fails when a C++ source differs from the checked-in .clang-format style. Usage: check-format.sh [CLANG_FORMAT]
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(find src tests tools bench -name '*.cpp' -o -name '*.h' | sort)
"${1:-clang-format}" --dry-run -Werror "${files[@]}"
echo "${#files[@]} files formatted"
