// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class PlatformServices;

// The steps of the program's start that are more than a line: reading the command line and
// applying the visual style.
namespace StartUp {

// The style every window is drawn in.
inline const QString StyleName = QStringLiteral("Aqua Light Slate");

// The command line as main() gets it, before the application object exists.
QStringList arguments(int argc, char* argv[]);

// Answers --help and --version, and refuses an unknown option, on the terminal (in a message
// box on Windows): no application object is needed. Returns the exit status then; nothing
// when the program should start.
std::optional<int> answerOnTerminal(const QStringList& arguments);

// The full path of the one existing file the command line names (a file manager's "Open
// with"), or an empty text, with a warning when something else was named.
QString startFile(const QStringList& arguments);

// Makes the window font available and applies the named carried style; a style that is
// not carried is reported ("Style '...' not found") and the system look stays.
void applyStyle(const QString& name, PlatformServices& services);

} // namespace StartUp
