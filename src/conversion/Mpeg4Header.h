// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QString>

#include <optional>

class QIODevice;

// Reads the length of an MPEG-4 file (.m4a, .m4r) from its own header: the movie header
// box ("mvhd") inside the movie box ("moov"). Only box headers are read; the media data
// is skipped over, wherever it lies.
namespace Mpeg4Header {

// The length in seconds, or nothing when the header cannot be found or read.
std::optional<double> durationSeconds(QIODevice& file);
std::optional<double> durationSeconds(const QString& path);

} // namespace Mpeg4Header
