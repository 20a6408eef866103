#include "ToolRunner.h"

#include "TerminationFlag.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QWidget>

#include <shellapi.h>
#include <windows.h>

// Not built on the project's Linux machines: keep it small and close to the Win32 calls.
ToolOutcome ToolRunner::RunElevatedAndWait(QObject* owner, const QString& program, const QString& parameters,
                                           const TerminationFlag& termination)
{
    ToolOutcome outcome;
    if (termination.isSet()) {
        outcome.kind = ToolOutcome::Kind::Stopped;
        return outcome;
    }

    const auto* ownerWidget = qobject_cast<const QWidget*>(owner);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.hwnd = ownerWidget ? reinterpret_cast<HWND>(ownerWidget->winId()) : nullptr;
    info.lpVerb = L"runas";
    info.lpFile = reinterpret_cast<LPCWSTR>(program.utf16());
    info.lpParameters = parameters.isEmpty() ? nullptr : reinterpret_cast<LPCWSTR>(parameters.utf16());
    info.nShow = SW_HIDE;
    if (!ShellExecuteExW(&info) || !info.hProcess)
        return outcome; // NotStarted

    // Sleep until the process ends or a window message arrives; never spin.
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &info.hProcess, FALSE, INFINITE, QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0)
            break;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (termination.isSet()) {
            TerminateProcess(info.hProcess, 1);
            WaitForSingleObject(info.hProcess, 2000);
            CloseHandle(info.hProcess);
            outcome.kind = ToolOutcome::Kind::Stopped;
            return outcome;
        }
    }

    DWORD status = 0;
    GetExitCodeProcess(info.hProcess, &status);
    CloseHandle(info.hProcess);
    outcome.kind = ToolOutcome::Kind::Exited;
    outcome.exitStatus = static_cast<int>(status);
    return outcome;
}
