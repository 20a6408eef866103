// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QString>

// What a conversion run needs from the window that started it.
class ConversionView {
public:
    virtual ~ConversionView() = default;

    virtual void clearLog() = 0;
    virtual void appendLog(const QString& line) = 0;
    virtual void setConvertEnabled(bool enabled) = 0;
    // Read once, at the very end of a successful run.
    virtual bool revealWanted() const = 0;
    virtual void reveal(const QString& outputPath) = 0;
};
