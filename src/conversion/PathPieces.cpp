// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "PathPieces.h"

PathPieces::PathPieces(PathStyle style) : style_(style)
{}

bool PathPieces::isDelimiter(QChar c) const
{
    if (style_ == PathStyle::Windows)
        return c == u'\\' || c == u':';
    return c == u'/';
}

QChar PathPieces::separator() const
{
    return style_ == PathStyle::Windows ? u'\\' : u'/';
}

qsizetype PathPieces::fileNameStart(const QString& path) const
{
    for (qsizetype i = path.size(); i > 0; --i) {
        if (isDelimiter(path.at(i - 1)))
            return i;
    }
    return 0;
}

QString PathPieces::fileNamePart(const QString& path) const
{
    return path.mid(fileNameStart(path));
}

QString PathPieces::folderPart(const QString& path) const
{
    return path.left(fileNameStart(path));
}

QString PathPieces::extension(const QString& path) const
{
    const qsizetype nameStart = fileNameStart(path);
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot >= nameStart ? path.mid(dot) : QString();
}

QString PathPieces::removeExtension(const QString& path) const
{
    return path.left(path.size() - extension(path).size());
}

QString PathPieces::replaceExtension(const QString& path, const QString& newExtension) const
{
    return removeExtension(path) + newExtension;
}

QString PathPieces::native(const QString& path) const
{
    return style_ == PathStyle::Windows ? QString(path).replace(u'/', u'\\') : path;
}
