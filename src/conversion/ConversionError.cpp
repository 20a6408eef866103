// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "ConversionError.h"

ConversionError::ConversionError(const QString& message) : message_(message), utf8_(message.toUtf8())
{}

const char* ConversionError::what() const noexcept
{
    return utf8_.constData();
}

InvalidTimeError::InvalidTimeError(const QString& text)
    : ConversionError(QStringLiteral("'%1' is not a valid time").arg(text))
{}

namespace {

QString secondsText(double seconds, QChar decimalSeparator)
{
    const QString number = QString::number(seconds, 'g', 12).replace(u'.', decimalSeparator);
    return number + (seconds == 1 ? QStringLiteral(" second") : QStringLiteral(" seconds"));
}

} // namespace

RequestRefusal RequestRefusal::tooLong()
{
    return RequestRefusal(QStringLiteral("Selected playback duration is too long. Maximum duration is 40 seconds."));
}

RequestRefusal RequestRefusal::endNotLater()
{
    return RequestRefusal(QStringLiteral("The end time must be later than the start time."));
}

RequestRefusal RequestRefusal::invalidFade(const QString& text)
{
    return RequestRefusal(QStringLiteral("'%1' is not a valid fade length.").arg(text));
}

RequestRefusal RequestRefusal::fadesTooLong(double fadesSeconds, double sectionSeconds, QChar decimalSeparator)
{
    return RequestRefusal(
        QStringLiteral("Fade in and fade out (%1 together) are longer than the section (%2).")
            .arg(secondsText(fadesSeconds, decimalSeparator), secondsText(sectionSeconds, decimalSeparator)));
}

RequestRefusal RequestRefusal::doubleQuote(const QString& text)
{
    return RequestRefusal(QStringLiteral("The text '%1' contains a double quote (\"), which cannot "
                                         "be passed to the conversion tools.")
                              .arg(text));
}

RequestRefusal RequestRefusal::outputIsInput()
{
    return RequestRefusal(QStringLiteral("The output file must not be the input file."));
}

RequestRefusal RequestRefusal::unreadableByTools(const QString& path)
{
    return RequestRefusal(
        QStringLiteral("The path '%1' holds characters the conversion tools cannot read on this version of Windows.")
            .arg(path));
}

RequestRefusal RequestRefusal::notMp3(const QString& name)
{
    return RequestRefusal(QStringLiteral("'%1' is not an MP3 file.").arg(name));
}

RequestRefusal RequestRefusal::startPastEnd(const QString& length, const QString& start)
{
    return RequestRefusal(
        QStringLiteral("The input is only %1 long, so the section cannot start at %2.").arg(length, start));
}
