// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "ToolRunner.h"

#include "TerminationFlag.h"
#include "WindowsCommandLine.h"

#include <QEventLoop>
#include <QProcess>
#include <QRegularExpression>

namespace {

// Enough of the error output to find its last line; tools can be chatty.
constexpr qsizetype ErrorTailBytes = 8192;
constexpr int StopGraceMs = 2000;

QString lastLineOf(const QByteArray& output)
{
    const QStringList lines =
        QString::fromLocal8Bit(output).split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts);
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        const QString trimmed = line->trimmed();
        if (!trimmed.isEmpty())
            return trimmed;
    }
    return {};
}

void stop(QProcess& process)
{
    process.terminate();
    if (!process.waitForFinished(StopGraceMs)) {
        process.kill();
        process.waitForFinished(-1);
    }
}

} // namespace

ToolOutcome ToolRunner::RunElevatedAndWait(quintptr /*ownerWindow*/, const QString& program, const QString& parameters,
                                           const TerminationFlag& termination)
{
    // Tools run with the program's own rights: there is nothing to elevate to here.
    ToolOutcome outcome;
    if (termination.isSet()) {
        outcome.kind = ToolOutcome::Kind::Stopped;
        return outcome;
    }

    QProcess process;
    process.setProgram(program);
    process.setArguments(WindowsCommandLine::split(parameters));
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());

    QByteArray errorTail;
    QObject::connect(&process, &QProcess::readyReadStandardError, [&] {
        errorTail += process.readAllStandardError();
        if (errorTail.size() > ErrorTailBytes)
            errorTail.remove(0, errorTail.size() - ErrorTailBytes);
    });

    QEventLoop wait;
    QObject::connect(&process, &QProcess::finished, &wait, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &wait, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            wait.quit();
    });
    QObject::connect(&termination, &TerminationFlag::raised, &wait, &QEventLoop::quit);

    process.start();
    if (process.state() != QProcess::NotRunning)
        wait.exec();
    // Once the quit request is taken Qt ends every event loop, so this wait may also
    // return without the flag set: in either case a tool still running is stopped.
    if (process.state() != QProcess::NotRunning) {
        stop(process);
        outcome.kind = ToolOutcome::Kind::Stopped;
        return outcome;
    }

    if (process.error() == QProcess::FailedToStart) {
        outcome.kind = ToolOutcome::Kind::NotStarted;
        return outcome;
    }
    errorTail += process.readAllStandardError();
    outcome.lastErrorLine = lastLineOf(errorTail);
    if (process.exitStatus() == QProcess::CrashExit) {
        outcome.kind = ToolOutcome::Kind::Crashed;
        outcome.exitStatus = process.exitCode();
    } else {
        outcome.kind = ToolOutcome::Kind::Exited;
        outcome.exitStatus = process.exitCode();
    }
    return outcome;
}
