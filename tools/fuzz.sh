#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60) on a copy of its seed corpus.
# Fails when a target crashes, breaks one of its properties or trips a sanitizer; the inputs that did so are
# kept in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [SECONDS]" >&2
    exit 2
fi
targets=(criteria settings collection cover scannames newalbum remote mp4priming)

tools/install-deps.sh
tools/install-deps.sh clang libclang-rt-14-dev

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMETRA_FUZZ=ON \
    -DLUMETRA_BUILD_TESTS=OFF -DLUMETRA_BUILD_BENCH=OFF -DLUMETRA_BUILD_TOOLS=OFF
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

artifacts="$PWD/$build/artifacts"
mkdir -p "$artifacts"
# The committed corpus stays as it is: libFuzzer adds its finds to a copy.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

failed=0
for t in "${targets[@]}"; do
    corpus="$work/$t"
    cp -r "fuzz/corpus/$t" "$corpus"
    log="$artifacts/$t.log"
    rc=0
    "$build/bin/fuzz_$t" "$corpus" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
        -rss_limit_mb=1024 -malloc_limit_mb=512 -artifact_prefix="$artifacts/$t-" >"$log" 2>&1 || rc=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *\([0-9]*\).*/\1/p' "$log" | tail -n 1)
    # A sanitizer that recovered would leave libFuzzer's exit code at 0.
    if [ "$rc" -ne 0 ] || [ -z "$runs" ] || grep -qE '^==[0-9]+==ERROR|runtime error:' "$log"; then
        echo "fuzz $t: FAILED (exit $rc), log and input in $build/artifacts/" >&2
        grep -E 'property failed|ERROR|runtime error|SUMMARY|Test unit written' "$log" >&2 || tail -n 20 "$log" >&2
        failed=1
        continue
    fi
    inputs=$(find "$corpus" -type f | wc -l)
    echo "fuzz $t: $runs executions, $inputs inputs, no crash"
done
exit "$failed"
