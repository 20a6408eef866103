// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "TerminalAnswer.h"

#include <cstdio>

void TerminalAnswer::tell(const QString& text, Kind kind)
{
    std::FILE* stream = kind == Kind::Answer ? stdout : stderr;
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}
