#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Tovalin developers
# Installs the build into a fresh staging prefix with cmake --install and checks it.
set -eu
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage/usr" >/dev/null
"$(dirname "$0")/check-layout.sh" "$stage/usr"
