#pragma once

#include "ConversionError.h"

#include <QChar>

// A request the program declines before any tool runs; shown in an error dialog
// captioned "Error".
class RequestRefusal : public ConversionError {
public:
    using ConversionError::ConversionError;

    static RequestRefusal tooLong();
    static RequestRefusal endNotLater();
    // text is the fade field as typed.
    static RequestRefusal invalidFade(const QString &text);
    // Lengths in seconds, written with the given decimal separator.
    static RequestRefusal fadesTooLong(double fadesSeconds, double sectionSeconds, QChar decimalSeparator);
    // text is the field that holds the double quote.
    static RequestRefusal doubleQuote(const QString &text);
    static RequestRefusal outputIsInput();
};
