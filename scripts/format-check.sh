#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Movesta developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a C++ file differs from what clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || bash scripts/setup.sh test
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests bench fuzz -name '*.cpp' -o -name '*.h')
bad=0
for f in "${files[@]}"; do
    if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then
        echo "needs clang-format: $f"
        bad=1
    fi
done
[ "$bad" -eq 0 ] && echo "formatting: ${#files[@]} files clean"
exit "$bad"
