// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "FakeServices.h"

#include "FileDialog.h"

bool FakeServices::execute(QWidget*, FileDialog& dialog)
{
    offeredNames << dialog.fileName();
    const std::optional<QString> answer = dialogAnswers.isEmpty() ? std::nullopt : dialogAnswers.takeFirst();
    if (!answer)
        return false;
    dialog.setFileName(*answer);
    return true;
}

void FakeServices::showError(QWidget*, const QString& caption, const QString& text, const QString& buttonText)
{
    messages << Message{caption, text, buttonText};
}

void FakeServices::openUrl(const QUrl& url)
{
    openedUrls << url;
}

void FakeServices::revealFile(const QString& path)
{
    revealed << path;
}
