// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include "PlatformServices.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// Stands in for the desktop in window tests: answers file dialogs from a script and
// records every message box, opened address and revealed file instead of showing it.
class FakeServices : public PlatformServices {
public:
    struct Message {
        QString caption;
        QString text;
        QString button;
    };

    bool execute(QWidget* owner, FileDialog& dialog) override;
    void showError(QWidget* owner, const QString& caption, const QString& text, const QString& buttonText) override;
    void openUrl(const QUrl& url) override;
    void revealFile(const QString& path) override;

    // Answers for the next file dialogs, in order; nothing means the user cancels.
    QList<std::optional<QString>> dialogAnswers;
    // What each shown dialog offered as its initial file name.
    QStringList offeredNames;
    QList<Message> messages;
    QList<QUrl> openedUrls;
    QStringList revealed;
};
