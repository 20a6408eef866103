// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QObject>

// Set once the program has taken its quit request; never cleared. A running
// conversion watches it to stop its tool and clean up before the program ends.
class TerminationFlag : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool isSet() const { return set_; }
    void set();

signals:
    // Stop what runs now: emitted once, when the flag is set.
    void raised();
    // Emitted right after raised(), once what ran has been stopped: remove what it left.
    // Both come before set() returns, which matters where the system may end the process
    // at once (the end of a Windows session).
    void cleanUp();

private:
    bool set_ = false;
};
