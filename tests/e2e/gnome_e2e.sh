#!/usr/bin/env bash
# End to end under the real GNOME Shell 43, its AppIndicator extension as the tray host and GNOME's portal,
# on Wayland (headless; Tessellon through XWayland) or on X11 (an Xvfb), on buses of their own. The shell runs
# in unsafe mode (a test-only extension) so that its Eval answers: input goes through Clutter's virtual
# devices, the screen and the clipboard are read through the shell.
# Usage: gnome_e2e.sh TESSELLON wayland|x11   (screenshots go to $TESSELLON_E2E_SHOTS when set)
set -uo pipefail

# shellcheck source=common.sh
source "$(dirname "$0")/common.sh"
run_on_own_bus "$@"

prepare_work
app="$1"
mode="$2"
# shellcheck source=../../scripts/xsession.sh
source "$here/../../scripts/xsession.sh"

export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_DATA_HOME="$WORK/home/.local/share"
export XDG_RUNTIME_DIR="$WORK/runtime" XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE="$mode"
# GLib's settings in a file of the test's own, read by the shell, the portal and gsettings alike.
export GSETTINGS_BACKEND=keyfile
# Only GNOME's portal backend, whatever else is installed.
export XDG_DESKTOP_PORTAL_DIR="$WORK/portals"
mkdir -p "$XDG_CONFIG_HOME/glib-2.0/settings" "$XDG_RUNTIME_DIR" "$XDG_DESKTOP_PORTAL_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cp /usr/share/xdg-desktop-portal/portals/gnome{,-shell}.portal "$XDG_DESKTOP_PORTAL_DIR/"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

