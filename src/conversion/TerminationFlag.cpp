// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "TerminationFlag.h"

void TerminationFlag::set()
{
    if (set_)
        return;
    set_ = true;
    emit raised();
    emit cleanUp();
}
