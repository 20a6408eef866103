// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "ToolPathCheck.h"

#include <QOperatingSystemVersion>

#include <windows.h>

#include <vector>

bool ToolPathCheck::readableByFader(const QString& text)
{
    // The build as the kernel reports it, whatever the program's manifest claims.
    return readableByFader(text, unsigned(QOperatingSystemVersion::current().microVersion()), GetACP());
}

bool ToolPathCheck::readableByFader(const QString& text, unsigned windowsBuild, unsigned codePage)
{
    if (windowsBuild >= Utf8CodePageBuild || codePage == CP_UTF8 || text.isEmpty())
        return true;
    const auto* wide = reinterpret_cast<LPCWSTR>(text.utf16());
    const int length = int(text.size());
    // No best fit: "ł" must not quietly become "l".
    BOOL usedDefault = FALSE;
    const int bytes = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return false;
    std::vector<char> narrow(bytes);
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide, length, narrow.data(), bytes, nullptr, &usedDefault);
    if (usedDefault)
        return false;
    const int back = MultiByteToWideChar(codePage, 0, narrow.data(), bytes, nullptr, 0);
    std::vector<wchar_t> roundTrip(back);
    MultiByteToWideChar(codePage, 0, narrow.data(), bytes, roundTrip.data(), back);
    return QString::fromWCharArray(roundTrip.data(), back) == text;
}
