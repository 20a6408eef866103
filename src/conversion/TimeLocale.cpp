// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "TimeLocale.h"

#include <QLocale>

namespace {

QChar singleOr(const QString& text, QChar fallback)
{
    return text.size() == 1 ? text.front() : fallback;
}

} // namespace

TimeLocale::TimeLocale()
    : TimeLocale(QStringLiteral(":"), QStringLiteral("."), QStringLiteral("AM"), QStringLiteral("PM"))
{}

TimeLocale::TimeLocale(const QString& timeSeparator, const QString& decimalSeparator, const QString& amText,
                       const QString& pmText)
    : timeSeparator_(singleOr(timeSeparator, u':'))
    , decimalSeparator_(singleOr(decimalSeparator, u'.'))
    , amText_(amText)
    , pmText_(pmText)
{}

TimeLocale TimeLocale::fromLocale(const QLocale& locale)
{
    return TimeLocale(timeSeparatorOf(locale.timeFormat(QLocale::ShortFormat)), locale.decimalPoint(), locale.amText(),
                      locale.pmText());
}

QString TimeLocale::timeSeparatorOf(const QString& timeFormat)
{
    // Text in single quotes is literal: it neither starts a field nor is quote syntax.
    // Spaces are skipped because the time reader passes over them anyway, so a
    // space could never act as the separator.
    bool quoted = false;
    bool afterHours = false;
    for (const QChar c : timeFormat) {
        if (c == u'\'') {
            quoted = !quoted;
            continue;
        }
        if (!quoted && (c == u'h' || c == u'H')) {
            afterHours = true;
            continue;
        }
        if (!afterHours)
            continue;
        if (!quoted && c == u'm')
            break;
        if (!c.isLetterOrNumber() && !c.isSpace())
            return QString(c);
    }
    return {};
}
