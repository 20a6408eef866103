// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include "PathStyle.h"

#include <QString>
#include <QStringList>

#include <functional>

// The files a conversion creates beside the output file before the encoded one
// takes the output name, and the names the splitter writes instead of the cut file when
// the input holds Ogg or FLAC audio. When any of them already exists, all are derived from
// "<stem>_tmpN<extension>" instead (the first N for which none exists), so a run
// never writes over or deletes a file of the user's. An "@" in the output's name
// becomes "_" in these names: the splitter would take it for a tag variable.
class IntermediateNames {
public:
    using ExistsQuery = std::function<bool(const QString& path)>;

    // Asks the file system; a dangling symbolic link counts as existing.
    static bool fileExists(const QString& path);

    static IntermediateNames forOutput(const QString& outputPath, PathStyle style = nativePathStyle(),
                                       const ExistsQuery& exists = fileExists);

    // The output path or the variant the names were derived from.
    QString base() const { return base_; }
    // The folder part of the output path (empty when it has none).
    QString folder() const { return folder_; }
    // The file-name part of base() without its extension.
    QString stem() const { return stem_; }
    // base() with its extension replaced by ".mp3": the splitter's result.
    QString cut() const { return cut_; }
    // base() with its extension replaced by ".ogg" and ".flac": where the splitter puts
    // the section when the input is not MP3 inside, so a run may create them too.
    QStringList splitterOthers() const { return splitterOthers_; }
    // base() followed by "_faded.mp3": the fader's result.
    QString faded() const { return faded_; }
    // base() with its extension replaced by ".m4a": the converter's result.
    QString encoded() const { return encoded_; }

private:
    IntermediateNames(const QString& base, PathStyle style);

    QString base_;
    QString folder_;
    QString stem_;
    QString cut_;
    QStringList splitterOthers_;
    QString faded_;
    QString encoded_;
};
