// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "VisualStyle.h"

namespace {

// Entries the palette and the drawing rely on; a style without one of them is refused
// rather than drawn with holes.
const QStringList RequiredColors = {
    "Window",         "GenericBackground", "Border",         "Edit",          "EditDisabled",
    "ListBox",        "ButtonNormal",      "ButtonHot",      "ButtonPressed", "ButtonFocused",
    "ButtonDisabled", "FocusEffect",       "clBtnHighlight", "clBtnShadow",   "clWindowFrame",
    "clScrollBar",    "clHighlight",       "clWindowText",   "clBtnText",     "clGrayText",
};
const QStringList RequiredTextColors = {"Normal", "PopupMenuItem", "Disabled", "DisabledGroupCaption"};

} // namespace

std::optional<VisualStyle> VisualStyle::parse(const QString& source, QString* error)
{
    auto fail = [error](const QString& reason) -> std::optional<VisualStyle> {
        if (error)
            *error = reason;
        return std::nullopt;
    };

    VisualStyle style;
    QString section;
    const QStringList lines = source.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        const QString where = QStringLiteral("line %1: ").arg(i + 1);
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            section = line.mid(1, line.size() - 2).trimmed();
            if (!QStringList{"Style", "Colors", "TextColors"}.contains(section))
                return fail(where + QStringLiteral("unknown section '%1'").arg(section));
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (equals < 0 || key.isEmpty() || value.isEmpty())
            return fail(where + QStringLiteral("expected 'Key = Value'"));

        if (section == "Style") {
            if (key != "Name")
                return fail(where + QStringLiteral("unknown key '%1'").arg(key));
            style.name_ = value;
        } else if (section == "Colors" || section == "TextColors") {
            const QColor color = QColor::fromString(value);
            if (!color.isValid())
                return fail(where + QStringLiteral("'%1' is not a colour").arg(value));
            auto& table = section == "Colors" ? style.colors_ : style.textColors_;
            if (table.contains(key))
                return fail(where + QStringLiteral("'%1' given twice").arg(key));
            table.insert(key, color);
        } else {
            return fail(where + QStringLiteral("entry outside a section"));
        }
    }

    if (style.name_.isEmpty())
        return fail(QStringLiteral("the style has no name"));
    for (const QString& entry : RequiredColors)
        if (!style.colors_.contains(entry))
            return fail(QStringLiteral("colour '%1' is missing").arg(entry));
    for (const QString& entry : RequiredTextColors)
        if (!style.textColors_.contains(entry))
            return fail(QStringLiteral("text colour '%1' is missing").arg(entry));
    return style;
}

QPalette VisualStyle::palette() const
{
    QPalette p;
    auto set = [&p](QPalette::ColorRole role, const QColor& color) { p.setColor(role, color); };
    // All groups first; an inactive window looks like an active one.
    set(QPalette::Window, color("Window"));
    set(QPalette::WindowText, textColor("Normal"));
    set(QPalette::Base, color("Edit"));
    set(QPalette::AlternateBase, color("ListBox"));
    set(QPalette::Text, color("clWindowText"));
    set(QPalette::Button, color("ButtonNormal"));
    set(QPalette::ButtonText, color("clBtnText"));
    set(QPalette::Light, color("clBtnHighlight"));
    set(QPalette::Midlight, color("ButtonNormal"));
    set(QPalette::Mid, color("Border"));
    set(QPalette::Dark, color("clBtnShadow"));
    set(QPalette::Shadow, color("clWindowFrame"));
    set(QPalette::Highlight, color("clHighlight"));
    // Selected text stays black like every other text; white on this light blue reads poorly.
    set(QPalette::HighlightedText, textColor("Normal"));
    set(QPalette::BrightText, color("clBtnHighlight"));
    set(QPalette::ToolTipBase, color("Edit"));
    set(QPalette::ToolTipText, textColor("Normal"));
    set(QPalette::PlaceholderText, color("clGrayText"));

    const QColor disabledText = textColor("Disabled");
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                     QPalette::HighlightedText, QPalette::ToolTipText, QPalette::PlaceholderText})
        p.setColor(QPalette::Disabled, role, disabledText);
    p.setColor(QPalette::Disabled, QPalette::Base, color("EditDisabled"));
    p.setColor(QPalette::Disabled, QPalette::Button, color("ButtonDisabled"));
    return p;
}
