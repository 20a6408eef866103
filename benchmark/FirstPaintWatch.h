// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QObject>

#include <functional>

class TForm1;

// Watches every event of the application for the main window's first paint and then
// runs a handler once, after the window and its controls have been drawn. Lets the
// benchmark act on the window that the application's own start-up creates.
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(std::function<void(TForm1&)> handler, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(TForm1&)> handler_;
    bool seen_ = false;
};
