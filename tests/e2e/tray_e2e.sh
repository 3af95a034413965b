#!/usr/bin/env bash
# End to end on the real binary, each scenario on its own X server with a throw-away home: the tray icon,
# clicks on it, Escape, focus loss, a second launch (its startup id on the panel's window), warnings printed
# unasked, our own loupe picking by click and by key on two screens, Quit; every tab on screen and on the
# bar's side, tab clicks that leave the panel open and presses outside that close it, under tint2 and Xfce's
# panel along the top and the bottom (started after Tessellon there); and the icon finder on a self-hosted
# Iconify API (the tests' stand-in), by the keyboard.
# Usage: tray_e2e.sh TESSELLON TRAY_PROBE ICONIFY_SERVER
#   (needs xdotool, xprop, xrandr, xclip, import, display, tint2, xfce4-panel, xfwm4, xfconfd, Xvfb)
# Screenshots go to $TESSELLON_E2E_SHOTS when set.
set -uo pipefail

# shellcheck source=common.sh
source "$(dirname "$0")/common.sh"
run_on_own_bus "$@"

prepare_work
app="$1"
probe="$2"
iconify_server="$3"
# shellcheck source=../../scripts/xsession.sh
source "$here/../../scripts/xsession.sh"
trap 'end_session; rm -rf "$WORK"' EXIT

# What the X server shows of our process, to tell a hang from a misplaced or unmapped window.
describe_failure() {
    [[ -n "${APP_PID:-}" ]] || return 0
    local window
    for window in $(xdotool search --pid "$APP_PID" 2>/dev/null); do
        echo "         window $window \"$(xdotool getwindowname "$window" 2>/dev/null)\"" \
            "$(xwininfo -id "$window" 2>/dev/null | grep -E 'Map State|-geometry' | tr -s ' \n' ' ')"
    done
    [[ -s "$WORK/app.log" ]] && sed 's/^/         app: /' "$WORK/app.log" | tail -20
    return 0
}

# The loupe covers a screen.
overlay_shown() { our_window "WIDTH == SCREEN_WIDTH" >/dev/null; }
panel_width_is() { panel_window >/dev/null && ((WIDTH == $1)); }

grab_screen() { import -window root "$1" 2>/dev/null; }

# The panel's geometry, read twice in a row the same: the size spring has come to rest.
panel_at_rest() {
    local first
    panel_window >/dev/null || return 1
    first="$X $Y $WIDTH $HEIGHT"
    sleep 0.1
    panel_window >/dev/null && [[ "$first" == "$X $Y $WIDTH $HEIGHT" ]]
}

# The resting panel lies wholly on the screen and off the bar, on the bar's side: below a top
# bar, above a bottom one. BAR is the bar's window.
panel_placed_well() { # panel_placed_well top|bottom BAR
    local edge="$1" bar="$2"
    panel_window >/dev/null || return 1
    local px=$X py=$Y pw=$WIDTH ph=$HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$bar")"
    echo "         panel ${pw}x${ph} at $px,$py; bar ${WIDTH}x${HEIGHT} at $X,$Y"
    ((px >= 0 && py >= 0 && px + pw <= SCREEN_WIDTH && py + ph <= SCREEN_HEIGHT)) || return 1
    if [[ "$edge" == top ]]; then ((py >= Y + HEIGHT)); else ((py + ph <= Y)); fi
}

# With no window manager here, nobody works out the screen area that the bar leaves free; do as a window
# manager does from the bar's struts, so the program sees what it sees on a desktop.
set_work_area_beside() { # BAR
    eval "$(xdotool getwindowgeometry --shell "$1")"
    if ((Y == 0)); then
        xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0, $HEIGHT, $SCREEN_WIDTH, $((SCREEN_HEIGHT - HEIGHT))"
    else
        xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0, 0, $SCREEN_WIDTH, $Y"
    fi
}

