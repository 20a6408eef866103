// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QStringList>

#include <functional>
#include <memory>

class QAbstractNativeEventFilter;
class QWidget;

// What Windows tells the main window and Qt does not pass on, handed to the window.
// - A change of the regional settings (WM_SETTINGCHANGE "intl") reaches the window as a
//   QEvent::LocaleChange.
// - Files dropped from Explorer: the program runs with administrator rights, and Windows
//   drops the OLE drag and drop messages of a less privileged Explorer, so drops arrive as
//   WM_DROPFILES instead, let through the message filter; Qt's OLE drop target stays off.
// - The end of the session (WM_ENDSESSION): Windows may end the process as soon as the
//   message returns, so whatever must happen before then happens in the handler.
// Elsewhere nothing announces these, and drops are Qt's.
class SystemMessageWatch {
public:
    struct Handlers {
        std::function<void(const QStringList& paths)> filesDropped;
        std::function<void()> sessionEnding;
    };

    SystemMessageWatch(QWidget* window, Handlers handlers);
    ~SystemMessageWatch();

private:
    std::unique_ptr<QAbstractNativeEventFilter> filter_;
};
