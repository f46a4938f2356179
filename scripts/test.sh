#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite; the plain run also
# builds the API documentation, which fails on any Doxygen warning.
# scripts/test.sh [--sanitize | --tsan | --qt6]
#   --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer, in build-sanitize/
#   --tsan      ThreadSanitizer, in build-tsan/: the tests labelled "threads" (the feeders and
#               their stress test at full size); any report fails
#   --qt6       the same sources built against Qt 6, in build-qt6/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build_dir=${ZRI_BUILD_DIR:-$root/build}
options=()
docs=true
targets=()
ctest_options=()
case "${1:-}" in
--sanitize)
    docs=false
    build_dir=${ZRI_BUILD_DIR:-$root/build-sanitize}
    options+=(-DZRI_SANITIZE=ON -DZRI_BUILD_BENCH=OFF)
    ;;
--tsan)
    # Only the tests that run threads: the others run in the GUI thread alone, and Debian's Qt
    # is not built with ThreadSanitizer.
    docs=false
    build_dir=${ZRI_BUILD_DIR:-$root/build-tsan}
    options+=(-DZRI_SANITIZE=thread -DZRI_BUILD_BENCH=OFF -DZRI_BUILD_GALLERY=OFF
        -DZRI_BUILD_DESIGNER=OFF)
    targets+=(--target zri-thread-tests)
    ctest_options+=(-L threads)
    ;;
--qt6)
    docs=false
    build_dir=${ZRI_BUILD_DIR:-$root/build-qt6}
    options+=(-DZRI_QT_MAJOR=6)
    ;;
"") ;;
*)
    echo "usage: scripts/test.sh [--sanitize | --tsan | --qt6]" >&2
    exit 2
    ;;
esac
"$root/scripts/configure.sh" "$build_dir" "${options[@]}"
cmake --build "$build_dir" -j2 "${targets[@]}"
if $docs && command -v doxygen >/dev/null; then
    cmake --build "$build_dir" --target docs
fi
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
cd "$build_dir"
ctest --output-on-failure -j2 "${ctest_options[@]}"
