// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "FontRegistration.h"
#include "ScratchFiles.h"
#include "TestMain.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QWindow>

#ifdef Q_OS_WIN
#include <windows.h>

#include <shlobj.h>
#endif

#include <memory>

// The main window as the user meets it: its layout, its keys and its handlers, with the
// desktop's dialogs and applications replaced by a recording double.
class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> fx;

    void makeWindow(const QUrl& donationPage = {})
    {
        fx = std::make_unique<WindowFixture>(WindowFixture::Options{donationPage});
        QVERIFY(fx->show());
    }

    static QFont regular(QFont font)
    {
        font.setBold(false);
        return font;
    }

    // How much a text darkens a white image: the sum of its pixels' darkness.
    static double inkOf(const QFont& font, const QString& text)
    {
        QImage image(QFontMetrics(font).boundingRect(text).size() + QSize(8, 8), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.drawText(image.rect(), Qt::AlignCenter, text);
        painter.end();
        double ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ink += 255 - qGray(image.pixel(x, y));
        return ink;
    }

    // Runs check() on the About window once it is shown modally, then closes it.
    void whenAboutShown(std::function<void(TabtFrm*)> check)
    {
        QTimer::singleShot(0, this, [this, check] {
            QTRY_VERIFY(QApplication::activeModalWidget() == &fx->about());
            check(&fx->about());
            fx->about().close();
        });
    }

private slots:
    void initTestCase() { FontRegistration::registerBundledFonts(); }
    void init() { makeWindow(); }
    void cleanup() { fx.reset(); }

    void windowFrame()
    {
        QCOMPARE(fx->form().objectName(), QStringLiteral("Form1"));
        QCOMPARE(fx->form().windowTitle(), QStringLiteral("Tovalin 2.2"));
        QCOMPARE(fx->form().size(), QSize(514, 486));
        QCOMPARE(fx->form().minimumSize(), QSize(514, 486));
        QCOMPARE(fx->form().maximumSize(), QSize(514, 486));
        QVERIFY(!(fx->form().windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(fx->form().windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(fx->form().font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(fx->form().font().pixelSize(), 11);
        QCOMPARE(QApplication::focusWidget(), fx->control("Edit1"));

        // The frame, not the client area, is centred on the rectangle that spans all screens.
        // On Linux this test runs on two screens side by side, with window frames, and once
        // more on two screens with a gap between them (as screens of different scale factors
        // leave one), where that centre is on no screen: then the primary screen's free area
        // is taken.
        QRect desktop;
        for (const QScreen* screen : QGuiApplication::screens())
            desktop = desktop.united(screen->geometry());
        if (QGuiApplication::primaryScreen()->name() == QLatin1String("laptop")) {
            QCOMPARE(desktop, QRect(0, 0, 2560 + 1920, 1080));
            desktop = QGuiApplication::primaryScreen()->availableGeometry();
            QCOMPARE(desktop, QRect(0, 0, 1280, 800));
        } else if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
            QCOMPARE(desktop, QRect(0, 0, 1024 + 1280, 1024));
        }
        const QRect frame = fx->form().frameGeometry();
        QVERIFY(frame.contains(fx->form().geometry()) && frame != fx->form().geometry());
        QCOMPARE(frame.topLeft(),
                 desktop.topLeft()
                     + QPoint((desktop.width() - frame.width()) / 2, (desktop.height() - frame.height()) / 2));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("sizesItself");

        const auto row = [](const char* name, const char* cls, QRect rect, const char* text, bool sizes = false) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(cls) << rect
                                << QString::fromUtf8(text) << sizes;
        };
        row("Image1", "ClickLabel", {267, -3, 232, 101}, "");
        row("Label1", "ClickLabel", {24, 394, 463, 13},
            "Help us keep this app FREE. Donate by amount you think we deserve. Thank you! :)", true);
        row("Image2", "ClickLabel", {0, -1, 97, 99}, "");
        row("RadioGroup1", "QGroupBox", {8, 88, 489, 49}, "Step 1: Input file");
        row("RadioGroup2", "QGroupBox", {8, 143, 489, 50}, "Step 2: Output file");
        row("StatusBar1", "QStatusBar", {0, 467, 514, 19}, "");
        row("Edit1", "QLineEdit", {16, 104, 392, 21}, "");
        row("Edit2", "QLineEdit", {16, 160, 392, 21}, "");
        row("Button1", "QPushButton", {414, 102, 27, 25}, "...");
        row("Button2", "QPushButton", {414, 158, 27, 25}, "...");
        row("Convert", "QPushButton", {231, 206, 266, 99}, "Convert");
        row("Memo1", "QPlainTextEdit", {8, 328, 489, 60}, "");
        row("RadioGroup3", "QGroupBox", {8, 199, 217, 107}, "Step 3: Output options");
        row("fadeOutTime", "QLineEdit", {128, 272, 81, 21}, "5");
        row("endTime", "QLineEdit", {24, 272, 89, 21}, "0:50");
        row("startTime", "QLineEdit", {24, 232, 89, 21}, "0:20");
        row("fadeInTime", "QLineEdit", {128, 232, 81, 21}, "5");
        row("Button3", "QPushButton", {447, 102, 39, 25}, "Play");
        row("CheckBox1", "QCheckBox", {267, 310, 209, 17}, "Open containing folder when finished", true);
        row("BitBtn1", "QPushButton", {168, 413, 169, 48}, "");
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(bool, sizesItself);

        QWidget* widget = fx->control(name.toLatin1());
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
        QCOMPARE(widget->parentWidget(), &fx->form());
        if (sizesItself) {
            QCOMPARE(widget->pos(), geometry.topLeft());
            QVERIFY(widget->width() >= geometry.width() || qobject_cast<QLabel*>(widget));
        } else {
            QCOMPARE(widget->geometry(), geometry);
        }
        // Every caption fits its control, in whatever font the system draws.
        int needed = 0;
        if (qobject_cast<QPushButton*>(widget))
            needed = widget->fontMetrics().horizontalAdvance(text) + 4;
        else if (!text.isEmpty() && !qobject_cast<QLineEdit*>(widget))
            needed = widget->sizeHint().width();
        QVERIFY2(needed <= widget->width(), qPrintable(QStringLiteral("needs %1 px").arg(needed)));

        QString shown;
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            shown = edit->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            shown = button->text();
        else if (auto* label = qobject_cast<QLabel*>(widget))
            shown = label->text();
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            shown = group->title();
        QCOMPARE(shown, text);
    }

    void fieldCaptions_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("caption");
        QTest::newRow("start") << "startTime"
                               << "Start Time (m:ss):";
        QTest::newRow("end") << "endTime"
                             << "End time (m:ss):";
        QTest::newRow("fade in") << "fadeInTime"
                                 << "Fade in (sec.):";
        QTest::newRow("fade out") << "fadeOutTime"
                                  << "Fade out (sec.):";
    }

    void fieldCaptions()
    {
        QFETCH(QString, field);
        QFETCH(QString, caption);
        QWidget* edit = fx->control(field.toLatin1());
        QLabel* label = nullptr;
        for (auto* candidate : fx->form().findChildren<QLabel*>()) {
            if (candidate->buddy() == edit)
                label = candidate;
        }
        QVERIFY2(label, "the field has a caption label as its buddy");
        QCOMPARE(label->text(), caption);
        // Above the field, starting at its left edge, 3 pixels clear of it, as wide as its text.
        QCOMPARE(label->x(), edit->x());
        QCOMPARE(label->geometry().bottom() + 1 + 3, edit->y());
        QCOMPARE(label->width(), label->sizeHint().width());
    }

    void looksAndFlags()
    {
        auto* label1 = fx->control<QLabel>("Label1");
        QCOMPARE(label1->palette().color(QPalette::WindowText), QColor(Qt::red));
        QVERIFY(label1->font().bold() && label1->font().underline());
        QCOMPARE(label1->font().pixelSize(), 11);
#ifndef Q_OS_WIN // Windows draws its own Tahoma.
        // Drawn bold, not just marked so (Wine's Tahoma Bold alone draws strokes no heavier
        // than the regular face's), and as wide as the bold face: the label sizes itself.
        QVERIFY(inkOf(label1->font(), label1->text()) > 1.15 * inkOf(regular(label1->font()), label1->text()));
        QVERIFY2(qAbs(label1->width() - 463) <= 4, qPrintable(QString::number(label1->width())));
#endif
        auto* convert = fx->control<QPushButton>("Convert");
        QVERIFY(convert->font().bold());
        QCOMPARE(convert->font().pixelSize(), 24);
#ifndef Q_OS_WIN
        QVERIFY(inkOf(convert->font(), convert->text()) > 1.15 * inkOf(regular(convert->font()), convert->text()));
#endif
        QVERIFY(convert->isDefault());
        for (const char* hand : {"Image1", "Image2", "Label1", "Convert", "BitBtn1"})
            QCOMPARE(fx->control(hand)->cursor().shape(), Qt::PointingHandCursor);
        for (const char* picture : {"Image1", "Image2", "Label1"})
            QCOMPARE(fx->control(picture)->focusPolicy(), Qt::NoFocus);
        QVERIFY(!fx->control<QLabel>("Image1")->accessibleName().isEmpty());
        QVERIFY(!fx->control<QLabel>("Image2")->accessibleName().isEmpty());
        QVERIFY(fx->control<QCheckBox>("CheckBox1")->isChecked());
        auto* memo = fx->control<QPlainTextEdit>("Memo1");
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        auto* bitBtn = fx->control<QPushButton>("BitBtn1");
        QCOMPARE(bitBtn->iconSize(), QSize(160, 42));
        const QImage glyph = bitBtn->icon().pixmap(QSize(160, 42)).toImage();
        QCOMPARE(glyph.size(), QSize(160, 42));
        QCOMPARE(qAlpha(glyph.pixel(0, 0)), 0); // the white background is see-through
        QVERIFY(qAlpha(glyph.pixel(80, 21)) > 0);
        auto* statusBar = fx->control<QStatusBar>("StatusBar1");
        QVERIFY(!statusBar->currentMessage().isEmpty());
        // The system's status-bar font, not the window's.
        QCOMPARE(statusBar->font(), QApplication::font("QStatusBar"));
        QVERIFY(statusBar->font() != fx->form().font());
    }

    void tabOrder()
    {
        const QStringList expected{"Edit1",     "Button1", "Button3",    "Edit2",       "Button2",
                                   "startTime", "endTime", "fadeInTime", "fadeOutTime", "Convert",
                                   "CheckBox1", "Memo1",   "BitBtn1",    "Edit1"};
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    // Enter clicks Convert from a field or the check box, a focused button clicks itself,
    // and the log and a disabled Convert ignore it. A start time that is no time keeps
    // each press of Convert down to one error report.
    void enterKey_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("convertEnabled");
        QTest::addColumn<QString>("clicked");

        QTest::newRow("Enter in Edit1") << "Edit1" << int(Qt::Key_Return) << true << "Convert";
        QTest::newRow("keypad Enter in fadeOutTime") << "fadeOutTime" << int(Qt::Key_Enter) << true << "Convert";
        QTest::newRow("Enter on the check box") << "CheckBox1" << int(Qt::Key_Return) << true << "Convert";
        QTest::newRow("Enter on Play") << "Button3" << int(Qt::Key_Return) << true << "Button3";
        QTest::newRow("Enter on the donate button") << "BitBtn1" << int(Qt::Key_Return) << true << "BitBtn1";
        QTest::newRow("Enter on Convert") << "Convert" << int(Qt::Key_Return) << true << "Convert";
        QTest::newRow("Enter in the log") << "Memo1" << int(Qt::Key_Return) << true << "";
        QTest::newRow("Enter while Convert is disabled") << "Edit2" << int(Qt::Key_Return) << false << "";
        QTest::newRow("Escape in a field") << "Edit1" << int(Qt::Key_Escape) << true << "";
        QTest::newRow("Escape on a button") << "Button1" << int(Qt::Key_Escape) << true << "";
    }

    void enterKey()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, convertEnabled);
        QFETCH(QString, clicked);

        fx->control<QLineEdit>("startTime")->setText(QStringLiteral("never"));
        fx->control("Convert")->setEnabled(convertEnabled);
        QMap<QString, int> clicks;
        for (auto* button : fx->form().findChildren<QPushButton*>()) {
            connect(button, &QPushButton::clicked, this, [&clicks, button] { ++clicks[button->objectName()]; });
        }
        QWidget* target = fx->control(focus.toLatin1());
        target->setFocus();
        QCOMPARE(QApplication::focusWidget(), target);
        QTest::keyClick(target, Qt::Key(key));

        QMap<QString, int> expected;
        if (!clicked.isEmpty())
            expected[clicked] = 1;
        QCOMPARE(clicks, expected);
        QVERIFY(fx->form().isVisible());
    }

    void chooseInputFile()
    {
        fx->services.dialogAnswers = {QStringLiteral("/music/a song.mp3"), std::nullopt,
                                      QStringLiteral("/music/missing.mp3")};
        // Shown with the system's own separators (on Windows, Qt's dialogs answer with "/").
        const QString chosen = QDir::toNativeSeparators(QStringLiteral("/music/a song.mp3"));
        auto* edit1 = fx->control<QLineEdit>("Edit1");
        QTest::mouseClick(fx->control("Button1"), Qt::LeftButton);
        QCOMPARE(edit1->text(), chosen);
        QTest::mouseClick(fx->control("Button1"), Qt::LeftButton); // cancelled
        QCOMPARE(edit1->text(), chosen);
        edit1->setText(QStringLiteral("typed by hand"));
        QTest::mouseClick(fx->control("Button1"), Qt::LeftButton);
        QCOMPARE(edit1->text(), QDir::toNativeSeparators(QStringLiteral("/music/missing.mp3")));
        // Each showing offers the last confirmed choice; typed text never reaches the dialog.
        QCOMPARE(fx->services.offeredNames, QStringList({QString(), chosen, chosen}));
        QCOMPARE(fx->services.openedUrls, QList<QUrl>());
        // Each chosen file is announced in the log, the cancelled choice not.
        QCOMPARE(fx->log(), QStringList({"a song.mp3 cannot be read: there is no such file.",
                                         "missing.mp3 cannot be read: there is no such file."}));
    }

    // Whichever way a file reaches the input field, the log says once what it holds; the
    // "..." dialog and a drop are shown above.
    void inputFileIsAnnounced_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("typed"); // the text typed into the field, for the typed routes
        QTest::addColumn<QStringList>("log");
        QTest::newRow("command line or Open With")
            << "start"
            << "" << QStringList{"tone.mp3 is not an MP3 file. It is a FLAC file."};
        QTest::newRow("typed, then the field left")
            << "typed"
            << "tone.mp3" << QStringList{"tone.mp3 is not an MP3 file. It is a FLAC file."};
        QTest::newRow("typed, left, entered and left again unchanged")
            << "typed twice"
            << "tone.mp3" << QStringList{"tone.mp3 is not an MP3 file. It is a FLAC file."};
        QTest::newRow("typed a missing file")
            << "typed"
            << "nothing here.mp3" << QStringList{"nothing here.mp3 cannot be read: there is no such file."};
        QTest::newRow("typed into an empty field") << "typed"
                                                   << "" << QStringList();
        QTest::newRow("passed through without typing") << "passed"
                                                       << "" << QStringList();
    }

    void inputFileIsAnnounced()
    {
        QFETCH(QString, route);
        QFETCH(QString, typed);
        QFETCH(QStringList, log);
        QTemporaryDir scratch;
        const QString tone = QDir::toNativeSeparators(scratch.filePath(QStringLiteral("tone.mp3")));
        QVERIFY(ScratchFiles::write(tone, ScratchFiles::flacStart()));
        auto* edit1 = fx->control<QLineEdit>("Edit1");
        edit1->setText(tone); // as set, not typed: no line
        if (route == QLatin1String("start"))
            fx->form().takeInputFile(tone); // as main() does with the command line
        for (int pass = 0; pass < (route == QLatin1String("typed twice") ? 2 : 1); ++pass) {
            edit1->setFocus();
            if (route.startsWith(QLatin1String("typed")) && pass == 0) {
                edit1->clear();
                QTest::keyClicks(edit1, typed.isEmpty() ? QString() : QFileInfo(tone).path() + u'/' + typed);
                if (typed.isEmpty())
                    QTest::keyClick(edit1, Qt::Key_Backspace);
            }
            QTest::keyClick(edit1, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), fx->control("Button1"));
        }
        QCOMPARE(fx->log(), log);
        QVERIFY(fx->services.messages.isEmpty());
    }

    // Play's context menu, opened by the mouse or the keyboard: the whole file, as a click
    // plays it, or the section.
    void playMenu_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("right click") << "right click";
        QTest::newRow("menu key") << "menu key";
        QTest::newRow("Shift+F10") << "Shift+F10";
    }

    void playMenu()
    {
        QFETCH(QString, way);
        auto* play = fx->control<QPushButton>("Button3");
        QVERIFY(play->toolTip().contains(QStringLiteral("Shift+F10")));
        auto* menu = fx->control<QMenu>("playMenu");
        QVERIFY(!menu->isVisible());
        play->setFocus();
        if (way == QLatin1String("right click")) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, play->rect().center(),
                                    play->mapToGlobal(play->rect().center()));
            QCoreApplication::sendEvent(play, &event);
        } else if (way == QLatin1String("menu key")) {
            QTest::keyClick(play, Qt::Key_Menu);
        } else {
            QTest::keyClick(play, Qt::Key_F10, Qt::ShiftModifier);
        }
        QTRY_VERIFY(menu->isVisible());
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            texts << action->text();
            QVERIFY(action->isEnabled());
        }
        QCOMPARE(texts, QStringList({"Play the whole file", "Play the section"}));

        // The whole file, as a click on Play opens it.
        const QString absolute = QDir::toNativeSeparators(QDir::rootPath() + QStringLiteral("music/a song.mp3"));
        fx->control<QLineEdit>("Edit1")->setText(absolute);
        menu->actions().first()->trigger();
        menu->close();
        QCOMPARE(fx->services.openedUrls, QList<QUrl>{QUrl::fromLocalFile(QDir::fromNativeSeparators(absolute))});
    }

    void chooseOutputFile_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("shown");
