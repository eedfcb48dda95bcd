#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Movesta developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts the built program on the X server of $DISPLAY with the accessibility bus, opens both
# calculators and reads every window's accessibility tree as a screen reader would
# (check_accessibility.py):
# named picture buttons, named inputs, results and totals readable with their values.
#   check-accessibility.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:?usage: check-accessibility.sh BUILD_DIR}"
binary="$(cd "$build" && pwd)/movesta"
[ -x "$binary" ] || { echo "check-accessibility: no program at $binary" >&2; exit 1; }

[ -n "${DISPLAY:-}" ] || { echo "check-accessibility: no DISPLAY; run it under xvfb-run -a" >&2; exit 1; }
# The accessibility bus, its Python bindings and a session bus come with scripts/setup.sh test.
launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher="$candidate" && break
done
[ -n "$launcher" ] || { echo "check-accessibility: at-spi-bus-launcher not found" >&2; exit 1; }

log="$(mktemp)"
# The check saves a day to the diary: into a folder of its own, never the user's.
data="$(mktemp -d)"
trap 'rm -rf "$log" "$data"' EXIT

# A private session bus; the accessibility bus and the program live and end inside it. The
# checker is Debian's python3, which has the pyatspi bindings.
status=0
env -u QT_QPA_PLATFORM -u QT_ACCESSIBILITY NO_AT_BRIDGE=0 XDG_DATA_HOME="$data" \
    timeout 240 dbus-run-session -- bash -c '
        "$1" --launch-immediately & bus=$!
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$2" >>"$4" 2>&1 & app=$!
        /usr/bin/python3 "$3" >&3; status=$?
        kill "$app" "$bus" 2>/dev/null
        wait "$app" "$bus" 2>/dev/null
        exit "$status"' check "$launcher" "$binary" "$(pwd)/scripts/check_accessibility.py" "$log" \
    3>&1 >>"$log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    echo "check-accessibility: failed (status $status); program and bus output:" >&2
    grep -v -e "Failed to set fd limit" -e "XDG_RUNTIME_DIR" "$log" | tail -20 | sed 's/^/  | /' >&2
fi
exit "$status"
