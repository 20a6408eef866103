#include "RequestRefusal.h"

RequestRefusal RequestRefusal::tooLong()
{
    return RequestRefusal(
        QStringLiteral("Selected playback duration is too long. Maximum duration is 40 seconds."));
}

RequestRefusal RequestRefusal::doubleQuote(const QString &text)
{
    return RequestRefusal(QStringLiteral("The text '%1' contains a double quote (\"), which cannot "
                                         "be passed to the conversion tools.")
                              .arg(text));
}

RequestRefusal RequestRefusal::outputIsInput()
{
    return RequestRefusal(QStringLiteral("The output file must not be the input file."));
}
