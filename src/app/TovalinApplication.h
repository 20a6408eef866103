// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include "ErrorReport.h"
#include "TerminationFlag.h"

#include <QApplication>

#include <exception>

class PlatformServices;

// The application object: its version and icon, the termination flag a running conversion
// watches, and the error report for errors that escape a window's handler.
class TovalinApplication : public QApplication, public ErrorReport {
    Q_OBJECT
public:
    // The title of the program, and of the error report's message box.
    static inline const QString Title = QStringLiteral("Tovalin");

    TovalinApplication(int& argc, char** argv);

    static TovalinApplication* instance();

    TerminationFlag& termination() { return termination_; }

    // The report shows its message boxes through these services: the desktop's, or a test's
    // double; none shows nothing.
    void reportThrough(PlatformServices* services) { services_ = services; }
    void report(const std::exception_ptr& error) override;

    // The text the error report shows: the innermost message of a nested error, with
    // a period appended when its last character sorts after ".".
    static QString reportText(const std::exception_ptr& error);

protected:
    bool event(QEvent* event) override;

private:
    TerminationFlag termination_;
    PlatformServices* services_ = nullptr;
};
