// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "TimeWindow.h"

#include "ConversionError.h"

namespace {

QTime readOrThrow(const QString& text, const TimeReader& reader)
{
    const std::optional<QTime> time = reader.read(text);
    if (!time)
        throw InvalidTimeError(text);
    return *time;
}

} // namespace

int TimeWindow::check(const QString& start, const QString& end, const TimeReader& reader)
{
    const QTime startTime = readOrThrow(start, reader);
    const QTime endTime = readOrThrow(end, reader);
    if (audioSeconds(endTime) - audioSeconds(startTime) >= RefusedSeconds)
        throw RequestRefusal::tooLong();
    // The splitter refuses a reversed section in its own words, and an empty one makes nothing.
    const int hundredths = splitterHundredths(endTime) - splitterHundredths(startTime);
    if (hundredths <= 0)
        throw RequestRefusal::endNotLater();
    return hundredths;
}

int TimeWindow::audioSeconds(const QTime& time)
{
    return 60 * time.hour() + time.minute();
}

int TimeWindow::splitterHundredths(const QTime& time)
{
    return 100 * audioSeconds(time) + time.second();
}

QString TimeWindow::splitterForm(const QString& text)
{
    return QString(text).replace(u':', u'.');
}
