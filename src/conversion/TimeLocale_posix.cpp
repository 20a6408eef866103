// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "TimeLocale.h"

#include <QLocale>

TimeLocale TimeLocale::system()
{
    return fromLocale(QLocale::system());
}
