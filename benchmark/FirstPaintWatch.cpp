// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "FirstPaintWatch.h"

#include "TForm1.h"

#include <QEvent>
#include <QMetaObject>

FirstPaintWatch::FirstPaintWatch(std::function<void(TForm1&)> handler, QObject* parent)
    : QObject(parent)
    , handler_(std::move(handler))
{}

bool FirstPaintWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (!seen_ && event->type() == QEvent::Paint) {
        if (auto* form = qobject_cast<TForm1*>(watched)) {
            seen_ = true;
            // The window's paint event comes before its controls' in the same repaint;
            // queued, the handler runs once that repaint has been drawn and flushed.
            QMetaObject::invokeMethod(
                this, [this, form] { handler_(*form); }, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}
