// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

// Fuzzes Mpeg4Header::durationSeconds, which reads the length of the ringtone a converter
// wrote. Besides surviving any bytes, a length it finds is a finite number of seconds, the
// same on a second reading, unchanged by a box put in front of the file (boxes it does not
// look for are skipped) and by bytes appended to it (it reads nothing past the header).

#include "FuzzRules.h"
#include "Mpeg4Header.h"

#include <QByteArray>

#include <cmath>
#include <cstdint>
#include <optional>

namespace {

using FuzzRules::require;

std::optional<double> lengthOf(const QByteArray& bytes)
{
    return FuzzRules::readAsFile(bytes, [](QIODevice& device) { return Mpeg4Header::durationSeconds(device); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString shown = QString::fromLatin1(bytes.toHex());
    const std::optional<double> length = lengthOf(bytes);
    if (length)
        require(std::isfinite(*length) && *length >= 0, "a length is a finite number of seconds", shown);
    require(lengthOf(bytes) == length, "a second reading agrees", shown);
    require(lengthOf(QByteArray("\0\0\0\x08"
                                "free",
                                8)
                     + bytes)
                == length,
            "a box in front changes nothing", shown);
    if (length)
        require(lengthOf(bytes + QByteArray(16, '\xff')) == length, "bytes appended change nothing", shown);
    return 0;
}
