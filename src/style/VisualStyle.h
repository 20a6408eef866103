// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QColor>
#include <QHash>
#include <QPalette>
#include <QString>
#include <QStringList>

#include <optional>

// One visual style as read from its source text: its name, its element colours (the
// entries starting with "cl" replace the system colours of those names) and its text
// colours. Entries are looked up by their exact names ("ButtonHot", "clHighlight").
class VisualStyle {
public:
    // Reads a style source; nothing and a reason in *error when the text is not a complete style.
    static std::optional<VisualStyle> parse(const QString& source, QString* error = nullptr);

    QString name() const { return name_; }
    QColor color(const QString& entry) const { return colors_.value(entry); }
    QColor textColor(const QString& entry) const { return textColors_.value(entry); }

    // The colour table as an application palette, for all three colour groups.
    QPalette palette() const;

private:
    QString name_;
    QHash<QString, QColor> colors_;
    QHash<QString, QColor> textColors_;
};
