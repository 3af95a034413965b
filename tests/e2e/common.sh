# What the end-to-end scripts share: checks that count and report, waiting for a condition, and the
# StatusNotifierItem registrations of the app under test. Sourced; the script defines describe_failure.

# Runs the calling script again inside a session bus of its own, with the tests' configuration (which starts
# no installed service): the trays, portals and bars a script starts must not reach tests running beside it.
run_on_own_bus() {
    if [[ -z "${TESSELLON_E2E_BUS:-}" ]]; then
        export TESSELLON_E2E_BUS=1
        exec dbus-run-session --config-file="$(dirname "${BASH_SOURCE[0]}")/../data/test-bus.conf" -- "$0" "$@"
    fi
}

# The script's folder, a work folder of its own, and where screenshots go ($TESSELLON_E2E_SHOTS when set).
prepare_work() {
    here="$(cd "$(dirname "$0")" && pwd)"
    WORK=$(mktemp -d)
    shots="${TESSELLON_E2E_SHOTS:-$WORK/shots}"
    mkdir -p "$shots"
}

passed=0
failed=0
check() { # check DESCRIPTION COMMAND...
    local description="$1"
    shift
    if "$@"; then
        echo "PASS   : $description"
        passed=$((passed + 1))
    else
        echo "FAIL!  : $description"
        failed=$((failed + 1))
        describe_failure
    fi
}

# Polls a command until it succeeds, for at most $1 seconds.
wait_for() {
    local seconds="$1"
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# Whether the app under test (APP_PID) has an item registered with the session's StatusNotifierWatcher.
# Items are listed by bus name; ours is the one whose connection belongs to our process.
registered_with_watcher() {
    local item
    for item in $(dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
        org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher \
        string:RegisteredStatusNotifierItems 2>/dev/null | sed -n 's/^ *string "\([^"/]*\).*/\1/p'); do
        dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
            org.freedesktop.DBus.GetConnectionUnixProcessID "string:$item" 2>/dev/null |
            grep -q "uint32 $APP_PID\$" && return 0
    done
    return 1
}

# Takes the screenshot (the script's grab_screen FILE) once two grabs in a row are the same, so an opening
# or a fade has finished.
screen_is_still() {
    grab_screen "$WORK/now.png" || return 1
    local now
    now=$(md5sum <"$WORK/now.png")
    [[ "$now" == "${last_grab:-}" ]] && return 0
    last_grab="$now"
    return 1
}
screenshot_when_still() {
    last_grab=""
    wait_for 10 screen_is_still && cp "$WORK/now.png" "$1"
}

bus_name_owned() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
        "string:$1" 2>/dev/null | grep -q true
}
portal_answers() {
    dbus-send --session --print-reply --dest=org.freedesktop.portal.Desktop /org/freedesktop/portal/desktop \
        org.freedesktop.portal.Settings.Read string:org.freedesktop.appearance string:color-scheme >/dev/null 2>&1
}
