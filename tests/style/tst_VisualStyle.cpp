// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "VisualStyle.h"

#include <QFile>
#include <QtTest>

// The style source the program carries, read as the program reads it.
class VisualStyleTest : public QObject {
    Q_OBJECT

private:
    static VisualStyle carriedSource()
    {
        QFile file(TOVALIN_STYLE_SOURCE);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", TOVALIN_STYLE_SOURCE);
        QString error;
        const std::optional<VisualStyle> style = VisualStyle::parse(QString::fromUtf8(file.readAll()), &error);
        if (!style)
            qFatal("style source rejected: %s", qPrintable(error));
        return *style;
    }

    // The complete source; each bad case below differs from it in one point only.
    static QString sourceText()
    {
        QFile file(TOVALIN_STYLE_SOURCE);
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }

private slots:
    void name() { QCOMPARE(carriedSource().name(), QStringLiteral("Aqua Light Slate")); }

    void colorTable_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QRgb>("rgb");
        const QList<std::pair<QStringList, QRgb>> table = {
            {{"Window", "Panel", "GenericBackground", "clBtnFace"}, 0xD6D6D6},
            {{"Border"}, 0xB2B2B2},
            {{"Edit", "EditDisabled", "ListBox", "clWindow", "clBtnHighlight"}, 0xFFFFFF},
            {{"ButtonNormal"}, 0xE2E2E2},
            {{"ButtonHot"}, 0x91D0F1},
            {{"ButtonPressed", "FocusEffect"}, 0x5DA6D4},
            {{"ButtonFocused", "clHighlight"}, 0x64B2E2},
            {{"ButtonDisabled"}, 0xC6C6C6},
            {{"clBtnShadow", "clWindowFrame"}, 0x9A9A9A},
            {{"clScrollBar"}, 0xA5A5A5},
            {{"clWindowText", "clBtnText"}, 0x000000},
            {{"clGrayText"}, 0x808080},
        };
        for (const auto& [entries, rgb] : table)
            for (const QString& entry : entries)
                QTest::newRow(qPrintable(entry)) << entry << rgb;
    }
    void colorTable()
    {
        QFETCH(QString, entry);
        QFETCH(QRgb, rgb);
        QCOMPARE(carriedSource().color(entry), QColor(rgb));
    }

    void textColors_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QRgb>("rgb");
        QTest::newRow("normal") << "Normal" << QRgb(0x000000);
        QTest::newRow("popup menu item") << "PopupMenuItem" << QRgb(0x414141);
        QTest::newRow("disabled") << "Disabled" << QRgb(0x939393);
        QTest::newRow("disabled group caption") << "DisabledGroupCaption" << QRgb(0x808080);
    }
    void textColors()
    {
        QFETCH(QString, entry);
        QFETCH(QRgb, rgb);
        QCOMPARE(carriedSource().textColor(entry), QColor(rgb));
    }

    void palette_data()
    {
        QTest::addColumn<QPalette::ColorGroup>("group");
        QTest::addColumn<QPalette::ColorRole>("role");
        QTest::addColumn<QRgb>("rgb");
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            const char* g = group == QPalette::Active ? "active" : "inactive";
            QTest::addRow("%s window", g) << group << QPalette::Window << QRgb(0xD6D6D6);
            QTest::addRow("%s window text", g) << group << QPalette::WindowText << QRgb(0x000000);
            QTest::addRow("%s base", g) << group << QPalette::Base << QRgb(0xFFFFFF);
            QTest::addRow("%s text", g) << group << QPalette::Text << QRgb(0x000000);
            QTest::addRow("%s button", g) << group << QPalette::Button << QRgb(0xE2E2E2);
            QTest::addRow("%s button text", g) << group << QPalette::ButtonText << QRgb(0x000000);
            QTest::addRow("%s highlight", g) << group << QPalette::Highlight << QRgb(0x64B2E2);
            QTest::addRow("%s mid", g) << group << QPalette::Mid << QRgb(0xB2B2B2);
            QTest::addRow("%s dark", g) << group << QPalette::Dark << QRgb(0x9A9A9A);
        }
        const auto d = QPalette::Disabled;
        QTest::newRow("disabled window") << d << QPalette::Window << QRgb(0xD6D6D6);
        QTest::newRow("disabled window text") << d << QPalette::WindowText << QRgb(0x939393);
        QTest::newRow("disabled text") << d << QPalette::Text << QRgb(0x939393);
        QTest::newRow("disabled button text") << d << QPalette::ButtonText << QRgb(0x939393);
        QTest::newRow("disabled base") << d << QPalette::Base << QRgb(0xFFFFFF);
        QTest::newRow("disabled button") << d << QPalette::Button << QRgb(0xC6C6C6);
        QTest::newRow("disabled highlight") << d << QPalette::Highlight << QRgb(0x64B2E2);
    }
    void palette()
    {
        QFETCH(QPalette::ColorGroup, group);
        QFETCH(QPalette::ColorRole, role);
        QFETCH(QRgb, rgb);
        QCOMPARE(carriedSource().palette().color(group, role), QColor(rgb));
    }

    void rejectsIncompleteOrMalformedSource_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("reason");
        const QString good = sourceText();
        QTest::newRow("empty") << QString() << "no name";
        QTest::newRow("no name") << QString(good).replace("Name = Aqua Light Slate", "") << "no name";
        QTest::newRow("bad colour") << QString(good).replace("#91D0F1", "#91D0G1") << "line";
        QTest::newRow("missing colour") << QString(good).replace("ButtonHot ", "ButtonHott ") << "ButtonHot";
        QTest::newRow("missing text colour") << QString(good).replace("PopupMenuItem ", "Popup ") << "PopupMenuItem";
        QTest::newRow("duplicate") << good + "\n[Colors]\nBorder = #000000\n"
                                   << "twice";
        QTest::newRow("unknown section") << good + "\n[Fonts]\n"
                                         << "unknown section";
        QTest::newRow("no equals sign") << QString(good).replace("Border            =", "Border") << "Key = Value";
        QTest::newRow("outside a section") << "Name = X\n" + good << "outside";
    }
    void rejectsIncompleteOrMalformedSource()
    {
        QFETCH(QString, source);
        QFETCH(QString, reason);
        QString error;
        QVERIFY(!VisualStyle::parse(source, &error));
        QVERIFY2(error.contains(reason, Qt::CaseInsensitive), qPrintable(error));
    }
};

QTEST_MAIN(VisualStyleTest)
#include "tst_VisualStyle.moc"
