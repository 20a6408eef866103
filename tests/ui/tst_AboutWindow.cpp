#include "FakeServices.h"
#include "TForm1.h"
#include "TabtFrm.h"
#include "TestMain.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

// The About window: opened modally from either picture of the main window, created once
// and reused, hidden by closing, and back where it was closed the next time.
class TestAboutWindow : public QObject {
    Q_OBJECT

private:
    FakeServices services;
    std::unique_ptr<TForm1> form;
    TabtFrm* about = nullptr;

    QPushButton* button(const char* name) const
    {
        return about->findChild<QPushButton*>(QString::fromLatin1(name));
    }

    // Clicks the picture and runs check() while the About window is shown modally; the
    // click returns only when the window has been closed, by check() or afterwards.
    void openWith(const char* picture, std::function<void()> check)
    {
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            QTRY_COMPARE(QApplication::activeModalWidget(), about);
            QTRY_COMPARE(QApplication::activeWindow(), about);
            check();
            checked = true;
            if (about->isVisible())
                about->close();
        });
        QTest::mouseClick(form->findChild<QWidget*>(QString::fromLatin1(picture)), Qt::LeftButton);
        QVERIFY(checked);
        QVERIFY(!about->isVisible());
    }

private slots:
    void init()
    {
        services = FakeServices();
        form = std::make_unique<TForm1>(services, TovalinApplication::instance()->termination(), QUrl());
        about = new TabtFrm(services, QUrl(), form.get());
        form->setAboutWindow(about);
        form->showCentred();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    void cleanup() { form.reset(); }

    void layout()
    {
        QCOMPARE(about->objectName(), QStringLiteral("abtFrm"));
        QCOMPARE(about->windowTitle(), QStringLiteral("About..."));
        QCOMPARE(about->size(), QSize(315, 295));
        QCOMPARE(about->minimumSize(), about->maximumSize());
        QVERIFY(!(about->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
        QVERIFY(about->isModal());
        QVERIFY(!about->isVisible());  // created hidden

        const struct {
            const char* name;
            QPoint pos;
            const char* text;
            int pixels;
        } labels[] = {
            {"Label1", {106, 16}, "Tovalin", 15},
            {"Label2", {106, 40}, "Version: 2.2", 15},
            {"Label4", {8, 103}, "Tovalin uses following third-party components:", 12},
        };
        for (const auto& expected : labels) {
            auto* label = about->findChild<QLabel*>(QString::fromLatin1(expected.name));
            QVERIFY(label);
            QCOMPARE(label->pos(), expected.pos);
            QCOMPARE(label->text(), QString::fromLatin1(expected.text));
            QCOMPARE(label->font().pixelSize(), expected.pixels);
            QCOMPARE(label->size(), label->sizeHint());
        }
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("Image1"))->geometry(), QRect(8, 8, 89, 89));
        auto* memo = about->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
        QCOMPARE(memo->geometry(), QRect(8, 123, 289, 118));
        QVERIFY(!memo->isEnabled());
        QCOMPARE(button("Button1")->geometry(), QRect(200, 256, 75, 25));
        QCOMPARE(button("Button1")->text(), QStringLiteral("OK!"));
        QVERIFY(button("Button1")->isDefault());
        QCOMPARE(button("Button2")->geometry(), QRect(32, 256, 75, 25));
        QCOMPARE(button("Button2")->text(), QStringLiteral("Donate!"));
    }

    void toolListKeepsItsEightLines()
    {
        const QStringList lines = TabtFrm::toolList().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 8);
        QVERIFY(lines[0].startsWith(QStringLiteral("libmp3splt version ")));
        QVERIFY(lines[1].isEmpty() && lines[4].isEmpty() && lines[6].isEmpty());
        QVERIFY(lines[2].startsWith(QStringLiteral("      ")) && lines[3].startsWith(QStringLiteral("      ")));
        QVERIFY(lines[5].startsWith(QStringLiteral("sox version ")));
        QVERIFY(lines[7].startsWith(QStringLiteral("FFmpeg version ")));
        QCOMPARE(about->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText(), TabtFrm::toolList());
    }

    void opensFromEitherPicture_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::newRow("logo") << "Image1";
        QTest::newRow("phone symbol") << "Image2";
    }

    void opensFromEitherPicture()
    {
        QFETCH(QString, picture);
        openWith(picture.toLatin1(), [&] {
            QCOMPARE(QApplication::focusWidget(), button("Button1"));
            // Centred on the main window the first time.
            QVERIFY((about->geometry().center() - form->geometry().center()).manhattanLength() <= 2);
        });
    }

    void closingOnlyHidesAndTheWindowIsReused()
    {
        QPointer<TabtFrm> first = about;
        openWith("Image1", [&] { about->close(); });
        QVERIFY(first);
        openWith("Image2", [&] { QCOMPARE(QApplication::activeModalWidget(), first.data()); });
        QCOMPARE(form->findChildren<TabtFrm*>().size(), 1);
    }

    void comesBackWhereItWasClosed()
    {
        QPoint closedAt;
        openWith("Image1", [&] {
            about->move(about->pos() + QPoint(40, 30));
            closedAt = about->pos();
            QTest::mouseClick(button("Button1"), Qt::LeftButton);
        });
        openWith("Image2", [&] { QCOMPARE(about->pos(), closedAt); });
    }

    void keys_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Enter on OK!") << "Button1" << int(Qt::Key_Return) << true;
        QTest::newRow("Enter on Donate!") << "Button2" << int(Qt::Key_Return) << false;
        QTest::newRow("Escape") << "Button1" << int(Qt::Key_Escape) << false;
    }

    void keys()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, closes);
        bool stillShown = true;
        openWith("Image1", [&] {
            QPushButton* target = button(focus.toLatin1());
            target->setFocus();
            QTest::keyClick(target, Qt::Key(key));
            stillShown = about->isVisible();
        });
        QCOMPARE(stillShown, !closes);
    }
};

TOVALIN_TEST_MAIN(TestAboutWindow)
#include "tst_AboutWindow.moc"
