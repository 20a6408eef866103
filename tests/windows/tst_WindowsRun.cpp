// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "FileManagerReveal.h"
#include "PreviewFolder.h"
#include "ScratchFiles.h"
#include "TestMain.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <windows.h>

#include <functional>
#include <memory>

namespace {

// User and kernel time of this process alone: the tools are processes of their own.
double ownCpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto seconds = [](const FILETIME& t) {
        return double((quint64(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The stand-in's process, named by the process id it wrote to pidFile once started.
DWORD standinProcessId(const QString& pidFile)
{
    QFile pid(pidFile);
    return pid.open(QIODevice::ReadOnly) ? DWORD(pid.readAll().trimmed().toULong()) : 0;
}

bool processHasEnded(DWORD id)
{
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
    const bool ended = !process || WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    if (process)
        CloseHandle(process);
    return ended;
}

void endProcess(DWORD id)
{
    if (const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

// The message box a process of the program shows, once it is up.
HWND messageBoxOf(qint64 processId)
{
    struct Search {
        DWORD processId;
        HWND box;
    } search{DWORD(processId), nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t title[64] = {};
            GetWindowTextW(window, title, 64);
            if (owner != search->processId || !IsWindowVisible(window) || std::wcscmp(title, L"Tovalin") != 0)
                return TRUE;
            search->box = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.box;
}

} // namespace

// The Windows program's conversion under Wine: the tools started with ShellExecuteEx
// ("runas", hidden), waited for in the window's message loop, with Windows paths. The
// tools are stand-ins (tools/windows/standin.cpp) beside this program in External\.
class WindowsRunTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString song;
    std::unique_ptr<WindowFixture> fx;

    QString folder(const QString& name) const { return ScratchFiles::folder(dir, name); }

    void convert(const QString& output)
    {
        fx->convert(
            {song, output, QStringLiteral("0:20"), QStringLiteral("0:50"), QStringLiteral("5"), QStringLiteral("5")});
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        song = folder(QStringLiteral("My Music")) + QStringLiteral("\\song.mp3");
        // A minute of MP3 frames: the window takes it as MP3, the stand-ins copy it.
        QVERIFY(ScratchFiles::write(song, ScratchFiles::silentMp3(2297)));
    }

    void init()
    {
        for (const char* variable : {"STANDIN_EXIT", "STANDIN_CRASH", "STANDIN_SLEEP", "STANDIN_PID"})
            qunsetenv(variable);
        fx = std::make_unique<WindowFixture>();
        QVERIFY(fx->show());
    }

    void cleanup() { fx.reset(); }

    void wholeConversionWithWindowsPaths_data()
    {
        QTest::addColumn<bool>("slashes");
        QTest::newRow("typed with backslashes") << false;
        // Win32 takes "/" as well, and so do users who paste paths: shown and used native.
        QTest::newRow("typed with slashes") << true;
    }

    void wholeConversionWithWindowsPaths()
    {
        QFETCH(bool, slashes);
        const QString out = folder(slashes ? QStringLiteral("Meine Töne/") : QStringLiteral("Meine Töne"));
        const QString output = out + QStringLiteral("\\my tone.m4r");
        const QString arguments = dir.filePath(QStringLiteral("arguments.txt"));
        QFile::remove(arguments);
        qputenv("STANDIN_ARGS", arguments.toLocal8Bit());
        const auto typed = [slashes](QString path) { return slashes ? path.replace(u'\\', u'/') : path; };
        fx->convert({typed(song), typed(output), QStringLiteral("0:20"), QStringLiteral("0:50"), QStringLiteral("5"),
                     QStringLiteral("5")});
        qunsetenv("STANDIN_ARGS");
        QCOMPARE(fx->control<QLineEdit>("Edit1")->text(), song);
        QCOMPARE(fx->control<QLineEdit>("Edit2")->text(), output);

        const QString faded = out + QStringLiteral("\\my tone.m4r_faded.mp3");
        QCOMPARE(
            fx->log(),
            QStringList({
                "Initializing splitter parameters: \"" + song + "\" 0.20 0.50 -d \"" + out + "\\.\" -o \"my tone\"",
                "Executing splitter. Please wait.",
                "Initializing fader parameters: \"" + out + "\\my tone.mp3\" \"" + faded + "\" fade h 0:5 0 0:5",
                "Executing fader. Please wait.",
                "Initializing converter parameters: -i \"" + faded + "\" -c:a libfdk_aac \"" + out + "\\my tone.m4a\"",
                "Executing converter. Please wait.",
                "Removing temporary files.",
                "Done.",
            }));
        QCOMPARE(ScratchFiles::filesIn(out), QStringList{QStringLiteral("my tone.m4r")});
        QCOMPARE(fx->services.revealed, QStringList{output});
        QVERIFY(fx->control("Convert")->isEnabled());

        // Each tool got exactly the arguments meant, split by the Windows rules.
        QFile file(arguments);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList runs = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(runs, QStringList({"mp3splt|" + song + "|0.20|0.50|-d|" + out + "\\.|-o|my tone",
                                    "sox|" + out + "\\my tone.mp3|" + faded + "|fade|h|0:5|0|0:5",
                                    "ffmpeg-heaac|-i|" + faded + "|-c:a|libfdk_aac|" + out + "\\my tone.m4a"}));
    }

    // Explorer splits its command line at commas and equals signs outside double quotes.
    void explorerSelectsTheFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("parameters");
        QTest::newRow("comma in a folder") << "C:\\Music\\Smith, John\\tone.m4r"
                                           << "/select,\"C:\\Music\\Smith, John\\tone.m4r\"";
        QTest::newRow("equals sign, slashes") << "C:/Music/a=b/tone.m4r"
                                              << "/select,\"C:\\Music\\a=b\\tone.m4r\"";
        QTest::newRow("relative") << "tone.m4r"
                                  << "/select,\"" + QDir::toNativeSeparators(QDir::current().filePath("tone.m4r"))
                                         + '"';
    }

    void explorerSelectsTheFile()
    {
        QFETCH(QString, path);
        QFETCH(QString, parameters);
        QCOMPARE(FileManagerReveal::explorerParameters(path), parameters);
    }

    // A program that asks for administrator rights has no console to print to: --help and
    // --version answer in a message box, and the exit status stays as it is on Linux.
    void commandLineAnswersInAMessageBox_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<int>("status");
        QTest::newRow("version") << "--version"
                                 << "Tovalin 2.2" << 0;
        QTest::newRow("help") << "--help"
                              << "Usage: tovalin [options] [file]" << 0;
        QTest::newRow("unknown option") << "--bogus"
                                        << "tovalin: Unknown option 'bogus'." << 1;
    }

    void commandLineAnswersInAMessageBox()
    {
        QFETCH(QString, option);
        QFETCH(QString, firstLine);
        QFETCH(int, status);
        QProcess program;
        program.start(QStringLiteral(TOVALIN_PROGRAM), {option});
        QVERIFY(program.waitForStarted());
        HWND box = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((box = messageBoxOf(program.processId())) != nullptr, 20000);
        wchar_t text[2048] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 2048); // the message box's text control
        const QStringList lines = QString::fromWCharArray(text).split(QLatin1Char('\n'));
        QCOMPARE(lines.first().trimmed(), firstLine);
        if (option == QLatin1String("--version"))
            QVERIFY(lines.contains(
                QStringLiteral("License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.")));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), status);
    }

    void existingOutputIsReplaced()
    {
        const QString out = folder(QStringLiteral("existing"));
        const QString output = out + QStringLiteral("\\tone.m4r");
        QVERIFY(ScratchFiles::write(output, "last week's ringtone"));
        QFile old(output);
        convert(output);

        QCOMPARE(fx->log().last(), QStringLiteral("Done."));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QVERIFY(old.readAll().contains("moov"));
        QCOMPARE(ScratchFiles::filesIn(out), QStringList{QStringLiteral("tone.m4r")});
    }

    // The ringtone's length comes from its header: here the stand-in's says 10 seconds.
    void shorterRingtoneIsNoted()
    {
        qputenv("STANDIN_SECONDS", "10");
        convert(folder(QStringLiteral("short")) + QStringLiteral("\\tone.m4r"));
        qunsetenv("STANDIN_SECONDS");
        QCOMPARE(fx->log().mid(6), QStringList({"Removing temporary files.",
                                                "Note: the input ends before the end time, so the ringtone is 10 "
                                                "seconds long.",
                                                "Done."}));
    }

    void failures_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QStringList>("tail");
        QTest::newRow("fader fails") << QByteArray("STANDIN_EXIT") << QByteArray("sox:3")
                                     << QStringList{"Error: the fader failed (exit status 3)."};
        QTest::newRow("converter crashes") << QByteArray("STANDIN_CRASH") << QByteArray("ffmpeg-heaac")
                                           << QStringList{"Error: the converter failed (it crashed)."};
        QTest::newRow("splitter makes nothing") << QByteArray("STANDIN_EXIT") << QByteArray("mp3splt:0")
                                                << QStringList{"Error: the splitter did not produce %out\\tone.mp3."};
    }

