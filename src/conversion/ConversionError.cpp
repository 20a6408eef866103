#include "ConversionError.h"

ConversionError::ConversionError(const QString &message)
    : message_(message)
    , utf8_(message.toUtf8())
{
}

const char *ConversionError::what() const noexcept
{
    return utf8_.constData();
}
