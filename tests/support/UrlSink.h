// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QObject>
#include <QUrl>

// While it lives, files and web addresses handed to QDesktopServices are only recorded:
// a test that reaches the real desktop services never starts a player, browser or file
// manager.
class UrlSink : public QObject {
    Q_OBJECT
public:
    explicit UrlSink(QObject* parent = nullptr);
    ~UrlSink() override;

    // What reached the desktop services, in order.
    QList<QUrl> urls;

public slots:
    void swallow(const QUrl& url);
};
