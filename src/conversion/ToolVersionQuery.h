// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include "ToolSet.h"

#include <QObject>
#include <QString>

#include <array>
#include <memory>

class QProcess;

// Asks the installed tools for their versions without blocking: each is started with its
// version option, and answered() follows when it has ended.
class ToolVersionQuery : public QObject {
    Q_OBJECT
public:
    struct Answer {
        ToolSet::Role role;
        // False when the tool could not be started: it is missing.
        bool started = false;
        // Empty when the tool printed no version that its pattern finds.
        QString version;
        // Everything it printed, for more than the version.
        QString output;
    };

    explicit ToolVersionQuery(const ToolSet& tools, QObject* parent = nullptr);
    ~ToolVersionQuery() override;

    void start();

    // The version found in a tool's output by its role's pattern.
    static QString versionIn(ToolSet::Role role, const QString& output);

signals:
    void answered(const ToolVersionQuery::Answer& answer);

private:
    void finish(ToolSet::Role role, bool started);

    ToolSet tools_;
    std::array<std::unique_ptr<QProcess>, ToolSet::Roles.size()> processes_;
};
