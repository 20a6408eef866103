// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "FileManagerReveal.h"

#include <windows.h>

#include <shellapi.h>

void FileManagerReveal::show(const QString& path)
{
    // Explorer opens the folder with the file selected; its result is not needed.
    const QString parameters = QStringLiteral("/select,") + path;
    ShellExecuteW(nullptr, nullptr, L"explorer.exe", reinterpret_cast<LPCWSTR>(parameters.utf16()), nullptr,
                  SW_SHOWNORMAL);
}
