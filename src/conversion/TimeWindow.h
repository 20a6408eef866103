#pragma once

#include "TimeReader.h"

#include <QString>
#include <QTime>

// The section of the input to keep, typed as "m:ss": read as a time of day, one hour
// stands for a minute of audio and one minute for a second.
class TimeWindow {
public:
    // Sections this long or longer are refused.
    static constexpr int refusedSeconds = 41;

    // Reads start, then end, and checks the length. Returns end minus start in
    // seconds (negative when the end lies before the start). Throws
    // InvalidTimeError for the first unreadable text, RequestRefusal::tooLong()
    // for a section of refusedSeconds or more.
    static int check(const QString &start, const QString &end, const TimeReader &reader);

    // Whole seconds of audio: 60 × hours + minutes; the rest is dropped.
    static int audioSeconds(const QTime &time);

    // The raw text with every ":" replaced by ".", whatever the locale's separator.
    static QString splitterForm(const QString &text);
};
