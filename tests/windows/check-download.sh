#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Tovalin developers
# Checks the Windows download as a user gets it: the zip unpacked into an empty folder holds
# the program, its three tools, its licence and the licences of everything inside, and from
# there the program converts real MP3 files with the real tools, under Wine, also in folders
# whose names the Wine prefix's ANSI code page lacks; inputs the splitter cannot cut fail and
# leave nothing, and one that is no MP3 at all is refused before anything runs. The ringtones are checked here, on the Linux side, with Debian's FFmpeg
# and SoX. Also checks that the source archive beside the zip holds every source.
#   check-download.sh BUILD_DIR      (run by CTest under tests/windows/run-under-wine)
set -euo pipefail
build=$(cd "$1" && pwd)
wine=/usr/lib/wine/wine64
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
name=tovalin-2.2-windows-x64

# What the zip holds: no stand-in, no test program, no DLL; every licence.
mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$build/$name.zip")
root=$work/unpacked/Tovalin
programs=$(cd "$root" && find . -iname '*.exe' -o -iname '*.dll' | sort | tr '\n' ' ')
[ "$programs" = "./External/ffmpeg/ffmpeg-heaac.exe ./External/mp3splt/mp3splt.exe ./External/sox/sox.exe ./tovalin.exe " ] ||
  fail "the zip's programs are $programs"
cmp -s "$root/COPYING.txt" "$(dirname "$0")/../../COPYING" || fail "the zip does not carry the program's licence"
grep -q 'C:\\Program Files' "$root/README.txt" && grep -qi 'unblock' "$root/README.txt" ||
  fail "the README does not say where to unpack and to unblock the zip"
for component in qt6-base qt6-base/3rdparty/freetype qt6-base/3rdparty/harfbuzz-ng qt6-base/3rdparty/libpng \
                 qt6-base/3rdparty/pcre2 qt6-base/3rdparty/zlib ffmpeg sox libmad lame mp3splt mingw-w64 \
                 gcc-runtime; do
  [ -n "$(ls "$root/licenses/$component" 2>/dev/null)" ] || fail "no licence for $component"
done

# What the source archive holds: each Debian source package and the program's source.
sources=$(tar -tJf "$build/$name-sources.tar.xz")
for file in qt6-base_6.4.2+dfsg-10.dsc ffmpeg_5.1.9-0+deb12u1.dsc lame_3.100-6.dsc sox_14.4.2+git20190427-3.5.dsc \
            libmad_0.15.1b-10.1.dsc mp3splt_2.6.2+20170630-3.1.dsc; do
  echo "$sources" | grep -q "^$name-sources/debian/$file$" || fail "the source archive lacks $file"
done
for file in CMakeLists.txt tools/windows/build-tools tools/windows/patches/libmad/0001-main-data-overflow.patch; do
  echo "$sources" | grep -q "^$name-sources/tovalin-2.2/$file$" || fail "the source archive lacks $file"
done

# The inputs: seven ten-second tones, 300 to 900 Hz, so the cut's ends tell where it was
# made; a few frames of it followed by zeros; and a text named like an MP3.
tones=()
for hz in 300 400 500 600 700 800 900; do
  sox -n -r 44100 -c 2 "$work/tone$hz.wav" synth 10 sine "$hz" vol 0.5
  tones+=("$work/tone$hz.wav")
done
mkdir -p "$work/in dir" "$work/Песни"
sox "${tones[@]}" "$work/in dir/song.mp3"
cp "$work/in dir/song.mp3" "$work/Песни/песня.mp3"
echo "a shopping list, not a song" >"$work/in dir/notes.mp3"
{ head -c 4000 "$work/in dir/song.mp3"; head -c 200000 /dev/zero; } >"$work/in dir/broken.mp3"

# The test programs run from the unpacked folder, beside tovalin.exe and its tools.
cp "$build/wine-tests/windows_run.exe" "$build/wine-tests/ui_about_window.exe" "$root/"
export TOVALIN_DOWNLOAD_CHECK="Z:${work//\//\\}"
run() { timeout 600 "$wine" "$root/$1" "${@:2}" >"$work/$1.log" 2>&1 || { cat "$work/$1.log"; fail "$1 $2"; }; }
run windows_run.exe shippedToolsConvert
run ui_about_window.exe namesTheInstalledTools

# Each ringtone: AAC-LC in MPEG-4 with the brand "M4A ", the section's length, the section
# itself (500 Hz at its start, 700 Hz at its end), silent at both ends and loud between.
level() { sox "$1" -n trim "$2" "$3" stat 2>&1 | sed -n "s/^$4: *//p"; }
for ringtone in "$work/Klingeltöne/tone.m4r" "$work/Рингтоны/звонок.m4r"; do
  [ -f "$ringtone" ] || fail "no ringtone $ringtone"
  probe=$(ffprobe -v error -show_entries stream=codec_name,profile:format=duration:format_tags=major_brand \
          -of default=noprint_wrappers=1 "$ringtone")
  for expected in codec_name=aac profile=LC 'TAG:major_brand=M4A '; do
    echo "$probe" | grep -qx "$expected" || fail "$ringtone: no $expected in $probe"
  done
  duration=$(echo "$probe" | sed -n 's/^duration=//p')
  awk -v d="$duration" 'BEGIN { exit !(d > 29.5 && d < 30.5) }' || fail "$ringtone lasts $duration s"
  ffmpeg -v error -i "$ringtone" -ac 1 "$work/ringtone.wav" -y
  for check in "5 1 500" "24 1 700"; do
    read -r from length hz <<<"$check"
    frequency=$(level "$work/ringtone.wav" "$from" "$length" 'Rough   frequency')
    awk -v f="$frequency" -v hz="$hz" 'BEGIN { exit !(f > hz * 0.95 && f < hz * 1.05) }' ||
      fail "$ringtone: $frequency Hz at $from s, not $hz Hz"
  done
  middle=$(level "$work/ringtone.wav" 14 2 'RMS     amplitude')
  first=$(level "$work/ringtone.wav" 0 0.05 'RMS     amplitude')
  last=$(level "$work/ringtone.wav" 29.9 0.05 'RMS     amplitude')
  awk -v m="$middle" -v a="$first" -v b="$last" 'BEGIN { exit !(m > 0.1 && a < m / 10 && b < m / 10) }' ||
    fail "$ringtone: no fades (first 50 ms $first, middle $middle, last 50 ms $last)"
done
echo "the download unpacks, and its program converts with its own tools"
