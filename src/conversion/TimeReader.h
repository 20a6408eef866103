// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include "TimeLocale.h"

#include <QString>
#include <QTime>

#include <optional>

// Reads a text as a time of day with the locale's separators and AM/PM designators:
// [designator] hours [sep minutes [sep seconds [decimal milliseconds]]] [designator],
// with spaces allowed before, between and after the elements.
class TimeReader {
public:
    explicit TimeReader(const TimeLocale& locale = TimeLocale());

    const TimeLocale& locale() const { return locale_; }
    // The time, or nothing when the text is no valid time.
    std::optional<QTime> read(const QString& text) const;

private:
    TimeLocale locale_;
};
