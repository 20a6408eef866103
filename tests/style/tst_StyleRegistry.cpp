// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "StyleRegistry.h"
#include "VisualStyleProxy.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QStyleFactory>
#include <QtTest>

#include <zlib.h>

// The carried style resource, registration by stored name, lookup and applying.
class StyleRegistryTest : public QObject {
    Q_OBJECT

private:
    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(path));
        return file.readAll();
    }

    static QByteArray pack(const QByteArray& source)
    {
        uLongf size = compressBound(static_cast<uLong>(source.size()));
        QByteArray packed(static_cast<qsizetype>(size), '\0');
        compress(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(source.constData()),
                 static_cast<uLong>(source.size()));
        packed.truncate(static_cast<qsizetype>(size));
        return StyleRegistry::Signature + packed;
    }

    static QByteArray renamedSource(const QString& name)
    {
        return readFile(TOVALIN_STYLE_SOURCE).replace("Name = Aqua Light Slate", "Name = " + name.toUtf8());
    }

private slots:
    void init()
    {
        // Each test starts from the plain look.
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

    void carriedResourceHoldsThePackedSource()
    {
        // Linking tovalin_style alone brings the resource; no Q_INIT_RESOURCE is needed.
        const QByteArray carried = readFile(":/VCLSTYLE/AQUALIGHTSLATE");
        QVERIFY(carried.startsWith("VCL_STYLE 2.0"));
        QCOMPARE(StyleRegistry::Signature.size(), 13);
        const std::optional<QByteArray> source = StyleRegistry::unpack(carried);
        QVERIFY(source);
        QCOMPARE(*source, readFile(TOVALIN_STYLE_SOURCE));
    }

    void registersCarriedStylesUnderStoredName()
    {
        StyleRegistry registry;
        QCOMPARE(registry.registerCarriedStyles(), 1);
        QCOMPARE(registry.names(), QStringList{"Aqua Light Slate"});
    }

    void registersUnderTheNameInsideNotTheFileName()
    {
        StyleRegistry registry;
        QVERIFY(registry.registerStyle(pack(renamedSource("Carbon Night"))));
        QVERIFY(registry.find("carbon night"));
        QVERIFY(!registry.find("Aqua Light Slate"));
        // Registering a style of a known name again replaces it.
        QVERIFY(registry.registerStyle(pack(renamedSource("CARBON NIGHT"))));
        QCOMPARE(registry.names(), QStringList{"CARBON NIGHT"});
    }

    void lookup_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        QTest::newRow("as stored") << "Aqua Light Slate" << true;
        QTest::newRow("lower case") << "aqua light slate" << true;
        QTest::newRow("upper case") << "AQUA LIGHT SLATE" << true;
        QTest::newRow("resource name") << "AQUALIGHTSLATE" << false;
        QTest::newRow("trailing space") << "Aqua Light Slate " << false;
        QTest::newRow("other style") << "Carbon" << false;
        QTest::newRow("empty") << "" << false;
    }
    void lookup()
    {
        QFETCH(QString, name);
        QFETCH(bool, found);
        StyleRegistry registry;
        registry.registerCarriedStyles();
        QCOMPARE(registry.find(name).has_value(), found);
    }

    void unknownStyleIsNotAppliedAndChangesNothing()
    {
        StyleRegistry registry;
        registry.registerCarriedStyles();
        QStyle* before = QApplication::style();
        const QPalette palette = QApplication::palette();
        QVERIFY(!registry.apply("Windows Classic"));
        QCOMPARE(QApplication::style(), before);
        QCOMPARE(QApplication::palette(), palette);
    }

    void applySetsPaletteAndStyleForEveryWindow()
    {
        QLabel ownColour("Donate");
        QPalette red = ownColour.palette();
        red.setColor(QPalette::WindowText, Qt::red);
        ownColour.setPalette(red);

        StyleRegistry registry;
        registry.registerCarriedStyles();
        QVERIFY(registry.apply("aqua light slate"));
        QCoreApplication::sendPostedEvents(); // existing widgets take the palette change from the queue

        QVERIFY(qobject_cast<VisualStyleProxy*>(QApplication::style()));
        QCOMPARE(static_cast<QProxyStyle*>(QApplication::style())->baseStyle()->name(), QStringLiteral("fusion"));
        // The palette's roles one by one are VisualStyle's tests; here it must be the application's.
        QCOMPARE(QApplication::palette(), registry.find("Aqua Light Slate")->palette());

        // Message boxes get the same look; a widget's own colour stays.
        QMessageBox box(QMessageBox::Critical, "Error", "Style not found", QMessageBox::Close);
        QCOMPARE(box.style(), QApplication::style());
        QCOMPARE(box.palette().color(QPalette::Window), QColor(0xD6D6D6));
        QCOMPARE(ownColour.palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(ownColour.palette().color(QPalette::Window), QColor(0xD6D6D6));
    }

    void damagedStylesAreRejected_data()
    {
        QTest::addColumn<QByteArray>("carried");
        const QByteArray good = pack(readFile(TOVALIN_STYLE_SOURCE));
        const qsizetype streamStart = StyleRegistry::Signature.size();
        QByteArray flipped = good;
        flipped[streamStart + 40] = static_cast<char>(flipped[streamStart + 40] ^ 0x55);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("signature only") << StyleRegistry::Signature;
        QTest::newRow("wrong signature") << QByteArray(good).replace(0, 13, "VCL_STYLE 1.0");
        QTest::newRow("plain source") << readFile(TOVALIN_STYLE_SOURCE);
        QTest::newRow("truncated stream") << good.left(good.size() / 2);
        QTest::newRow("checksum missing") << good.left(good.size() - 2);
        QTest::newRow("corrupted stream") << flipped;
        QTest::newRow("garbage stream") << StyleRegistry::Signature + QByteArray(300, '\xA5');
        QTest::newRow("data after stream") << good + "tail";
        QTest::newRow("not a style inside") << pack("[Colors]\nBorder = #B2B2B2\n");
    }
    void damagedStylesAreRejected()
    {
        QFETCH(QByteArray, carried);
        StyleRegistry registry;
        QString error;
        QVERIFY(!registry.registerStyle(carried, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(registry.names().isEmpty());
    }
};

QTEST_MAIN(StyleRegistryTest)
#include "tst_StyleRegistry.moc"
