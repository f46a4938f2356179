#!/usr/bin/env bash
# Installs the Debian packages needed to build, test and show the library, if any is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config ccache
    qtbase5-dev qttools5-dev qttools5-dev-tools
    libboost-dev libboost-thread-dev libboost-filesystem-dev libboost-system-dev
    libbenchmark-dev fonts-dejavu-core libclang-rt-14-dev doxygen
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools libqt6opengl6-dev
    libqt5svg5-dev qt6-svg-dev # the plots' SVG export
    libqwt-qt5-dev # the benchmarks' Qwt baselines
    poppler-utils # draws exported PDFs back in the tests
    dpkg-dev lintian abigail-tools
)
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
