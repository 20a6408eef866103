// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "FileManagerReveal.h"
#include "TestMain.h"

#include <QDBusConnection>
#include <QProcess>
#include <QStandardPaths>

// Stands in for the desktop's file manager on a private session bus.
class FakeFileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QStringList shown;

public slots:
    Q_SCRIPTABLE void ShowItems(const QStringList& uris, const QString&) { shown += uris; }
};

// Showing the result in the file manager: selected through the freedesktop interface
// when a file manager answers on the session bus, otherwise its folder is opened.
class FileManagerRevealTest : public QObject {
    Q_OBJECT

private:
    QProcess bus;
    QString address;
    const QString path = QString::fromUtf8("/tmp/My Kl\xc3\xa4nge/ring tone.m4r");

    QList<QUrl>& opened() { return qApp->findChild<UrlSink*>()->urls; }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            QSKIP("dbus-daemon is not installed");
        bus.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
        QVERIFY(bus.waitForReadyRead(10000));
        address = QString::fromUtf8(bus.readLine().trimmed());
        // Before the first use of the session bus, which Qt connects to once.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
    }

    void cleanupTestCase()
    {
        bus.kill();
        bus.waitForFinished();
    }

    void withoutFileManagerTheFolderOpens()
    {
        opened().clear();
        FileManagerReveal::show(path);
        QTRY_COMPARE(opened(), QList<QUrl>{QUrl::fromLocalFile(QString::fromUtf8("/tmp/My Kl\xc3\xa4nge"))});
    }

    void aFileManagerShowsTheFileSelected()
    {
        QDBusConnection own = QDBusConnection::connectToBus(address, QStringLiteral("file-manager"));
        QVERIFY(own.isConnected());
        FakeFileManager manager;
        QVERIFY(own.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &manager,
                                   QDBusConnection::ExportScriptableSlots));
        QVERIFY(own.registerService(QStringLiteral("org.freedesktop.FileManager1")));

        opened().clear();
        FileManagerReveal::show(path);
        QTRY_COMPARE(manager.shown, QStringList{"file:///tmp/My%20Kl%C3%A4nge/ring%20tone.m4r"});
        QTest::qWait(100);
        QVERIFY(opened().isEmpty());
        own.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
    }
};

TOVALIN_TEST_MAIN(FileManagerRevealTest)
#include "tst_FileManagerReveal.moc"
