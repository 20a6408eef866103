// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QTemporaryDir;

// Files that the conversion tests lay out in their scratch folders and find there afterwards.
namespace ScratchFiles {

// The named folder of the scratch area, made if missing, in the system's own form.
QString folder(const QTemporaryDir& scratch, const QString& name);

// Makes the file (and not its folder) with the content; false when it could not be written.
bool write(const QString& path, const QByteArray& content = {});

// The names of the files in a folder, sorted; a dangling link counts, as a file left behind.
QStringList filesIn(const QString& folder);

} // namespace ScratchFiles
