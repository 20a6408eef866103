// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "DesktopServices.h"
#include "FileDialog.h"
#include "TestMain.h"

#include <QComboBox>
#include <QFileDialog>
#include <QTemporaryDir>

// The real file dialogs the main window's "..." buttons show: filters, default suffix,
// overwrite prompt, and the last confirmed choice offered again.
class DesktopServicesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    DesktopServices services;
    FileDialog open{FileDialog::Mode::Open, QStringLiteral("MP3 Audio Files (*.mp3)"), QStringLiteral("*.mp3"),
                    QString(), false};
    FileDialog save{FileDialog::Mode::Save, QStringLiteral("Apple Ringtone"), QStringLiteral("*.m4r"),
                    QStringLiteral("m4r"), true};

    struct Seen {
        QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
        QFileDialog::FileMode fileMode = QFileDialog::ExistingFile;
        QString shownFilter;
        QString defaultSuffix;
        bool confirmsOverwrite = false;
        QStringList offered;
    };

    // Shows the dialog, records what it offers, then types name and confirms, or cancels
    // when name is empty.
    Seen showAndAnswer(FileDialog& settings, const QString& name, bool* confirmed)
    {
        Seen seen;
        QTimer::singleShot(0, this, [&] {
            QFileDialog* dialog = nullptr;
            QTRY_VERIFY((dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())));
            seen.mode = dialog->acceptMode();
            seen.fileMode = dialog->fileMode();
            seen.shownFilter = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentText();
            seen.defaultSuffix = dialog->defaultSuffix();
            seen.confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            seen.offered = dialog->selectedFiles();
            if (name.isEmpty()) {
                dialog->reject();
            } else {
                dialog->selectFile(name);
                QMetaObject::invokeMethod(dialog, "accept");
            }
        });
        *confirmed = services.execute(nullptr, settings);
        return seen;
    }

private slots:
    void openDialog()
    {
        bool confirmed = false;
        const QString missing = dir.filePath(QStringLiteral("not yet there.mp3"));
        const Seen first = showAndAnswer(open, missing, &confirmed);
        QCOMPARE(first.mode, QFileDialog::AcceptOpen);
        QCOMPARE(first.fileMode, QFileDialog::AnyFile); // a missing file is a valid answer
        QCOMPARE(first.shownFilter, QStringLiteral("MP3 Audio Files (*.mp3)"));
        QCOMPARE(first.defaultSuffix, QString());
        QVERIFY(confirmed);
        QCOMPARE(open.fileName(), missing);

        const Seen second = showAndAnswer(open, QString(), &confirmed);
        QVERIFY(!confirmed);
        QCOMPARE(second.offered, QStringList{missing});
        QCOMPARE(open.fileName(), missing); // cancelling keeps the last choice
    }

    void saveDialog()
    {
        bool confirmed = false;
        const Seen seen = showAndAnswer(save, dir.filePath(QStringLiteral("my ring")), &confirmed);
        QCOMPARE(seen.mode, QFileDialog::AcceptSave);
        QCOMPARE(seen.shownFilter, QStringLiteral("Apple Ringtone"));
        QCOMPARE(seen.defaultSuffix, QStringLiteral("m4r"));
        QVERIFY(seen.confirmsOverwrite);
        QVERIFY(confirmed);
        QCOMPARE(save.fileName(), dir.filePath(QStringLiteral("my ring.m4r")));
    }
};

TOVALIN_TEST_MAIN(DesktopServicesTest)
#include "tst_DesktopServices.moc"
