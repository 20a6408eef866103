#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Tovalin developers
# Reads the resources of the built tovalin.exe back with icoutils' wrestool and checks them:
# the version record (US English, code page 1252; product version "2.2" and 2.2.0.0, file
# version "2.2.0.0" and 2.2.5888.16034, product name and description Tovalin, internal and
# original file names), one manifest asking for
# administrator rights and the common controls 6.0.0.0 and naming Windows Vista to 10/11,
# and the icon in nine sizes, the largest as PNG.
#   check-resources.sh TOVALIN.EXE
set -eu
exe=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The bytes of a file as one string of hexadecimal pairs.
hex() { od -An -tx1 -v "$1" | tr -d ' \n'; }

# The version record.
wrestool -x --raw -t 16 "$exe" >"$work/version" || fail "no version record"
strings -e l -n 3 "$work/version" >"$work/strings"
for expected in StringFileInfo 040904E4 Translation; do
    grep -qx "$expected" "$work/strings" || fail "the version record lacks \"$expected\""
done
# Each value right after its name; Task Manager shows FileDescription.
for pair in FileDescription=Tovalin FileVersion=2.2.0.0 InternalName=tovalin OriginalFilename=tovalin.exe \
            ProductName=Tovalin ProductVersion=2.2; do
    value=$(grep -A1 -x "${pair%%=*}" "$work/strings" | sed -n 2p)
    [ "$value" = "${pair#*=}" ] || fail "the version record's ${pair%%=*} is \"$value\", not \"${pair#*=}\""
done
record=$(hex "$work/version")
fixed=${record#*bd04effe}
[ "$fixed" != "$record" ] || fail "the version record has no fixed part"
# Structure version, then file version (high, low) and product version (high, low), each
# 32-bit little-endian: 2.2.5888.16034 and 2.2.0.0.
numbers=$(printf '%s' "$fixed" | cut -c9-40)
[ "$numbers" = "02000200a23e00170200020000000000" ] || fail "the version numbers are $numbers"
# The translation: language 0x0409, code page 1252 (0x04E4).
case "$record" in *0904e404*) ;; *) fail "the version record's translation is not US English, 1252" ;; esac

# The manifest, exactly one.
[ "$(wrestool -l -t 24 "$exe" | wc -l)" -eq 1 ] || fail "not exactly one manifest"
wrestool -x --raw -t 24 "$exe" >"$work/manifest"
grep -q 'requestedExecutionLevel level="requireAdministrator" uiAccess="false"' "$work/manifest" ||
    fail "the manifest does not ask for administrator rights"
grep -q 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' "$work/manifest" ||
    fail "the manifest does not name the common controls 6.0.0.0"
for os in e2011457-1546-43c5-a5fe-008deee3d3f0 35138b9a-5d96-4fbd-8e2d-a2440225f93a \
          4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 1f676c76-80e1-4239-95bb-83d0f6d0da78 \
          8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
    grep -q "supportedOS Id=\"{$os}\"" "$work/manifest" || fail "the manifest does not name the system {$os}"
done

# The icon: nine sizes, 32-bit, the largest stored as PNG.
wrestool -x -t 14 "$exe" >"$work/icon.ico" || fail "no icon"
sizes=$(icotool -l "$work/icon.ico" | sed -n 's/.*--width=\([0-9]*\) .*--bit-depth=32.*/\1/p' | sort -n | tr '\n' ' ')
[ "$sizes" = "16 24 32 48 64 72 96 128 256 " ] || fail "the icon's 32-bit sizes are $sizes"
pngs=0
for name in $(wrestool -l -t 3 "$exe" | sed -n 's/.*--name=\([0-9]*\).*/\1/p'); do
    case "$(wrestool -x --raw -t 3 -n "$name" "$exe" | od -An -tx1 -N4 | tr -d ' \n')" in 89504e47) pngs=$((pngs + 1)) ;; esac
done
[ "$pngs" -eq 1 ] || fail "$pngs icon pictures are stored as PNG, not one"
echo "the resources of $(basename "$exe") read back as they should"