#ifdef Q_OS_WIN
        QTest::newRow("spaces in the name only") << "C:\\My Tones\\my tone.m4r"
                                                 << "C:\\My Tones\\my_tone.m4r";
        QTest::newRow("several spaces") << "C:\\ a  b .m4r"
                                        << "C:\\_a__b_.m4r";
        // Qt's dialogs answer with "/", and Win32 takes it as a delimiter: shown native.
        QTest::newRow("slashes from the dialog") << "C:/My Tones/my tone.m4r"
                                                 << "C:\\My Tones\\my_tone.m4r";
        QTest::newRow("slash is a delimiter") << "C:\\a b/c d.m4r"
                                              << "C:\\a b\\c_d.m4r";
        QTest::newRow("drive delimiter") << "C:my tone.m4r"
                                         << "C:my_tone.m4r";
#else
        QTest::newRow("spaces in the name only") << "/home/u/My Tones/my tone.m4r"
                                                 << "/home/u/My Tones/my_tone.m4r";
        QTest::newRow("no spaces") << "/home/u/Tones/ring.m4r"
                                   << "/home/u/Tones/ring.m4r";
        QTest::newRow("several spaces") << "/t/ a  b .m4r"
                                        << "/t/_a__b_.m4r";
        QTest::newRow("backslash is a name character") << "/t/a b\\c d.m4r"
                                                       << "/t/a_b\\c_d.m4r";
