// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "FadeLength.h"

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

std::optional<QString> FadeLength::faderForm(const QString& text, QChar decimalSeparator)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;

    QString number;
    qsizetype i = begin;
    while (i < end && isDigit(text.at(i)))
        number += text.at(i++);
    if (number.isEmpty())
        return std::nullopt;
    if (i < end && (text.at(i) == u'.' || text.at(i) == decimalSeparator)) {
        ++i;
        const qsizetype fractionStart = i;
        while (i < end && isDigit(text.at(i)))
            ++i;
        if (i == fractionStart)
            return std::nullopt;
        number += u'.' + text.mid(fractionStart, i - fractionStart);
    }
    if (i != end)
        return std::nullopt;
    return number;
}
