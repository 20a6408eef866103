// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

// What the fuzz targets share: stopping at a broken rule so libFuzzer keeps the input,
// reading the input bytes as text both ways a QString can come from outside, and reading
// them as a file through a device.

#include <QBuffer>
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace FuzzRules {

inline void require(bool condition, const char* rule, const QString& text)
{
    if (condition)
        return;
    std::fprintf(stderr, "broken rule: %s\ntext: \"%s\"\n", rule, text.toUtf8().constData());
    std::abort();
}

// check(text) for the bytes as UTF-8, then as UTF-16 code units, which may pair wrongly
// or not at all.
template <typename Check>
void forEachText(const std::uint8_t* data, std::size_t size, Check check)
{
    check(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    QString units(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(units.data(), data, std::size_t(units.size()) * sizeof(QChar));
    check(units);
}

// read(device) on a read-only device over the bytes, as a file's reader gets it.
template <typename Read>
auto readAsFile(const QByteArray& bytes, Read read)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer);
}

} // namespace FuzzRules
