#!/bin/sh
# Installs the build into a fresh staging prefix and checks that the installed program
# lies beside its tools, that bin/ leads to it, and that every tool link resolves.
set -eu
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage/usr" >/dev/null

private="$stage/usr/libexec/tovalin"
fail() { echo "FAIL: $*"; exit 1; }
[ -x "$private/tovalin" ] || fail "no program in libexec/tovalin"
[ "$(readlink -f "$stage/usr/bin/tovalin")" = "$(readlink -f "$private/tovalin")" ] || fail "bin/tovalin does not lead to the program"
for tool in mp3splt/mp3splt sox/sox ffmpeg/ffmpeg-heaac; do
    [ -x "$(readlink -f "$private/External/$tool")" ] || fail "External/$tool is missing or not executable"
done
"$private/External/sox/sox" --version >/dev/null || fail "the installed fader does not run"
echo "installed layout is complete"
