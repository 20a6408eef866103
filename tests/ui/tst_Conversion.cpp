// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "PreviewFolder.h"
#include "ScratchFiles.h"
#include "TestMain.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <cmath>
#include <memory>

namespace {

QByteArray run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
    return process.readAllStandardOutput();
}

QByteArray digest(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                                          : QByteArray();
}

// Loudness (RMS of 8 kHz mono samples) of a stretch of an audio file.
struct Loudness {
    double first50ms = 0;
    double middle = 0;
    double last50ms = 0;
};

Loudness loudnessOf(const QString& path)
{
    const QByteArray pcm =
        run(QStringLiteral("ffmpeg"), {"-v", "error", "-i", path, "-f", "s16le", "-ac", "1", "-ar", "8000", "-"});
    const auto* samples = reinterpret_cast<const qint16*>(pcm.constData());
    const qsizetype count = pcm.size() / 2;
    const auto rms = [&](qsizetype from, qsizetype n) {
        double sum = 0;
        for (qsizetype i = from; i < from + n; ++i)
            sum += double(samples[i]) * samples[i];
        return std::sqrt(sum / double(n));
    };
    if (count < 16000)
        return {};
    return {rms(0, 400), rms(count / 2 - 4000, 8000), rms(count - 400, 400)};
}

} // namespace

