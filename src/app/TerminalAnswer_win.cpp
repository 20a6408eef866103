// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "TerminalAnswer.h"

#include <windows.h>

void TerminalAnswer::tell(const QString& text, Kind kind)
{
    // No application object exists yet: the system's own message box, in the foreground,
    // since nothing else of the program is on the screen.
    const UINT icon = kind == Kind::Answer ? MB_ICONINFORMATION : MB_ICONERROR;
    const QString shown = text.trimmed();
    MessageBoxW(nullptr, reinterpret_cast<LPCWSTR>(shown.utf16()), L"Tovalin", MB_OK | icon | MB_SETFOREGROUND);
}
