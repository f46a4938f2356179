#!/usr/bin/env bash
# The binary interface gate of the shared libraries (the library and its Forms library).
#
#   scripts/abi.sh baseline [BUILD_DIR...]   build (RelWithDebInfo), store abi/<library>.abi.gz
#   scripts/abi.sh check [BUILD_DIR] [--canary LIBRARY]
#
# baseline configures and builds each folder that is missing (default: build/ for Qt 5 and
# build-qt6/ for Qt 6, with the scripts' usual options), installs the libraries and their public
# headers into a scratch prefix and writes what abidw reads from the debug information, with
# every path cut to its file name so that the file does not depend on where the sources are
# (compressed: the interface reaches deep into Qt's types, some megabytes of text).
# check compares a build's libraries with the stored files: abidiff, only types declared in the
# installed headers, added symbols allowed, instantiations of the standard library's templates
# left out (abi/suppressions.ini); any other difference, and any non-zero status of abidiff,
# fails. With --canary it also proves that the gate fires: LIBRARY (a copy of the
# library missing some exported functions) must fail the comparison with the library's file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
abi_dir=$root/abi

usage() {
    sed -n '4,5p' "$0" | sed 's/^# *//' >&2
    exit 2
}

# install_build BUILD_DIR PREFIX: the libraries and headers of a built folder under PREFIX.
install_build() {
    cmake --install "$1" --prefix "$2" --component runtime >/dev/null
    cmake --install "$1" --prefix "$2" --component dev >/dev/null
}

# The libraries to gate, by their real file names (libX.so.0.1.0), under a prefix.
gated_libraries() {
    find "$1" -name 'libZuRaradirIzurodudoz*.so.*.*' -type f | sort
}

# The stored file of a library: libZuRaradirIzurodudozQt6.so.0.1.0 -> abi/ZuRaradirIzurodudozQt6.abi.gz
baseline_of() {
    local name
    name=$(basename "$1")
    name=${name#lib}
    echo "$abi_dir/${name%%.so*}.abi.gz"
}

headers_of() {
    find "$1/include" -type d -name ZuRaradirIzurodudoz -prune | head -n 1
}

# compare BASELINE LIBRARY HEADERS: abidiff's status, its report on standard output.
compare() {
    local status=0
    gzip -dc "$1" >"$scratch/baseline.abi"
    abidiff --no-added-syms --suppressions "$abi_dir/suppressions.ini" --headers-dir1 "$3" \
        --headers-dir2 "$3" "$scratch/baseline.abi" "$2" || status=$?
    return $status
}

dump() {
    local library=$1 headers=$2 out
    out=$(baseline_of "$library")
    abidw --no-corpus-path --headers-dir "$headers" "$library" |
        sed -E "s#(filepath|comp-dir-path|path)='[^']*/([^'/]*)'#\1='\2'#g" | gzip -9n >"$out"
    echo "wrote ${out#"$root"/}"
}

build() {
    local dir=$1
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        local options=()
        case "$(basename "$dir")" in *qt6*) options+=(-DZRI_QT_MAJOR=6) ;; esac
        "$root/scripts/configure.sh" "$dir" -DZRI_BUILD_BENCH=OFF "${options[@]}"
    fi
    if ! grep -q '^CMAKE_BUILD_TYPE:STRING=RelWithDebInfo$' "$dir/CMakeCache.txt" ||
        grep -Eq '^ZRI_SANITIZE:[A-Z]+=(ON|thread)$' "$dir/CMakeCache.txt"; then
        echo "$dir: a baseline needs a RelWithDebInfo build without sanitizers" >&2
        exit 1
    fi
    cmake --build "$dir" -j2 --target ZuRaradirIzurodudoz ZuRaradirIzurodudozForms
}

baseline() {
    local dirs=("$@")
    [ ${#dirs[@]} -gt 0 ] || dirs=("$root/build" "$root/build-qt6")
    mkdir -p "$abi_dir"
    for dir in "${dirs[@]}"; do
        build "$dir"
        scratch=$(mktemp -d)
        install_build "$dir" "$scratch"
        for library in $(gated_libraries "$scratch"); do
            dump "$library" "$(headers_of "$scratch")"
        done
        rm -rf "$scratch"
    done
}

check() {
    local dir=$root/build canary="" failed=0
    while [ $# -gt 0 ]; do
        case "$1" in
        --canary) canary=$2; shift 2 ;;
        -*) usage ;;
        *) dir=$1; shift ;;
        esac
    done
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    install_build "$dir" "$scratch"
    local headers main=""
    headers=$(headers_of "$scratch")
    for library in $(gated_libraries "$scratch"); do
        local stored status=0
        stored=$(baseline_of "$library")
        case "$library" in *Forms*) ;; *) main=$stored ;; esac
        if [ ! -f "$stored" ]; then
            echo "no stored interface ${stored#"$root"/}: run scripts/abi.sh baseline" >&2
            failed=1
            continue
        fi
        compare "$stored" "$library" "$headers" >"$scratch/report" || status=$?
        if [ $status -eq 0 ]; then
            echo "$(basename "$library"): the interface of ${stored#"$root"/}"
        else
            cat "$scratch/report"
            echo "$(basename "$library"): the interface changed (abidiff status $status)" >&2
            failed=1
        fi
    done
    if [ -n "$canary" ]; then
        local status=0
        compare "$main" "$canary" "$headers" >"$scratch/report" || status=$?
        # 4 (change) or 8 (incompatible change) without 1 (error) or 2 (usage error).
        if [ $status -eq 0 ] || [ $((status & 3)) -ne 0 ]; then
            cat "$scratch/report"
            echo "canary: abidiff status $status, where a removed function must fail" >&2
            failed=1
        else
            echo "canary: a copy without some exported functions fails (abidiff status $status)"
        fi
    fi
    return $failed
}

case "${1:-}" in
baseline) shift; baseline "$@" ;;
check) shift; check "$@" ;;
*) usage ;;
esac
