// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QString>

// Shows a file in the desktop's file manager, selected where the file manager can.
// Returns at once; the file manager starts on its own.
namespace FileManagerReveal {

void show(const QString& path);

// Windows only: Explorer's command line for the path, "/select," and the absolute path
// with backslashes in double quotes. Explorer splits its command line at commas and equals
// signs outside double quotes, and no Windows path can hold a double quote.
QString explorerParameters(const QString& path);

} // namespace FileManagerReveal
