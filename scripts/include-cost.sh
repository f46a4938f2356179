#!/usr/bin/env bash
# What including the library costs a source file: compiles (syntax only) a file that includes
# <QWidget>, one that includes the umbrella header and one that includes every installed
# header, against the headers of a build installed into a scratch prefix, and prints the
# compiler's processor time (the best of N runs), the headers each one reads and the ratio of
# the times to <QWidget>'s.
#   scripts/include-cost.sh [BUILD_DIR] [N]     (default: build/, 5 runs)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-5}
major=$(sed -n 's/^ZRI_QT_MAJOR:STRING=//p' "$build/CMakeCache.txt")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$build" --prefix "$scratch/prefix" --component dev >/dev/null
include_root=$(dirname "$(find "$scratch/prefix/include" -type d -name ZuRaradirIzurodudoz -prune | head -n 1)")

echo '#include <QWidget>' >"$scratch/qwidget.cpp"
echo '#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudoz.h>' >"$scratch/umbrella.cpp"
(cd "$include_root" && find ZuRaradirIzurodudoz -maxdepth 1 -name '*.h' | sort |
    sed 's/.*/#include <&>/') >"$scratch/everything.cpp"

read -r -a qt_flags <<<"$(pkg-config --cflags "Qt${major}Widgets")"
flags=(-std=c++17 -fPIC -DBOOST_SPIRIT_THREADSAFE -I"$include_root" "${qt_flags[@]}")
# Processor time (user + system) of the compiler, so that other processes' load counts little.
cpu_seconds() {
    python3 -c 'import resource, subprocess, sys
subprocess.run(sys.argv[1:], check=True)
usage = resource.getrusage(resource.RUSAGE_CHILDREN)
print(usage.ru_utime + usage.ru_stime)' g++ "${flags[@]}" -fsyntax-only "$1"
}
seconds() {
    local best took
    for _ in $(seq "$runs"); do
        took=$(cpu_seconds "$1")
        best=$(awk -v a="$took" -v b="${best:-$took}" 'BEGIN { print (a < b ? a : b) }')
    done
    echo "$best"
}
printf '%-44s %8s %8s %7s\n' "included" "seconds" "headers" "ratio"
base=""
for file in qwidget umbrella everything; do
    took=$(seconds "$scratch/$file.cpp")
    base=${base:-$took}
    # Every file the compiler reads, the source itself not counted.
    headers=$(g++ "${flags[@]}" -M "$scratch/$file.cpp" | tr ' ' '\n' | grep -cv '^$\|^\\$\|:$')
    case $file in
    qwidget) what="<QWidget>" ;;
    umbrella) what="<ZuRaradirIzurodudoz/ZuRaradirIzurodudoz.h>" ;;
    everything) what="every installed header" ;;
    esac
    printf '%-44s %8.2f %8d %7.2f\n' "$what" "$took" "$((headers - 1))" \
        "$(awk -v a="$took" -v b="$base" 'BEGIN { print a / b }')"
done
