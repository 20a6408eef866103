// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QChar>
#include <QString>

class QLocale;

// The parts of the user's locale that the time reader needs. The separators are
// single characters; anything else falls back to ":" and ".".
class TimeLocale {
public:
    // ":", ".", "AM", "PM".
    TimeLocale();
    TimeLocale(const QString& timeSeparator, const QString& decimalSeparator, const QString& amText,
               const QString& pmText);

    static TimeLocale fromLocale(const QLocale& locale);
    // The user's current settings, with their own customisations (TimeLocale_<platform>.cpp).
    static TimeLocale system();
    // The separator between the hour and the minute fields of a time format such as
    // "h:mm AP"; empty when the format has none.
    static QString timeSeparatorOf(const QString& timeFormat);

    QChar timeSeparator() const { return timeSeparator_; }
    QChar decimalSeparator() const { return decimalSeparator_; }
    QString amText() const { return amText_; }
    QString pmText() const { return pmText_; }

    bool operator==(const TimeLocale&) const = default;

private:
    QChar timeSeparator_;
    QChar decimalSeparator_;
    QString amText_;
    QString pmText_;
};
