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
fi
"$root/scripts/configure.sh" "$build_dir" "${options[@]}"
cmake --build "$build_dir" -j2
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
cd "$build_dir"
ctest --output-on-failure -j2
