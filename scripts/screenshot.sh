#!/usr/bin/env bash
# Starts Movesta under Xvfb and saves a picture of the screen: screenshot.sh BINARY OUT.png [SCALE]
set -euo pipefail
binary="$1"; out="$2"; scale="${3:-1}"
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$binary" &
app=$!
sleep 3
DISPLAY=$display import -window root "$out"
