// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QtGlobal>

#include <taglib/tiostream.h>

#include <limits>

class QIODevice;

// Lets TagLib read from a Qt device, so a file is opened by Qt (Unicode paths on every
// platform) and the fuzz target reaches TagLib through the same code as the program.
// Read-only: TagLib's writing calls change nothing. Offsets beyond what TagLib's long
// holds (2 GiB on Windows) are cut to that.
class TagLibStream : public TagLib::IOStream {
public:
    // The device must be open for reading, seekable, and outlive the stream. TagLib sees its
    // bytes from offset on, as if the file began there, and up to limit at most, as if it
    // ended there.
    explicit TagLibStream(QIODevice& device, qint64 offset = 0, qint64 limit = std::numeric_limits<qint64>::max());

    TagLib::FileName name() const override;
    TagLib::ByteVector readBlock(unsigned long length) override;
    void writeBlock(const TagLib::ByteVector& data) override;
    void insert(const TagLib::ByteVector& data, unsigned long start = 0, unsigned long replace = 0) override;
    void removeBlock(unsigned long start = 0, unsigned long length = 0) override;
    bool readOnly() const override;
    bool isOpen() const override;
    void seek(long offset, Position p = Beginning) override;
    long tell() const override;
    long length() override;
    void truncate(long length) override;

private:
    // The length of the stretch TagLib sees, and the position in it.
    qint64 size() const;
    qint64 position() const;

    QIODevice& device_;
    qint64 offset_;
    qint64 limit_;
};
