#!/usr/bin/env bash
# Under Xvfb, another program (xclip) reads the planner's report from the system clipboard while
# the planner is still open. Fails if the check fails or could not run.
#   check-clipboard-xvfb.sh [BUILD_DIR]    (default build/default; built first if needed)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/default}"
for tool in xvfb-run xclip; do
    command -v "$tool" >/dev/null || { echo "check-clipboard-xvfb: $tool is not installed" >&2; exit 1; }
done
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMOVESTA_TESTS=ON >/dev/null
fi
cmake --build "$build" --target e2e_tests >/dev/null
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb "$build/tests/e2e_tests" \
    --gtest_filter='*Xvfb*' >"$log" 2>&1 || status=$?
grep -E '^\[ +(RUN|OK|FAILED|SKIPPED|PASSED) ' "$log" || true
if [ "$status" -ne 0 ]; then
    cat "$log" >&2
    echo "check-clipboard-xvfb: failed" >&2
    exit 1
fi
if grep -q '^\[  SKIPPED \]' "$log" || ! grep -qE '^\[  PASSED  \] [1-9]' "$log"; then
    cat "$log" >&2
    echo "check-clipboard-xvfb: the clipboard check did not run" >&2
    exit 1
fi
echo "check-clipboard-xvfb: xclip read the planner's report byte for byte"
