#!/usr/bin/env bash
# Installs the Debian packages that Tessellon needs, only when one is missing (safe to run again).
#   scripts/deps.sh        to build and run
#   scripts/deps.sh test      to build and run every test as well
#   scripts/deps.sh package   to make the Debian package and check it in a clean root
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config dpkg-dev file
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev qt6-tools-dev qt6-l10n-tools
    qt6-wayland libxcb1-dev libxcb-xinput-dev
    # The character names the glyph search is built with, and what builds them.
    unicode-data python3
    # Every glyph the catalogue shows needs a font that has it; Noto and Symbola cover them all.
    fonts-noto-core fonts-symbola
)
if [[ "${1:-}" == "test" ]]; then
    # An X server without a screen, a tray host, a private D-Bus session, and the tools that drive the app.
    packages+=(xvfb xauth tint2 dbus-daemon xdotool xclip x11-utils x11-xserver-utils imagemagick clang-format
        desktop-file-utils)
    # Real desktop components for the end-to-end tests: Xfce's panel and window manager, the desktop portal
    # and GNOME's settings tool.
    packages+=(xfce4-panel xfwm4 xfconf xdg-desktop-portal gsettings-desktop-schemas libglib2.0-bin)
    # And on Wayland: sway with waybar's tray, and what drives them (a virtual pointer we build, grim, the
    # clipboard tools, python3 to read sway's layout).
    packages+=(sway waybar grim wl-clipboard libwayland-dev libwayland-bin python3)
    # GNOME Shell with its AppIndicator extension and portal, on Wayland (with XWayland) and on X11.
    packages+=(gnome-shell gnome-shell-extension-appindicator xdg-desktop-portal-gnome xwayland)
    # Plasma on X11 (in Xephyr) and on Wayland, with KDE's portal; KWin's fake-input protocol, which our
    # pointer speaks there; Qt 5's Wayland plugin for plasmashell; python3-dbus reads KWin's screenshots.
    packages+=(plasma-workspace plasma-desktop kwin-x11 kwin-wayland xdg-desktop-portal-kde xserver-xephyr
        plasma-wayland-protocols qtwayland5 python3-dbus)
    # The second build: clang with its sanitizer runtimes.
    packages+=(clang libclang-rt-14-dev)
fi

if [[ "${1:-}" == "package" ]]; then
    # Making the Debian package and checking it in a clean Debian 12 root under an X server.
    packages+=(lintian debootstrap xvfb xauth tint2 xdotool x11-utils dbus-daemon)
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
