# Sourced by the benchmark scripts: builds the named benchmark target (RelWithDebInfo) and gives the Qt
# binary a work folder ($work, removed on exit) with a runtime folder of its own, as a session would.
# Usage: source bench/prepare.sh TARGET
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSELLON_BUILD_TOOLS=ON >/dev/null
cmake --build build --target "$1" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work/runtime}"
