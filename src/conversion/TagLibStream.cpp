// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "TagLibStream.h"

#include <QIODevice>

#include <algorithm>
#include <limits>

namespace {

long toLong(qint64 value)
{
    return long(std::clamp<qint64>(value, 0, std::numeric_limits<long>::max()));
}

} // namespace

TagLibStream::TagLibStream(QIODevice& device, qint64 offset, qint64 limit)
    : device_(device)
    , offset_(std::max<qint64>(0, offset))
    , limit_(limit)
{
    device_.seek(std::min(offset_, device_.size()));
}

qint64 TagLibStream::size() const
{
    return std::max<qint64>(0, std::min(device_.size(), limit_) - offset_);
}

qint64 TagLibStream::position() const
{
    return std::max<qint64>(0, device_.pos() - offset_);
}

TagLib::FileName TagLibStream::name() const
{
    return "";
}

TagLib::ByteVector TagLibStream::readBlock(unsigned long length)
{
    // A hostile header may ask for far more than there is: read only what is left.
    const qint64 left = std::max<qint64>(0, size() - position());
    const qint64 wanted = std::min<qint64>(qint64(std::min<unsigned long>(length, 1ul << 30)), left);
    TagLib::ByteVector block(static_cast<unsigned int>(wanted), '\0');
    const qint64 got = wanted > 0 ? device_.read(block.data(), wanted) : 0;
    block.resize(static_cast<unsigned int>(std::max<qint64>(got, 0)));
    return block;
}

void TagLibStream::writeBlock(const TagLib::ByteVector&)
{}

void TagLibStream::insert(const TagLib::ByteVector&, unsigned long, unsigned long)
{}

void TagLibStream::removeBlock(unsigned long, unsigned long)
{}

bool TagLibStream::readOnly() const
{
    return true;
}

bool TagLibStream::isOpen() const
{
    return device_.isOpen();
}

void TagLibStream::seek(long offset, Position p)
{
    qint64 base = 0;
    if (p == Current)
        base = position();
    else if (p == End)
        base = size();
    // Devices differ on positions outside the data; TagLib only needs reads there to be empty.
    device_.seek(offset_ + std::clamp<qint64>(base + offset, 0, size()));
}

long TagLibStream::tell() const
{
    return toLong(position());
}

long TagLibStream::length()
{
    return toLong(size());
}

void TagLibStream::truncate(long)
{}
