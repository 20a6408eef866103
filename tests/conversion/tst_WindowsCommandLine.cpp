// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "WindowsCommandLine.h"

#include <QTest>

class WindowsCommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void splits_data();
    void splits();
};

void WindowsCommandLineTest::splits_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("arguments");

    // Microsoft's published examples.
    QTest::newRow("quoted spaces") << R"("a b c" d e)" << QStringList{"a b c", "d", "e"};
    QTest::newRow("escaped quote") << R"("ab\"c" "\\" d)" << QStringList{R"(ab"c)", R"(\)", "d"};
    QTest::newRow("literal backslashes") << R"(a\\\b d"e f"g h)" << QStringList{R"(a\\\b)", "de fg", "h"};
    QTest::newRow("odd backslashes") << R"(a\\\"b c d)" << QStringList{R"(a\"b)", "c", "d"};
    QTest::newRow("even backslashes") << R"(a\\\\"b c" d e)" << QStringList{R"(a\\b c)", "d", "e"};
    QTest::newRow("doubled quote") << R"(a"b"" c d)" << QStringList{R"(ab" c d)"};

    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("blanks only") << " \t " << QStringList{};
    QTest::newRow("outer blanks") << "\t a  \tb " << QStringList{"a", "b"};
    QTest::newRow("empty quotes") << R"("")" << QStringList{""};
    QTest::newRow("two empty arguments") << R"("" "")" << QStringList{"", ""};
    QTest::newRow("unterminated") << R"(x "a b\)" << QStringList{"x", R"(a b\)"};
    QTest::newRow("quotes join") << R"(a""b)" << QStringList{"ab"};
    QTest::newRow("doubled quote at end") << R"("a""")" << QStringList{R"(a")"};
    QTest::newRow("trailing backslash") << R"(a\ "C:\dir\\" x)" << QStringList{R"(a\)", R"(C:\dir\)", "x"};
    QTest::newRow("tab inside quotes") << "\"a\tb\"" << QStringList{"a\tb"};
    QTest::newRow("newline is no blank") << "a\nb" << QStringList{"a\nb"};
    QTest::newRow("non-ASCII") << "é \"木 ü\"" << QStringList{"é", "木 ü"};
}

void WindowsCommandLineTest::splits()
{
    QFETCH(QString, line);
    QFETCH(QStringList, arguments);
    QCOMPARE(WindowsCommandLine::split(line), arguments);
}

QTEST_GUILESS_MAIN(WindowsCommandLineTest)
#include "tst_WindowsCommandLine.moc"
