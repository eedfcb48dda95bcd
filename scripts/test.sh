#!/usr/bin/env bash
# Builds Movesta with its tests and runs every test.
#   test.sh         - the whole suite (debug build, offscreen widgets, then the Xvfb checks)
#   test.sh asan    - the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test
preset="${1:-test}"
case "$preset" in
    test) workflow=test; build=build/default ;;
    asan) workflow=asan; build=build/asan ;;
    *) echo "usage: $0 [asan]" >&2; exit 2 ;;
esac
cmake --workflow --preset "$workflow"
for check in scripts/check-*.sh; do
    [ -e "$check" ] || continue
    echo "== $check"
    bash "$check" "$build"
done
