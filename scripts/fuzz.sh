#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Movesta developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer) and
# runs each for FUZZ_SECONDS (60) on a copy of its committed corpus. An input that breaks a target
# is copied into fuzz/corpus/<target>/ as a regression case (tests/core replays it), and the
# script fails.
#   fuzz.sh                 - every target
#   fuzz.sh TARGET...       - only these (read_leading_number_fuzzer, key_filter_fuzzer, ...)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh fuzz

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(read_leading_number_fuzzer read_decimal_number_fuzzer format_with_mask_fuzzer key_filter_fuzzer
        activity_search_fuzzer report_formats_fuzzer)
fi

build="$root/build/fuzz"
CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOVESTA_FUZZ=ON \
    -DMOVESTA_TESTS=OFF >/dev/null
cmake --build "$build" -j "${FUZZ_JOBS:-2}" --target "${targets[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=()
for target in "${targets[@]}"; do
    echo "== $target, ${FUZZ_SECONDS:-60} s"
    corpus="$work/$target/corpus"
    artifacts="$work/$target/artifacts"
    mkdir -p "$corpus" "$artifacts"
    cp -r "fuzz/corpus/$target/." "$corpus/"
    # The report's names may be as long as a pasted megabyte, tried from the start rather than after
    # libFuzzer's slow growth of lengths; the other inputs stay at libFuzzer's own lengths.
    options=()
    [ "$target" = report_formats_fuzzer ] && options+=(-max_len=1048576 -len_control=0)
    status=0
    "$build/fuzz/$target" -max_total_time="${FUZZ_SECONDS:-60}" -timeout=10 -rss_limit_mb=2048 "${options[@]}" \
        -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" >"$work/$target/log" 2>&1 || status=$?
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ +DONE)' "$work/$target/log" || true
    found=()
    for artifact in "$artifacts"/crash-* "$artifacts"/leak-* "$artifacts"/timeout-* "$artifacts"/oom-*; do
        [ -e "$artifact" ] && found+=("$artifact")
    done
    if [ "$status" -ne 0 ] || [ ${#found[@]} -ne 0 ]; then
        echo "$target FAILED (exit $status):"
        if ! grep -E 'property broken|ERROR|SUMMARY|runtime error' "$work/$target/log" | head -20; then
            tail -20 "$work/$target/log"
        fi
        for artifact in "${found[@]}"; do
            cp "$artifact" "fuzz/corpus/$target/"
            echo "  kept as regression case: fuzz/corpus/$target/$(basename "$artifact")"
        done
        failed+=("$target")
    else
        echo "$target: clean"
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "Broken: ${failed[*]}" >&2
    exit 1
fi
echo "All ${#targets[@]} fuzz targets ran clean."
