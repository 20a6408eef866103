// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "SystemMessageWatch.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <windows.h>

#include <shellapi.h>

#include <cwchar>

namespace {

// Sent by Explorer with a drop; not named by the SDK headers.
constexpr UINT WM_COPYGLOBALDATA = 0x0049;

QStringList droppedPaths(HDROP drop)
{
    QStringList paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        DragQueryFileW(drop, i, path.data(), length + 1);
        path.resize(length);
        paths << QString::fromStdWString(path);
    }
    return paths;
}

class SystemMessageFilter : public QAbstractNativeEventFilter {
public:
    SystemMessageFilter(QWidget* window, SystemMessageWatch::Handlers handlers)
        : window_(window)
        , handlers_(std::move(handlers))
    {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override
    {
        if (type != "windows_generic_MSG" || !window_)
            return false;
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->hwnd != reinterpret_cast<HWND>(window_->winId()))
            return false;
        switch (msg->message) {
        case WM_SETTINGCHANGE:
            // Sent to every top-level window; the program's main window answers once.
            if (msg->lParam && std::wcscmp(reinterpret_cast<const wchar_t*>(msg->lParam), L"intl") == 0)
                QCoreApplication::postEvent(window_, new QEvent(QEvent::LocaleChange));
            return false;
        case WM_DROPFILES: {
            const HDROP drop = reinterpret_cast<HDROP>(msg->wParam);
            const QStringList paths = droppedPaths(drop);
            DragFinish(drop);
            if (handlers_.filesDropped)
                handlers_.filesDropped(paths);
            *result = 0;
            return true;
        }
        case WM_ENDSESSION:
            // The session ends: nothing is left to do once the handler is done, and Windows
            // ends the process when it likes. A cancelled end is Qt's.
            if (!msg->wParam)
                return false;
            if (handlers_.sessionEnding)
                handlers_.sessionEnding();
            *result = 0;
            return true;
        default:
            return false;
        }
    }

private:
    QPointer<QWidget> window_;
    SystemMessageWatch::Handlers handlers_;
};

} // namespace

SystemMessageWatch::SystemMessageWatch(QWidget* window, Handlers handlers)
    : filter_(std::make_unique<SystemMessageFilter>(window, std::move(handlers)))
{
    // Qt's OLE drop target would never see Explorer's drags in an elevated window, and must
    // not compete with the drops taken here: no widget of the window registers one.
    for (QWidget* widget : window->findChildren<QWidget*>())
        widget->setAcceptDrops(false);
    window->setAcceptDrops(false);

    const HWND hwnd = reinterpret_cast<HWND>(window->winId());
    DragAcceptFiles(hwnd, TRUE);
    for (const UINT message : {UINT(WM_DROPFILES), UINT(WM_COPYDATA), WM_COPYGLOBALDATA})
        ChangeWindowMessageFilterEx(hwnd, message, MSGFLT_ALLOW, nullptr);
    QCoreApplication::instance()->installNativeEventFilter(filter_.get());
}

SystemMessageWatch::~SystemMessageWatch()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(filter_.get());
}
