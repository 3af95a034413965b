#!/usr/bin/env bash
# Runs a command inside a private D-Bus session bus and with an X server of its own (Xvfb), so that tests
# never see the developer's desktop, clipboard or tray, and CI (which has no display) gets one.
# Everything started here is stopped when the command ends.
set -euo pipefail

if [[ -z "${TESSELLON_IN_SESSION:-}" ]]; then
    export TESSELLON_IN_SESSION=1
    # The tests' own bus configuration: it activates nothing that happens to be installed here.
    exec dbus-run-session --config-file="$(dirname "$0")/../tests/data/test-bus.conf" -- "$0" "$@"
fi

here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=scripts/xsession.sh
source "$here/xsession.sh"
start_xserver
trap stop_xserver EXIT
"$@"
