#!/usr/bin/env bash
# Installs what Vivosim needs on a Debian machine, then configures and builds it.
# Sourced by run.sh and test.sh; BUILD_DIR and CMAKE_OPTIONS may be set first.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

packages=(cmake ninja-build g++ qt6-base-dev libqt6sql6-sqlite qt6-svg-dev fonts-dejavu-core)
packages+=("${EXTRA_PACKAGES[@]}")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=300 update -qq
    "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends "${missing[@]}"
fi

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja ${CMAKE_OPTIONS:-}
cmake --build "$BUILD_DIR"
