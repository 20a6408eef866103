// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "FileRename.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

QString FileRename::replacing(const QString& from, const QString& to)
{
    // rename(2) replaces a file of the new name and refuses a folder of it.
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return {};
    return QString::fromLocal8Bit(std::strerror(errno));
}
