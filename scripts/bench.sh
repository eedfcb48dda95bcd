#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Movesta developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Movesta in Release with its benchmarks, runs them, and prints every figure beside its
# floor with the ratio and the goal; the same table goes to bench/RESULTS.md with the machine.
#   bench.sh            - everything (about five minutes)
# Environment: BENCH_RUNS (hyperfine runs per command, 30), BENCH_JOBS (build jobs, 2).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh bench
# The xcb figures need an X server: the whole run goes under one of its own.
if [ -z "${MOVESTA_BENCH_INSIDE:-}" ]; then
    exec env MOVESTA_BENCH_INSIDE=1 xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" "$@"
fi
if ! command -v python3 >/dev/null; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq && apt-get install -y -qq python3-minimal
fi

cmake --preset bench >/dev/null
cmake --build --preset bench -j "${BENCH_JOBS:-2}"

bin="$root/build/bench/bench"
results="$root/build/bench/results"
rm -rf "$results"
mkdir -p "$results"

# Qt wants a private runtime folder; without one it warns on every start, in both programs.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

# Whole-process start-up, both programs in one hyperfine run, then their peak memory.
peak_rss() {
    /usr/bin/time -v "$1" 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ { print $2 }'
}
for platform in offscreen xcb; do
    echo "== start-up, $platform"
    (
        export QT_QPA_PLATFORM="$platform"
        hyperfine -N --warmup 3 --runs "${BENCH_RUNS:-30}" --export-json "$results/startup_$platform.json" \
            "$bin/startup_floor" "$bin/startup_movesta" "$bin/startup_floor --text" "$bin/startup_floor_sqlite"
        for name in floor movesta; do
            for _ in 1 2 3 4 5; do
                peak_rss "$bin/startup_$name"
            done >"$results/rss_${platform}_$name.txt"
        done
    )
done

# In-process figures, on the offscreen platform.
export QT_QPA_PLATFORM=offscreen
echo "== opening the calculators"
"$bin/open_windows_bench" --benchmark_repetitions=5 --benchmark_display_aggregates_only=true \
    --benchmark_out="$results/open_windows.json" --benchmark_out_format=json 2>/dev/null
echo "== planner operations"
"$bin/planner_bench" --benchmark_out="$results/planner.json" --benchmark_out_format=json 2>/dev/null
echo "== planner peak memory, 100,000 rows: models alone, then with the planner shown"
for mode in model view; do
    for _ in 1 2 3; do
        "$bin/planner_bench" --peak-memory=$mode 100000
    done >"$results/planner_peak_$mode.txt"
done
echo "== finding an activity"
"$bin/find_bench" --benchmark_out="$results/find.json" --benchmark_out_format=json 2>/dev/null
echo "== number rules"
"$bin/number_rules_bench" --benchmark_repetitions=5 --benchmark_display_aggregates_only=true \
    --benchmark_out="$results/number_rules.json" --benchmark_out_format=json 2>/dev/null

echo "== soak"
soak=$("$bin/soak")
echo "$soak"

table=$(python3 bench/report.py "$results")
cpu=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null | sed 's/[+-].*//' || true)
qt=${qt:-unknown}
{
    echo "# Benchmark results"
    echo
    echo "Reproduce with \`bash scripts/bench.sh\` (Release build, preset \"bench\")."
    echo "Last run $(date -u +%Y-%m-%d) on $(nproc) cores of \"$cpu\", Qt $qt, $(uname -sr);"
    echo "the machine was shared with other work, so figures move by some per cent between runs."
    echo
    echo "$table"
    echo
    echo "Soak (the planner model alone, \`build/bench/bench/soak\`):"
    echo
    echo "$soak" | sed 's/^/    /'
} >bench/RESULTS.md
echo
echo "$table"
echo
echo "Machine: $(nproc) cores, $cpu, Qt $qt. Written to bench/RESULTS.md."
