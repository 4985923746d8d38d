#!/usr/bin/env bash
# Sets up, builds Vivosim for release and makes its Debian package,
# build-release/vivosim_<version>_<arch>.deb. Checks the menu entry and the
# AppStream metainfo where desktop-file-validate and appstreamcli are installed.
# A caller may set EXTRA_PACKAGES first for tools of its own.
set -euo pipefail
EXTRA_PACKAGES=(dpkg-dev desktop-file-utils appstream ${EXTRA_PACKAGES[@]+"${EXTRA_PACKAGES[@]}"})
BUILD_DIR=build-release
CMAKE_OPTIONS="-DCMAKE_BUILD_TYPE=Release -DVIVOSIM_BUILD_TESTS=OFF"
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate packaging/org.vivosim.vivosim.desktop
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$BUILD_DIR/packaging/org.vivosim.vivosim.metainfo.xml"
fi

rm -f "$BUILD_DIR"/vivosim_*.deb
(cd "$BUILD_DIR" && cpack -G DEB)
PACKAGE_FILE=$(ls "$BUILD_DIR"/vivosim_*.deb)
echo "Package: $PACKAGE_FILE"
