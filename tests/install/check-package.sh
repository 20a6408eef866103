#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Tovalin developers
# Builds the Debian package, checks it with lintian, checks its maintainer and what it
# depends on, unpacks it into a staging root
# and checks the installed program there: its layout, that it starts, and that a
# conversion through the window works with the tools it installs.
#   check-package.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"; fail "cpack could not build the package"; }
set -- "$work"/out/tovalin_2.2_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "no tovalin_2.2 package was built"
deb=$1

# Debian's own checker: no error and no warning.
if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || {
        cat "$work/lintian.log"; fail "lintian finds faults in the package"; }
else
    echo "note: lintian not installed; package not checked"
fi

# The maintainer is the person building the package; without one it is not built.
[ "$(dpkg-deb -f "$deb" Maintainer)" = "$DEBFULLNAME <$DEBEMAIL>" ] || fail "the maintainer is not the builder"
if [ -z "$(git -C "$(dirname "$0")" config --local user.email 2>/dev/null || true)" ]; then
    if env -u DEBFULLNAME -u DEBEMAIL HOME="$work" GIT_CONFIG_NOSYSTEM=1 GIT_CONFIG_GLOBAL=/dev/null \
        cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/anonymous" >"$work/anonymous.log" 2>&1; then
        fail "a package was built without a maintainer"
    fi
    grep -q 'set DEBFULLNAME and' "$work/anonymous.log" || { cat "$work/anonymous.log"; fail "no word on what to set"; }
fi

depends=$(dpkg-deb -f "$deb" Depends)
for package in mp3splt sox libsox-fmt-mp3 ffmpeg fonts-wine libqt6core6 libqt6gui6 libqt6widgets6 libqt6dbus6 zlib1g; do
    echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -qx "$package" || fail "the package does not depend on $package"
done

# What apt would do with it here; simulated, so nothing on this machine changes.
if command -v apt-get >/dev/null; then
    apt-get install -s -o Debug::NoLocking=1 "$deb" >"$work/apt.log" 2>&1 || {
        cat "$work/apt.log"; fail "apt cannot install the package's dependencies"; }
fi

root="$work/root"
dpkg-deb -x "$deb" "$root"
"$(dirname "$0")/check-layout.sh" "$root/usr"

# A whole conversion through the window, with the tools found beside the program in
# the installed private folder.
private="$root/usr/libexec/tovalin"
cp "$build/bin/ui_conversion" "$private/"
QT_QPA_PLATFORM=offscreen "$private/ui_conversion" normalRunAcrossFolders >"$work/conversion.log" 2>&1 || {
    cat "$work/conversion.log"; fail "no conversion with the installed tools"; }
echo "package $(basename "$deb") installs and converts"
