// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "TForm1.h"
#include "ui_TForm1.h"

#include "ClickLabel.h"
#include "ConversionError.h"
#include "ConversionRun.h"
#include "ErrorReport.h"
#include "InputAudio.h"
#include "LayoutProperties.h"
#include "PathPieces.h"
#include "PlatformServices.h"
#include "PreviewFolder.h"
#include "RequestCheck.h"
#include "SystemMessageWatch.h"
#include "TabtFrm.h"
#include "TerminationFlag.h"
#include "TimeReader.h"
#include "ToolPathCheck.h"
#include "ToolSet.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScreen>

#include <algorithm>

namespace {

const QString StatusNotice =
    QStringLiteral("Tovalin 2.2 \u2014 free ringtone maker. Your music stays on your computer.");

// The window has no maximise button and cannot be resized.
constexpr Qt::WindowFlags MainWindowFlags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

} // namespace

TForm1::TForm1(PlatformServices& services, TerminationFlag& termination, ErrorReport& errors, QUrl donationPage,
               QWidget* parent)
    : QWidget(parent, MainWindowFlags)
    , ui(std::make_unique<Ui::TForm1>())
    , services_(services)
    , termination_(termination)
    , errors_(errors)
    , donationPage_(std::move(donationPage))
    , open(FileDialog::Mode::Open, QStringLiteral("MP3 Audio Files (*.mp3)"), QStringLiteral("*.mp3"), QString(), false)
    , save(FileDialog::Mode::Save, QStringLiteral("Apple Ringtone"), QStringLiteral("*.m4r"), QStringLiteral("m4r"),
           true)
{
    ui->setupUi(this);
    LayoutProperties::apply(this);
    ui->StatusBar1->showMessage(StatusNotice);

    errors.route(ui->Convert, &QPushButton::clicked, this, &TForm1::ConvertClick);
    errors.route(ui->Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    errors.route(ui->Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    errors.route(ui->Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    errors.route(ui->Image1, &ClickLabel::clicked, this, &TForm1::Image1Click);
    errors.route(ui->Image2, &ClickLabel::clicked, this, &TForm1::Image2Click);
    errors.route(ui->Label1, &ClickLabel::clicked, this, &TForm1::Label1Click);
    errors.route(ui->BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);

    // Win32 takes "/" too, and users paste such paths; the tools' path rules do not.
    for (QLineEdit* field : {ui->Edit1, ui->Edit2})
        connect(field, &QLineEdit::textChanged, this, [field] { keepNative(field); });

    systemMessages_ = std::make_unique<SystemMessageWatch>(
        this, SystemMessageWatch::Handlers{[this](const QStringList& paths) {
                                               QList<QUrl> urls;
                                               for (const QString& path : paths)
                                                   urls << QUrl::fromLocalFile(path);
                                               const QString file = droppableFile(urls);
                                               if (!file.isEmpty())
                                                   takeInputFile(file);
                                           },
                                           // Windows may end the program as soon as the message returns: stop the
                                           // running tool and remove what the run made now.
                                           [this] { termination_.set(); }});

    // Play's menu: the whole file, as a click plays it, or just the section as it will sound.
    playMenu_ = new QMenu(this);
    playMenu_->setObjectName(QStringLiteral("playMenu"));
    QAction* whole = playMenu_->addAction(QStringLiteral("Play the whole file"));
    whole->setObjectName(QStringLiteral("playWholeFile"));
    QAction* section = playMenu_->addAction(QStringLiteral("Play the section"));
    section->setObjectName(QStringLiteral("playSection"));
    errors.route(whole, &QAction::triggered, this, &TForm1::Button3Click);
    errors.route(section, &QAction::triggered, this, &TForm1::PlaySectionClick);
    ui->Button3->setContextMenuPolicy(Qt::CustomContextMenu);
    errors.route(ui->Button3, &QWidget::customContextMenuRequested, this, &TForm1::Button3ContextPopup);
    ui->Edit1->installEventFilter(this);
    // What a player held when the program last ended.
    PreviewFolder::clear();

    ui->Edit1->setFocus();
    timeLocale_ = TimeLocale::system();
}

TForm1::~TForm1()
{
    // What the player still holds stays until the next start.
    PreviewFolder::clear();
}

void TForm1::showCentred()
{
    centreOnDesktop();
    show();
    // Where the system draws the frames, the frame is known once the window is shown.
    if (frameGeometry().size() != centredFrame_)
        centreOnDesktop();
}

void TForm1::centreOnDesktop()
{
    QRect desktop;
    for (const QScreen* screen : QGuiApplication::screens())
        desktop = desktop.united(screen->geometry());
    // Screens of different scale factors can leave gaps between them; a window centred in
    // a gap would be on no screen at all.
    const auto screens = QGuiApplication::screens();
    const bool centreOnAScreen = std::any_of(screens.cbegin(), screens.cend(), [&desktop](const QScreen* screen) {
        return screen->geometry().contains(desktop.center());
    });
    if (!centreOnAScreen && QGuiApplication::primaryScreen())
        desktop = QGuiApplication::primaryScreen()->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveCenter(desktop.center());
    move(frame.topLeft());
    centredFrame_ = frame.size();
}

void TForm1::moveEvent(QMoveEvent* event)
{
    // A window manager frames the window a little later and moves it into the frame: the
    // first time the frame differs from the one it was centred with, it is centred again.
    if (!framed_ && frameGeometry().size() != centredFrame_) {
        framed_ = true;
        centreOnDesktop();
    }
    QWidget::moveEvent(event);
}

ConversionRequest TForm1::typedRequest() const
{
    return {ui->Edit1->text(),   ui->Edit2->text(),      ui->startTime->text(),
            ui->endTime->text(), ui->fadeInTime->text(), ui->fadeOutTime->text()};
}

std::optional<CheckedRequest> TForm1::checkedOrShown(const std::function<CheckedRequest()>& check)
{
    // An invalid time is not caught here: the application's error report shows it.
    try {
        return check();
    } catch (const RequestRefusal& refusal) {
        services_.showError(nullptr, QStringLiteral("Error"), refusal.message());
        return std::nullopt;
    }
}

void TForm1::ConvertClick()
{
    const std::optional<CheckedRequest> checked =
        checkedOrShown([this] { return RequestCheck::check(typedRequest(), TimeReader(timeLocale_)); });
    if (!checked)
        return;
    ConversionRun run(*this, termination_, winId());
    converting_ = true;
    run.execute(*checked, ToolSet::forRunningProgram());
    converting_ = false;
}

void TForm1::Button3ContextPopup()
{
    playMenu_->findChild<QAction*>(QStringLiteral("playSection"))->setEnabled(!converting_);
    // At the pointer for a right click, below the button for the keyboard.
    const QPoint at =
        ui->Button3->underMouse() ? QCursor::pos() : ui->Button3->mapToGlobal(QPoint(0, ui->Button3->height()));
    playMenu_->popup(at);
}

void TForm1::PlaySectionClick()
{
    if (converting_ || !ui->Convert->isEnabled())
        return;
    // The checks of Convert but those of the output field, which may still be empty.
    const std::optional<CheckedRequest> checked = checkedOrShown([this] {
        const CheckedRequest section = RequestCheck::checkSection(typedRequest(), TimeReader(timeLocale_));
        // The fader reads and writes the preview's files there, through the ANSI code page
        // on Windows before 10 1903, as it does beside an output.
        if (!ToolPathCheck::readableByFader(PreviewFolder::path()))
            throw RequestRefusal::unreadableByTools(PreviewFolder::path());
        return section;
    });
    if (!checked)
        return;
    const QString folder = PreviewFolder::renew();
    if (folder.isEmpty()) {
        clearLog();
        appendLog(QStringLiteral("Error: the folder %1 could not be made.").arg(PreviewFolder::path()));
        appendLog(QStringLiteral("Playing the section failed."));
        return;
    }
    ConversionRun run(*this, termination_, winId());
    ui->Button3->setEnabled(false);
    const ConversionRun::Result result = run.preview(*checked, ToolSet::forRunningProgram(), folder);
    ui->Button3->setEnabled(true);
    if (result == ConversionRun::Result::Done)
        services_.openUrl(QUrl::fromLocalFile(run.previewFile()));
}

void TForm1::clearLog()
{
    ui->Memo1->clear();
}

void TForm1::appendLog(const QString& line)
{
    ui->Memo1->appendPlainText(line);
}

void TForm1::setConvertEnabled(bool enabled)
{
    ui->Convert->setEnabled(enabled);
}

bool TForm1::revealWanted() const
{
    return ui->CheckBox1->isChecked();
}

void TForm1::reveal(const QString& outputPath)
{
    services_.revealFile(outputPath);
}

void TForm1::Button1Click()
{
    if (services_.execute(this, open))
        takeInputFile(open.fileName());
}

void TForm1::takeInputFile(const QString& path)
{
    // The next "..." then starts from this file, as after choosing it there; both as the
    // field shows it.
    const QString native = PathPieces().native(path);
    open.setFileName(native);
    ui->Edit1->setText(native);
    announceInput(native);
}

void TForm1::Edit1Exit()
{
    // Only a typed change is new: a file put there otherwise was announced already.
    if (!ui->Edit1->isModified())
        return;
    ui->Edit1->setModified(false);
    announceInput(ui->Edit1->text());
}

void TForm1::announceInput(const QString& path)
{
    // A hint only: whatever the file holds, nothing else in the window changes.
    if (path.isEmpty())
        return;
    // Named as the system names it: "/" and, on Windows, "\" end folders.
    appendLog(InputAudio::read(path).logLine(QFileInfo(path).fileName()));
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->Edit1 && event->type() == QEvent::FocusOut)
        errors_.call([this] { Edit1Exit(); });
    return QWidget::eventFilter(watched, event);
}

QString TForm1::droppableFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    return droppableFile(data->urls());
}

QString TForm1::droppableFile(const QList<QUrl>& urls)
{
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    // What the open dialog's filter lets through: MP3 files.
    const QFileInfo file(urls.front().toLocalFile());
    const bool mp3 = file.fileName().endsWith(QStringLiteral(".mp3"), Qt::CaseInsensitive);
    return mp3 && file.isFile() ? file.absoluteFilePath() : QString();
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    if (droppableFile(event->mimeData()).isEmpty())
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TForm1::dropEvent(QDropEvent* event)
{
    const QString file = droppableFile(event->mimeData());
    if (file.isEmpty())
        return;
    takeInputFile(file);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TForm1::keepNative(QLineEdit* field)
{
    const QString native = PathPieces().native(field->text());
    if (native == field->text())
        return;
    // As typed: where the cursor was, and still a change of the user's.
    const int cursor = field->cursorPosition();
    const bool typed = field->isModified();
    field->setText(native);
    field->setCursorPosition(cursor);
    field->setModified(typed);
}

void TForm1::Button2Click()
{
    if (!services_.execute(this, save))
        return;
    const PathPieces paths;
    const QString chosen = paths.native(save.fileName());
    // Spaces become underscores in the file name only; the folder keeps its spaces.
    QString name = paths.fileNamePart(chosen);
    name.replace(QLatin1Char(' '), QLatin1Char('_'));
    ui->Edit2->setText(paths.folderPart(chosen) + name);
}

void TForm1::Button3Click()
{
    // A relative path means the same file the tools would read: one under the current folder.
    const QString input = ui->Edit1->text();
    services_.openUrl(input.isEmpty() ? QUrl() : QUrl::fromLocalFile(QFileInfo(input).absoluteFilePath()));
}

void TForm1::Image1Click()
{
    showAbout();
}

void TForm1::Image2Click()
{
    showAbout();
}

void TForm1::Label1Click()
{
    openDonationPage();
}

void TForm1::BitBtn1Click()
{
    openDonationPage();
}

void TForm1::showAbout()
{
    if (about_)
        about_->showModal();
}

void TForm1::openDonationPage()
{
    if (!donationPage_.isEmpty())
        services_.openUrl(donationPage_);
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    // The keyboard's ways to a context menu, where the platform does not turn them into one.
    const bool menuKey =
        event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuKey && focusWidget() == ui->Button3 && ui->Button3->isEnabled()) {
        errors_.call([this] { Button3ContextPopup(); });
        event->accept();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (!enter || modifiers != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Enter works like a dialog's default button: a focused button clicks itself,
    // a field or the check box clicks Convert; the log ignores it.
    QWidget* focus = focusWidget();
    if (auto* button = qobject_cast<QPushButton*>(focus)) {
        button->click();
    } else if (focus != ui->Memo1 && ui->Convert->isEnabled()) {
        ui->Convert->click();
    }
    event->accept();
}

void TForm1::changeEvent(QEvent* event)
{
    // The user changed the regional settings while the program runs.
    if (event->type() == QEvent::LocaleChange)
        timeLocale_ = TimeLocale::system();
    QWidget::changeEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // The program ends with its main window; a running conversion sees the quit request
    // and cleans up before the event loop ends.
    QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::Quit));
    event->accept();
}
