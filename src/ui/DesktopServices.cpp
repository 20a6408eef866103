// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "DesktopServices.h"

#include "FileDialog.h"
#include "FileManagerReveal.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

bool DesktopServices::execute(QWidget* owner, FileDialog& settings)
{
    QFileDialog dialog(owner);
    const bool save = settings.mode() == FileDialog::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // A missing file is a valid choice too: the name is only handed on.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !settings.confirmOverwrite());
    // Show the filter's name exactly as given; the pattern travels in parentheses.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(settings.filterName() + QStringLiteral(" (") + settings.filterPattern() + QLatin1Char(')'));
    dialog.setDefaultSuffix(settings.defaultSuffix());
    if (!settings.fileName().isEmpty())
        dialog.selectFile(settings.fileName());

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    settings.setFileName(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
    return true;
}

void DesktopServices::showError(QWidget* owner, const QString& caption, const QString& text, const QString& buttonText)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::NoButton, owner);
    QPushButton* button = box.addButton(buttonText, QMessageBox::AcceptRole);
    box.setDefaultButton(button);
    box.setEscapeButton(button);
    box.exec();
}

void DesktopServices::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

void DesktopServices::revealFile(const QString& path)
{
    FileManagerReveal::show(path);
}
