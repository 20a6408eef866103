#pragma once

#include "ConversionError.h"

// A request the program declines before any tool runs; shown in an error dialog
// captioned "Error".
class RequestRefusal : public ConversionError {
public:
    using ConversionError::ConversionError;

    static RequestRefusal tooLong();
    // text is the field that holds the double quote.
    static RequestRefusal doubleQuote(const QString &text);
    static RequestRefusal outputIsInput();
};
