#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Movesta developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Movesta with its tests and runs every one of them through ctest, under an X server of its
# own (xvfb-run) for the tests labelled x11. It installs missing build and test packages from
# Debian and changes nothing else on the machine.
#   test.sh         - the whole suite (debug build)
#   test.sh asan    - the suite built with AddressSanitizer and UndefinedBehaviorSanitizer
#   test.sh ci      - warnings as errors, and the Debian package checked in a throwaway root
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
case "$preset" in
    default | asan | ci) ;;
    *) echo "usage: $0 [asan|ci]" >&2; exit 2 ;;
esac
bash scripts/setup.sh "$([ "$preset" = ci ] && echo ci || echo test)"
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" cmake --workflow --preset "$preset"
# The random session's count of actions, from the log of the run above.
grep -h "^random session:" "build/$preset/Testing/Temporary/LastTest.log" || true
