// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "ConversionRun.h"
#include "ConversionView.h"
#include "InputAudio.h"
#include "Mpeg4Header.h"
#include "TerminationFlag.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Records what a run does to its window.
class RecordingView : public ConversionView {
public:
    void clearLog() override { log.clear(); }
    void appendLog(const QString& line) override { log << line; }
    void setConvertEnabled(bool enabled) override { convertEnabled << enabled; }
    bool revealWanted() const override { return true; }
    void reveal(const QString& path) override { revealed << path; }

    QStringList log;
    QList<bool> convertEnabled;
    QStringList revealed;
};

const QString Real = QStringLiteral("real");
const QString Standin = QStringLiteral("standin");
const QString Missing = QStringLiteral("missing");

} // namespace

// How a run ends when a tool is missing, fails, crashes or makes nothing, and when the
// result cannot take the output name: always logged as a failure, never as done, and
// nothing of the run left behind.
class ConversionRunTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString song;
    // Inputs named like MP3 files that hold other audio, which the splitter cuts by content.
    QString flacSong;
    QString oggSong;

    // A program folder whose External/ holds the real tool, the stand-in, or nothing.
    ToolSet toolsOf(const QString& name, const QStringList& kinds)
    {
        const QString folder = dir.filePath(name);
        const QString real[] = {QStringLiteral(TOVALIN_EXTERNAL "/mp3splt/mp3splt"),
                                QStringLiteral(TOVALIN_EXTERNAL "/sox/sox"),
                                QStringLiteral(TOVALIN_EXTERNAL "/ffmpeg/ffmpeg-heaac")};
        const ToolSet tools = ToolSet::inFolder(folder + QLatin1Char('/'), PathStyle::Posix);
        for (int i = 0; i < 3; ++i) {
            const QString path = tools.path(ToolSet::Roles[i].role);
            QDir().mkpath(QFileInfo(path).path());
            QFile::remove(path);
            if (kinds[i] != Missing)
                QFile::link(kinds[i] == Real ? real[i] : QStringLiteral(TOVALIN_STANDIN), path);
        }
        return tools;
    }

    static QStringList filesIn(const QString& folder)
    {
        return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        song = dir.filePath(QStringLiteral("song.mp3"));
        QCOMPARE(QProcess::execute(QStringLiteral("sox"),
                                   {"-n", "-r", "44100", "-c", "2", song, "synth", "45", "sine", "440"}),
                 0);
        flacSong = dir.filePath(QStringLiteral("flac-inside.mp3"));
        oggSong = dir.filePath(QStringLiteral("ogg-inside.mp3"));
        QCOMPARE(QProcess::execute(QStringLiteral("ffmpeg"), {"-v", "error", "-i", song, "-f", "flac", flacSong}), 0);
        QCOMPARE(QProcess::execute(QStringLiteral("ffmpeg"),
                                   {"-v", "error", "-i", song, "-c:a", "libvorbis", "-f", "ogg", oggSong}),
                 0);

        // Inputs for the reading of their headers, made as people's files are made.
        const auto ffmpeg = [this](const QString& from, const QString& to, QStringList options) {
            return QProcess::execute(QStringLiteral("ffmpeg"),
                                     QStringList{"-v", "error", "-i", from} + options + QStringList{dir.filePath(to)});
        };
        // 44.96 s at 48 kHz fill 1875 frames of 24 ms: 45.000 s by the Info header.
        const QString wave = dir.filePath(QStringLiteral("wave-inside.mp3"));
        QCOMPARE(QProcess::execute(QStringLiteral("sox"), {"-n", "-r", "48000", "-c", "2", "-t", "wav", wave, "synth",
                                                           "44.96", "sine", "440"}),
                 0);
        QCOMPARE(ffmpeg(wave, "cbr-info.mp3", {"-c:a", "libmp3lame", "-b:a", "128k"}), 0);
        QCOMPARE(ffmpeg(song, "cbr-bare.mp3", {"-c:a", "libmp3lame", "-b:a", "128k", "-write_xing", "0"}), 0);
        QCOMPARE(ffmpeg(song, "vbr-xing.mp3", {"-c:a", "libmp3lame", "-q:a", "4"}), 0);
        QCOMPARE(ffmpeg(song, "vbr-bare.mp3", {"-c:a", "libmp3lame", "-q:a", "4", "-write_xing", "0"}), 0);
        QCOMPARE(ffmpeg(song, "mono.mp3", {"-ac", "1", "-ar", "22050", "-c:a", "libmp3lame", "-b:a", "32k"}), 0);
        QCOMPARE(ffmpeg(song, "layer-2.mp3", {"-c:a", "mp2", "-f", "mp2"}), 0);
        QFile vbr(dir.filePath(QStringLiteral("vbr-xing.mp3")));
        QVERIFY(vbr.open(QIODevice::ReadOnly));
        const QByteArray vbrBytes = vbr.readAll();
        QFile flac(flacSong);
        QVERIFY(flac.open(QIODevice::ReadOnly));
        const QByteArray flacBytes = flac.readAll();
        const QList<QPair<QString, QByteArray>> written{
            {"cut-short.mp3", vbrBytes.left(vbrBytes.size() / 2)},
            {"joined.mp3", vbrBytes + vbrBytes},
            // An ID3v2 tag of 16 bytes, then the FLAC stream.
            {"tagged-flac.mp3", QByteArray("ID3\x04\0\0\0\0\0\x10", 10) + QByteArray(16, '\0') + flacBytes},
            {"empty.mp3", {}},
            // The first frame is looked for only so far, so no file holds the window long.
            {"late-frames.mp3", QByteArray(512 * 1024, '\0') + vbrBytes},
            {"early-frames.mp3", QByteArray(500 * 1024, '\0') + vbrBytes},
            {"notes.mp3", "not a song at all\n"},
        };
        for (const auto& [name, content] : written) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.mp3")));
    }

    // What the input's headers tell, as the log says it when the file is chosen. A length
    // is exact only from a Xing/Info header that fits the file.
    void inputAudio_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<int>("milliseconds"); // -1: not checked

        const QLocale c = QLocale::c();
        QTest::newRow("CBR with an Info header")
            << "cbr-info.mp3" << c << "cbr-info.mp3: MP3, 0:45, 48 kHz, stereo, 128 kb/s." << true << 45000;
        QTest::newRow("CBR without a Xing header: estimated")
            << "cbr-bare.mp3" << c << "cbr-bare.mp3: MP3, about 0:45, 44.1 kHz, stereo, 128 kb/s." << false << -1;
        QTest::newRow("VBR with a Xing header")
            << "vbr-xing.mp3" << c << "vbr-xing.mp3: MP3, 0:45, 44.1 kHz, stereo, 34 kb/s." << true << 45061;
        // The first frame's bit rate says little about the rest: far off.
        QTest::newRow("VBR without a Xing header: estimated")
            << "vbr-bare.mp3" << c << "vbr-bare.mp3: MP3, about 0:08, 44.1 kHz, stereo, 192 kb/s." << false << -1;
        QTest::newRow("mono, 22.05 kHz") << "mono.mp3" << c << "mono.mp3: MP3, 0:45, 22.05 kHz, mono, 32 kb/s." << true
                                         << 45087;
        QTest::newRow("numbers in the user's locale")
            << "mono.mp3" << QLocale(QLocale::German, QLocale::Germany)
            << "mono.mp3: MP3, 0:45, 22,05 kHz, mono, 32 kb/s." << true << 45087;
        QTest::newRow("MPEG layer II") << "layer-2.mp3" << c
                                       << "layer-2.mp3: MPEG audio layer 2, about 0:45, 44.1 kHz, stereo, 384 kb/s."
                                       << false << -1;
        QTest::newRow("Xing header of a file cut short")
            << "cut-short.mp3" << c << "cut-short.mp3: MP3, about 0:45, 44.1 kHz, stereo, 34 kb/s." << false << -1;
        QTest::newRow("Xing header of a file joined to another")
            << "joined.mp3" << c << "joined.mp3: MP3, about 0:45, 44.1 kHz, stereo, 34 kb/s." << false << -1;
        QTest::newRow("FLAC inside") << "flac-inside.mp3" << c
                                     << "flac-inside.mp3 is not an MP3 file. It is a FLAC file." << false << -1;
        QTest::newRow("FLAC behind an ID3v2 tag")
            << "tagged-flac.mp3" << c << "tagged-flac.mp3 is not an MP3 file. It is a FLAC file." << false << -1;
        QTest::newRow("Ogg inside") << "ogg-inside.mp3" << c << "ogg-inside.mp3 is not an MP3 file. It is an Ogg file."
                                    << false << -1;
        QTest::newRow("WAV inside") << "wave-inside.mp3" << c << "wave-inside.mp3 is not an MP3 file. It is a WAV file."
                                    << false << -1;
        QTest::newRow("frames start past 512 KiB")
            << "late-frames.mp3" << c << "late-frames.mp3 is not an MP3 file." << false << -1;
        QTest::newRow("frames start before 512 KiB")
            << "early-frames.mp3" << c << "early-frames.mp3: MP3, 0:45, 44.1 kHz, stereo, 34 kb/s." << true << 45061;
        QTest::newRow("empty") << "empty.mp3" << c << "empty.mp3 is not an MP3 file. It is empty." << false << -1;
        QTest::newRow("text") << "notes.mp3" << c << "notes.mp3 is not an MP3 file." << false << -1;
        QTest::newRow("missing") << "gone.mp3" << c << "gone.mp3 cannot be read: there is no such file." << false << -1;
        QTest::newRow("folder") << "folder.mp3" << c << "folder.mp3 cannot be read: it is a folder." << false << -1;
    }

    void inputAudio()
    {
        QFETCH(QString, file);
        QFETCH(QLocale, locale);
        QFETCH(QString, line);
        QFETCH(bool, exact);
        QFETCH(int, milliseconds);
        const InputAudio audio = InputAudio::read(dir.filePath(file));
        QCOMPARE(audio.logLine(file, locale), line);
        QCOMPARE(audio.lengthIsExact(), exact);
        if (milliseconds >= 0)
            QVERIFY2(std::abs(audio.lengthMilliseconds() - milliseconds) <= 5,
                     qPrintable(QString::number(audio.lengthMilliseconds())));
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("tools");
        QTest::addColumn<QString>("input");          // empty: the MP3 song
        QTest::addColumn<QStringList>("usersFiles"); // in the output folder before the run; must stay as they are
        QTest::addColumn<QString>("end");
        QTest::addColumn<QByteArray>("standinExit");
        QTest::addColumn<QByteArray>("standinSignal");
        QTest::addColumn<QByteArray>("standinError");
        QTest::addColumn<QStringList>("tail");

        QTest::newRow("splitter missing")
            << QStringList{Missing, Real, Real} << QString() << QStringList() << "0:35" << QByteArray() << QByteArray()
            << QByteArray() << QStringList{"Error: the splitter could not be started."};
        QTest::newRow("splitter makes nothing")
            << QStringList{Standin, Real, Real} << QString() << QStringList() << "0:35" << QByteArray() << QByteArray()
            << QByteArray() << QStringList{"Error: the splitter did not produce %out/ring.mp3."};
        QTest::newRow("end before start: the real splitter fails")
            << QStringList{Real, Real, Real} << QString() << QStringList() << "0:05" << QByteArray() << QByteArray()
            << QByteArray()
            << QStringList{"Error: the splitter failed (exit status 1).",
                           "error: the splitpoints are not in order (0m20s0h, 0m5s0h)"};
        QTest::newRow("fader fails with a message")
            << QStringList{Real, Standin, Real} << QString() << QStringList() << "0:35" << QByteArray("2")
            << QByteArray() << QByteArray("sox FAIL fade: usage\n")
            << QStringList{"Error: the fader failed (exit status 2).", "sox FAIL fade: usage"};
        QTest::newRow("converter crashes")
            << QStringList{Real, Real, Standin} << QString() << QStringList() << "0:35" << QByteArray()
            << QByteArray("SEGV") << QByteArray() << QStringList{"Error: the converter failed (it crashed)."};
        QTest::newRow("converter makes nothing")
            << QStringList{Real, Real, Standin} << QString() << QStringList() << "0:35" << QByteArray() << QByteArray()
            << QByteArray() << QStringList{"Error: the converter did not produce %out/ring.m4a."};
        // The splitter writes <stem>.flac or <stem>.ogg for such inputs: a user's file under
        // that name is avoided, and what the run made there goes with the failure.
        QTest::newRow("FLAC inside, a user's file under the splitter's FLAC name")
            << QStringList{Real, Real, Real} << "flac" << QStringList{"ring.flac"} << "0:35" << QByteArray()
            << QByteArray() << QByteArray()
            << QStringList{"Error: the splitter did not produce %out/ring_tmp1.mp3.",
                           "[ 100.00 %]  creating \"ring_tmp1.flac\" (1 of 1)"};
        QTest::newRow("Ogg inside, a user's file under the splitter's Ogg name")
            << QStringList{Real, Real, Real} << "ogg" << QStringList{"ring.ogg", "ring.flac"} << "0:35" << QByteArray()
            << QByteArray() << QByteArray()
            << QStringList{"Error: the splitter did not produce %out/ring_tmp1.mp3.",
                           "[ 100.00 %]  creating \"ring_tmp1.ogg\" (1 of 1)"};
        QTest::newRow("Ogg inside, nothing of the user's")
            << QStringList{Real, Real, Real} << "ogg" << QStringList() << "0:35" << QByteArray() << QByteArray()
            << QByteArray()
            << QStringList{"Error: the splitter did not produce %out/ring.mp3.",
                           "[ 100.00 %]  creating \"ring.ogg\" (1 of 1)"};
    }

    void failures()
    {
        QFETCH(QStringList, tools);
        QFETCH(QString, input);
        QFETCH(QStringList, usersFiles);
        QFETCH(QString, end);
        QFETCH(QByteArray, standinExit);
        QFETCH(QByteArray, standinSignal);
        QFETCH(QByteArray, standinError);
        QFETCH(QStringList, tail);
        qputenv("STANDIN_EXIT", standinExit);
        qputenv("STANDIN_SIGNAL", standinSignal);
        qputenv("STANDIN_STDERR", standinError);

        const QString out = dir.filePath(QStringLiteral("out-%1").arg(QTest::currentDataTag()).replace(' ', '-'));
        QVERIFY(QDir().mkpath(out));
        for (const QString& name : usersFiles) {
            QFile file(out + u'/' + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("the user's own " + name.toUtf8());
        }
        const QString inputPath = input == QLatin1String("flac")  ? flacSong
                                  : input == QLatin1String("ogg") ? oggSong
                                                                  : song;
        const ConversionRequest request{
            inputPath,          out + QStringLiteral("/ring.m4r"), QStringLiteral("0:20"), end, QStringLiteral("5"),
            QStringLiteral("5")};
        RecordingView view;
        TerminationFlag termination;
        ConversionRun run(view, termination);
        const auto result = run.execute({request, 15}, toolsOf(QTest::currentDataTag(), tools));

        QCOMPARE(result, ConversionRun::Result::Failed);
        tail.replaceInStrings(QStringLiteral("%out"), out);
        tail << QStringLiteral("Conversion failed.");
        QCOMPARE(view.log.mid(view.log.size() - tail.size()), tail);
        QVERIFY(view.log.first().startsWith(QStringLiteral("Initializing splitter parameters: ")));
        QCOMPARE(view.convertEnabled, QList<bool>({false, true}));
        QVERIFY(view.revealed.isEmpty());
        usersFiles.sort();
        QCOMPARE(filesIn(out), usersFiles); // no intermediate file and no output
        for (const QString& name : usersFiles) {
            QFile file(out + u'/' + name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), "the user's own " + name.toUtf8());
        }
    }

    // The ringtone's length, read from its header to tell a section that ran past the
    // input's end; the fuzz target's seeds hold real and made-up headers.
    void ringtoneLength_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<double>("seconds"); // -1: no length can be read
        QTest::newRow("converter's file, header last") << "ffmpeg-moov-last" << 0.1;
        QTest::newRow("converter's file, header first") << "ffmpeg-moov-first" << 0.1;
        QTest::newRow("64-bit header") << "version-1-header" << 30.0;
        QTest::newRow("64-bit box size before it") << "large-size-media-data" << 12.345;
        QTest::newRow("box running to the end") << "box-to-the-end" << 10.0;
        QTest::newRow("header after other boxes") << "header-after-other-boxes" << 9.0;
        QTest::newRow("unknown duration") << "unknown-duration" << -1.0;
        QTest::newRow("no timescale") << "zero-timescale" << -1.0;
        QTest::newRow("cut short") << "truncated-header" << -1.0;
        QTest::newRow("no such file") << "missing" << -1.0;
    }

    void ringtoneLength()
    {
        QFETCH(QString, file);
        QFETCH(double, seconds);
        const std::optional<double> length = Mpeg4Header::durationSeconds(TOVALIN_MPEG4_SEEDS "/" + file);
        QCOMPARE(length.has_value(), seconds >= 0);
        if (length)
            QVERIFY2(std::abs(*length - seconds) < 0.03, qPrintable(QString::number(*length)));
    }

    void resultThatCannotTakeTheOutputName()
    {
        // The output name is taken by a folder: the rename fails and that is a failure, but the
        // finished ringtone stays under its encoded name.
        const QString out = dir.filePath(QStringLiteral("blocked"));
        const QString output = out + QStringLiteral("/ring.m4r");
        QVERIFY(QDir().mkpath(output));
        qputenv("STANDIN_EXIT", "");
        qputenv("STANDIN_SIGNAL", "");
        RecordingView view;
        TerminationFlag termination;
        ConversionRun run(view, termination);
        const ConversionRequest request{
            song, output, QStringLiteral("0:20"), QStringLiteral("0:35"), QStringLiteral("5"), QStringLiteral("5")};
        QCOMPARE(run.execute({request, 15}, toolsOf(QStringLiteral("blocked-tools"), {Real, Real, Real})),
                 ConversionRun::Result::Failed);

        const QString encoded = out + QStringLiteral("/ring.m4a");
        QCOMPARE(view.log.size(), 11);
        QCOMPARE(view.log.at(6), QStringLiteral("Removing temporary files."));
        QCOMPARE(view.log.at(7), QStringLiteral("Error: %1 could not be renamed to %2.").arg(encoded, output));
        QVERIFY(!view.log.at(8).isEmpty()); // the system's reason
        QCOMPARE(view.log.mid(9), QStringList({"The ringtone was kept as " + encoded + ".", "Conversion failed."}));
        QCOMPARE(filesIn(out), QStringList{QStringLiteral("ring.m4a")});
        QVERIFY(QFileInfo(output).isDir());
        QCOMPARE(view.convertEnabled, QList<bool>({false, true}));
        QVERIFY(view.revealed.isEmpty());
    }
};

QTEST_GUILESS_MAIN(ConversionRunTest)
#include "tst_ConversionRun.moc"
