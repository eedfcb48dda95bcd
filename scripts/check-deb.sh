#!/usr/bin/env bash
# Builds the Debian package in a release tree of its own (build/deb), installs it with apt-get,
# starts the installed movesta under Xvfb, checks that it keeps running with its window mapped,
# then ends it and removes the package again.   check-deb.sh [BUILD_DIR, unused]
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
build="$root/build/deb"

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "check-deb: run as root or install sudo" >&2; exit 1; }
    as_root=(sudo)
fi
need=()
for package in dpkg-dev xvfb xauth x11-utils; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || need+=("$package")
done
if [ ${#need[@]} -gt 0 ]; then
    echo "Installing: ${need[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

log="$(mktemp)"
app=""
xvfb=""
installed_here=0
cleanup() {
    if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; fi
    if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
    if [ "$installed_here" -eq 1 ]; then
        DEBIAN_FRONTEND=noninteractive timeout 300 "${as_root[@]}" apt-get remove -y -qq movesta >>"$log" 2>&1 ||
            echo "check-deb: could not remove the package" >&2
    fi
    rm -f "$log"
}
trap cleanup EXIT
fail() {
    echo "check-deb: $*" >&2
    sed 's/^/  | /' "$log" | tail -40 >&2
    exit 1
}
step() { "$@" >>"$log" 2>&1; }

# The package installs under /usr, so the program is built for that prefix.
step timeout 300 cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMOVESTA_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr || fail "configure failed"
step timeout 1800 cmake --build "$build" -j2 || fail "build failed"
rm -f "$build"/movesta_*.deb
(cd "$build" && step timeout 600 cpack -G DEB) || fail "cpack failed"
deb="$(ls "$build"/movesta_*.deb 2>/dev/null | head -n1)"
[ -n "$deb" ] || fail "cpack made no package"
depends="$(dpkg-deb -f "$deb" Depends)"
for needed in qt6-qpa-plugins libqt6widgets6; do
    grep -q "\b$needed\b" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

dpkg-query -W -f='${Status}' movesta 2>/dev/null | grep -q "install ok installed" || installed_here=1
# Recommends are left out: the check needs nothing beyond what the package depends on.
(cd "$build" && DEBIAN_FRONTEND=noninteractive step timeout 600 "${as_root[@]}" apt-get install -y \
    --no-install-recommends --reinstall "./$(basename "$deb")") || fail "apt-get install failed"
[ "$(command -v movesta)" = /usr/bin/movesta ] || fail "movesta is not /usr/bin/movesta"
[ -f /usr/share/movesta/product_page/index.html ] || fail "the package holds no product page"
[ -f /usr/share/applications/movesta.desktop ] || fail "the package holds no launcher"

source scripts/xvfb-lib.sh
start_xvfb "$log" || fail "Xvfb did not start"

env -u QT_QPA_PLATFORM DISPLAY="$display" QT_QPA_PLATFORM=xcb movesta >>"$log" 2>&1 &
app=$!
window=""
for _ in $(seq 100); do
    window="$(DISPLAY="$display" xwininfo -root -tree 2>/dev/null | awk '/"Movesta": \(/ {print $1; exit}')"
    [ -n "$window" ] && break
    kill -0 "$app" 2>/dev/null || fail "movesta ended at start"
    sleep 0.1
done
[ -n "$window" ] || fail "no window named Movesta appeared"
sleep 3
kill -0 "$app" 2>/dev/null || fail "movesta ended within 3 s of showing its window"
DISPLAY="$display" xwininfo -id "$window" | grep -q "Map State: IsViewable" || fail "the Movesta window is not mapped"

echo "deb: $(basename "$deb") installs and starts under Xvfb; Depends: $depends"
