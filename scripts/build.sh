#!/usr/bin/env bash
# Configures and builds Tessellon and its tests, warnings as errors.
#   scripts/build.sh          with GCC, in build/
#   scripts/build.sh clang    with clang and the address, undefined-behaviour and leak sanitizers, and the
#                             fuzz targets, in build-clang/
#   scripts/build.sh fuzz     the fuzz targets with coverage, for scripts/fuzz.sh, in build-fuzz/
#   scripts/build.sh plain-clang  the program alone with clang and nothing else, as a distribution would
#                             build it, in build-plain-clang/
# Test trees keep line tables only (-g1: enough for a stack trace), compile each library's files as a few
# units (a unity build; the plain-clang and package builds compile file by file, so a missing include still
# shows), and leave out the screenshot tool and the benchmarks, which scripts/screenshots and bench/ build
# for themselves.
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-gcc}" in
gcc)
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSELLON_WARNINGS_AS_ERRORS=ON \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" -DTESSELLON_BUILD_TOOLS=OFF -DCMAKE_UNITY_BUILD=ON \
        >/dev/null
    cmake --build build --parallel
    ;;
clang)
    cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DTESSELLON_WARNINGS_AS_ERRORS=ON -DTESSELLON_SANITIZE=ON -DTESSELLON_FUZZ=ON \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DTESSELLON_BUILD_TOOLS=OFF -DCMAKE_UNITY_BUILD=ON \
        >/dev/null
    cmake --build build-clang --parallel
    ;;
fuzz)
    # The fuzz targets on services compiled with the fuzzer's coverage, for scripts/fuzz.sh.
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DTESSELLON_SANITIZE=ON -DTESSELLON_FUZZ=ON -DTESSELLON_FUZZ_COVERAGE=ON >/dev/null
    cmake --build build-fuzz --parallel --target fuzz_targets
    ;;
plain-clang)
    cmake -S . -B build-plain-clang -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ \
        -DTESSELLON_WARNINGS_AS_ERRORS=ON -DTESSELLON_BUILD_TESTS=OFF -DTESSELLON_BUILD_TOOLS=OFF >/dev/null
    cmake --build build-plain-clang --parallel --target tessellon
    ;;
*)
    echo "usage: $0 [gcc|clang|fuzz|plain-clang]" >&2
    exit 2
    ;;
esac
