// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "IntermediateNames.h"

#include "PathPieces.h"

#include <QFileInfo>

#include <algorithm>

IntermediateNames::IntermediateNames(const QString& base, PathStyle style)
{
    const PathPieces pieces(style);
    base_ = base;
    folder_ = pieces.folderPart(base);
    stem_ = pieces.removeExtension(pieces.fileNamePart(base));
    cut_ = pieces.replaceExtension(base, QStringLiteral(".mp3"));
    splitterOthers_ = {pieces.replaceExtension(base, QStringLiteral(".ogg")),
                       pieces.replaceExtension(base, QStringLiteral(".flac"))};
    faded_ = base + QStringLiteral("_faded.mp3");
    encoded_ = pieces.replaceExtension(base, QStringLiteral(".m4a"));
}

bool IntermediateNames::fileExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

IntermediateNames IntermediateNames::forOutput(const QString& outputPath, PathStyle style, const ExistsQuery& exists)
{
    const auto anyExists = [&exists](const IntermediateNames& names) {
        return exists(names.cut_) || exists(names.faded_) || exists(names.encoded_)
               || std::any_of(names.splitterOthers_.cbegin(), names.splitterOthers_.cend(), exists);
    };

    // The splitter reads "@" in its output name as a tag variable ("@f" is the input's
    // name), so the cut section would land under another name, perhaps over a user's file.
    const PathPieces pieces(style);
    QString safeName = pieces.fileNamePart(outputPath);
    safeName.replace(QLatin1Char('@'), QLatin1Char('_'));
    const QString base = pieces.folderPart(outputPath) + safeName;

    IntermediateNames names(base, style);
    if (!anyExists(names))
        return names;

    const QString withoutExtension = pieces.removeExtension(base);
    const QString extension = pieces.extension(base);
    for (int n = 1;; ++n) {
        names = IntermediateNames(withoutExtension + QStringLiteral("_tmp%1").arg(n) + extension, style);
        if (!anyExists(names))
            return names;
    }
}
