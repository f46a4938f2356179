#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
# scripts/test.sh [--sanitize]   (--sanitize: AddressSanitizer + UndefinedBehaviorSanitizer)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build_dir=${ZRI_BUILD_DIR:-$root/build}
options=(-DZRI_WARNINGS_AS_ERRORS=ON)
if [ "${1:-}" = "--sanitize" ]; then
    build_dir=${ZRI_BUILD_DIR:-$root/build-sanitize}
    options+=(-DZRI_SANITIZE=ON -DZRI_BUILD_BENCH=OFF)
    export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
    export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
    export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/lsan.supp:print_suppressions=0}
fi
"$root/scripts/configure.sh" "$build_dir" "${options[@]}"
cmake --build "$build_dir" -j2
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
cd "$build_dir"
ctest --output-on-failure -j2
