// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QString>

// The six texts one conversion reads from the main window, exactly as typed:
// nothing is trimmed or checked for emptiness here.
struct ConversionRequest {
    QString inputPath;   // Edit1
    QString outputPath;  // Edit2
    QString startTime;   // startTime, "m:ss"
    QString endTime;     // endTime, "m:ss"
    QString fadeInTime;  // fadeInTime, seconds
    QString fadeOutTime; // fadeOutTime, seconds

    bool operator==(const ConversionRequest&) const = default;
};

// A request that passed every check, in the form the run needs.
struct CheckedRequest {
    // The texts as typed, but for the fade lengths, which are in the fader's form: digits,
    // and "." with more digits ("2,5" in a comma locale becomes "2.5").
    ConversionRequest request;
    // The section's length as the splitter cuts it.
    double sectionSeconds = 0;
};
