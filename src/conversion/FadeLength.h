// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QChar>
#include <QString>

#include <optional>

// A fade field's text read as a number of seconds: digits, optionally a decimal separator
// ("." or the locale's own) and more digits, with spaces allowed around it.
namespace FadeLength {

// The number as the fader reads it ("2,5" becomes "2.5"), or nothing when the text is no
// fade length.
std::optional<QString> faderForm(const QString& text, QChar decimalSeparator);

} // namespace FadeLength
