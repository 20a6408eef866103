// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "ScratchFiles.h"
#include "TestMain.h"
#include "WindowFixture.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <csignal>

// Closing the main window while a tool runs. This program lies in a folder of its own
// whose converter is a stand-in that runs until it is stopped.
class QuitDuringRunTest : public QObject {
    Q_OBJECT

private slots:
    void closingStopsTheToolCleansUpAndKeepsTheOutput()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString song = dir.filePath(QStringLiteral("song.mp3"));
        QCOMPARE(QProcess::execute(QStringLiteral("sox"),
                                   {"-n", "-r", "44100", "-c", "2", song, "synth", "60", "sine", "440"}),
                 0);
        const QString out = dir.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(out));
        const QString output = out + QStringLiteral("/tone.m4r");
        QVERIFY(ScratchFiles::write(output, "the ringtone made last week"));
        QFile old(output);
        const QString pidFile = dir.filePath(QStringLiteral("converter.pid"));
        qputenv("STANDIN_SLEEP", "120");
        qputenv("STANDIN_PID", pidFile.toLocal8Bit());

        auto* app = TovalinApplication::instance();
        WindowFixture fixture;
        TForm1& form = fixture.form();
        form.showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* memo = fixture.control<QPlainTextEdit>("Memo1");
        fixture.whileRunning(QStringLiteral("converter"),
                             [&] { QTimer::singleShot(300, &form, [&] { form.close(); }); });
        fixture.control<QLineEdit>("Edit1")->setText(song);
        fixture.control<QLineEdit>("Edit2")->setText(output);
        QTimer::singleShot(0, &form, [&] { fixture.control<QPushButton>("Convert")->click(); });
        // The program's event loop: it ends with the window, although a conversion was running.
        QCOMPARE(QCoreApplication::exec(), 0);

        QVERIFY(app->termination().isSet());
        QCOMPARE(memo->toPlainText().split(QLatin1Char('\n')).last(),
                 QStringLiteral("Executing converter. Please wait."));
        QFile pid(pidFile);
        QVERIFY(pid.open(QIODevice::ReadOnly));
        QVERIFY2(::kill(pid.readAll().trimmed().toInt(), 0) != 0, "the converter was stopped");
        QCOMPARE(ScratchFiles::filesIn(out), QStringList{QStringLiteral("tone.m4r")});
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("the ringtone made last week"));
        QVERIFY(fixture.services.revealed.isEmpty());
    }
};

TOVALIN_TEST_MAIN(QuitDuringRunTest)
#include "tst_QuitDuringRun.moc"
