// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "VisualStyleProxy.h"

#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

namespace {

// A filled panel with a one-pixel outline on the pixel grid; interior pixels get exactly
// the fill colour.
void drawPanel(QPainter* painter, const QRect& rect, const QColor& fill, const QColor& outline, qreal radius)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, radius > 0);
    painter->setPen(outline);
    painter->setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
    if (radius > 0)
        painter->drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    else
        painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

void drawArrow(QPainter* painter, const QRect& rect, Qt::ArrowType type, const QColor& color)
{
    const qreal half = qMax(2.0, qMin(rect.width(), rect.height()) / 4.0);
    const QPointF c = QRectF(rect).center();
    QPolygonF triangle;
    switch (type) {
    case Qt::UpArrow:
        triangle << c + QPointF(-half, half / 2) << c + QPointF(half, half / 2) << c + QPointF(0, -half / 2);
        break;
    case Qt::DownArrow:
        triangle << c + QPointF(-half, -half / 2) << c + QPointF(half, -half / 2) << c + QPointF(0, half / 2);
        break;
    case Qt::LeftArrow:
        triangle << c + QPointF(half / 2, -half) << c + QPointF(half / 2, half) << c + QPointF(-half / 2, 0);
        break;
    default:
        triangle << c + QPointF(-half / 2, -half) << c + QPointF(-half / 2, half) << c + QPointF(half / 2, 0);
        break;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(color);
    painter->drawPolygon(triangle);
    painter->restore();
}

} // namespace

VisualStyleProxy::VisualStyleProxy(const VisualStyle& style, QObject* parent)
    : QProxyStyle(QStringLiteral("Fusion"))
    , style_(style)
{
    setParent(parent);
}

QColor VisualStyleProxy::elementColor(Element element, QStyle::State state) const
{
    const bool enabled = state & State_Enabled;
    const bool pressed = state & (State_Sunken | State_On);
    const bool hot = state & State_MouseOver;
    const bool focused = state & State_HasFocus;

    switch (element) {
    case Element::ButtonFace:
        if (!enabled)
            return style_.color("ButtonDisabled");
        if (pressed)
            return style_.color("ButtonPressed");
        if (hot)
            return style_.color("ButtonHot");
        if (focused)
            return style_.color("ButtonFocused");
        return style_.color("ButtonNormal");
    case Element::CheckBoxFace:
        // The check box's On state is its value, not a press.
        if (!enabled)
            return style_.color("ButtonDisabled");
        if (state & State_Sunken)
            return style_.color("ButtonPressed");
        if (hot)
            return style_.color("ButtonHot");
        return style_.color("Edit");
    case Element::Outline:
        if (enabled && (focused || (state & State_Sunken)))
            return style_.color("FocusEffect");
        if (enabled && hot)
            return style_.color("ButtonFocused");
        return style_.color("Border");
    }
    return {};
}

QPalette VisualStyleProxy::standardPalette() const
{
    return style_.palette();
}

void VisualStyleProxy::polish(QWidget* widget)
{
    QProxyStyle::polish(widget);
    // Fusion tracks hovering for buttons and scroll bars only; fields have a hot frame here.
    if (qobject_cast<QLineEdit*>(widget))
        widget->setAttribute(Qt::WA_Hover);
}

void VisualStyleProxy::unpolish(QWidget* widget)
{
    if (qobject_cast<QLineEdit*>(widget))
        widget->setAttribute(Qt::WA_Hover, false);
    QProxyStyle::unpolish(widget);
}

