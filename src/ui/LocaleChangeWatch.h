// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <memory>

class QAbstractNativeEventFilter;
class QWidget;

// Sends a window a QEvent::LocaleChange when the user changes the regional settings while
// the program runs. Windows announces that to every window (WM_SETTINGCHANGE "intl"), and
// Qt does not pass it on; elsewhere nothing announces it.
class LocaleChangeWatch {
public:
    explicit LocaleChangeWatch(QWidget* window);
    ~LocaleChangeWatch();

private:
    std::unique_ptr<QAbstractNativeEventFilter> filter_;
};
