// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QLocale>
#include <QString>

class QIODevice;

// What the input file holds, read from its headers alone (no audio is decoded): whether
// it could be read, whether it is MPEG audio as the splitter and the fader take it, and
// its length, sample rate, channels and bit rate. The length is exact only where a
// Xing/Info or VBRI header gives the number of frames and the file holds about the bytes
// it claims; otherwise it is an estimate from the first frame's bit rate, and nothing may
// be refused on it.
class InputAudio {
public:
    enum class Kind {
        Unreadable, // missing, a folder or other non-file, or not opened
        Mpeg,       // MPEG audio (an MP3 file, or layer I or II)
        Other,      // read, but no MPEG audio: FLAC, Ogg, WAV, MPEG-4, empty, unknown, or no
                    // MPEG frame within 512 KiB after the ID3v2 tag
    };

    // Reads the file; never throws. Only regular files are opened, so a device or a pipe
    // named like an MP3 cannot block or flood the program.
    static InputAudio read(const QString& path);
    // Reads an open, seekable device from its start.
    static InputAudio read(QIODevice& device);

    Kind kind() const { return kind_; }
    // Why the file could not be read ("there is no such file"), when it could not.
    QString reason() const { return reason_; }
    // What a file that is not MPEG audio is, as far as its first bytes tell: "a FLAC file",
    // "an Ogg file", "a WAV file", "an MPEG-4 file", "empty", or nothing.
    QString otherFormat() const { return otherFormat_; }

    // For MPEG audio: 1, 2 or 3 (MP3).
    int layer() const { return layer_; }
    int lengthMilliseconds() const { return lengthMilliseconds_; }
    bool lengthIsExact() const { return lengthIsExact_; }
    int sampleRate() const { return sampleRate_; }
    int channels() const { return channels_; }
    int kilobitsPerSecond() const { return kilobitsPerSecond_; }

    // One line for the log about the file named name, numbers in the locale's form:
    // "song.mp3: MP3, 3:42, 44.1 kHz, stereo, 128 kb/s.", an estimated length as "about 3:42".
    QString logLine(const QString& name, const QLocale& locale = QLocale()) const;

    // Whole minutes and seconds, "m:ss", as the window's time fields read them.
    static QString minutesAndSeconds(int milliseconds);

private:
    Kind kind_ = Kind::Unreadable;
    QString reason_;
    QString otherFormat_;
    int layer_ = 0;
    int lengthMilliseconds_ = 0;
    bool lengthIsExact_ = false;
    int sampleRate_ = 0;
    int channels_ = 0;
    int kilobitsPerSecond_ = 0;
};