    void failures()
    {
        QFETCH(QByteArray, variable);
        QFETCH(QByteArray, value);
        QFETCH(QStringList, tail);
        const QString out = folder(QStringLiteral("failed-%1").arg(QTest::currentDataTag()).replace(' ', '-'));
        qputenv(variable.constData(), value);
        convert(out + QStringLiteral("\\tone.m4r"));

        tail.replaceInStrings(QStringLiteral("%out"), out);
        tail << QStringLiteral("Conversion failed.");
        QCOMPARE(fx->log().mid(fx->log().size() - tail.size()), tail);
        QCOMPARE(ScratchFiles::filesIn(out), QStringList());
        QVERIFY(fx->services.revealed.isEmpty());
        QVERIFY(fx->control("Convert")->isEnabled());
    }

    void missingToolCannotBeStarted()
    {
        const QString fader = QCoreApplication::applicationDirPath() + QStringLiteral("/External/sox/sox.exe");
        const QString away = fader + QStringLiteral(".away");
        QVERIFY(QFile::rename(fader, away));
        const QString out = folder(QStringLiteral("missing"));
        convert(out + QStringLiteral("\\tone.m4r"));
        QVERIFY(QFile::rename(away, fader));

        QCOMPARE(fx->log().mid(4), QStringList({"Error: the fader could not be started.", "Conversion failed."}));
        QCOMPARE(ScratchFiles::filesIn(out), QStringList());
    }

