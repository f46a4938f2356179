#!/usr/bin/env bash
# Configures a build directory: scripts/configure.sh BUILD_DIR [cmake options...]
# Every script configures with the same options, so that running one after another (the
# gallery, then the tests) reuses the build instead of compiling everything again.
set -euo pipefail
build_dir=$1
shift
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZRI_WARNINGS_AS_ERRORS=ON "$@" >/dev/null
