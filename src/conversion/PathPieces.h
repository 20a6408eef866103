// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include "PathStyle.h"

#include <QString>

// Pure text operations on the last component of a path; no file is touched.
class PathPieces {
public:
    explicit PathPieces(PathStyle style = nativePathStyle());

    PathStyle style() const { return style_; }
    bool isDelimiter(QChar c) const;
    // The delimiter this style puts between a folder and a name.
    QChar separator() const;

    // What follows the last delimiter, or the whole path when it has none.
    QString fileNamePart(const QString& path) const;
    // Everything up to and including the last delimiter; empty when there is none.
    QString folderPart(const QString& path) const;
    // From the last "." of the file-name part to its end; empty without a ".".
    QString extension(const QString& path) const;
    QString removeExtension(const QString& path) const;
    QString replaceExtension(const QString& path, const QString& newExtension) const;
    // The path with this style's own delimiter wherever the system takes another one too:
    // in Windows style every "/" becomes a backslash; POSIX paths stay as they are.
    QString native(const QString& path) const;

private:
    qsizetype fileNameStart(const QString& path) const;

    PathStyle style_;
};
