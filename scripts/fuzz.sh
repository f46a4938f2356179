#!/usr/bin/env bash
# Runs every libFuzzer target for the given number of seconds (default 60) on a copy of its
# committed seed corpus: scripts/fuzz.sh [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
"$root/scripts/install-deps.sh" clang libclang-rt-14-dev
build_dir=${ZRI_FUZZ_BUILD_DIR:-$root/build-fuzz}
"$root/scripts/configure.sh" "$build_dir" -DCMAKE_CXX_COMPILER=clang++ -DZRI_BUILD_FUZZERS=ON \
    -DZRI_BUILD_TESTS=OFF -DZRI_BUILD_GALLERY=OFF -DZRI_BUILD_BENCH=OFF -DZRI_BUILD_DESIGNER=OFF
for corpus in "$root"/fuzz/corpus/*/; do
    name=fuzz_$(basename "$corpus")
    cmake --build "$build_dir" --target "$name" -j2
    work=$(mktemp -d)
    echo "== $name: ${seconds}s"
    "$build_dir/fuzz/$name" -max_total_time="$seconds" -print_final_stats=1 "$work" "$corpus" \
        2>&1 | grep -E 'stat::number_of_executed_units|ERROR|SUMMARY|Done' || true
    rm -rf "$work"
done
