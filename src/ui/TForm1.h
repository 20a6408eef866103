// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include "ConversionRequest.h"
#include "ConversionView.h"
#include "FileDialog.h"
#include "TimeLocale.h"

#include <QSize>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class TForm1;
}
struct ConversionRequest;
class ErrorReport;
class PlatformServices;
class QLineEdit;
class QMenu;
class QMimeData;
class SystemMessageWatch;
class TabtFrm;
class TerminationFlag;

// The main window: the three steps of a conversion, the Convert button, the log and
// the donation appeal.
class TForm1 : public QWidget, private ConversionView {
    Q_OBJECT
public:
    // Errors escaping a handler go to errors; a conversion watches termination.
    TForm1(PlatformServices& services, TerminationFlag& termination, ErrorReport& errors, QUrl donationPage,
           QWidget* parent = nullptr);
    ~TForm1() override;

    void setAboutWindow(TabtFrm* about) { about_ = about; }

    // Puts a chosen file's full path into the input field, as the "..." button does, and
    // says in the log what the file holds.
    void takeInputFile(const QString& path);
    // The one local MP3 file a drag carries, or an empty text when it carries anything else.
    static QString droppableFile(const QMimeData* data);
    static QString droppableFile(const QList<QUrl>& urls);

    // Shows the window with its frame centred on the whole desktop (all screens).
    void showCentred();

public slots:
    void ConvertClick();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button3ContextPopup();
    void PlaySectionClick();
    void Edit1Exit();
    void Image1Click();
    void Image2Click();
    void Label1Click();
    void BitBtn1Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // What a conversion run reads and writes in this window.
    void clearLog() override;
    void appendLog(const QString& line) override;
    void setConvertEnabled(bool enabled) override;
    bool revealWanted() const override;
    void reveal(const QString& outputPath) override;

    void centreOnDesktop();
    // Shows the path in the field with the platform's own separators, as the tools read it.
    static void keepNative(QLineEdit* field);
    void showAbout();
    void openDonationPage();
    ConversionRequest typedRequest() const;
    // The request the check lets through, or nothing once its refusal has been shown.
    std::optional<CheckedRequest> checkedOrShown(const std::function<CheckedRequest()>& check);
    // One log line about the input file: its length and format, or why it is no MP3.
    void announceInput(const QString& path);

    std::unique_ptr<Ui::TForm1> ui;
    PlatformServices& services_;
    TerminationFlag& termination_;
    ErrorReport& errors_;
    QUrl donationPage_;
    TabtFrm* about_ = nullptr;
    TimeLocale timeLocale_;
    std::unique_ptr<SystemMessageWatch> systemMessages_;
    // The frame size the window was last centred with, and whether a window manager's frame
    // has been centred since.
    QSize centredFrame_;
    bool framed_ = false;
    // Play's context menu, and whether a conversion runs (a preview must wait for it).
    QMenu* playMenu_ = nullptr;
    bool converting_ = false;

    FileDialog open;
    FileDialog save;
};
