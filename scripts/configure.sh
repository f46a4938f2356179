#!/usr/bin/env bash
# Configures a build directory: scripts/configure.sh BUILD_DIR [cmake options...]
set -euo pipefail
build_dir=$1
shift
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
