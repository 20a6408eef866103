// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "LocaleChangeWatch.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <windows.h>

#include <cwchar>

namespace {

class SettingChangeFilter : public QAbstractNativeEventFilter {
public:
    explicit SettingChangeFilter(QWidget* window) : window_(window) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "windows_generic_MSG" || !window_)
            return false;
        const MSG* msg = static_cast<const MSG*>(message);
        // Sent to every top-level window; the program's main window answers once.
        if (msg->message == WM_SETTINGCHANGE && msg->hwnd == reinterpret_cast<HWND>(window_->winId()) && msg->lParam
            && std::wcscmp(reinterpret_cast<const wchar_t*>(msg->lParam), L"intl") == 0)
            QCoreApplication::postEvent(window_, new QEvent(QEvent::LocaleChange));
        return false;
    }

private:
    QPointer<QWidget> window_;
};

} // namespace

LocaleChangeWatch::LocaleChangeWatch(QWidget* window) : filter_(std::make_unique<SettingChangeFilter>(window))
{
    QCoreApplication::instance()->installNativeEventFilter(filter_.get());
}

LocaleChangeWatch::~LocaleChangeWatch()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(filter_.get());
}
