#include "IntermediateNames.h"

#include "PathPieces.h"

#include <QFileInfo>

IntermediateNames::IntermediateNames(const QString &base, PathStyle style)
{
    const PathPieces pieces(style);
    base_ = base;
    folder_ = pieces.folderPart(base);
    stem_ = pieces.removeExtension(pieces.fileNamePart(base));
    cut_ = pieces.replaceExtension(base, QStringLiteral(".mp3"));
    faded_ = base + QStringLiteral("_faded.mp3");
    encoded_ = pieces.replaceExtension(base, QStringLiteral(".m4a"));
}

bool IntermediateNames::fileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

IntermediateNames IntermediateNames::forOutput(const QString &outputPath, PathStyle style,
                                               const ExistsQuery &exists)
{
    const auto anyExists = [&exists](const IntermediateNames &names) {
        return exists(names.cut_) || exists(names.faded_) || exists(names.encoded_);
    };

    IntermediateNames names(outputPath, style);
    if (!anyExists(names))
        return names;

    const PathPieces pieces(style);
    const QString withoutExtension = pieces.removeExtension(outputPath);
    const QString extension = pieces.extension(outputPath);
    for (int n = 1;; ++n) {
        names = IntermediateNames(withoutExtension + QStringLiteral("_tmp%1").arg(n) + extension,
                                  style);
        if (!anyExists(names))
            return names;
    }
}
