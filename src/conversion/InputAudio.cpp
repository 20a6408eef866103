// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "InputAudio.h"

#include "TagLibStream.h"

#include <QFile>
#include <QFileInfo>

#include <taglib/id3v2framefactory.h>
#include <taglib/mpegfile.h>
#include <taglib/mpegproperties.h>
#include <taglib/xingheader.h>

namespace {

// How far past a leading ID3v2 tag the first MPEG frame is looked for. TagLib would search
// the whole file, which for a large file of something else holds the window for seconds;
// the encoders put the first frame right after the tag.
constexpr qint64 FirstFrameReach = 512 * 1024;

// Where the audio starts: after an ID3v2 tag, if the file begins with one.
qint64 audioStart(QIODevice& device)
{
    device.seek(0);
    const QByteArray head = device.read(10);
    if (head.size() < 10 || !head.startsWith("ID3"))
        return 0;
    // Four 7-bit bytes of size, then the tag; a footer adds ten bytes more.
    const auto byte = [&head](int i) { return qint64(quint8(head.at(i)) & 0x7f); };
    const qint64 size = (byte(6) << 21) | (byte(7) << 14) | (byte(8) << 7) | byte(9);
    const qint64 footer = (quint8(head.at(5)) & 0x10) ? 10 : 0;
    return 10 + size + footer;
}

// The container the first bytes of the audio announce: the splitter recognises FLAC and
// Ogg by these and cuts them as such.
QString formatOf(QIODevice& device, qint64 start)
{
    if (!device.seek(start))
        return {};
    const QByteArray head = device.read(12);
    if (head.startsWith("fLaC"))
        return QStringLiteral("a FLAC file");
    if (head.startsWith("OggS"))
        return QStringLiteral("an Ogg file");
    if (head.size() >= 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE")
        return QStringLiteral("a WAV file");
    if (head.size() >= 8 && head.mid(4, 4) == "ftyp")
        return QStringLiteral("an MPEG-4 file");
    return {};
}

QString channelsText(int channels, const QLocale& locale)
{
    if (channels == 1)
        return QStringLiteral("mono");
    if (channels == 2)
        return QStringLiteral("stereo");
    return QStringLiteral("%1 channels").arg(locale.toString(channels));
}

} // namespace

InputAudio InputAudio::read(const QString& path)
{
    InputAudio audio;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        audio.reason_ = QStringLiteral("there is no such file");
        return audio;
    }
    if (info.isDir()) {
        audio.reason_ = QStringLiteral("it is a folder");
        return audio;
    }
    if (!info.isFile()) {
        audio.reason_ = QStringLiteral("it is not a regular file");
        return audio;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        audio.reason_ = file.errorString();
        return audio;
    }
    return read(file);
}

InputAudio InputAudio::read(QIODevice& device)
{
    InputAudio audio;
    if (!device.isOpen() || device.isSequential() || !device.seek(0)) {
        audio.reason_ = QStringLiteral("it cannot be read from its start");
        return audio;
    }
    audio.kind_ = Kind::Other;
    if (device.size() == 0) {
        audio.otherFormat_ = QStringLiteral("empty");
        return audio;
    }
    const qint64 start = audioStart(device);
    audio.otherFormat_ = formatOf(device, start);
    // A known other format is not searched for MPEG frames: a stray frame sync in its data
    // would pass for MP3.
    if (!audio.otherFormat_.isEmpty())
        return audio;

    // TagLib sees the file from behind the ID3v2 tag: the tag's frames hold nothing the
    // program needs, and so none of TagLib's frame parsers meets a hostile file's contents
    // (one of them reads an out-of-range encoding byte into its enum).
    {
        // A frame near the start first, with TagLib's own test of a frame; only then the
        // whole file, for the tags at its end and the last frame.
        TagLibStream nearStart(device, start, start + FirstFrameReach);
        TagLib::MPEG::File file(&nearStart, TagLib::ID3v2::FrameFactory::instance(), false);
        if (file.firstFrameOffset() < 0)
            return audio;
    }
    TagLibStream stream(device, start);
    TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), true, TagLib::AudioProperties::Fast);
    const TagLib::MPEG::Properties* properties = file.audioProperties();
    if (!file.isValid() || !properties || properties->sampleRate() <= 0 || properties->layer() < 1
        || properties->layer() > 3)
        return audio;

    audio.kind_ = Kind::Mpeg;
    audio.layer_ = properties->layer();
    audio.lengthMilliseconds_ = std::max(0, properties->lengthInMilliseconds());
    audio.sampleRate_ = properties->sampleRate();
    audio.channels_ = properties->channels();
    audio.kilobitsPerSecond_ = std::max(0, properties->bitrate());
    // The header's frame count is trusted only when the file holds about the bytes the header
    // claims: a file cut short or joined to another has a header that no longer tells.
    if (const TagLib::MPEG::XingHeader* header = properties->xingHeader()) {
        const qint64 streamBytes = device.size() - start - qint64(file.firstFrameOffset());
        const qint64 claimed = header->totalSize();
        audio.lengthIsExact_ = audio.lengthMilliseconds_ > 0 && streamBytes >= claimed - 2048
                               && streamBytes <= claimed + claimed / 100 + 128 * 1024;
    }
    return audio;
}

QString InputAudio::minutesAndSeconds(int milliseconds)
{
    const int seconds = std::max(0, milliseconds) / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString InputAudio::logLine(const QString& name, const QLocale& locale) const
{
    switch (kind_) {
    case Kind::Unreadable:
        return QStringLiteral("%1 cannot be read: %2.").arg(name, reason_);
    case Kind::Other:
        if (otherFormat_.isEmpty())
            return QStringLiteral("%1 is not an MP3 file.").arg(name);
        return QStringLiteral("%1 is not an MP3 file. It is %2.").arg(name, otherFormat_);
    case Kind::Mpeg:
        break;
    }
    const QString format = layer_ == 3 ? QStringLiteral("MP3") : QStringLiteral("MPEG audio layer %1").arg(layer_);
    const QString length =
        (lengthIsExact_ ? QString() : QStringLiteral("about ")) + minutesAndSeconds(lengthMilliseconds_);
    const QString rate = locale.toString(sampleRate_ / 1000.0, 'g', 6) + QStringLiteral(" kHz");
    return QStringLiteral("%1: %2, %3, %4, %5, %6 kb/s.")
        .arg(name, format, length, rate, channelsText(channels_, locale), locale.toString(kilobitsPerSecond_));
}
