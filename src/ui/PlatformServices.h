// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QString>

class FileDialog;
class QUrl;
class QWidget;

// What the windows ask of the desktop: modal file and message dialogs, opening a file
// or web address with its default application, and showing a file in the file manager.
// Tests put a double in its place so nothing modal blocks and nothing external starts.
class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    // Shows the dialog modally. On confirmation stores the chosen full path in the
    // dialog and returns true; on cancel changes nothing and returns false.
    virtual bool execute(QWidget* owner, FileDialog& dialog) = 0;

    // A modal message box with the error icon and one button.
    virtual void showError(QWidget* owner, const QString& caption, const QString& text,
                           const QString& buttonText = QStringLiteral("OK")) = 0;

    // Opens a local file or a web address with the system's default application.
    virtual void openUrl(const QUrl& url) = 0;

    // Shows the file's folder in the file manager, with the file selected where possible.
    virtual void revealFile(const QString& path) = 0;
};
