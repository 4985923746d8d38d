#!/usr/bin/env bash
# Makes the Debian package (package.sh) and checks it as a lab meets it: its
# control fields and dependencies, its file list against the run folder,
# lintian's errors, and the installed program. The package is unpacked under a
# throw-away root, its program folder made read-only, and the program started
# offscreen through usr/bin/vivosim from / (as the user nobody when run as
# root) until the experiment selection window shows. A probe plugin, loaded
# through Qt's generic-plugin variables, saves a picture of that window as
# build-release/package-selection.png and ends the program.
set -euo pipefail
EXTRA_PACKAGES=(lintian)
source "$(dirname "${BASH_SOURCE[0]}")/package.sh"

fail() {
    echo "package check: $*" >&2
    exit 1
}

# --- Control fields ---------------------------------------------------------
field() { dpkg-deb -f "$PACKAGE_FILE" "$1"; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD_DIR/CMakeCache.txt")
arch=$(dpkg --print-architecture)
[ "$(field Package)" = vivosim ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the project's is $version"
[ "$(dpkg-parsechangelog -l packaging/changelog -S Version)" = "$version" ] ||
    fail "packaging/changelog does not start with version $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ "$(basename "$PACKAGE_FILE")" = "vivosim_${version}_${arch}.deb" ] || fail "the package is named $PACKAGE_FILE"
for f in Maintainer Section Description; do
    [ -n "$(field "$f")" ] || fail "no $f field"
done

# Linked libraries (found by dpkg-shlibdeps) and the plugins Qt loads at run
# time must all be named; each must be a package this machine has installed,
# since the program runs here.
depends=$(field Depends)
echo "Depends: $depends"
depends_names=$(echo "$depends" | tr ',|' '\n' | sed 's/(.*)//; s/[[:space:]]//g' | sed '/^$/d')
for needed in libc6 libqt6widgets6 libqt6sql6-sqlite libqt6svg6; do
    echo "$depends_names" | grep -qx "$needed" || fail "Depends lacks $needed"
done
for p in $depends_names; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
        fail "Depends names $p, which is not an installed package"
done

# --- Lintian ----------------------------------------------------------------
if command -v lintian >/dev/null; then
    lintian --fail-on error "$PACKAGE_FILE" || fail "lintian reports errors"
fi

# --- Unpacked file list -----------------------------------------------------
scratch=$(mktemp -d)
cleanup() {
    chmod -R u+w "$scratch" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
chmod 755 "$scratch"
root="$scratch/root"
dpkg -x "$PACKAGE_FILE" "$root"

dpkg-deb -c "$PACKAGE_FILE" | awk '$2 != "root/root" { bad = 1; print } END { exit bad }' ||
    fail "the entries above are not owned by root"

app_id=org.vivosim.vivosim
{
    (cd "$BUILD_DIR/run" && find . ! -type d -printf 'usr/lib/vivosim/%P\n')
    printf '%s\n' usr/bin/vivosim \
        "usr/share/applications/$app_id.desktop" \
        "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
        "usr/share/metainfo/$app_id.metainfo.xml" \
        usr/share/doc/vivosim/copyright \
        usr/share/doc/vivosim/changelog.gz \
        usr/share/man/man1/vivosim.1.gz
} | sort >"$scratch/expected"
(cd "$root" && find . ! -type d -printf '%P\n') | sort >"$scratch/packaged"
diff -u "$scratch/expected" "$scratch/packaged" || fail "the package's files differ from the run folder's (- expected, + packaged)"
[ "$(readlink "$root/usr/bin/vivosim")" = ../lib/vivosim/vivosim ] || fail "usr/bin/vivosim does not lead to ../lib/vivosim/vivosim"
[ -x "$root/usr/lib/vivosim/vivosim" ] || fail "the program is not executable"

# --- Start the installed program --------------------------------------------
probe_build="$BUILD_DIR/package-probe"
cmake -S packaging/check -B "$probe_build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$probe_build" >/dev/null
mkdir -p "$scratch/probe/generic"
cp "$probe_build/plugins/generic/libselection_probe.so" "$scratch/probe/generic/"
chmod -R a+rX "$scratch/probe"

home="$scratch/home"
mkdir -m 700 "$home" "$home/runtime"
cat >"$scratch/screen.json" <<'JSON'
{ "windowFrameMargins": false,
  "screens": [ { "name": "S", "x": 0, "y": 0, "width": 800, "height": 600,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }
JSON
chmod 644 "$scratch/screen.json"
chmod -R a-w "$root/usr/lib/vivosim"
run_as=()
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$home"
    run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi

status=0
(cd / && "${run_as[@]}" env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$home" XDG_RUNTIME_DIR="$home/runtime" \
    QT_QPA_PLATFORM="offscreen:configfile=$scratch/screen.json" \
    QT_PLUGIN_PATH="$scratch/probe" QT_QPA_GENERIC_PLUGINS="selectionprobe:$home/selection.png" \
    timeout 60 "$root/usr/bin/vivosim") >"$scratch/stdout" 2>"$scratch/stderr" || status=$?
cat "$scratch/stdout"
[ "$status" -eq 0 ] || { cat "$scratch/stderr" >&2; fail "the installed program ended with status $status"; }
# The offscreen platform says so whenever a window is raised; anything else the
# program prints (a picture not found, a plugin not loaded) fails the check.
grep -vx 'This plugin does not support raise()' "$scratch/stderr" >"$scratch/messages" || true
[ ! -s "$scratch/messages" ] || { cat "$scratch/messages" >&2; fail "the installed program printed the messages above"; }
grep -qx 'shown: Frm_Selection .*' "$scratch/stdout" || fail "the selection window was not reported"
grep -qx "program folder: $(realpath "$root/usr/lib/vivosim")" "$scratch/stdout" ||
    fail "the program did not find its folder through usr/bin/vivosim"
[ "$(head -c 8 "$home/selection.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    fail "no picture of the selection window"
cp "$home/selection.png" "$BUILD_DIR/package-selection.png"
echo "package check: $PACKAGE_FILE installs and starts; the selection window is in $BUILD_DIR/package-selection.png"
