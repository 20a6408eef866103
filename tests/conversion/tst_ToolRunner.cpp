// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "TerminationFlag.h"
#include "ToolRunner.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <sys/types.h>

// The tool runner with a real process: a stand-in tool that records what it got and
// ends as told by its environment.
class ToolRunnerTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    TerminationFlag termination;
    const QString standin = QStringLiteral(TOVALIN_STANDIN);

    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    static QByteArray readAll(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The arguments the stand-in recorded.
    QStringList recordedArguments() const
    {
        const QByteArray recorded = readAll(file("args"));
        const qsizetype newline = recorded.indexOf('\n');
        const int count = recorded.left(newline).toInt();
        QStringList arguments;
        const QList<QByteArray> parts = recorded.mid(newline + 1).split('\0');
        for (int i = 0; i < count; ++i)
            arguments << QString::fromLocal8Bit(parts.value(i));
        return arguments;
    }

    ToolOutcome run(const QString& parameters = {}) const
    {
        return ToolRunner::RunElevatedAndWait(0, standin, parameters, termination);
    }

private slots:
    void init()
    {
        for (const char* name : {"STANDIN_ARGS", "STANDIN_STDIN", "STANDIN_PID", "STANDIN_STDERR", "STANDIN_SLEEP",
                                 "STANDIN_SIGNAL", "STANDIN_EXIT"})
            qunsetenv(name);
    }

    void argumentsArriveAsMeant_data()
    {
        QTest::addColumn<QString>("parameters");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("splitter") << R"("/home/u/My Music/a.mp3" 0.20 0.50 -d "/home/u/Tones/." -o "tone")"
                                  << QStringList{"/home/u/My Music/a.mp3", "0.20", "0.50", "-d",
                                                 "/home/u/Tones/.",        "-o",   "tone"};
        QTest::newRow("fader") << R"("/t/tone.mp3" "/t/tone.m4r_faded.mp3" fade h 0:5 0 0:5)"
                               << QStringList{"/t/tone.mp3", "/t/tone.m4r_faded.mp3", "fade", "h", "0:5", "0", "0:5"};
        QTest::newRow("non-ASCII and tabs")
            << QString::fromUtf8("\"/t/Kl\xc3\xa4nge \xe2\x99\xaa.mp3\"\t-x")
            << QStringList{QString::fromUtf8("/t/Kl\xc3\xa4nge \xe2\x99\xaa.mp3"), "-x"};
        QTest::newRow("trailing backslash doubled") << R"("/t/odd\\" next)" << QStringList{"/t/odd\\", "next"};
        QTest::newRow("empty quoted argument") << R"(a "" b)" << QStringList{"a", "", "b"};
        QTest::newRow("empty string: no arguments") << "" << QStringList{};
        QTest::newRow("only blanks: no arguments") << " \t " << QStringList{};
    }

    void argumentsArriveAsMeant()
    {
        QFETCH(QString, parameters);
        QFETCH(QStringList, arguments);
        qputenv("STANDIN_ARGS", file("args").toLocal8Bit());
        QVERIFY(run(parameters).succeeded());
        QCOMPARE(recordedArguments(), arguments);
    }

    void standardInputIsTheNullDevice()
    {
        qputenv("STANDIN_STDIN", file("stdin").toLocal8Bit());
        QVERIFY(run().succeeded()); // would wait for input forever otherwise
        QVERIFY(QFile::exists(file("stdin")));
        QCOMPARE(readAll(file("stdin")), QByteArray());
    }

    void outcomes_data()
    {
        QTest::addColumn<QByteArray>("exitStatus");
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<QByteArray>("errorOutput");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("lastErrorLine");

        const int exited = int(ToolOutcome::Kind::Exited);
        QTest::newRow("success") << QByteArray() << QByteArray() << QByteArray() << exited << 0 << "";
        QTest::newRow("failure with a message")
            << QByteArray("3") << QByteArray() << QByteArray("first\n  error: second line  \n\n") << exited << 3
            << "error: second line";
        QTest::newRow("progress with carriage returns")
            << QByteArray("1") << QByteArray() << QByteArray("[ 50 %]\r[100 %]\r error: done\r") << exited << 1
            << "error: done";
        // 259 is only a status here: the wait ends when the process does.
        QTest::newRow("status 259") << QByteArray("259") << QByteArray() << QByteArray() << exited << 259 << "";
        QTest::newRow("killed by a signal")
            << QByteArray() << QByteArray("KILL") << QByteArray() << int(ToolOutcome::Kind::Crashed) << -1 << "";
    }

    void outcomes()
    {
        QFETCH(QByteArray, exitStatus);
        QFETCH(QByteArray, signal);
        QFETCH(QByteArray, errorOutput);
        QFETCH(int, kind);
        QFETCH(int, status);
        QFETCH(QString, lastErrorLine);
        if (!exitStatus.isEmpty())
            qputenv("STANDIN_EXIT", exitStatus);
        if (!signal.isEmpty())
            qputenv("STANDIN_SIGNAL", signal);
        if (!errorOutput.isEmpty())
            qputenv("STANDIN_STDERR", errorOutput);

        const ToolOutcome outcome = run();
        QCOMPARE(int(outcome.kind), kind);
        if (status >= 0)
            QCOMPARE(outcome.exitStatus, status % 256);
        QCOMPARE(outcome.lastErrorLine, lastErrorLine);
    }

    void programsThatCannotStart_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("missing") << "/nonexistent/External/sox/sox";
        QTest::newRow("not executable") << QStringLiteral(TOVALIN_STANDIN_SOURCE_DIR "/CMakeLists.txt");
        QTest::newRow("empty path") << "";
    }

    void programsThatCannotStart()
    {
        QFETCH(QString, program);
        const ToolOutcome outcome = ToolRunner::RunElevatedAndWait(0, program, QStringLiteral("-x"), termination);
        QCOMPARE(outcome.kind, ToolOutcome::Kind::NotStarted);
    }

    void handlersRunDuringTheWait()
    {
        qputenv("STANDIN_SLEEP", "1");
        qputenv("STANDIN_EXIT", "0");
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&ticks] { ++ticks; });
        timer.start(50);
        QVERIFY(run().succeeded());
        QVERIFY2(ticks >= 5, "timers keep firing while the tool runs");
    }

    // Last: the flag stays set for good, as in the program.
    void theQuitRequestStopsTheTool()
    {
        qputenv("STANDIN_SLEEP", "60");
        qputenv("STANDIN_PID", file("pid").toLocal8Bit());
        QTimer::singleShot(300, this, [this] { termination.set(); });
        QElapsedTimer clock;
        clock.start();
        const ToolOutcome outcome = run();
        QCOMPARE(outcome.kind, ToolOutcome::Kind::Stopped);
        QVERIFY(clock.elapsed() < 30000);
        const pid_t pid = readAll(file("pid")).trimmed().toInt();
        QVERIFY(pid > 0);
        QVERIFY2(::kill(pid, 0) != 0, "the tool no longer runs");

        // Once the flag is set, no further tool starts.
        QFile::remove(file("pid"));
        QCOMPARE(run().kind, ToolOutcome::Kind::Stopped);
        QVERIFY(!QFile::exists(file("pid")));
    }
};

QTEST_GUILESS_MAIN(ToolRunnerTest)
#include "tst_ToolRunner.moc"
