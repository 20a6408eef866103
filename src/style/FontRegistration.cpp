#include "FontRegistration.h"

#include <QFile>
#include <QFontDatabase>

void FontRegistration::registerBundledFonts()
{
    if (QFontDatabase::hasFamily(QStringLiteral("Tahoma")))
        return;
    const QString folder = QStringLiteral("/usr/share/wine/fonts/");
    for (const char* file : {"tahoma.ttf", "tahomabd.ttf"}) {
        const QString path = folder + QLatin1String(file);
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
}
