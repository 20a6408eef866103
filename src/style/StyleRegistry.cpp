// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "StyleRegistry.h"

#include "VisualStyleProxy.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QtDebug>

#include <zlib.h>

#include <algorithm>

namespace {

// A style's source is a few kilobytes; anything that inflates beyond this is not a style.
constexpr qsizetype MaxSourceSize = 4 * 1024 * 1024;

} // namespace

std::optional<QByteArray> StyleRegistry::unpack(const QByteArray& carried)
{
    if (!carried.startsWith(Signature))
        return std::nullopt;
    const QByteArray stream = carried.mid(Signature.size());

    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return std::nullopt;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(stream.constData()));
    z.avail_in = static_cast<uInt>(stream.size());

    QByteArray source;
    char chunk[16384];
    int result = Z_OK;
    while (result == Z_OK && source.size() <= MaxSourceSize) {
        z.next_out = reinterpret_cast<Bytef*>(chunk);
        z.avail_out = sizeof chunk;
        result = inflate(&z, Z_NO_FLUSH);
        source.append(chunk, static_cast<qsizetype>(sizeof chunk - z.avail_out));
    }
    // Z_STREAM_END only after the whole stream and its checksum were read; Z_BUF_ERROR means
    // the input ended first (truncated). Data after the stream's end is not accepted either.
    const bool complete = result == Z_STREAM_END && z.avail_in == 0 && source.size() <= MaxSourceSize;
    inflateEnd(&z);
    if (!complete)
        return std::nullopt;
    return source;
}

bool StyleRegistry::registerStyle(const QByteArray& carried, QString* error)
{
    const std::optional<QByteArray> source = unpack(carried);
    if (!source) {
        if (error)
            *error = QStringLiteral("not a carried style (signature or compressed data damaged)");
        return false;
    }
    std::optional<VisualStyle> style = VisualStyle::parse(QString::fromUtf8(*source), error);
    if (!style)
        return false;

    const auto known = std::find_if(styles_.begin(), styles_.end(), [&](const VisualStyle& s) {
        return s.name().compare(style->name(), Qt::CaseInsensitive) == 0;
    });
    if (known != styles_.end())
        *known = std::move(*style);
    else
        styles_.push_back(std::move(*style));
    return true;
}

int StyleRegistry::registerCarriedStyles()
{
    int registered = 0;
    QDirIterator it(ResourceFolder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        QString error;
        if (!file.open(QIODevice::ReadOnly))
            error = file.errorString();
        else if (registerStyle(file.readAll(), &error))
            ++registered;
        if (!error.isEmpty())
            qWarning().noquote() << "Visual style" << path << "skipped:" << error;
    }
    return registered;
}

QStringList StyleRegistry::names() const
{
    QStringList names;
    for (const VisualStyle& style : styles_)
        names << style.name();
    return names;
}

std::optional<VisualStyle> StyleRegistry::find(const QString& name) const
{
    for (const VisualStyle& style : styles_)
        if (style.name().compare(name, Qt::CaseInsensitive) == 0)
            return style;
    return std::nullopt;
}

bool StyleRegistry::apply(const QString& name) const
{
    const std::optional<VisualStyle> style = find(name);
    if (!style)
        return false;
    Q_ASSERT(qobject_cast<QApplication*>(QCoreApplication::instance()));
    // Style first: setStyle resets a palette that was not set explicitly.
    QApplication::setStyle(new VisualStyleProxy(*style));
    QApplication::setPalette(style->palette());
    return true;
}
