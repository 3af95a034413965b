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

# Whether the app under test (APP_PID) has an item registered with the session's StatusNotifierWatcher
# (then in $our_item). Items are listed by bus name; ours is the one whose connection belongs to our process.
registered_with_watcher() {
    local item
    for item in $(dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
        org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher \
        string:RegisteredStatusNotifierItems 2>/dev/null | sed -n 's/^ *string "\([^"/]*\).*/\1/p'); do
        dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
            org.freedesktop.DBus.GetConnectionUnixProcessID "string:$item" 2>/dev/null |
            grep -q "uint32 $APP_PID\$" && our_item=$item && return 0
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

# The desktops' shells abort without a system bus; an empty one of our own keeps the machine's services out.
start_system_bus() {
    DBUS_SYSTEM_BUS_ADDRESS=$(dbus-daemon --config-file="$here/../data/test-bus.conf" --fork --print-address=1 \
        --print-pid=3 3>"$WORK/system-bus.pid") && export DBUS_SYSTEM_BUS_ADDRESS
    SYSTEM_BUS_PID=$(cat "$WORK/system-bus.pid")
}

# A screenshot's pixel, #RRGGBB: pixel FILE X Y.
pixel() { convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -1; }

# What every desktop's run checks of the open panel, through the script's read_panel (X Y WIDTH HEIGHT),
# panel_shown, panel_hidden, panel_on_screen, click_at, grab_screen and clipboard.
# Each tab keeps it on screen and off the bar; a click on a tab inside it switches the tab and keeps it open.
panel_width_is() { read_panel && ((WIDTH == $1)); }
check_tabs() {
    local tab
    for tab in placeholders color text icons glyphs textTools; do
        "$app" --tab "$tab"
        check "$tab: the panel stays on screen and off the bar" wait_for 10 panel_on_screen
    done
    "$app" --tab placeholders
    # Text Tools, the last tab (460 wide), clicked once the panel is at rest; again should the click have
    # come too early to count, but never once the panel has gone.
    click_text_tools() {
        local was
        read_panel && was="$X $Y $WIDTH $HEIGHT" && sleep 0.1 && read_panel && [[ "$was" == "$X $Y $WIDTH $HEIGHT" ]] &&
            click_at $((X + 270)) $((Y + 22)) && wait_for 3 panel_width_is 460
    }
    wait_for 10 panel_width_is 300
    check "a click on a tab inside it switches the tab and keeps it open" wait_for 15 click_text_tools
}
# light|dark: the panel's own background, in its left margin halfway down.
panel_is() {
    read_panel && grab_screen "$WORK/look.png" || return 1
    local grey
    grey=$(convert "$WORK/look.png" -crop "1x1+$((X + 4))+$((Y + HEIGHT / 2))" -colorspace Gray \
        -format "%[fx:int(255*p)]" info: 2>/dev/null)
    if [[ "$1" == light ]]; then ((grey >= 160)); else ((grey <= 90)); fi
}
# The desktop's dark and light, live both ways: check_live_scheme COMMAND DARK LIGHT SCREENSHOT.
check_live_scheme() {
    check "the panel starts light" wait_for 10 panel_is light
    $1 "$2" >/dev/null
    check "it turns dark with the desktop, live" wait_for 15 panel_is dark
    screenshot_when_still "$4"
    $1 "$3" >/dev/null
    check "and light again" wait_for 15 panel_is light
}
# The desktop's own picker, asked for with the panel closed: the panel stays away while the user picks, and
# the pixel picked lands on the clipboard. check_pick PICKER_UP (a command that tells the picker is there)
check_pick() {
    grab_screen "$WORK/before-pick.png"
    local expected
    expected=$(pixel "$WORK/before-pick.png" 300 300)
    # Not waited for, as a launcher does not: KWin's picker on X11 holds the X server from the moment it comes
    # until the click, which a launch still at work would wait out.
    "$app" --pick-color &
    local launch=$!
    check "the desktop's colour picker comes" wait_for 10 "$1"
    check "and the panel is not shown over the screen meanwhile" panel_hidden
    clipboard_is() { [[ "$(clipboard)" == "$1" ]]; }
    # Again should the click have come before the picker took the pointer.
    pick_at() { click_at 300 300 && wait_for 4 clipboard_is "$1"; }
    check "the picked colour ($expected) is on the clipboard" wait_for 15 pick_at "$expected"
    check "the panel opens with it" wait_for 10 panel_shown
    check "and the launch that asked for it has ended" wait_for 10 eval "! kill -0 $launch 2>/dev/null"
}

app_gone() { ! kill -0 "$APP_PID" 2>/dev/null; }
# Once gone, whether it exited with status 0: a sanitizer's report at exit ends it otherwise (then shown).
ended_well() {
    wait "$APP_PID" || { grep -m1 -A40 -E 'ERROR: |runtime error|Sanitizer' "$WORK/app.log" | sed 's/^/         app: /' && false; }
}
bus_name_owned() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
        "string:$1" 2>/dev/null | grep -q true
}
portal_answers() {
    dbus-send --session --print-reply --dest=org.freedesktop.portal.Desktop /org/freedesktop/portal/desktop \
        org.freedesktop.portal.Settings.Read string:org.freedesktop.appearance string:color-scheme >/dev/null 2>&1
}
