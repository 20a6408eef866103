// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include "TovalinApplication.h"
#include "UrlSink.h"

#include <QtTest>

// A QtTest main that runs under the program's own application object, so errors that
// escape a handler take the same road as in the program, and with no address reaching
// a real application.
#define TOVALIN_TEST_MAIN(TestClass)                                                                                   \
    int main(int argc, char* argv[])                                                                                   \
    {                                                                                                                  \
        TovalinApplication app(argc, argv);                                                                            \
        app.setApplicationName(TovalinApplication::Title);                                                             \
        UrlSink urlSink(&app);                                                                                         \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
