#!/usr/bin/env bash
# Installs what is missing, builds, and launches Tessellon (its icon appears in the system tray; with no
# tray, the panel opens as a window).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
exec build/tessellon
