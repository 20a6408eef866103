// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "ConversionError.h"
#include "ConversionRequest.h"
#include "RequestCheck.h"
#include "TimeLocale.h"
#include "ToolPathCheck.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class RequestCheckTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void checksInOrder_data();
    void checksInOrder();
    void sameFile_data();
    void sameFile();
    void faderReadsTheOutputPath_data();
    void faderReadsTheOutputPath();

private:
    QTemporaryDir dir_;
};

void RequestCheckTest::initTestCase()
{
    QVERIFY(dir_.isValid());
    QVERIFY(QDir(dir_.path()).mkdir("Music"));
    for (const char* name : {"Music/song.mp3", "Music/other.mp3"}) {
        QFile file(dir_.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::link(dir_.filePath("Music/song.mp3"), dir_.filePath("link.mp3")));
    QVERIFY(QFile::link(dir_.filePath("Music"), dir_.filePath("Linked")));
    QVERIFY(QDir::setCurrent(dir_.path()));

    // Inputs that are no MP3 inside, recognised by their first bytes.
    QVERIFY(QDir().mkdir("audio"));
    const QList<QPair<const char*, QByteArray>> others{
        {"audio/flac.mp3", QByteArray("fLaC\0\0\0\x22", 8) + QByteArray(34, '\x10')},
        {"audio/ogg.mp3", QByteArray("OggS\0\x02", 6) + QByteArray(64, '\0')},
        {"audio/wav.mp3", QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16) + QByteArray(32, '\0')},
        {"audio/empty.mp3", QByteArray()},
    };
    for (const auto& [name, content] : others) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
#ifndef Q_OS_WIN // Debian's encoders; Wine has none.
    // 44.96 s at 48 kHz fill 1875 frames of 24 ms: 45.000 s by the Info header. Without the
    // header the length is an estimate.
    QCOMPARE(
        QProcess::execute("sox", {"-n", "-r", "48000", "-c", "2", "audio/source.wav", "synth", "44.96", "sine", "440"}),
        0);
    QCOMPARE(QProcess::execute("ffmpeg", {"-v", "error", "-i", "audio/source.wav", "-b:a", "128k", "audio/exact.mp3"}),
             0);
    QCOMPARE(QProcess::execute("ffmpeg", {"-v", "error", "-i", "audio/source.wav", "-b:a", "128k", "-write_xing", "0",
                                          "audio/estimated.mp3"}),
             0);
#endif
}

