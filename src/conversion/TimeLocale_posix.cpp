#include "TimeLocale.h"

#include <QLocale>

TimeLocale TimeLocale::system()
{
    return fromLocale(QLocale::system());
}
