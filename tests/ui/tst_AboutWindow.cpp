// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "TestMain.h"
#include "WindowFixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSysInfo>

#include <memory>

// The About window: opened modally from either picture of the main window, created once
// and reused, hidden by closing, and back where it was closed the next time.
class AboutWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> fx;
    TabtFrm* about = nullptr;

    QPushButton* button(const char* name) const { return about->findChild<QPushButton*>(QString::fromLatin1(name)); }

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
        QTest::mouseClick(fx->control(picture), Qt::LeftButton);
        QVERIFY(checked);
        QVERIFY(!about->isVisible());
    }

private slots:
    void init()
    {
        fx = std::make_unique<WindowFixture>();
        about = &fx->about();
        QVERIFY(fx->show());
    }

    void cleanup() { fx.reset(); }

    void layout()
    {
        QCOMPARE(about->objectName(), QStringLiteral("abtFrm"));
        QCOMPARE(about->windowTitle(), QStringLiteral("About..."));
        QCOMPARE(about->size(), QSize(315, 295));
        QCOMPARE(about->minimumSize(), about->maximumSize());
        QVERIFY(!(about->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
        QVERIFY(about->isModal());
        QVERIFY(!about->isVisible()); // created hidden

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

    // What each tool prints for its version option, as the list names it.
    void toolLines_data()
    {
        QTest::addColumn<ToolSet::Role>("role");
        QTest::addColumn<bool>("started");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("line");
        const QString arch = QSysInfo::currentCpuArchitecture();
#ifdef Q_OS_WIN
        const QString system = QStringLiteral("Windows");
#else
        const QString system = QStringLiteral("Linux");
#endif
        using Role = ToolSet::Role;
        QTest::newRow("splitter") << Role::Splitter << true << "mp3splt 2.6.2 (09/11/14) - using libmp3splt 0.9.2\n"
                                  << "libmp3splt version 0.9.2";
        QTest::newRow("fader") << Role::Fader << true << "sox:      SoX v14.4.2\n"
                               << "sox version 14.4.2 for " + system;
        QTest::newRow("Debian's converter")
            << Role::Converter << true
            << "ffmpeg version 5.1.9-0+deb12u1 Copyright (c) 2000-2026 the FFmpeg developers\n"
            << "FFmpeg version 5.1.9-0+deb12u1 for " + system + " " + arch + " by the Debian Multimedia Maintainers";
        QTest::newRow("another converter")
            << Role::Converter << true << "ffmpeg version 2.6.2 Copyright (c) 2000-2015 the FFmpeg developers\r\nbuilt"
            << "FFmpeg version 2.6.2 for " + system + " " + arch + " by the FFmpeg developers";
        QTest::newRow("missing") << Role::Fader << false << ""
                                 << "sox is missing";
        QTest::newRow("no version printed") << Role::Splitter << true << "usage: mp3splt"
                                            << "libmp3splt version unknown";
    }

    void toolLines()
    {
        QFETCH(ToolSet::Role, role);
        QFETCH(bool, started);
        QFETCH(QString, output);
        QFETCH(QString, line);
        QCOMPARE(TabtFrm::toolLine({role, started, ToolVersionQuery::versionIn(role, output), output}), line);
    }

    // The tools beside the program answer once the window is shown; the list keeps its eight
    // lines. On Linux they are Debian's, under Wine the tests' stand-ins.
    void namesTheInstalledTools()
    {
#ifdef Q_OS_WIN
        const QString arch = QSysInfo::currentCpuArchitecture();
        // Run from the unpacked download, the tools are those built from Debian's sources.
        const QStringList tools =
            qEnvironmentVariableIsSet("TOVALIN_DOWNLOAD_CHECK")
                ? QStringList{"libmp3splt version 0.9.2", "sox version 14.4.2 for Windows",
                              "FFmpeg version 5.1.9-tovalin for Windows " + arch + " by the FFmpeg developers"}
                : QStringList{"libmp3splt version 0.9.2-standin", "sox version 14.4.2-standin for Windows",
                              "FFmpeg version 2.6.2-standin for Windows " + arch + " by the Tovalin developers"};
#else
        const QStringList tools{"libmp3splt version 0.9.2", "sox version 14.4.2 for Linux",
                                "FFmpeg version 5.* for Linux " + QSysInfo::currentCpuArchitecture()
                                    + " by the Debian Multimedia Maintainers"};
#endif
        const QStringList before =
            about->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText().split('\n');
        QCOMPARE(before.size(), 8);
        QCOMPARE(before[0], QString::fromUtf8("libmp3splt version \u2026"));
        openWith("Image1", [&] {
            auto* memo = about->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
            QTRY_VERIFY(!memo->toPlainText().contains(QChar(0x2026)));
            const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
            QCOMPARE(lines.size(), 8);
            QVERIFY(lines[1].isEmpty() && lines[4].isEmpty() && lines[6].isEmpty());
            QVERIFY(lines[2].startsWith(QStringLiteral("      (c) "))
                    && lines[3].startsWith(QStringLiteral("      (c) ")));
            const QStringList named{lines[0], lines[5], lines[7]};
            for (int i = 0; i < 3; ++i) {
                const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(
                    tools[i], QRegularExpression::UnanchoredWildcardConversion));
                QVERIFY2(QRegularExpression(QStringLiteral("^") + pattern.pattern() + QStringLiteral("$"))
                             .match(named[i])
                             .hasMatch(),
                         qPrintable(named[i]));
            }
        });
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
            const QPoint off = about->frameGeometry().center() - fx->form().frameGeometry().center();
            QVERIFY2(off.manhattanLength() <= 2, qPrintable(QStringLiteral("off by %1, %2").arg(off.x()).arg(off.y())));
        });
    }

    void closingOnlyHidesAndTheWindowIsReused()
    {
        QPointer<TabtFrm> first = about;
        openWith("Image1", [&] { about->close(); });
        QVERIFY(first);
        openWith("Image2", [&] { QCOMPARE(QApplication::activeModalWidget(), first.data()); });
        QCOMPARE(fx->form().findChildren<TabtFrm*>().size(), 1);
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

TOVALIN_TEST_MAIN(AboutWindowTest)
#include "tst_AboutWindow.moc"
