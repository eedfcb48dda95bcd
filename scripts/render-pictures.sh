#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Movesta developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the pictures drawn in resources/pictures/*.svg to the PNGs the program shows: each at the
# size it is shown (1x) and twice that (name@2x.png, which Qt picks on a high-density screen).
# Run after changing a drawing; the PNGs are committed, so a build needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/../resources/pictures"
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is needed (package librsvg2-bin)" >&2; exit 1; }

# Shown sizes in logical pixels where they differ from the drawing's own width and height.
declare -A shown=([copy]="40 40")

for svg in *.svg; do
    name=${svg%.svg}
    # The window icon comes from resources/icons, at the sizes a title bar uses.
    [ "$name" = app_icon ] && continue
    if [ -n "${shown[$name]:-}" ]; then
        read -r width height <<<"${shown[$name]}"
    else
        width=$(grep -o '<svg[^>]*' "$svg" | grep -o ' width="[0-9]*"' | grep -o '[0-9]*')
        height=$(grep -o '<svg[^>]*' "$svg" | grep -o ' height="[0-9]*"' | grep -o '[0-9]*')
    fi
    rsvg-convert -w "$width" -h "$height" -o "$name.png" "$svg"
    rsvg-convert -w $((width * 2)) -h $((height * 2)) -o "$name@2x.png" "$svg"
    echo "$name: ${width}x${height} and @2x"
done
