// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include "TovalinApplication.h"
#include "UrlSink.h"

#include <QStandardPaths>
#include <QtTest>

// A QtTest main that runs under the program's own application object, so errors that
// escape a handler take the same road as in the program, and with no address reaching
// a real application. The program's own folders (the preview's) lie in Qt's test
// locations, away from the user's.
#define TOVALIN_TEST_MAIN(TestClass)                                                                                   \
    int main(int argc, char* argv[])                                                                                   \
    {                                                                                                                  \
        QStandardPaths::setTestModeEnabled(true);                                                                      \
        TovalinApplication app(argc, argv);                                                                            \
        app.setApplicationName(TovalinApplication::Title);                                                             \
        UrlSink urlSink(&app);                                                                                         \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