# Every tab, opened from the command line, leaves the panel where it belongs; then a press outside the
# panel that moves no focus (on the bare desktop, on the bar beside the icon) closes it.
check_placement_and_outside_clicks() { # EDGE BAR X  (X: a point on the bar away from the icon)
    local edge="$1" bar="$2" beside="$3" tab
    [[ -n "${WM_PID:-}" ]] || set_work_area_beside "$bar"
    for tab in placeholders color text icons glyphs textTools; do
        "$app" --tab "$tab"
        wait_for 10 panel_shown && wait_for 10 panel_at_rest
        check "$edge bar, $tab: the panel stays on screen, on the bar's side" panel_placed_well "$edge" "$bar"
    done
    screenshot_when_still "$shots/e2e-$kind-$edge-text-tools.png"
    # Tabs clicked one after another: each click resizes and moves the panel, and is still a click on it.
    local i
    for i in 0 1 2 3 4 5 0 5 1 4 2 3; do
        panel_window >/dev/null || break
        click_window_at "$(panel_window)" $((12 + (WIDTH - 24) * (2 * i + 1) / 12)) 22
        wait_for 10 panel_at_rest
        check "$edge bar: a click on tab $i leaves the panel open" panel_shown
    done
    xdotool mousemove 640 400 click 1
    check "$edge bar: a press on the bare desktop closes the panel" wait_for 10 panel_hidden
    "$app"
    wait_for 10 panel_shown
    eval "$(xdotool getwindowgeometry --shell "$bar")"
    xdotool mousemove $((X + beside)) $((Y + HEIGHT / 2)) click 1
    check "$edge bar: a press on the bar beside the icon closes the panel" wait_for 10 panel_hidden
}

# "Quit Tessellon" sits at the right end of the footer's last row.
click_quit() { click_window_at "$(panel_window)" -45 -16; }

echo "--- with a tray host, on two screens side by side"
use_private_home "$WORK/tray"
start_xserver 2560x800
# Two monitors on one X screen, as a laptop with a second display has them.
xrandr --setmonitor left 1280/338x800/211+0+0 screen >/dev/null
xrandr --setmonitor right 1280/338x800/211+1280+0 none >/dev/null
SCREEN_WIDTH=1280
start_tray_host "$here/tint2rc" "$probe"
# Something of a known colour on the left screen, for the pick by key.
convert -size 200x200 xc:'#12AB34' "$WORK/green.png"
display -geometry +50+300 "$WORK/green.png" >/dev/null 2>&1 &
DISPLAY_PID=$!
QT_MESSAGE_PATTERN="%{time process} %{message}" "$app" 2>"$WORK/app.log" &
APP_PID=$!
check "the tray icon appears" wait_for 20 tray_icon_shown
check "launching shows only the tray icon" panel_hidden

icon=$(tray_icon_window)
click_window_at "$icon" 9 9
check "a click on the icon opens the panel" wait_for 10 panel_shown
check "the panel is 300 wide" panel_width_is 300
screenshot_when_still "$shots/e2e-tray-panel.png"

xdotool key Escape
check "Escape closes the panel" wait_for 10 panel_hidden

# As a launcher starts it, with a startup id for the window manager's focus-stealing prevention.
DESKTOP_STARTUP_ID="tessellon-e2e_TIME4242" "$app"
check "a second launch opens the running instance's panel" wait_for 10 panel_shown
startup_id_on_panel() { xprop -id "$(panel_window)" _NET_STARTUP_ID 2>/dev/null | grep -q '"tessellon-e2e_TIME4242"'; }
check "the launch's startup id is on the panel's window" startup_id_on_panel
# What fails is said without being asked for: a tab nobody has, asked for over D-Bus.
gdbus call --session --dest io.github.tessellon.Tessellon --object-path /io/github/tessellon/Tessellon \
    --method org.freedesktop.Application.ActivateAction show-tab "[<'nope'>]" {} >/dev/null 2>&1
check "a warning reaches standard error unasked" wait_for 5 grep -q "No tab called" "$WORK/app.log"

click_window_at "$icon" 9 9
check "a click on the icon while the panel is open closes it" wait_for 10 panel_hidden
click_window_at "$icon" 9 9
check "the next click opens it again" wait_for 10 panel_shown

