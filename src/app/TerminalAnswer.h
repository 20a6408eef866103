// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QString>

// How the answers to --help and --version, and the refusal of an unknown option, reach the
// person who asked. On Linux they go to the terminal. A Windows program of the GUI kind has
// no console, and one that asks for administrator rights is started by the elevation
// service in a process of its own, which cannot reach the caller's console either: there
// the text is shown in a message box titled "Tovalin".
namespace TerminalAnswer {

enum class Kind { Answer, Refusal };

void tell(const QString& text, Kind kind);

} // namespace TerminalAnswer
