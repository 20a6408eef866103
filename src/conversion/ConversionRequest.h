#pragma once

#include <QString>

// The six texts one conversion reads from the main window, exactly as typed:
// nothing is trimmed or checked for emptiness here.
struct ConversionRequest {
    QString inputPath;    // Edit1
    QString outputPath;   // Edit2
    QString startTime;    // startTime, "m:ss"
    QString endTime;      // endTime, "m:ss"
    QString fadeInTime;   // fadeInTime, seconds
    QString fadeOutTime;  // fadeOutTime, seconds
};