# Another window takes the keyboard focus, as a click elsewhere does under a window manager.
elsewhere=$(xdotool search --onlyvisible --classname tint2 | head -1)
xdotool windowfocus "$elsewhere"
check "the panel closes when it loses focus" wait_for 10 panel_hidden
"$app"
check "and opens again from a second launch" wait_for 10 panel_shown
wait_for 10 panel_at_rest

clipboard_is() { [[ "$(xclip -selection clipboard -o 2>/dev/null)" == "$1" ]]; }

# The colour tab's own loupe (the test's session bus has no desktop portal): the picked colour must be the
# screen's pixel under the pointer, on the clipboard, and the panel must come back showing it.
panel=$(panel_window)
click_window_at "$panel" 75 22
eval "$(xdotool getwindowgeometry --shell "$panel")"
target_x=$((X + 60)) target_y=$((Y + 30))
# Once the tab's highlight has come to rest: the pixel that the loupe's grab will hold.
screenshot_when_still "$WORK/before-pick.png"
expected=$(pixel "$WORK/before-pick.png" "$target_x" "$target_y")
click_window_at "$panel" 150 94
check "Pick Color opens the loupe" wait_for 10 overlay_shown
xdotool mousemove "$target_x" "$target_y" click 1
check "a click in the loupe copies the pixel's colour ($expected)" wait_for 10 clipboard_is "$expected"
check "the panel comes back after the pick" wait_for 10 panel_shown
screenshot_when_still "$shots/e2e-picked-colour.png"
# Back through the app's own way in: the watch for presses elsewhere runs again.
xdotool mousemove 640 700 click 1
check "after the pick, a press on the bare desktop closes the panel" wait_for 10 panel_hidden
"$app"
wait_for 10 panel_shown
# A key in the loupe picks the pixel under the pointer, whichever screen's overlay has the keyboard.
click_window_at "$(panel_window)" 75 22
wait_for 10 panel_at_rest
click_window_at "$(panel_window)" 150 94
check "Pick Color opens the loupe again" wait_for 10 overlay_shown
xdotool mousemove 150 400
xdotool windowfocus --sync "$(our_window "X == SCREEN_WIDTH && WIDTH == SCREEN_WIDTH")"
xdotool key Return
check "Return copies the colour under the pointer, on the other screen" wait_for 10 clipboard_is "#12AB34"
check "and the panel comes back" wait_for 10 panel_shown

click_quit
check "Quit Tessellon ends the process" wait_for 10 app_gone
app_gone && check "it exits with status 0" ended_well && APP_PID=""
kill "$DISPLAY_PID" 2>/dev/null
wait "$DISPLAY_PID" 2>/dev/null
end_session

