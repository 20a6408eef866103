// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include "PlatformServices.h"

// The real desktop: Qt's file and message dialogs, the default applications, and the
// file manager.
class DesktopServices : public PlatformServices {
public:
    bool execute(QWidget* owner, FileDialog& dialog) override;
    void showError(QWidget* owner, const QString& caption, const QString& text, const QString& buttonText) override;
    void openUrl(const QUrl& url) override;
    void revealFile(const QString& path) override;
};
