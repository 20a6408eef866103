// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "ToolVersionQuery.h"

#include <QProcess>
#include <QRegularExpression>

ToolVersionQuery::ToolVersionQuery(const ToolSet& tools, QObject* parent) : QObject(parent), tools_(tools)
{}

ToolVersionQuery::~ToolVersionQuery()
{
    // A tool still answering is stopped; its answer has nowhere to go any more.
    for (auto& process : processes_) {
        if (!process)
            continue;
        process->disconnect(this);
        process->kill();
        process->waitForFinished();
    }
}

void ToolVersionQuery::start()
{
    for (const ToolSet::RoleEntry& entry : ToolSet::Roles) {
        auto& process = processes_[std::size_t(entry.role)];
        process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->setStandardInputFile(QProcess::nullDevice());
        const ToolSet::Role role = entry.role;
        connect(process.get(), &QProcess::finished, this, [this, role] { finish(role, true); });
        connect(process.get(), &QProcess::errorOccurred, this, [this, role](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                finish(role, false);
        });
        process->start(tools_.path(role), {entry.versionOption.toString()});
    }
}

QString ToolVersionQuery::versionIn(ToolSet::Role role, const QString& output)
{
    const QRegularExpression pattern(ToolSet::Roles[std::size_t(role)].versionPattern.toString());
    return pattern.match(output).captured(1);
}

void ToolVersionQuery::finish(ToolSet::Role role, bool started)
{
    Answer answer{role, started, {}, {}};
    if (started) {
        answer.output = QString::fromLocal8Bit(processes_[std::size_t(role)]->readAll());
        answer.version = versionIn(role, answer.output);
    }
    emit answered(answer);
}