    // The system cannot wait for the converter (here its handle is closed under the wait):
    // a failure of that tool, with the system's reason, and the window usable again.
    void failedWaitIsAFailureOfTheTool()
    {
        const QString out = folder(QStringLiteral("wait-failed"));
        const QString pidFile = dir.filePath(QStringLiteral("wait-failed.pid"));
        qputenv("STANDIN_SLEEP", "ffmpeg-heaac:120");
        qputenv("STANDIN_PID", ("ffmpeg-heaac:" + QDir::toNativeSeparators(pidFile)).toLocal8Bit());
        DWORD converter = 0;
        fx->whileRunning(QStringLiteral("converter"), [&] {
            QTRY_VERIFY((converter = standinProcessId(pidFile)) != 0);
            for (quintptr value = 4; value < 0x10000; value += 4) {
                const HANDLE handle = reinterpret_cast<HANDLE>(value);
                if (GetProcessId(handle) == converter) {
                    CloseHandle(handle);
                    break;
                }
            }
        });
        convert(out + QStringLiteral("\\tone.m4r"));
        endProcess(converter);

        const QStringList log = fx->log();
        QCOMPARE(log.at(log.size() - 3), QStringLiteral("Error: waiting for the converter failed."));
        QVERIFY2(!log.at(log.size() - 2).isEmpty(), "the system's reason");
        QCOMPARE(log.last(), QStringLiteral("Conversion failed."));
        QVERIFY(fx->control("Convert")->isEnabled());
        QCOMPARE(ScratchFiles::filesIn(out), QStringList());
    }

    // Windows may end the program as soon as WM_ENDSESSION returns: by then the tool is
    // stopped and what the run made is gone, and the user's old ringtone is as it was.
    void sessionEndStopsTheToolAndCleansUpAtOnce()
    {
        // The window's termination flag is the fixture's, so the tests after this one run.
        fx = std::make_unique<WindowFixture>(WindowFixture::Options{{}, false, true});
        QVERIFY(fx->show());
        const QString out = folder(QStringLiteral("session-end"));
        const QString output = out + QStringLiteral("\\tone.m4r");
        QVERIFY(ScratchFiles::write(output, "last week's ringtone"));
        const QString pidFile = dir.filePath(QStringLiteral("session-end.pid"));
        qputenv("STANDIN_SLEEP", "ffmpeg-heaac:120");
        qputenv("STANDIN_PID", ("ffmpeg-heaac:" + QDir::toNativeSeparators(pidFile)).toLocal8Bit());
        DWORD converter = 0;
        bool toolEnded = false;
        QStringList leftAfterTheMessage;
        fx->whileRunning(QStringLiteral("converter"), [&] {
            QTRY_VERIFY((converter = standinProcessId(pidFile)) != 0);
            SendMessageW(reinterpret_cast<HWND>(fx->form().winId()), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
            toolEnded = processHasEnded(converter);
            leftAfterTheMessage = ScratchFiles::filesIn(out);
        });
        convert(output);
        endProcess(converter);

        QVERIFY2(toolEnded, "the converter was stopped before the message returned");
        QCOMPARE(leftAfterTheMessage, QStringList{QStringLiteral("tone.m4r")});
        QVERIFY(fx->termination().isSet());
        QVERIFY(!fx->log().contains(QStringLiteral("Done.")));
        QFile old(output);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("last week's ringtone"));
        QVERIFY(fx->services.revealed.isEmpty());
    }

