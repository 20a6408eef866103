// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "FontRegistration.h"

// Tahoma is one of Windows' own fonts.
void FontRegistration::registerBundledFonts()
{}
