// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QString>

// How one run of an external tool ended.
struct ToolOutcome {
    enum class Kind {
        NotStarted, // the program could not be started at all
        Exited,     // it ended on its own; exitStatus holds its status
        Crashed,    // it died from a signal or an unhandled fault
        Stopped,    // the program was asked to quit, and the tool was stopped
        WaitFailed, // the system could not wait for it; lastErrorLine holds the system's reason
    };

    Kind kind = Kind::NotStarted;
    int exitStatus = 0;
    // The last line the tool wrote to its error output, if any, or the system's reason.
    QString lastErrorLine;

    bool succeeded() const { return kind == Kind::Exited && exitStatus == 0; }
};