cleanup() {
    kill ${APP_PID:-} ${PORTAL_PID:-} ${BACKEND_PID:-} ${SHELL_PID:-} ${SYSTEM_BUS_PID:-} 2>/dev/null
    stop_xserver
    wait 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

describe_failure() {
    echo "         panel: $(shell_eval 'panel()')"
    [[ -s "$WORK/app.log" ]] && sed 's/^/         app: /' "$WORK/app.log" | tail -10
    return 0
}

# The shell's JavaScript, its answer on stdout (a string without its quotes); fails when the shell refused.
shell_eval() {
    local answer
    answer=$(gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
        --method org.gnome.Shell.Eval "$1" 2>/dev/null) || return 1
    [[ "$answer" == "(true, "* ]] || return 1
    answer=${answer#"(true, '"} && answer=${answer%"')"} && answer=${answer#\"}
    printf '%s\n' "${answer%\"}"
}

start_system_bus

# A test-only extension that turns unsafe mode on, so that Eval and the Screenshot interface answer. The
# AppIndicator extension is off until Tessellon runs: the tray host comes after it, as at login.
unsafe="$XDG_DATA_HOME/gnome-shell/extensions/tessellon-test@tessellon"
mkdir -p "$unsafe"
echo '{"uuid": "tessellon-test@tessellon", "name": "Tests", "description": "-", "shell-version": ["43"]}' >"$unsafe/metadata.json"
echo 'function init() { return { enable() { global.context.unsafe_mode = true; }, disable() {} }; }' >"$unsafe/extension.js"
cat >"$XDG_CONFIG_HOME/glib-2.0/settings/keyfile" <<EOF
[org/gnome/shell]
enabled-extensions=['tessellon-test@tessellon']
welcome-dialog-last-shown-version='999'
EOF

if [[ "$mode" == wayland ]]; then
    gnome-shell --wayland --headless --virtual-monitor 1280x800 --wayland-display=wayland-gnome >"$WORK/shell.log" 2>&1 &
else
    start_xserver 1280x800
    gnome-shell --x11 --replace >"$WORK/shell.log" 2>&1 &
fi
SHELL_PID=$!
shell_up() { [[ "$(shell_eval 'global.context.unsafe_mode')" == true ]]; }
wait_for 60 shell_up || { echo "FAIL!  : GNOME Shell did not start in unsafe mode" && tail "$WORK/shell.log" && exit 1; }
if [[ "$mode" == wayland ]]; then
    export WAYLAND_DISPLAY=wayland-gnome
    xwayland_up() { grep -q "Using public X11 display" "$WORK/shell.log" && compgen -G "$XDG_RUNTIME_DIR/.mutter-Xwaylandauth.*" >/dev/null; }
    wait_for 20 xwayland_up
    DISPLAY=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$WORK/shell.log")
    XAUTHORITY=$(compgen -G "$XDG_RUNTIME_DIR/.mutter-Xwaylandauth.*") && export DISPLAY XAUTHORITY
fi

# Helpers in the shell: our panel ("x y width height x11 skip-taskbar in-alt-tab focus can-maximise"), input,
# the clipboard.
shell_eval "
const { Clutter, Meta, St } = imports.gi;
const seat = Clutter.get_default_backend().get_default_seat();
const pointer = seat.create_virtual_device(Clutter.InputDeviceType.POINTER_DEVICE);
const keyboard = seat.create_virtual_device(Clutter.InputDeviceType.KEYBOARD_DEVICE);
const now = () => global.get_current_time() * 1000;
const ours = () => global.get_window_actors().map(a => a.meta_window).filter(w => w.get_pid() == global.tessellonPid);
globalThis.panel = () => ours().filter(w => w.title == 'Tessellon').map(w => { const r = w.get_frame_rect(); return [r.x, r.y, r.width, r.height, w.get_client_type() == Meta.WindowClientType.X11, w.is_skip_taskbar(), global.display.get_tab_list(Meta.TabList.NORMAL, null).includes(w), w.has_focus(), w.can_maximize()].join(' '); })[0] || '';
globalThis.click = (x, y, times) => { pointer.notify_absolute_motion(now(), x, y); for (let i = 0; i < times; i++) { pointer.notify_button(now(), 1, Clutter.ButtonState.PRESSED); pointer.notify_button(now(), 1, Clutter.ButtonState.RELEASED); } return 'ok'; };
globalThis.key = code => { keyboard.notify_key(now(), code, Clutter.KeyState.PRESSED); keyboard.notify_key(now(), code, Clutter.KeyState.RELEASED); return 'ok'; };
globalThis.readClipboard = () => { globalThis.clipboard = null; St.Clipboard.get_default().get_text(St.ClipboardType.CLIPBOARD, (c, text) => { globalThis.clipboard = text || ''; }); return 'ok'; };
globalThis.icon = () => Object.entries(imports.ui.main.panel.statusArea).filter(([k]) => k.startsWith('appindicator')).map(([k, v]) => { const [x, y] = v.get_transformed_position(); const [w, h] = v.get_transformed_size(); return [Math.round(x + w / 2), Math.round(y + h / 2)].join(' '); })[0] || '';
imports.ui.main.messageTray.bannerBlocked = true;
globalThis.menuItem = label => { const item = Object.entries(imports.ui.main.panel.statusArea).filter(([k]) => k.startsWith('appindicator')).filter(([k, v]) => v.menu.isOpen).flatMap(([k, v]) => v.menu._getMenuItems()).find(i => i.label && i.label.text == label); if (!item) return ''; const [x, y] = item.get_transformed_position(); const [w, h] = item.get_transformed_size(); return [Math.round(x + w / 2), Math.round(y + h / 2)].join(' '); };
imports.ui.main.layoutManager.connect('startup-complete', () => imports.ui.main.overview.hide());
if (!imports.ui.main.layoutManager._startingUp) imports.ui.main.overview.hide();
'ok'" >/dev/null
# At rest on the bare desktop, as after a login: nothing modal (the overview shown at start holds the focus).
desktop_at_rest() {
    [[ "$(shell_eval 'String(!imports.ui.main.layoutManager._startingUp && !imports.ui.main.overview.visible && imports.ui.main.modalCount == 0)')" == true ]] && return 0
    shell_eval 'imports.ui.main.overview.hide()' >/dev/null
    return 1
}
wait_for 30 desktop_at_rest

click_at() { [[ "$(shell_eval "click($1, $2, ${3:-1})")" == ok ]]; }
press_key() { [[ "$(shell_eval "key($1)")" == ok ]]; }
grab_screen() {
    gdbus call --session --dest org.gnome.Shell.Screenshot --object-path /org/gnome/Shell/Screenshot \
        --method org.gnome.Shell.Screenshot.Screenshot false false "$1" >/dev/null 2>&1
}
# The shell reads the clipboard as any Wayland client would (wl-paste would take the focus on GNOME).
clipboard_read() { [[ "$(shell_eval 'String(clipboard)')" != null ]]; }
clipboard() {
    shell_eval 'readClipboard()' >/dev/null || return 1
    wait_for 5 clipboard_read && shell_eval 'clipboard'
}

read_panel() { read -r X Y WIDTH HEIGHT x11 skip alttab focus maximise < <(shell_eval 'panel()') && [[ -n "${X:-}" ]]; }
panel_shown() { read_panel; }
panel_hidden() { ! read_panel; }
# On the 1280x800 screen, below the 32-pixel bar, at its own size; at the icon: just below it, across its x.
panel_on_screen() { read_panel && ((X >= 0 && Y >= 32 && X + WIDTH <= 1280 && Y + HEIGHT <= 800 && WIDTH <= 470 && HEIGHT <= 650)); }
panel_at_icon() { panel_on_screen && ((Y <= 40 && X <= icon_x && icon_x <= X + WIDTH)); }
out_of_task_list() { read_panel && [[ "$skip" == true && "$alttab" == false ]]; }
escape_when_focused() { wait_for 10 eval 'read_panel && [[ "$focus" == true ]]' && press_key 1; } # once it has the keyboard

# The GNOME portal, as the session starts it: the backend needs the display.
/usr/libexec/xdg-desktop-portal-gnome -r >"$WORK/portal-gnome.log" 2>&1 &
BACKEND_PID=$!
wait_for 30 bus_name_owned org.freedesktop.impl.portal.desktop.gnome
/usr/libexec/xdg-desktop-portal -r >"$WORK/portal.log" 2>&1 &
PORTAL_PID=$!
check "GNOME's portal answers" wait_for 30 portal_answers

start_app() {
    # Qt's libraries keep no frame pointers: only the full unwinder reaches the Qt frame that the list of
    # Qt's own leaks names (its GNOME theme's tray icon).
    ASAN_OPTIONS="${ASAN_OPTIONS:-}:fast_unwind_on_malloc=0" "$app" 2>"$WORK/app.log" &
    APP_PID=$!
    shell_eval "global.tessellonPid = $APP_PID" >/dev/null
}
start_app
ordinary_window() { read_panel && [[ "$skip" == false && "$alttab" == true && "$maximise" == false ]]; }
check "with no tray host yet, the panel opens as an ordinary window, in Alt+Tab, of a size it keeps" \
    wait_for 20 ordinary_window
escape_when_focused
check "closing it ends Tessellon, which has no icon to come back from" wait_for 10 app_gone
start_app
wait_for 20 panel_shown
[[ "$mode" == wayland ]] && check "through XWayland" test "${x11:-}" == true
shell_eval "imports.ui.main.extensionManager.enableExtension('ubuntu-appindicators@ubuntu.com')" >/dev/null
icon_shown() { # in the bar's right half, where the indicators sit, once laid out (the same in two looks)
    local first
    first=$(shell_eval 'icon()') && sleep 0.1 && [[ "$first" == "$(shell_eval 'icon()')" ]] && read -r icon_x icon_y <<<"$first" && ((${icon_x:-0} > 640))
}
check "the icon shows in the bar once the AppIndicator extension comes, after Tessellon" wait_for 20 icon_shown
check "and the window gives way to it" wait_for 10 panel_hidden

# The extension opens the menu on a click and activates the item on a double click.
click_at "$icon_x" "$icon_y" 2
check "a double click on the icon opens the panel" wait_for 10 panel_shown
check "hanging from the icon, below the bar" wait_for 10 panel_at_icon
check "out of the task list and Alt+Tab" out_of_task_list
screenshot_when_still "$shots/e2e-gnome-$mode.png"
check_tabs
click_at 300 500
check "a press on the desktop closes it" wait_for 10 panel_hidden
click_at "$icon_x" "$icon_y" 2
wait_for 10 panel_shown
escape_when_focused
check "Escape closes it" wait_for 10 panel_hidden

# A single click opens the extension's menu, whose first item is ours. It slides open: its items are aimed
# at once they stay put.
menu_item_at_rest() { # LABEL
    local first
    first=$(shell_eval "menuItem('$1')") && sleep 0.1 && [[ "$first" == "$(shell_eval "menuItem('$1')")" ]] &&
        [[ "$first" =~ ^[0-9]+\ [0-9]+$ ]] && read -r item_x item_y <<<"$first"
}
click_menu_item() { # LABEL
    click_at "$icon_x" "$icon_y" && wait_for 3 menu_item_at_rest "$1" && click_at "$item_x" "$item_y"
}
reopen_from_menu() { click_menu_item "Open Tessellon" && wait_for 3 panel_shown; }
check "the menu's \"Open Tessellon\" opens the panel" wait_for 15 reopen_from_menu
check "at the bar's tray end, below the bar" panel_at_icon

check_live_scheme "gsettings set org.gnome.desktop.interface color-scheme" prefer-dark default \
    "$shots/e2e-gnome-$mode-dark.png"
press_key 1

picker_up() { [[ "$(shell_eval 'String(imports.ui.main.modalCount > 0)')" == true ]]; }
check_pick picker_up

press_key 1
click_menu_item "Quit Tessellon"
check "the menu's \"Quit Tessellon\" ends it" wait_for 10 app_gone
app_gone && check "with status 0" ended_well

echo "$passed passed, $failed failed"
((failed == 0))
