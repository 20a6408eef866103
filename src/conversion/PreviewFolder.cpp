// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "PreviewFolder.h"

#include <QDir>
#include <QStandardPaths>

QString PreviewFolder::path()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/preview");
}

QString PreviewFolder::renew()
{
    clear();
    const QString folder = path();
    return QDir().mkpath(folder) ? folder : QString();
}

void PreviewFolder::clear()
{
    QDir(path()).removeRecursively();
}
