// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "LayoutProperties.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace {

QList<QWidget*> formAndChildren(QWidget* form)
{
    QList<QWidget*> widgets{form};
    widgets += form->findChildren<QWidget*>();
    return widgets;
}

QPixmap glyphPixmap(const QString& path, const QVariant& transparent)
{
    QImage image(path);
    if (image.isNull() || !transparent.isValid())
        return QPixmap::fromImage(image);
    const QRgb key = transparent.value<QColor>().rgb();
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF))
                line[x] = 0;
        }
    }
    return QPixmap::fromImage(image);
}

} // namespace

void LayoutProperties::apply(QWidget* form)
{
    const QList<QWidget*> widgets = formAndChildren(form);

    // Fonts first: the form's size reaches every child that does not set its own.
    for (QWidget* w : widgets) {
        const QVariant pixels = w->property("fontPixelSize");
        if (pixels.isValid()) {
            QFont font = w->font();
            font.setPixelSize(pixels.toInt());
            w->setFont(font);
        }
        // Set outright, so the form's own font does not reach it.
        if (w->property("systemFont").toBool())
            w->setFont(QApplication::font(w));
    }

    for (QWidget* w : widgets) {
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->property("autoSize").toBool())
                label->resize(label->sizeHint());
            const QVariant spacing = label->property("captionSpacing");
            if (spacing.isValid() && label->buddy()) {
                const QWidget* field = label->buddy();
                label->move(field->x(), field->y() - spacing.toInt() - label->height());
            }
        }
        if (w->property("fitsText").toBool() && w->sizeHint().width() > w->width())
            w->resize(w->sizeHint().width(), w->height());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            const QString glyph = button->property("glyph").toString();
            if (!glyph.isEmpty())
                button->setIcon(glyphPixmap(glyph, button->property("transparentColor")));
        }
    }
}
