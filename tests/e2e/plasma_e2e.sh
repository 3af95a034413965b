#!/usr/bin/env bash
# End to end under the real Plasma 5.27: KWin on X11 (in a full-screen Xephyr on an Xvfb) or on Wayland
# (headless, Tessellon through XWayland), plasmashell's system tray, kded's StatusNotifierWatcher and KDE's
# portal, on buses of their own. What KWin makes of our windows is read through its scripting. On X11 input
# goes into the Xvfb, which Xephyr passes on, and the screen is read there: KWin's picker grabs its X server,
# which holds every client of it meanwhile. On Wayland input goes through KWin's fake input (wl_pointer), the
# screen is read through its ScreenShot2 interface.
# Usage: plasma_e2e.sh TESSELLON WL_POINTER x11|wayland   (screenshots go to $TESSELLON_E2E_SHOTS when set)
set -uo pipefail

# shellcheck source=common.sh
source "$(dirname "$0")/common.sh"
run_on_own_bus "$@"

prepare_work
app="$1"
pointer_tool="$2"
mode="$3"
# shellcheck source=../../scripts/xsession.sh
source "$here/../../scripts/xsession.sh"

export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_DATA_HOME="$WORK/home/.local/share"
export XDG_RUNTIME_DIR="$WORK/runtime" XDG_CURRENT_DESKTOP=KDE XDG_SESSION_TYPE="$mode"
# What a real Plasma session sets, and what Tessellon tells Plasma by.
export KDE_FULL_SESSION=true KDE_SESSION_VERSION=5 XDG_SESSION_DESKTOP=KDE
export XDG_DESKTOP_PORTAL_DIR="$WORK/portals"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$XDG_DESKTOP_PORTAL_DIR" "$XDG_DATA_HOME/icons/hicolor/symbolic/apps"
chmod 700 "$XDG_RUNTIME_DIR"
cp /usr/share/xdg-desktop-portal/portals/kde.portal "$XDG_DESKTOP_PORTAL_DIR/"
# The symbolic icon where the package installs it, for the tray to draw by name.
cp "$here/../../packaging/tessellon-symbolic.svg" "$XDG_DATA_HOME/icons/hicolor/symbolic/apps/"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