# The bars people have, along the top and along the bottom; along the bottom each starts after Tessellon,
# as it may at login. tint2 hosts the XEmbed icon, at 2x along the top; Xfce's panel under its own window
# manager hosts our StatusNotifierItem in its notification area, the bar's last item.
xfce_bar() {
    local window
    for window in $(xdotool search --onlyvisible --classname xfce4-panel 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$window")"
        ((WIDTH >= 1000)) && echo "$window" && return 0
    done
    return 1
}
bar_window() { if [[ "$kind" == tint2 ]]; then xdotool search --onlyvisible --classname tint2 | head -1; else xfce_bar; fi; }
start_bar() {
    if [[ "$kind" == tint2 ]]; then
        sed "s/^panel_position = .*/panel_position = $edge right horizontal/" "$here/tint2rc" >"$WORK/tint2.rc"
        start_tray_host "$WORK/tint2.rc" "$probe"
    else
        xfce4-panel >"$WORK/xfce4-panel.log" 2>&1 &
        XFCE_PANEL_PID=$!
        wait_for 20 xfce_bar
    fi
}
icon_registered() { if [[ "$kind" == tint2 ]]; then tray_icon_shown; else registered_with_watcher; fi; }
for setup in "tint2 top 2560x1600 2" "tint2 bottom 1280x800 1" "xfce top 1280x800 1" "xfce bottom 1280x800 1"; do
    read -r kind edge size scale <<<"$setup"
    echo "--- $kind along the $edge, Tessellon at ${scale}x"
    use_private_home "$WORK/$kind-$edge"
    if [[ "$kind" == xfce ]]; then
        mkdir -p "$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml"
        position="p=6;x=0;y=0"
        [[ "$edge" == bottom ]] && position="p=10;x=0;y=0"
        sed "s/POSITION/$position/" "$here/xfce4-panel.xml" \
            >"$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml/xfce4-panel.xml"
    fi
    start_xserver "$size"
    if [[ "$kind" == xfce ]]; then
        /usr/lib/x86_64-linux-gnu/xfce4/xfconf/xfconfd >/dev/null 2>&1 &
        XFCONFD_PID=$!
        xfwm4 --compositor=off >/dev/null 2>&1 &
        WM_PID=$!
    fi
    [[ "$edge" == top ]] && check "the bar starts" start_bar
    QT_SCALE_FACTOR=$scale "$app" 2>"$WORK/app.log" &
    APP_PID=$!
    if [[ "$edge" == bottom ]]; then
        check "with no tray yet, the panel opens as a window" wait_for 20 panel_shown
        check "the bar starts after Tessellon" start_bar
        check "the window gives way to the icon" wait_for 20 panel_hidden
    fi
    check "the icon registers with the bar" wait_for 20 icon_registered
    bar=$(bar_window)
    # Xfce draws the icon a moment after it has registered: a click that opened nothing is tried again.
    click_icon() {
        if [[ "$kind" == tint2 ]]; then
            click_window_at "$(tray_icon_window)" 9 9
        else
            eval "$(xdotool getwindowgeometry --shell "$bar")"
            xdotool mousemove $((X + WIDTH - 14)) $((Y + HEIGHT / 2)) click 1
        fi
        wait_for 3 panel_shown
    }
    check "a click on the icon opens the panel" wait_for 15 click_icon
    check "the panel is $((300 * scale)) pixels ($scale x 300) wide" panel_width_is $((300 * scale))
    screenshot_when_still "$shots/e2e-$kind-$edge.png"
    xdotool key Escape
    check "Escape closes the panel" wait_for 10 panel_hidden
    # The tray's icon sits at the left of tint2's short bar, at the right end of Xfce's.
    check_placement_and_outside_clicks "$edge" "$bar" "$([[ "$kind" == tint2 ]] && echo 150 || echo 640)"
    [[ "$kind" == xfce ]] && kill "$XFCE_PANEL_PID" "$XFCONFD_PID" "$WM_PID" 2>/dev/null &&
        wait "$XFCE_PANEL_PID" "$XFCONFD_PID" "$WM_PID" 2>/dev/null
    WM_PID=""
    end_session
done

echo "--- the icon finder on a self-hosted Iconify API: the tests' stand-in, over loopback"
use_private_home "$WORK/icons"
start_xserver
start_tray_host "$here/tint2rc" "$probe"
"$iconify_server" "$WORK/iconify.log" >"$WORK/iconify.url" &
SERVER_PID=$!
wait_for 10 test -s "$WORK/iconify.url"
TESSELLON_ICONIFY_API=$(<"$WORK/iconify.url") "$app" 2>"$WORK/app.log" &
APP_PID=$!
wait_for 20 tray_icon_shown
"$app" --tab icons
wait_for 10 panel_shown && wait_for 10 panel_at_rest
asked() { grep -qxF "$1" "$WORK/iconify.log"; }
copied_svg() { [[ "$(xclip -selection clipboard -o 2>/dev/null)" == "<svg"*"</svg>" ]]; }
# The search field has the keyboard when the tab opens.
xdotool type --delay 20 home
check "a search reaches the self-hosted API" wait_for 10 asked "/search?query=home&limit=48"
wait_for 10 asked "/tabler/home.svg" && wait_for 10 panel_at_rest
xclip -selection clipboard <<<"before"
# Tab from the field: the click action, the set chips, the grid's one stop.
xdotool key Tab Tab Tab Return
check "Return on a tile copies its SVG" wait_for 10 copied_svg
screenshot_when_still "$shots/e2e-icons.png"
kill "$SERVER_PID"
wait "$SERVER_PID" 2>/dev/null
end_session

echo "$passed passed, $failed failed"
((failed == 0))
