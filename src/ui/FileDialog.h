// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QString>

// Settings of one of the main window's file dialogs, and the full path of its last
// confirmed choice, which the dialog offers again the next time it is shown.
class FileDialog {
public:
    enum class Mode { Open, Save };

    FileDialog(Mode mode, QString filterName, QString filterPattern, QString defaultSuffix, bool confirmOverwrite)
        : mode_(mode)
        , filterName_(std::move(filterName))
        , filterPattern_(std::move(filterPattern))
        , defaultSuffix_(std::move(defaultSuffix))
        , confirmOverwrite_(confirmOverwrite)
    {}

    Mode mode() const { return mode_; }
    const QString& filterName() const { return filterName_; }
    const QString& filterPattern() const { return filterPattern_; }
    const QString& defaultSuffix() const { return defaultSuffix_; }
    bool confirmOverwrite() const { return confirmOverwrite_; }

    const QString& fileName() const { return fileName_; }
    void setFileName(const QString& path) { fileName_ = path; }

private:
    Mode mode_;
    QString filterName_;
    QString filterPattern_;
    QString defaultSuffix_;
    bool confirmOverwrite_;
    QString fileName_;
};