    // The wait sleeps in the window's message loop: the window keeps painting while the fader
    // works, and while the converter works the program uses next to no processor time.
    void windowPaintsAndRestsDuringARun()
    {
        qputenv("STANDIN_SLEEP", "sox:2,ffmpeg-heaac:2");
        PaintCounter counter;
        fx->form().installEventFilter(&counter);
        QTimer repaint;
        connect(&repaint, &QTimer::timeout, &fx->form(), [this] { fx->form().update(); });
        int paintsBefore = 0;
        fx->whileRunning(QStringLiteral("fader"), [&] {
            paintsBefore = counter.paints;
            repaint.start(100);
        });
        QElapsedTimer wall;
        double cpuBefore = 0;
        fx->whileRunning(QStringLiteral("converter"), [&] {
            repaint.stop();
            cpuBefore = ownCpuSeconds();
            wall.start();
        });
        convert(folder(QStringLiteral("resting")) + QStringLiteral("\\tone.m4r"));
        const double share = (ownCpuSeconds() - cpuBefore) / (double(wall.elapsed()) / 1000);

        QCOMPARE(fx->log().last(), QStringLiteral("Done."));
        QVERIFY2(counter.paints - paintsBefore >= 10, qPrintable(QString::number(counter.paints - paintsBefore)));
        // A wait that spun would take a whole processor; this one sleeps.
        qInfo("own processor time while the converter ran: %.1f %% of the wall time", share * 100);
        QVERIFY2(share < 0.1, qPrintable(QString::number(share)));
    }

