// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "Mpeg4Header.h"

#include <QFile>
#include <QtEndian>

#include <cstring>

namespace {

struct Box {
    char type[4];
    qint64 contentStart;
    qint64 end;
};

// The boxes looked for stand among the first few of their level; the bound keeps a
// hostile file from making the walk long.
constexpr int MaxBoxesPerLevel = 4096;

template <typename T>
bool readBigEndian(QIODevice& file, T& value)
{
    uchar bytes[sizeof(T)];
    if (file.read(reinterpret_cast<char*>(bytes), sizeof(T)) != qint64(sizeof(T)))
        return false;
    value = qFromBigEndian<T>(bytes);
    return true;
}

// The box header at the file's position, within a parent that ends at limit. A size of 1
// means a 64-bit size follows; 0 means the box runs to the parent's end.
std::optional<Box> readBox(QIODevice& file, qint64 limit)
{
    const qint64 start = file.pos();
    quint32 size32 = 0;
    Box box{};
    if (limit - start < 8 || !readBigEndian(file, size32) || file.read(box.type, 4) != 4)
        return std::nullopt;
    qint64 size = size32;
    if (size32 == 1) {
        quint64 size64 = 0;
        if (!readBigEndian(file, size64) || size64 > quint64(limit - start))
            return std::nullopt;
        size = qint64(size64);
    } else if (size32 == 0) {
        size = limit - start;
    }
    box.contentStart = file.pos();
    box.end = start + size;
    if (size < box.contentStart - start || box.end > limit)
        return std::nullopt;
    return box;
}

// Walks the boxes from the file's position up to limit and stops at the first of the type.
std::optional<Box> findBox(QIODevice& file, qint64 limit, const char (&type)[5])
{
    for (int n = 0; n < MaxBoxesPerLevel; ++n) {
        const std::optional<Box> box = readBox(file, limit);
        if (!box)
            return std::nullopt;
        if (std::memcmp(box->type, type, 4) == 0)
            return box;
        if (!file.seek(box->end))
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::optional<double> Mpeg4Header::durationSeconds(QIODevice& file)
{
    if (!file.isOpen() || file.isSequential() || !file.seek(0))
        return std::nullopt;
    const std::optional<Box> movie = findBox(file, file.size(), "moov");
    if (!movie)
        return std::nullopt;
    const std::optional<Box> header = findBox(file, movie->end, "mvhd");
    if (!header)
        return std::nullopt;

    // Version 1 has 64-bit times and duration, version 0 32-bit ones, after the version byte
    // and three bytes of flags; a duration of all ones means unknown.
    const qint64 available = header->end - header->contentStart;
    quint8 version = 0;
    if (available < 4 || !readBigEndian(file, version))
        return std::nullopt;
    const qint64 timesBytes = version == 1 ? 16 : 8;
    const qint64 durationBytes = version == 1 ? 8 : 4;
    if (version > 1 || available < 4 + timesBytes + 4 + durationBytes
        || !file.seek(header->contentStart + 4 + timesBytes))
        return std::nullopt;
    quint32 timescale = 0;
    quint64 duration = 0;
    if (!readBigEndian(file, timescale))
        return std::nullopt;
    if (version == 1) {
        if (!readBigEndian(file, duration) || duration == ~quint64(0))
            return std::nullopt;
    } else {
        quint32 duration32 = 0;
        if (!readBigEndian(file, duration32) || duration32 == ~quint32(0))
            return std::nullopt;
        duration = duration32;
    }
    if (timescale == 0)
        return std::nullopt;
    return double(duration) / timescale;
}

std::optional<double> Mpeg4Header::durationSeconds(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return durationSeconds(file);
}
