// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

// Fuzzes TimeReader::read with fixed and input-made locales. Besides surviving any text,
// every answer must obey rules that hold whatever the text: a time is valid, spaces around
// the text and the case of letters change nothing, locales that differ only in their
// separator characters agree once those are swapped, every time read can be written back
// and read again, and English texts agree with an independent pattern-based reading.

#include "FuzzRules.h"
#include "TimeLocale.h"
#include "TimeReader.h"

#include <QRegularExpression>
#include <QString>
#include <QTime>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>

namespace {

using FuzzRules::require;

using Reading = std::optional<QTime>;

const TimeReader& english()
{
    static const TimeReader reader(TimeLocale(":", ".", "AM", "PM"));
    return reader;
}

// Danish style: "." between the fields, "," before the milliseconds.
const TimeReader& dotted()
{
    static const TimeReader reader(TimeLocale(".", ",", "AM", "PM"));
    return reader;
}

// Finnish style: as dotted, with designators that end in the time separator.
const TimeReader& finnish()
{
    static const TimeReader reader(TimeLocale(".", ",", "ap.", "ip."));
    return reader;
}

QString swapAsciiCase(const QString& text)
{
    QString result = text;
    for (QChar& c : result) {
        const char16_t u = c.unicode();
        if (u >= u'a' && u <= u'z')
            c = QChar(u - u'a' + u'A');
        else if (u >= u'A' && u <= u'Z')
            c = QChar(u - u'A' + u'a');
    }
    return result;
}

// English text as the dotted locale would spell it: ":" becomes "." and "." becomes ",".
QString toDotted(const QString& text)
{
    QString result = text;
    for (QChar& c : result) {
        if (c == u':')
            c = u'.';
        else if (c == u'.')
            c = u',';
    }
    return result;
}

// The reading rules restated as one pattern, for the English locale. A number stops once
// it reaches 1000 and the digits left over make the text invalid, and every field must lie
// below 1000 anyway, so a field is readable exactly when its value is below 1000.
Reading englishByPattern(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^ *(?:([AaPp][Mm]) *)?([0-9]+)"
                                                           "(?: *: *([0-9]+)(?: *: *([0-9]+)(?: *\\. *([0-9]+))?)?)?"
                                                           " *(?:([AaPp][Mm]) *)?\\z"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch() || (match.hasCaptured(1) && match.hasCaptured(6)))
        return std::nullopt;

    int fields[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4; ++i) {
        if (!match.hasCaptured(i + 2))
            continue;
        QStringView digits = match.capturedView(i + 2);
        while (digits.size() > 1 && digits.front() == u'0')
            digits = digits.mid(1);
        if (digits.size() > 3)
            return std::nullopt;
        fields[i] = digits.toInt();
    }
    int hours = fields[0];
    const QStringView designator = match.hasCaptured(1) ? match.capturedView(1) : match.capturedView(6);
    if (!designator.isEmpty()) {
        if (hours < 1 || hours > 12)
            return std::nullopt;
        hours %= 12;
        if (designator.front() == u'P' || designator.front() == u'p')
            hours += 12;
    }
    if (hours >= 24 || fields[1] >= 60 || fields[2] >= 60)
        return std::nullopt;
    return QTime(hours, fields[1], fields[2], fields[3]);
}

// Every time the reader gives can be written back in the locale's own form, with and
// without a designator before or after it, and reads as the same time.
void checkWrittenBack(const TimeReader& reader, const QTime& time, const QString& text)
{
    const TimeLocale& locale = reader.locale();
    const QString sep(locale.timeSeparator());
    const QString fields = sep + QString::number(time.minute()) + sep + QString::number(time.second())
                           + locale.decimalSeparator() + QString::number(time.msec());
    require(reader.read(QString::number(time.hour()) + fields) == time, "24-hour form reads back", text);
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const QString designator = time.hour() < 12 ? locale.amText() : locale.pmText();
    const QString clock = QString::number(hour12) + fields;
    require(reader.read(clock + u' ' + designator) == time, "12-hour form reads back", text);
    require(reader.read(designator + u' ' + clock) == time, "designator first reads back", text);
}

// Rules for the fixed locales, whose separators and designators hold no spaces.
Reading checkFixed(const TimeReader& reader, const QString& text)
{
    const Reading reading = reader.read(text);
    if (reading) {
        require(reading->isValid(), "a time read is valid", text);
        checkWrittenBack(reader, *reading, text);
    }
    require(reader.read(text) == reading, "reading again gives the same", text);
    require(reader.read(QStringLiteral("  ") + text + u' ') == reading, "outer spaces change nothing", text);
    require(reader.read(swapAsciiCase(text)) == reading, "letter case changes nothing", text);
    return reading;
}

// Any locale, made of the input: only the rules that hold whatever its texts are.
void checkMadeLocale(FuzzedDataProvider& input)
{
    const auto text = [&input](std::size_t maxLength) {
        return QString::fromStdString(input.ConsumeRandomLengthString(maxLength));
    };
    const QString timeSeparator = text(4);
    const QString decimalSeparator = text(4);
    const QString am = text(8);
    const QString pm = text(8);
    const TimeReader reader(TimeLocale(timeSeparator, decimalSeparator, am, pm));
    const QString remainder = QString::fromStdString(input.ConsumeRemainingBytesAsString());

    const Reading reading = reader.read(remainder);
    if (reading)
        require(reading->isValid(), "a time read with any locale is valid", remainder);
    require(reader.read(u' ' + remainder) == reading, "leading spaces change nothing", remainder);

    const QString separator = TimeLocale::timeSeparatorOf(remainder);
    require(separator.size() <= 1, "a format has at most one separator character", remainder);
}

void checkText(const QString& text)
{
    const Reading reading = checkFixed(english(), text);
    require(reading == englishByPattern(text), "reader and pattern agree", text);
    checkFixed(finnish(), text);
    checkFixed(dotted(), text);
    if (!text.contains(u','))
        require(dotted().read(toDotted(text)) == reading, "dotted locale reads the dotted spelling", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzRules::forEachText(data, size, checkText);

    FuzzedDataProvider input(data, size);
    checkMadeLocale(input);
    return 0;
}
