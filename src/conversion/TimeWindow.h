// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include "TimeReader.h"

#include <QString>
#include <QTime>

// The section of the input to keep, typed as "m:ss": read as a time of day, one hour
// stands for a minute of audio and one minute for a second.
namespace TimeWindow {

// Sections this long or longer are refused.
inline constexpr int RefusedSeconds = 41;

// Reads start, then end, checks the length in whole seconds and that the end lies after
// the start. Returns the section's length in hundredths of a second, as the splitter
// cuts it. Throws InvalidTimeError for the first unreadable text, RequestRefusal::tooLong()
// for a section of RefusedSeconds or more, RequestRefusal::endNotLater() when the end does
// not lie after the start.
int check(const QString& start, const QString& end, const TimeReader& reader);

// Whole seconds of audio: 60 × hours + minutes; the rest is dropped.
int audioSeconds(const QTime& time);
// Where the splitter cuts, in hundredths of a second: it reads "m.ss.xx", so the time's
// seconds field counts as hundredths.
int splitterHundredths(const QTime& time);

// The raw text with every ":" replaced by ".", whatever the locale's separator.
QString splitterForm(const QString& text);

} // namespace TimeWindow