    // Run from the unpacked download by tests/windows/check-download.sh, beside tovalin.exe
    // and the tools built from Debian's sources, with inputs it made; elsewhere skipped. It
    // checks the ringtones itself.
    void shippedToolsConvert_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("outcome"); // the log's last line, or the refusal's message
        QTest::newRow("plain folders") << "in dir\\song.mp3"
                                       << "Klingeltöne\\tone.m4r"
                                       << "0:20"
                                       << "0:50"
                                       << "Done.";
        QTest::newRow("folders outside the ANSI code page") << "Песни\\песня.mp3"
                                                            << "Рингтоны\\звонок.m4r"
                                                            << "0:20"
                                                            << "0:50"
                                                            << "Done.";
        // A few frames, then no audio: the headers promise an MP3, the splitter finds none.
        QTest::newRow("no audio after the first frames") << "in dir\\broken.mp3"
                                                         << "failed\\tone.m4r"
                                                         << "0:20"
                                                         << "0:50"
                                                         << "Conversion failed.";
        // The song's length is an estimate (no Info header): not refused, the splitter fails.
        QTest::newRow("start past the end") << "in dir\\song.mp3"
                                            << "past the end\\tone.m4r"
                                            << "1:20"
                                            << "1:40"
                                            << "Conversion failed.";
        QTest::newRow("text named like an MP3") << "in dir\\notes.mp3"
                                                << "refused\\tone.m4r"
                                                << "0:20"
                                                << "0:50"
                                                << "'notes.mp3' is not an MP3 file.";
    }

    void shippedToolsConvert()
    {
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, outcome);
        const QString work = qEnvironmentVariable("TOVALIN_DOWNLOAD_CHECK");
        if (work.isEmpty())
            QSKIP("run from the unpacked download by check-download.sh");
        const QString out = QFileInfo(work + u'\\' + output).path();
        QVERIFY(QDir().mkpath(out));
        fx->convert(
            {work + u'\\' + input, work + u'\\' + output, start, end, QStringLiteral("5"), QStringLiteral("5")});
        if (outcome.endsWith(QLatin1String("not an MP3 file."))) {
            QCOMPARE(fx->services.messages.size(), 1);
            QCOMPARE(fx->services.messages[0].text, outcome);
            QVERIFY(fx->log().isEmpty() || !fx->log().last().startsWith(QLatin1String("Executing")));
        } else {
            QVERIFY2(!fx->log().isEmpty() && fx->log().last() == outcome, qPrintable(fx->log().join(u'\n')));
        }
        const QStringList left = ScratchFiles::filesIn(out);
        QCOMPARE(left, outcome == QLatin1String("Done.") ? QStringList{QFileInfo(output).fileName()} : QStringList());
    }

    // "Play the section": the splitter and the fader in the program's preview folder, in
    // Windows form, and the faded section opened; nothing beside the output or the input.
    void playTheSection()
    {
        const QString out = folder(QStringLiteral("preview"));
        const QString preview = QDir::toNativeSeparators(PreviewFolder::path());
        const QStringList fields{"Edit1", "Edit2", "startTime", "endTime", "fadeInTime", "fadeOutTime"};
        const QStringList texts{song, out + QStringLiteral("\\tone.m4r"), "0:20", "0:50", "5", "5"};
        for (int i = 0; i < fields.size(); ++i)
            fx->control<QLineEdit>(qPrintable(fields[i]))->setText(texts[i]);
        fx->control<QMenu>("playMenu")->findChild<QAction*>(QStringLiteral("playSection"))->trigger();

        const QString faded = preview + QStringLiteral("\\section_faded.mp3");
        QCOMPARE(
            fx->log(),
            QStringList({
                "Initializing splitter parameters: \"" + song + "\" 0.20 0.50 -d \"" + preview + "\\.\" -o \"section\"",
                "Executing splitter. Please wait.",
                "Initializing fader parameters: \"" + preview + "\\section.mp3\" \"" + faded + "\" fade h 0:5 0 0:5",
                "Executing fader. Please wait.",
                "Playing the section.",
            }));
        QCOMPARE(fx->services.openedUrls, QList<QUrl>{QUrl::fromLocalFile(QDir::fromNativeSeparators(faded))});
        QCOMPARE(ScratchFiles::filesIn(preview), QStringList{QStringLiteral("section_faded.mp3")});
        QCOMPARE(ScratchFiles::filesIn(out), QStringList());
        QCOMPARE(ScratchFiles::filesIn(QFileInfo(song).path()), QStringList{QStringLiteral("song.mp3")});
        QVERIFY(fx->control("Button3")->isEnabled() && fx->control("Convert")->isEnabled());
        fx.reset(); // the program ends
        QVERIFY(!QFileInfo::exists(preview));
    }

    // Last: once the quit request is taken, Qt runs no further event loop in this process.
    void quittingDuringARunStopsTheToolAndCleansUp()
    {
        const QString out = folder(QStringLiteral("quit"));
        const QString output = out + QStringLiteral("\\tone.m4r");
        QVERIFY(ScratchFiles::write(output, "last week's ringtone"));
        QFile old(output);
        const QString pidFile = dir.filePath(QStringLiteral("converter.pid"));
        qputenv("STANDIN_SLEEP", "ffmpeg-heaac:120");
        qputenv("STANDIN_PID", ("ffmpeg-heaac:" + QDir::toNativeSeparators(pidFile)).toLocal8Bit());

        TForm1& form = fx->form();
        fx->whileRunning(QStringLiteral("converter"), [&] { QTimer::singleShot(500, &form, [&] { form.close(); }); });
        fx->control<QLineEdit>("Edit1")->setText(song);
        fx->control<QLineEdit>("Edit2")->setText(output);
        QTimer::singleShot(0, &form, [this] { fx->control<QPushButton>("Convert")->click(); });
        QCOMPARE(QCoreApplication::exec(), 0); // the program's loop ends with the window
        QVERIFY(TovalinApplication::instance()->termination().isSet());

        QFile pid(pidFile);
        QVERIFY(pid.open(QIODevice::ReadOnly));
        const HANDLE tool = OpenProcess(SYNCHRONIZE, FALSE, DWORD(pid.readAll().trimmed().toULong()));
        QVERIFY2(!tool || WaitForSingleObject(tool, 0) == WAIT_OBJECT_0, "the converter was stopped");
        if (tool)
            CloseHandle(tool);
        QCOMPARE(ScratchFiles::filesIn(out), QStringList{QStringLiteral("tone.m4r")});
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("last week's ringtone"));
        QVERIFY(fx->services.revealed.isEmpty());
    }
};

TOVALIN_TEST_MAIN(WindowsRunTest)
#include "tst_WindowsRun.moc"
