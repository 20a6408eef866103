// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "FileManagerReveal.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

#include <shellapi.h>

QString FileManagerReveal::explorerParameters(const QString& path)
{
    return QStringLiteral("/select,\"") + QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())
           + QLatin1Char('"');
}

void FileManagerReveal::show(const QString& path)
{
    // Explorer opens the folder with the file selected; its result is not needed.
    const QString parameters = explorerParameters(path);
    ShellExecuteW(nullptr, nullptr, L"explorer.exe", reinterpret_cast<LPCWSTR>(parameters.utf16()), nullptr,
                  SW_SHOWNORMAL);
}
