// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "ConversionError.h"
#include "DesktopServices.h"
#include "StartUp.h"
#include "TestMain.h"
#include "WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>

#include <stdexcept>

Q_DECLARE_METATYPE(std::exception_ptr)

namespace {

std::exception_ptr nested(const char* outer, const std::exception_ptr& inner)
{
    try {
        std::rethrow_exception(inner);
    } catch (...) {
        try {
            std::throw_with_nested(std::runtime_error(outer));
        } catch (...) {
            return std::current_exception();
        }
    }
    return {};
}

struct Shown {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Reads the message box that the next modal loop shows, then presses its only button.
void pressOnceShown(Shown& shown)
{
    QTimer::singleShot(0, [&shown] {
        QMessageBox* box = nullptr;
        QTRY_VERIFY((box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())));
        shown.title = box->windowTitle();
        shown.text = box->text();
        shown.icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            shown.buttons << button->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
}

} // namespace

// The application object and the start: the error report for errors escaping a handler,
// the command line, the missing style, and the quit request.
class ApplicationTest : public QObject {
    Q_OBJECT

private:
    DesktopServices desktop;

private slots:
    void initTestCase() { TovalinApplication::instance()->reportThrough(&desktop); }

    void identity()
    {
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Tovalin"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("2.2"));
        QVERIFY(!QApplication::windowIcon().isNull());
        QVERIFY(QApplication::windowIcon().availableSizes().contains(QSize(256, 256)));
    }

    void startFile_data()
    {
        QTest::addColumn<QStringList>("arguments"); // after the program; "@" is a scratch folder
        QTest::addColumn<QString>("file");          // expected, relative to the scratch folder
        QTest::newRow("none") << QStringList{} << "";
        QTest::newRow("an MP3") << QStringList{"@/a song.mp3"} << "a song.mp3";
        QTest::newRow("relative to the current folder") << QStringList{"a song.mp3"} << "a song.mp3";
        QTest::newRow("non-ASCII") << QStringList{"@/Töne 木.mp3"} << "Töne 木.mp3";
        QTest::newRow("after --") << QStringList{"--", "@/-dash.mp3"} << "-dash.mp3";
        QTest::newRow("a folder") << QStringList{"@"} << "";
        QTest::newRow("missing") << QStringList{"@/gone.mp3"} << "";
        QTest::newRow("two files") << QStringList{"@/a song.mp3", "@/Töne 木.mp3"} << "";
    }

    // What a file manager's "Open with" hands over lands in the input field as a full path.
    void startFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QTemporaryDir scratch;
        for (const char* name : {"a song.mp3", "Töne 木.mp3", "-dash.mp3"})
            QVERIFY(QFile(scratch.filePath(QString::fromUtf8(name))).open(QIODevice::WriteOnly));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(scratch.path()));
        QStringList commandLine{QStringLiteral("tovalin")};
        for (QString argument : arguments)
            commandLine << argument.replace(QLatin1Char('@'), scratch.path());
        const QString found = StartUp::startFile(commandLine);
        QDir::setCurrent(previous);
        QCOMPARE(found, file.isEmpty() ? QString() : QFileInfo(scratch.filePath(file)).absoluteFilePath());
    }

    void reportText_data()
    {
        QTest::addColumn<std::exception_ptr>("error");
        QTest::addColumn<QString>("text");
        const auto plain = [](const char* what) { return std::make_exception_ptr(std::runtime_error(what)); };

        QTest::newRow("invalid time gets a period")
            << std::make_exception_ptr(InvalidTimeError(QStringLiteral("abc"))) << "'abc' is not a valid time.";
        QTest::newRow("ends in a period") << plain("Stop.") << "Stop.";
        QTest::newRow("ends in '!' (33)") << plain("Stop!") << "Stop!";
        QTest::newRow("ends in ')' (41)") << plain("(x)") << "(x)";
        QTest::newRow("ends in '/' (47)") << plain("a/") << "a/.";
        QTest::newRow("ends in a digit") << plain("error 5") << "error 5.";
        QTest::newRow("non-ASCII last letter") << plain("caf\xc3\xa9") << QString::fromUtf8("caf\xc3\xa9.");
        QTest::newRow("empty") << plain("") << "";
        QTest::newRow("innermost of nested errors")
            << nested("outer", nested("middle", std::make_exception_ptr(InvalidTimeError(QStringLiteral("0:60")))))
            << "'0:60' is not a valid time.";
        QTest::newRow("not a std::exception") << std::make_exception_ptr(42) << "Unknown error.";
    }

    void reportText()
    {
        QFETCH(std::exception_ptr, error);
        QFETCH(QString, text);
        QCOMPARE(TovalinApplication::reportText(error), text);
    }

    void errorEscapingAHandlerShowsARealMessageBox()
    {
        Shown shown;
        pressOnceShown(shown);
        // As a window's handler runs: the error stops at the report, and the program goes on.
        TovalinApplication::instance()->call([] { throw InvalidTimeError(QStringLiteral("xyz")); });

        QCOMPARE(shown.title, QStringLiteral("Tovalin"));
        QCOMPARE(shown.text, QStringLiteral("'xyz' is not a valid time."));
        QCOMPARE(shown.icon, QMessageBox::Critical);
        QCOMPARE(shown.buttons, QStringList{QStringLiteral("OK")});
    }

    void styleNotFoundIsReportedAndTheProgramGoesOn()
    {
        const QString before = QApplication::style()->name();
        Shown shown;
        pressOnceShown(shown);
        StartUp::applyStyle(QStringLiteral("Aqua Dark Nowhere"), desktop);

        QCOMPARE(shown.title, QStringLiteral("Error"));
        QCOMPARE(shown.text, QStringLiteral("Style 'Aqua Dark Nowhere' not found"));
        QCOMPARE(shown.icon, QMessageBox::Critical);
        QCOMPARE(shown.buttons, QStringList{QStringLiteral("&Close")});
        QCOMPARE(QApplication::style()->name(), before);
    }

    void carriedStyleIsFoundWithoutRegardToCase()
    {
        StartUp::applyStyle(QStringLiteral("aqua LIGHT slate"), desktop);
        QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(0xD6, 0xD6, 0xD6));
    }

    // Last: once the quit request is taken, Qt runs no further event loop in this process.
    void closingTheMainWindowEndsTheProgram()
    {
        auto* app = TovalinApplication::instance();
        WindowFixture fixture;
        TForm1& form = fixture.form();
        form.showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(!app->termination().isSet());
        QTimer::singleShot(0, &form, [&] {
            QVERIFY(form.close());
            QVERIFY(!app->termination().isSet()); // a request, taken from the queue
        });
        QCOMPARE(QCoreApplication::exec(), 0); // the program's event loop ends at once
        QVERIFY(app->termination().isSet());
    }
};

TOVALIN_TEST_MAIN(ApplicationTest)
#include "tst_Application.moc"
