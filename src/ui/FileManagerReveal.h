// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QString>

// Shows a file in the desktop's file manager, selected where the file manager can.
// Returns at once; the file manager starts on its own.
namespace FileManagerReveal {

void show(const QString& path);

} // namespace FileManagerReveal
