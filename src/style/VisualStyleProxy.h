// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include "VisualStyle.h"

#include <QProxyStyle>

class QStyleOptionSlider;

// Fusion, drawn in a visual style's colours: push buttons, fields, frames, group boxes,
// check boxes and scroll bars for the normal, hot (hover), pressed, focused and disabled
// states, and the style's colours for the texts Fusion draws from the palette.
class VisualStyleProxy : public QProxyStyle {
    Q_OBJECT
public:
    explicit VisualStyleProxy(const VisualStyle& style, QObject* parent = nullptr);

    enum class Element {
        ButtonFace,   // push buttons and the parts of scroll bars
        CheckBoxFace, // the box of a check box
        Outline,      // the line around all of these and around fields
    };
    // The colour an element takes in a state; the choice every drawing below is made of.
    QColor elementColor(Element element, QStyle::State state) const;

    QPalette standardPalette() const override;
    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget = nullptr) const override;

private:
    void drawScrollBar(const QStyleOptionSlider* bar, QPainter* painter, const QWidget* widget) const;

    VisualStyle style_;
};