void RequestCheckTest::checksInOrder_data()
{
    QTest::addColumn<ConversionRequest>("request");
    QTest::addColumn<TimeLocale>("locale");
    QTest::addColumn<QString>("error");       // empty when accepted
    QTest::addColumn<bool>("refusal");        // a refusal rather than an invalid time
    QTest::addColumn<QStringList>("checked"); // when accepted: section seconds, fade-in, fade-out as the tools get them

    const TimeLocale en;
    const TimeLocale comma(":", ",", "AM", "PM");
    const QString quote = "The text '%1' contains a double quote (\"), which cannot be passed to the conversion tools.";
    const QString same = "The output file must not be the input file.";
    const QString notLater = "The end time must be later than the start time.";
    const QString fade = "'%1' is not a valid fade length.";
    const QString fades = "Fade in and fade out (%1 together) are longer than the section (%2).";
    QTest::newRow("initial values") << ConversionRequest{"in.mp3", "out.m4r", "0:20", "0:50", "5", "5"} << en << ""
                                    << false << QStringList{"30", "5", "5"};
    QTest::newRow("empty paths pass") << ConversionRequest{"", "", "0:20", "0:50", "0", "0"} << en << "" << false
                                      << QStringList{"30", "0", "0"};
    QTest::newRow("start before quotes") << ConversionRequest{"a\"", "a\"", "x", "y", "5", "5"} << en
                                         << "'x' is not a valid time" << false << QStringList();
    QTest::newRow("end before quotes") << ConversionRequest{"a\"", "a\"", "0:20", "y", "5", "5"} << en
                                       << "'y' is not a valid time" << false << QStringList();
    QTest::newRow("length before quotes")
        << ConversionRequest{"a\"", "a\"", "0:05", "0:46", "5", "5"} << en
        << "Selected playback duration is too long. Maximum duration is 40 seconds." << true << QStringList();
    QTest::newRow("length before order") << ConversionRequest{"a", "b", "0:05", "0:46", "x", "5"} << en
                                         << "Selected playback duration is too long. Maximum duration is 40 seconds."
                                         << true << QStringList();
    QTest::newRow("order before fades") << ConversionRequest{"a", "b", "0:50", "0:20", "x", "5"} << en << notLater
                                        << true << QStringList();
    QTest::newRow("fade-in before fade-out")
        << ConversionRequest{"a", "b", "0:20", "0:50", "-1", "x"} << en << fade.arg("-1") << true << QStringList();
    QTest::newRow("fade-out") << ConversionRequest{"a", "b", "0:20", "0:50", "5", "0:05"} << en << fade.arg("0:05")
                              << true << QStringList();
    QTest::newRow("empty fade") << ConversionRequest{"a", "b", "0:20", "0:50", "", "5"} << en << fade.arg("") << true
                                << QStringList();
    QTest::newRow("fade of spaces") << ConversionRequest{"a", "b", "0:20", "0:50", "  ", "5"} << en << fade.arg("  ")
                                    << true << QStringList();
    QTest::newRow("space inside a fade") << ConversionRequest{"a", "b", "0:20", "0:50", "1 0", "5"} << en
                                         << fade.arg("1 0") << true << QStringList();
    QTest::newRow("tab around a fade") << ConversionRequest{"a", "b", "0:20", "0:50", "5\t", "5"} << en
                                       << fade.arg("5\t") << true << QStringList();
    QTest::newRow("fade with a sign") << ConversionRequest{"a", "b", "0:20", "0:50", "+5", "5"} << en << fade.arg("+5")
                                      << true << QStringList();
    QTest::newRow("fade without digits after the point")
        << ConversionRequest{"a", "b", "0:20", "0:50", "5.", "5"} << en << fade.arg("5.") << true << QStringList();
    QTest::newRow("fade without digits before the point")
        << ConversionRequest{"a", "b", "0:20", "0:50", ".5", "5"} << en << fade.arg(".5") << true << QStringList();
    QTest::newRow("fade with an exponent")
        << ConversionRequest{"a", "b", "0:20", "0:50", "1e1", "5"} << en << fade.arg("1e1") << true << QStringList();
    QTest::newRow("non-ASCII digits") << ConversionRequest{"a", "b", "0:20", "0:50", "\u0665", "5"} << en
                                      << fade.arg("\u0665") << true << QStringList();
    QTest::newRow("fade quote") << ConversionRequest{"a", "b", "0:20", "0:50", "5\" -y", "5\""} << en
                                << fade.arg("5\" -y") << true << QStringList();
    QTest::newRow("spaces around fades") << ConversionRequest{"a", "b", " 0:20", "0 : 50 ", " 3 ", "2.5 "} << en << ""
                                         << false << QStringList{"30", "3", "2.5"};
    QTest::newRow("comma locale") << ConversionRequest{"a", "b", "0:20", "0:50", "2,5", "0.5"} << comma << "" << false
                                  << QStringList{"30", "2.5", "0.5"};
    QTest::newRow("comma in an English locale")
        << ConversionRequest{"a", "b", "0:20", "0:50", "2,5", "5"} << en << fade.arg("2,5") << true << QStringList();
    QTest::newRow("fades fill the section")
        << ConversionRequest{"a", "b", "0:20", "0:30", "5", "5"} << en << "" << false << QStringList{"10", "5", "5"};
    QTest::newRow("fades in tenths fill it") << ConversionRequest{"a", "b", "0:20", "0:20:30", "0.1", "0.2"} << en << ""
                                             << false << QStringList{"0.3", "0.1", "0.2"};
    QTest::newRow("fades longer than the section") << ConversionRequest{"a", "b", "0:20", "0:28", "5", "5"} << en
                                                   << fades.arg("10 seconds", "8 seconds") << true << QStringList();
    QTest::newRow("fades longer, in hundredths") << ConversionRequest{"a", "b", "0:20", "0:21:50", "0,75", "1"} << comma
                                                 << fades.arg("1,75 seconds", "1,5 seconds") << true << QStringList();
    QTest::newRow("one second together") << ConversionRequest{"a", "b", "0:20", "0:20:50", "1", "0"} << en
                                         << fades.arg("1 second", "0.5 seconds") << true << QStringList();
    QTest::newRow("overlong fade") << ConversionRequest{"a", "b", "0:20", "0:50", QString(400, '9'), "0"} << en
                                   << fades.arg("inf seconds", "30 seconds") << true << QStringList();
    QTest::newRow("fades before quotes") << ConversionRequest{"a\"", "a\"", "0:20", "0:28", "5", "5"} << en
                                         << fades.arg("10 seconds", "8 seconds") << true << QStringList();
    QTest::newRow("input quote first") << ConversionRequest{"a\"", "b\"", "0:20", "0:50", "5", "5"} << en
                                       << quote.arg("a\"") << true << QStringList();
    QTest::newRow("output quote") << ConversionRequest{"a", "\"b\"", "0:20", "0:50", "5", "5"} << en
                                  << quote.arg("\"b\"") << true << QStringList();
    QTest::newRow("quotes before same file")
        << ConversionRequest{"a\"", "a\"", "0:20", "0:50", "5", "5"} << en << quote.arg("a\"") << true << QStringList();
    QTest::newRow("output is input") << ConversionRequest{"Music/song.mp3", "Music/song.mp3", "0:20", "0:50", "5", "5"}
                                     << en << same << true << QStringList();

    // What the input holds comes last.
    const QString notMp3 = "'%1' is not an MP3 file.";
    QTest::newRow("FLAC inside") << ConversionRequest{"audio/flac.mp3", "out.m4r", "0:20", "0:50", "5", "5"} << en
                                 << notMp3.arg("flac.mp3") << true << QStringList();
    QTest::newRow("Ogg inside") << ConversionRequest{"audio/ogg.mp3", "out.m4r", "0:20", "0:50", "5", "5"} << en
                                << notMp3.arg("ogg.mp3") << true << QStringList();
    QTest::newRow("WAV inside") << ConversionRequest{"audio/wav.mp3", "out.m4r", "0:20", "0:50", "5", "5"} << en
                                << notMp3.arg("wav.mp3") << true << QStringList();
    QTest::newRow("empty input") << ConversionRequest{"audio/empty.mp3", "out.m4r", "0:20", "0:50", "5", "5"} << en
                                 << notMp3.arg("empty.mp3") << true << QStringList();
    QTest::newRow("output is input before the input's content")
        << ConversionRequest{"audio/flac.mp3", "audio/flac.mp3", "0:20", "0:50", "5", "5"} << en << same << true
        << QStringList();
    QTest::newRow("fades before the input's content")
        << ConversionRequest{"audio/flac.mp3", "out.m4r", "0:20", "0:28", "5", "5"} << en
        << fades.arg("10 seconds", "8 seconds") << true << QStringList();
    QTest::newRow("a folder as input is left to the run")
        << ConversionRequest{"Music", "out.m4r", "0:20", "0:50", "5", "5"} << en << "" << false
        << QStringList{"30", "5", "5"};
#ifndef Q_OS_WIN
    const QString shortInput = "The input is only 0:45 long, so the section cannot start at %1.";
    QTest::newRow("section within the input")
        << ConversionRequest{"audio/exact.mp3", "out.m4r", "0:10", "0:45", "5", "5"} << en << "" << false
        << QStringList{"35", "5", "5"};
    QTest::newRow("start at the input's end")
        << ConversionRequest{"audio/exact.mp3", "out.m4r", " 0:45", "0:50", "1", "1"} << en << shortInput.arg("0:45")
        << true << QStringList();
    QTest::newRow("start past the input's end")
        << ConversionRequest{"audio/exact.mp3", "out.m4r", "1:00", "1:20", "1", "1"} << en << shortInput.arg("1:00")
        << true << QStringList();
    QTest::newRow("start just before the end")
        << ConversionRequest{"audio/exact.mp3", "out.m4r", "0:44:59", "0:50", "0", "0.4"} << en << "" << false
        << QStringList{"5.41", "0", "0.4"};
    QTest::newRow("fade just longer than what is left")
        << ConversionRequest{"audio/exact.mp3", "out.m4r", "0:44:59", "0:50", "0", "0.42"} << en
        << fades.arg("0.42 seconds", "0.41 seconds") << true << QStringList();
    QTest::newRow("fades longer than what is left of the input")
        << ConversionRequest{"audio/exact.mp3", "out.m4r", "0:40", "0:50", "3", "3"} << en
        << fades.arg("6 seconds", "5 seconds") << true << QStringList();
    QTest::newRow("fades filling what is left of the input")
        << ConversionRequest{"audio/exact.mp3", "out.m4r", "0:40", "0:50", "2,5", "2,5"} << comma << "" << false
        << QStringList{"10", "2.5", "2.5"};
    // Without a Xing header the length is an estimate: nothing is refused on it.
    QTest::newRow("estimated length refuses nothing")
        << ConversionRequest{"audio/estimated.mp3", "out.m4r", "1:00", "1:20", "9", "9"} << en << "" << false
        << QStringList{"20", "9", "9"};
#endif
}

