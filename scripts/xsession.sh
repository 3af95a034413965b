# Helpers for a private X session: an Xvfb, a tray host, a throw-away home; sourced by the test scripts.

# Starts Xvfb on a free display (1280x800, or the WIDTHxHEIGHT given) and exports DISPLAY, SCREEN_WIDTH and
# SCREEN_HEIGHT. -noreset keeps it from resetting when its last client
# leaves; -displayfd makes it pick a free display number and tell us which.
start_xserver() {
    local size="${1:-1280x800}" fifo
    SCREEN_WIDTH=${size%x*}
    SCREEN_HEIGHT=${size#*x}
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    local number
    if ! read -r -t 20 number <"$fifo"; then
        rm -f "$fifo"
        echo "Xvfb did not start" >&2
        return 1
    fi
    rm -f "$fifo"
    export DISPLAY=":$number"
    # An X server of its own, not XWayland: a Wayland session's rules must not reach the tests from the desktop.
    unset WAYLAND_DISPLAY
    # Window managers and tray hosts wait for this property; set it so they start at once.
    xprop -root -f _NET_NUMBER_OF_DESKTOPS 32c -set _NET_NUMBER_OF_DESKTOPS 1
}

stop_xserver() {
    [[ -n "${TRAY_PID:-}" ]] && kill "$TRAY_PID" 2>/dev/null && wait "$TRAY_PID" 2>/dev/null
    [[ -n "${XVFB_PID:-}" ]] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    TRAY_PID=""
    XVFB_PID=""
    return 0
}

# Starts tint2 with the given configuration and waits until the tray selection has an owner, as told by
# the probe program given as second argument.
start_tray_host() {
    local config="$1" probe="$2"
    tint2 -c "$config" >/dev/null 2>&1 &
    TRAY_PID=$!
    local deadline=$((SECONDS + 30))
    while ((SECONDS < deadline)); do
        QT_QPA_PLATFORM=xcb "$probe" 2>/dev/null && return 0
        sleep 0.1
    done
    echo "the tray host did not take the tray selection" >&2
    return 1
}

# Points HOME, the XDG folders and the runtime folder (where the single-instance socket lives) into DIR, so
# that the app under test never reads or writes the user's own, and makes Qt use the X server.
use_private_home() {
    local dir="$1"
    export HOME="$dir" XDG_CONFIG_HOME="$dir/.config" XDG_RUNTIME_DIR="$dir/runtime" QT_QPA_PLATFORM=xcb
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}

# Ends the app under test (APP_PID), the tray host and the X server.
end_session() {
    [[ -n "${APP_PID:-}" ]] && kill "$APP_PID" 2>/dev/null
    APP_PID=""
    stop_xserver
}

# The windows of the app under test (APP_PID): the first visible one for which an arithmetic test on its
# X, Y, WIDTH and HEIGHT holds, with those then set. The panel is at least 200 wide and narrower than the
# screen (the tray icon is tiny, the loupe covers a screen).
our_window() { # our_window TEST...
    local window
    for window in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$window")"
        # shellcheck disable=SC2004
        if (($*)); then
            echo "$window"
            return 0
        fi
    done
    return 1
}
panel_window() { our_window "WIDTH >= 200 && WIDTH < SCREEN_WIDTH"; }
panel_shown() { panel_window >/dev/null; }
panel_hidden() { ! panel_window >/dev/null; }
tray_icon_window() { our_window "WIDTH <= 64"; }
tray_icon_shown() { tray_icon_window >/dev/null; }

click_window_at() { # click_window_at WINDOW X Y  (coordinates inside the window; negative: from the far edge)
    local window="$1" x="$2" y="$3"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    ((x < 0)) && x=$((WIDTH + x))
    ((y < 0)) && y=$((HEIGHT + y))
    xdotool mousemove $((X + x)) $((Y + y)) click 1
}
