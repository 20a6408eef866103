#include "TimeWindow.h"

#include "InvalidTimeError.h"
#include "RequestRefusal.h"

namespace {

QTime readOrThrow(const QString &text, const TimeReader &reader)
{
    const std::optional<QTime> time = reader.read(text);
    if (!time)
        throw InvalidTimeError(text);
    return *time;
}

} // namespace

int TimeWindow::check(const QString &start, const QString &end, const TimeReader &reader)
{
    const QTime startTime = readOrThrow(start, reader);
    const QTime endTime = readOrThrow(end, reader);
    const int seconds = audioSeconds(endTime) - audioSeconds(startTime);
    if (seconds >= refusedSeconds)
        throw RequestRefusal::tooLong();
    return seconds;
}

int TimeWindow::audioSeconds(const QTime &time)
{
    return 60 * time.hour() + time.minute();
}

QString TimeWindow::splitterForm(const QString &text)
{
    return QString(text).replace(u':', u'.');
}
