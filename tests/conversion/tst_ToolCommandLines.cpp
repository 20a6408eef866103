// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "ConversionRequest.h"
#include "IntermediateNames.h"
#include "PathPieces.h"
#include "TimeWindow.h"
#include "ToolParameters.h"
#include "ToolSet.h"
#include "WindowsCommandLine.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

const ConversionRequest initial{"C:\\Music\\song.mp3", "C:\\Tones\\tone.m4r", "0:20", "0:50", "5", "5"};

IntermediateNames namesOf(const ConversionRequest& request, PathStyle style)
{
    return IntermediateNames::forOutput(request.outputPath, style, [](const QString&) { return false; });
}

} // namespace

class ToolCommandLinesTest : public QObject {
    Q_OBJECT

private slots:
    void toolLocations();
    void intermediateNames_data();
    void intermediateNames();
    void intermediateNamesAvoidExistingFiles_data();
    void intermediateNamesAvoidExistingFiles();
    void intermediateNamesAskFileSystem();
    void parameterStrings_data();
    void parameterStrings();
    void argumentsSurviveSplitting_data();
    void argumentsSurviveSplitting();
    void argumentsSurviveSplittingGenerated();
};

void ToolCommandLinesTest::toolLocations()
{
    using Role = ToolSet::Role;
    const ToolSet windows = ToolSet::inFolder("C:\\Program Files\\Tovalin", PathStyle::Windows);
    QCOMPARE(windows.path(Role::Splitter), "C:\\Program Files\\Tovalin\\External\\mp3splt\\mp3splt.exe");
    QCOMPARE(windows.path(Role::Fader), "C:\\Program Files\\Tovalin\\External\\sox\\sox.exe");
    QCOMPARE(windows.path(Role::Converter), "C:\\Program Files\\Tovalin\\External\\ffmpeg\\ffmpeg-heaac.exe");
    QCOMPARE(ToolSet::inFolder("C:/", PathStyle::Windows).path(Role::Fader), "C:\\External\\sox\\sox.exe");

    const ToolSet posix = ToolSet::inFolder("/opt/tovalin", PathStyle::Posix);
    QCOMPARE(posix.path(Role::Splitter), "/opt/tovalin/External/mp3splt/mp3splt");
    QCOMPARE(posix.path(Role::Converter), "/opt/tovalin/External/ffmpeg/ffmpeg-heaac");
    QCOMPARE(ToolSet::inFolder("/", PathStyle::Posix).path(Role::Fader), "/External/sox/sox");

    QCOMPARE(ToolSet::forRunningProgram().path(Role::Fader),
             ToolSet::inFolder(QCoreApplication::applicationDirPath(), nativePathStyle()).path(Role::Fader));
    QStringList words;
    for (const ToolSet::RoleEntry& entry : ToolSet::Roles)
        words << ToolSet::roleWord(entry.role);
    QCOMPARE(words, QStringList({"splitter", "fader", "converter"}));
}

