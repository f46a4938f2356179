#!/usr/bin/env bash
# Builds and runs the widget gallery. With a display it opens a window; without one it writes
# one PNG per page into ./gallery-screenshots (or the directory given with --screenshot DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build_dir=${ZRI_BUILD_DIR:-$root/build}
"$root/scripts/configure.sh" "$build_dir"
cmake --build "$build_dir" --target zri-gallery -j2
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
exec "$build_dir/gallery/zri-gallery" "$@"
