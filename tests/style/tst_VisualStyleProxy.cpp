// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "StyleRegistry.h"
#include "VisualStyleProxy.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QtTest>

// What the style draws for each control state, checked on the pixels it paints.
class VisualStyleProxyTest : public QObject {
    Q_OBJECT

private:
    static QImage paint(QStyle::PrimitiveElement element, const QStyleOption& option)
    {
        QImage image(option.rect.size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        QApplication::style()->drawPrimitive(element, &option, &painter);
        return image;
    }

    static QRgb centre(const QImage& image) { return image.pixel(image.width() / 2, image.height() / 2) & 0xFFFFFF; }

    static QRgb darkestPixel(const QImage& image, const QRect& area)
    {
        QRgb darkest = 0xFFFFFF;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(image.pixel(x, y)) < qGray(darkest))
                    darkest = image.pixel(x, y) & 0xFFFFFF;
        return darkest;
    }

private slots:
    void initTestCase()
    {
        StyleRegistry registry;
        registry.registerCarriedStyles();
        QVERIFY(registry.apply("Aqua Light Slate"));
    }

    void buttonFaceAndOutline_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QRgb>("fill");
        QTest::addColumn<QRgb>("outline");
        QTest::addColumn<bool>("isDefault");
        const int on = QStyle::State_Enabled;
        QTest::newRow("normal") << on << QRgb(0xE2E2E2) << QRgb(0xB2B2B2) << false;
        QTest::newRow("hot") << (on | QStyle::State_MouseOver) << QRgb(0x91D0F1) << QRgb(0x64B2E2) << false;
        QTest::newRow("pressed") << (on | QStyle::State_Sunken) << QRgb(0x5DA6D4) << QRgb(0x5DA6D4) << false;
        QTest::newRow("pressed while hot")
            << (on | QStyle::State_Sunken | QStyle::State_MouseOver) << QRgb(0x5DA6D4) << QRgb(0x5DA6D4) << false;
        QTest::newRow("focused") << (on | QStyle::State_HasFocus) << QRgb(0x64B2E2) << QRgb(0x5DA6D4) << false;
        QTest::newRow("focused and hot") << (on | QStyle::State_HasFocus | QStyle::State_MouseOver) << QRgb(0x91D0F1)
                                         << QRgb(0x5DA6D4) << false;
        QTest::newRow("disabled") << 0 << QRgb(0xC6C6C6) << QRgb(0xB2B2B2) << false;
        QTest::newRow("disabled with stale flags")
            << int(QStyle::State_HasFocus | QStyle::State_MouseOver) << QRgb(0xC6C6C6) << QRgb(0xB2B2B2) << false;
        // The default button: a second ring in the focus colour, unless it is disabled.
        QTest::newRow("default") << on << QRgb(0xE2E2E2) << QRgb(0x5DA6D4) << true;
        QTest::newRow("default and focused")
            << (on | QStyle::State_HasFocus) << QRgb(0x64B2E2) << QRgb(0x5DA6D4) << true;
        QTest::newRow("default, disabled") << 0 << QRgb(0xC6C6C6) << QRgb(0xB2B2B2) << true;
    }

    void buttonFaceAndOutline()
    {
        QFETCH(int, state);
        QFETCH(QRgb, fill);
        QFETCH(QRgb, outline);
        QFETCH(bool, isDefault);
        QStyleOptionButton option;
        option.rect = QRect(0, 0, 60, 24);
        option.state = QStyle::State(state);
        if (isDefault)
            option.features |= QStyleOptionButton::DefaultButton;
        const QImage image = paint(QStyle::PE_PanelButtonCommand, option);
        QCOMPARE(centre(image), fill);
        QCOMPARE(image.pixel(30, 0) & 0xFFFFFF, outline); // middle of the top edge
        // Just inside it: the second ring of the default button, or already the face.
        const bool ring = isDefault && (state & QStyle::State_Enabled);
        QCOMPARE(image.pixel(30, 1) & 0xFFFFFF, ring ? outline : fill);
    }

    void checkBoxFace_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QRgb>("fill");
        const int on = QStyle::State_Enabled;
        QTest::newRow("normal") << on << QRgb(0xFFFFFF);
        QTest::newRow("hot") << (on | QStyle::State_MouseOver) << QRgb(0x91D0F1);
        QTest::newRow("pressed") << (on | QStyle::State_Sunken) << QRgb(0x5DA6D4);
        QTest::newRow("disabled") << 0 << QRgb(0xC6C6C6);
    }
    void checkBoxFace()
    {
        QFETCH(int, state);
        QFETCH(QRgb, fill);
        const bool enabled = state & QStyle::State_Enabled;
        QStyleOptionButton option;
        option.rect = QRect(0, 0, 13, 13);
        option.palette = QApplication::palette();
        option.palette.setCurrentColorGroup(enabled ? QPalette::Active : QPalette::Disabled);
        option.state = QStyle::State(state) | QStyle::State_Off;
        QCOMPARE(centre(paint(QStyle::PE_IndicatorCheckBox, option)), fill);

        // A checked box shows a mark in the text colour over the same face.
        option.state = QStyle::State(state) | QStyle::State_On;
        const QImage checked = paint(QStyle::PE_IndicatorCheckBox, option);
        QCOMPARE(darkestPixel(checked, QRect(2, 2, 9, 9)), enabled ? QRgb(0x000000) : QRgb(0x939393));
    }

    void fieldFrame_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QRgb>("outline");
        const int on = QStyle::State_Enabled;
        // QLineEdit always passes State_Sunken.
        const int field = on | QStyle::State_Sunken;
        QTest::newRow("normal") << field << QRgb(0xB2B2B2);
        QTest::newRow("hot") << (field | QStyle::State_MouseOver) << QRgb(0x64B2E2);
        QTest::newRow("focused") << (field | QStyle::State_HasFocus) << QRgb(0x5DA6D4);
        QTest::newRow("disabled") << int(QStyle::State_Sunken) << QRgb(0xB2B2B2);
    }
    void fieldFrame()
    {
        QFETCH(int, state);
        QFETCH(QRgb, outline);
        QStyleOptionFrame option;
        option.rect = QRect(0, 0, 80, 21);
        option.lineWidth = 1;
        option.state = QStyle::State(state);
        option.palette = QApplication::palette();
        const QImage image = paint(QStyle::PE_PanelLineEdit, option);
        QCOMPARE(image.pixel(0, 10) & 0xFFFFFF, outline);
        QCOMPARE(centre(image), QRgb(0xFFFFFF));
    }

    void scrollBarParts_data()
    {
        QTest::addColumn<int>("active");
        QTest::addColumn<int>("state");
        QTest::addColumn<QRgb>("slider");
        QTest::addColumn<QRgb>("page");
        const int on = QStyle::State_Enabled;
        QTest::newRow("idle") << int(QStyle::SC_None) << on << QRgb(0xE2E2E2) << QRgb(0xD6D6D6);
        QTest::newRow("slider hot") << int(QStyle::SC_ScrollBarSlider) << (on | QStyle::State_MouseOver)
                                    << QRgb(0x91D0F1) << QRgb(0xD6D6D6);
        QTest::newRow("slider pressed") << int(QStyle::SC_ScrollBarSlider) << (on | QStyle::State_Sunken)
                                        << QRgb(0x5DA6D4) << QRgb(0xD6D6D6);
        QTest::newRow("page pressed") << int(QStyle::SC_ScrollBarAddPage) << (on | QStyle::State_Sunken)
                                      << QRgb(0xE2E2E2) << QRgb(0xA5A5A5);
        QTest::newRow("disabled") << int(QStyle::SC_None) << 0 << QRgb(0xC6C6C6) << QRgb(0xD6D6D6);
    }
    void scrollBarParts()
    {
        QFETCH(int, active);
        QFETCH(int, state);
        QFETCH(QRgb, slider);
        QFETCH(QRgb, page);
        QStyleOptionSlider bar;
        bar.rect = QRect(0, 0, 16, 200);
        bar.orientation = Qt::Vertical;
        bar.minimum = 0;
        bar.maximum = 100;
        bar.pageStep = 50;
        bar.sliderPosition = bar.sliderValue = 0;
        bar.subControls = QStyle::SC_All;
        bar.activeSubControls = QStyle::SubControl(active);
        bar.state = QStyle::State(state);
        QStyle* style = QApplication::style();
        QImage image(bar.rect.size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        style->drawComplexControl(QStyle::CC_ScrollBar, &bar, &painter);
        painter.end();
        const QPoint sliderCentre =
            style->subControlRect(QStyle::CC_ScrollBar, &bar, QStyle::SC_ScrollBarSlider).center();
        const QPoint pageCentre =
            style->subControlRect(QStyle::CC_ScrollBar, &bar, QStyle::SC_ScrollBarAddPage).center();
        QCOMPARE(image.pixel(sliderCentre) & 0xFFFFFF, slider);
        QCOMPARE(image.pixel(pageCentre) & 0xFFFFFF, page);
    }

    void realButtonsAndFields()
    {
        QPushButton normal("Convert");
        QPushButton disabled("Convert");
        disabled.setEnabled(false);
        QLineEdit field("0:00");
        field.setEnabled(false);
        for (QWidget* w :
             {static_cast<QWidget*>(&normal), static_cast<QWidget*>(&disabled), static_cast<QWidget*>(&field)})
            w->resize(120, 30);
        // Sample the left of the centre line, away from the text.
        auto sample = [](QWidget& w) { return w.grab().toImage().pixel(6, 15) & 0xFFFFFF; };
        QCOMPARE(sample(normal), QRgb(0xE2E2E2));
        QCOMPARE(sample(disabled), QRgb(0xC6C6C6));
        QCOMPARE(sample(field), QRgb(0xFFFFFF));
    }

    void disabledGroupCaptionIsDarkerThanOtherDisabledTexts()
    {
        QGroupBox box("MMMMMMMM");
        QFont font = box.font();
        font.setPixelSize(20);
        box.setFont(font);
        box.resize(200, 80);
        box.setEnabled(false);
        const QImage image = box.grab().toImage();
        QCOMPARE(darkestPixel(image, QRect(0, 0, 200, 26)), QRgb(0x808080));

        QCheckBox check("MMMMMMMM");
        check.setFont(font);
        check.resize(200, 30);
        check.setEnabled(false);
        const QImage text = check.grab().toImage();
        QCOMPARE(darkestPixel(text, QRect(30, 0, 170, 30)), QRgb(0x939393));
    }
};

QTEST_MAIN(VisualStyleProxyTest)
#include "tst_VisualStyleProxy.moc"