cleanup() {
    kill ${APP_PID:-} ${SHELL_PIDS:-} ${SESSION_PIDS:-} ${KWIN_PID:-} ${XEPHYR_PID:-} ${SYSTEM_BUS_PID:-} 2>/dev/null
    [[ -n "${POINTER_PID:-}" ]] && kill "$POINTER_PID" 2>/dev/null
    stop_xserver
    wait 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

describe_failure() {
    echo "         panel: $(read_panel && echo "$X $Y $WIDTH $HEIGHT"), icon: ${icon_x:-?} ${icon_y:-?}"
    [[ -s "$WORK/app.log" ]] && sed 's/^/         app: /' "$WORK/app.log" | tail -10
    return 0
}

start_system_bus
if [[ "$mode" == wayland ]]; then
    # A copy: the installed binary's file capabilities make the loader refuse it in a container.
    cp /usr/bin/kwin_wayland "$WORK/kwin_wayland"
    KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 "$WORK/kwin_wayland" --virtual \
        --xwayland --width 1280 --height 800 --socket wayland-plasma --no-lockscreen \
        "sh -c 'echo \$DISPLAY >$WORK/xwayland; exec sleep infinity'" >"$WORK/kwin.log" 2>&1 &
    KWIN_PID=$!
    wait_for 30 test -s "$WORK/xwayland" || { echo "FAIL!  : KWin did not start" && tail "$WORK/kwin.log" && exit 1; }
    DISPLAY=$(<"$WORK/xwayland") && export DISPLAY WAYLAND_DISPLAY=wayland-plasma
    coproc POINTER { "$pointer_tool" 1280 800 2>&1; }
    read -r -t 10 ready <&"${POINTER[0]}" && [[ "$ready" == ready ]] || { echo "FAIL!  : no fake input" && exit 1; }
    pointer() { local answer && printf '%s\n' "$@" >&"${POINTER[1]}" && for _ in "$@"; do read -r -t 5 answer <&"${POINTER[0]}"; done; }
    click_at() { pointer "move $1 $2" && pointer "click ${3:-}"; }
    press_keys() { local key && for key in "$@"; do pointer "key $key"; done; } # evdev codes
    clipboard() { timeout 5 wl-paste -n 2>/dev/null; }
    grab_screen() {
        /usr/bin/python3 - "$1" <<'EOF'
import os, subprocess, sys
import dbus
from dbus.types import UnixFd
r, w = os.pipe()
kwin = dbus.SessionBus().get_object('org.kde.KWin', '/org/kde/KWin/ScreenShot2')
shot = kwin.CaptureScreen('Virtual-0', dbus.Dictionary({}, signature='sv'), UnixFd(w),
                          dbus_interface='org.kde.KWin.ScreenShot2')
os.close(w)
with os.fdopen(r, 'rb') as pipe:
    data = pipe.read()
width, height, stride = int(shot['width']), int(shot['height']), int(shot['stride'])
rows = b''.join(data[y * stride:y * stride + width * 4] for y in range(height))
subprocess.run(['convert', '-size', f'{width}x{height}', '-depth', '8', 'bgra:-', sys.argv[1]], input=rows, check=True)
EOF
    }
else
    start_xserver 1280x800
    host=$DISPLAY
    mkfifo "$WORK/xephyr"
    Xephyr -displayfd 3 -fullscreen -screen 1280x800 -nolisten tcp -noreset 3>"$WORK/xephyr" >/dev/null 2>&1 &
    XEPHYR_PID=$!
    read -r -t 20 number <"$WORK/xephyr" || { echo "FAIL!  : Xephyr did not start" && exit 1; }
    export DISPLAY=":$number"
    kwin_x11 >"$WORK/kwin.log" 2>&1 &
    KWIN_PID=$!
    click_at() { DISPLAY=$host xdotool mousemove "$1" "$2" click "$([[ "${3:-}" == right ]] && echo 3 || echo 1)"; }
    press_keys() { # evdev codes, as on Wayland
        local key && for key in "$@"; do DISPLAY=$host xdotool key "$(case $key in 1) echo Escape ;; 28) echo Return ;; 103) echo Up ;; 108) echo Down ;; esac)"; done
    }
    # KWin's picker holds its X server: a read meanwhile would wait for good.
    clipboard() { timeout 2 xclip -selection clipboard -o 2>/dev/null; }
    grab_screen() { DISPLAY=$host import -window root "$1" 2>/dev/null; }
fi
wait_for 30 bus_name_owned org.kde.KWin || { echo "FAIL!  : KWin did not start" && tail "$WORK/kwin.log" && exit 1; }

# What KWin knows of the windows: "caption|x y w h|skipTaskbar skipSwitcher|dock", each line.
kwin_windows() {
    local name="facts$RANDOM"
    echo "workspace.clientList().forEach(c => print('$name|' + c.caption + '|' + [c.x, c.y, c.width, c.height].join(' ') + '|' + c.skipTaskbar + ' ' + c.skipSwitcher + '|' + c.dock)); print('$name|end');" >"$WORK/$name.js"
    gdbus call --session --dest org.kde.KWin --object-path /Scripting --method org.kde.kwin.Scripting.loadScript "$WORK/$name.js" "$name" >/dev/null &&
        gdbus call --session --dest org.kde.KWin --object-path /Scripting --method org.kde.kwin.Scripting.start >/dev/null &&
        wait_for 5 grep -q "$name|end" "$WORK/kwin.log"
    gdbus call --session --dest org.kde.KWin --object-path /Scripting --method org.kde.kwin.Scripting.unloadScript "$name" >/dev/null
    sed -n "s/.*$name|\(.*|.*|.*|.*\)/\1/p" "$WORK/kwin.log"
}
read_panel() { # X Y WIDTH HEIGHT of our panel, when it is shown
    read -r X Y WIDTH HEIGHT < <(kwin_windows | sed -n 's/^Tessellon|\([-0-9 ]*\)|.*/\1/p' | head -1) && [[ -n "${X:-}" ]]
}
panel_shown() { read_panel; }
panel_hidden() { ! read_panel; }
panel_on_screen() { read_panel && ((X >= 0 && Y >= 0 && X + WIDTH <= 1280 && Y + HEIGHT <= bar_y)); }
panel_at_icon() { panel_on_screen && ((X <= icon_x && icon_x <= X + WIDTH && Y + HEIGHT >= bar_y - 12)); }
out_of_task_list() { kwin_windows | grep -q '^Tessellon|.*|true true|false$'; }
start_app() {
    "$app" 2>>"$WORK/app.log" &
    APP_PID=$!
}

# The session's services, as Plasma starts them, and the portal.
start_session_services() {
    /usr/lib/x86_64-linux-gnu/libexec/kactivitymanagerd >"$WORK/activities.log" 2>&1 &
    SESSION_PIDS=$!
    /usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde >"$WORK/portal-kde.log" 2>&1 &
    SESSION_PIDS+=" $!"
    wait_for 30 bus_name_owned org.freedesktop.impl.portal.desktop.kde
    /usr/libexec/xdg-desktop-portal -r >"$WORK/portal.log" 2>&1 &
    SESSION_PIDS+=" $!"
}
# kded (the StatusNotifierWatcher) and plasmashell, with X11's proxy for XEmbed icons: the tray's side.
# With "busy", kded is held still once its watcher is on the bus until Tessellon has given up waiting for
# an answer, as a kded still loading its modules at login leaves it: the watcher then never says that its
# host came.
start_shell() {
    kded5 >"$WORK/kded.log" 2>&1 &
    SHELL_PIDS=$!
    if [[ "${1:-}" == busy ]] && wait_for 30 bus_name_owned org.kde.StatusNotifierWatcher; then
        kill -STOP "$SHELL_PIDS"
        wait_for 10 grep -q "did not say whether a tray shows icons" "$WORK/app.log"
        kill -CONT "$SHELL_PIDS"
    fi
    plasmashell --no-respawn >"$WORK/plasma.log" 2>&1 &
    SHELL_PIDS+=" $!"
    if [[ "$mode" == x11 ]]; then
        xembedsniproxy >"$WORK/xembedsniproxy.log" 2>&1 &
        SHELL_PIDS+=" $!"
    fi
    wait_for 30 bus_name_owned org.kde.StatusNotifierWatcher && wait_for 30 bus_name_owned org.kde.plasmashell
}
start_session_services
check "KDE's portal answers" wait_for 30 portal_answers

# At login the panel may come after Tessellon.
start_app
check "with no tray yet, the panel opens as a window" wait_for 20 panel_shown
start_shell busy
check "the icon registers with Plasma's watcher, which comes after Tessellon" wait_for 30 registered_with_watcher
check "and the window gives way to it" wait_for 20 panel_hidden
bar_at_bottom() { bar_y=$(kwin_windows | sed -n 's/^[^|]*|[0-9-]* \([0-9]*\) [0-9]* [0-9]*|.*|true$/\1/p' | head -1) && ((${bar_y:-0} > 700)); }
check "Plasma's bar is along the bottom" wait_for 30 bar_at_bottom

# Where the tray drew our icon: the left end of what changes in the bar when Tessellon quits (the icons
# after ours move up, and the clock may tick; the tray's icons are square).
find_icon() {
    local w h x y
    compare -fuzz 5% "$WORK/with-icon.png" "$WORK/without-icon.png" -compose src -highlight-color white \
        -lowlight-color black "$WORK/diff.png" 2>/dev/null
    read -r w h x y < <(convert "$WORK/diff.png" -crop "1280x$((800 - bar_y))+0+$bar_y" +repage -trim \
        -format "%w %h %X %Y\n" info: 2>/dev/null) || return 1
    ((w > 8 && h > 8 && h <= 44)) && icon_x=$((x + h / 2)) && icon_y=$((bar_y + y + h / 2))
}
locate_icon() {
    screenshot_when_still "$WORK/with-icon.png"
    "$app" --quit && wait_for 10 app_gone
    screenshot_when_still "$WORK/without-icon.png"
    find_icon && return 0
    # The clock ticked between the two: again, with Tessellon started anew.
    start_app && wait_for 20 registered_with_watcher && return 1
}
check "the icon is drawn in the bar" wait_for 90 locate_icon

# The shell before Tessellon, as on any later start.
start_app
check "the icon registers with the shell that runs before Tessellon" wait_for 20 registered_with_watcher
icon_named() { # the symbolic icon, which the tray draws in its own text colour
    dbus-send --session --print-reply --dest="$our_item" /StatusNotifierItem org.freedesktop.DBus.Properties.Get \
        string:org.kde.StatusNotifierItem string:IconName 2>/dev/null | grep -q '"tessellon-symbolic"'
}
check "by its symbolic icon's name" icon_named
click_icon() { click_at "$icon_x" "$icon_y" && wait_for 3 panel_shown; } # the tray may take a moment to draw it
check "a click on the icon opens the panel" wait_for 15 click_icon
x11_window() { xdotool search --onlyvisible --pid "$APP_PID" --name '^Tessellon$' >/dev/null 2>&1; }
[[ "$mode" == wayland ]] && check "through XWayland" x11_window
check "at the icon, above the bar" wait_for 10 panel_at_icon
check "out of the task bar and Alt+Tab" out_of_task_list
screenshot_when_still "$shots/e2e-plasma-$mode.png"
check_tabs
click_at 300 300
check "a press on the desktop closes it" wait_for 10 panel_hidden
click_icon
press_keys 1
check "Escape closes it" wait_for 10 panel_hidden

click_icon
# A new account's settings name no colours: Breeze's own, as Plasma draws its windows.
breeze_light() { read_panel && grab_screen "$WORK/look.png" && [[ "$(pixel "$WORK/look.png" $((X + 4)) $((Y + HEIGHT / 2)))" == "#EFF0F1" ]]; }
check "the panel starts in Breeze's light colours" wait_for 10 breeze_light
check_live_scheme plasma-apply-colorscheme BreezeDark BreezeLight "$shots/e2e-plasma-$mode-dark.png"
press_keys 1

# KWin's own picker, asked for through the portal with the panel closed: the panel stays away meanwhile.
dbus-monitor --session "interface='org.kde.kwin.ColorPicker'" >"$WORK/picker.log" 2>&1 &
SESSION_PIDS+=" $!"
wait_for 5 test -s "$WORK/picker.log"
picker_up() { grep -q "member=pick" "$WORK/picker.log"; }
check_pick picker_up
press_keys 1
# The clipboard's own icon came into the tray with the copy, before ours: it goes with the history.
gdbus call --session --dest org.kde.klipper --object-path /klipper \
    --method org.kde.klipper.klipper.clearClipboardHistory >/dev/null

# The watcher restarts (kded crashed, or the session was restarted): the icon comes back.
kill $SHELL_PIDS && wait $SHELL_PIDS 2>/dev/null
start_shell
check "after the shell restarts the icon registers again" wait_for 30 registered_with_watcher
check "and a click on it opens the panel" wait_for 20 click_icon
press_keys 1
wait_for 10 panel_hidden

# The menu, by the keyboard once it is up: its first item opens the panel, its last one quits.
menu_item() { # KEY CONDITION: Down for the first item, Up for the last
    grab_screen "$WORK/no-menu.png"
    click_at "$icon_x" "$icon_y" right && wait_for 3 menu_shown && press_keys "$1" 28 && wait_for 3 "$2"
}
menu_shown() { # over the desktop just above the icon
    grab_screen "$WORK/menu.png" &&
        [[ "$(pixel "$WORK/menu.png" "$icon_x" $((icon_y - 40)))" != "$(pixel "$WORK/no-menu.png" "$icon_x" $((icon_y - 40)))" ]]
}
check "the menu's \"Open Tessellon\" opens the panel" wait_for 15 menu_item 108 panel_shown
press_keys 1
wait_for 10 panel_hidden
check "the menu's \"Quit Tessellon\" ends it" wait_for 15 menu_item 103 app_gone
app_gone && check "with status 0" ended_well

echo "$passed passed, $failed failed"
((failed == 0))