void ToolCommandLinesTest::intermediateNames_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("expected"); // stem, cut, faded, encoded

    const PathStyle win = PathStyle::Windows;
    QTest::newRow("example") << win << "C:\\Tones\\tone.m4r"
                             << QStringList{"tone", "C:\\Tones\\tone.mp3", "C:\\Tones\\tone.m4r_faded.mp3",
                                            "C:\\Tones\\tone.m4a"};
    QTest::newRow("no extension") << win << "C:\\Tones\\tone"
                                  << QStringList{"tone", "C:\\Tones\\tone.mp3", "C:\\Tones\\tone_faded.mp3",
                                                 "C:\\Tones\\tone.m4a"};
    QTest::newRow("dotted folder") << win << "C:\\My.Tones\\tone"
                                   << QStringList{"tone", "C:\\My.Tones\\tone.mp3", "C:\\My.Tones\\tone_faded.mp3",
                                                  "C:\\My.Tones\\tone.m4a"};
    QTest::newRow("empty") << win << "" << QStringList{"", ".mp3", "_faded.mp3", ".m4a"};
    QTest::newRow("drive only") << win << "C:t.a.m4r"
                                << QStringList{"t.a", "C:t.a.mp3", "C:t.a.m4r_faded.mp3", "C:t.a.m4a"};
    QTest::newRow("slash is no delimiter")
        << win << "C:/a.b/t" << QStringList{"/a", "C:/a.mp3", "C:/a.b/t_faded.mp3", "C:/a.m4a"};
    QTest::newRow("trailing dot") << win << "C:\\t." << QStringList{"t", "C:\\t.mp3", "C:\\t._faded.mp3", "C:\\t.m4a"};
    const PathStyle posix = PathStyle::Posix;
    QTest::newRow("posix") << posix << "/home/u/My Tones/tone.m4r"
                           << QStringList{"tone", "/home/u/My Tones/tone.mp3", "/home/u/My Tones/tone.m4r_faded.mp3",
                                          "/home/u/My Tones/tone.m4a"};
    QTest::newRow("posix dotted folder") << posix << "/u/My.Tones/t"
                                         << QStringList{"t", "/u/My.Tones/t.mp3", "/u/My.Tones/t_faded.mp3",
                                                        "/u/My.Tones/t.m4a"};
    QTest::newRow("posix backslash and colon")
        << posix << "/u/C:a\\b.m4r"
        << QStringList{"C:a\\b", "/u/C:a\\b.mp3", "/u/C:a\\b.m4r_faded.mp3", "/u/C:a\\b.m4a"};
}

void ToolCommandLinesTest::intermediateNames()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, output);
    QFETCH(QStringList, expected);
    const IntermediateNames names = namesOf({"", output, "", "", "", ""}, style);
    QCOMPARE(QStringList({names.stem(), names.cut(), names.faded(), names.encoded()}), expected);
}

void ToolCommandLinesTest::intermediateNamesAvoidExistingFiles_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("base");

    QTest::newRow("input is the cut file")
        << "C:\\Music\\ring.m4r" << QStringList{"C:\\Music\\ring.mp3"} << "C:\\Music\\ring_tmp1.m4r";
    QTest::newRow("encoded exists") << "C:\\Music\\ring.m4r" << QStringList{"C:\\Music\\ring.m4a"}
                                    << "C:\\Music\\ring_tmp1.m4r";
    QTest::newRow("first variant taken") << "C:\\Music\\ring.m4r"
                                         << QStringList{"C:\\Music\\ring.m4r_faded.mp3", "C:\\Music\\ring_tmp1.m4a"}
                                         << "C:\\Music\\ring_tmp2.m4r";
    QTest::newRow("the splitter's Ogg name exists")
        << "C:\\Music\\ring.m4r" << QStringList{"C:\\Music\\ring.ogg"} << "C:\\Music\\ring_tmp1.m4r";
    QTest::newRow("the splitter's FLAC name exists")
        << "/m/ring.m4r" << QStringList{"/m/ring.flac", "/m/ring_tmp1.ogg"} << "/m/ring_tmp2.m4r";
    QTest::newRow("no extension") << "C:\\Tones\\tone" << QStringList{"C:\\Tones\\tone_faded.mp3"}
                                  << "C:\\Tones\\tone_tmp1";
    QTest::newRow("@ is no tag variable") << "/t/a@f b.m4r" << QStringList{} << "/t/a_f b.m4r";
    QTest::newRow("@ in the folder stays") << "/t@x/r@n.m4r" << QStringList{"/t@x/r_n.mp3"} << "/t@x/r_n_tmp1.m4r";
    QTest::newRow("output itself does not count")
        << "C:\\Tones\\tone.m4r" << QStringList{"C:\\Tones\\tone.m4r"} << "C:\\Tones\\tone.m4r";
}

void ToolCommandLinesTest::intermediateNamesAvoidExistingFiles()
{
    QFETCH(QString, output);
    QFETCH(QStringList, existing);
    QFETCH(QString, base);
    const QSet<QString> files(existing.begin(), existing.end());
    const PathStyle style = output.startsWith('/') ? PathStyle::Posix : PathStyle::Windows;
    const IntermediateNames names =
        IntermediateNames::forOutput(output, style, [&files](const QString& path) { return files.contains(path); });
    QCOMPARE(names.base(), base);
    QCOMPARE(names.cut(), PathPieces(style).replaceExtension(base, ".mp3"));
}

