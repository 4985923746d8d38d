#!/usr/bin/env bash
# Sets up, builds and starts Vivosim.
set -euo pipefail
EXTRA_PACKAGES=()
BUILD_DIR=build-release
CMAKE_OPTIONS="-DCMAKE_BUILD_TYPE=Release -DVIVOSIM_BUILD_TESTS=OFF"
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
exec "$BUILD_DIR/run/vivosim"
