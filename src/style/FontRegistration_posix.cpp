// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "FontRegistration.h"

#include <QByteArray>
#include <QFile>
#include <QFontDatabase>
#include <QtEndian>

#include <cstring>

namespace {

const QString FontFolder = QStringLiteral("/usr/share/wine/fonts/");

// Where a table of a TrueType file starts, or -1.
qsizetype tableOffset(const QByteArray& font, const char (&tag)[5])
{
    const auto* bytes = reinterpret_cast<const uchar*>(font.constData());
    if (font.size() < 12)
        return -1;
    const int tables = qFromBigEndian<quint16>(bytes + 4);
    for (int i = 0; i < tables && 12 + 16 * (i + 1) <= font.size(); ++i) {
        const uchar* record = bytes + 12 + 16 * i;
        if (std::memcmp(record, tag, 4) == 0) {
            const quint32 offset = qFromBigEndian<quint32>(record + 8);
            return offset < quint32(font.size()) ? qsizetype(offset) : -1;
        }
    }
    return -1;
}

// Wine's Tahoma Bold has the bold face's widths but strokes no heavier than the regular
// face's. Declared a semibold face, it keeps its widths, a bold request still picks it,
// and the font engine draws it emboldened, as a bold caption should look.
QByteArray asSemiboldFace(QByteArray font)
{
    const qsizetype os2 = tableOffset(font, "OS/2");
    const qsizetype head = tableOffset(font, "head");
    if (os2 < 0 || head < 0 || os2 + 64 > font.size() || head + 46 > font.size())
        return font;
    auto* bytes = reinterpret_cast<uchar*>(font.data());
    qToBigEndian<quint16>(600, bytes + os2 + 4); // usWeightClass
    const quint16 selection = qFromBigEndian<quint16>(bytes + os2 + 62);
    qToBigEndian<quint16>((selection & ~0x20) | 0x40, bytes + os2 + 62); // fsSelection: REGULAR, not BOLD
    const quint16 macStyle = qFromBigEndian<quint16>(bytes + head + 44);
    qToBigEndian<quint16>(macStyle & ~0x1, bytes + head + 44); // macStyle: not bold
    return font;
}

} // namespace

void FontRegistration::registerBundledFonts()
{
    if (QFontDatabase::hasFamily(QStringLiteral("Tahoma")))
        return;
    QFontDatabase::addApplicationFont(FontFolder + QStringLiteral("tahoma.ttf"));
    QFile bold(FontFolder + QStringLiteral("tahomabd.ttf"));
    if (bold.open(QIODevice::ReadOnly))
        QFontDatabase::addApplicationFontFromData(asSemiboldFace(bold.readAll()));
}
