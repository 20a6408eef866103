// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "ToolRunner.h"

#include "TerminationFlag.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QScopeGuard>

#include <windows.h>

#include <shellapi.h>

namespace {

constexpr DWORD StopGraceMs = 2000;

// An unhandled fault ends a process with its exception code as the exit status
// (0xC0000005 for an access violation, and so on).
bool isFaultStatus(DWORD status)
{
    return (status & 0xF0000000) == 0xC0000000;
}

void stop(HANDLE process)
{
    TerminateProcess(process, 1);
    WaitForSingleObject(process, StopGraceMs);
    CloseHandle(process);
}

} // namespace

ToolOutcome ToolRunner::RunElevatedAndWait(quintptr ownerWindow, const QString& program, const QString& parameters,
                                           const TerminationFlag& termination)
{
    ToolOutcome outcome;
    if (termination.isSet()) {
        outcome.kind = ToolOutcome::Kind::Stopped;
        return outcome;
    }

    // Administrator rights ("runas"), no window, no working folder; the shell shows no
    // error dialogs of its own. An elevated tool's error output cannot be read.
    const QString file = QDir::toNativeSeparators(program);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    // No zone check: tools unpacked from a downloaded zip carry the mark of the web, and the
    // check would ask about each start, or with no UI allowed, refuse it.
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOZONECHECKS;
    info.hwnd = reinterpret_cast<HWND>(ownerWindow);
    info.lpVerb = L"runas";
    info.lpFile = reinterpret_cast<LPCWSTR>(file.utf16());
    info.lpParameters = parameters.isEmpty() ? nullptr : reinterpret_cast<LPCWSTR>(parameters.utf16());
    info.nShow = SW_HIDE;
    if (!ShellExecuteExW(&info) || !info.hProcess)
        return outcome; // NotStarted

    // Told to end while the tool runs (the end of a Windows session, which may end this
    // process as soon as the message returns): the tool stops at once.
    const QMetaObject::Connection stopAtOnce = QObject::connect(&termination, &TerminationFlag::raised, [&info] {
        TerminateProcess(info.hProcess, 1);
        WaitForSingleObject(info.hProcess, StopGraceMs);
    });
    const auto disconnect = qScopeGuard([&stopAtOnce] { QObject::disconnect(stopAtOnce); });

    // Sleep until the process ends or a message arrives for this thread, handle the
    // messages, and look at the quit request; never spin.
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjectsEx(1, &info.hProcess, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woken == WAIT_OBJECT_0)
            break;
        if (woken == WAIT_FAILED) {
            // Without a wait the run cannot know when the tool is done: it is a failure of
            // that tool, and the tool must not go on writing.
            outcome.kind = ToolOutcome::Kind::WaitFailed;
            outcome.lastErrorLine = qt_error_string(int(GetLastError()));
            stop(info.hProcess);
            return outcome;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents();
        if (termination.isSet()) {
            stop(info.hProcess);
            outcome.kind = ToolOutcome::Kind::Stopped;
            return outcome;
        }
    }

    DWORD status = 0;
    const bool known = GetExitCodeProcess(info.hProcess, &status);
    CloseHandle(info.hProcess);
    outcome.kind = known && isFaultStatus(status) ? ToolOutcome::Kind::Crashed : ToolOutcome::Kind::Exited;
    outcome.exitStatus = known ? int(status) : -1;
    return outcome;
}