void VisualStyleProxy::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const
{
    const State state = option->state;
    // Fields are always "sunken"; that is their shape, not a press.
    const State fieldState = state & ~State_Sunken;
    // Other frames show neither focus nor hover: their widgets do not repaint for them.
    const State frameState = state & ~(State_HasFocus | State_MouseOver | State_Sunken);

    switch (element) {
    case PE_PanelButtonCommand: {
        drawPanel(painter, option->rect, elementColor(Element::ButtonFace, state),
                  elementColor(Element::Outline, state), 3);
        // The default button, the one Enter presses, wears a second ring in the focus colour.
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (button && (button->features & QStyleOptionButton::DefaultButton) && (state & State_Enabled)) {
            const QColor ring = style_.color("FocusEffect");
            drawPanel(painter, option->rect, QColor(), ring, 3);
            drawPanel(painter, option->rect.adjusted(1, 1, -1, -1), QColor(), ring, 2);
        }
        return;
    }
    case PE_FrameDefaultButton:
        return;
    case PE_PanelLineEdit:
        if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option); frame && frame->lineWidth > 0)
            drawPanel(painter, option->rect, option->palette.base().color(), elementColor(Element::Outline, fieldState),
                      0);
        else
            painter->fillRect(option->rect, option->palette.base());
        return;
    case PE_FrameLineEdit:
        drawPanel(painter, option->rect, QColor(), elementColor(Element::Outline, fieldState), 0);
        return;
    case PE_Frame:
        drawPanel(painter, option->rect, QColor(), elementColor(Element::Outline, frameState), 0);
        return;
    case PE_FrameGroupBox: // from the caption's middle down, see CC_GroupBox
        drawPanel(painter, option->rect, QColor(), elementColor(Element::Outline, frameState), 3);
        return;
    case PE_FrameFocusRect:
        drawPanel(painter, option->rect, QColor(), style_.color("FocusEffect"), 0);
        return;
    case PE_IndicatorCheckBox: {
        const QRect box = option->rect;
        drawPanel(painter, box, elementColor(Element::CheckBoxFace, state), elementColor(Element::Outline, state), 2);
        const QColor mark = option->palette.text().color();
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        if (state & State_NoChange) {
            const int inset = qMax(3, box.width() / 4);
            painter->fillRect(box.adjusted(inset, inset, -inset, -inset), mark);
        } else if (state & State_On) {
            const QRectF r(box);
            QPainterPath check;
            check.moveTo(r.left() + r.width() * 0.24, r.top() + r.height() * 0.52);
            check.lineTo(r.left() + r.width() * 0.43, r.top() + r.height() * 0.72);
            check.lineTo(r.left() + r.width() * 0.77, r.top() + r.height() * 0.30);
            painter->setPen(QPen(mark, qMax(1.5, r.height() * 0.14), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter->setBrush(Qt::NoBrush);
            painter->drawPath(check);
        }
        painter->restore();
        return;
    }
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void VisualStyleProxy::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    if (element == CE_PushButton) {
        // Bevel and label only: the focused fill already shows the focus, a focus rectangle
        // inside it would only clutter the button.
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
            proxy()->drawControl(CE_PushButtonBevel, button, painter, widget);
            QStyleOptionButton label = *button;
            label.rect = proxy()->subElementRect(SE_PushButtonContents, button, widget);
            proxy()->drawControl(CE_PushButtonLabel, &label, painter, widget);
            return;
        }
    }
    if (element == CE_MenuItem) {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (item && (item->state & State_Enabled) && !(item->state & State_Selected)) {
            QStyleOptionMenuItem normal = *item;
            const QColor text = style_.textColor("PopupMenuItem");
            for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                normal.palette.setColor(role, text);
            QProxyStyle::drawControl(element, &normal, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

namespace {
constexpr int GroupCaptionIndent = 8;
}

void VisualStyleProxy::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                          const QWidget* widget) const
{
    if (control == CC_ScrollBar) {
        if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
            drawScrollBar(bar, painter, widget);
            return;
        }
    }
    if (control == CC_GroupBox) {
        if (const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
            QStyleOptionGroupBox rest = *box;
            if (box->subControls & SC_GroupBoxFrame) {
                // The frame line runs through the middle of the caption, which sits on a
                // patch of window colour, as on the system's own group frames.
                const bool caption = !box->text.isEmpty() || (box->subControls & SC_GroupBoxCheckBox);
                const QRect label = proxy()->subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
                QStyleOptionFrame frame;
                frame.QStyleOption::operator=(*box);
                frame.rect = box->rect.adjusted(0, caption ? label.center().y() : 0, 0, 0);
                proxy()->drawPrimitive(PE_FrameGroupBox, &frame, painter, widget);
                if (caption)
                    painter->fillRect(label.adjusted(-2, 0, 2, 0), box->palette.window());
                rest.subControls &= ~SC_GroupBoxFrame;
            }
            if (!(box->state & State_Enabled)) {
                // A disabled group frame's caption has a colour of its own, darker than other disabled texts.
                rest.textColor = style_.textColor("DisabledGroupCaption");
                rest.palette.setColor(QPalette::Disabled, QPalette::WindowText, rest.textColor);
            }
            QProxyStyle::drawComplexControl(control, &rest, painter, widget);
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QRect VisualStyleProxy::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                                       const QWidget* widget) const
{
    QRect rect = QProxyStyle::subControlRect(control, option, sub, widget);
    // A group frame's caption is set in from the frame's corner.
    if (control == CC_GroupBox && (sub == SC_GroupBoxLabel || sub == SC_GroupBoxCheckBox))
        rect.translate(GroupCaptionIndent, 0);
    return rect;
}

void VisualStyleProxy::drawScrollBar(const QStyleOptionSlider* bar, QPainter* painter, const QWidget* widget) const
{
    painter->fillRect(bar->rect, style_.color("GenericBackground"));
    // A pressed page area darkens, as the system's scroll bars do.
    for (SubControl page : {SC_ScrollBarSubPage, SC_ScrollBarAddPage})
        if ((bar->activeSubControls & page) && (bar->state & State_Sunken))
            painter->fillRect(proxy()->subControlRect(CC_ScrollBar, bar, page, widget), style_.color("clScrollBar"));

    const bool horizontal = bar->orientation == Qt::Horizontal;
    const bool movable = bar->maximum > bar->minimum;
    const bool mirrored = horizontal && bar->direction == Qt::RightToLeft;
    const Qt::ArrowType subArrow = horizontal ? (mirrored ? Qt::RightArrow : Qt::LeftArrow) : Qt::UpArrow;
    const Qt::ArrowType addArrow = horizontal ? (mirrored ? Qt::LeftArrow : Qt::RightArrow) : Qt::DownArrow;

    for (SubControl part : {SC_ScrollBarSubLine, SC_ScrollBarAddLine, SC_ScrollBarSlider}) {
        if (!(bar->subControls & part) || (part == SC_ScrollBarSlider && !movable))
            continue;
        const QRect rect = proxy()->subControlRect(CC_ScrollBar, bar, part, widget);
        if (rect.isEmpty())
            continue;
        State state = movable ? (bar->state & State_Enabled) : State_None;
        if (bar->activeSubControls & part)
            state |= bar->state & (State_MouseOver | State_Sunken);
        drawPanel(painter, rect, elementColor(Element::ButtonFace, state), elementColor(Element::Outline, state), 2);
        if (part != SC_ScrollBarSlider)
            drawArrow(painter, rect, part == SC_ScrollBarSubLine ? subArrow : addArrow,
                      state & State_Enabled ? style_.color("clBtnText") : style_.textColor("Disabled"));
    }
}
