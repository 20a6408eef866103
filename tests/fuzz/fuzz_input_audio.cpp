// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

// Fuzzes what the program reads of files from anywhere: the input's headers through
// InputAudio into TagLib (the MP3 input), and the ringtone's length through Mpeg4Header
// (the MPEG-4 output), both on the same bytes. Besides surviving any bytes: a second
// reading agrees, MPEG audio has a sample rate, channels and a layer, a length is called
// exact only for MPEG audio, and the log line is one line.

#include "FuzzRules.h"
#include "InputAudio.h"
#include "Mpeg4Header.h"

#include <QByteArray>

#include <cstdint>

namespace {

using FuzzRules::require;

InputAudio audioOf(const QByteArray& bytes)
{
    return FuzzRules::readAsFile(bytes, [](QIODevice& device) { return InputAudio::read(device); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString shown = QString::fromLatin1(bytes.left(256).toHex());
    const InputAudio audio = audioOf(bytes);
    const QString line = audio.logLine(QStringLiteral("input.mp3"));
    require(!line.isEmpty() && !line.contains(u'\n'), "the log line is one line", shown);
    require(audio.kind() != InputAudio::Kind::Unreadable, "bytes in memory can always be read", shown);
    if (audio.kind() == InputAudio::Kind::Mpeg) {
        require(audio.sampleRate() > 0 && audio.channels() > 0, "MPEG audio has a rate and channels", shown);
        require(audio.layer() >= 1 && audio.layer() <= 3, "MPEG audio has a layer", shown);
        require(audio.lengthMilliseconds() >= 0 && audio.kilobitsPerSecond() >= 0, "no negative numbers", shown);
    } else {
        require(!audio.lengthIsExact(), "only MPEG audio has an exact length", shown);
    }
    if (audio.lengthIsExact())
        require(audio.lengthMilliseconds() > 0, "an exact length is a length", shown);
    const InputAudio again = audioOf(bytes);
    require(again.logLine(QStringLiteral("input.mp3")) == line && again.lengthIsExact() == audio.lengthIsExact(),
            "a second reading agrees", shown);

    FuzzRules::readAsFile(bytes, [](QIODevice& device) { return Mpeg4Header::durationSeconds(device); });
    return 0;
}
