// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "TimeReader.h"

#include <utility>

namespace {

enum class Designator { None, Morning, Afternoon };

void skipSpaces(const QString& text, qsizetype& pos)
{
    while (pos < text.size() && text.at(pos) == u' ')
        ++pos;
}

bool readChar(const QString& text, qsizetype& pos, QChar c)
{
    skipSpaces(text, pos);
    if (pos >= text.size() || text.at(pos) != c)
        return false;
    ++pos;
    return true;
}

// Stops once the value reaches 1000, so an overlong number can never overflow;
// the digits after that stop stay unread and make the text invalid.
bool readNumber(const QString& text, qsizetype& pos, int& number)
{
    skipSpaces(text, pos);
    qsizetype i = pos;
    int value = 0;
    while (i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9' && value < 1000) {
        value = value * 10 + (text.at(i).unicode() - u'0');
        ++i;
    }
    if (i == pos)
        return false;
    pos = i;
    number = value;
    return true;
}

// The longest designator standing at pos wins: the locale's own can begin with another one
// (Swiss German "am Namittag", the afternoon, begins with "AM"). On equal length the
// locale's own come first. An empty designator would match everywhere; it never counts.
Designator readDesignator(const QString& text, qsizetype& pos, const TimeLocale& locale)
{
    static const QString am = QStringLiteral("AM");
    static const QString pm = QStringLiteral("PM");
    const std::pair<QString, Designator> candidates[] = {{locale.amText(), Designator::Morning},
                                                         {locale.pmText(), Designator::Afternoon},
                                                         {am, Designator::Morning},
                                                         {pm, Designator::Afternoon}};

    skipSpaces(text, pos);
    Designator found = Designator::None;
    qsizetype length = 0;
    for (const auto& [symbol, designator] : candidates) {
        if (symbol.size() > length
            && QStringView(text).mid(pos, symbol.size()).compare(symbol, Qt::CaseInsensitive) == 0) {
            found = designator;
            length = symbol.size();
        }
    }
    pos += length;
    return found;
}

} // namespace

TimeReader::TimeReader(const TimeLocale& locale) : locale_(locale)
{}

std::optional<QTime> TimeReader::read(const QString& text) const
{
    qsizetype pos = 0;
    Designator designator = readDesignator(text, pos, locale_);

    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int milliseconds = 0;
    if (!readNumber(text, pos, hours))
        return std::nullopt;
    if (readChar(text, pos, locale_.timeSeparator())) {
        if (!readNumber(text, pos, minutes))
            return std::nullopt;
        if (readChar(text, pos, locale_.timeSeparator())) {
            if (!readNumber(text, pos, seconds))
                return std::nullopt;
            if (readChar(text, pos, locale_.decimalSeparator()) && !readNumber(text, pos, milliseconds))
                return std::nullopt;
        }
    }

    if (designator == Designator::None)
        designator = readDesignator(text, pos, locale_);
    if (designator != Designator::None) {
        if (hours < 1 || hours > 12)
            return std::nullopt;
        if (hours == 12)
            hours = 0;
        if (designator == Designator::Afternoon)
            hours += 12;
    }

    skipSpaces(text, pos);
    if (pos != text.size() || hours >= 24 || minutes >= 60 || seconds >= 60 || milliseconds >= 1000)
        return std::nullopt;
    return QTime(hours, minutes, seconds, milliseconds);
}
