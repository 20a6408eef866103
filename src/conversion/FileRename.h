// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QString>

// Gives a file another name in one step, replacing a file of that name: a confirmed
// overwrite really happens, and no moment passes without a file of the new name.
namespace FileRename {

// Empty when done, else the system's reason.
QString replacing(const QString& from, const QString& to);

} // namespace FileRename
