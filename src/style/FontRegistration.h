// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

// Makes the windows' font available where the system does not list it: Debian ships a
// free "Tahoma" with Wine's fonts, outside the font path.
namespace FontRegistration {

void registerBundledFonts();

} // namespace FontRegistration
