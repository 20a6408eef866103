// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QString>
#include <QStringList>

// Splits a program's parameter string into arguments the way the Microsoft C
// runtime does for every argument after the program name: spaces and tabs
// separate, double quotes group, backslashes escape only before a double quote,
// and "" inside a quoted part is a literal quote.
namespace WindowsCommandLine {

QStringList split(const QString& parameters);

} // namespace WindowsCommandLine
