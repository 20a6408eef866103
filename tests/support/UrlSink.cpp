// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "UrlSink.h"

#include <QDesktopServices>

namespace {
const char* const Schemes[] = {"file", "http", "https"};
}

UrlSink::UrlSink(QObject* parent) : QObject(parent)
{
    for (const char* scheme : Schemes)
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "swallow");
}

UrlSink::~UrlSink()
{
    for (const char* scheme : Schemes)
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void UrlSink::swallow(const QUrl& url)
{
    urls << url;
}
