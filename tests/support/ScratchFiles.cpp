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

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
}

} // namespace ScratchFiles
