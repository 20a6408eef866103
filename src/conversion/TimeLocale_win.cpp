// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "TimeLocale.h"

#include <windows.h>

namespace {

// One of the user's own regional settings, read afresh: Windows keeps the user's
// customisations under the same names.
QString userSetting(LCTYPE type)
{
    wchar_t value[LOCALE_NAME_MAX_LENGTH * 2] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, value, int(std::size(value)));
    return length > 1 ? QString::fromWCharArray(value, length - 1) : QString();
}

} // namespace

TimeLocale TimeLocale::system()
{
    // The time separator as the short time format uses it; LOCALE_STIME is kept only for
    // older programs and may disagree with what the user set.
    QString separator = timeSeparatorOf(userSetting(LOCALE_SSHORTTIME));
    if (separator.isEmpty())
        separator = userSetting(LOCALE_STIME);
    return TimeLocale(separator, userSetting(LOCALE_SDECIMAL), userSetting(LOCALE_S1159), userSetting(LOCALE_S2359));
}
