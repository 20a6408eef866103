// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "ScratchFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace ScratchFiles {

QString folder(const QTemporaryDir& scratch, const QString& name)
{
    const QString path = scratch.filePath(name);
    QDir().mkpath(path);
    return QDir::toNativeSeparators(path);
}

bool write(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray silentMp3(int frames)
{
    // A frame header, then zeros: side information that asks for no bits decodes as silence.
    QByteArray frame(417, '\0');
    frame[0] = char(0xff);
    frame[1] = char(0xfb);
    frame[2] = char(0x90);
    frame[3] = char(0x04);
    return frame.repeated(frames);
}

QByteArray flacStart()
{
    return QByteArray("fLaC\0\0\0\x22", 8) + QByteArray(34, '\x10');
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
}

} // namespace ScratchFiles
