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

// MP3 audio for where no encoder is at hand (under Wine): silent MPEG-1 layer III frames
// at 44.1 kHz, 128 kb/s, stereo, and no Xing header, so the length is an estimate.
QByteArray silentMp3(int frames);

// The first bytes of a FLAC file: enough for its format to be recognised.
QByteArray flacStart();

// The names of the files in a folder, sorted; a dangling link counts, as a file left behind.
QStringList filesIn(const QString& folder);

} // namespace ScratchFiles
