#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Movesta developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts Movesta on an X server of its own and saves a picture of the screen once its main window
# is up: screenshot.sh BINARY OUT.png [SCALE]
set -euo pipefail
if [ -z "${MOVESTA_SCREENSHOT_INSIDE:-}" ]; then
    exec env MOVESTA_SCREENSHOT_INSIDE=1 xvfb-run -a -s "-screen 0 1600x1000x24 -nolisten tcp" "$0" "$@"
fi
binary="$1"; out="$2"; scale="${3:-1}"
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$binary" &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT
timeout 20 xdotool search --sync --onlyvisible --name '^Movesta$' >/dev/null
# The window is mapped; one more moment lets its first paint reach the screen.
sleep 0.5
import -window root "$out"
