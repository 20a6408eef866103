// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QtGlobal>

// How paths are spelled: Windows (delimiters "\" and the drive's ":") or POSIX ("/").
// Path handling takes the style as a value so either can be exercised on any platform.
enum class PathStyle { Windows, Posix };

constexpr PathStyle nativePathStyle()
{
#ifdef Q_OS_WIN
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}
