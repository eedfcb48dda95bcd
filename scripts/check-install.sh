#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Movesta developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs a built tree into a temporary prefix and checks the desktop integration there: the
# program, the launcher (desktop-file-validate), the AppStream metainfo (appstreamcli), the
# icons at their sizes and the product page.   check-install.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:?usage: check-install.sh BUILD_DIR}"
if ! command -v desktop-file-validate >/dev/null || ! command -v appstreamcli >/dev/null; then
    bash scripts/setup.sh test
fi

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }

out="$(timeout 300 cmake --install "$build" --prefix "$prefix" 2>&1)" || fail "cmake --install failed: $out"

[ -x "$prefix/bin/movesta" ] || fail "bin/movesta missing"
desktop="$prefix/share/applications/movesta.desktop"
metainfo="$prefix/share/metainfo/org.movesta.Movesta.metainfo.xml"
page="$prefix/share/movesta/product_page/index.html"
[ -f "$desktop" ] || fail "launcher missing: $desktop"
[ -f "$metainfo" ] || fail "metainfo missing: $metainfo"

# Both validators must be silent: a hint or warning is a fault too.
if ! out="$(timeout 60 desktop-file-validate "$desktop" 2>&1)" || [ -n "$out" ]; then
    fail "desktop-file-validate: $out"
fi
# Pedantic, as software stores check it; --no-net, so its screenshot addresses are not fetched.
out="$(timeout 60 appstreamcli validate --pedantic --no-net "$metainfo" 2>&1)" || fail "appstreamcli validate: $out"
if grep -q "^[EW]:" <<<"$out"; then fail "appstreamcli validate: $out"; fi

# What the launcher and the metainfo name must be there.
grep -qx "Exec=movesta" "$desktop" || fail "the launcher does not start movesta"
grep -qx "Icon=movesta" "$desktop" || fail "the launcher does not show the movesta icon"
grep -q "<launchable type=\"desktop-id\">movesta.desktop</launchable>" "$metainfo" \
    || fail "the metainfo does not name movesta.desktop"

# PNG width and height are the big-endian words at bytes 16 and 20.
png_size() {
    od -An -tu1 -j16 -N8 "$1" |
        awk '{printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}'
}
for size in 16 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/movesta.png"
    [ -f "$icon" ] || fail "icon missing: $icon"
    [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$icon")"
done
grep -q "<svg" "$prefix/share/icons/hicolor/scalable/apps/movesta.svg" 2>/dev/null || fail "scalable icon missing"
# The diary's SQLite is loaded at its first use: linked in, it would slow every start.
if ldd "$prefix/bin/movesta" | grep -q libsqlite3; then fail "the program links SQLite at start"; fi

# A screenshot of each window, taken from docs/screenshots, at most 1000x700.
for shot in main_window planner time_to_burn diary my_activities; do
    grep -q "<image>.*/screenshots/$shot.png</image>" "$metainfo" || fail "no screenshot of $shot in the metainfo"
    size="$(png_size "docs/screenshots/$shot.png")"
    [ "${size%x*}" -le 1000 ] && [ "${size#*x}" -le 700 ] || fail "screenshot $shot is $size, above 1000x700"
done

[ -f "$page" ] || fail "product page missing: $page"
# F1's page for each window, beside it.
for section in main-window planner time-to-burn diary my-activities; do
    grep -q "url=index.html#$section\"" "${page%/*}/help-$section.html" 2>/dev/null || fail "no help page for $section"
done
rows="$(sed -n '/<table id="catalogue-table">/,/<\/tbody>/p' "$page" | grep -c '^<tr>' || true)"
[ "$rows" -eq 478 ] || fail "the product page holds $rows catalogue rows instead of 478"

echo "install: program, launcher, metainfo with 5 screenshots, 8 icons and product page in place; both validators clean"