void ToolCommandLinesTest::intermediateNamesAskFileSystem()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile song(dir.filePath("ring.mp3"));
    QVERIFY(song.open(QIODevice::WriteOnly));
    song.close();
    QVERIFY(QFile::link(dir.filePath("missing"), dir.filePath("ring_tmp1.m4a")));

    const IntermediateNames names = IntermediateNames::forOutput(dir.filePath("ring.m4r"));
    QCOMPARE(names.cut(), dir.filePath("ring_tmp2.mp3"));
}

void ToolCommandLinesTest::parameterStrings_data()
{
    QTest::addColumn<ConversionRequest>("request");
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QStringList>("expected"); // splitter, fader, converter

    QTest::newRow("initial values") << initial << PathStyle::Windows
                                    << QStringList{
                                           R"("C:\Music\song.mp3" 0.20 0.50 -d "C:\Tones\." -o "tone")",
                                           R"("C:\Tones\tone.mp3" "C:\Tones\tone.m4r_faded.mp3" fade h 0:5 0 0:5)",
                                           R"(-i "C:\Tones\tone.m4r_faded.mp3" -c:a libfdk_aac "C:\Tones\tone.m4a")"};
    QTest::newRow("empty paths and fades")
        << ConversionRequest{"", "", "0:20", "0:50", "", ""} << PathStyle::Windows
        << QStringList{R"("" 0.20 0.50 -d "." -o "")", R"(".mp3" "_faded.mp3" fade h 0: 0 0:)",
                       R"(-i "_faded.mp3" -c:a libfdk_aac ".m4a")"};
    QTest::newRow("spaces dropped from times and fades")
        << ConversionRequest{"C:\\in put.mp3", "C:\\t.m4r", " 0:20", "0:50 ", " 3 ", "2.5"} << PathStyle::Windows
        << QStringList{R"("C:\in put.mp3" 0.20 0.50 -d "C:\." -o "t")",
                       R"("C:\t.mp3" "C:\t.m4r_faded.mp3" fade h 0:3 0 0:2.5)",
                       R"(-i "C:\t.m4r_faded.mp3" -c:a libfdk_aac "C:\t.m4a")"};
    QTest::newRow("posix, spaces inside times and fades")
        << ConversionRequest{"/home/u/My Music/a.mp3", "/t.m4r", "0 : 20", "1:20 PM", "5\t", "1 0"} << PathStyle::Posix
        << QStringList{R"("/home/u/My Music/a.mp3" 0.20 1.20PM -d "/." -o "t")",
                       "\"/t.mp3\" \"/t.m4r_faded.mp3\" fade h \"0:5\t\" 0 0:10",
                       R"(-i "/t.m4r_faded.mp3" -c:a libfdk_aac "/t.m4a")"};
    QTest::newRow("trailing backslashes doubled")
        << ConversionRequest{"C:\\in\\", "C:\\out\\\\", "0:20", "0:50", "5\\", "5"} << PathStyle::Windows
        << QStringList{R"("C:\in\\" 0.20 0.50 -d "C:\out\\." -o "")",
                       R"("C:\out\\.mp3" "C:\out\\_faded.mp3" fade h 0:5\ 0 0:5)",
                       R"(-i "C:\out\\_faded.mp3" -c:a libfdk_aac "C:\out\\.m4a")"};
    QTest::newRow("double quote passed on unchanged")
        << ConversionRequest{"C:\\a\"b.mp3", "C:\\t.m4r", "0:20", "0:50", "5", "5"} << PathStyle::Windows
        << QStringList{R"("C:\a"b.mp3" 0.20 0.50 -d "C:\." -o "t")",
                       R"("C:\t.mp3" "C:\t.m4r_faded.mp3" fade h 0:5 0 0:5)",
                       R"(-i "C:\t.m4r_faded.mp3" -c:a libfdk_aac "C:\t.m4a")"};
}

