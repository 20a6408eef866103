// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QString>

// Whether the fader reads a path as it is written. On Windows, SoX takes its arguments and
// opens files through the ANSI code page. Its manifest gives it UTF-8 as that code page,
// which Windows honours from Windows 10 1903 (build 18362) on; before, what the code page
// lacks arrives as "?" or as a look-alike (a fullwidth quotation mark as a real one, which
// would split the argument). Elsewhere tools read paths as they are.
namespace ToolPathCheck {

constexpr unsigned Utf8CodePageBuild = 18362;

// For the running system.
bool readableByFader(const QString& text);
// For a given Windows build and ANSI code page; true everywhere but Windows.
bool readableByFader(const QString& text, unsigned windowsBuild, unsigned codePage);

} // namespace ToolPathCheck
