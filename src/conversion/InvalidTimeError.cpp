#include "InvalidTimeError.h"

InvalidTimeError::InvalidTimeError(const QString &text)
    : ConversionError(QStringLiteral("'%1' is not a valid time").arg(text))
    , text_(text)
{
}
