#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Tovalin developers
# Checks an installed Tovalin under a prefix (usr/ of a staging root): the program lies
# beside its tools, bin/ leads to it, every tool link resolves, the desktop entry, icons,
# AppStream data, manual page and copyright file are in place and valid, the program answers on the
# terminal without a display, and it starts.
#   check-layout.sh PREFIX
set -eu
prefix=$1
private="$prefix/libexec/tovalin"
share="$prefix/share"
fail() { echo "FAIL: $*"; exit 1; }

[ -x "$private/tovalin" ] || fail "no program in libexec/tovalin"
[ "$(readlink -f "$prefix/bin/tovalin")" = "$(readlink -f "$private/tovalin")" ] || fail "bin/tovalin does not lead to the program"
for tool in mp3splt/mp3splt sox/sox ffmpeg/ffmpeg-heaac; do
    [ -x "$(readlink -f "$private/External/$tool")" ] || fail "External/$tool is missing or not executable"
done
"$private/External/sox/sox" --version >/dev/null || fail "the installed fader does not run"

entry="$share/applications/tovalin.desktop"
[ -f "$entry" ] || fail "no desktop entry"
grep -qx 'Exec=tovalin %f' "$entry" || fail "the desktop entry does not start bin/tovalin with a file"
grep -qx 'Icon=tovalin' "$entry" || fail "the desktop entry names another icon"
# Every size the program carries, each as a square picture of that size.
for carried in "$(dirname "$0")"/../../resources/icons/tovalin-*.png; do
    size=${carried##*-}
    size=${size%.png}
    icon="$share/icons/hicolor/${size}x${size}/apps/tovalin.png"
    [ -f "$icon" ] || fail "no ${size} px icon"
    case "$(file -b "$icon")" in
        "PNG image data, $size x $size,"*) ;;
        *) fail "the ${size} px icon is $(file -b "$icon")" ;;
    esac
done
[ -f "$share/icons/hicolor/scalable/apps/tovalin.svg" ] || fail "no scalable icon"
set -- "$share"/metainfo/*.metainfo.xml
[ $# -eq 1 ] && [ -f "$1" ] || fail "not exactly one AppStream metainfo file"
metainfo=$1
grep -q '<launchable type="desktop-id">tovalin.desktop</launchable>' "$metainfo" || fail "the metainfo does not launch tovalin.desktop"
grep -q '<release version="2.2"' "$metainfo" || fail "the metainfo lacks release 2.2"

manual="$share/man/man1/tovalin.1.gz"
[ -f "$manual" ] || fail "no compressed manual page"
zcat "$manual" | grep -q 'GNU General Public License' || fail "the manual page names no licence"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fail "the metainfo names no project licence"
copyright="$share/doc/tovalin/copyright"
grep -q '^License: GPL-3+' "$copyright" 2>/dev/null || fail "no copyright file naming the licence"

# The validators, where they are installed (desktop-file-utils, appstream, groff).
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
else
    echo "note: desktop-file-validate not installed; entry not validated"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --pedantic "$metainfo" >/dev/null || {
        appstreamcli validate --no-net --pedantic "$metainfo"; fail "appstreamcli rejects the metainfo"; }
else
    echo "note: appstreamcli not installed; metainfo not validated"
fi
if command -v groff >/dev/null; then
    warnings=$(zcat "$manual" | groff -man -ww -z -Tutf8 2>&1) && [ -z "$warnings" ] || fail "groff finds faults in the manual page: $warnings"
else
    echo "note: groff not installed; manual page not checked"
fi

# --help and --version are answered on the terminal, with no display at all.
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
version=$(nodisplay "$prefix/bin/tovalin" --version 2>&1)
[ "$(echo "$version" | head -n 1)" = "Tovalin 2.2" ] || fail "bin/tovalin --version without a display"
echo "$version" | grep -qx 'License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.' &&
    echo "$version" | grep -q 'NO WARRANTY' || fail "bin/tovalin --version names no licence: $version"
nodisplay "$prefix/bin/tovalin" --help 2>&1 | grep -q '^Usage: tovalin \[options\] \[file\]' || fail "bin/tovalin --help without a display"
if nodisplay "$prefix/bin/tovalin" --no-such-option >/dev/null 2>&1; then fail "an unknown option is not refused"; fi

# The installed program keeps running with its window up, offscreen.
export QT_QPA_PLATFORM=offscreen
log=$(mktemp)
status=0
timeout 4 "$prefix/bin/tovalin" >"$log" 2>&1 || status=$?
grep -v 'XDG_RUNTIME_DIR' "$log" >&2 || true
if [ "$status" -ne 124 ] || grep -v 'XDG_RUNTIME_DIR' "$log" | grep -q .; then
    rm -f "$log"
    fail "the installed program did not stay up quietly (status $status)"
fi
rm -f "$log"
echo "installed layout under $prefix is complete"