void RequestCheckTest::checksInOrder()
{
    QFETCH(ConversionRequest, request);
    QFETCH(TimeLocale, locale);
    QFETCH(QString, error);
    QFETCH(bool, refusal);
    QFETCH(QStringList, checked);
    try {
        const CheckedRequest result = RequestCheck::check(request, TimeReader(locale), PathStyle::Posix);
        QVERIFY2(error.isEmpty(), "accepted");
        QCOMPARE(QStringList(
                     {QString::number(result.sectionSeconds), result.request.fadeInTime, result.request.fadeOutTime}),
                 checked);
        // Everything else reaches the run as typed.
        ConversionRequest typed = result.request;
        typed.fadeInTime = request.fadeInTime;
        typed.fadeOutTime = request.fadeOutTime;
        QCOMPARE(typed, request);
    } catch (const InvalidTimeError& e) {
        QVERIFY(!refusal);
        QCOMPARE(e.message(), error);
    } catch (const RequestRefusal& e) {
        QVERIFY(refusal);
        QCOMPARE(e.message(), error);
    }
}

void RequestCheckTest::sameFile_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<bool>("same");

    const PathStyle posix = PathStyle::Posix;
    QTest::newRow("identical") << "Music/song.mp3"
                               << "Music/song.mp3" << posix << true;
    QTest::newRow("relative and absolute") << "Music/song.mp3" << dir_.filePath("Music/song.mp3") << posix << true;
    QTest::newRow("unclean") << "./Music/../Music//song.mp3"
                             << "Music/song.mp3" << posix << true;
