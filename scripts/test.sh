#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite; the plain run also
# builds the API documentation, which fails on any Doxygen warning.
# scripts/test.sh [--sanitize]   (--sanitize: AddressSanitizer + UndefinedBehaviorSanitizer)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build_dir=${ZRI_BUILD_DIR:-$root/build}
options=()
sanitize=false
if [ "${1:-}" = "--sanitize" ]; then
    sanitize=true
    build_dir=${ZRI_BUILD_DIR:-$root/build-sanitize}
    options+=(-DZRI_SANITIZE=ON -DZRI_BUILD_BENCH=OFF)
fi
"$root/scripts/configure.sh" "$build_dir" "${options[@]}"
cmake --build "$build_dir" -j2
if ! $sanitize && command -v doxygen >/dev/null; then
    cmake --build "$build_dir" --target docs
fi
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
cd "$build_dir"
ctest --output-on-failure -j2