// Whole conversions through the main window with the real splitter, fader and converter.
class ConversionTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString song;
    std::unique_ptr<WindowFixture> fx;

    QString folder(const QString& name) const { return ScratchFiles::folder(dir, name); }

    void convert(const QString& input, const QString& output, const QString& start = QStringLiteral("0:20"),
                 const QString& end = QStringLiteral("0:50"), const QString& fadeIn = QStringLiteral("5"),
                 const QString& fadeOut = QStringLiteral("5"))
    {
        fx->convert({input, output, start, end, fadeIn, fadeOut});
    }

    // Types the request and chooses "Play the section" from Play's menu; returns when the
    // section is made.
    void playSection(const ConversionRequest& request)
    {
        for (const auto& [field, text] : {std::pair{"Edit1", request.inputPath},
                                          {"Edit2", request.outputPath},
                                          {"startTime", request.startTime},
                                          {"endTime", request.endTime},
                                          {"fadeInTime", request.fadeInTime},
                                          {"fadeOutTime", request.fadeOutTime}})
            fx->control<QLineEdit>(field)->setText(text);
        fx->control<QMenu>("playMenu")->findChild<QAction*>(QStringLiteral("playSection"))->trigger();
    }

    void verifyRingtone(const QString& path, double seconds)
    {
        const QString probe =
            QString::fromUtf8(run(QStringLiteral("ffprobe"), {"-v", "error", "-show_entries",
                                                              "stream=codec_name,profile:format=format_name,duration",
                                                              "-of", "default=noprint_wrappers=1", path}));
        QVERIFY2(probe.contains(QStringLiteral("codec_name=aac")), qPrintable(probe));
        QVERIFY2(probe.contains(QStringLiteral("profile=LC")), qPrintable(probe));
        QVERIFY2(probe.contains(QStringLiteral("format_name=mov,mp4,m4a")), qPrintable(probe));
        const QString duration = probe.section(QStringLiteral("duration="), 1).section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(std::abs(duration.toDouble() - seconds) < 0.5, qPrintable(duration));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        song = folder(QStringLiteral("in dir")) + QStringLiteral("/song.mp3");
        QCOMPARE(QProcess::execute(QStringLiteral("sox"),
                                   {"-n", "-r", "44100", "-c", "2", song, "synth", "60", "sine", "440", "vol", "0.5"}),
                 0);
    }

    void init()
    {
        fx = std::make_unique<WindowFixture>();
        QVERIFY(fx->show());
    }

    void cleanup() { fx.reset(); }

    void normalRunAcrossFolders()
    {
        const QString out = folder(QString::fromUtf8("Klingelt\xc3\xb6ne & mehr"));
        const QString output = out + QStringLiteral("/mein Ton.m4r");
        convert(song, output);

        const QString faded = out + QStringLiteral("/mein Ton.m4r_faded.mp3");
        QCOMPARE(
            fx->log(),
            QStringList({
                "Initializing splitter parameters: \"" + song + "\" 0.20 0.50 -d \"" + out + "/.\" -o \"mein Ton\"",
                "Executing splitter. Please wait.",
                "Initializing fader parameters: \"" + out + "/mein Ton.mp3\" \"" + faded + "\" fade h 0:5 0 0:5",
                "Executing fader. Please wait.",
                "Initializing converter parameters: -i \"" + faded + "\" -c:a libfdk_aac \"" + out + "/mein Ton.m4a\"",
                "Executing converter. Please wait.",
                "Removing temporary files.",
                "Done.",
            }));
        QCOMPARE(ScratchFiles::filesIn(out), QStringList{QStringLiteral("mein Ton.m4r")});
        QCOMPARE(ScratchFiles::filesIn(QFileInfo(song).path()), QStringList{QStringLiteral("song.mp3")});
        verifyRingtone(output, 30);
        const Loudness loudness = loudnessOf(output);
        QVERIFY(loudness.middle > 1000);
        QVERIFY2(loudness.first50ms < loudness.middle / 10, "fades in");
        QVERIFY2(loudness.last50ms < loudness.middle / 10, "fades out");
        QVERIFY(fx->control("Convert")->isEnabled());
        QCOMPARE(fx->services.revealed, QStringList{output});
    }

    void inputBesideTheOutputUnderItsStem()
    {
        const QString out = folder(QStringLiteral("same"));
        const QString input = out + QStringLiteral("/ring.mp3");
        QVERIFY(QFile::copy(song, input));
        const QByteArray before = digest(input);
        convert(input, out + QStringLiteral("/ring.m4r"));

        QCOMPARE(fx->log().last(), QStringLiteral("Done."));
        QVERIFY(fx->log().first().endsWith(QStringLiteral("-o \"ring_tmp1\"")));
        QCOMPARE(digest(input), before);
        QCOMPARE(ScratchFiles::filesIn(out), QStringList({"ring.m4r", "ring.mp3"}));
        verifyRingtone(out + QStringLiteral("/ring.m4r"), 30);
    }

    void existingOutputIsReplacedAndUsersFilesStay()
    {
        const QString out = folder(QStringLiteral("existing"));
        const QString output = out + QStringLiteral("/tone.m4r");
        QVERIFY(ScratchFiles::write(output, "an older ringtone"));
        QVERIFY(ScratchFiles::write(out + QStringLiteral("/tone.m4a"), "the user's own song"));
        convert(song, output, QStringLiteral("0:10"), QStringLiteral("0:50"));

        QCOMPARE(fx->log().last(), QStringLiteral("Done."));
        verifyRingtone(output, 40);
        QFile own(out + QStringLiteral("/tone.m4a"));
        QVERIFY(own.open(QIODevice::ReadOnly));
        QCOMPARE(own.readAll(), QByteArray("the user's own song"));
        QCOMPARE(ScratchFiles::filesIn(out), QStringList({"tone.m4a", "tone.m4r"}));
    }

    // Spaces in the times and fades are read as nothing, by the window and by the tools.
    void spacesInTimesAndFades()
    {
        const QString out = folder(QStringLiteral("spaced"));
        const QString output = out + QStringLiteral("/tone.m4r");
        convert(song, output, QStringLiteral(" 0 : 20"), QStringLiteral("0:50 "), QStringLiteral(" 3 "),
                QStringLiteral("2.5"));

        QCOMPARE(fx->log().size(), 8);
        QCOMPARE(fx->log().first(),
                 "Initializing splitter parameters: \"" + song + "\" 0.20 0.50 -d \"" + out + "/.\" -o \"tone\"");
        QVERIFY2(fx->log().at(2).endsWith(QStringLiteral(" fade h 0:3 0 0:2.5")), qPrintable(fx->log().at(2)));
        QCOMPARE(fx->log().last(), QStringLiteral("Done."));
        QCOMPARE(ScratchFiles::filesIn(out), QStringList{QStringLiteral("tone.m4r")});
        verifyRingtone(output, 30);
    }

    // The splitter cuts only to the input's end: the ringtone is shorter, and the log says so.
    void sectionPastTheInputsEnd()
    {
        const QString out = folder(QStringLiteral("past the end"));
        const QString output = out + QStringLiteral("/tone.m4r");
        convert(song, output, QStringLiteral("0:50"), QStringLiteral("1:20"), QStringLiteral("2"), QStringLiteral("2"));

        QCOMPARE(fx->log().mid(6), QStringList({"Removing temporary files.",
                                                "Note: the input ends before the end time, so the ringtone is 10 "
                                                "seconds long.",
                                                "Done."}));
        QCOMPARE(ScratchFiles::filesIn(out), QStringList{QStringLiteral("tone.m4r")});
        verifyRingtone(output, 10);
        QCOMPARE(fx->services.revealed, QStringList{output});
    }

    // A folder in the output's way: the rename fails, but the finished ringtone is kept.
    void folderInTheOutputsWayKeepsTheRingtone()
    {
        const QString out = folder(QStringLiteral("blocked"));
        const QString output = folder(QStringLiteral("blocked/tone.m4r"));
        convert(song, output);

        const QString encoded = out + QStringLiteral("/tone.m4a");
        QCOMPARE(fx->log().size(), 11);
        QCOMPARE(fx->log().at(7), QStringLiteral("Error: %1 could not be renamed to %2.").arg(encoded, output));
        QCOMPARE(fx->log().mid(9), QStringList({"The ringtone was kept as " + encoded + ".", "Conversion failed."}));
        QCOMPARE(ScratchFiles::filesIn(out), QStringList{QStringLiteral("tone.m4a")});
        verifyRingtone(encoded, 30);
        QVERIFY(fx->services.revealed.isEmpty());
        QVERIFY(fx->control("Convert")->isEnabled());
    }

    // "Play the section": the splitter and the fader as a conversion runs them, in the
    // program's preview folder; the player gets the faded section, and nothing is written
    // beside the output or the input. The next preview and the program's end remove it.
    void playTheSection()
    {
        const QString out = folder(QStringLiteral("preview out"));
        const QString preview = QDir::toNativeSeparators(PreviewFolder::path());
        bool playWasDisabled = false;
        fx->whileRunning(QStringLiteral("fader"), [&] {
            playWasDisabled = !fx->control("Button3")->isEnabled() && !fx->control("Convert")->isEnabled();
        });
        playSection({song, out + QStringLiteral("/tone.m4r"), QStringLiteral("0:20"), QStringLiteral("0:50"),
                     QStringLiteral("5"), QStringLiteral("5")});

        const QString faded = preview + QStringLiteral("/section_faded.mp3");
        QCOMPARE(
            fx->log(),
            QStringList({
                "Initializing splitter parameters: \"" + song + "\" 0.20 0.50 -d \"" + preview + "/.\" -o \"section\"",
                "Executing splitter. Please wait.",
                "Initializing fader parameters: \"" + preview + "/section.mp3\" \"" + faded + "\" fade h 0:5 0 0:5",
                "Executing fader. Please wait.",
                "Playing the section.",
            }));
        QVERIFY(playWasDisabled);
        QCOMPARE(fx->services.openedUrls, QList<QUrl>{QUrl::fromLocalFile(faded)});
        QCOMPARE(ScratchFiles::filesIn(preview), QStringList{QStringLiteral("section_faded.mp3")});
        const Loudness loudness = loudnessOf(faded);
        QVERIFY(loudness.middle > 1000);
        QVERIFY2(loudness.first50ms < loudness.middle / 10, "fades in");
        QVERIFY2(loudness.last50ms < loudness.middle / 10, "fades out");
        const QString probe = QString::fromUtf8(run(
            QStringLiteral("ffprobe"), {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", faded}));
        QVERIFY2(std::abs(probe.toDouble() - 30) < 0.5, qPrintable(probe));
        QCOMPARE(ScratchFiles::filesIn(out), QStringList());
        QCOMPARE(ScratchFiles::filesIn(QFileInfo(song).path()), QStringList{QStringLiteral("song.mp3")});
        QVERIFY(fx->control("Button3")->isEnabled() && fx->control("Convert")->isEnabled());
        QVERIFY(fx->services.revealed.isEmpty());

        // The output field is not needed; the next preview replaces the last one's file.
        playSection({song, QString(), QStringLiteral("0:05"), QStringLiteral("0:10"), QStringLiteral("1"),
                     QStringLiteral("1")});
        QCOMPARE(fx->log().last(), QStringLiteral("Playing the section."));
        QCOMPARE(fx->services.openedUrls.size(), 2);
        QCOMPARE(ScratchFiles::filesIn(preview), QStringList{QStringLiteral("section_faded.mp3")});
        QVERIFY(fx->services.messages.isEmpty());

        fx.reset(); // the program ends
        QVERIFY(!QFileInfo::exists(preview));
    }

    // A failing tool ends the preview as it ends a conversion, and leaves nothing.
    void playTheSectionFails()
    {
        const QString missing = folder(QStringLiteral("no input")) + QStringLiteral("/gone.mp3");
        playSection({missing, QString(), QStringLiteral("0:20"), QStringLiteral("0:50"), QStringLiteral("5"),
                     QStringLiteral("5")});
        QCOMPARE(fx->log().at(2), QStringLiteral("Error: the splitter failed (exit status 1)."));
        QCOMPARE(fx->log().last(), QStringLiteral("Playing the section failed."));
        QVERIFY(fx->services.openedUrls.isEmpty());
        QCOMPARE(ScratchFiles::filesIn(PreviewFolder::path()), QStringList());
        QVERIFY(fx->control("Button3")->isEnabled() && fx->control("Convert")->isEnabled());
    }

    void enterRightAfterStartUpRunsWithTheInitialValues()
    {
        const QStringList before = ScratchFiles::filesIn(QDir::currentPath());
        QCOMPARE(QApplication::focusWidget(), fx->control("Edit1"));
        QTest::keyClick(fx->control("Edit1"), Qt::Key_Return);

        QCOMPARE(fx->log().first(),
                 QStringLiteral("Initializing splitter parameters: \"\" 0.20 0.50 -d \".\" -o \"\""));
        QCOMPARE(fx->log().last(), QStringLiteral("Conversion failed."));
        QCOMPARE(ScratchFiles::filesIn(QDir::currentPath()), before);
        QVERIFY(fx->services.revealed.isEmpty());
    }

    // While a tool runs the window stays usable, but the run keeps what it read at the start:
    // the output path and the times; only the check box is read at the end.
    void editsDuringTheRun_data()
    {
        QTest::addColumn<bool>("checkedAtStart");
        QTest::newRow("check box cleared during the run") << true;
        QTest::newRow("check box set during the run") << false;
    }

    void editsDuringTheRun()
    {
        QFETCH(bool, checkedAtStart);
        const QString out = folder(QStringLiteral("edited"));
        const QString output = out + QStringLiteral("/first.m4r");
        QFile::remove(output);
        fx->control<QCheckBox>("CheckBox1")->setChecked(checkedAtStart);
        bool convertWasDisabled = false;
        bool sectionWasOffered = true;
        fx->whileRunning(QStringLiteral("fader"), [&] {
            convertWasDisabled = !fx->control("Convert")->isEnabled();
            fx->control<QLineEdit>("Edit2")->setText(out + QStringLiteral("/second.m4r"));
            fx->control<QLineEdit>("endTime")->setText(QStringLiteral("0:25"));
            fx->control<QCheckBox>("CheckBox1")->setChecked(!checkedAtStart);
            QTest::keyClick(fx->control("Edit1"), Qt::Key_Return);     // no second run
            QTest::mouseClick(fx->control("Button3"), Qt::LeftButton); // Play still works
            // but not the section, which would run the tools a second time
            QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(1, 1), QPoint(1, 1));
            QCoreApplication::sendEvent(fx->control("Button3"), &menuEvent);
            sectionWasOffered =
                fx->control<QMenu>("playMenu")->findChild<QAction*>(QStringLiteral("playSection"))->isEnabled();
            fx->control<QMenu>("playMenu")->close();
        });
        convert(song, output);

        QVERIFY(convertWasDisabled);
        QVERIFY(!sectionWasOffered);
        QCOMPARE(fx->log().size(), 8);
        QCOMPARE(ScratchFiles::filesIn(out), QStringList{QStringLiteral("first.m4r")});
        verifyRingtone(output, 30);
        QCOMPARE(fx->services.openedUrls, QList<QUrl>{QUrl::fromLocalFile(song)});
        QCOMPARE(fx->services.revealed, checkedAtStart ? QStringList() : QStringList{output});
    }
};

TOVALIN_TEST_MAIN(ConversionTest)
#include "tst_Conversion.moc"
