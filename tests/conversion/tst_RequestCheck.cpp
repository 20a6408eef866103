#include "ConversionRequest.h"
#include "InvalidTimeError.h"
#include "RequestCheck.h"
#include "RequestRefusal.h"

#include <QDir>
#include <QFile>
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

private:
    QTemporaryDir dir_;
};

void RequestCheckTest::initTestCase()
{
    QVERIFY(dir_.isValid());
    QVERIFY(QDir(dir_.path()).mkdir("Music"));
    for (const char *name : {"Music/song.mp3", "Music/other.mp3"}) {
        QFile file(dir_.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::link(dir_.filePath("Music/song.mp3"), dir_.filePath("link.mp3")));
    QVERIFY(QFile::link(dir_.filePath("Music"), dir_.filePath("Linked")));
    QVERIFY(QDir::setCurrent(dir_.path()));
}

void RequestCheckTest::checksInOrder_data()
{
    QTest::addColumn<ConversionRequest>("request");
    QTest::addColumn<QString>("error"); // empty when accepted
    QTest::addColumn<bool>("refusal");  // a refusal rather than an invalid time

    const QString quote = "The text '%1' contains a double quote (\"), which cannot be passed to the conversion tools.";
    const QString same = "The output file must not be the input file.";
    QTest::newRow("initial values") << ConversionRequest{"in.mp3", "out.m4r", "0:20", "0:50", "5", "5"} << "" << false;
    QTest::newRow("empty paths pass") << ConversionRequest{"", "", "0:20", "0:50", "", ""} << "" << false;
    QTest::newRow("start before quotes") << ConversionRequest{"a\"", "a\"", "x", "y", "5", "5"} << "'x' is not a valid time" << false;
    QTest::newRow("end before quotes") << ConversionRequest{"a\"", "a\"", "0:20", "y", "5", "5"} << "'y' is not a valid time" << false;
    QTest::newRow("length before quotes") << ConversionRequest{"a\"", "a\"", "0:05", "0:46", "5", "5"} << "Selected playback duration is too long. Maximum duration is 40 seconds." << true;
    QTest::newRow("input quote first") << ConversionRequest{"a\"", "b\"", "0:20", "0:50", "5\"", "5"} << quote.arg("a\"") << true;
    QTest::newRow("output quote") << ConversionRequest{"a", "\"b\"", "0:20", "0:50", "5", "5\""} << quote.arg("\"b\"") << true;
    QTest::newRow("fade-in quote") << ConversionRequest{"a", "b", "0:20", "0:50", "5\" -y", "5\""} << quote.arg("5\" -y") << true;
    QTest::newRow("fade-out quote") << ConversionRequest{"a", "b", "0:20", "0:50", "5", "\""} << quote.arg("\"") << true;
    QTest::newRow("quotes before same file") << ConversionRequest{"a\"", "a\"", "0:20", "0:50", "5", "5"} << quote.arg("a\"") << true;
    QTest::newRow("output is input") << ConversionRequest{"Music/song.mp3", "Music/song.mp3", "0:20", "0:50", "5", "5"} << same << true;
}

void RequestCheckTest::checksInOrder()
{
    QFETCH(ConversionRequest, request);
    QFETCH(QString, error);
    QFETCH(bool, refusal);
    try {
        RequestCheck::check(request, TimeReader(), PathStyle::Posix);
        QVERIFY2(error.isEmpty(), "accepted");
    } catch (const InvalidTimeError &e) {
        QVERIFY(!refusal);
        QCOMPARE(e.message(), error);
    } catch (const RequestRefusal &e) {
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
    QTest::newRow("identical") << "Music/song.mp3" << "Music/song.mp3" << posix << true;
    QTest::newRow("relative and absolute") << "Music/song.mp3" << dir_.filePath("Music/song.mp3") << posix << true;
    QTest::newRow("unclean") << "./Music/../Music//song.mp3" << "Music/song.mp3" << posix << true;
    QTest::newRow("file link") << "link.mp3" << "Music/song.mp3" << posix << true;
    QTest::newRow("folder link") << "Linked/song.mp3" << "Music/song.mp3" << posix << true;
    QTest::newRow("missing, unclean") << "new/../x.m4r" << "x.m4r" << posix << true;
    QTest::newRow("other file") << "Music/other.mp3" << "Music/song.mp3" << posix << false;
    QTest::newRow("case matters on POSIX") << "Music/Song.mp3" << "Music/song.mp3" << posix << false;
    QTest::newRow("case ignored on Windows") << "C:\\Music\\Song.MP3" << "c:\\music\\song.mp3" << PathStyle::Windows << true;
    QTest::newRow("both empty") << "" << "" << posix << false;
}

void RequestCheckTest::sameFile()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(PathStyle, style);
    QFETCH(bool, same);
    QCOMPARE(RequestCheck::namesSameFile(first, second, style), same);
}

QTEST_GUILESS_MAIN(RequestCheckTest)
#include "tst_RequestCheck.moc"
