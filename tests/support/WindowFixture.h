// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include "ConversionRequest.h"
#include "FakeServices.h"
#include "TForm1.h"
#include "TabtFrm.h"
#include "TerminationFlag.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>

// The program's windows built as main() builds them, with the desktop replaced by a
// recording double: the start of every window test and of the benchmark. The application
// object's error report shows its messages through the same double while the fixture lives.
class WindowFixture {
public:
    struct Options {
        QUrl donationPage;
        // Apply the program's visual style first, as the program does.
        bool style = false;
        // Give the window a termination flag of the fixture's instead of the application's,
        // so a test may raise it and the next test still runs.
        bool ownTermination = false;
    };

    WindowFixture();
    explicit WindowFixture(const Options& options);
    ~WindowFixture();

    // Shows the main window as the program does; false when it did not become active.
    bool show();

    TForm1& form() { return *form_; }
    TabtFrm& about() { return *about_; }
    TerminationFlag& termination() { return *termination_; }

    // The named control of the main window; a missing one ends the test program.
    template <typename T = QWidget>
    T* control(const char* name) const
    {
        return static_cast<T*>(find(name, &T::staticMetaObject));
    }
    // The lines of the main window's log.
    QStringList log() const;

    // Types the request into the main window's six fields and presses Convert; returns when
    // the run has ended.
    void convert(const ConversionRequest& request);
    // Runs the action inside the wait for the named tool, once "Executing <role>. Please
    // wait." is the log's last line.
    void whileRunning(const QString& role, std::function<void()> action);

    FakeServices services;

private:
    QObject* find(const char* name, const QMetaObject* type) const;

    TerminationFlag ownTermination_;
    TerminationFlag* termination_ = nullptr;
    std::unique_ptr<TForm1> form_;
    TabtFrm* about_ = nullptr;
};
