#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Movesta developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package in a release tree of its own (build/deb), checks it with lintian,
# installs it with apt-get in a
# throwaway root, starts the installed movesta there on the X server of $DISPLAY and checks that
# its window stays up. The throwaway root is this system seen through an overlay in a private
# mount namespace: whatever apt-get changes there is gone when the check ends, so a Movesta that
# this machine has installed stays exactly as it was.
#   check-deb.sh            (as root or through sudo; needs DISPLAY, e.g. under xvfb-run)
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
build="$root/build/deb"
[ -n "${DISPLAY:-}" ] || { echo "check-deb: no DISPLAY; run it under xvfb-run -a" >&2; exit 1; }

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "check-deb: run as root or install sudo" >&2; exit 1; }
    as_root=(sudo)
fi

log="$(mktemp)"
work="$(mktemp -d)"
trap 'rm -rf "$log" "$work"' EXIT
fail() {
    echo "check-deb: $*" >&2
    sed 's/^/  | /' "$log" | tail -40 >&2
    exit 1
}
step() { "$@" >>"$log" 2>&1; }

# The package installs under /usr, so the program is built for that prefix.
step cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMOVESTA_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr || fail "configure failed"
step cmake --build "$build" -j2 || fail "build failed"
rm -f "$build"/movesta_*.deb
(cd "$build" && step cpack -G DEB) || fail "cpack failed"
deb="$(ls "$build"/movesta_*.deb 2>/dev/null | head -n1)"
[ -n "$deb" ] || fail "cpack made no package"
depends="$(dpkg-deb -f "$deb" Depends)"
for needed in qt6-qpa-plugins libqt6widgets6; do
    grep -q "\b$needed\b" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
# Debian's own checker: no error and no warning. Informational tags stay (see the README).
lintian --fail-on error,warning --no-tag-display-limit "$deb" >>"$log" 2>&1 ||
    fail "lintian reports errors or warnings: $(grep -E '^[EW]:' "$log" | tr '\n' ' ')"
cp "$deb" "$work/movesta.deb"

# Inside the throwaway root: install, check the files, start the program and look for its window.
cat >"$work/inside.sh" <<'INSIDE'
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get install -y --no-install-recommends --reinstall "$1" >/dev/null
[ "$(command -v movesta)" = /usr/bin/movesta ] || { echo "movesta is not /usr/bin/movesta"; exit 1; }
[ -f /usr/share/movesta/product_page/index.html ] || { echo "the package holds no product page"; exit 1; }
[ -f /usr/share/applications/movesta.desktop ] || { echo "the package holds no launcher"; exit 1; }
env -u QT_QPA_PLATFORM QT_QPA_PLATFORM=xcb movesta >/dev/null 2>&1 &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT
window=""
for _ in $(seq 100); do
    window="$(xwininfo -root -tree 2>/dev/null | awk '/"Movesta": \(/ {print $1; exit}')"
    [ -n "$window" ] && break
    kill -0 "$app" 2>/dev/null || { echo "movesta ended at start"; exit 1; }
    sleep 0.1
done
[ -n "$window" ] || { echo "no window named Movesta appeared"; exit 1; }
sleep 3
kill -0 "$app" 2>/dev/null || { echo "movesta ended within 3 s of showing its window"; exit 1; }
xwininfo -id "$window" | grep -q "Map State: IsViewable" || { echo "the Movesta window is not mapped"; exit 1; }
INSIDE

# The overlay's upper layer is a tmpfs of the namespace: it vanishes with it.
step "${as_root[@]}" unshare --mount --propagation private bash -c '
    set -e
    work=$1; display=$2
    mkdir -p "$work/upper" "$work/root"
    mount -t tmpfs tmpfs "$work/upper"
    mkdir "$work/upper/data" "$work/upper/work"
    mount -t overlay overlay -o "lowerdir=/,upperdir=$work/upper/data,workdir=$work/upper/work" "$work/root"
    for dir in /proc /sys /dev /dev/pts /tmp; do mount --rbind "$dir" "$work/root$dir"; done
    DISPLAY=$display chroot "$work/root" bash "$work/inside.sh" "$work/movesta.deb"
' check "$work" "$DISPLAY" || fail "the package did not install and start in the throwaway root"

echo "deb: $(basename "$deb") installs and starts in a throwaway root; Depends: $depends"