#endif
    }

    void chooseOutputFile()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, shown);
        fx->services.dialogAnswers = {chosen, std::nullopt};
        auto* edit2 = fx->control<QLineEdit>("Edit2");
        QTest::mouseClick(fx->control("Button2"), Qt::LeftButton);
        QCOMPARE(edit2->text(), shown);
        QTest::mouseClick(fx->control("Button2"), Qt::LeftButton); // cancelled: unchanged
        QCOMPARE(edit2->text(), shown);
        // The dialog remembers the path as it returned it, spaces and all.
        QCOMPARE(fx->services.offeredNames.last(), chosen);
    }

    // A drag as Qt's own drag handling delivers it: enter, then a move that starts out
    // accepted with the action the enter chose, then the drop, all at one point of the
    // window and routed by Qt to the control under it or the nearest one taking drops.
    bool dragAndDrop(QMimeData* data, const char* target)
    {
#ifdef Q_OS_WIN
        // The program runs elevated, where Explorer's drags arrive as WM_DROPFILES: one
        // message to the window, carrying files only.
        Q_UNUSED(target);
        if (!data->hasUrls())
            return false;
        std::wstring list;
        for (const QUrl& url : data->urls())
            list +=
                QDir::toNativeSeparators(url.isLocalFile() ? url.toLocalFile() : url.toString()).toStdWString() + L'\0';
        list += L'\0';
        const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
        auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
        files->pFiles = sizeof(DROPFILES);
        files->fWide = TRUE;
        std::copy(list.begin(), list.end(), reinterpret_cast<wchar_t*>(files + 1));
        GlobalUnlock(memory);
        const QString before = fx->control<QLineEdit>("Edit1")->text();
        SendMessageW(reinterpret_cast<HWND>(fx->form().winId()), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
        return fx->control<QLineEdit>("Edit1")->text() != before;
#else
        QWidget* widget = fx->control(target);
        const QPoint at = widget->mapTo(&fx->form(), widget->rect().center());
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
        QWindow* window = fx->form().windowHandle();
        QDragEnterEvent enter(at, offered, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &enter);
        QDragMoveEvent move(at, offered, data, Qt::LeftButton, Qt::NoModifier);
        if (enter.isAccepted() && enter.dropAction() != Qt::IgnoreAction) {
            move.setDropAction(enter.dropAction());
            move.accept();
        } else {
            move.ignore();
        }
        QCoreApplication::sendEvent(window, &move);
        if (!move.isAccepted()) {
            QDragLeaveEvent leave;
            QCoreApplication::sendEvent(window, &leave);
            return false;
        }
        QDropEvent drop(at, offered, data, Qt::LeftButton, Qt::NoModifier);
        drop.setDropAction(move.dropAction());
        QCoreApplication::sendEvent(window, &drop);
        return drop.isAccepted();
#endif
    }

    void dropFiles_data()
    {
        QTest::addColumn<QStringList>("files"); // under a scratch folder; "dir/" is a folder
        QTest::addColumn<QString>("text");      // dropped as plain text, too
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("taken");
        QTest::newRow("one MP3 on the input field") << QStringList{"a song.mp3"} << ""
                                                    << "Edit1" << true;
        QTest::newRow("one MP3 on the output field") << QStringList{"a song.mp3"} << ""
                                                     << "Edit2" << true;
        QTest::newRow("one MP3 on the log") << QStringList{"a song.mp3"} << ""
                                            << "Memo1" << true;
        QTest::newRow("one MP3 on a time field") << QStringList{"a song.mp3"} << ""
                                                 << "startTime" << true;
        QTest::newRow("one MP3 on the Convert button") << QStringList{"a song.mp3"} << ""
                                                       << "Convert" << true;
        QTest::newRow("non-ASCII name") << QStringList{"Töne 木.mp3"} << ""
                                        << "Edit1" << true;
        QTest::newRow("upper-case extension") << QStringList{"LOUD.MP3"} << ""
                                              << "Edit1" << true;
        QTest::newRow("one file of another kind") << QStringList{"notes.txt"} << ""
                                                  << "Edit1" << false;
        QTest::newRow("MP3 only in the folder name") << QStringList{"x.mp3/notes"} << ""
                                                     << "Edit1" << false;
        QTest::newRow("a folder named like an MP3") << QStringList{"songs.mp3/"} << ""
                                                    << "Edit1" << false;
        QTest::newRow("two files") << QStringList{"a.mp3", "b.mp3"} << ""
                                   << "Edit1" << false;
        QTest::newRow("a folder") << QStringList{"dir/"} << ""
                                  << "Edit1" << false;
        QTest::newRow("a file that is gone") << QStringList{"gone.mp3"} << ""
                                             << "Edit1" << false;
        QTest::newRow("text") << QStringList{} << "/tmp/x.mp3"
                              << "Edit2" << false;
        QTest::newRow("text on a time field") << QStringList{} << "1:00"
                                              << "startTime" << false;
        QTest::newRow("web address") << QStringList{"http://example.org/a.mp3"} << ""
                                     << "Edit1" << false;
    }

    void dropFiles()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, text);
        QFETCH(QString, target);
        QFETCH(bool, taken);
        // Qt's own drop target stays off where Explorer's drops come as WM_DROPFILES.
        QCOMPARE(fx->form().acceptDrops(), QGuiApplication::platformName() != QLatin1String("windows"));
        QTemporaryDir scratch;
        QList<QUrl> urls;
        for (const QString& name : files) {
            if (name.contains(QLatin1String("://"))) {
                urls << QUrl(name);
                continue;
            }
            const QString path = scratch.filePath(name);
            if (name.endsWith(QLatin1Char('/')))
                QVERIFY(QDir().mkpath(path));
            else if (name != QLatin1String("gone.mp3"))
                QVERIFY(QDir().mkpath(QFileInfo(path).path()) && QFile(path).open(QIODevice::WriteOnly));
            urls << QUrl::fromLocalFile(path);
        }
        QMimeData data;
        if (!urls.isEmpty())
            data.setUrls(urls);
        if (!text.isEmpty())
            data.setText(text);

        const QStringList fields{"Edit1", "Edit2", "startTime", "endTime", "fadeInTime", "fadeOutTime"};
        QStringList before;
        for (const QString& field : fields)
            before << fx->control<QLineEdit>(qPrintable(field))->text();

        QCOMPARE(dragAndDrop(&data, qPrintable(target)), taken);

        QStringList expected = before;
        if (taken)
            expected[0] = QDir::toNativeSeparators(urls.front().toLocalFile());
        QStringList after;
        for (const QString& field : fields)
            after << fx->control<QLineEdit>(qPrintable(field))->text();
        QCOMPARE(after, expected);
        // A dropped file is announced: these are empty.
        const QString name = taken ? QFileInfo(expected[0]).fileName() : QString();
        QCOMPARE(fx->log(), taken ? QStringList{name + " is not an MP3 file. It is empty."} : QStringList());
        // The next "..." starts from the dropped file, as after choosing it there.
        fx->services.dialogAnswers = {std::nullopt};
        QTest::mouseClick(fx->control("Button1"), Qt::LeftButton);
        QCOMPARE(fx->services.offeredNames.last(), taken ? expected[0] : QString());
    }

    void playOpensTheInputFile()
    {
        auto* edit1 = fx->control<QLineEdit>("Edit1");
        const QString absolute = QDir::toNativeSeparators(QDir::rootPath() + QStringLiteral("music/a song.mp3"));
        edit1->setText(absolute);
        QTest::mouseClick(fx->control("Button3"), Qt::LeftButton);
        edit1->setText(QStringLiteral("relative.mp3"));
        QTest::mouseClick(fx->control("Button3"), Qt::LeftButton);
        edit1->clear();
        QTest::mouseClick(fx->control("Button3"), Qt::LeftButton);
        QCOMPARE(fx->services.openedUrls,
                 QList<QUrl>({QUrl::fromLocalFile(QDir::fromNativeSeparators(absolute)),
                              QUrl::fromLocalFile(QDir::current().absoluteFilePath(QStringLiteral("relative.mp3"))),
                              QUrl()}));
    }

    void donationControlsWithoutAddressDoNothing()
    {
        QTest::mouseClick(fx->control("Label1"), Qt::LeftButton);
        QTest::mouseClick(fx->control("BitBtn1"), Qt::LeftButton);
        QVERIFY(fx->services.openedUrls.isEmpty());
    }

    void donationControlsOpenTheAddress()
    {
        fx.reset();
        const QUrl page(QStringLiteral("https://donate.example.org/tovalin?id=42"));
        makeWindow(page);
        QTest::mouseClick(fx->control("Label1"), Qt::LeftButton);
        QTest::mouseClick(fx->control("BitBtn1"), Qt::LeftButton);
        whenAboutShown([](TabtFrm* shown) {
            QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("Button2")), Qt::LeftButton);
            QVERIFY(shown->isVisible()); // Donate! leaves the window open
        });
        QTest::mouseClick(fx->control("Image1"), Qt::LeftButton);
        QCOMPARE(fx->services.openedUrls, QList<QUrl>({page, page, page}));
    }

    void invalidTimeReachesTheErrorReport_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("message");
        QTest::newRow("bad start") << "abc"
                                   << "xyz"
                                   << "'abc' is not a valid time.";
        QTest::newRow("bad end") << "0:20"
                                 << "0:60"
                                 << "'0:60' is not a valid time.";
        QTest::newRow("empty start") << ""
                                     << "0:50"
                                     << "'' is not a valid time.";
    }

    void invalidTimeReachesTheErrorReport()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, message);
        fx->control<QLineEdit>("startTime")->setText(start);
        fx->control<QLineEdit>("endTime")->setText(end);
        fx->control<QPlainTextEdit>("Memo1")->setPlainText(QStringLiteral("earlier log"));
        QTest::mouseClick(fx->control("Convert"), Qt::LeftButton);

        QCOMPARE(fx->services.messages.size(), 1);
        QCOMPARE(fx->services.messages[0].caption, QStringLiteral("Tovalin"));
        QCOMPARE(fx->services.messages[0].text, message);
        QCOMPARE(fx->services.messages[0].button, QStringLiteral("OK"));
        // The handler simply ended: nothing in the window changed and the program goes on.
        QVERIFY(fx->control("Convert")->isEnabled());
        QCOMPARE(fx->control<QPlainTextEdit>("Memo1")->toPlainText(), QStringLiteral("earlier log"));
        QVERIFY(fx->form().isVisible());
    }

    void refusedRequestsShowAnErrorDialog_data()
    {
        QTest::addColumn<QString>("input");     // relative: a FLAC file of that name, made by the test
        QTest::addColumn<QString>("output");    // under a scratch folder when relative
        QTest::addColumn<QStringList>("times"); // start, end, fade-in, fade-out
        QTest::addColumn<QString>("message");
        const QStringList initial{"0:20", "0:50", "5", "5"};
        QTest::newRow("41 seconds") << "/a.mp3"
                                    << "b.m4r" << QStringList{"0:20", "1:01", "5", "5"}
                                    << "Selected playback duration is too long. Maximum duration is 40 seconds.";
        QTest::newRow("end before start")
            << "/a.mp3"
            << "b.m4r" << QStringList{"0:50", "0:20", "5", "5"} << "The end time must be later than the start time.";
        QTest::newRow("end at start") << "/a.mp3"
                                      << "b.m4r" << QStringList{"0:20", " 0 : 20 ", "0", "0"}
                                      << "The end time must be later than the start time.";
        QTest::newRow("fade-in with a unit")
            << "/a.mp3"
            << "b.m4r" << QStringList{"0:20", "0:50", "5 s", "5"} << "'5 s' is not a valid fade length.";
        QTest::newRow("fade-out as m:ss")
            << "/a.mp3"
            << "b.m4r" << QStringList{"0:20", "0:50", "5", "0:05"} << "'0:05' is not a valid fade length.";
        QTest::newRow("fades longer than the section")
            << "/a.mp3"
            << "b.m4r" << QStringList{"0:20", "0:28", "5", "5"}
            << "Fade in and fade out (10 seconds together) are longer than the section (8 seconds).";
        // Shown as the field shows it: with backslashes on Windows.
        QTest::newRow("double quote") << "/a\".mp3"
                                      << "b.m4r" << initial
                                      << "The text '" + QDir::toNativeSeparators("/a\".mp3")
                                             + "' contains a double quote (\"), which cannot be passed to the "
                                               "conversion tools.";
        QTest::newRow("output is input") << "/music/a.mp3"
                                         << "/music/../music/a.mp3" << initial
                                         << "The output file must not be the input file.";
        QTest::newRow("FLAC inside") << "flac inside.mp3"
                                     << "b.m4r" << initial << "'flac inside.mp3' is not an MP3 file.";
    }

    // A refusal changes nothing in the window: the log of the last run stays, Convert stays
    // enabled, and no tool runs, so no file appears.
    void refusedRequestsShowAnErrorDialog()
    {
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(QStringList, times);
        QFETCH(QString, message);
        QTemporaryDir scratch;
        QTemporaryDir inputs;
        if (!input.startsWith('/')) {
            input = QDir::toNativeSeparators(inputs.filePath(input));
            QVERIFY(ScratchFiles::write(input, ScratchFiles::flacStart()));
        }
        const char* fields[] = {"startTime", "endTime", "fadeInTime", "fadeOutTime"};
        for (int i = 0; i < 4; ++i)
            fx->control<QLineEdit>(fields[i])->setText(times[i]);
        fx->control<QLineEdit>("Edit1")->setText(input);
        fx->control<QLineEdit>("Edit2")->setText(output.startsWith('/') ? output : scratch.filePath(output));
        auto* log = fx->control<QPlainTextEdit>("Memo1");
        log->setPlainText(QStringLiteral("Done."));
        QTest::keyClick(fx->control("Edit1"), Qt::Key_Return);

        QCOMPARE(fx->services.messages.size(), 1);
        QCOMPARE(fx->services.messages[0].caption, QStringLiteral("Error"));
        QCOMPARE(fx->services.messages[0].text, message);
        QCOMPARE(fx->services.messages[0].button, QStringLiteral("OK"));
        QVERIFY(fx->control("Convert")->isEnabled());
        QCOMPARE(log->toPlainText(), QStringLiteral("Done."));
        QCOMPARE(QDir(scratch.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }
};

TOVALIN_TEST_MAIN(MainWindowTest)
#include "tst_MainWindow.moc"
