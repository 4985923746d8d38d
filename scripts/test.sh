#!/usr/bin/env bash
# Sets up and builds Vivosim with AddressSanitizer and UndefinedBehaviorSanitizer,
# then runs the whole test suite. The printing test also needs a CUPS server
# with a PDF printer, which it starts itself when run as root; the results'
# PDF tests read their files back with poppler-utils.
set -euo pipefail
EXTRA_PACKAGES=(cups printer-driver-cups-pdf poppler-utils)
BUILD_DIR=build-test
CMAKE_OPTIONS="-DCMAKE_BUILD_TYPE=Debug -DVIVOSIM_SANITIZE=ON -DVIVOSIM_WARNINGS_AS_ERRORS=ON"
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ctest --test-dir "$BUILD_DIR" --output-on-failure -j 2 "$@"
