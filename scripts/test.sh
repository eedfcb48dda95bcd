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
# The random session's count of actions, from the log of the run above.
grep -h "^random session:" "$build/Testing/Temporary/LastTest.log" || true
# The checks of the installed, packaged and running program use the ordinary build.
[ "$workflow" = test ] || exit 0
for check in scripts/check-*.sh; do
    [ -e "$check" ] || continue
    echo "== $check"
    bash "$check" "$build"
done