void ToolCommandLinesTest::parameterStrings()
{
    QFETCH(ConversionRequest, request);
    QFETCH(PathStyle, style);
    QFETCH(QStringList, expected);
    const IntermediateNames names = namesOf(request, style);
    QCOMPARE(ToolParameters::splitter(request, names), expected.at(0));
    QCOMPARE(ToolParameters::fader(request, names), expected.at(1));
    QCOMPARE(ToolParameters::converter(names), expected.at(2));
}

namespace {

// Each parameter string, split by the rules its tool's runtime uses, must give back
// exactly the texts that were meant as arguments: paths as they are, times and fades
// without their spaces.
void verifyRoundTrip(const ConversionRequest& request, PathStyle style)
{
    const IntermediateNames names = namesOf(request, style);
    const auto spaceless = [](const QString& text) { return QString(text).remove(' '); };
    QCOMPARE(WindowsCommandLine::split(ToolParameters::splitter(request, names)),
             QStringList({request.inputPath, spaceless(TimeWindow::splitterForm(request.startTime)),
                          spaceless(TimeWindow::splitterForm(request.endTime)), "-d",
                          PathPieces(style).folderPart(request.outputPath) + '.', "-o", names.stem()}));
    QCOMPARE(WindowsCommandLine::split(ToolParameters::fader(request, names)),
             QStringList({names.cut(), names.faded(), "fade", "h", "0:" + spaceless(request.fadeInTime), "0",
                          "0:" + spaceless(request.fadeOutTime)}));
    QCOMPARE(WindowsCommandLine::split(ToolParameters::converter(names)),
             QStringList({"-i", names.faded(), "-c:a", "libfdk_aac", names.encoded()}));
}

} // namespace

void ToolCommandLinesTest::argumentsSurviveSplitting_data()
{
    QTest::addColumn<ConversionRequest>("request");
    QTest::addColumn<PathStyle>("style");

    QTest::newRow("initial") << initial << PathStyle::Windows;
    QTest::newRow("spaces and tabs")
        << ConversionRequest{" C:\\My Music\\a b.mp3 ", "C:\\My\tTones\\ t .m4r", "0 : 20", "0:50 ", " 5", "5 \t"}
        << PathStyle::Windows;
    QTest::newRow("trailing backslashes")
        << ConversionRequest{"C:\\dir\\", "\\\\server\\share\\\\", "0:20", "0:50", "\\", "\\\\"} << PathStyle::Windows;
    QTest::newRow("posix backslash names")
        << ConversionRequest{"/m/a\\", "/t/x\\\\.m4r\\", "0:20", "0:50", "5", "5"} << PathStyle::Posix;
    QTest::newRow("non-ASCII") << ConversionRequest{"/Musik/Lied ä.mp3", "/Töne/木 \\.m4r", "0:20", "0:50", "5", "5"}
                               << PathStyle::Posix;
    QTest::newRow("empty") << ConversionRequest{"", "", "", "", "", ""} << PathStyle::Windows;
}

void ToolCommandLinesTest::argumentsSurviveSplitting()
{
    QFETCH(ConversionRequest, request);
    QFETCH(PathStyle, style);
    verifyRoundTrip(request, style);
}

void ToolCommandLinesTest::argumentsSurviveSplittingGenerated()
{
    const QString alphabet = QStringLiteral("ab. \t\\/:-é木");
    QRandomGenerator random(20240611);
    const auto text = [&]() {
        QString result;
        for (int n = int(random.bounded(10)); n > 0; --n)
            result += alphabet.at(random.bounded(int(alphabet.size())));
        return result;
    };
    for (int i = 0; i < 2000; ++i) {
        const ConversionRequest request{text(), text(), text(), text(), text(), text()};
        verifyRoundTrip(request, i % 2 ? PathStyle::Windows : PathStyle::Posix);
        if (QTest::currentTestFailed())
            return;
    }
}

QTEST_GUILESS_MAIN(ToolCommandLinesTest)
#include "tst_ToolCommandLines.moc"
