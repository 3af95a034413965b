#!/usr/bin/env bash
# Builds the Debian package and checks it as a user would meet it: lintian finds no error or warning; in a
# clean Debian 12 root, `apt-get install ./tessellon_*.deb` resolves its dependencies; the installed binary,
# run there under an X server with a tray host, shows its icon and opens its panel; `apt-get remove` leaves
# none of its files behind.
# The clean root is made once with debootstrap and kept as a tarball (in $TESSELLON_ROOT_CACHE, by default
# /var/cache/tessellon); every run unpacks a fresh copy of it. Needs root (chroot, mount).
set -euo pipefail
cd "$(dirname "$0")/.."
here="$(pwd)"
scripts/deps.sh package

# Hardened as Debian builds its own packages: symbols bound and relocations read-only at start-up. Laid out
# for /usr, as the package installs it (the network module in the multiarch library folder).
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSELLON_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro,-z,now" -DCMAKE_MODULE_LINKER_FLAGS="-Wl,-z,relro,-z,now" >/dev/null
cmake --build build-package
rm -f build-package/tessellon_*.deb
(cd build-package && cpack -G DEB >/dev/null)
deb=$(ls "$here"/build-package/tessellon_*.deb)
echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"
dpkg-deb --field "$deb" Depends Recommends

echo "--- lintian"
lintian --fail-on error,warning --tag-display-limit 0 "$deb"

cache="${TESSELLON_ROOT_CACHE:-/var/cache/tessellon}"
pristine="$cache/bookworm-minbase.tar"
if [[ ! -s "$pristine" ]]; then
    echo "--- making a clean Debian 12 root (once; kept in $cache)"
    mkdir -p "$cache"
    bootstrap=$(mktemp -d)
    debootstrap --variant=minbase bookworm "$bootstrap" http://deb.debian.org/debian >/dev/null
    tar -C "$bootstrap" -cf "$pristine.part" .
    mv "$pristine.part" "$pristine"
    rm -rf "$bootstrap"
fi

WORK=$(mktemp -d)
root="$WORK/root"
mkdir -p "$root"
tar -C "$root" -xf "$pristine"
mounted=()
cleanup() {
    [[ -n "${APP_PID:-}" ]] && kill "$APP_PID" 2>/dev/null
    # shellcheck source=scripts/xsession.sh
    stop_xserver 2>/dev/null || true
    local mount
    for mount in "${mounted[@]}"; do umount -l "$mount" 2>/dev/null || true; done
    rm -rf "$WORK"
}
trap cleanup EXIT
mount -t proc proc "$root/proc" && mounted+=("$root/proc")
cp /etc/resolv.conf "$root/etc/resolv.conf"
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }
# The root's files belong to root alone; apt need not drop to its own user to fetch.
apt_in_root() { in_root apt-get -o APT::Sandbox::User=root -o Dpkg::Use-Pty=0 "$@"; }

echo "--- apt-get install ./$(basename "$deb") in the clean root"
cp "$deb" "$root/tmp/"
apt_in_root update -qq
apt_in_root install -y -qq "/tmp/$(basename "$deb")" >"$WORK/install.log" 2>&1 || {
    cat "$WORK/install.log"
    exit 1
}
echo "installed with $(grep -c '^Setting up' "$WORK/install.log") packages set up"

# The X server and the tray host run out here; the installed binary runs in the root and reaches the
# server through its socket.
# shellcheck source=scripts/xsession.sh
source scripts/xsession.sh
# shellcheck source=tests/e2e/common.sh
source tests/e2e/common.sh
describe_failure() { [[ -s "$WORK/app.log" ]] && sed 's/^/         app: /' "$WORK/app.log" | tail -10; return 0; }
start_xserver
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix" && mounted+=("$root/tmp/.X11-unix")
tint2 -c tests/e2e/tint2rc >/dev/null 2>&1 &
TRAY_PID=$!
tray_up() { xdotool search --onlyvisible --classname tint2 >/dev/null 2>&1; }
wait_for 20 tray_up
mkdir -p "$root/tmp/home/runtime"
chmod 700 "$root/tmp/home/runtime"
chroot "$root" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/tmp/home XDG_RUNTIME_DIR=/tmp/home/runtime \
    DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb /usr/bin/tessellon >"$WORK/app.log" 2>&1 &
APP_PID=$!
check "the network module is where the installed binary looks for it" \
    test -f "$root/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/tessellon/tessellon-http.so"
check "the installed binary starts, and its icon appears in the tray" wait_for 30 tray_icon_shown
click_window_at "$(tray_icon_window)" 9 9
check "a click on the icon opens the panel" wait_for 10 panel_shown
kill "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=""

echo "--- apt-get remove"
apt_in_root remove -y -qq tessellon >/dev/null
left=()
while read -r path; do
    [[ -e "$root/$path" && ! -d "$root/$path" ]] && left+=("$path")
done < <(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./||')
check "apt-get remove leaves none of its files behind" test "${#left[@]}" -eq 0
((${#left[@]} == 0)) || printf '         left: %s\n' "${left[@]}"
check "and dpkg no longer knows it" bash -c "! chroot '$root' dpkg -s tessellon >/dev/null 2>&1"

echo "$passed passed, $failed failed"
((failed == 0))
