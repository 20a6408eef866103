// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "ConversionRun.h"

#include "ConversionView.h"
#include "FileRename.h"
#include "Mpeg4Header.h"
#include "PathPieces.h"
#include "TerminationFlag.h"
#include "ToolParameters.h"
#include "ToolRunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

namespace {

QString failureOf(const QString& role, const ToolOutcome& outcome)
{
    switch (outcome.kind) {
    case ToolOutcome::Kind::NotStarted:
        return QStringLiteral("Error: the %1 could not be started.").arg(role);
    case ToolOutcome::Kind::Crashed:
        return QStringLiteral("Error: the %1 failed (it crashed).").arg(role);
    case ToolOutcome::Kind::WaitFailed:
        return QStringLiteral("Error: waiting for the %1 failed.").arg(role);
    default:
        return QStringLiteral("Error: the %1 failed (exit status %2).").arg(role).arg(outcome.exitStatus);
    }
}

} // namespace

ConversionRun::ConversionRun(ConversionView& view, const TerminationFlag& termination, quintptr ownerWindow)
    : view_(view)
    , termination_(termination)
    , ownerWindow_(ownerWindow)
{}

ConversionRun::Result ConversionRun::runTools(const CheckedRequest& checked, const ToolSet& tools, std::size_t count)
{
    const auto steps = ToolParameters::steps(checked.request, *names_);

    view_.setConvertEnabled(false);
    view_.clearLog();

    // When the program is told to end during a tool's run, what the run made goes at once,
    // not only once the wait has returned.
    const QMetaObject::Connection cleanUp =
        QObject::connect(&termination_, &TerminationFlag::cleanUp, [this] { removeIntermediates(Keep::Nothing); });
    const auto disconnect = qScopeGuard([&cleanUp] { QObject::disconnect(cleanUp); });

    for (std::size_t i = 0; i < count && i < steps.size(); ++i) {
        const ToolParameters::Step& step = steps[i];
        const QString role = ToolSet::roleWord(step.role);
        view_.appendLog(QStringLiteral("Initializing %1 parameters: ").arg(role) + step.parameters);
        view_.appendLog(QStringLiteral("Executing %1. Please wait.").arg(role));

        const ToolOutcome outcome =
            ToolRunner::RunElevatedAndWait(ownerWindow_, tools.path(step.role), step.parameters, termination_);
        if (outcome.kind == ToolOutcome::Kind::Stopped || termination_.isSet()) {
            // The program is ending: leave the output file as it was.
            removeIntermediates(Keep::Nothing);
            return Result::Stopped;
        }
        if (!outcome.succeeded())
            return fail(failureOf(role, outcome), outcome.lastErrorLine);
        if (!QFileInfo::exists(step.product)) {
            return fail(QStringLiteral("Error: the %1 did not produce %2.").arg(role, step.product),
                        outcome.lastErrorLine);
        }
    }
    return Result::Done;
}

ConversionRun::Result ConversionRun::preview(const CheckedRequest& checked, const ToolSet& tools, const QString& folder)
{
    const PathPieces pieces;
    QString base = QDir::toNativeSeparators(folder);
    if (!base.isEmpty() && !pieces.isDelimiter(base.back()))
        base += pieces.separator();
    names_ = IntermediateNames::forOutput(base + QStringLiteral("section"));
    failedLine_ = QStringLiteral("Playing the section failed.");
    // The steps of the splitter and the fader, which come first in a conversion.
    const Result result = runTools(checked, tools, 2);
    if (result != Result::Done)
        return result;
    QFile::remove(names_->cut());
    view_.appendLog(QStringLiteral("Playing the section."));
    view_.setConvertEnabled(true);
    return Result::Done;
}

QString ConversionRun::previewFile() const
{
    return names_ ? names_->faded() : QString();
}

ConversionRun::Result ConversionRun::execute(const CheckedRequest& checked, const ToolSet& tools)
{
    // Names that no existing file has, so nothing of the user's is written over or removed.
    names_ = IntermediateNames::forOutput(checked.request.outputPath);
    const QString output = checked.request.outputPath;
    failedLine_ = QStringLiteral("Conversion failed.");
    const Result result = runTools(checked, tools, ToolSet::Roles.size());
    if (result != Result::Done)
        return result;

    view_.appendLog(QStringLiteral("Removing temporary files."));
    QFile::remove(names_->faded());
    QFile::remove(names_->cut());

    const QString renameError = FileRename::replacing(names_->encoded(), output);
    if (!renameError.isEmpty()) {
        // The ringtone itself is fine: it stays under the name the converter gave it.
        view_.appendLog(QStringLiteral("Error: %1 could not be renamed to %2.").arg(names_->encoded(), output));
        view_.appendLog(renameError);
        return fail(QStringLiteral("The ringtone was kept as %1.").arg(names_->encoded()), {}, Keep::Encoded);
    }

    // The splitter cuts only to the input's end, so a section reaching past it comes out shorter.
    const std::optional<double> length = Mpeg4Header::durationSeconds(output);
    if (length && *length < checked.sectionSeconds - 0.5) {
        view_.appendLog(QStringLiteral("Note: the input ends before the end time, so the ringtone is %1 seconds long.")
                            .arg(qRound(*length)));
    }
    view_.appendLog(QStringLiteral("Done."));
    view_.setConvertEnabled(true);
    if (view_.revealWanted())
        view_.reveal(output);
    return Result::Done;
}

ConversionRun::Result ConversionRun::fail(const QString& reason, const QString& toolError, Keep keep)
{
    view_.appendLog(reason);
    if (!toolError.isEmpty())
        view_.appendLog(toolError);
    removeIntermediates(keep);
    view_.appendLog(failedLine_);
    view_.setConvertEnabled(true);
    return Result::Failed;
}

void ConversionRun::removeIntermediates(Keep keep) const
{
    // None of these existed when the run began, so whatever is there now is ours.
    QFile::remove(names_->faded());
    QFile::remove(names_->cut());
    for (const QString& other : names_->splitterOthers())
        QFile::remove(other);
    if (keep == Keep::Nothing)
        QFile::remove(names_->encoded());
}
