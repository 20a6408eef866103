// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include "VisualStyle.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The visual styles the program knows, each under the name stored inside it.
// A carried style is the signature "VCL_STYLE 2.0" followed by a zlib stream of the
// style's source text; the program carries its styles in the resource folder ":/VCLSTYLE".
//
// At start-up:
//     StyleRegistry styles;
//     styles.registerCarriedStyles();
//     if (!styles.apply("Aqua Light Slate")) ... report "Style '%s' not found"
class StyleRegistry {
public:
    static inline const QString ResourceFolder = QStringLiteral(":/VCLSTYLE");
    static inline const QByteArray Signature = QByteArrayLiteral("VCL_STYLE 2.0");

    // The source text inside a carried style; nothing when the signature is wrong or the
    // stream is damaged, truncated or followed by other data.
    static std::optional<QByteArray> unpack(const QByteArray& carried);

    // Registers one carried style, replacing a known style of the same name.
    bool registerStyle(const QByteArray& carried, QString* error = nullptr);
    // Registers every style in the resource folder; returns how many were registered.
    int registerCarriedStyles();

    QStringList names() const;
    // The style of that name, compared without regard to case.
    std::optional<VisualStyle> find(const QString& name) const;

    // Makes the named style the look of every window, message boxes included: its palette
    // becomes the application palette and its drawing the application style. Returns false,
    // changing nothing, when no style of that name is registered. Needs a QApplication.
    bool apply(const QString& name) const;

private:
    std::vector<VisualStyle> styles_;
};