#ifndef Q_OS_WIN // There QFile::link makes shortcuts, which are files of their own.
    QTest::newRow("file link") << "link.mp3"
                               << "Music/song.mp3" << posix << true;
    QTest::newRow("folder link") << "Linked/song.mp3"
                                 << "Music/song.mp3" << posix << true;
#endif
    QTest::newRow("missing, unclean") << "new/../x.m4r"
                                      << "x.m4r" << posix << true;
    QTest::newRow("other file") << "Music/other.mp3"
                                << "Music/song.mp3" << posix << false;
    QTest::newRow("case matters on POSIX") << "Music/Song.mp3"
                                           << "Music/song.mp3" << posix << false;
    QTest::newRow("case ignored on Windows") << "C:\\Music\\Song.MP3"
                                             << "c:\\music\\song.mp3" << PathStyle::Windows << true;
    QTest::newRow("both empty") << ""
                                << "" << posix << false;
}

void RequestCheckTest::sameFile()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(PathStyle, style);
    QFETCH(bool, same);
    QCOMPARE(RequestCheck::namesSameFile(first, second, style), same);
}

// What the fader gets of a path through the ANSI code page, by Windows build and code page.
void RequestCheckTest::faderReadsTheOutputPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<unsigned>("build");
    QTest::addColumn<unsigned>("codePage");
    QTest::addColumn<bool>("readable");
    const unsigned v1809 = 17763;
    const unsigned v1903 = ToolPathCheck::Utf8CodePageBuild;
    QTest::newRow("ASCII, 1809, Western") << "C:\\Tones\\tone.m4r" << v1809 << 1252u << true;
    QTest::newRow("accents the code page has") << "C:\\Töne\\été.m4r" << v1809 << 1252u << true;
#ifdef Q_OS_WIN
    QTest::newRow("Cyrillic folder, 1809, Western") << "C:\\Песни\\tone.m4r" << v1809 << 1252u << false;
    QTest::newRow("Cyrillic folder, 1809, Cyrillic") << "C:\\Песни\\tone.m4r" << v1809 << 1251u << true;
    QTest::newRow("a look-alike, not the letter") << "C:\\Muzyka\\łódź.m4r" << v1809 << 1252u << false;
    QTest::newRow("fullwidth quotation mark") << "C:\\Tones\\a\uFF02 b.m4r" << v1809 << 1252u << false;
    QTest::newRow("in the extension too") << "C:\\Tones\\tone.m4r\u0436" << v1809 << 1252u << false;
#endif
    // From 1903 on the fader's UTF-8 code page takes every path, as does a system set to UTF-8.
    QTest::newRow("Cyrillic folder, 1903") << "C:\\Песни\\tone.m4r" << v1903 << 1252u << true;
    QTest::newRow("Cyrillic folder, system in UTF-8") << "C:\\Песни\\tone.m4r" << v1809 << 65001u << true;
}

void RequestCheckTest::faderReadsTheOutputPath()
{
    QFETCH(QString, path);
    QFETCH(unsigned, build);
    QFETCH(unsigned, codePage);
    QFETCH(bool, readable);
    QCOMPARE(ToolPathCheck::readableByFader(path, build, codePage), readable);
    // The running system: Debian's tools, or the fader's UTF-8 code page under Wine.
    QVERIFY(ToolPathCheck::readableByFader(path));
    QCOMPARE(RequestRefusal::unreadableByTools(path).message(),
             "The path '" + path + "' holds characters the conversion tools cannot read on this version of Windows.");
}

QTEST_GUILESS_MAIN(RequestCheckTest)
#include "tst_RequestCheck.moc"
