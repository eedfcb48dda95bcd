#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Movesta developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Movesta (optimised) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh run
cmake --preset release >/dev/null
cmake --build --preset release
exec ./build/release/movesta
