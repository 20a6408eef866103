#pragma once

#include "ConversionError.h"

// A start or end text that cannot be read as a time. It is not caught by the
// conversion; the application's error report shows it.
class InvalidTimeError : public ConversionError {
public:
    explicit InvalidTimeError(const QString &text);

    QString text() const { return text_; }

private:
    QString text_;
};
