// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "ToolPathCheck.h"

bool ToolPathCheck::readableByFader(const QString&)
{
    return true;
}

bool ToolPathCheck::readableByFader(const QString&, unsigned, unsigned)
{
    return true;
}
